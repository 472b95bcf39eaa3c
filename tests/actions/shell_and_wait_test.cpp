// The command runner with real processes: how long it waits, what ends the
// wait, and what it serves while it waits.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "actions/espion_processus.h"
#include "platform/posix/code_page.h"
#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

using namespace std::chrono_literals;
using Horloge = std::chrono::steady_clock;

class Runner : public ::testing::Test {
protected:
    Runner() { operateur.noterEvenements = false; }

    // Runs the command and gives how long the runner took.
    std::chrono::duration<double> Chrono(const Commande& commande, Erreur& erreur) {
        const auto debut = Horloge::now();
        erreur = frm.ShellAndWait(commande);
        return Horloge::now() - debut;
    }

    DossierTemporaire dossier;
    posix::SystemePosix posix{dossier.Natif("partage"), dossier.Natif("programme")};
    SystemeEspion espion{posix};
    Journal journal;
    FauxComposant composant{journal};
    OperateurScripte operateur{journal};
    Variable variable;
    Frm_MAJ frm{espion, composant, operateur, variable};
};

TEST_F(Runner, ACommandOfOneSecondIsAwaitedThatLongServingEventsAtEveryPass) {
    Erreur erreur;
    const auto duree = Chrono(Commande{{"sleep", "1"}}, erreur);
    EXPECT_EQ(erreur, Succes);
    EXPECT_EQ(espion.deroulement, (std::vector<std::string>{"demarre 1", "fin 1"}));
    EXPECT_GE(duree, 0.95s);
    EXPECT_LT(duree, 3s);  // only a hang or a late wake-up goes past this
    // About ten passes of at most 100 ms: neither one long sleep nor a busy loop.
    EXPECT_GE(espion.observations, 5);
    EXPECT_LE(espion.observations, 40);
    EXPECT_EQ(operateur.evenementsTraites, espion.observations);
}

TEST_F(Runner, AQuickCommandReturnsAsSoonAsItEnds) {
    // Twenty commands that end at once: a fixed sleep of a pass after each
    // end would take two seconds.
    const auto debut = Horloge::now();
    for (int k = 0; k < 20; ++k) ASSERT_EQ(frm.ShellAndWait(Commande{{"true"}}), Succes);
    EXPECT_LT(Horloge::now() - debut, 1s);
    EXPECT_EQ(espion.commandes.size(), 20u);
}

std::string NomFin(const ::testing::TestParamInfo<const char*>& cas) {
    const char* const noms[] = {"Exit0", "Exit1", "Exit259", "Exit255", "KilledBy9", "Exit259Later"};
    return noms[cas.index];
}

class FinQuelconque : public Runner, public ::testing::WithParamInterface<const char*> {};

// The exit code is never looked at: a process that ends, whatever its code
// (259 included, which once meant "still running"), ends the wait.
TEST_P(FinQuelconque, EndsTheWait) {
    Erreur erreur;
    const auto duree = Chrono(Commande{{"sh", "-c", GetParam()}}, erreur);
    EXPECT_EQ(erreur, Succes);
    EXPECT_EQ(espion.deroulement, (std::vector<std::string>{"demarre 1", "fin 1"}));
    EXPECT_LT(duree, 3s);
}

INSTANTIATE_TEST_SUITE_P(Runner, FinQuelconque,
                         ::testing::Values("exit 0", "exit 1", "exit 259", "exit 255", "kill -KILL $$",
                                           "sleep 0.2; exit 259"),
                         NomFin);

TEST_F(Runner, AFailedObservationIsTriedAgainNotTakenForAnEnd) {
    espion.observationsEnEchec = 3;
    Erreur erreur;
    const auto duree = Chrono(Commande{{"sleep", "0.6"}}, erreur);
    EXPECT_EQ(erreur, Succes);
    // The end was seen before the runner returned.
    EXPECT_EQ(espion.deroulement, (std::vector<std::string>{"demarre 1", "fin 1"}));
    EXPECT_GE(duree, 0.55s);
    EXPECT_GT(espion.observations, 3);
    EXPECT_EQ(operateur.evenementsTraites, espion.observations);
}

std::string NomProgramme(const ::testing::TestParamInfo<std::string>& cas) {
    const char* const noms[] = {"MissingPath", "NotInPath", "NotExecutable", "Folder", "MissingInProgramFolder"};
    return noms[cas.index];
}

class ProgrammeImpossible : public Runner, public ::testing::WithParamInterface<std::string> {};

// Fails before any wait: no pass, no event served, nothing left running.
TEST_P(ProgrammeImpossible, FailsAtOnce) {
    dossier.Ecrire("programme/pas-executable", "#!/bin/sh\n");
    ::chmod(dossier.Natif("programme/pas-executable").c_str(), 0644);
    dossier.CreerDossier("programme/dossier");
    std::string programme = GetParam();
    if (programme.front() == '@') programme = dossier.Natif("programme/" + programme.substr(1));

    Erreur erreur;
    const auto duree = Chrono(Commande{{programme, "argument"}}, erreur);
    EXPECT_TRUE(erreur.echec());
    EXPECT_TRUE(espion.commandes.empty());
    EXPECT_EQ(operateur.evenementsTraites, 0);
    EXPECT_LT(duree, 1s);
}

INSTANTIATE_TEST_SUITE_P(Runner, ProgrammeImpossible,
                         ::testing::Values("/chemin/inexistant/programme", "programme-introuvable-majserveur",
                                           "@pas-executable", "@dossier", "@absent"),
                         NomProgramme);

TEST_F(Runner, AnEmptyCommandFailsAtOnce) {
    EXPECT_EQ(frm.ShellAndWait(Commande{}), ERR_ARGUMENT_INVALIDE);
    EXPECT_EQ(operateur.evenementsTraites, 0);
}

// Every argument reaches the program as one argument, byte for byte in the
// code page: nothing is split, quoted, expanded or interpreted.
TEST_F(Runner, ArgumentsReachTheProgramUnchanged) {
    const std::vector<std::string> arguments{
        "a b",  "  devant", "derrière  ", "guillemets \" et '", "$HOME", "*", "a;b|c&d", "-n",
        "été €", "", "barre\\oblique", "ligne\r\nsuivante", "\t"};
    int k = 0;
    for (const std::string& argument : arguments) {
        const std::string sortie = dossier.Natif("sortie " + std::to_string(++k));
        ASSERT_EQ(frm.ShellAndWait(Commande{{"sh", "-c", "printf '%s' \"$1\" > \"$2\"", "sh", argument, sortie}}),
                  Succes);
        auto attendu = posix::Encoder1252(argument);
        ASSERT_TRUE(attendu.ok());
        EXPECT_EQ(dossier.Lire("sortie " + std::to_string(k)), *attendu) << argument;
    }
}

TEST_F(Runner, AnArgumentTheSystemCannotTakeFailsBeforeStarting) {
    for (const std::string& argument : {std::string("中文"), std::string("avant\0après", 12), std::string("\xFF")}) {
        EXPECT_EQ(frm.ShellAndWait(Commande{{"true", argument}}), ERR_ARGUMENT_INVALIDE);
    }
    EXPECT_TRUE(espion.commandes.empty());
    EXPECT_EQ(operateur.evenementsTraites, 0);
}

}  // namespace
}  // namespace maj::test
