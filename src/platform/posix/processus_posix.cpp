// Processes on POSIX. A command is started from its argument vector (no
// shell), detached from the terminal as a minimized window is from the
// screen. The child is ours until it is reaped, so its identifier cannot be
// reused while we observe it; its end is awaited through a process descriptor
// that wakes the wait the moment the process ends.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/code_page.h"
#include "platform/posix/erreurs_posix.h"
#include "platform/posix/systeme_posix.h"

extern char** environ;

namespace maj::posix {
namespace {

class ProcessusPosix : public ProcessusLance {
public:
    explicit ProcessusPosix(pid_t pid) : pid_(pid) {
#ifdef SYS_pidfd_open
        // Close-on-exec by nature; -1 on a kernel without process descriptors.
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
#endif
    }

    ProcessusPosix(const ProcessusPosix&) = delete;
    ProcessusPosix& operator=(const ProcessusPosix&) = delete;

    ~ProcessusPosix() override {
        // Never leaves a child unreaped behind.
        while (!termine_ && ::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        if (pidfd_ >= 0) ::close(pidfd_);
    }

    Resultat<bool> EstTermine() override {
        if (termine_) return true;
        for (;;) {
            const pid_t r = ::waitpid(pid_, nullptr, WNOHANG);
            if (r == 0) return false;
            // No longer our child: it ended and was reaped elsewhere (children
            // ignored through SIGCHLD are reaped by the system). A running
            // child always remains ours, so this is an end, not a guess.
            if (r == pid_ || (r < 0 && errno == ECHILD)) {
                termine_ = true;
                return true;
            }
            if (errno != EINTR) return DepuisErrno(errno);
        }
    }

    Erreur Attendre(std::chrono::milliseconds delai) override {
        if (termine_) return Succes;
        if (pidfd_ >= 0) {
            pollfd attente{pidfd_, POLLIN, 0};
            if (::poll(&attente, 1, static_cast<int>(delai.count())) < 0 && errno != EINTR)
                return DepuisErrno(errno);
            return Succes;
        }
        // Without process descriptors: short naps up to the delay.
        const auto fin = std::chrono::steady_clock::now() + delai;
        while (std::chrono::steady_clock::now() < fin) {
            auto etat = EstTermine();
            if (!etat.ok()) return etat.erreur();
            if (*etat) return Succes;
            const timespec sieste{0, 1'000'000};
            ::nanosleep(&sieste, nullptr);
        }
        return Succes;
    }

private:
    pid_t pid_;
    int pidfd_ = -1;
    bool termine_ = false;
};

class ActionsLancement {
public:
    ActionsLancement() { ::posix_spawn_file_actions_init(&actions_); }
    ~ActionsLancement() { ::posix_spawn_file_actions_destroy(&actions_); }
    ActionsLancement(const ActionsLancement&) = delete;
    ActionsLancement& operator=(const ActionsLancement&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

class AttributsLancement {
public:
    AttributsLancement() { ::posix_spawnattr_init(&attributs_); }
    ~AttributsLancement() { ::posix_spawnattr_destroy(&attributs_); }
    AttributsLancement(const AttributsLancement&) = delete;
    AttributsLancement& operator=(const AttributsLancement&) = delete;
    posix_spawnattr_t* get() { return &attributs_; }

private:
    posix_spawnattr_t attributs_;
};

}  // namespace

Resultat<std::unique_ptr<ProcessusLance>> SystemePosix::Demarrer(const Commande& commande) {
    if (commande.arguments.empty()) return ERR_ARGUMENT_INVALIDE;
    std::vector<std::string> natifs;
    natifs.reserve(commande.arguments.size());
    for (const std::string& argument : commande.arguments) {
        auto octets = Encoder1252(argument);
        if (!octets.ok()) return octets.erreur();
        // An argument cannot hold a NUL: it would be cut there, silently.
        if (octets->find('\0') != std::string::npos) return ERR_ARGUMENT_INVALIDE;
        natifs.push_back(std::move(*octets));
    }
    std::vector<char*> argv;
    for (std::string& natif : natifs) argv.push_back(natif.data());
    argv.push_back(nullptr);

    // Away from the operator's terminal: no input, and nothing it prints shows.
    ActionsLancement actions;
    for (int fd : {0, 1, 2})
        if (int e = ::posix_spawn_file_actions_addopen(actions.get(), fd, "/dev/null",
                                                       fd == 0 ? O_RDONLY : O_WRONLY, 0))
            return DepuisErrno(e);

    // The command starts with every signal unblocked and at its default, whatever
    // the front end does with signals of its own.
    AttributsLancement attributs;
    sigset_t aucun;
    sigset_t tous;
    ::sigemptyset(&aucun);
    ::sigfillset(&tous);
    ::posix_spawnattr_setsigmask(attributs.get(), &aucun);
    ::posix_spawnattr_setsigdefault(attributs.get(), &tous);
    ::posix_spawnattr_setflags(attributs.get(), POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    // The C library reports here, before any wait, a program that cannot be
    // started (missing, not executable): its child tells the parent of a
    // failed exec before posix_spawnp returns.
    const int erreur = ::posix_spawnp(&pid, argv[0], actions.get(), attributs.get(), argv.data(), environ);
    if (erreur != 0) return DepuisErrno(erreur);
    return std::unique_ptr<ProcessusLance>(std::make_unique<ProcessusPosix>(pid));
}

}  // namespace maj::posix
