#include "run/banc_traitement.h"

#include <pwd.h>
#include <unistd.h>

namespace maj::test {

BancTraitement::BancTraitement() : systeme(dossier.Natif("partage"), dossier.Natif("programme")) {
    dossier.CreerDossier("partage");
    dossier.CreerDossier("programme/INSTALLMAJ");
}

void BancTraitement::Bases(const std::string& octets) const { dossier.Ecrire("partage/BASES.TXT", octets); }

FinDuTraitement BancTraitement::Lancer(Systeme& systemeDuTraitement) {
    Frm_MAJ frm(systemeDuTraitement, composant, operateur, variable);
    frm.Form_Load();
    return frm.Fin();
}

std::string NomDuCompte() {
    const passwd* compte = ::getpwuid(::geteuid());
    return compte != nullptr ? compte->pw_name : "";
}

std::vector<std::string> Debut() {
    return {"ecran sablier", "fenetre desactivee", "CreerClient", "Connect ADM/"};
}

std::vector<std::string> CycleNormal(const std::string& base, const std::string& programme,
                                     const std::string& connexion) {
    return {
        "OpenDatabase TARMELDON " + base,
        "Execute " + base + " [P] [QUI] -> '/bases/" + base + "'",
        "Execute " + base + " [P] [LANCEMAJCD " + programme + " / VIDE /bases/" + base + "]",
        "OpenFile " + base + " INSTALLMAJ",
        "Read " + base + " 733",
        "Close",
        "CreerClient",
        "Connect " + connexion,
    };
}

std::vector<std::string> Suite(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace maj::test
