// The update file copy with real folders and real copy commands.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "actions/espion_processus.h"
#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

class Copie : public ::testing::Test {
protected:
    Copie() {
        operateur.noterEvenements = false;
        dossier.CreerDossier("partage");
        auto listeur = espion.CreerListeur();
        if (listeur.ok()) variable.G_Fso = std::move(*listeur);
    }

    void Source(const std::string& nom, const std::string& octets) {
        dossier.Ecrire("programme/INSTALLMAJ/" + nom, octets);
    }
    std::string DossierSource() const { return dossier.Natif("programme") + "/INSTALLMAJ"; }
    // The files of the source folder, in the order the listing gives them.
    std::vector<std::string> Listes() {
        auto fichiers = variable.G_Fso->FichiersDuDossier(DossierSource());
        return fichiers.ok() ? *fichiers : std::vector<std::string>{};
    }
    // What the operator was asked or shown.
    std::vector<std::string> Dialogues() const { return journal.Filtrer({"saisie", "critique", "information", "connexion"}); }

    DossierTemporaire dossier;
    posix::SystemePosix posix{dossier.Natif("partage"), dossier.Natif("programme")};
    SystemeEspion espion{posix};
    Journal journal;
    FauxComposant composant{journal};
    OperateurScripte operateur{journal};
    Variable variable;
    Frm_MAJ frm{espion, composant, operateur, variable};
};

TEST_F(Copie, AnEmptySourceFolderRunsNothing) {
    dossier.CreerDossier("programme/INSTALLMAJ/sous-dossier");
    dossier.CreerDossier("base/INSTALLMAJ");
    EXPECT_EQ(frm.CopieInstallMAJ(dossier.Natif("base")), Succes);
    EXPECT_TRUE(espion.commandes.empty());
}

TEST_F(Copie, EachFileIsCopiedInListingOrderEachEndingBeforeTheNextStarts) {
    Source("A.DAT", "contenu A");
    Source("B.DAT", std::string(200 * 1024, 'b'));
    Source("C.DAT", "");
    Source("SOUS/D.DAT", "pas copié: dans un sous-dossier");
    dossier.CreerDossier("base/INSTALLMAJ");
    const std::string base = dossier.Natif("base");

    EXPECT_EQ(frm.CopieInstallMAJ(base), Succes);

    const auto listes = Listes();
    ASSERT_EQ(listes.size(), 3u);
    ASSERT_EQ(espion.commandes.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(espion.commandes[k], posix.CommandeCopie(listes[k], base + "/INSTALLMAJ"));
    EXPECT_EQ(espion.deroulement, (std::vector<std::string>{"demarre 1", "fin 1", "demarre 2", "fin 2",
                                                            "demarre 3", "fin 3"}));
    for (const std::string nom : {"A.DAT", "B.DAT", "C.DAT"})
        EXPECT_EQ(dossier.Lire("base/INSTALLMAJ/" + nom), dossier.Lire("programme/INSTALLMAJ/" + nom)) << nom;
    EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / "base/INSTALLMAJ/D.DAT"));
    EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / "base/INSTALLMAJ/SOUS"));
}

TEST_F(Copie, ExistingFilesAreOverwrittenWithoutAQuestion) {
    Source("A.DAT", "nouveau");
    dossier.Ecrire("base/INSTALLMAJ/A.DAT", "ancien contenu, plus long");
    ::chmod(dossier.Natif("base/INSTALLMAJ/A.DAT").c_str(), 0444);
    EXPECT_EQ(frm.CopieInstallMAJ(dossier.Natif("base")), Succes);
    EXPECT_EQ(dossier.Lire("base/INSTALLMAJ/A.DAT"), "nouveau");
    EXPECT_TRUE(Dialogues().empty());
}

// Names that a command line would split or interpret, in a base folder with
// spaces: each lands under its own name.
TEST_F(Copie, AnyCharacterInTheNamesAndTheBaseFolderWorks) {
    const std::vector<std::string> noms{"Mise à jour 1.DAT", " devant et derrière ", "-n", "--help",
                                        "a'b\"c.DAT", "$HOME*?.DAT", "tab\there", "caf\xE9 1252.DAT",
                                        "point-virgule;et&.DAT", "ligne\nsuivante"};
    for (const std::string& nom : noms) Source(nom, "contenu de " + nom);
    dossier.CreerDossier("Base client 1/INSTALLMAJ");

    EXPECT_EQ(frm.CopieInstallMAJ(dossier.Natif("Base client 1")), Succes);

    EXPECT_EQ(espion.commandes.size(), noms.size());
    for (const std::string& nom : noms)
        EXPECT_EQ(dossier.Lire("Base client 1/INSTALLMAJ/" + nom), "contenu de " + nom) << nom;
    std::size_t copies = 0;
    for ([[maybe_unused]] const auto& entree :
         std::filesystem::directory_iterator(dossier.Chemin() / "Base client 1/INSTALLMAJ"))
        ++copies;
    EXPECT_EQ(copies, noms.size());
}

