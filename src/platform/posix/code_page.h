#pragma once
// The system's 8-bit code page on POSIX: Windows-1252, a constant of the build.
// Every byte value has one character, the five bytes the code page leaves
// undefined included (they stand for the control characters of the same
// value), so that bytes decoded and encoded again come out unchanged.

#include <string>
#include <string_view>

#include "commun/erreur.h"

namespace maj::posix {

std::string Decoder1252(std::string_view octets);
// Fails for invalid UTF-8 and for characters outside the code page.
Resultat<std::string> Encoder1252(std::string_view texte);

}  // namespace maj::posix
