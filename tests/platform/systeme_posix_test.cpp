// The POSIX platform on real files, folders and processes.

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "platform/posix/systeme_posix.h"
#include "support/partage_temporaire.h"

namespace maj::posix {
namespace {

using namespace std::chrono_literals;
using test::DossierTemporaire;
namespace fs = std::filesystem;

class Plateforme : public ::testing::Test {
protected:
    Plateforme() { dossier.CreerDossier("partage"); }

    std::string Partage(const std::string& relatif) const { return "\\\\127.0.0.1\\MERVANT\\" + relatif; }
    std::string LireTout(const std::string& chemin) {
        auto fichier = systeme.OuvrirLecture(chemin);
        if (!fichier.ok()) return "<" + std::to_string(fichier.erreur().numero) + ">";
        std::string octets;
        char tampon[7];
        for (;;) {
            auto lus = (*fichier)->Lire(tampon, sizeof tampon);
            if (!lus.ok()) return octets + "<echec>";
            if (*lus == 0) return octets;
            octets.append(tampon, *lus);
        }
    }

    DossierTemporaire dossier;
    SystemePosix systeme{dossier.Natif("partage"), dossier.Natif("programme")};
};

struct Correspondance {
    std::string texte;
    std::string natif;  // relative to the share root when it starts with '@'
    friend void PrintTo(const Correspondance& c, std::ostream* os) { *os << c.texte; }
};

class CheminsNatifs : public Plateforme, public ::testing::WithParamInterface<Correspondance> {};

TEST_P(CheminsNatifs, MapTheShareOntoItsRootAndKeepEveryOtherPath) {
    std::string attendu = GetParam().natif;
    if (!attendu.empty() && attendu.front() == '@') attendu = dossier.Natif("partage") + attendu.substr(1);
    auto natif = systeme.CheminNatif(GetParam().texte);
    ASSERT_TRUE(natif.ok());
    EXPECT_EQ(*natif, attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Plateforme, CheminsNatifs,
    ::testing::Values(Correspondance{"\\\\127.0.0.1\\MERVANT\\BASES.TXT", "@/BASES.TXT"},
                      Correspondance{"\\\\127.0.0.1\\MERVANT\\TARMELDON\\VERSION.txt", "@/TARMELDON/VERSION.txt"},
                      Correspondance{"\\\\127.0.0.1\\MERVANT", "@"},
                      Correspondance{"\\\\127.0.0.1\\MERVANTS\\BASES.TXT", "\\\\127.0.0.1\\MERVANTS\\BASES.TXT"},
                      Correspondance{"\\\\127.0.0.1\\mervant\\BASES.TXT", "\\\\127.0.0.1\\mervant\\BASES.TXT"},
                      Correspondance{"/srv/bases/Base 1", "/srv/bases/Base 1"},
                      Correspondance{"D:\\CLIENTS\\BASE1", "D:\\CLIENTS\\BASE1"},
                      Correspondance{"/srv/Café", "/srv/Caf\xE9"}),
    [](const auto& cas) { return "Path" + std::to_string(cas.index); });

TEST_F(Plateforme, APathTheSystemCannotTakeIsRefused) {
    for (const std::string& chemin :
         {std::string("/tmp/a\0b", 8), Partage(std::string("A\0B", 3)), std::string("/tmp/中"), std::string("\xFF")}) {
        EXPECT_EQ(systeme.CheminNatif(chemin).erreur(), ERR_ARGUMENT_INVALIDE);
        EXPECT_EQ(systeme.OuvrirLecture(chemin).erreur(), ERR_ARGUMENT_INVALIDE);
        EXPECT_EQ(systeme.CreerDossier(chemin), ERR_ARGUMENT_INVALIDE);
    }
}

TEST_F(Plateforme, OnlyARegularFileIsOpenedForReading) {
    dossier.Ecrire("partage/F.TXT", std::string("un\r\ndeux\0trois", 14));
    EXPECT_EQ(LireTout(Partage("F.TXT")), std::string("un\r\ndeux\0trois", 14));
    auto fichier = systeme.OuvrirLecture(Partage("F.TXT"));
    ASSERT_TRUE(fichier.ok());
    EXPECT_EQ((*fichier)->Longueur().valeur_ou(0), 14u);

    EXPECT_EQ(systeme.OuvrirLecture(Partage("ABSENT.TXT")).erreur(), ERR_FICHIER_INTROUVABLE);
    EXPECT_EQ(systeme.OuvrirLecture(Partage("F.TXT\\SOUS")).erreur(), ERR_CHEMIN_INTROUVABLE);
    dossier.CreerDossier("partage/DOSSIER");
    EXPECT_TRUE(systeme.OuvrirLecture(Partage("DOSSIER")).erreur().echec());
    // A pipe without a writer would block the open, a device would never end.
    ASSERT_EQ(::mkfifo(dossier.Natif("partage/TUBE").c_str(), 0644), 0);
    EXPECT_TRUE(systeme.OuvrirLecture(Partage("TUBE")).erreur().echec());
    EXPECT_TRUE(systeme.OuvrirLecture("/dev/zero").erreur().echec());
}

TEST_F(Plateforme, OpeningForAppendCreatesAnEmptyFileAndKeepsAnExistingOne) {
    EXPECT_EQ(systeme.OuvrirAjoutEtFermer(Partage("NOUVEAU.TXT")), Succes);
    EXPECT_EQ(dossier.Lire("partage/NOUVEAU.TXT"), "");
    dossier.Ecrire("partage/ANCIEN.TXT", "A\r\n");
    EXPECT_EQ(systeme.OuvrirAjoutEtFermer(Partage("ANCIEN.TXT")), Succes);
    EXPECT_EQ(dossier.Lire("partage/ANCIEN.TXT"), "A\r\n");
    EXPECT_EQ(systeme.OuvrirAjoutEtFermer(Partage("ABSENT\\X.TXT")), ERR_FICHIER_INTROUVABLE);
    ASSERT_EQ(::mkfifo(dossier.Natif("partage/TUBE").c_str(), 0644), 0);
    EXPECT_TRUE(systeme.OuvrirAjoutEtFermer(Partage("TUBE")).echec());
}

// Beside the file, nothing but the file.
std::vector<std::string> Contenu(const fs::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& entree : fs::directory_iterator(dossier)) noms.push_back(entree.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

TEST_F(Plateforme, ReplacingAContentKeepsTheFilesPermissionsAndOwner) {
    dossier.Ecrire("partage/V.TXT", "ancien contenu");
    ::chmod(dossier.Natif("partage/V.TXT").c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dossier.Natif("partage/V.TXT").c_str(), 4321, 4322), 0);
    }

    EXPECT_EQ(systeme.RemplacerContenu(Partage("V.TXT"), "nouveau"), Succes);

    EXPECT_EQ(dossier.Lire("partage/V.TXT"), "nouveau");
    struct stat etat{};
    ASSERT_EQ(::stat(dossier.Natif("partage/V.TXT").c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(etat.st_uid, 4321u);
        EXPECT_EQ(etat.st_gid, 4322u);
    }
    EXPECT_EQ(Contenu(dossier.Chemin() / "partage"), std::vector<std::string>{"V.TXT"});
}

TEST_F(Plateforme, ReplacingTheContentOfAMissingFileCreatesIt) {
    const mode_t masque = ::umask(022);
    EXPECT_EQ(systeme.RemplacerContenu(Partage("NOUVEAU.TXT"), "\r\n"), Succes);
    ::umask(masque);
    EXPECT_EQ(dossier.Lire("partage/NOUVEAU.TXT"), "\r\n");
    struct stat etat{};
    ASSERT_EQ(::stat(dossier.Natif("partage/NOUVEAU.TXT").c_str(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0644u);
}

// A replacement that cannot be put in place leaves what was there and no
// temporary file.
TEST_F(Plateforme, AFailedReplacementLeavesNothingBehind) {
    dossier.Ecrire("partage/OCCUPE/garde", "x");
    EXPECT_TRUE(systeme.RemplacerContenu(Partage("OCCUPE"), "nouveau").echec());
    EXPECT_EQ(dossier.Lire("partage/OCCUPE/garde"), "x");
    EXPECT_EQ(Contenu(dossier.Chemin() / "partage"), std::vector<std::string>{"OCCUPE"});

    EXPECT_TRUE(systeme.RemplacerContenu(Partage("ABSENT\\V.TXT"), "nouveau").echec());
    EXPECT_EQ(Contenu(dossier.Chemin() / "partage"), std::vector<std::string>{"OCCUPE"});
}

TEST_F(Plateforme, PathsAreExaminedAndFoldersCreated) {
    dossier.Ecrire("partage/F.TXT", "");
    EXPECT_EQ(systeme.Examiner(Partage("F.TXT")).valeur_ou(NatureChemin::Absent), NatureChemin::Fichier);
    EXPECT_EQ(systeme.Examiner(Partage("")).valeur_ou(NatureChemin::Absent), NatureChemin::Dossier);
    EXPECT_EQ(systeme.Examiner(Partage("ABSENT")).valeur_ou(NatureChemin::Fichier), NatureChemin::Absent);

    EXPECT_EQ(systeme.CreerDossier(Partage("TARMELDON")), Succes);
    EXPECT_TRUE(fs::is_directory(dossier.Chemin() / "partage/TARMELDON"));
    EXPECT_EQ(systeme.CreerDossier(Partage("TARMELDON")), ERR_ACCES_CHEMIN);
    EXPECT_EQ(systeme.CreerDossier(Partage("ABSENT\\SOUS")), ERR_FICHIER_INTROUVABLE);
}

// The listing gives the files lying directly in the folder, by full path,
// under names that come back to the same bytes.
TEST_F(Plateforme, TheListingGivesTheFilesOfTheFolderOnly) {
    dossier.Ecrire("programme/INSTALLMAJ/A.DAT", "a");
    dossier.Ecrire("programme/INSTALLMAJ/caf\xE9 1.DAT", "b");
    dossier.Ecrire("programme/INSTALLMAJ/SOUS/C.DAT", "c");
    dossier.Ecrire("programme/cible", "d");
    ASSERT_EQ(::symlink("../cible", dossier.Natif("programme/INSTALLMAJ/LIEN").c_str()), 0);
    ASSERT_EQ(::symlink("../absent", dossier.Natif("programme/INSTALLMAJ/CASSE").c_str()), 0);
    auto listeur = systeme.CreerListeur();
    ASSERT_TRUE(listeur.ok());
    const std::string source = *systeme.DossierProgramme() + "/INSTALLMAJ";

    auto fichiers = (*listeur)->FichiersDuDossier(source);
    ASSERT_TRUE(fichiers.ok());
    std::vector<std::string> tries = *fichiers;
    std::sort(tries.begin(), tries.end());
    EXPECT_EQ(tries, (std::vector<std::string>{source + "/A.DAT", source + "/LIEN", source + "/café 1.DAT"}));
    for (const std::string& fichier : *fichiers) EXPECT_NE(LireTout(fichier).front(), '<') << fichier;

    EXPECT_TRUE((*listeur)->FichiersDuDossier(*systeme.DossierProgramme() + "/ABSENT").erreur().echec());
    EXPECT_TRUE((*listeur)->FichiersDuDossier(source + "/A.DAT").erreur().echec());
}

TEST_F(Plateforme, TheUserIsTheEffectiveUsersWholeName) {
    const passwd* entree = ::getpwuid(::geteuid());
    ASSERT_NE(entree, nullptr);
    EXPECT_EQ(systeme.NomUtilisateur().valeur_ou(""), entree->pw_name);
}

// Polls a started process the way the runner does, for at most `limite`.
bool AttendreFin(ProcessusLance& processus, std::chrono::seconds limite) {
    const auto fin = std::chrono::steady_clock::now() + limite;
    while (std::chrono::steady_clock::now() < fin) {
        auto termine = processus.EstTermine();
        if (termine.ok() && *termine) return true;
        absorbee(processus.Attendre(100ms));
    }
    return false;
}

TEST_F(Plateforme, AWaitEndsWhenTheProcessEndsNotWhenTheDelayRunsOut) {
    auto processus = systeme.Demarrer(Commande{{"sleep", "0.3"}});
    ASSERT_TRUE(processus.ok());
    EXPECT_FALSE((*processus)->EstTermine().valeur_ou(true));
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_EQ((*processus)->Attendre(20s), Succes);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, 5s);
    EXPECT_TRUE((*processus)->EstTermine().valeur_ou(false));
}

// Children ignored through SIGCHLD are reaped by the system as they end; the
// end must still be seen, not wait for ever.
TEST_F(Plateforme, AnEndIsSeenEvenWhenTheSystemReapsTheChild) {
    struct sigaction ignore{};
    struct sigaction avant{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGCHLD, &ignore, &avant), 0);
    auto processus = systeme.Demarrer(Commande{{"sleep", "0.1"}});
    ASSERT_TRUE(processus.ok());
    EXPECT_TRUE(AttendreFin(**processus, 10s));
    processus->reset();
    ::sigaction(SIGCHLD, &avant, nullptr);
}

// A signal the program blocks is not blocked in the command.
TEST_F(Plateforme, ACommandStartsWithNoSignalBlocked) {
    sigset_t bloques;
    sigset_t avant;
    ::sigemptyset(&bloques);
    ::sigaddset(&bloques, SIGTERM);
    ASSERT_EQ(::sigprocmask(SIG_BLOCK, &bloques, &avant), 0);
    auto processus = systeme.Demarrer(Commande{{"sh", "-c", "kill -TERM $$; sleep 30"}});
    ::sigprocmask(SIG_SETMASK, &avant, nullptr);
    ASSERT_TRUE(processus.ok());
    EXPECT_TRUE(AttendreFin(**processus, 10s));
}

}  // namespace
}  // namespace maj::posix