// A missing destination folder fails each file's copy inside its command:
// the copy goes on with the next file, asks nothing and creates nothing.
TEST_F(Copie, AMissingDestinationFolderFailsEachCopyWithoutPromptOrHang) {
    Source("A.DAT", "a");
    Source("B.DAT", "b");
    for (const std::string base : {"base sans dossier", "base absente"}) {
        if (base == "base sans dossier") dossier.CreerDossier(base);
        espion.commandes.clear();
        EXPECT_EQ(frm.CopieInstallMAJ(dossier.Natif(base)), Succes) << base;
        EXPECT_EQ(espion.commandes.size(), 2u) << base;
        EXPECT_FALSE(std::filesystem::exists(dossier.Chemin() / base / "INSTALLMAJ")) << base;
    }
    EXPECT_TRUE(Dialogues().empty());
}

TEST_F(Copie, AMissingSourceFolderStopsTheCopy) {
    dossier.CreerDossier("base/INSTALLMAJ");
    EXPECT_TRUE(frm.CopieInstallMAJ(dossier.Natif("base")).echec());
    EXPECT_TRUE(espion.commandes.empty());
}

TEST_F(Copie, AMissingListingObjectStopsTheCopy) {
    Source("A.DAT", "a");
    variable.G_Fso = nullptr;
    EXPECT_EQ(frm.CopieInstallMAJ(dossier.Natif("base")), ERR_OBJET_ABSENT);
    EXPECT_TRUE(espion.commandes.empty());
}

// A copy command that cannot be started stops the copy there: the remaining
// files are not tried.
TEST_F(Copie, ACommandThatCannotStartStopsTheCopy) {
    class SansCopieur : public SystemeEspion {
    public:
        using SystemeEspion::SystemeEspion;
        Commande CommandeCopie(const std::string& fichier, const std::string&) const override {
            return Commande{{"/copieur/introuvable", fichier}};
        }
        int tentatives = 0;
        Resultat<std::unique_ptr<ProcessusLance>> Demarrer(const Commande& commande) override {
            ++tentatives;
            return SystemeEspion::Demarrer(commande);
        }
    } sansCopieur{posix};
    Frm_MAJ copie{sansCopieur, composant, operateur, variable};
    Source("A.DAT", "a");
    Source("B.DAT", "b");
    dossier.CreerDossier("base/INSTALLMAJ");
    EXPECT_TRUE(copie.CopieInstallMAJ(dossier.Natif("base")).echec());
    EXPECT_EQ(sansCopieur.tentatives, 1);
}

// Through the whole run: the files land in the folder the server gives for
// the base, and a copy that stops still leaves the server command to follow.
class CopieDansLeTraitement : public Copie {
protected:
    CopieDansLeTraitement() {
        dossier.Ecrire("partage/BASES.TXT", "A\r\n");
        composant.qui = [this](const std::string&, int) { return dossier.Natif("Base A"); };
    }
    void Lancer() {
        Frm_MAJ run{espion, composant, operateur, variable};
        run.Form_Load();
    }
    std::string RequeteLancement() const {
        return "Execute A [P] [LANCEMAJCD " + dossier.Natif("programme") + " / VIDE " + dossier.Natif("Base A") + "]";
    }
};

TEST_F(CopieDansLeTraitement, TheFilesLandInTheBaseFolderBeforeTheServerCommand) {
    Source("A.DAT", "a");
    dossier.CreerDossier("Base A/INSTALLMAJ");
    Lancer();
    EXPECT_EQ(dossier.Lire("Base A/INSTALLMAJ/A.DAT"), "a");
    EXPECT_EQ(espion.deroulement, (std::vector<std::string>{"demarre 1", "fin 1"}));
    const auto requetes = journal.Filtrer({"Execute A [P] [LANCEMAJCD"});
    ASSERT_EQ(requetes.size(), 1u);
    EXPECT_EQ(requetes[0], RequeteLancement());
}

TEST_F(CopieDansLeTraitement, AMissingSourceFolderStillLeadsToTheServerCommand) {
    dossier.CreerDossier("Base A/INSTALLMAJ");
    Lancer();
    EXPECT_TRUE(espion.commandes.empty());
    EXPECT_EQ(journal.Filtrer({"Execute A [P] [LANCEMAJCD"}), (std::vector<std::string>{RequeteLancement()}));
}

}  // namespace
}  // namespace maj::test
