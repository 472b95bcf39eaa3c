#include "paquet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/posix/fichiers_natifs.h"

namespace composant_dba {
namespace {

constexpr std::size_t TAILLE_MAX_MANIFESTE = 64u << 10;

using maj::posix::Descripteur;

// Reads up to `taille` bytes, fewer only at the end of the file.
Resultat<std::size_t> LireBloc(int fd, char* tampon, std::size_t taille) {
    std::size_t lus = 0;
    while (lus < taille) {
        const ssize_t n = ::read(fd, tampon + lus, taille - lus);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return DBA_E_PAQUET_INCOMPLET;
        if (n == 0) break;
        lus += static_cast<std::size_t>(n);
    }
    return lus;
}

// Succes when `copie` exists and holds the very bytes of `original`.
Erreur MemesOctets(const std::string& original, const std::string& copie) {
    Descripteur a(::open(original.c_str(), O_RDONLY | O_CLOEXEC));
    if (!a.ouvert()) return DBA_E_PAQUET_INVALIDE;
    Descripteur b(::open(copie.c_str(), O_RDONLY | O_CLOEXEC));
    if (!b.ouvert()) return DBA_E_PAQUET_INCOMPLET;
    struct stat etatA{}, etatB{};
    if (::fstat(a.fd(), &etatA) != 0 || ::fstat(b.fd(), &etatB) != 0) return DBA_E_PAQUET_INCOMPLET;
    if (!S_ISREG(etatB.st_mode) || etatA.st_size != etatB.st_size) return DBA_E_PAQUET_INCOMPLET;

    std::vector<char> blocA(1 << 16), blocB(1 << 16);
    for (;;) {
        auto lusA = LireBloc(a.fd(), blocA.data(), blocA.size());
        auto lusB = LireBloc(b.fd(), blocB.data(), blocB.size());
        if (!lusA.ok() || !lusB.ok()) return DBA_E_PAQUET_INCOMPLET;
        if (*lusA != *lusB || !std::equal(blocA.begin(), blocA.begin() + static_cast<std::ptrdiff_t>(*lusA), blocB.begin()))
            return DBA_E_PAQUET_INCOMPLET;
        if (*lusA == 0) return Succes;
    }
}

bool EstNumero(std::string_view texte) {
    if (texte.empty()) return false;
    for (const char c : texte) {
        const bool permis = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                            c == '.' || c == '_' || c == '-';
        if (!permis) return false;
    }
    return true;
}

std::string Joindre(const std::string& dossier, std::string_view nom) { return dossier + "/" + std::string(nom); }

}  // namespace

Resultat<Manifeste> LireManifeste(std::string_view texte) {
    Manifeste manifeste;
    bool numeroLu = false, libelleLu = false;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const auto fin = texte.find('\n', debut);
        std::string_view ligne = texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut);
        debut = fin == std::string_view::npos ? texte.size() : fin + 1;
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        if (ligne.empty() || ligne.front() == '#') continue;

        const auto egal = ligne.find('=');
        if (egal == std::string_view::npos) return DBA_E_PAQUET_INVALIDE;
        const std::string_view cle = ligne.substr(0, egal), valeur = ligne.substr(egal + 1);
        if (cle == "numero" && !numeroLu && EstNumero(valeur)) {
            manifeste.numero = valeur;
            numeroLu = true;
        } else if (cle == "libelle" && !libelleLu) {
            manifeste.libelle = valeur;
            libelleLu = true;
        } else {
            return DBA_E_PAQUET_INVALIDE;
        }
    }
    if (!numeroLu) return DBA_E_PAQUET_INVALIDE;
    return manifeste;
}

bool EstPaquet(const std::string& dossierProgramme) {
    struct stat etat{};
    return ::stat(Joindre(dossierProgramme, DOSSIER_PAQUET).c_str(), &etat) == 0 && S_ISDIR(etat.st_mode);
}

Resultat<std::string> VerifierPaquet(const std::string& dossierProgramme, const std::string& dossierBase) {
    const std::string paquet = Joindre(dossierProgramme, DOSSIER_PAQUET);
    const std::string copie = Joindre(dossierBase, DOSSIER_PAQUET);

    std::string texteManifeste;
    if (maj::posix::LireTout(Joindre(paquet, NOM_MANIFESTE), TAILLE_MAX_MANIFESTE, texteManifeste) != 0)
        return DBA_E_PAQUET_INVALIDE;
    auto manifeste = LireManifeste(texteManifeste);
    if (!manifeste.ok()) return manifeste.erreur();

    std::vector<std::string> noms;
    if (maj::posix::FichiersReguliers(paquet, noms) != 0) return DBA_E_PAQUET_INVALIDE;

    for (const std::string& nom : noms) {
        if (Erreur e = MemesOctets(Joindre(paquet, nom), Joindre(copie, nom))) return e;
    }
    return std::move(manifeste->numero);
}

}  // namespace composant_dba
