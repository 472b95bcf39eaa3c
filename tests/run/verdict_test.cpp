// The update request sent for each base and the verdict drawn from the
// completion marker, record "733" of the base's file "INSTALLMAJ".

#include <gtest/gtest.h>

#include "run/banc_traitement.h"

namespace maj::test {
namespace {

const std::string MIS_A_JOUR =
    "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
    "Base A : mise à jour.\r\n";
const std::string NON_MIS_A_JOUR =
    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
    "\r\nBase A : non mise à jour.\r\n\r\nVeuillez contacter TARMELDON.";

using Verification = BancTraitement;

struct CasVerdict {
    const char* nom;
    Erreur execution;         // answer of the server to the update request
    Erreur ouvertureFichier;  // opening of the marker file
    Erreur lecture;           // read of the marker
    std::vector<std::string> controle;
    bool misAJour;
};

class Verdict : public BancTraitement, public ::testing::WithParamInterface<CasVerdict> {};

TEST_P(Verdict, OnlyAMarkerActuallyReadMeansUpdated) {
    const CasVerdict& cas = GetParam();
    Bases("A\r\n");
    composant.execution = [&cas](const std::string&, const std::vector<std::string>&) { return cas.execution; };
    composant.ouvertureMarqueur = [&cas](const std::string&) { return cas.ouvertureFichier; };
    composant.lectureMarqueur = [&cas](const std::string&) { return cas.lecture; };

    EXPECT_EQ(Lancer(), cas.misAJour ? FinDuTraitement::ToutesAJour : FinDuTraitement::AvecErreurs);
    EXPECT_EQ(Lignes({"OpenFile", "Read"}), cas.controle);
    EXPECT_EQ(Lignes({"information", "critique"}),
              std::vector<std::string>{cas.misAJour ? MIS_A_JOUR : NON_MIS_A_JOUR});
}

const Erreur CONNEXION_PERDUE{0x80040010};
const Erreur REQUETE_REFUSEE{0x80040009};

INSTANTIATE_TEST_SUITE_P(
    Verification, Verdict,
    ::testing::Values(
        CasVerdict{"MarkerPresent", Succes, Succes, Succes, {"OpenFile A INSTALLMAJ", "Read A 733"}, true},
        CasVerdict{"MarkerMissing",
                   Succes,
                   Succes,
                   dba::DBA_E_RECORD_MISSING,
                   {"OpenFile A INSTALLMAJ", "Read A 733 -> 0x8004000B"},
                   false},
        // A check that could not be made is no proof of the update.
        CasVerdict{"ReadFailsOtherwise",
                   Succes,
                   Succes,
                   CONNEXION_PERDUE,
                   {"OpenFile A INSTALLMAJ", "Read A 733 -> 0x80040010"},
                   false},
        CasVerdict{"MarkerFileCannotBeOpened",
                   Succes,
                   Erreur{0x80040004},
                   Succes,
                   {"OpenFile A INSTALLMAJ -> 0x80040004"},
                   false},
        // The server's own answer is not examined: only the marker counts.
        CasVerdict{"RequestRefusedButMarkerPresent",
                   REQUETE_REFUSEE,
                   Succes,
                   Succes,
                   {"OpenFile A INSTALLMAJ", "Read A 733"},
                   true},
        CasVerdict{"RequestRefusedAndMarkerMissing",
                   REQUETE_REFUSEE,
                   Succes,
                   dba::DBA_E_RECORD_MISSING,
                   {"OpenFile A INSTALLMAJ", "Read A 733 -> 0x8004000B"},
                   false}),
    NomDuCas());

// A base that could not be opened has no marker to read: not updated, even
// right after a base that was.
TEST_F(Verification, NoOpenBaseAfterAnUpdatedBaseIsNotUpdated) {
    Bases("A\r\nB\r\n");
    composant.ouverture = [](const Session&, const std::string& base) {
        return base == "B" ? dba::DBA_E_LOGIN_DENIED : Succes;
    };
    operateur.reponsesSaisie = {"/saisi/B"};

    EXPECT_EQ(Lancer(), FinDuTraitement::AvecErreurs);
    EXPECT_EQ(Lignes({"OpenFile", "Read"}), (std::vector<std::string>{"OpenFile A INSTALLMAJ", "Read A 733"}));
    EXPECT_EQ(Lignes({"information", "critique"}),
              std::vector<std::string>{
                  "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                  "Base A : mise à jour.\r\n\r\nBase B : non mise à jour.\r\n\r\nVeuillez contacter TARMELDON."});
}

// A program that cannot tell its own folder has no update package: it copies
// nothing and sends no update request, rather than take another folder's.
TEST_F(Verification, UnknownProgramFolderSendsNoRequestAndCopiesNothing) {
    posix::SystemePosix sansDossier(dossier.Natif("partage"), "");
    Bases("A\r\n");
    composant.lectureMarqueur = [](const std::string&) { return dba::DBA_E_RECORD_MISSING; };

    EXPECT_EQ(Lancer(sansDossier), FinDuTraitement::AvecErreurs);
    EXPECT_TRUE(Lignes({"Execute A [P] [LANCEMAJCD"}).empty());
    EXPECT_EQ(Lignes({"OpenFile", "Read"}),
              (std::vector<std::string>{"OpenFile A INSTALLMAJ", "Read A 733 -> 0x8004000B"}));
}

struct CasRequete {
    const char* nom;
    std::string programme;  // the program's folder, under the test's folder
    std::string chemin;     // the base folder the server gives
    std::string lecteur;
};

class UpdateRequest : public BancTraitement, public ::testing::WithParamInterface<CasRequete> {};

TEST_P(UpdateRequest, FieldTwoNamesProgramFolderDriveAndBaseFolder) {
    const CasRequete& cas = GetParam();
    dossier.CreerDossier(cas.programme + "/INSTALLMAJ");
    const std::string programme = dossier.Natif(cas.programme);
    posix::SystemePosix systemeDuCas(dossier.Natif("partage"), programme);
    Bases("A\r\n");
    composant.qui = [&cas](const std::string&, int) { return cas.chemin; };
    std::vector<std::vector<std::string>> requetes;
    composant.execution = [&requetes](const std::string&, const std::vector<std::string>& champs) {
        requetes.push_back(champs);
        return Succes;
    };

    EXPECT_EQ(Lancer(systemeDuCas), FinDuTraitement::ToutesAJour);
    ASSERT_EQ(requetes.size(), 1u);
    EXPECT_EQ(requetes[0], (std::vector<std::string>{
                               "P", "LANCEMAJCD " + programme + " " + cas.lecteur + " VIDE " + cas.chemin}));
}

INSTANTIATE_TEST_SUITE_P(
    Verification, UpdateRequest,
    ::testing::Values(CasRequete{"DriveFolder", "PROG", "D:\\CLIENTS\\BASE1", "D"},
                      CasRequete{"FoldersWithSpaces", "mon programme", "/srv/bases/Base 1", "/"}),
    NomDuCas());

}  // namespace
}  // namespace maj::test
