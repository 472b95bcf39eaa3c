// The stand-in component through the interface the program uses: logins,
// opening rights, files and records, the two requests, the update rule and
// the faults set in its store.

#include <gtest/gtest.h>

#include <filesystem>

#include "composant_dba/composant.h"
#include "composant_dba/erreurs.h"
#include "composant_dba/paquet.h"
#include "composant_dba/tableau.h"
#include "platform/posix/registre_composants.h"
#include "standin/disposition.h"
#include "support/faux_composant.h"
#include "support/partage_temporaire.h"

namespace maj::test {
namespace {

using namespace composant_dba;
namespace fs = std::filesystem;

std::string Requete(const std::vector<std::string>& champs) {
    TableauDynamique tableau;
    for (std::size_t k = 0; k < champs.size(); ++k)
        EXPECT_FALSE(tableau.DefinirChamp(static_cast<int>(k + 1), champs[k]).echec());
    return *tableau.Texte();
}

class Composant : public ::testing::Test {
protected:
    Composant() : magasin(dossier.Natif("magasin")) {
        Disposer(magasin, [&](Contenu& c) {
            c.DefinirUtilisateur(UtilisateurDeTest("ADM", ""));
            c.DefinirUtilisateur(UtilisateurDeTest("DUPONT", "Sésame ouvre-toi"));
            c.DefinirBase({"BASE1", Dossier("base 1")});
            c.DefinirBase({"BASE2", Dossier("base 2")});
            c.AjouterDroit({"ADM", "BASE1"});
            c.AjouterDroit({"ADM", "BASE2"});
            c.AjouterDroit({"DUPONT", "BASE2"});
        });
        composant_dba::Inscrire(registre, magasin.Dossier());
    }

    std::string Dossier(const std::string& relatif) const { return dossier.Natif(relatif); }

    std::shared_ptr<dba::CClient> Connecter(const std::string& utilisateur = "ADM", const std::string& motPasse = "") {
        auto client = registre.CreerClient(dba::ID_CLIENT);
        EXPECT_TRUE(client.ok());
        absorbee((*client)->Connect(utilisateur, motPasse, "").erreur());  // tested where it matters
        return *client;
    }

    std::shared_ptr<dba::CDatabase> Ouvrir(const std::string& base) {
        auto ouverte = Connecter()->OpenDatabase("TARMELDON", base);
        EXPECT_TRUE(ouverte.ok()) << Hex(ouverte.erreur());
        return ouverte.ok() ? *ouverte : nullptr;
    }

    Erreur LireMarqueur(const std::string& base, const std::string& cle = "733") {
        auto fichier = Ouvrir(base)->OpenFile("INSTALLMAJ");
        if (!fichier.ok()) return fichier.erreur();
        return (*fichier)->Read(cle);
    }

    Resultat<std::shared_ptr<dba::CDynArray>> Executer(const std::string& base, const std::string& commande) {
        std::int32_t statut = 0;
        return Ouvrir(base)->Execute(Requete({"P", commande}), "", statut);
    }

    Contenu Lire() const {
        auto contenu = magasin.Lire();
        EXPECT_TRUE(contenu.ok());
        return contenu.ok() ? *contenu : Contenu{};
    }

    void AjouterPanne(Panne panne) {
        Disposer(magasin, [&](Contenu& c) { c.pannes.push_back(panne); });
    }

