#include "lancement.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace maj::test {
namespace {

void Fermer(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

Issue Lancer(const std::vector<std::string>& arguments, const std::string& entree,
             const std::vector<std::string>& environnement, std::chrono::seconds delai) {
    int versEntree[2], depuisSortie[2], depuisErreurs[2];
    if (::pipe2(versEntree, O_CLOEXEC) != 0 || ::pipe2(depuisSortie, O_CLOEXEC) != 0 ||
        ::pipe2(depuisErreurs, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2");

    std::vector<char*> argv, envp;
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const auto& e : environnement) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        // A session of its own: the program has no controlling terminal to find.
        ::setsid();
        ::dup2(versEntree[0], STDIN_FILENO);
        ::dup2(depuisSortie[1], STDOUT_FILENO);
        ::dup2(depuisErreurs[1], STDERR_FILENO);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(versEntree[0]);
    ::close(depuisSortie[1]);
    ::close(depuisErreurs[1]);
    int entreeFd = versEntree[1], sortieFd = depuisSortie[0], erreursFd = depuisErreurs[0];
    ::signal(SIGPIPE, SIG_IGN);

    Issue issue;
    std::size_t envoyes = 0;
    if (entree.empty()) Fermer(entreeFd);
    const auto limite = std::chrono::steady_clock::now() + delai;
    while (sortieFd >= 0 || erreursFd >= 0) {
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
        if (reste.count() <= 0) {
            issue.delaiDepasse = true;
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd attente[3] = {{entreeFd, POLLOUT, 0}, {sortieFd, POLLIN, 0}, {erreursFd, POLLIN, 0}};
        if (::poll(attente, 3, static_cast<int>(reste.count())) < 0 && errno != EINTR)
            throw std::runtime_error("poll");
        if (entreeFd >= 0 && (attente[0].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = ::write(entreeFd, entree.data() + envoyes, entree.size() - envoyes);
            if (n > 0) envoyes += static_cast<std::size_t>(n);
            if (n < 0 || envoyes == entree.size()) Fermer(entreeFd);
        }
        const auto lire = [](int& fd, short evenements, std::string& vers) {
            if (fd < 0 || !(evenements & (POLLIN | POLLHUP | POLLERR))) return;
            char tampon[4096];
            const ssize_t n = ::read(fd, tampon, sizeof tampon);
            if (n > 0) vers.append(tampon, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR) Fermer(fd);
        };
        lire(sortieFd, attente[1].revents, issue.sortie);
        lire(erreursFd, attente[2].revents, issue.erreurs);
    }
    Fermer(entreeFd);
    Fermer(sortieFd);
    Fermer(erreursFd);
    int etat = 0;
    while (::waitpid(pid, &etat, 0) < 0 && errno == EINTR) {}
    issue.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return issue;
}

std::vector<std::string> EnvironnementSans(const std::vector<std::string>& noms) {
    std::vector<std::string> variables;
    for (char** e = environ; *e; ++e) {
        const std::string variable = *e;
        bool exclue = false;
        for (const auto& nom : noms)
            if (variable.compare(0, nom.size() + 1, nom + "=") == 0) exclue = true;
        if (!exclue) variables.push_back(variable);
    }
    return variables;
}

}  // namespace maj::test
