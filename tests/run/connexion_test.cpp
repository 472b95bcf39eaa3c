// Opening of each base: the login retry on the first base when the default
// login is refused, and the fatal open at a later base.

#include <gtest/gtest.h>

#include "commun/texte.h"
#include "run/banc_traitement.h"
#include "support/systeme_enveloppe.h"

namespace maj::test {
namespace {

using Bouton = ReponseConnexion::Bouton;

// The dialog as the operator sees it when it opens.
std::string Dialogue(const std::string& utilisateur) {
    return "connexion utilisateur='" + utilisateur + "' selection=0+" +
           std::to_string(NombreCaracteres(utilisateur)) + " motpasse=''";
}

// The default login refused by the server; any other login accepted.
std::function<Erreur(const Session&, const std::string&)> RefuseAdm(Erreur refus) {
    return [refus](const Session& session, const std::string&) {
        return session.utilisateur == "ADM" ? refus : Succes;
    };
}

class LoginRefused : public BancTraitement, public ::testing::WithParamInterface<Erreur> {};

TEST_P(LoginRefused, DialogPrefilledWithTheAccountNameAndTypedLoginKeptForEveryBase) {
    const std::string compte = NomDuCompte();
    ASSERT_FALSE(compte.empty());
    ASSERT_NE(compte, "ADM");
    Bases("A\r\nB\r\n");
    composant.ouverture = RefuseAdm(GetParam());
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "secret"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);

    auto attendu = Suite(Debut(), {
        "OpenDatabase TARMELDON A -> " + Hex(GetParam()),
        // The run gives the operator the window back, for good.
        "evenements",
        "ecran defaut",
        "fenetre activee",
        Dialogue(compte),
        "CreerClient",
        "Connect DUPONT/secret",
    });
    // The base is opened again on the new connection, and its cycle goes on.
    attendu = Suite(attendu, CycleNormal("A", Programme(), "DUPONT/secret"));
    attendu = Suite(attendu, CycleNormal("B", Programme(), "DUPONT/secret"));
    attendu = Suite(attendu, {
        "evenements",
        "ecran defaut",
        "fenetre activee",
        "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
        "Base A : mise à jour.\r\nBase B : mise à jour.\r\n",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);
}

INSTANTIATE_TEST_SUITE_P(Connexion, LoginRefused, ::testing::Values(dba::DBA_E_OPEN_DENIED, dba::DBA_E_LOGIN_DENIED),
                         [](const ::testing::TestParamInfo<Erreur>& cas) {
                             return cas.param == dba::DBA_E_OPEN_DENIED ? "OpenDenied" : "LoginDenied";
                         });

using Connexion = BancTraitement;

class OtherErrorAtPosition1 : public BancTraitement, public ::testing::WithParamInterface<Erreur> {};

TEST_P(OtherErrorAtPosition1, NeitherAsksNorStops) {
    const Erreur autre = GetParam();
    Bases("A\r\nB\r\n");
    composant.ouverture = [autre](const Session&, const std::string& base) { return base == "A" ? autre : Succes; };
    operateur.reponsesSaisie = {"/saisi/A"};

    EXPECT_EQ(Lancer(), FinDuTraitement::AvecErreurs);

    // No base is open: neither request reaches the server and the marker
    // cannot be looked for; the operator is asked for the folder.
    auto attendu = Suite(Debut(), {
        "OpenDatabase TARMELDON A -> " + Hex(autre),
        "saisie [MajServeur] Saisir le chemin de la base A.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)",
        "Close",
        "CreerClient",
        "Connect ADM/",
    });
    attendu = Suite(attendu, CycleNormal("B", Programme()));
    attendu = Suite(attendu, {
        "evenements",
        "ecran defaut",
        "fenetre activee",
        "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
        "\r\nBase B : mise à jour.\r\n\r\nBase A : non mise à jour.\r\n\r\nVeuillez contacter TARMELDON.",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);
}

INSTANTIATE_TEST_SUITE_P(Connexion, OtherErrorAtPosition1,
                         ::testing::Values(Erreur{0x80040005}, dba::DBA_E_RECORD_MISSING, ERR_OBJET_ABSENT),
                         [](const ::testing::TestParamInfo<Erreur>& cas) { return Hex(cas.param); });

// A platform that cannot tell the user's name leaves the login as it was.
TEST_F(Connexion, DialogKeepsTheDefaultNameWhenTheUserNameIsUnknown) {
    struct SansNom : SystemeEnveloppe {
        using SystemeEnveloppe::SystemeEnveloppe;
        Resultat<std::string> NomUtilisateur() override { return ERR_INTERNE; }
    } sansNom(systeme);
    Bases("A\r\n");
    composant.ouverture = [](const Session& session, const std::string&) {
        return session.motPasse == "bon" ? Succes : dba::DBA_E_OPEN_DENIED;
    };
    operateur.reponsesConnexion = {{Bouton::Ok, std::nullopt, "bon"}};

    EXPECT_EQ(Lancer(sansNom), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"connexion", "Connect"}),
              (std::vector<std::string>{"Connect ADM/", Dialogue("ADM"), "Connect ADM/bon", "Connect ADM/bon"}));
}

TEST_F(Connexion, WrongCredentialsBringTheDialogBackWithTheLastNameAndNoPassword) {
    Bases("A\r\n");
    composant.ouverture = [](const Session& session, const std::string&) {
        return session.utilisateur == "DUPONT" && session.motPasse == "bon" ? Succes : dba::DBA_E_OPEN_DENIED;
    };
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "faux"}, {Bouton::Ok, std::nullopt, "bon"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"connexion", "Connect", "OpenDatabase"}),
              (std::vector<std::string>{
                  "Connect ADM/",
                  "OpenDatabase TARMELDON A -> 0x80040006",
                  Dialogue(NomDuCompte()),
                  "Connect DUPONT/faux",
                  "OpenDatabase TARMELDON A -> 0x80040006",
                  Dialogue("DUPONT"),
                  "Connect DUPONT/bon",
                  "OpenDatabase TARMELDON A",
                  "Connect DUPONT/bon",
              }));
}