    DossierTemporaire dossier;
    Magasin magasin;
    posix::RegistreComposants registre;
};

struct CasIdentification {
    std::string utilisateur, motPasse, base;
    Erreur connexion, ouverture;
};

TEST_F(Composant, ConnectAndOpenAnswerFromUsersPasswordsAndRights) {
    const CasIdentification cas[] = {
        {"ADM", "", "BASE1", Succes, Succes},
        {"ADM", "x", "BASE1", DBA_E_LOGIN_DENIED, DBA_E_LOGIN_DENIED},
        {"adm", "", "BASE1", DBA_E_LOGIN_DENIED, DBA_E_LOGIN_DENIED},
        {"INCONNU", "", "BASE1", DBA_E_LOGIN_DENIED, DBA_E_LOGIN_DENIED},
        {"DUPONT", "Sésame ouvre-toi", "BASE2", Succes, Succes},
        {"DUPONT", "Sésame ouvre-toi ", "BASE2", DBA_E_LOGIN_DENIED, DBA_E_LOGIN_DENIED},
        {"DUPONT", "Sésame ouvre-toi", "BASE1", Succes, DBA_E_OPEN_DENIED},
        {"ADM", "", "BASE9", Succes, DBA_E_BASE_INCONNUE},
        {"ADM", "", "", Succes, DBA_E_BASE_INCONNUE},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.utilisateur + " / " + c.base);
        auto client = NouveauClient(magasin.Dossier());
        auto connexion = client->Connect(c.utilisateur, c.motPasse, "");
        EXPECT_EQ(connexion.erreur(), c.connexion) << Hex(connexion.erreur());
        if (connexion.ok()) {
            EXPECT_TRUE(*connexion);
        }
        EXPECT_EQ(client->OpenDatabase("TARMELDON", c.base).erreur(), c.ouverture);
    }
}

TEST_F(Composant, OnlyTheApplicationsOwnBasesOpen) {
    EXPECT_EQ(Connecter()->OpenDatabase("AUTRE", "BASE1").erreur(), DBA_E_APPLICATION_INCONNUE);
}

TEST_F(Composant, AClosedOrNeverOpenedConnectionServesNothing) {
    auto jamais = NouveauClient(magasin.Dossier());
    EXPECT_EQ(jamais->OpenDatabase("TARMELDON", "BASE1").erreur(), DBA_E_NON_CONNECTE);

    auto client = Connecter();
    auto base = client->OpenDatabase("TARMELDON", "BASE1");
    ASSERT_TRUE(base.ok());
    auto fichier = (*base)->OpenFile("INSTALLMAJ");
    ASSERT_TRUE(fichier.ok());
    EXPECT_FALSE(client->Close().echec());

    std::int32_t statut = 0;
    EXPECT_EQ((*base)->Execute(Requete({"P", "QUI"}), "", statut).erreur(), DBA_E_NON_CONNECTE);
    EXPECT_EQ((*base)->OpenFile("INSTALLMAJ").erreur(), DBA_E_NON_CONNECTE);
    EXPECT_EQ((*fichier)->Read("733"), DBA_E_NON_CONNECTE);
    EXPECT_EQ(client->OpenDatabase("TARMELDON", "BASE1").erreur(), DBA_E_NON_CONNECTE);
}

TEST_F(Composant, QuiAnswersTheOpenBasesFolder) {
    auto resultat = Executer("BASE2", "QUI");
    ASSERT_TRUE(resultat.ok());
    EXPECT_EQ(*(*resultat)->DCount(), 1);
    EXPECT_EQ(*(*resultat)->Champ(1), Dossier("base 2"));
}

TEST_F(Composant, FilesAndRecordsOfABase) {
    Disposer(magasin, [](Contenu& c) {
        c.DefinirEnregistrement({"BASE1", "INSTALLMAJ", "733", "appliquée"});
    });
    EXPECT_FALSE(LireMarqueur("BASE1").echec());
    EXPECT_EQ(LireMarqueur("BASE1", "734"), DBA_E_RECORD_MISSING);
    EXPECT_EQ(LireMarqueur("BASE2"), DBA_E_RECORD_MISSING);  // records belong to their base
    EXPECT_EQ(Ouvrir("BASE1")->OpenFile("AUTRE").erreur(), DBA_E_FICHIER_INCONNU);
}

struct CasRequete {
    std::vector<std::string> champs;
    Erreur erreur;
};

TEST_F(Composant, RequestsOtherThanTheTwoKnownFail) {
    const CasRequete cas[] = {
        {{"P", "qui"}, DBA_E_REQUETE_INCONNUE},
        {{"Q", "QUI"}, DBA_E_REQUETE_INCONNUE},
        {{"P"}, DBA_E_REQUETE_INCONNUE},
        {{"P", "QUI", "EN TROP"}, DBA_E_REQUETE_INCONNUE},
        {{}, DBA_E_REQUETE_INCONNUE},
        {{"P", "LANCEMAJCD"}, DBA_E_REQUETE_INCONNUE},
        {{"P", "LANCEMAJCD /prog"}, DBA_E_REQUETE_INVALIDE},
        {{"P", "LANCEMAJCD /prog X VIDE /base"}, DBA_E_REQUETE_INVALIDE},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(Requete(c.champs));
        std::int32_t statut = 0;
        EXPECT_EQ(Ouvrir("BASE1")->Execute(Requete(c.champs), "", statut).erreur(), c.erreur);
    }
}

// The update: a program folder holding a package, a base folder whose
// INSTALLMAJ folder gets (or not) a copy of it.
class MiseAJour : public Composant {
protected:
    MiseAJour() {
        dossier.Ecrire("mon programme/INSTALLMAJ/MANIFESTE.TXT", "# Mise à jour\r\nnumero=733\r\nlibelle=Exemple\r\n");
        dossier.Ecrire("mon programme/INSTALLMAJ/MAJ733.SQL", "UPDATE PARAMETRES SET VERSION = 733;\n");
        dossier.Ecrire("mon programme/INSTALLMAJ/DONNEES.BIN", std::string("\x00\x01\xFF\xFE", 4));
        dossier.CreerDossier("mon programme/INSTALLMAJ/SOUS-DOSSIER");
        dossier.Ecrire("mon programme/INSTALLMAJ/SOUS-DOSSIER/IGNORE.TXT", "pas copié");
        dossier.CreerDossier("base 1/INSTALLMAJ");
    }

