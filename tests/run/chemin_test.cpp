// The folder of each base: from the server's "QUI" answer, asked twice, or
// typed by the operator; an empty answer ends the run.

#include <gtest/gtest.h>

#include "run/banc_traitement.h"

namespace maj::test {
namespace {

using Chemin = BancTraitement;

const std::string SAISIE_A =
    "saisie [MajServeur] Saisir le chemin de la base A.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)";

struct CasChemin {
    const char* nom;
    std::vector<std::string> reponsesServeur;  // answer to the n-th "QUI"; "" beyond
    std::vector<std::string> saisies;          // the operator's answers, in order
    std::string lecteur;                       // drive letter of the update request
    std::string chemin;                        // base folder of the update request
    std::vector<std::string> questions;        // the "QUI" requests and prompts, in order
};

class FolderResolution : public BancTraitement, public ::testing::WithParamInterface<CasChemin> {};

TEST_P(FolderResolution, FolderAndDriveLetterReachTheUpdateRequest) {
    const CasChemin& cas = GetParam();
    Bases("A\r\n");
    composant.qui = [&cas](const std::string&, int n) {
        return static_cast<std::size_t>(n) <= cas.reponsesServeur.size() ? cas.reponsesServeur[n - 1] : "";
    };
    operateur.reponsesSaisie = {cas.saisies.begin(), cas.saisies.end()};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    auto attendu = cas.questions;
    attendu.push_back("Execute A [P] [LANCEMAJCD " + Programme() + " " + cas.lecteur + " VIDE " + cas.chemin + "]");
    EXPECT_EQ(Lignes({"Execute", "saisie"}), attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Chemin, FolderResolution,
    ::testing::Values(
        CasChemin{"ServerAnswersFirstTime", {"/srv/A"}, {}, "/", "/srv/A", {"Execute A [P] [QUI] -> '/srv/A'"}},
        // Taken exactly as the server gives it: no case change, no separator
        // added or removed.
        CasChemin{"ServerAnswerKeptAsGiven",
                  {"D:\\Clients\\Base 1\\"},
                  {},
                  "D",
                  "D:\\Clients\\Base 1\\",
                  {"Execute A [P] [QUI] -> 'D:\\Clients\\Base 1\\'"}},
        CasChemin{"ServerAnswersSecondTime",
                  {"", "/srv/A"},
                  {},
                  "/",
                  "/srv/A",
                  {"Execute A [P] [QUI] -> ''", "Execute A [P] [QUI] -> '/srv/A'"}},
        // Paths are case-sensitive here: the typed folder is kept as typed.
        CasChemin{"OperatorTypesTheFolder",
                  {},
                  {"d:\\clients\\base1"},
                  "d",
                  "d:\\clients\\base1",
                  {"Execute A [P] [QUI] -> ''", "Execute A [P] [QUI] -> ''", SAISIE_A}},
        CasChemin{"DriveLetterIsAWholeCharacter",
                  {},
                  {"é:\\bases"},
                  "é",
                  "é:\\bases",
                  {"Execute A [P] [QUI] -> ''", "Execute A [P] [QUI] -> ''", SAISIE_A}}),
    NomDuCas());

// The operator gives nothing at the third base: the run ends with its
// message, and the two bases already processed are never reported.
TEST_F(Chemin, EmptyAnswerEndsTheRun) {
    Bases("A\r\nB\r\nC\r\nD\r\n");
    EcrireVersion("v1\r\n");
    composant.qui = [](const std::string& base, int) { return base == "C" ? "" : "/bases/" + base; };
    operateur.reponsesSaisie = {""};

    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    auto attendu = Debut();
    attendu = Suite(attendu, CycleNormal("A", Programme()));
    attendu = Suite(attendu, CycleNormal("B", Programme()));
    attendu = Suite(attendu, {
        "OpenDatabase TARMELDON C",
        "Execute C [P] [QUI] -> ''",
        "Execute C [P] [QUI] -> ''",
        "saisie [MajServeur] Saisir le chemin de la base C.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)",
        "critique [Message TARMELDON] PB DANS LA RECUPERATION DU CHEMIN DE LA BASE DE DONNEES. "
        "MERCI D'APPELER TARMELDON",
        "evenements",
        "fenetre pointeur defaut",
        "fenetre activee",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);
    EXPECT_EQ(Version(), "v1\r\n");
}

// Each base asks on its own: a base whose server gives no folder is not
// given the previous base's.
TEST_F(Chemin, EachBaseAsksForItsOwnFolder) {
    Bases("A\r\nB\r\n");
    composant.qui = [](const std::string& base, int) { return base == "A" ? "/srv/A" : ""; };
    operateur.reponsesSaisie = {"/saisi/B"};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"Execute", "saisie"}),
              (std::vector<std::string>{
                  "Execute A [P] [QUI] -> '/srv/A'",
                  "Execute A [P] [LANCEMAJCD " + Programme() + " / VIDE /srv/A]",
                  "Execute B [P] [QUI] -> ''",
                  "Execute B [P] [QUI] -> ''",
                  "saisie [MajServeur] Saisir le chemin de la base B.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)",
                  "Execute B [P] [LANCEMAJCD " + Programme() + " / VIDE /saisi/B]",
              }));
}

// A failed request gives no folder: the result kept from the previous
// base's requests is never taken for this base's.
TEST_F(Chemin, FailedRequestGivesNoFolder) {
    Bases("A\r\nB\r\n");
    // A's update request fails, so nothing replaces A's "QUI" result.
    composant.execution = [](const std::string&, const std::vector<std::string>&) { return Erreur{0x80040009}; };
    composant.ouverture = [](const Session&, const std::string& base) {
        return base == "B" ? dba::DBA_E_LOGIN_DENIED : Succes;
    };
    operateur.reponsesSaisie = {"/saisi/B"};

    EXPECT_EQ(Lancer(), FinDuTraitement::AvecErreurs);
    EXPECT_EQ(Lignes({"saisie"}),
              std::vector<std::string>{
                  "saisie [MajServeur] Saisir le chemin de la base B.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)"});
}

}  // namespace
}  // namespace maj::test