// A refused connect is seen only through the open that follows it.
TEST_F(Connexion, RefusedConnectBringsTheDialogBack) {
    Bases("A\r\n");
    composant.connexion = [](const Session& session) {
        return session.motPasse == "bon" ? Succes : Erreur{0x80040007};
    };
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "faux"}, {Bouton::Ok, std::nullopt, "bon"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"connexion", "Connect", "OpenDatabase"}),
              (std::vector<std::string>{
                  "Connect ADM/ -> 0x80040007",
                  "OpenDatabase TARMELDON A -> 0x80040019",
                  Dialogue(NomDuCompte()),
                  "Connect DUPONT/faux -> 0x80040007",
                  "OpenDatabase TARMELDON A -> 0x80040019",
                  Dialogue("DUPONT"),
                  "Connect DUPONT/bon",
                  "OpenDatabase TARMELDON A",
                  "Connect DUPONT/bon",
              }));
}

// The loop ends only once the connect and the open have both succeeded: a
// connect that reports a failure asks again, even if the base opens.
TEST_F(Connexion, FailedConnectAsksAgainEvenWhenTheBaseOpens) {
    Bases("A\r\n");
    composant.connexion = [](const Session& session) {
        return session.motPasse == "bon" ? Succes : Erreur{0x80040007};
    };
    composant.ouvertureSansConnexion = [](const Session& session, const std::string&) {
        return session.utilisateur == "ADM" ? dba::DBA_E_LOGIN_DENIED : Succes;
    };
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "faux"}, {Bouton::Ok, std::nullopt, "bon"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"connexion", "Connect", "OpenDatabase"}),
              (std::vector<std::string>{
                  "Connect ADM/ -> 0x80040007",
                  "OpenDatabase TARMELDON A -> 0x80040019",
                  Dialogue(NomDuCompte()),
                  "Connect DUPONT/faux -> 0x80040007",
                  "OpenDatabase TARMELDON A",
                  Dialogue("DUPONT"),
                  "Connect DUPONT/bon",
                  "OpenDatabase TARMELDON A",
                  "Connect DUPONT/bon",
              }));
}

// The close box changes nothing: the same login is tried again.
TEST_F(Connexion, CloseBoxRetriesWithUnchangedCredentials) {
    Bases("A\r\n");
    composant.ouverture = [](const Session& session, const std::string&) {
        return session.motPasse == "bon" ? Succes : dba::DBA_E_LOGIN_DENIED;
    };
    operateur.reponsesConnexion = {{Bouton::CaseFermeture, "TAPE", "tape"}, {Bouton::Ok, std::nullopt, "bon"}};
    const std::string compte = NomDuCompte();

    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_FALSE(variable.G_Annule);
    EXPECT_EQ(Lignes({"connexion", "Connect", "OpenDatabase"}),
              (std::vector<std::string>{
                  "Connect ADM/",
                  "OpenDatabase TARMELDON A -> 0x80040019",
                  Dialogue(compte),
                  "Connect " + compte + "/",
                  "OpenDatabase TARMELDON A -> 0x80040019",
                  Dialogue(compte),
                  "Connect " + compte + "/bon",
                  "OpenDatabase TARMELDON A",
                  "Connect " + compte + "/bon",
              }));
}

