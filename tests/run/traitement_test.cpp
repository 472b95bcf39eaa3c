// The update run through the fake component and the scripted operator: the
// walk over the base list, the connection of each base, the pointer and
// window states, and the run when the component cannot be created.

#include <gtest/gtest.h>

#include "run/banc_traitement.h"
#include "support/systeme_enveloppe.h"

namespace maj::test {
namespace {

using Traitement = BancTraitement;

TEST_F(Traitement, AllBasesUpdatedGiveTheInformationSummary) {
    Bases("A\r\nB\r\n");
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    const auto messages = journal.Filtrer({"information", "critique"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
              "Base A : mise à jour.\r\nBase B : mise à jour.\r\n");
}

// Every base on a fresh connection, each cycle ending with one Close and one
// new Connect; the last connection is closed by the tear-down.
TEST_F(Traitement, CompleteRunInItsExactOrder) {
    Bases("A\r\nB\r\nC\r\n");
    std::optional<std::string> versionPendantSynthese = "pas vue";
    std::size_t lignesPendantSynthese = 0;
    operateur.pendantMessage = [&](const std::string&) {
        versionPendantSynthese = Version();
        lignesPendantSynthese = journal.Lignes().size();
    };

    // The rewrite of the version file takes its place in the journal.
    struct VersionNotee : SystemeEnveloppe {
        VersionNotee(Systeme& reel, Journal& journalDuTest) : SystemeEnveloppe(reel), journal_(journalDuTest) {}
        Erreur RemplacerContenu(const std::string& chemin, std::string_view octets) override {
            journal_.Noter("RemplacerContenu " + chemin);
            return SystemeEnveloppe::RemplacerContenu(chemin, octets);
        }
        Journal& journal_;
    } versionNotee(systeme, journal);

    EXPECT_EQ(Lancer(versionNotee), FinDuTraitement::ToutesAJour);

    auto attendu = Debut();
    for (const char* base : {"A", "B", "C"}) attendu = Suite(attendu, CycleNormal(base, Programme()));
    attendu = Suite(attendu, {
        "evenements",
        "ecran defaut",
        "fenetre activee",
        "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
        "Base A : mise à jour.\r\nBase B : mise à jour.\r\nBase C : mise à jour.\r\n",
        "RemplacerContenu \\\\127.0.0.1\\MERVANT\\TARMELDON\\VERSION.txt",
        "Close",
        "fermer",
    });
    EXPECT_EQ(journal.Lignes(), attendu);

    // The summary waits for the operator: the version file is refreshed and
    // the connection torn down only once the message is closed.
    EXPECT_EQ(versionPendantSynthese, std::nullopt);
    EXPECT_EQ(lignesPendantSynthese, attendu.size() - 3);
    EXPECT_EQ(Version(), "\r\n");
}

struct CasListe {
    const char* nom;
    std::optional<std::string> fichier;  // nothing: no base list on the share
    std::vector<std::string> ouvertes;
};

std::string Lignes30(int nombre) {
    std::string octets;
    for (int k = 1; k <= nombre; ++k) octets += "B" + std::to_string(k) + "\r\n";
    return octets;
}

std::vector<std::string> Ouvertures30() {
    std::vector<std::string> lignes;
    for (int k = 1; k <= 30; ++k) lignes.push_back("OpenDatabase TARMELDON B" + std::to_string(k));
    return lignes;
}

class WalkOverTheList : public BancTraitement, public ::testing::WithParamInterface<CasListe> {};

TEST_P(WalkOverTheList, OpensTheBasesOfTheCycleAndNoOther) {
    if (GetParam().fichier) Bases(*GetParam().fichier);
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    EXPECT_EQ(Lignes({"OpenDatabase"}), GetParam().ouvertes);
    // One Close per cycle, and the tear-down's.
    EXPECT_EQ(Lignes({"Close"}).size(), GetParam().ouvertes.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Traitement, WalkOverTheList,
    ::testing::Values(
        // Position 1 is processed whatever it holds: base "" is opened.
        CasListe{"MissingListOpensBaseEmpty", std::nullopt, {"OpenDatabase TARMELDON "}},
        CasListe{"EmptyListOpensBaseEmpty", "", {"OpenDatabase TARMELDON "}},
        CasListe{"EmptyFirstEntryStillLetsTheNextRun", "\r\nB\r\n",
                 {"OpenDatabase TARMELDON ", "OpenDatabase TARMELDON B"}},
        CasListe{"EmptyEntryAtPosition2EndsTheCycle", "A\r\n\r\nC\r\n", {"OpenDatabase TARMELDON A"}},
        CasListe{"EmptyEntryAtPosition3EndsTheCycle", "A\r\nB\r\n\r\nD\r\n",
                 {"OpenDatabase TARMELDON A", "OpenDatabase TARMELDON B"}},
        CasListe{"ThirtyEntriesGiveThirtyCycles", Lignes30(30), Ouvertures30()},
        CasListe{"NoThirtyFirstCycle", Lignes30(31), Ouvertures30()}),
    NomDuCas());

// A component that cannot be created makes every component operation fail;
// the run still walks the whole list and ends with its summary.
struct CasComposantAbsent {
    const char* nom;
    bool client;
    bool tableaux;
    std::vector<std::string> journal;
    FinDuTraitement fin;
};

const std::string CLIENT_ABSENT = "CreerClient -> 0x000001AD";
const std::string SAISIE_A =
    "saisie [MajServeur] Saisir le chemin de la base A.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)";
const std::string SAISIE_B =
    "saisie [MajServeur] Saisir le chemin de la base B.\r\n(ex:D:\\BASESCLIENTS\\BASEAFA)";

class MissingComponent : public BancTraitement, public ::testing::WithParamInterface<CasComposantAbsent> {};

TEST_P(MissingComponent, RunWalksTheListAndEndsNormally) {
    Bases("A\r\nB\r\n");
    composant.clientDisponible = GetParam().client;
    composant.tableauxDisponibles = GetParam().tableaux;
    operateur.reponsesSaisie = {"/saisi/A", "/saisi/B"};

    EXPECT_EQ(Lancer(), GetParam().fin);
    EXPECT_EQ(journal.Lignes(), GetParam().journal);
    EXPECT_EQ(Version(), "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Traitement, MissingComponent,
    ::testing::Values(
        CasComposantAbsent{
            "NoClient", false, true,
            {"ecran sablier", "fenetre desactivee", CLIENT_ABSENT, SAISIE_A, CLIENT_ABSENT, SAISIE_B,
             CLIENT_ABSENT, "evenements", "ecran defaut", "fenetre activee",
             "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n\r\n"
             "Base A : non mise à jour.\r\nBase B : non mise à jour.\r\n\r\nVeuillez contacter TARMELDON.",
             "fermer"},
            FinDuTraitement::AvecErreurs},
        // Without arrays neither request can be made, but the marker of each
        // base is still looked for under the update's number; the summary's
        // lists have no lines.
        CasComposantAbsent{
            "NoArrays", true, false,
            {"ecran sablier", "fenetre desactivee", "CreerClient", "Connect ADM/",
             "OpenDatabase TARMELDON A", SAISIE_A, "OpenFile A INSTALLMAJ", "Read A 733", "Close",
             "CreerClient", "Connect ADM/", "OpenDatabase TARMELDON B", SAISIE_B, "OpenFile B INSTALLMAJ",
             "Read B 733", "Close", "CreerClient", "Connect ADM/", "evenements", "ecran defaut",
             "fenetre activee",
             "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n", "Close",
             "fermer"},
            FinDuTraitement::ToutesAJour},
        CasComposantAbsent{
            "NoClientNorArrays", false, false,
            {"ecran sablier", "fenetre desactivee", CLIENT_ABSENT, SAISIE_A, CLIENT_ABSENT, SAISIE_B,
             CLIENT_ABSENT, "evenements", "ecran defaut", "fenetre activee",
             "critique [Message TARMELDON] La mise à jour du serveur contient des erreurs.\r\n\r\n\r\n\r\n"
             "Veuillez contacter TARMELDON.",
             "fermer"},
            FinDuTraitement::AvecErreurs}),
    NomDuCas());

}  // namespace
}  // namespace maj::test