    void CopierPaquet(const std::string& base = "base 1") {
        for (const auto& entree : fs::directory_iterator(dossier.Chemin() / "mon programme/INSTALLMAJ"))
            if (entree.is_regular_file())
                fs::copy_file(entree.path(), dossier.Chemin() / base / "INSTALLMAJ" / entree.path().filename(),
                              fs::copy_options::overwrite_existing);
    }

    std::string Lancement(const std::string& base = "base 1") {
        const std::string dossierBase = Dossier(base);
        return "LANCEMAJCD " + Dossier("mon programme") + " " + dossierBase.substr(0, 1) + " VIDE " + dossierBase;
    }
};

TEST_F(MiseAJour, AWholeCopyOfThePackageGetsItsCompletionRecord) {
    CopierPaquet();
    auto resultat = Executer("BASE1", Lancement());
    ASSERT_TRUE(resultat.ok()) << Hex(resultat.erreur());
    EXPECT_FALSE(LireMarqueur("BASE1").echec());
    const Contenu contenu = Lire();
    const auto* enregistrement = contenu.TrouverEnregistrement("BASE1", "INSTALLMAJ", "733");
    ASSERT_NE(enregistrement, nullptr);
    EXPECT_EQ(enregistrement->valeur.rfind("appliquée le ", 0), 0u);
    EXPECT_NE(enregistrement->valeur.find(" par ADM"), std::string::npos);
}

TEST_F(MiseAJour, ExtraFilesInTheBaseFolderDoNotMatter) {
    CopierPaquet();
    dossier.Ecrire("base 1/INSTALLMAJ/ANCIEN.SQL", "ancien");
    ASSERT_TRUE(Executer("BASE1", Lancement()).ok());
    EXPECT_FALSE(LireMarqueur("BASE1").echec());
}

struct CasPaquet {
    const char* nom;
    std::function<void(const DossierTemporaire&)> abimer;
    Erreur erreur;
};

TEST_F(MiseAJour, AnythingMissingOrDifferentWritesNoRecord) {
    const CasPaquet cas[] = {
        {"file missing", [](auto& d) { fs::remove(d.Chemin() / "base 1/INSTALLMAJ/MAJ733.SQL"); }, DBA_E_PAQUET_INCOMPLET},
        {"one byte differs", [](auto& d) { d.Ecrire("base 1/INSTALLMAJ/DONNEES.BIN", std::string("\x00\x01\xFF\xFF", 4)); },
         DBA_E_PAQUET_INCOMPLET},
        {"copy cut short", [](auto& d) { d.Ecrire("base 1/INSTALLMAJ/DONNEES.BIN", std::string("\x00\x01\xFF", 3)); },
         DBA_E_PAQUET_INCOMPLET},
        {"copy longer", [](auto& d) { d.Ecrire("base 1/INSTALLMAJ/MAJ733.SQL", "UPDATE PARAMETRES SET VERSION = 733;\n\n"); },
         DBA_E_PAQUET_INCOMPLET},
        {"manifest not copied", [](auto& d) { fs::remove(d.Chemin() / "base 1/INSTALLMAJ/MANIFESTE.TXT"); },
         DBA_E_PAQUET_INCOMPLET},
        {"a folder in place of a file",
         [](auto& d) {
             fs::remove(d.Chemin() / "base 1/INSTALLMAJ/MAJ733.SQL");
             d.CreerDossier("base 1/INSTALLMAJ/MAJ733.SQL");
         },
         DBA_E_PAQUET_INCOMPLET},
        {"no INSTALLMAJ folder in the base", [](auto& d) { fs::remove_all(d.Chemin() / "base 1/INSTALLMAJ"); },
         DBA_E_PAQUET_INCOMPLET},
        {"package without manifest",
         [](auto& d) {
             fs::remove(d.Chemin() / "mon programme/INSTALLMAJ/MANIFESTE.TXT");
             fs::remove(d.Chemin() / "base 1/INSTALLMAJ/MANIFESTE.TXT");
         },
         DBA_E_PAQUET_INVALIDE},
        {"no package", [](auto& d) { fs::remove_all(d.Chemin() / "mon programme/INSTALLMAJ"); }, DBA_E_PAQUET_INVALIDE},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        CopierPaquet();
        c.abimer(dossier);
        EXPECT_EQ(Executer("BASE1", Lancement()).erreur(), c.erreur);
        EXPECT_EQ(LireMarqueur("BASE1"), DBA_E_RECORD_MISSING);
        EXPECT_TRUE(Lire().enregistrements.empty());
        fs::remove_all(dossier.Chemin() / "base 1/INSTALLMAJ");
        fs::remove_all(dossier.Chemin() / "mon programme/INSTALLMAJ");
        fs::create_directories(dossier.Chemin() / "base 1/INSTALLMAJ");
        dossier.Ecrire("mon programme/INSTALLMAJ/MANIFESTE.TXT", "numero=733\n");
        dossier.Ecrire("mon programme/INSTALLMAJ/MAJ733.SQL", "UPDATE PARAMETRES SET VERSION = 733;\n");
        dossier.Ecrire("mon programme/INSTALLMAJ/DONNEES.BIN", std::string("\x00\x01\xFF\xFE", 4));
    }
}

TEST_F(MiseAJour, TheRecordIsKeyedByTheNumberTheManifestNames) {
    dossier.Ecrire("mon programme/INSTALLMAJ/MANIFESTE.TXT", "numero=734\n");
    CopierPaquet();
    ASSERT_TRUE(Executer("BASE1", Lancement()).ok());
    EXPECT_EQ(LireMarqueur("BASE1"), DBA_E_RECORD_MISSING);
    EXPECT_FALSE(LireMarqueur("BASE1", "734").echec());
}

struct CasManifeste {
    std::string texte;
    std::optional<std::string> numero;
};

TEST(Manifeste, ReadsItsNumberAndRefusesAnythingElse) {
    const CasManifeste cas[] = {
        {"numero=733\n", "733"},
        {"numero=733", "733"},
        {"# commentaire\r\n\r\nlibelle=Mise à jour = été\r\nnumero=733\r\n", "733"},
        {"numero=7.3_3-b\n", "7.3_3-b"},
        {"", std::nullopt},
        {"libelle=sans numéro\n", std::nullopt},
        {"numero=\n", std::nullopt},
        {"numero=733 \n", std::nullopt},
        {"numero=7 33\n", std::nullopt},
        {"numero=733\nnumero=734\n", std::nullopt},
        {"numéro=733\n", std::nullopt},
        {"numero 733\n", std::nullopt},
        {"numero=733\nversion=2\n", std::nullopt},
        {std::string("numero=733\0\n", 12), std::nullopt},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        auto manifeste = LireManifeste(c.texte);
        EXPECT_EQ(manifeste.ok(), c.numero.has_value());
        if (manifeste.ok() && c.numero) {
            EXPECT_EQ(manifeste->numero, *c.numero);
        } else if (!manifeste.ok()) {
            EXPECT_EQ(manifeste.erreur(), DBA_E_PAQUET_INVALIDE);
        }
    }
}

TEST_F(MiseAJour, FoldersWithSpacesAndVideInTheirNamesSplitTheRightWay) {
    // The base folder itself holds " / VIDE ": the text splits two ways, and
    // only one of them names a program folder that holds a package.
    const std::string relatif = "base 1/ VIDE /fin";
    Disposer(magasin, [&](Contenu& c) { c.DefinirBase({"BASE1", Dossier(relatif)}); });
    dossier.CreerDossier(relatif + "/INSTALLMAJ");
    CopierPaquet(relatif);
    ASSERT_TRUE(Executer("BASE1", Lancement(relatif)).ok());
    EXPECT_FALSE(LireMarqueur("BASE1").echec());
}

TEST_F(MiseAJour, PathsCrossIntoTheSystemThroughTheCodePage) {
    // "é" is the byte 0xE9 in the code page: the base folder's native name.
    fs::create_directories(dossier.Chemin() / "base\xE9/INSTALLMAJ");
    CopierPaquet("base\xE9");
    const std::string dossierBase = Dossier("base") + "é";
    EXPECT_TRUE(Executer("BASE1", "LANCEMAJCD " + Dossier("mon programme") + " / VIDE " + dossierBase).ok());
    EXPECT_FALSE(LireMarqueur("BASE1").echec());

    // A character the code page lacks names no folder.
    Disposer(magasin, [](Contenu& c) { c.enregistrements.clear(); });
    EXPECT_EQ(Executer("BASE1", "LANCEMAJCD " + Dossier("mon programme") + " / VIDE " + Dossier("base") + "Ω").erreur(),
              DBA_E_REQUETE_INVALIDE);
    EXPECT_EQ(LireMarqueur("BASE1"), DBA_E_RECORD_MISSING);
}

struct CasPanne {
    Operation operation;
    std::string cible;
};

TEST_F(MiseAJour, AFaultMakesItsOperationFailForItsTargetOnly) {
    CopierPaquet();
    dossier.CreerDossier("base 2/INSTALLMAJ");
    CopierPaquet("base 2");
    Disposer(magasin, [](Contenu& c) {
        c.DefinirEnregistrement({"BASE1", "INSTALLMAJ", "733", "appliquée"});
        c.DefinirEnregistrement({"BASE2", "INSTALLMAJ", "733", "appliquée"});
    });
    constexpr Erreur Coupure{0x80004005};
    const CasPanne cas[] = {
        {Operation::Connect, "ADM"}, {Operation::OpenDatabase, "BASE1"}, {Operation::OpenFile, "BASE1"},
        {Operation::Read, "BASE1"},  {Operation::Execute, "BASE1"},      {Operation::QUI, "BASE1"},
        {Operation::LANCEMAJCD, "BASE1"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(NomOperation(c.operation)));
        Disposer(magasin, [&](Contenu& contenu) {
            contenu.pannes = {{c.operation, c.cible, Coupure, std::nullopt}};
        });
        auto client = NouveauClient(magasin.Dossier());
        const Erreur connexion = client->Connect("ADM", "", "").erreur();
        auto base = client->OpenDatabase("TARMELDON", "BASE1");
        Erreur echec = connexion ? connexion : base.erreur();
        if (base.ok()) {
            std::int32_t statut = 0;
            const std::string requete =
                c.operation == Operation::LANCEMAJCD ? Lancement() : std::string("QUI");
            auto resultat = (*base)->Execute(Requete({"P", requete}), "", statut);
            auto fichier = (*base)->OpenFile("INSTALLMAJ");
            const Erreur lecture = fichier.ok() ? (*fichier)->Read("733") : fichier.erreur();
            echec = resultat.erreur() ? resultat.erreur() : lecture;
        }
        EXPECT_EQ(echec, Coupure);
        // Another target, and the same one without the fault, answer as usual.
        if (c.operation == Operation::Connect) {
            EXPECT_EQ(base.erreur(), Coupure);  // the refused connection opens nothing
            EXPECT_TRUE(NouveauClient(magasin.Dossier())->Connect("DUPONT", "Sésame ouvre-toi", "").ok());
        } else {
            EXPECT_FALSE(LireMarqueur("BASE2").echec());
            EXPECT_TRUE(Executer("BASE2", "QUI").ok());
        }
        Disposer(magasin, [](Contenu& contenu) { contenu.pannes.clear(); });
        EXPECT_FALSE(LireMarqueur("BASE1").echec());
    }
}

TEST_F(MiseAJour, AFaultOnTheUpdateWritesNothingEvenForAWholeCopy) {
    CopierPaquet();
    AjouterPanne({Operation::LANCEMAJCD, "BASE1", Erreur{0x80004005}, std::nullopt});
    EXPECT_EQ(Executer("BASE1", Lancement()).erreur(), Erreur{0x80004005});
    EXPECT_EQ(LireMarqueur("BASE1"), DBA_E_RECORD_MISSING);
}

TEST_F(Composant, QuiFallsSilentTheNumberOfTimesSetThenAnswers) {
    AjouterPanne({Operation::QUI, "BASE1", std::nullopt, 2});
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        auto resultat = Executer("BASE1", "QUI");  // each on a new connection, as the program makes them
        ASSERT_TRUE(resultat.ok());
        EXPECT_EQ(*(*resultat)->DCount(), 0);
        EXPECT_EQ(*(*resultat)->Champ(1), "");
    }
    EXPECT_EQ(*(*Executer("BASE1", "QUI"))->Champ(1), Dossier("base 1"));
    EXPECT_TRUE(Lire().pannes.empty());
}

