// The real program against scenario shares and the stand-in component, with
// nobody to answer: what it wrote to its error stream, its exit status, and
// what is on the share and in the component's store afterwards.

#include "e2e/terrain.h"

namespace maj::test {
namespace {

using composant_dba::Operation;
using composant_dba::Panne;

constexpr const char* ToutesAJour =
    "Message TARMELDON [information]\n"
    "Mise à jour du serveur terminée avec succès.\n"
    "\n"
    "Base Base Une : mise à jour.\n"
    "Base BASE2 : mise à jour.\n"
    "Base BASE3 : mise à jour.\n";

constexpr const char* Base2NonMiseAJour =
    "Message TARMELDON [erreur]\n"
    "La mise à jour du serveur contient des erreurs.\n"
    "\n"
    "Base Base Une : mise à jour.\n"
    "\n"
    "Base BASE3 : mise à jour.\n"
    "\n"
    "Base BASE2 : non mise à jour.\n"
    "\n"
    "Veuillez contacter TARMELDON.\n";

using ProgrammeSansOperateur = Terrain;

TEST_F(ProgrammeSansOperateur, EveryBaseIsUpdatedAndTheVersionFileCreated) {
    fs::remove_all(partage_ / "TARMELDON");
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs, ToutesAJour);
    EXPECT_EQ(issue.sortie, "");
    EXPECT_EQ(issue.statut, 0);
    for (const auto& base : NomsBases()) {
        EXPECT_TRUE(PaquetCopie(base)) << base;
        EXPECT_TRUE(AEnregistrement(base)) << base;
    }
    EXPECT_EQ(Version(), "\r\n");
}

TEST_F(ProgrammeSansOperateur, ABaseWithoutItsInstallFolderIsNotUpdatedAndTheOthersAre) {
    fs::remove_all(DossierBase("BASE2") / "INSTALLMAJ");
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs, Base2NonMiseAJour);
    EXPECT_EQ(issue.statut, 1);
    EXPECT_FALSE(fs::exists(DossierBase("BASE2") / "INSTALLMAJ"));
    EXPECT_FALSE(AEnregistrement("BASE2"));
    for (const auto& base : {"Base Une", "BASE3"}) {
        EXPECT_TRUE(PaquetCopie(base)) << base;
        EXPECT_TRUE(AEnregistrement(base)) << base;
    }
    EXPECT_EQ(Version(), std::string("\r\n") + VersionAvant);
}

TEST_F(ProgrammeSansOperateur, ABaseLaterInTheListThatMayNotBeOpenedEndsTheRun) {
    Changer([](composant_dba::Contenu& c) {
        std::erase_if(c.droits, [](const composant_dba::Droit& d) { return d.base == "BASE2"; });
    });
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs,
              "Message TARMELDON [erreur]\n"
              "Problème dans l'ouverture de la Base de données : BASE2\n"
              "Merci de contacter TARMELDON\n");
    EXPECT_EQ(issue.statut, 2);
    EXPECT_TRUE(PaquetCopie("Base Une"));
    EXPECT_TRUE(AEnregistrement("Base Une"));
    for (const auto& base : {"BASE2", "BASE3"}) {
        EXPECT_TRUE(RienCopie(base)) << base;
        EXPECT_FALSE(AEnregistrement(base)) << base;
    }
    EXPECT_EQ(Version(), VersionAvant);
}

TEST_F(ProgrammeSansOperateur, AMarkerReadFailingWithAConnectionErrorMeansNotUpdated) {
    // The update itself runs and leaves its record: only the check fails.
    Changer([](composant_dba::Contenu& c) {
        c.pannes.push_back({Operation::Read, "BASE2", Erreur{0x80004005}, std::nullopt});
    });
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs, Base2NonMiseAJour);
    EXPECT_EQ(issue.statut, 1);
    EXPECT_TRUE(PaquetCopie("BASE2"));
    EXPECT_TRUE(AEnregistrement("BASE2"));
    EXPECT_EQ(Version(), std::string("\r\n") + VersionAvant);
}

