#include "platform/posix/systeme_posix.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/posix/code_page.h"
#include "platform/posix/erreurs_posix.h"
#include "platform/posix/fichiers_natifs.h"

namespace maj::posix {
namespace {

constexpr std::string_view PrefixePartage = "\\\\127.0.0.1\\MERVANT";

class FichierLecturePosix : public FichierLecture {
public:
    explicit FichierLecturePosix(int fd) : fd_(fd) {}

    Resultat<std::uint64_t> Longueur() override {
        struct stat etat{};
        if (::fstat(fd_.fd(), &etat) != 0) return DepuisErrno(errno);
        return static_cast<std::uint64_t>(etat.st_size);
    }

    Resultat<std::size_t> Lire(char* tampon, std::size_t taille) override {
        for (;;) {
            const ssize_t lus = ::read(fd_.fd(), tampon, taille);
            if (lus >= 0) return static_cast<std::size_t>(lus);
            if (errno != EINTR) return DepuisErrno(errno);
        }
    }

private:
    Descripteur fd_;
};

class ListeurPosix : public ListeurDossiers {
public:
    explicit ListeurPosix(const SystemePosix& systeme) : systeme_(systeme) {}

    Resultat<std::vector<std::string>> FichiersDuDossier(const std::string& dossier) override {
        auto natif = systeme_.CheminNatif(dossier);
        if (!natif.ok()) return natif.erreur();
        std::vector<std::string> noms;
        if (const int erreur = FichiersReguliers(*natif, noms)) return DepuisErrno(erreur);
        std::vector<std::string> fichiers;
        for (const std::string& nom : noms)
            fichiers.push_back(systeme_.Joindre(dossier, systeme_.DepuisCodePage(nom)));
        return fichiers;
    }

private:
    const SystemePosix& systeme_;
};

}  // namespace

SystemePosix::SystemePosix(std::string racinePartage, std::string dossierProgramme)
    : racinePartage_(std::move(racinePartage)), dossierProgramme_(std::move(dossierProgramme)) {}

Resultat<std::string> SystemePosix::CheminNatif(const std::string& chemin) const {
    auto octets = Encoder1252(chemin);
    if (!octets.ok()) return octets.erreur();
    std::string& natif = *octets;
    // The system would cut the path at a NUL and use another file.
    if (natif.find('\0') != std::string::npos) return ERR_ARGUMENT_INVALIDE;
    if (natif.compare(0, PrefixePartage.size(), PrefixePartage) == 0 &&
        (natif.size() == PrefixePartage.size() || natif[PrefixePartage.size()] == '\\')) {
        std::string reste = natif.substr(PrefixePartage.size());
        for (char& c : reste)
            if (c == '\\') c = '/';
        return racinePartage_ + reste;
    }
    return natif;
}

Resultat<std::unique_ptr<FichierLecture>> SystemePosix::OuvrirLecture(const std::string& chemin) {
    auto natif = CheminNatif(chemin);
    if (!natif.ok()) return natif.erreur();
    // Without waiting for a writer, should the name be a pipe; only a regular
    // file is read (a pipe could block, a device never end).
    const int fd = ::open(natif->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return DepuisErrno(errno);
    auto fichier = std::make_unique<FichierLecturePosix>(fd);
    struct stat etat{};
    if (::fstat(fd, &etat) != 0) return DepuisErrno(errno);
    if (!S_ISREG(etat.st_mode)) return ERR_ACCES_CHEMIN;
    return std::unique_ptr<FichierLecture>(std::move(fichier));
}

Erreur SystemePosix::OuvrirAjoutEtFermer(const std::string& chemin) {
    auto natif = CheminNatif(chemin);
    if (!natif.ok()) return natif.erreur();
    // A pipe without a reader fails at once rather than blocking.
    const int fd = ::open(natif->c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return DepuisErrno(errno);
    const int fermeture = Descripteur(fd).Fermer();
    return fermeture == 0 ? Succes : DepuisErrno(fermeture);
}

Erreur SystemePosix::RemplacerContenu(const std::string& chemin, std::string_view octets) {
    auto natif = CheminNatif(chemin);
    if (!natif.ok()) return natif.erreur();
    const int erreur = RemplacerFichier(*natif, octets, 0666);
    return erreur == 0 ? Succes : DepuisErrno(erreur);
}

Resultat<NatureChemin> SystemePosix::Examiner(const std::string& chemin) {
    auto natif = CheminNatif(chemin);
    if (!natif.ok()) return natif.erreur();
    struct stat etat{};
    if (::stat(natif->c_str(), &etat) != 0) {
        if (errno == ENOENT) return NatureChemin::Absent;
        return DepuisErrno(errno);
    }
    return S_ISDIR(etat.st_mode) ? NatureChemin::Dossier : NatureChemin::Fichier;
}

Erreur SystemePosix::CreerDossier(const std::string& chemin) {
    auto natif = CheminNatif(chemin);
    if (!natif.ok()) return natif.erreur();
    return ::mkdir(natif->c_str(), 0777) == 0 ? Succes : DepuisErrno(errno);
}

Resultat<std::unique_ptr<ListeurDossiers>> SystemePosix::CreerListeur() {
    return std::unique_ptr<ListeurDossiers>(std::make_unique<ListeurPosix>(*this));
}

std::string SystemePosix::Joindre(const std::string& dossier, std::string_view nom) const {
    return dossier + "/" + std::string(nom);
}

std::string SystemePosix::DepuisCodePage(std::string_view octets) const { return Decoder1252(octets); }

Resultat<std::string> SystemePosix::VersCodePage(std::string_view texte) const {
    return Encoder1252(texte);
}

// Each file is copied by the system's copy command, run through the runner,
// rather than inside the program: the windows are served while a large file
// copies, and a small file costs what a loop of cp costs (about 1.5 ms; a copy
// inside the program would save that millisecond a file and freeze the windows
// for the length of each copy).
Commande SystemePosix::CommandeCopie(const std::string& fichier, const std::string& dossier) const {
    // The trailing "/" makes the copy fail, rather than create a file, when
    // the folder is missing.
    return Commande{{"/bin/cp", "-f", "--", fichier, dossier + "/"}};
}

Resultat<std::string> SystemePosix::NomUtilisateur() {
    long taille = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> tampon(taille > 0 ? static_cast<std::size_t>(taille) : 16384);
    passwd entree{};
    passwd* trouve = nullptr;
    for (;;) {
        const int erreur = ::getpwuid_r(::geteuid(), &entree, tampon.data(), tampon.size(), &trouve);
        if (erreur == ERANGE) {
            tampon.resize(tampon.size() * 2);
            continue;
        }
        if (erreur != 0) return DepuisErrno(erreur);
        break;
    }
    if (trouve == nullptr) return ERR_INTERNE;  // the effective user has no account
    // The whole name, however long it is.
    return Decoder1252(trouve->pw_name);
}

Resultat<std::string> SystemePosix::DossierProgramme() const {
    if (dossierProgramme_.empty()) return ERR_CHEMIN_INTROUVABLE;
    return Decoder1252(dossierProgramme_);
}

// Paths are case-sensitive here: the folder is kept as typed.
std::string SystemePosix::DossierSaisi(std::string saisie) const { return saisie; }

Resultat<std::string> DossierExecutable() {
    std::vector<char> tampon(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", tampon.data(), tampon.size());
        if (n < 0) return DepuisErrno(errno);
        if (static_cast<std::size_t>(n) < tampon.size())
            return DossierParent(std::string(tampon.data(), static_cast<std::size_t>(n)));
        tampon.resize(tampon.size() * 2);
    }
}

}  // namespace maj::posix
