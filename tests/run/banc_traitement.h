#pragma once
// The bench of the update run: a temporary share and program folder on this
// machine, the fake component and the scripted operator writing to one
// journal, and the run started the way the program starts it.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/journal.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {

class BancTraitement : public ::testing::Test {
protected:
    BancTraitement();

    // The content of the base list file on the share.
    void Bases(const std::string& octets) const;
    FinDuTraitement Lancer() { return Lancer(systeme); }
    FinDuTraitement Lancer(Systeme& systemeDuTraitement);

    // The program's folder as the run names it.
    std::string Programme() const { return *systeme.DossierProgramme(); }
    std::vector<std::string> Lignes(const std::vector<std::string>& prefixes) const {
        return journal.Filtrer(prefixes);
    }
    // The version file on the share, as bytes; nothing when it is missing.
    std::optional<std::string> Version() const { return dossier.Lire("partage/TARMELDON/VERSION.txt"); }
    void EcrireVersion(const std::string& octets) const {
        dossier.Ecrire("partage/TARMELDON/VERSION.txt", octets);
    }

    DossierTemporaire dossier;
    posix::SystemePosix systeme;
    Journal journal;
    FauxComposant composant{journal};
    OperateurScripte operateur{journal};
    Variable variable;
};

// The name of the effective user's account, as the operating system has it.
std::string NomDuCompte();

// The start of every run: hourglass, window disabled, default login.
std::vector<std::string> Debut();

// The lines of one base cycle with every step succeeding: opened on the
// current connection, folder from the first "QUI", update sent, marker read,
// then the connection closed and made again with `connexion` ("user/password").
std::vector<std::string> CycleNormal(const std::string& base, const std::string& programme,
                                     const std::string& connexion = "ADM/");

// Names each case of a table of cases after its `nom`.
struct NomDuCas {
    template <class Cas>
    std::string operator()(const ::testing::TestParamInfo<Cas>& cas) const {
        return cas.param.nom;
    }
};

// `a` followed by `b`.
std::vector<std::string> Suite(std::vector<std::string> a, const std::vector<std::string>& b);

}  // namespace maj::test
