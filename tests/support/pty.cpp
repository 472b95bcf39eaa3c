#include "support/pty.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace maj::test {

Pty::Pty(const std::string& programme, const std::vector<std::string>& arguments,
         std::function<void()> avantExec) {
    winsize taille{};
    taille.ws_row = 40;
    taille.ws_col = 200;
    // The terminal starts with a new terminal's settings, known before the
    // program can change them.
    int maitre = -1, esclave = -1;
    if (::openpty(&maitre, &esclave, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
    ::tcgetattr(esclave, &initiaux_);
    ::close(maitre);
    ::close(esclave);
    pid_ = ::forkpty(&maitre_, nullptr, &initiaux_, &taille);
    if (pid_ < 0) throw std::runtime_error("forkpty failed");
    if (pid_ == 0) {
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        if (avantExec) avantExec();
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(programme.c_str()));
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(programme.c_str(), argv.data());
        ::_exit(127);
    }
}

Pty::~Pty() {
    if (!termine_) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    ::close(maitre_);
}

bool Pty::Lire(std::chrono::milliseconds attente) {
    pollfd attendu{maitre_, POLLIN, 0};
    const int pret = ::poll(&attendu, 1, static_cast<int>(attente.count()));
    if (pret <= 0) return pret == 0 || errno == EINTR;
    char tampon[4096];
    const ssize_t lus = ::read(maitre_, tampon, sizeof tampon);
    if (lus <= 0) return false;  // EIO: every descriptor of the program's side is closed
    sortie_.append(tampon, static_cast<std::size_t>(lus));
    return true;
}

bool Pty::Attendre(std::string_view texte, std::chrono::seconds delai) {
    return AttendreUn({texte}, delai) == 0;
}

int Pty::AttendreUn(const std::vector<std::string_view>& textes, std::chrono::seconds delai) {
    const auto limite = std::chrono::steady_clock::now() + delai;
    for (;;) {
        int premier = -1;
        std::size_t position = std::string::npos;
        for (std::size_t k = 0; k < textes.size(); ++k) {
            const auto trouve = sortie_.find(textes[k], curseur_);
            if (trouve < position) {
                position = trouve;
                premier = static_cast<int>(k);
            }
        }
        if (premier >= 0) {
            curseur_ = position + textes[static_cast<std::size_t>(premier)].size();
            return premier;
        }
        if (std::chrono::steady_clock::now() >= limite) return -1;
        if (!Lire(std::chrono::milliseconds(100))) return -1;
    }
}

void Pty::Taper(std::string_view touches) {
    while (!touches.empty()) {
        const ssize_t ecrits = ::write(maitre_, touches.data(), touches.size());
        if (ecrits < 0 && errno == EINTR) continue;
        if (ecrits <= 0) return;
        touches.remove_prefix(static_cast<std::size_t>(ecrits));
    }
}

int Pty::Fin(std::chrono::seconds delai) {
    const auto limite = std::chrono::steady_clock::now() + delai;
    bool ouvert = true;
    while (!termine_) {
        if (ouvert) ouvert = Lire(std::chrono::milliseconds(50));
        else ::usleep(10000);
        if (::waitpid(pid_, &statut_, WNOHANG) == pid_) termine_ = true;
        else if (std::chrono::steady_clock::now() >= limite) return -1;
    }
    // What the program wrote just before it ended.
    while (ouvert) {
        pollfd reste{maitre_, POLLIN, 0};
        if (::poll(&reste, 1, 0) <= 0) break;
        ouvert = Lire(std::chrono::milliseconds(0));
    }
    return statut_;
}

termios Pty::Reglages() const {
    termios reglages{};
    ::tcgetattr(maitre_, &reglages);
    return reglages;
}

}  // namespace maj::test
