// The program's exit status for each way a run ends, and what the unattended
// front end writes and answers on the way.

#include <gtest/gtest.h>

#include <sstream>

#include "frontends/sans_operateur/sans_operateur.h"
#include "platform/posix/systeme_posix.h"
#include "programme/sortie.h"
#include "run/messages.h"
#include "support/faux_composant.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

struct CasSortie {
    const char* nom;
    std::function<void(FauxComposant&)> programmer;
    int code;
    std::string message;  // what the error stream must hold
};

class Sortie : public ::testing::TestWithParam<CasSortie> {};

TEST_P(Sortie, FollowsHowTheRunEnded) {
    DossierTemporaire dossier;
    dossier.Ecrire("partage/BASES.TXT", "A\r\nB\r\nC\r\n");
    dossier.CreerDossier("programme/INSTALLMAJ");
    posix::SystemePosix systeme(dossier.Natif("partage"), dossier.Natif("programme"));
    Journal journal;
    FauxComposant composant(journal);
    GetParam().programmer(composant);
    std::ostringstream erreurs;
    SansOperateur fenetres(erreurs);
    Variable variable;

    Frm_MAJ frm(systeme, composant, fenetres, variable);
    frm.Form_Load();

    EXPECT_EQ(CodeSortie(frm.Fin()), GetParam().code);
    EXPECT_NE(erreurs.str().find(GetParam().message), std::string::npos) << erreurs.str();
}

const Erreur Absent = dba::DBA_E_RECORD_MISSING;

INSTANTIATE_TEST_SUITE_P(
    Fins, Sortie,
    ::testing::Values(
        CasSortie{"EveryBaseUpdated", [](FauxComposant&) {}, 0, "Message TARMELDON [information]\n" + std::string(messages::SUCCES)},
        CasSortie{"OneBaseNotUpdated",
                  [](FauxComposant& c) {
                      c.lectureMarqueur = [](const std::string& base) { return base == "B" ? Absent : Succes; };
                  },
                  1, "Message TARMELDON [erreur]\n" + std::string(messages::ERREURS)},
        CasSortie{"LoginRefusedAndNobodyToAnswer",
                  [](FauxComposant& c) {
                      c.connexion = [](const Session&) { return dba::DBA_E_LOGIN_DENIED; };
                  },
                  2, "Identification (sans opérateur : annulé)\nMessage TARMELDON [erreur]\n"
                     "Les bases de données n'ont pas été mise a jour."},
        CasSortie{"FolderUnknownAndNobodyToAnswer",
                  [](FauxComposant& c) {
                      c.qui = [](const std::string& base, int) { return base == "B" ? "" : "/bases/" + base; };
                  },
                  2, "(sans opérateur : annulé)\nMessage TARMELDON [erreur]\n" +
                         std::string(messages::CHEMIN_ABSENT)},
        CasSortie{"LaterBaseCannotBeOpened",
                  [](FauxComposant& c) {
                      c.ouverture = [](const Session&, const std::string& base) {
                          return base == "C" ? dba::DBA_E_OPEN_DENIED : Succes;
                      };
                  },
                  2, "Message TARMELDON [erreur]\nProblème dans l'ouverture de la Base de données : C\n"
                     "Merci de contacter TARMELDON\n"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(CodeSortie, ARunThatNeverEndedCountsAsEndedEarly) {
    EXPECT_EQ(CodeSortie(FinDuTraitement::NonTermine), 2);
}

}  // namespace
}  // namespace maj::test
