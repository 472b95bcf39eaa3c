#include "frontends/sans_operateur/sans_operateur.h"

#include "ui/frm_connexion.h"

namespace maj {

std::string MessagePourFlux(GenreMessage genre, const std::string& texte, const std::string& titre) {
    std::string ligne = titre + (genre == GenreMessage::Critique ? " [erreur]\n" : " [information]\n");
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') continue;
        ligne.push_back(texte[i]);
    }
    if (ligne.back() != '\n') ligne.push_back('\n');
    return ligne;
}

void SansOperateur::Message(GenreMessage genre, const std::string& texte, const std::string& titre) {
    sortie_ << MessagePourFlux(genre, texte, titre) << std::flush;
}

std::string SansOperateur::InputBox(const std::string& invite, const std::string& titre) {
    sortie_ << MessagePourFlux(GenreMessage::Information, invite, titre)
            << "(sans opérateur : annulé)\n" << std::flush;
    return "";
}

void SansOperateur::AfficherModal(Frm_Connexion& dialogue) {
    sortie_ << Frm_Connexion::Caption << " (sans opérateur : annulé)\n" << std::flush;
    dialogue.Cmd_Annuler_Click();
}

}  // namespace maj
