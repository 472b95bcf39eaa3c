// The administration tool, run as a real program on a store of its own.

#include <gtest/gtest.h>

#include "composant_dba/composant.h"
#include "standin/lancement.h"
#include "support/partage_temporaire.h"

namespace maj::test {
namespace {

class Admin : public ::testing::Test {
protected:
    Issue Admin_(std::vector<std::string> arguments, const std::string& entree = "") {
        arguments.insert(arguments.begin(), {DBA_ADMIN, "--magasin", dossier.Natif("magasin")});
        return Lancer(arguments, entree, EnvironnementSans({}));
    }

    DossierTemporaire dossier;
};

TEST_F(Admin, LaysOutAStoreTheComponentServes) {
    ASSERT_EQ(Admin_({"creer"}).statut, 0);
    ASSERT_EQ(Admin_({"utilisateur", "ADM", "--iterations", "1000"}, "\n").statut, 0);
    ASSERT_EQ(Admin_({"utilisateur", "DUPONT", "--iterations", "1000"}, "Mot de passe à moi\n").statut, 0);
    ASSERT_EQ(Admin_({"base", "BASE 1", dossier.Natif("clients/base 1")}).statut, 0);
    ASSERT_EQ(Admin_({"autoriser", "DUPONT", "BASE 1"}).statut, 0);
    ASSERT_EQ(Admin_({"panne", "QUI", "BASE 1", "vide", "1"}).statut, 0);

    const std::string magasin = *dossier.Lire("magasin/MAGASIN.TXT");
    EXPECT_EQ(magasin.find("Mot de passe"), std::string::npos);

    auto client = composant_dba::NouveauClient(dossier.Natif("magasin"));
    EXPECT_EQ(client->Connect("DUPONT", "mauvais", "").erreur(), dba::DBA_E_LOGIN_DENIED);
    ASSERT_TRUE(client->Connect("DUPONT", "Mot de passe à moi", "").ok());
    auto adm = composant_dba::NouveauClient(dossier.Natif("magasin"));
    ASSERT_TRUE(adm->Connect("ADM", "", "").ok());
    EXPECT_EQ(adm->OpenDatabase("TARMELDON", "BASE 1").erreur(), dba::DBA_E_OPEN_DENIED);
    auto base = client->OpenDatabase("TARMELDON", "BASE 1");
    ASSERT_TRUE(base.ok());

    const Issue liste = Admin_({"lister"});
    EXPECT_EQ(liste.statut, 0);
    EXPECT_NE(liste.sortie.find("base BASE 1 : " + dossier.Natif("clients/base 1") + "\n"), std::string::npos);
    EXPECT_NE(liste.sortie.find("panne QUI BASE 1 vide 1 fois\n"), std::string::npos);
    EXPECT_EQ(liste.sortie.find("pbkdf2-sha256$"), std::string::npos);
}

TEST_F(Admin, ACorruptedStoreIsReportedWithItsLine) {
    ASSERT_EQ(Admin_({"creer"}).statut, 0);
    dossier.Ecrire("magasin/MAGASIN.TXT", "MAGASIN-DBA 1\n# note\nbase\tA\n");
    for (const auto& commande : std::vector<std::vector<std::string>>{{"verifier"}, {"lister"}, {"base", "B", "/b"}}) {
        const Issue issue = Admin_(commande);
        EXPECT_EQ(issue.statut, 1) << commande[0];
        EXPECT_EQ(issue.erreurs,
                  "dba_admin : MAGASIN.TXT, ligne 3 : « base » attend 2 champs, la ligne en a 1 (0x80040109)\n");
    }
    EXPECT_EQ(*dossier.Lire("magasin/MAGASIN.TXT"), "MAGASIN-DBA 1\n# note\nbase\tA\n");
}

TEST_F(Admin, WrongUseShowsTheUsageAndChangesNothing) {
    ASSERT_EQ(Admin_({"creer"}).statut, 0);
    const std::string avant = *dossier.Lire("magasin/MAGASIN.TXT");
    const std::vector<std::vector<std::string>> cas = {
        {},
        {"inconnue"},
        {"base", "A"},
        {"panne", "Write", "A", "0x80004005"},
        {"panne", "Read", "A", "80004005"},
        {"panne", "Read", "A", "0x80004005", "0"},
        {"utilisateur", "ADM", "--iterations", "10"},
        {"autoriser", "ADM", "A"},  // no such user nor base: refused by the store
    };
    for (const auto& c : cas) {
        const Issue issue = Admin_(c, "\n");
        EXPECT_NE(issue.statut, 0) << (c.empty() ? "" : c[0]);
        EXPECT_FALSE(issue.erreurs.empty());
    }
    EXPECT_EQ(*dossier.Lire("magasin/MAGASIN.TXT"), avant);
}

}  // namespace
}  // namespace maj::test
