#pragma once
// The ground of an end-to-end test: the share, the component's store, the
// base folders and the update package beside the program, at the fixed
// places the test build of the program was given. Each test lays it out
// anew; the tests run one at a time.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "composant_dba/magasin.h"
#include "standin/lancement.h"

namespace maj::test {

namespace fs = std::filesystem;

class Terrain : public ::testing::Test {
protected:
    // Three bases, one with a space in its name and folder; the default
    // login "ADM" with an empty password, allowed to open all three; a
    // package for update 733; a version file holding one line.
    Terrain();

    static const std::vector<std::string>& NomsBases();
    fs::path DossierBase(const std::string& base) const { return clients_ / base; }
    std::string Natif(const fs::path& chemin) const { return chemin.string(); }

    void ListeBases(const std::string& octets);
    void Changer(const std::function<void(composant_dba::Contenu&)>& changement);
    composant_dba::Contenu Magasin() const;
    bool AEnregistrement(const std::string& base, const std::string& cle = "733") const;

    // Every file of the package lies, byte for byte, in the base's folder.
    bool PaquetCopie(const std::string& base) const;
    // The base's INSTALLMAJ folder holds no file.
    bool RienCopie(const std::string& base) const;

    std::optional<std::string> Version() const;

    // The program with nobody to answer: no display, no terminal.
    Issue LancerSansOperateur() const;
    // The environment of a run without a display.
    static std::vector<std::string> EnvironnementSansAffichage();

    static std::optional<std::string> Lire(const fs::path& chemin);
    static void Ecrire(const fs::path& chemin, const std::string& octets);

    const fs::path programme_;
    const fs::path paquet_;
    const fs::path partage_;
    const fs::path magasin_;
    const fs::path clients_;
    static constexpr const char* VersionAvant = "Version 7.3.2 du 12/03\r\n";
};

}  // namespace maj::test
