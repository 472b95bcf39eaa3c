#pragma once
// Passwords are kept only as salted PBKDF2-HMAC-SHA256 hashes, and compared
// in constant time. Written in the store as
//   pbkdf2-sha256$<iterations>$<salt, hex>$<hash, hex>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "erreurs.h"

namespace composant_dba {

inline constexpr int ITERATIONS_DEFAUT = 600000;
inline constexpr int ITERATIONS_MIN = 1000;
inline constexpr int ITERATIONS_MAX = 10000000;
inline constexpr std::size_t TAILLE_SEL = 16;

struct Empreinte {
    int iterations = ITERATIONS_DEFAUT;
    std::vector<unsigned char> sel;
    std::array<unsigned char, 32> valeur{};
};

// A new hash of `motPasse` with a fresh random salt.
Resultat<Empreinte> CalculerEmpreinte(std::string_view motPasse, int iterations = ITERATIONS_DEFAUT);
// A hash that cannot be computed matches no password.
bool Correspond(const Empreinte& empreinte, std::string_view motPasse);
// The same work as a check against an unknown user, so that the time a
// refusal takes does not tell whether the user exists.
void VerifierSansUtilisateur(std::string_view motPasse);

std::string TexteEmpreinte(const Empreinte& empreinte);
std::optional<Empreinte> LireEmpreinte(std::string_view texte);

}  // namespace composant_dba
