#include "frontends/terminal/mode_brut.h"

#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace maj::terminal {
namespace {

// Signals whose default action ends the program, and those that stop it.
constexpr std::array SignauxFin{SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGABRT, SIGALRM,
                                SIGUSR1, SIGUSR2, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr std::array SignauxArret{SIGTSTP, SIGTTIN, SIGTTOU};

// What the signal handlers need: one raw-mode exchange at a time.
struct EtatTerminal {
    int fd = -1;
    termios sauvegarde{};
    termios brut{};
    std::array<struct sigaction, SignauxFin.size()> anciensFin{};
    std::array<struct sigaction, SignauxArret.size()> anciensArret{};
    volatile sig_atomic_t repris = 0;
};
EtatTerminal etat;

sigset_t SignauxGeres() {
    sigset_t ensemble;
    ::sigemptyset(&ensemble);
    for (int numero : SignauxFin) ::sigaddset(&ensemble, numero);
    for (int numero : SignauxArret) ::sigaddset(&ensemble, numero);
    return ensemble;
}

// Blocks the handled signals for the length of a change of settings, so that
// a signal sees either the old state or the new one, whole.
class SignauxBloques {
public:
    SignauxBloques() {
        const sigset_t ensemble = SignauxGeres();
        ::sigprocmask(SIG_BLOCK, &ensemble, &ancien_);
    }
    ~SignauxBloques() { ::sigprocmask(SIG_SETMASK, &ancien_, nullptr); }
    SignauxBloques(const SignauxBloques&) = delete;
    SignauxBloques& operator=(const SignauxBloques&) = delete;

private:
    sigset_t ancien_;
};

bool EchoCoupe(int fd) {
    termios actuel{};
    return ::tcgetattr(fd, &actuel) == 0 && (actuel.c_lflag & (ECHO | ICANON)) == 0;
}

void Debloquer(int numero, int comment) {
    sigset_t un;
    ::sigemptyset(&un);
    ::sigaddset(&un, numero);
    ::sigprocmask(comment, &un, nullptr);
}

// Handlers run with every handled signal blocked: a change of the terminal's
// settings made from the background is then allowed instead of stopping the
// program in the middle of the handler.
extern "C" void SurSignalFin(int numero) {
    ::tcsetattr(etat.fd, TCSANOW, &etat.sauvegarde);
    // The default action is back (SA_RESETHAND): raising the signal again
    // ends the program as it would have.
    Debloquer(numero, SIG_UNBLOCK);
    ::raise(numero);
}

void InstallerArret(int numero);

extern "C" void SurSignalArret(int numero) {
    const int erreur = errno;
    ::tcsetattr(etat.fd, TCSANOW, &etat.sauvegarde);
    struct sigaction defaut{};
    defaut.sa_handler = SIG_DFL;
    ::sigemptyset(&defaut.sa_mask);
    ::sigaction(numero, &defaut, nullptr);
    Debloquer(numero, SIG_UNBLOCK);
    ::raise(numero);  // stops here until continued
    Debloquer(numero, SIG_BLOCK);
    InstallerArret(numero);
    ::tcsetattr(etat.fd, TCSANOW, &etat.brut);
    etat.repris = 1;
    errno = erreur;
}

// No SA_RESTART: a read interrupted by a stop returns, so that the exchange
// can show itself again.
void InstallerArret(int numero) {
    struct sigaction action{};
    action.sa_handler = SurSignalArret;
    action.sa_mask = SignauxGeres();
    ::sigaction(numero, &action, nullptr);
}

}  // namespace

ModeBrut::ModeBrut(int fd) : fd_(fd) {
    termios sauvegarde{};
    if (::tcgetattr(fd, &sauvegarde) != 0) return;
    termios brut = sauvegarde;
    // Keys still raise their signals (Ctrl-C ends the program, restoring the
    // terminal); Enter still reads as "\n"; output is processed as usual.
    brut.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHONL | IEXTEN);
    brut.c_cc[VMIN] = 1;
    brut.c_cc[VTIME] = 0;

    SignauxBloques bloques;
    installe_ = true;
    etat.fd = fd;
    etat.sauvegarde = sauvegarde;
    etat.brut = brut;
    etat.repris = 0;
    // A signal the program was started to ignore (nohup, a shell without job
    // control) stays ignored.
    for (std::size_t k = 0; k < SignauxFin.size(); ++k) {
        ::sigaction(SignauxFin[k], nullptr, &etat.anciensFin[k]);
        if (etat.anciensFin[k].sa_handler == SIG_IGN) continue;
        struct sigaction action{};
        action.sa_handler = SurSignalFin;
        action.sa_mask = SignauxGeres();
        action.sa_flags = SA_RESETHAND;
        ::sigaction(SignauxFin[k], &action, nullptr);
    }
    for (std::size_t k = 0; k < SignauxArret.size(); ++k) {
        ::sigaction(SignauxArret[k], nullptr, &etat.anciensArret[k]);
        if (etat.anciensArret[k].sa_handler != SIG_IGN) InstallerArret(SignauxArret[k]);
    }
    // Typed-ahead input is dropped: it was echoed before the echo went off.
    // tcsetattr succeeds when any of the changes was made: check them all.
    actif_ = ::tcsetattr(fd, TCSAFLUSH, &brut) == 0 && EchoCoupe(fd);
}

ModeBrut::~ModeBrut() {
    if (!installe_) return;
    SignauxBloques bloques;
    ::tcsetattr(fd_, TCSANOW, &etat.sauvegarde);
    for (std::size_t k = 0; k < SignauxFin.size(); ++k) ::sigaction(SignauxFin[k], &etat.anciensFin[k], nullptr);
    for (std::size_t k = 0; k < SignauxArret.size(); ++k)
        ::sigaction(SignauxArret[k], &etat.anciensArret[k], nullptr);
    etat.fd = -1;
}

bool ModeBrut::Repris() {
    if (!etat.repris) return false;
    etat.repris = 0;
    return true;
}

}  // namespace maj::terminal
