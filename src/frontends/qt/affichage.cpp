#include "frontends/qt/affichage.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace maj::qt {
namespace {

constexpr std::chrono::seconds DelaiOuverture{10};
constexpr std::chrono::milliseconds PasAttente{10};

bool Defini(const char* variable) {
    const char* valeur = std::getenv(variable);
    return valeur && *valeur;
}

[[noreturn]] void EssayerOuverture() {
    // The toolkit's complaints about a display it cannot open are not the
    // operator's concern: the program goes on with another front end.
    const int nul = ::open("/dev/null", O_WRONLY);
    if (nul >= 0) ::dup2(nul, STDERR_FILENO);
    int argc = 1;
    char nom[] = "majserveur";
    char* argv[] = {nom, nullptr};
    QGuiApplication application(argc, argv);
    ::_exit(QGuiApplication::primaryScreen() ? 0 : 1);
}

}  // namespace

bool AffichageDisponible() {
    if (!Defini("DISPLAY") && !Defini("WAYLAND_DISPLAY")) return false;

    const pid_t enfant = ::fork();
    if (enfant < 0) return false;
    if (enfant == 0) EssayerOuverture();

    const auto limite = std::chrono::steady_clock::now() + DelaiOuverture;
    for (;;) {
        int statut = 0;
        const pid_t fini = ::waitpid(enfant, &statut, WNOHANG);
        if (fini == enfant) return WIFEXITED(statut) && WEXITSTATUS(statut) == 0;
        if (fini < 0 && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= limite) {
            ::kill(enfant, SIGKILL);
            while (::waitpid(enfant, &statut, 0) < 0 && errno == EINTR) {
            }
            return false;
        }
        std::this_thread::sleep_for(PasAttente);
    }
}

}  // namespace maj::qt
