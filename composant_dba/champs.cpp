#include "champs.h"

#include <cstdio>

namespace composant_dba {
namespace {

bool EstControle(unsigned char c) { return c < 0x20 || c == 0x7F; }

int ValeurHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string Echapper(std::string_view champ) {
    std::string sortie;
    sortie.reserve(champ.size());
    for (const char c : champ) {
        const auto octet = static_cast<unsigned char>(c);
        if (c == '\\') {
            sortie += "\\\\";
        } else if (EstControle(octet)) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", octet);
            sortie += code;
        } else {
            sortie.push_back(c);
        }
    }
    return sortie;
}

std::optional<std::string> Desechapper(std::string_view champ) {
    std::string sortie;
    sortie.reserve(champ.size());
    for (std::size_t i = 0; i < champ.size(); ++i) {
        const char c = champ[i];
        if (EstControle(static_cast<unsigned char>(c))) return std::nullopt;
        if (c != '\\') {
            sortie.push_back(c);
            continue;
        }
        if (i + 1 < champ.size() && champ[i + 1] == '\\') {
            sortie.push_back('\\');
            i += 1;
            continue;
        }
        if (i + 3 < champ.size() && champ[i + 1] == 'x') {
            const int fort = ValeurHex(champ[i + 2]), faible = ValeurHex(champ[i + 3]);
            if (fort < 0 || faible < 0) return std::nullopt;
            sortie.push_back(static_cast<char>(fort * 16 + faible));
            i += 3;
            continue;
        }
        return std::nullopt;
    }
    return sortie;
}

std::string LigneDeChamps(const std::vector<std::string>& champs) {
    std::string ligne;
    for (std::size_t k = 0; k < champs.size(); ++k) {
        if (k) ligne.push_back('\t');
        ligne += Echapper(champs[k]);
    }
    return ligne;
}

std::optional<std::vector<std::string>> ChampsDeLigne(std::string_view ligne) {
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (;;) {
        const auto tab = ligne.find('\t', debut);
        auto champ = Desechapper(ligne.substr(debut, tab == std::string_view::npos ? tab : tab - debut));
        if (!champ) return std::nullopt;
        champs.push_back(std::move(*champ));
        if (tab == std::string_view::npos) return champs;
        debut = tab + 1;
    }
}

bool EstUtf8Valide(std::string_view texte) {
    std::size_t i = 0;
    while (i < texte.size()) {
        const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
        const unsigned char premier = octet(i);
        std::size_t longueur;
        char32_t c;
        if (premier < 0x80) { i += 1; continue; }
        if ((premier & 0xE0) == 0xC0) { longueur = 2; c = premier & 0x1F; }
        else if ((premier & 0xF0) == 0xE0) { longueur = 3; c = premier & 0x0F; }
        else if ((premier & 0xF8) == 0xF0) { longueur = 4; c = premier & 0x07; }
        else return false;
        if (i + longueur > texte.size()) return false;
        for (std::size_t k = 1; k < longueur; ++k) {
            if ((octet(i + k) & 0xC0) != 0x80) return false;
            c = (c << 6) | (octet(i + k) & 0x3F);
        }
        constexpr char32_t Minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < Minimum[longueur] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += longueur;
    }
    return true;
}

}  // namespace composant_dba
