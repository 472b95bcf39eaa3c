#include "frontends/commun/texte_operateur.h"

namespace maj::frontends {

std::string TexteVisible(std::string_view texte) {
    std::string visible;
    visible.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (c == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') continue;
        if (c == '\n' || c == '\t' || (c >= 0x20 && c != 0x7F && c != 0xC2)) {
            visible.push_back(static_cast<char>(c));
        } else if (c < 0x20) {
            visible.push_back('^');
            visible.push_back(static_cast<char>(c + 0x40));
        } else if (c == 0x7F) {
            visible.append("^?");
        } else {
            // 0xC2 leads U+0080 to U+00BF: U+0080 to U+009F are the 8-bit controls.
            const auto suivant = i + 1 < texte.size() ? static_cast<unsigned char>(texte[i + 1]) : 0;
            if (suivant >= 0x80 && suivant <= 0x9F) {
                visible.append("M-^");
                visible.push_back(static_cast<char>(suivant - 0x80 + 0x40));
                ++i;
            } else {
                visible.push_back(static_cast<char>(c));
            }
        }
    }
    return visible;
}

std::string MessagePourFlux(GenreMessage genre, std::string_view texte, std::string_view titre) {
    std::string message = TexteVisible(titre);
    message.append(genre == GenreMessage::Critique ? " [erreur]\n" : " [information]\n");
    message.append(TexteVisible(texte));
    if (message.back() != '\n') message.push_back('\n');
    return message;
}

std::string SansMarqueAcces(std::string_view caption) {
    std::string texte;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" stands for one "&"
        texte.push_back(caption[i]);
    }
    return texte;
}

}  // namespace maj::frontends
