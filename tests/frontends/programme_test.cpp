// The real program: which front end it picks from what it finds, and how an
// unattended run ends. It is built with the share of the build, so these
// tests assert only what holds whatever that share and the registered
// component hold: the run ends early, with one of its own messages.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "support/pty.h"
#include "run/messages.h"

namespace maj::test {
namespace {

using namespace std::chrono_literals;

// The messages of the run's early endings.
bool FinPrematuree(const std::string& sortie) {
    return sortie.find(messages::CONNEXION_ANNULEE) != std::string::npos ||
           sortie.find(messages::CHEMIN_ABSENT) != std::string::npos ||
           sortie.find("Problème dans l'ouverture de la Base de données : ") != std::string::npos;
}

struct Issue {
    int statut = -1;  // wait status; -1: still running after the limit
    std::string erreurs;
};

// Runs the program with no terminal at all (a new session, standard input
// from /dev/null), with these display variables (nullptr: unset).
Issue SansTerminal(const char* display, const char* wayland) {
    int tube[2];
    if (::pipe(tube) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setsid();
        const int nul = ::open("/dev/null", O_RDWR);
        ::dup2(nul, STDIN_FILENO);
        ::dup2(nul, STDOUT_FILENO);
        ::dup2(tube[1], STDERR_FILENO);
        ::close(tube[0]);
        if (display) ::setenv("DISPLAY", display, 1);
        else ::unsetenv("DISPLAY");
        if (wayland) ::setenv("WAYLAND_DISPLAY", wayland, 1);
        else ::unsetenv("WAYLAND_DISPLAY");
        ::unsetenv("QT_QPA_PLATFORM");
        ::execl(MAJSERVEUR, "majserveur", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(tube[1]);
    Issue issue;
    const auto limite = std::chrono::steady_clock::now() + 60s;
    for (;;) {
        pollfd attente{tube[0], POLLIN, 0};
        if (::poll(&attente, 1, 100) == 1) {
            char tampon[4096];
            const ssize_t lus = ::read(tube[0], tampon, sizeof tampon);
            if (lus > 0) issue.erreurs.append(tampon, static_cast<std::size_t>(lus));
            if (lus == 0) break;
        }
        if (std::chrono::steady_clock::now() >= limite) break;
    }
    ::close(tube[0]);
    while (std::chrono::steady_clock::now() < limite) {
        if (::waitpid(pid, &issue.statut, WNOHANG) == pid) return issue;
        ::usleep(10000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    issue.statut = -1;
    return issue;
}

struct CasSansOperateur {
    const char* nom;
    const char* display;
    const char* wayland;
};

class SansOperateur : public ::testing::TestWithParam<CasSansOperateur> {};

// Nobody to answer: the questions are answered as Cancel, the run ends with
// its message on standard error and exit status 2, and never waits. A
// display that cannot be opened counts as none.
TEST_P(SansOperateur, EndsEarlyWithItsMessageOnStandardError) {
    const Issue issue = SansTerminal(GetParam().display, GetParam().wayland);
    ASSERT_NE(issue.statut, -1) << "still running: " << issue.erreurs;
    ASSERT_TRUE(WIFEXITED(issue.statut)) << issue.erreurs;
    EXPECT_EQ(WEXITSTATUS(issue.statut), 2);
    EXPECT_NE(issue.erreurs.find("Message TARMELDON [erreur]\n"), std::string::npos) << issue.erreurs;
    EXPECT_TRUE(FinPrematuree(issue.erreurs)) << issue.erreurs;
}

INSTANTIATE_TEST_SUITE_P(Affichages, SansOperateur,
                         ::testing::Values(CasSansOperateur{"NoDisplay", nullptr, nullptr},
                                           CasSansOperateur{"DisplayThatCannotBeOpened", ":987", nullptr},
                                           CasSansOperateur{"WaylandThatCannotBeOpened", nullptr,
                                                            "majserveur-absent-0"}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

// With a terminal and no display, the program talks on the terminal: found
// as standard input and error, or as the controlling terminal when those are
// redirected. Every question is answered as Cancel, so that the run ends.
struct CasTerminal {
    const char* nom;
    bool redirige;  // standard input from /dev/null, standard error to a pipe
};

class ChoixTerminal : public ::testing::TestWithParam<CasTerminal> {};

TEST_P(ChoixTerminal, TalksOnTheTerminal) {
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    const bool redirige = GetParam().redirige;
    Pty pty(MAJSERVEUR, {}, [&] {
        if (!redirige) return;
        const int nul = ::open("/dev/null", O_RDWR);
        ::dup2(nul, STDIN_FILENO);
        ::dup2(tube[1], STDERR_FILENO);
    });
    ::close(tube[1]);

    ASSERT_TRUE(pty.Attendre("Mise à niveau — Mise à niveau en cours..."));
    int messagesVus = 0;
    for (bool fini = false; !fini;) {
        switch (pty.AttendreUn({"Utilisateur : ", "\r\n> ", "Appuyez sur Entrée pour continuer."})) {
            case 0: pty.Taper("\x1b"); break;  // the login dialog: Escape
            case 1: pty.Taper("\n"); break;    // the folder prompt: an empty line
            case 2:
                ++messagesVus;
                pty.Taper("\n");
                break;
            default: fini = true;
        }
    }
    const int statut = pty.Fin();
    ASSERT_TRUE(WIFEXITED(statut)) << pty.Sortie();
    EXPECT_GE(messagesVus, 1);
    EXPECT_NE(pty.Sortie().find("Message TARMELDON ["), std::string::npos) << pty.Sortie();
    if (FinPrematuree(pty.Sortie())) {
        EXPECT_EQ(WEXITSTATUS(statut), 2);
    }

    // Nothing went to the redirected standard error.
    ::fcntl(tube[0], F_SETFL, O_NONBLOCK);
    char octet;
    EXPECT_LE(::read(tube[0], &octet, 1), 0);
    ::close(tube[0]);
}

INSTANTIATE_TEST_SUITE_P(Terminaux, ChoixTerminal,
                         ::testing::Values(CasTerminal{"StandardInputAndError", false},
                                           CasTerminal{"ControllingTerminal", true}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace
}  // namespace maj::test
