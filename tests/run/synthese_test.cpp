// The summary that ends a complete run: its kind and its text, byte for byte.

#include <gtest/gtest.h>

#include <algorithm>

#include "run/banc_traitement.h"

namespace maj::test {
namespace {

struct CasSynthese {
    const char* nom;
    std::string fichier;                    // the base list file
    std::vector<std::string> nonMisesAJour;  // bases whose marker is missing
    std::string message;                    // as the operator sees it: kind, title, text
    FinDuTraitement fin;
};

class Summary : public BancTraitement, public ::testing::WithParamInterface<CasSynthese> {};

TEST_P(Summary, TextAndKindFollowTheVerdicts) {
    const CasSynthese& cas = GetParam();
    Bases(cas.fichier);
    composant.lectureMarqueur = [&cas](const std::string& base) {
        const bool absent = std::find(cas.nonMisesAJour.begin(), cas.nonMisesAJour.end(), base) !=
                            cas.nonMisesAJour.end();
        return absent ? dba::DBA_E_RECORD_MISSING : Succes;
    };

    EXPECT_EQ(Lancer(), cas.fin);
    EXPECT_EQ(Lignes({"information", "critique"}), std::vector<std::string>{cas.message});
    // A complete run refreshes the version file whatever the verdicts.
    EXPECT_EQ(Version(), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Synthese, Summary,
    ::testing::Values(
        CasSynthese{"AllUpdated", "A\r\nB\r\nC\r\n", {},
                    "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
                    "Base A : mise à jour.\r\nBase B : mise à jour.\r\nBase C : mise à jour.\r\n",
                    FinDuTraitement::ToutesAJour},
        // An updated base's line stands at its own position: B leaves an
        // empty line between A and C.
        CasSynthese{"MiddleNotUpdated", "A\r\nB\r\nC\r\n", {"B"},
                    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                    "Base A : mise à jour.\r\n\r\nBase C : mise à jour.\r\n"
                    "\r\n"
                    "Base B : non mise à jour.\r\n"
                    "\r\nVeuillez contacter TARMELDON.",
                    FinDuTraitement::AvecErreurs},
        CasSynthese{"FirstNotUpdated", "A\r\nB\r\nC\r\n", {"A"},
                    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                    "\r\nBase B : mise à jour.\r\nBase C : mise à jour.\r\n"
                    "\r\n"
                    "Base A : non mise à jour.\r\n"
                    "\r\nVeuillez contacter TARMELDON.",
                    FinDuTraitement::AvecErreurs},
        CasSynthese{"LastNotUpdated", "A\r\nB\r\nC\r\n", {"C"},
                    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                    "Base A : mise à jour.\r\nBase B : mise à jour.\r\n"
                    "\r\n"
                    "Base C : non mise à jour.\r\n"
                    "\r\nVeuillez contacter TARMELDON.",
                    FinDuTraitement::AvecErreurs},
        // Not-updated lines follow one another in processing order.
        CasSynthese{"NoneUpdated", "A\r\nB\r\nC\r\n", {"A", "B", "C"},
                    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                    "\r\n"
                    "Base A : non mise à jour.\r\nBase B : non mise à jour.\r\nBase C : non mise à jour.\r\n"
                    "\r\nVeuillez contacter TARMELDON.",
                    FinDuTraitement::AvecErreurs},
        // Names are shown exactly as read: spaces kept, bytes of the code page
        // as their characters.
        CasSynthese{"NamesAsRead", " a b\r\nd\xE9j\xE0 \r\n", {"d\xC3\xA9j\xC3\xA0 "},
                    "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n"
                    "Base  a b : mise à jour.\r\n"
                    "\r\n"
                    "Base déjà  : non mise à jour.\r\n"
                    "\r\nVeuillez contacter TARMELDON.",
                    FinDuTraitement::AvecErreurs}),
    NomDuCas());

}  // namespace
}  // namespace maj::test
