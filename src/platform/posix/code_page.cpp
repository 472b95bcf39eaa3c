#include "platform/posix/code_page.h"

#include <array>
#include <cstdint>

namespace maj::posix {
namespace {

// Characters of bytes 0x80 to 0x9F; the bytes the code page leaves undefined
// keep their own value.
constexpr std::array<char32_t, 32> Plage80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Caractere(unsigned char octet) {
    return (octet >= 0x80 && octet < 0xA0) ? Plage80[octet - 0x80] : char32_t{octet};
}

void AjouterUtf8(std::string& texte, char32_t c) {
    if (c < 0x80) {
        texte.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        texte.push_back(static_cast<char>(0xC0 | (c >> 6)));
        texte.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        texte.push_back(static_cast<char>(0xE0 | (c >> 12)));
        texte.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        texte.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 character at `i`, advancing it; false for invalid UTF-8.
bool LireUtf8(std::string_view texte, std::size_t& i, char32_t& c) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte[k]); };
    const unsigned char premier = octet(i);
    std::size_t longueur;
    if (premier < 0x80) { c = premier; longueur = 1; }
    else if ((premier & 0xE0) == 0xC0) { c = premier & 0x1F; longueur = 2; }
    else if ((premier & 0xF0) == 0xE0) { c = premier & 0x0F; longueur = 3; }
    else if ((premier & 0xF8) == 0xF0) { c = premier & 0x07; longueur = 4; }
    else return false;
    if (i + longueur > texte.size()) return false;
    for (std::size_t k = 1; k < longueur; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) return false;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    static constexpr std::array<char32_t, 5> Minimum{0, 0, 0x80, 0x800, 0x10000};
    if (c < Minimum[longueur]) return false;  // overlong form
    i += longueur;
    return true;
}

}  // namespace

std::string Decoder1252(std::string_view octets) {
    std::string texte;
    texte.reserve(octets.size());
    for (char octet : octets) AjouterUtf8(texte, Caractere(static_cast<unsigned char>(octet)));
    return texte;
}

Resultat<std::string> Encoder1252(std::string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();) {
        char32_t c;
        if (!LireUtf8(texte, i, c)) return ERR_ARGUMENT_INVALIDE;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            octets.push_back(static_cast<char>(c));
            continue;
        }
        bool trouve = false;
        for (std::size_t k = 0; k < Plage80.size() && !trouve; ++k) {
            if (Plage80[k] == c) {
                octets.push_back(static_cast<char>(0x80 + k));
                trouve = true;
            }
        }
        if (!trouve) return ERR_ARGUMENT_INVALIDE;
    }
    return octets;
}

}  // namespace maj::posix
