#include "support/partage_temporaire.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace maj::test {

DossierTemporaire::DossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "majserveur-XXXXXX").string();
    if (::mkdtemp(modele.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    chemin_ = modele;
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code ignoree;
    std::filesystem::permissions(chemin_, std::filesystem::perms::all, ignoree);
    std::filesystem::remove_all(chemin_, ignoree);
}

std::string DossierTemporaire::Natif(const std::string& relatif) const {
    return relatif.empty() ? chemin_.string() : (chemin_ / relatif).string();
}

void DossierTemporaire::Ecrire(const std::string& relatif, const std::string& octets) const {
    const auto chemin = chemin_ / relatif;
    std::filesystem::create_directories(chemin.parent_path());
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::optional<std::string> DossierTemporaire::Lire(const std::string& relatif) const {
    std::ifstream flux(chemin_ / relatif, std::ios::binary);
    if (!flux) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(flux), {});
}

void DossierTemporaire::CreerDossier(const std::string& relatif) const {
    std::filesystem::create_directories(chemin_ / relatif);
}

}  // namespace maj::test
