#include "platform/posix/fichiers_natifs.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace maj::posix {

Descripteur::~Descripteur() {
    if (fd_ >= 0) ::close(fd_);
}

int Descripteur::Fermer() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

int EcrireTout(int fd, std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t ecrits = ::write(fd, octets.data(), octets.size());
        if (ecrits < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (ecrits == 0) return EIO;  // no progress: would loop for ever
        octets.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    return 0;
}

int LireTout(const std::string& chemin, std::size_t maximum, std::string& octets) {
    Descripteur fichier(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fichier.ouvert()) return errno;
    struct stat etat{};
    if (::fstat(fichier.fd(), &etat) != 0) return errno;
    if (!S_ISREG(etat.st_mode)) return EINVAL;  // a pipe could block, a device never end
    octets.clear();
    char tampon[65536];
    for (;;) {
        const ssize_t lus = ::read(fichier.fd(), tampon, sizeof tampon);
        if (lus < 0 && errno == EINTR) continue;
        if (lus < 0) return errno;
        if (lus == 0) return 0;
        octets.append(tampon, static_cast<std::size_t>(lus));
        if (octets.size() > maximum) return EFBIG;
    }
}

int RemplacerFichier(const std::string& chemin, std::string_view octets, mode_t modeSiNouveau) {
    std::string modele = chemin + ".XXXXXX";
    Descripteur temporaire(::mkostemp(modele.data(), O_CLOEXEC));
    if (!temporaire.ouvert()) return errno;

    struct stat ancien{};
    mode_t mode = modeSiNouveau;
    if (::stat(chemin.c_str(), &ancien) == 0) {
        mode = ancien.st_mode & 07777;
        // Absorbed when refused: the file then belongs to the user running the program.
        if (ancien.st_uid != ::geteuid() || ancien.st_gid != ::getegid())
            static_cast<void>(::fchown(temporaire.fd(), ancien.st_uid, ancien.st_gid));
    } else {
        const mode_t masque = ::umask(0);
        ::umask(masque);
        mode &= ~masque;
    }

    int erreur = ::fchmod(temporaire.fd(), mode) == 0 ? 0 : errno;
    if (erreur == 0) erreur = EcrireTout(temporaire.fd(), octets);
    if (erreur == 0 && ::fsync(temporaire.fd()) != 0) erreur = errno;
    if (const int fermeture = temporaire.Fermer(); erreur == 0) erreur = fermeture;
    if (erreur == 0 && ::rename(modele.c_str(), chemin.c_str()) != 0) erreur = errno;
    if (erreur != 0) {
        ::unlink(modele.c_str());
        return erreur;
    }
    // The rename itself lasts once the folder is on disk. Absorbed when that
    // flush fails: the new content is in place all the same.
    Descripteur dossier(::open(DossierParent(chemin).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dossier.ouvert()) static_cast<void>(::fsync(dossier.fd()));
    return 0;
}

int FichiersReguliers(const std::string& dossier, std::vector<std::string>& noms) {
    DIR* flux = ::opendir(dossier.c_str());
    if (flux == nullptr) return errno;
    noms.clear();
    errno = 0;
    while (const dirent* entree = ::readdir(flux)) {
        struct stat etat{};
        if (::fstatat(::dirfd(flux), entree->d_name, &etat, 0) == 0 && S_ISREG(etat.st_mode))
            noms.emplace_back(entree->d_name);
        errno = 0;
    }
    const int erreur = errno;
    ::closedir(flux);
    return erreur;
}

std::string DossierParent(const std::string& chemin) {
    const auto barre = chemin.find_last_of('/');
    if (barre == std::string::npos) return ".";
    if (barre == 0) return "/";
    return chemin.substr(0, barre);
}

}  // namespace maj::posix
