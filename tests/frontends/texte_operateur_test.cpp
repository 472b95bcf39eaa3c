// How the text front ends show the run's texts.

#include "frontends/commun/texte_operateur.h"

#include <gtest/gtest.h>

namespace maj::frontends {
namespace {

struct CasVisible {
    const char* nom;
    std::string texte;
    std::string vu;
};

class Visible : public ::testing::TestWithParam<CasVisible> {};

TEST_P(Visible, ShowsTheText) { EXPECT_EQ(TexteVisible(GetParam().texte), GetParam().vu); }

INSTANTIATE_TEST_SUITE_P(
    Textes, Visible,
    ::testing::Values(CasVisible{"LineBreaks", "a\r\n\r\nb\r\n", "a\n\nb\n"},
                      CasVisible{"AccentsAndTabsKept", "Base é\tà", "Base é\tà"},
                      CasVisible{"LoneCarriageReturn", "a\rb", "a^Mb"},
                      CasVisible{"LoneLineFeedKept", "a\nb", "a\nb"},
                      CasVisible{"EscapeSequence", "B\x1b[2J", "B^[[2J"},
                      CasVisible{"Delete", "a\x7f", "a^?"},
                      CasVisible{"EightBitControl", "a\xC2\x9B" "1m", "aM-^[1m"},
                      CasVisible{"NoBreakSpaceKept", "a\xC2\xA0" "b", "a\xC2\xA0" "b"},
                      CasVisible{"TruncatedCharacterKept", "a\xC2", "a\xC2"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(MessagePourFlux, TitleAndKindThenTheTextOnItsOwnLines) {
    EXPECT_EQ(MessagePourFlux(GenreMessage::Critique, "Un\r\nDeux", "Message TARMELDON"),
              "Message TARMELDON [erreur]\nUn\nDeux\n");
    EXPECT_EQ(MessagePourFlux(GenreMessage::Information, "Fin.\r\n", "Message TARMELDON"),
              "Message TARMELDON [information]\nFin.\n");
    EXPECT_EQ(MessagePourFlux(GenreMessage::Information, "", "T"), "T [information]\n");
}

TEST(SansMarqueAcces, DropsTheAccessKeyMarks) {
    EXPECT_EQ(SansMarqueAcces("&Ok"), "Ok");
    EXPECT_EQ(SansMarqueAcces("A&nnuler"), "Annuler");
    EXPECT_EQ(SansMarqueAcces("A && B"), "A & B");
    EXPECT_EQ(SansMarqueAcces("fin&"), "fin&");
}

}  // namespace
}  // namespace maj::frontends
