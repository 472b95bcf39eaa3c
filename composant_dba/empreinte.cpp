#include "empreinte.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <charconv>

namespace composant_dba {
namespace {

constexpr std::string_view Schema = "pbkdf2-sha256";

bool Deriver(std::string_view motPasse, const std::vector<unsigned char>& sel, int iterations,
             std::array<unsigned char, 32>& sortie) {
    return PKCS5_PBKDF2_HMAC(motPasse.data(), static_cast<int>(motPasse.size()), sel.data(),
                             static_cast<int>(sel.size()), iterations, EVP_sha256(),
                             static_cast<int>(sortie.size()), sortie.data()) == 1;
}

std::string Hex(const unsigned char* octets, std::size_t taille) {
    static constexpr char Chiffres[] = "0123456789abcdef";
    std::string texte;
    for (std::size_t k = 0; k < taille; ++k) {
        texte.push_back(Chiffres[octets[k] >> 4]);
        texte.push_back(Chiffres[octets[k] & 0xF]);
    }
    return texte;
}

std::optional<std::vector<unsigned char>> DepuisHex(std::string_view texte) {
    if (texte.size() % 2 != 0) return std::nullopt;
    std::vector<unsigned char> octets;
    for (std::size_t k = 0; k < texte.size(); k += 2) {
        unsigned valeur = 0;
        const auto [fin, erreur] = std::from_chars(texte.data() + k, texte.data() + k + 2, valeur, 16);
        if (erreur != std::errc{} || fin != texte.data() + k + 2) return std::nullopt;
        octets.push_back(static_cast<unsigned char>(valeur));
    }
    return octets;
}

}  // namespace

Resultat<Empreinte> CalculerEmpreinte(std::string_view motPasse, int iterations) {
    if (iterations < ITERATIONS_MIN || iterations > ITERATIONS_MAX) return maj::ERR_ARGUMENT_INVALIDE;
    Empreinte empreinte;
    empreinte.iterations = iterations;
    empreinte.sel.resize(TAILLE_SEL);
    if (RAND_bytes(empreinte.sel.data(), static_cast<int>(empreinte.sel.size())) != 1) return maj::ERR_INTERNE;
    if (!Deriver(motPasse, empreinte.sel, iterations, empreinte.valeur)) return maj::ERR_INTERNE;
    return empreinte;
}

bool Correspond(const Empreinte& empreinte, std::string_view motPasse) {
    std::array<unsigned char, 32> calculee{};
    if (!Deriver(motPasse, empreinte.sel, empreinte.iterations, calculee)) return false;
    return CRYPTO_memcmp(calculee.data(), empreinte.valeur.data(), calculee.size()) == 0;
}

void VerifierSansUtilisateur(std::string_view motPasse) {
    static const Empreinte Leurre{ITERATIONS_DEFAUT, std::vector<unsigned char>(TAILLE_SEL, 0), {}};
    // The answer is known already: only the time spent matters.
    (void)Correspond(Leurre, motPasse);
}

std::string TexteEmpreinte(const Empreinte& empreinte) {
    return std::string(Schema) + "$" + std::to_string(empreinte.iterations) + "$" +
           Hex(empreinte.sel.data(), empreinte.sel.size()) + "$" +
           Hex(empreinte.valeur.data(), empreinte.valeur.size());
}

std::optional<Empreinte> LireEmpreinte(std::string_view texte) {
    std::vector<std::string_view> parties;
    for (std::size_t debut = 0;;) {
        const auto dollar = texte.find('$', debut);
        parties.push_back(texte.substr(debut, dollar == std::string_view::npos ? dollar : dollar - debut));
        if (dollar == std::string_view::npos) break;
        debut = dollar + 1;
    }
    if (parties.size() != 4 || parties[0] != Schema) return std::nullopt;

    Empreinte empreinte;
    const auto [fin, erreur] =
        std::from_chars(parties[1].data(), parties[1].data() + parties[1].size(), empreinte.iterations);
    if (erreur != std::errc{} || fin != parties[1].data() + parties[1].size() ||
        empreinte.iterations < ITERATIONS_MIN || empreinte.iterations > ITERATIONS_MAX)
        return std::nullopt;

    auto sel = DepuisHex(parties[2]);
    auto valeur = DepuisHex(parties[3]);
    if (!sel || sel->size() < TAILLE_SEL || sel->size() > 64) return std::nullopt;
    if (!valeur || valeur->size() != empreinte.valeur.size()) return std::nullopt;
    empreinte.sel = std::move(*sel);
    std::copy(valeur->begin(), valeur->end(), empreinte.valeur.begin());
    return empreinte;
}

}  // namespace composant_dba
