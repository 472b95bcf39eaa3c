// The component's CDynArray text form, and how a LANCEMAJCD request's
// arguments are split.

#include <gtest/gtest.h>

#include "composant_dba/erreurs.h"
#include "composant_dba/requete.h"
#include "composant_dba/tableau.h"

namespace maj::test {
namespace {

using namespace composant_dba;

TEST(TableauDynamique, FieldsBeyondTheEndReadEmptyAndSettingOneExtendsTheArray) {
    TableauDynamique tableau;
    EXPECT_EQ(*tableau.DCount(), 0);
    EXPECT_EQ(*tableau.Champ(1), "");
    EXPECT_EQ(*tableau.Texte(), "");

    EXPECT_FALSE(tableau.DefinirChamp(3, "C:\\PROG").echec());
    EXPECT_EQ(*tableau.DCount(), 3);
    EXPECT_EQ(*tableau.Champ(1), "");
    EXPECT_EQ(*tableau.Champ(2), "");
    EXPECT_EQ(*tableau.Texte(), "\x1E\x1E" "C:\\PROG");

    EXPECT_FALSE(tableau.DefinirTexte("").echec());
    EXPECT_EQ(*tableau.DCount(), 0);
}

TEST(TableauDynamique, TheTextFormJoinsTheFieldsWithTheMark) {
    TableauDynamique tableau;
    EXPECT_FALSE(tableau.DefinirTexte("P\x1ELANCEMAJCD /opt/mon prog / VIDE /srv/base été\x1E").echec());
    EXPECT_EQ(*tableau.DCount(), 3);
    EXPECT_EQ(*tableau.Champ(1), "P");
    EXPECT_EQ(*tableau.Champ(2), "LANCEMAJCD /opt/mon prog / VIDE /srv/base été");
    EXPECT_EQ(*tableau.Champ(3), "");
    EXPECT_EQ(*tableau.Texte(), "P\x1ELANCEMAJCD /opt/mon prog / VIDE /srv/base été\x1E");
}

TEST(TableauDynamique, AValueHoldingTheMarkOrAWrongFieldNumberIsRefused) {
    TableauDynamique tableau({"P", "QUI"});
    EXPECT_EQ(tableau.DefinirChamp(2, "a\x1E" "b"), DBA_E_CHAMP_INVALIDE);
    EXPECT_EQ(*tableau.Texte(), "P\x1EQUI");
    for (int k : {0, -1, CHAMPS_MAX + 1}) {
        EXPECT_EQ(tableau.DefinirChamp(k, "x"), DBA_E_INDICE_INVALIDE) << k;
        EXPECT_EQ(tableau.Champ(k).erreur(), DBA_E_INDICE_INVALIDE) << k;
    }
    EXPECT_FALSE(tableau.DefinirChamp(CHAMPS_MAX, "x").echec());
    EXPECT_EQ(*tableau.DCount(), CHAMPS_MAX);
    EXPECT_EQ(tableau.DefinirTexte(std::string(CHAMPS_MAX, '\x1E')), DBA_E_INDICE_INVALIDE);
}

struct CasDecoupage {
    std::string arguments;
    std::vector<DemandeMiseAJour> attendus;
};

TEST(Requete, LancementArgumentsSplitOnTheVideThatTheDriveLetterPrecedes) {
    const CasDecoupage cas[] = {
        {"C:\\PROG D VIDE D:\\CLIENTS\\BASE1", {{"C:\\PROG", "D", "D:\\CLIENTS\\BASE1"}}},
        {"/opt/mon prog / VIDE /srv/base 1", {{"/opt/mon prog", "/", "/srv/base 1"}}},
        {"/opt/x VIDE y/p / VIDE /srv/b", {{"/opt/x VIDE y/p", "/", "/srv/b"}}},
        {"/opt/p / VIDE /srv/a / VIDE /b",
         {{"/opt/p", "/", "/srv/a / VIDE /b"}, {"/opt/p / VIDE /srv/a", "/", "/b"}}},
        {"/opt/p é VIDE été/base", {{"/opt/p", "é", "été/base"}}},
        {"/opt/p  / VIDE / ", {{"/opt/p ", "/", "/ "}}},
        {"C:\\PROG E VIDE D:\\B", {}},
        {"C:\\PROG D VIDE ", {}},
        {" D VIDE D:\\B", {}},
        {"D VIDE D:\\B", {}},
        {"C:\\PROG DVIDE D:\\B", {}},
        {"", {}},
    };
    for (const auto& c : cas) EXPECT_EQ(DecoupagesPossibles(c.arguments), c.attendus) << c.arguments;
}

TEST(Requete, OnlyTheTwoKnownRequestsAreRead) {
    EXPECT_TRUE(std::holds_alternative<RequeteQui>(*LireRequete("P\x1EQUI")));
    auto lancement = LireRequete("P\x1ELANCEMAJCD C:\\PROG D VIDE D:\\B");
    ASSERT_TRUE(lancement.ok());
    EXPECT_EQ(std::get<RequeteMiseAJour>(*lancement).decoupages,
              (std::vector<DemandeMiseAJour>{{"C:\\PROG", "D", "D:\\B"}}));

    for (const char* inconnue : {"", "P", "QUI", "P\x1EQUI\x1E", "P\x1E qui", "P\x1ELANCEMAJCD", "X\x1EQUI"})
        EXPECT_EQ(LireRequete(inconnue).erreur(), DBA_E_REQUETE_INCONNUE) << inconnue;
    EXPECT_EQ(LireRequete("P\x1ELANCEMAJCD C:\\PROG").erreur(), DBA_E_REQUETE_INVALIDE);
}

}  // namespace
}  // namespace maj::test
