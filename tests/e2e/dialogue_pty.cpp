#include "e2e/dialogue_pty.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace maj::test {

DialoguePty::DialoguePty(const std::vector<std::string>& arguments, const std::vector<std::string>& environnement) {
    std::vector<char*> argv, envp;
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : environnement) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    winsize taille{24, 100, 0, 0};
    pid_ = ::forkpty(&maitre_, nullptr, nullptr, &taille);
    if (pid_ < 0) throw std::runtime_error("forkpty");
    if (pid_ == 0) {
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
}

DialoguePty::~DialoguePty() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    if (maitre_ >= 0) ::close(maitre_);
}

// False at the end of the program's output or at the time limit.
bool DialoguePty::Lire(std::chrono::steady_clock::time_point limite) {
    const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
    if (reste.count() <= 0) return false;
    pollfd attente{maitre_, POLLIN, 0};
    const int pret = ::poll(&attente, 1, static_cast<int>(reste.count()));
    if (pret < 0) return errno == EINTR;
    if (pret == 0) return false;
    char tampon[4096];
    const ssize_t n = ::read(maitre_, tampon, sizeof tampon);
    if (n < 0 && errno == EINTR) return true;
    if (n <= 0) return false;  // EIO: every end of the terminal is closed
    ecran_.append(tampon, static_cast<std::size_t>(n));
    return true;
}

bool DialoguePty::Attendre(const std::string& texte, std::chrono::seconds delai) {
    const auto limite = std::chrono::steady_clock::now() + delai;
    for (;;) {
        const auto trouve = ecran_.find(texte, vu_);
        if (trouve != std::string::npos) {
            vu_ = trouve + texte.size();
            return true;
        }
        if (!Lire(limite)) return false;
    }
}

void DialoguePty::Taper(const std::string& touches) {
    std::string_view reste = touches;
    while (!reste.empty()) {
        const ssize_t n = ::write(maitre_, reste.data(), reste.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        reste.remove_prefix(static_cast<std::size_t>(n));
    }
}

int DialoguePty::Terminer(std::chrono::seconds delai) {
    const auto limite = std::chrono::steady_clock::now() + delai;
    while (Lire(limite)) {
    }
    if (std::chrono::steady_clock::now() >= limite) ::kill(pid_, SIGKILL);
    int etat = 0;
    while (::waitpid(pid_, &etat, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}

}  // namespace maj::test