TEST_F(Connexion, CancelEndsTheRunWithoutSummaryNorVersionRefresh) {
    Bases("A\r\nB\r\n");
    EcrireVersion("v1\r\n");
    composant.ouverture = RefuseAdm(dba::DBA_E_OPEN_DENIED);
    operateur.reponsesConnexion = {{Bouton::Annuler, "DUPONT", "secret"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    EXPECT_EQ(journal.Lignes(),
              Suite(Debut(), {
                  "OpenDatabase TARMELDON A -> 0x80040006",
                  "evenements",
                  "ecran defaut",
                  "fenetre activee",
                  Dialogue(NomDuCompte()),
                  "critique [Message TARMELDON] Les bases de données n'ont pas été mise a jour.",
                  "Close",
                  "fermer",
              }));
    EXPECT_EQ(Version(), "v1\r\n");
}

TEST_F(Connexion, CancelAfterAWrongLoginEndsTheRunAsWell) {
    Bases("A\r\n");
    composant.ouverture = [](const Session&, const std::string&) { return dba::DBA_E_OPEN_DENIED; };
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "faux"}, {Bouton::Annuler, std::nullopt, ""}};

    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    EXPECT_EQ(Lignes({"connexion", "Connect", "OpenDatabase", "critique", "information", "Close", "fermer"}),
              (std::vector<std::string>{
                  "Connect ADM/",
                  "OpenDatabase TARMELDON A -> 0x80040006",
                  Dialogue(NomDuCompte()),
                  "Connect DUPONT/faux",
                  "OpenDatabase TARMELDON A -> 0x80040006",
                  Dialogue("DUPONT"),
                  "critique [Message TARMELDON] Les bases de données n'ont pas été mise a jour.",
                  "Close",
                  "fermer",
              }));
    EXPECT_EQ(Version(), std::nullopt);
}

// A base that cannot be opened after the first one ends the whole run.
TEST_F(Connexion, OpenDeniedAtPosition2IsFatal) {
    Bases("A\r\nB\r\nC\r\n");
    EcrireVersion("v1\r\n");
    composant.ouverture = [](const Session&, const std::string& base) {
        return base == "B" ? dba::DBA_E_OPEN_DENIED : Succes;
    };

    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    auto attendu = Suite(Debut(), CycleNormal("A", Programme()));
    attendu = Suite(attendu, {
        "OpenDatabase TARMELDON B -> 0x80040006",
        "critique [Message TARMELDON] Problème dans l'ouverture de la Base de données : B\r\n"
        "Merci de contacter TARMELDON",
        "evenements",
        "fenetre pointeur defaut",
        "fenetre activee",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);
    EXPECT_EQ(Version(), "v1\r\n");
}

// After the login dialog the fatal open keeps the pointer the dialog restored.
TEST_F(Connexion, OpenDeniedAtPosition2AfterTheDialogIsFatal) {
    Bases("A\r\nB\r\n");
    composant.ouverture = [](const Session& session, const std::string& base) {
        return session.utilisateur == "ADM" || base == "B" ? dba::DBA_E_OPEN_DENIED : Succes;
    };
    operateur.reponsesConnexion = {{Bouton::Ok, "DUPONT", "secret"}};

    EXPECT_EQ(Lancer(), FinDuTraitement::Interrompu);
    EXPECT_EQ(Lignes({"ecran", "fenetre", "evenements", "connexion", "critique", "information", "fermer"}),
              (std::vector<std::string>{
                  "ecran sablier",
                  "fenetre desactivee",
                  "evenements",
                  "ecran defaut",
                  "fenetre activee",
                  Dialogue(NomDuCompte()),
                  "critique [Message TARMELDON] Problème dans l'ouverture de la Base de données : B\r\n"
                  "Merci de contacter TARMELDON",
                  "evenements",
                  "fenetre pointeur defaut",
                  "fenetre activee",
                  "fermer",
              }));
    EXPECT_EQ(Version(), std::nullopt);
}

TEST_F(Connexion, LoginDeniedAtPosition2NeitherAsksForALoginNorStops) {
    Bases("A\r\nB\r\nC\r\n");
    composant.ouverture = [](const Session&, const std::string& base) {
        return base == "B" ? dba::DBA_E_LOGIN_DENIED : Succes;
    };
    operateur.reponsesSaisie = {"/saisi/B"};

    EXPECT_EQ(Lancer(), FinDuTraitement::AvecErreurs);
    auto attendu = Suite(Debut(), CycleNormal("A", Programme()));
    attendu = Suite(attendu, {
        "OpenDatabase TARMELDON B -> 0x80040019",
        // The failed requests give no folder, never the previous base's.
        "saisie [MajServeur] Saisir le chemin de la base B.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)",
        "Close",
        "CreerClient",
        "Connect ADM/",
    });
    attendu = Suite(attendu, CycleNormal("C", Programme()));
    attendu = Suite(attendu, {
        "evenements",
        "ecran defaut",
        "fenetre activee",
        "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
        "Base A : mise à jour.\r\n\r\nBase C : mise à jour.\r\n\r\nBase B : non mise à jour.\r\n\r\n"
        "Veuillez contacter TARMELDON.",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);
}

}  // namespace
}  // namespace maj::test