TEST_F(Composant, AConnectionRefusedOnceLetsTheNextOneIn) {
    AjouterPanne({Operation::Connect, "ADM", DBA_E_LOGIN_DENIED, 1});
    auto refuse = NouveauClient(magasin.Dossier());
    EXPECT_EQ(refuse->Connect("ADM", "", "").erreur(), DBA_E_LOGIN_DENIED);
    EXPECT_EQ(refuse->OpenDatabase("TARMELDON", "BASE1").erreur(), DBA_E_LOGIN_DENIED);
    EXPECT_TRUE(Connecter()->OpenDatabase("TARMELDON", "BASE1").ok());
}

TEST_F(Composant, AFaultSetForeverStays) {
    AjouterPanne({Operation::Read, "BASE1", Erreur{0x800706BA}, std::nullopt});
    for (int n = 0; n < 3; ++n) EXPECT_EQ(LireMarqueur("BASE1"), Erreur{0x800706BA});
    EXPECT_EQ(Lire().pannes.size(), 1u);
}

TEST_F(Composant, ACorruptedOrMissingStoreFailsEveryOperationWithoutACrash) {
    auto client = Connecter();
    auto base = client->OpenDatabase("TARMELDON", "BASE1");
    ASSERT_TRUE(base.ok());
    dossier.Ecrire("magasin/MAGASIN.TXT", "MAGASIN-DBA 1\nbase\tBASE1\n");
    std::int32_t statut = 0;
    EXPECT_EQ((*base)->Execute(Requete({"P", "QUI"}), "", statut).erreur(), DBA_E_MAGASIN_ILLISIBLE);
    EXPECT_EQ((*base)->OpenFile("INSTALLMAJ").erreur(), DBA_E_MAGASIN_ILLISIBLE);

    auto nouveau = NouveauClient(magasin.Dossier());
    EXPECT_EQ(nouveau->Connect("ADM", "", "").erreur(), DBA_E_MAGASIN_ILLISIBLE);
    EXPECT_EQ(nouveau->OpenDatabase("TARMELDON", "BASE1").erreur(), DBA_E_MAGASIN_ILLISIBLE);

    auto sansMagasin = NouveauClient(Dossier("nulle part"));
    EXPECT_EQ(sansMagasin->Connect("ADM", "", "").erreur(), DBA_E_MAGASIN_ILLISIBLE);
}

TEST_F(Composant, TheRegistryCreatesTheComponentsObjectsFromTheirIdentifiers) {
    auto tableau = registre.CreerDynArray(dba::CLSID_DYNARRAY);
    ASSERT_TRUE(tableau.ok());
    EXPECT_FALSE((*tableau)->DefinirChamp(2, "QUI").echec());
    EXPECT_EQ(*(*tableau)->Texte(), "\x1EQUI");
    EXPECT_EQ(registre.CreerClient("DBA.Autre").erreur(), ERR_CREATION_OBJET);
}

}  // namespace
}  // namespace maj::test
