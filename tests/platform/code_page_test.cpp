// The 8-bit code page, both ways.

#include <gtest/gtest.h>

#include "platform/posix/code_page.h"

namespace maj::posix {
namespace {

struct Correspondance {
    unsigned char octet;
    const char* caractere;  // UTF-8
    friend void PrintTo(const Correspondance& c, std::ostream* os) { *os << "byte " << int{c.octet}; }
};

class CodePage : public ::testing::TestWithParam<Correspondance> {};

TEST_P(CodePage, DecodesAndEncodesTheByte) {
    const std::string octet(1, static_cast<char>(GetParam().octet));
    EXPECT_EQ(Decoder1252(octet), GetParam().caractere);
    auto encode = Encoder1252(GetParam().caractere);
    ASSERT_TRUE(encode.ok());
    EXPECT_EQ(*encode, octet);
}

// The borders of the ranges, the characters of 0x80 to 0x9F, and the five
// bytes the code page leaves undefined, which stand for themselves.
INSTANTIATE_TEST_SUITE_P(
    CodePage, CodePage,
    ::testing::Values(Correspondance{0x41, "A"}, Correspondance{0x7F, "\x7F"}, Correspondance{0x80, "€"},
                      Correspondance{0x81, "\u0081"}, Correspondance{0x82, "‚"}, Correspondance{0x83, "ƒ"},
                      Correspondance{0x85, "…"}, Correspondance{0x88, "ˆ"}, Correspondance{0x8A, "Š"},
                      Correspondance{0x8C, "Œ"}, Correspondance{0x8D, "\u008D"}, Correspondance{0x8E, "Ž"},
                      Correspondance{0x8F, "\u008F"}, Correspondance{0x90, "\u0090"}, Correspondance{0x91, "‘"},
                      Correspondance{0x93, "“"}, Correspondance{0x96, "–"}, Correspondance{0x97, "—"},
                      Correspondance{0x98, "˜"}, Correspondance{0x99, "™"}, Correspondance{0x9C, "œ"},
                      Correspondance{0x9D, "\u009D"}, Correspondance{0x9E, "ž"}, Correspondance{0x9F, "Ÿ"},
                      Correspondance{0xA0, "\u00A0"}, Correspondance{0xC0, "À"}, Correspondance{0xE9, "é"},
                      Correspondance{0xFF, "ÿ"}),
    [](const auto& cas) { return "Byte" + std::to_string(cas.param.octet); });

TEST(CodePageEntier, EveryByteComesBackUnchanged) {
    std::string octets;
    for (int c = 0; c <= 0xFF; ++c) octets.push_back(static_cast<char>(c));
    auto retour = Encoder1252(Decoder1252(octets));
    ASSERT_TRUE(retour.ok());
    EXPECT_EQ(*retour, octets);
}

TEST(CodePageEntier, TextsWithoutAFormInTheCodePageAreRefused) {
    for (const char* texte : {"\u0080", "\u0100", "中", "😀", "Caf\xC3", "\xE9t\xE9", "\x80", "\xC0\x80",
                              "\xE0\x80\x80", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_EQ(Encoder1252(texte).erreur(), ERR_ARGUMENT_INVALIDE) << texte;
    }
}

}  // namespace
}  // namespace maj::posix
