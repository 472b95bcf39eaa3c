// The base list read from real files on a temporary share, each one read in
// pieces of several sizes so that line ends fall across reads.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/lecture_controlee.h"
#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

const std::string CheminBases = "\\\\127.0.0.1\\MERVANT\\BASES.TXT";

std::string Lignes(int debut, int fin) {
    std::string texte;
    for (int k = debut; k <= fin; ++k) texte += "B" + std::to_string(k) + "\r\n";
    return texte;
}

std::vector<std::string> Noms(int debut, int fin) {
    std::vector<std::string> noms;
    for (int k = debut; k <= fin; ++k) noms.push_back("B" + std::to_string(k));
    return noms;
}

class ListeDesBases : public ::testing::Test {
protected:
    ListeDesBases() {
        dossier.CreerDossier("partage");
        controle.chemin = CheminBases;
    }

    // Reads the list and gives the 30 entries, with those after `lues` "".
    Erreur Lire(std::vector<std::string>& bases) {
        Frm_MAJ frm(controle, composant, operateur, variable);
        const Erreur erreur = frm.Recup_Base();
        bases.clear();
        for (int k = 1; k <= constantes::NOMBRE_BASES; ++k) bases.push_back(frm.Bases()(k));
        return erreur;
    }

    static std::vector<std::string> Trente(std::vector<std::string> noms) {
        noms.resize(constantes::NOMBRE_BASES);
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

struct Contenu {
    const char* cas;
    std::string octets;
    std::vector<std::string> bases;
    friend void PrintTo(const Contenu& c, std::ostream* os) { *os << c.cas; }
};

class LectureDesLignes : public ListeDesBases, public ::testing::WithParamInterface<Contenu> {};

TEST_P(LectureDesLignes, GivesTheNamesExactlyAsWritten) {
    dossier.Ecrire("partage/BASES.TXT", GetParam().octets);
    for (const std::size_t morceau : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 20}) {
        SCOPED_TRACE("reads of " + std::to_string(morceau) + " bytes");
        controle.morceau = morceau;
        std::vector<std::string> bases;
        EXPECT_EQ(Lire(bases), Succes);
        EXPECT_EQ(bases, Trente(GetParam().bases));
        EXPECT_EQ(controle.ouverts, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ListeDesBases, LectureDesLignes,
    ::testing::Values(
        Contenu{"CrLf", "A\r\nB\r\n", {"A", "B"}},
        Contenu{"NoFinalLineEnd", "A\r\nB", {"A", "B"}},
        Contenu{"LoneCr", "A\rB\r", {"A", "B"}},
        Contenu{"LoneLfStaysInTheName", "A\nB\r\nC", {"A\nB", "C"}},
        Contenu{"LfOnlyIsOneEntry", "A\nB\nC\n", {"A\nB\nC\n"}},
        Contenu{"EmptyLine", "A\r\n\r\nB\r\n", {"A", "", "B"}},
        Contenu{"CrThenCrLf", "A\r\r\nB", {"A", "", "B"}},
        Contenu{"ZeroBytes", "", {}},
        Contenu{"SpacesKept", "  A  \r\n\tB \r\n", {"  A  ", "\tB "}},
        Contenu{"CodePage", "Caf\xE9\r\n\x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xFF",
                {"Café", "€\u0081\u008D\u008F\u0090\u009DŸ\u00A0ÿ"}},
        Contenu{"ThirtyOneLines", Lignes(1, 31), Noms(1, 30)},
        Contenu{"ThirtyLinesWithoutFinalEnd", Lignes(1, 29) + "B30", Noms(1, 30)},
        Contenu{"LineLongerThanABlock", std::string(100'000, 'x') + "\r\nB", {std::string(100'000, 'x'), "B"}},
        Contenu{"CrLfAcrossBlocks", std::string(65'535, 'x') + "\r\nB", {std::string(65'535, 'x'), "B"}}),
    [](const auto& cas) { return std::string(cas.param.cas); });

struct Coupure {
    std::size_t apres;  // bytes served before reads fail
    std::vector<std::string> bases;
    friend void PrintTo(const Coupure& c, std::ostream* os) { *os << "reads fail after " << c.apres << " bytes"; }
};

class LectureInterrompue : public ListeDesBases, public ::testing::WithParamInterface<Coupure> {};

// A read failing part-way keeps every entry whose line end was read; the
// entry being read when it failed is not taken, and the file is closed.
TEST_P(LectureInterrompue, KeepsTheEntriesReadSoFar) {
    dossier.Ecrire("partage/BASES.TXT", "A\r\nB\r\nC\r\n");
    controle.echecApres = GetParam().apres;
    for (const std::size_t morceau : {std::size_t{1}, std::size_t{1} << 20}) {
        SCOPED_TRACE("reads of " + std::to_string(morceau) + " bytes");
        controle.morceau = morceau;
        std::vector<std::string> bases;
        EXPECT_EQ(Lire(bases), ERR_ES_PERIPHERIQUE);
        EXPECT_EQ(bases, Trente(GetParam().bases));
        EXPECT_EQ(controle.ouverts, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(ListeDesBases, LectureInterrompue,
                         ::testing::Values(Coupure{0, {}}, Coupure{1, {}}, Coupure{2, {"A"}}, Coupure{3, {"A"}},
                                           Coupure{4, {"A"}}, Coupure{5, {"A", "B"}}, Coupure{8, {"A", "B", "C"}},
                                           Coupure{9, {"A", "B", "C"}}),
                         [](const auto& cas) { return "FailsAfter" + std::to_string(cas.param.apres) + "Bytes"; });

TEST_F(ListeDesBases, AFileThatCannotBeOpenedLeavesEveryEntryEmpty) {
    const auto vide = Trente({});
    std::vector<std::string> bases;

    EXPECT_EQ(Lire(bases), ERR_FICHIER_INTROUVABLE);
    EXPECT_EQ(bases, vide);

    controle.echecOuverture = ERR_PERMISSION_REFUSEE;
    dossier.Ecrire("partage/BASES.TXT", "A\r\n");
    EXPECT_EQ(Lire(bases), ERR_PERMISSION_REFUSEE);
    EXPECT_EQ(bases, vide);
    controle.echecOuverture.reset();

    // Neither a folder nor a pipe is read: a pipe without a writer would
    // hold the run for ever.
    std::filesystem::remove(dossier.Chemin() / "partage/BASES.TXT");
    dossier.CreerDossier("partage/BASES.TXT");
    EXPECT_TRUE(Lire(bases).echec());
    EXPECT_EQ(bases, vide);
    std::filesystem::remove(dossier.Chemin() / "partage/BASES.TXT");
    ASSERT_EQ(::mkfifo(dossier.Natif("partage/BASES.TXT").c_str(), 0644), 0);
    EXPECT_TRUE(Lire(bases).echec());
    EXPECT_EQ(bases, vide);
}

// The names reach the component exactly as read, and a missing list still
// gives the cycle of position 1, with the name "".
TEST_F(ListeDesBases, TheRunOpensTheBasesUnderTheirExactNames) {
    operateur.noterEvenements = false;
    auto ouvertures = [&] {
        journal.Vider();
        Frm_MAJ frm(controle, composant, operateur, variable);
        frm.Form_Load();
        return journal.Filtrer({"OpenDatabase"});
    };

    EXPECT_EQ(ouvertures(), (std::vector<std::string>{"OpenDatabase TARMELDON "}));

    dossier.Ecrire("partage/BASES.TXT", " Caf\xE9 1 \r\nB\n2\rC\r\n\r\nD\r\n");
    EXPECT_EQ(ouvertures(), (std::vector<std::string>{"OpenDatabase TARMELDON  Café 1 ",
                                                      "OpenDatabase TARMELDON B\n2",
                                                      "OpenDatabase TARMELDON C"}));
}

}  // namespace
}  // namespace maj::test
