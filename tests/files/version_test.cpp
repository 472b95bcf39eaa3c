// The version file refresh at the end of the run, on a temporary share.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>

#include "files/lecture_controlee.h"
#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

const std::string CheminVersion = "\\\\127.0.0.1\\MERVANT\\TARMELDON\\VERSION.txt";
const std::string Version = "partage/TARMELDON/VERSION.txt";

class FichierVersion : public ::testing::Test {
protected:
    FichierVersion() {
        operateur.noterEvenements = false;
        dossier.Ecrire("partage/BASES.TXT", "A\r\n");
        controle.chemin = CheminVersion;
    }

    FinDuTraitement Lancer() {
        Frm_MAJ frm(controle, composant, operateur, variable);
        frm.Form_Load();
        return frm.Fin();
    }

    // Everything in the version folder: the file, and nothing left beside it.
    std::vector<std::string> DossierVersion() const {
        std::vector<std::string> noms;
        for (const auto& entree : std::filesystem::directory_iterator(dossier.Chemin() / "partage/TARMELDON"))
            noms.push_back(entree.path().filename().string());
        return noms;
    }

    DossierTemporaire dossier;
    posix::SystemePosix posix{dossier.Natif("partage"), dossier.Natif("programme")};
    SystemeLecturesControlees controle{posix};
    Journal journal;
    FauxComposant composant{journal};
    OperateurScripte operateur{journal};
    Variable variable;
};

TEST_F(FichierVersion, AMissingFolderAndFileAreCreated) {
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_TRUE(std::filesystem::is_directory(dossier.Chemin() / "partage/TARMELDON"));
    EXPECT_EQ(dossier.Lire(Version), "\r\n");
}

struct Rafraichissement {
    const char* cas;
    std::string avant;
    std::string apres;
    friend void PrintTo(const Rafraichissement& c, std::ostream* os) { *os << c.cas; }
};

std::string OctetsHauts() {
    std::string octets;
    for (int c = 0x80; c <= 0xFF; ++c) octets.push_back(static_cast<char>(c));
    return octets;
}

class Reecriture : public FichierVersion, public ::testing::WithParamInterface<Rafraichissement> {};

// One empty line above the lines the file held, each line kept byte for byte.
TEST_P(Reecriture, AddsOneEmptyLineAboveTheLines) {
    dossier.Ecrire(Version, GetParam().avant);
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(dossier.Lire(Version), GetParam().apres);
    EXPECT_EQ(DossierVersion(), std::vector<std::string>{"VERSION.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    FichierVersion, Reecriture,
    ::testing::Values(Rafraichissement{"Empty", "", "\r\n"},
                      Rafraichissement{"TwoLines", "A\r\nB\r\n", "\r\nA\r\nB\r\n"},
                      Rafraichissement{"NoFinalLineEnd", "A\r\nB", "\r\nA\r\nB\r\n"},
                      Rafraichissement{"LoneCr", "A\rB", "\r\nA\r\nB\r\n"},
                      Rafraichissement{"LoneLfStaysInItsLine", "A\nB", "\r\nA\nB\r\n"},
                      Rafraichissement{"SpacesAndEmptyLines", "  A \r\n\r\n", "\r\n  A \r\n\r\n"},
                      Rafraichissement{"BytesAbove7F", OctetsHauts() + "\r\n\x81\x8D\x8F\x90\x9D",
                                       "\r\n" + OctetsHauts() + "\r\n\x81\x8D\x8F\x90\x9D\r\n"}),
    [](const auto& cas) { return std::string(cas.param.cas); });

TEST_F(FichierVersion, TwoRunsGiveTwoEmptyLines) {
    dossier.Ecrire(Version, "A\r\nB\r\n");
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(dossier.Lire(Version), "\r\n\r\nA\r\nB\r\n");
}

struct FinAnticipee {
    const char* cas;
    std::function<void(FauxComposant&, OperateurScripte&)> preparer;
    friend void PrintTo(const FinAnticipee& c, std::ostream* os) { *os << c.cas; }
};

class RunInterrompu : public FichierVersion, public ::testing::WithParamInterface<FinAnticipee> {};

TEST_P(RunInterrompu, LeavesTheVersionFileAndFolderUntouched) {
    dossier.Ecrire("partage/BASES.TXT", "A\r\nB\r\n");
    GetParam().preparer(composant, operateur);
    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / "partage/TARMELDON"));

    dossier.Ecrire(Version, "A\r\nB");
    GetParam().preparer(composant, operateur);
    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    EXPECT_EQ(dossier.Lire(Version), "A\r\nB");
}

