// The terminal front end through a real pty: the test types as the operator
// would, and reads what the terminal shows.

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/pty.h"
#include "support/partage_temporaire.h"

namespace maj::test {
namespace {

using namespace std::chrono_literals;

std::string NomSysteme() {
    const passwd* entree = ::getpwuid(::geteuid());
    return entree ? entree->pw_name : "";
}

class Terminal : public ::testing::Test {
protected:
    Terminal() {
        dossier.CreerDossier("partage");
        dossier.Ecrire("programme/INSTALLMAJ/patch.sql", "-- 733\n");
        dossier.CreerDossier("bases/A/INSTALLMAJ");
    }

    Pty Lancer() { return Pty(ESSAI_TERMINAL, {dossier.Natif()}); }

    DossierTemporaire dossier;
};

bool EchoEtLignes(const termios& reglages) {
    return (reglages.c_lflag & ECHO) && (reglages.c_lflag & ICANON);
}

TEST_F(Terminal, RefusedDefaultLoginThenTypedCredentialsAndTheSummary) {
    // The second base's name carries an escape sequence that must not reach
    // the terminal as such.
    dossier.Ecrire("partage/BASES.TXT", "A\r\nSANSCHEMIN\x1b[2J\r\n");
    Pty pty = Lancer();

    ASSERT_TRUE(pty.Attendre("Mise à niveau — Mise à niveau en cours..."));
    ASSERT_TRUE(pty.Attendre("Identification (Entrée : Ok, Échap : Annuler)"));
    // Pre-filled with the system's user name, fully selected: typing replaces it.
    ASSERT_TRUE(pty.Attendre("Utilisateur : " + NomSysteme()));
    pty.Taper("dupontx");
    pty.Taper("\x1b[D");  // a cursor key is not Escape
    pty.Taper("\x7f\n");
    ASSERT_TRUE(pty.Attendre("Mot de Passe : "));
    pty.Taper("mauvais\n");

    // Refused: the dialog again, with the name typed last.
    ASSERT_TRUE(pty.Attendre("Utilisateur : dupont"));
    pty.Taper("\n");
    ASSERT_TRUE(pty.Attendre("Mot de Passe : "));
    pty.Taper("s3cretz\x7f\n");

    // The server does not know the second base's folder: the prompt, read
    // with the terminal's own echo back on.
    ASSERT_TRUE(pty.Attendre("MajServeur [saisie]\r\nSaisir le chemin de la base SANSCHEMIN^[[2J.\r\n"
                             "(ex:D:\\BASESCLIENTS\\BASEAFA)\r\n"));
    ASSERT_TRUE(pty.Attendre("> "));
    pty.Taper("d:\\clients\n");
    ASSERT_TRUE(pty.Attendre("d:\\clients"));

    ASSERT_TRUE(pty.Attendre("Message TARMELDON [information]\r\n"
                             "Mise à jour du serveur terminée avec succès.\r\n\r\n"
                             "Base A : mise à jour.\r\nBase SANSCHEMIN^[[2J : mise à jour.\r\n"
                             "Appuyez sur Entrée pour continuer."));
    pty.Taper("\n");
    const int statut = pty.Fin();
    ASSERT_TRUE(WIFEXITED(statut)) << pty.Sortie();
    EXPECT_EQ(WEXITSTATUS(statut), 0);

    const std::string& sortie = pty.Sortie();
    EXPECT_EQ(sortie.find("mauvais"), std::string::npos);
    EXPECT_EQ(sortie.find("s3cret"), std::string::npos);
    EXPECT_NE(sortie.find("Mot de Passe : *******\r\n"), std::string::npos) << sortie;
    // Seven stars, then the last one rubbed out.
    EXPECT_NE(sortie.find("Mot de Passe : *******\b \b\r\n"), std::string::npos) << sortie;
    EXPECT_EQ(sortie.find("\x1b[2J"), std::string::npos);
    EXPECT_EQ(pty.Reglages().c_lflag, pty.Initiaux().c_lflag);
}

// Keys typed before an exchange shows answer nothing: here a line typed
// ahead of the folder prompt is dropped, and the prompt waits for its answer.
TEST_F(Terminal, KeysTypedAheadAnswerNothing) {
    dossier.Ecrire("partage/BASES.TXT", "SANSCHEMIN\r\n");
    dossier.CreerDossier("bases/SANSCHEMIN/INSTALLMAJ");
    Pty pty = Lancer();
    ASSERT_TRUE(pty.Attendre("Utilisateur : "));
    pty.Taper("dupont\ns3cret\nzzz\n");
    ASSERT_TRUE(pty.Attendre("\r\n> "));
    pty.Taper(dossier.Natif("bases/SANSCHEMIN") + "\n");
    ASSERT_TRUE(pty.Attendre("Mise à jour du serveur terminée avec succès."));
    ASSERT_TRUE(pty.Attendre("Appuyez sur Entrée pour continuer."));
    pty.Taper("\n");
    const int statut = pty.Fin();
    ASSERT_TRUE(WIFEXITED(statut)) << pty.Sortie();
    EXPECT_EQ(WEXITSTATUS(statut), 0);
    // The update's file went to the folder typed at the prompt.
    EXPECT_TRUE(dossier.Lire("bases/SANSCHEMIN/INSTALLMAJ/patch.sql").has_value());
}

struct CasAnnulation {
    const char* nom;
    bool auMotPasse;  // typed at the password, else at the name
    const char* touches;
};

class Annulation : public Terminal, public ::testing::WithParamInterface<CasAnnulation> {};

TEST_P(Annulation, EndsTheRunWithItsMessage) {
    dossier.Ecrire("partage/BASES.TXT", "A\r\n");
    Pty pty = Lancer();
    ASSERT_TRUE(pty.Attendre("Utilisateur : "));
    if (GetParam().auMotPasse) {
        pty.Taper("\n");
        ASSERT_TRUE(pty.Attendre("Mot de Passe : "));
    }
    pty.Taper(GetParam().touches);
    ASSERT_TRUE(pty.Attendre("Message TARMELDON [erreur]\r\nLes bases de données n'ont pas été mise a jour.\r\n"));
    EXPECT_EQ(pty.Reglages().c_lflag, pty.Initiaux().c_lflag);
    pty.Taper("\n");
    const int statut = pty.Fin();
    ASSERT_TRUE(WIFEXITED(statut)) << pty.Sortie();
    EXPECT_EQ(WEXITSTATUS(statut), 2);
}

INSTANTIATE_TEST_SUITE_P(Touches, Annulation,
                         ::testing::Values(CasAnnulation{"EscapeAtTheName", false, "\x1b"},
                                           CasAnnulation{"EscapeAtThePassword", true, "abc\x1b"},
                                           CasAnnulation{"EndOfInputAtThePassword", true, "\x04"}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

TEST_F(Terminal, EmptyFolderAnswerEndsTheRun) {
    dossier.Ecrire("partage/BASES.TXT", "SANSCHEMIN\r\n");
    Pty pty = Lancer();
    ASSERT_TRUE(pty.Attendre("Utilisateur : "));
    pty.Taper("dupont\n");
    ASSERT_TRUE(pty.Attendre("Mot de Passe : "));
    pty.Taper("s3cret\n");
    ASSERT_TRUE(pty.Attendre("> "));
    pty.Taper("\n");
    ASSERT_TRUE(pty.Attendre("Message TARMELDON [erreur]\r\n"
                             "PB DANS LA RECUPERATION DU CHEMIN DE LA BASE DE DONNEES. MERCI D'APPELER TARMELDON"));
    pty.Taper("\x04");  // end of input closes a message too
    const int statut = pty.Fin();
    ASSERT_TRUE(WIFEXITED(statut)) << pty.Sortie();
    EXPECT_EQ(WEXITSTATUS(statut), 2);
}

// A signal that ends the program while the password is being typed leaves
// the terminal as it found it, and nothing typed on the screen.
struct CasSignal {
    const char* nom;
    int signal;
    const char* touches;  // typed to raise it; nothing: sent by kill
};

class SignalAuMotPasse : public Terminal, public ::testing::WithParamInterface<CasSignal> {};

TEST_P(SignalAuMotPasse, RestoresTheTerminal) {
    dossier.Ecrire("partage/BASES.TXT", "A\r\n");
    Pty pty = Lancer();
    ASSERT_TRUE(pty.Attendre("Utilisateur : "));
    pty.Taper("dupont\n");
    ASSERT_TRUE(pty.Attendre("Mot de Passe : "));
    pty.Taper("s3c");
    ASSERT_TRUE(pty.Attendre("***"));
    EXPECT_FALSE(EchoEtLignes(pty.Reglages()));
    if (GetParam().touches) pty.Taper(GetParam().touches);
    else ::kill(pty.Processus(), GetParam().signal);

    const int statut = pty.Fin();
    ASSERT_TRUE(WIFSIGNALED(statut)) << pty.Sortie();
    EXPECT_EQ(WTERMSIG(statut), GetParam().signal);
    EXPECT_EQ(pty.Reglages().c_lflag, pty.Initiaux().c_lflag);
    EXPECT_EQ(pty.Sortie().find("s3c"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signaux, SignalAuMotPasse,
                         ::testing::Values(CasSignal{"CtrlC", SIGINT, "\x03"},
                                           CasSignal{"Terminate", SIGTERM, nullptr},
                                           CasSignal{"HangUp", SIGHUP, nullptr}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace
}  // namespace maj::test
