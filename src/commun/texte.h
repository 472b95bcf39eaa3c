#pragma once
// Texts are Unicode in memory, held as UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace maj {

// Number of characters (code points).
inline std::size_t NombreCaracteres(std::string_view texte) {
    std::size_t n = 0;
    for (unsigned char c : texte)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

// The first character, whole (all the bytes of its code point); "" for "".
inline std::string PremierCaractere(std::string_view texte) {
    if (texte.empty()) return {};
    std::size_t fin = 1;
    while (fin < texte.size() && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80) ++fin;
    return std::string(texte.substr(0, fin));
}

}  // namespace maj