INSTANTIATE_TEST_SUITE_P(
    FichierVersion, RunInterrompu,
    ::testing::Values(
        FinAnticipee{"LoginCancelled",
                     [](FauxComposant& c, OperateurScripte& o) {
                         c.ouverture = [](const Session&, const std::string&) { return dba::DBA_E_LOGIN_DENIED; };
                         o.reponsesConnexion = {ReponseConnexion{ReponseConnexion::Bouton::Annuler, {}, ""}};
                     }},
        FinAnticipee{"FatalOpenOfTheSecondBase",
                     [](FauxComposant& c, OperateurScripte&) {
                         c.ouverture = [](const Session&, const std::string& base) {
                             return base == "B" ? dba::DBA_E_OPEN_DENIED : Succes;
                         };
                     }},
        FinAnticipee{"NoBaseFolder",
                     [](FauxComposant& c, OperateurScripte& o) {
                         c.qui = [](const std::string&, int) { return std::string(); };
                         o.reponsesSaisie = {""};
                     }}),
    [](const auto& cas) { return std::string(cas.param.cas); });

// Files may grow no larger than `octets` while it lives: a write past that
// fails part-way, as on a full disk.
class LimiteTailleFichiers {
public:
    explicit LimiteTailleFichiers(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~LimiteTailleFichiers() {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        ::signal(SIGXFSZ, signal_);
    }
    bool ok() const { return ok_; }

private:
    rlimit avant_{};
    sighandler_t signal_;
    bool ok_ = false;
};

TEST_F(FichierVersion, AWriteFailingPartWayLeavesTheOldContentWhole) {
    std::string ancien;
    for (int k = 1; k <= 1000; ++k) ancien += "version " + std::to_string(k) + "\r\n";
    dossier.Ecrire(Version, ancien);
    FinDuTraitement fin;
    {
        LimiteTailleFichiers limite(4096);
        ASSERT_TRUE(limite.ok());
        fin = Lancer();
    }
    EXPECT_EQ(fin, FinDuTraitement::ToutesAJour);
    EXPECT_EQ(dossier.Lire(Version), ancien);
    EXPECT_EQ(DossierVersion(), std::vector<std::string>{"VERSION.txt"});
    EXPECT_EQ(journal.Lignes().back(), "fermer");
}

struct Illisible {
    const char* cas;
    std::function<void(SystemeLecturesControlees&)> preparer;
    friend void PrintTo(const Illisible& c, std::ostream* os) { *os << c.cas; }
};

class FichierIllisible : public FichierVersion, public ::testing::WithParamInterface<Illisible> {};

// A file that exists but cannot be read in full is not rewritten: its lines
// would be lost.
TEST_P(FichierIllisible, IsLeftUntouched) {
    dossier.Ecrire(Version, "A\r\nB\r\nC\r\n");
    GetParam().preparer(controle);
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(dossier.Lire(Version), "A\r\nB\r\nC\r\n");
    EXPECT_EQ(DossierVersion(), std::vector<std::string>{"VERSION.txt"});
}

INSTANTIATE_TEST_SUITE_P(
    FichierVersion, FichierIllisible,
    ::testing::Values(
        Illisible{"OpenRefused", [](SystemeLecturesControlees& s) { s.echecOuverture = ERR_PERMISSION_REFUSEE; }},
        Illisible{"LengthUnknown", [](SystemeLecturesControlees& s) { s.echecLongueur = ERR_ES_PERIPHERIQUE; }},
        Illisible{"ReadFailsPartWay", [](SystemeLecturesControlees& s) { s.echecApres = 4; }},
        Illisible{"ReadFailsAtTheEnd", [](SystemeLecturesControlees& s) { s.echecApres = 9; }}),
    [](const auto& cas) { return std::string(cas.param.cas); });

// Names taken by something else: the run ends as usual and changes nothing.
TEST_F(FichierVersion, APathThatIsNotAFileIsLeftAlone) {
    dossier.Ecrire("partage/TARMELDON", "un fichier, pas un dossier");
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(dossier.Lire("partage/TARMELDON"), "un fichier, pas un dossier");

    std::filesystem::remove(dossier.Chemin() / "partage/TARMELDON");
    dossier.CreerDossier(Version);
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_TRUE(std::filesystem::is_empty(dossier.Chemin() / Version));
    EXPECT_EQ(DossierVersion(), std::vector<std::string>{"VERSION.txt"});
}

}  // namespace
}  // namespace maj::test
