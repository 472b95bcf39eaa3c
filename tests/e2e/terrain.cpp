#include "e2e/terrain.h"

#include <fstream>
#include <iterator>

#include "standin/disposition.h"

namespace maj::test {

Terrain::Terrain()
    : programme_(MAJ_E2E_PROGRAMME),
      paquet_(programme_.parent_path() / "INSTALLMAJ"),
      partage_(MAJ_E2E_PARTAGE),
      magasin_(MAJ_E2E_MAGASIN),
      clients_(fs::path(MAJ_E2E_TERRAIN) / "clients") {
    for (const auto& dossier : {partage_, magasin_, clients_, paquet_}) fs::remove_all(dossier);
    fs::create_directories(partage_ / "TARMELDON");
    Ecrire(partage_ / "TARMELDON" / "VERSION.txt", VersionAvant);
    ListeBases("Base Une\r\nBASE2\r\nBASE3\r\n");

    Ecrire(paquet_ / "MANIFESTE.TXT", "# Mise à jour 733\r\nnumero=733\r\nlibelle=Tarifs 2025\r\n");
    Ecrire(paquet_ / "MAJ733.SQL", "UPDATE PARAMETRES SET VERSION = 733;\r\n");
    Ecrire(paquet_ / "Notes de version.txt", "Nouveautés de la 733\r\n");
    Ecrire(paquet_ / "TARIFS.DAT", std::string("\x00\x80\xE9\xFF", 4));

    const composant_dba::Magasin magasin(magasin_.string());
    Disposer(magasin, [&](composant_dba::Contenu& c) {
        auto adm = composant_dba::CalculerEmpreinte("");
        ASSERT_TRUE(adm.ok());
        c.DefinirUtilisateur({"ADM", *adm});
        for (const auto& base : NomsBases()) {
            fs::create_directories(DossierBase(base) / "INSTALLMAJ");
            c.DefinirBase({base, DossierBase(base).string()});
            c.AjouterDroit({"ADM", base});
        }
    });
}

const std::vector<std::string>& Terrain::NomsBases() {
    static const std::vector<std::string> noms{"Base Une", "BASE2", "BASE3"};
    return noms;
}

void Terrain::ListeBases(const std::string& octets) { Ecrire(partage_ / "BASES.TXT", octets); }

void Terrain::Changer(const std::function<void(composant_dba::Contenu&)>& changement) {
    Disposer(composant_dba::Magasin(magasin_.string()), changement);
}

composant_dba::Contenu Terrain::Magasin() const {
    auto contenu = composant_dba::Magasin(magasin_.string()).Lire();
    EXPECT_TRUE(contenu.ok());
    return contenu.ok() ? *contenu : composant_dba::Contenu{};
}

bool Terrain::AEnregistrement(const std::string& base, const std::string& cle) const {
    return Magasin().TrouverEnregistrement(base, "INSTALLMAJ", cle) != nullptr;
}

bool Terrain::PaquetCopie(const std::string& base) const {
    for (const auto& fichier : fs::directory_iterator(paquet_)) {
        const auto copie = Lire(DossierBase(base) / "INSTALLMAJ" / fichier.path().filename());
        if (!copie || *copie != *Lire(fichier.path())) return false;
    }
    return true;
}

bool Terrain::RienCopie(const std::string& base) const {
    const fs::path dossier = DossierBase(base) / "INSTALLMAJ";
    return !fs::exists(dossier) || fs::is_empty(dossier);
}

std::optional<std::string> Terrain::Version() const { return Lire(partage_ / "TARMELDON" / "VERSION.txt"); }

std::vector<std::string> Terrain::EnvironnementSansAffichage() {
    return EnvironnementSans({"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
}

Issue Terrain::LancerSansOperateur() const {
    return Lancer({programme_.string()}, "", EnvironnementSansAffichage());
}

std::optional<std::string> Terrain::Lire(const fs::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(flux), {});
}

void Terrain::Ecrire(const fs::path& chemin, const std::string& octets) {
    fs::create_directories(chemin.parent_path());
    std::ofstream(chemin, std::ios::binary) << octets;
}

}  // namespace maj::test