TEST_F(ProgrammeSansOperateur, ACopyThatCannotReplaceAFileOfTheBaseWritesNoRecord) {
    // A folder stands where a file of the package should go: the copy of
    // that file fails, the others land, and the server finds the package
    // incomplete.
    fs::create_directories(DossierBase("BASE3") / "INSTALLMAJ" / "TARIFS.DAT");
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs,
              "Message TARMELDON [erreur]\n"
              "La mise à jour du serveur contient des erreurs.\n"
              "\n"
              "Base Base Une : mise à jour.\n"
              "Base BASE2 : mise à jour.\n"
              "\n"
              "Base BASE3 : non mise à jour.\n"
              "\n"
              "Veuillez contacter TARMELDON.\n");
    EXPECT_EQ(issue.statut, 1);
    EXPECT_TRUE(fs::exists(DossierBase("BASE3") / "INSTALLMAJ" / "MAJ733.SQL"));
    EXPECT_FALSE(AEnregistrement("BASE3"));
}

TEST_F(ProgrammeSansOperateur, QuiSilentAtTheSecondBaseAsksForTheFolderAndCancelEndsTheRun) {
    Changer([](composant_dba::Contenu& c) { c.pannes.push_back({Operation::QUI, "BASE2", std::nullopt, 2}); });
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs,
              "MajServeur [information]\n"
              "Saisir le chemin de la base BASE2.\n"
              "(ex:D:\\BASESCLIENTS\\BASEAFA)\n"
              "(sans opérateur : annulé)\n"
              "Message TARMELDON [erreur]\n"
              "PB DANS LA RECUPERATION DU CHEMIN DE LA BASE DE DONNEES. MERCI D'APPELER TARMELDON\n");
    EXPECT_EQ(issue.statut, 2);
    EXPECT_TRUE(AEnregistrement("Base Une"));
    EXPECT_TRUE(RienCopie("BASE2"));
    EXPECT_FALSE(AEnregistrement("BASE2"));
    EXPECT_TRUE(Magasin().pannes.empty());  // both silent answers were given
    EXPECT_EQ(Version(), VersionAvant);
}

TEST_F(ProgrammeSansOperateur, QuiSilentOnceIsAskedAgainWithoutTheOperator) {
    Changer([](composant_dba::Contenu& c) { c.pannes.push_back({Operation::QUI, "BASE3", std::nullopt, 1}); });
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs, ToutesAJour);
    EXPECT_EQ(issue.statut, 0);
    EXPECT_TRUE(AEnregistrement("BASE3"));
}

TEST_F(ProgrammeSansOperateur, ARefusedDefaultLoginBringsTheLoginDialogAndCancelUpdatesNothing) {
    Changer([](composant_dba::Contenu& c) {
        auto autre = composant_dba::CalculerEmpreinte("pas vide");
        ASSERT_TRUE(autre.ok());
        c.DefinirUtilisateur({"ADM", *autre});
    });
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs,
              "Identification (sans opérateur : annulé)\n"
              "Message TARMELDON [erreur]\n"
              "Les bases de données n'ont pas été mise a jour.\n");
    EXPECT_EQ(issue.statut, 2);
    for (const auto& base : NomsBases()) {
        EXPECT_TRUE(RienCopie(base)) << base;
        EXPECT_FALSE(AEnregistrement(base)) << base;
    }
    EXPECT_EQ(Version(), VersionAvant);
}

TEST_F(ProgrammeSansOperateur, ACorruptedStoreFailsEveryBaseOperationWithoutACrash) {
    const std::string corrompu = std::string("MAGASIN-DBA 1\nutilisateur\tADM\tpbkdf2-sha256$600000$00", 45);
    Ecrire(magasin_ / "MAGASIN.TXT", corrompu);
    const Issue issue = LancerSansOperateur();
    EXPECT_EQ(issue.erreurs,
              "MajServeur [information]\n"
              "Saisir le chemin de la base Base Une.\n"
              "(ex:D:\\BASESCLIENTS\\BASEAFA)\n"
              "(sans opérateur : annulé)\n"
              "Message TARMELDON [erreur]\n"
              "PB DANS LA RECUPERATION DU CHEMIN DE LA BASE DE DONNEES. MERCI D'APPELER TARMELDON\n");
    EXPECT_EQ(issue.statut, 2);
    EXPECT_EQ(Lire(magasin_ / "MAGASIN.TXT"), corrompu);
    EXPECT_TRUE(RienCopie("Base Une"));
    EXPECT_EQ(Version(), VersionAvant);
}

}  // namespace
}  // namespace maj::test
