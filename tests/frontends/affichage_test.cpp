// Whether the program finds a desktop: the display variables, and whether Qt
// can open what they name, tried without ending the program when it cannot.

#include "frontends/qt/affichage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace maj::test {
namespace {

// Sets or unsets an environment variable for the length of a test.
class Variable {
public:
    Variable(const char* nom, const char* valeur) : nom_(nom) {
        if (const char* ancienne = std::getenv(nom)) ancienne_ = ancienne;
        if (valeur) ::setenv(nom, valeur, 1);
        else ::unsetenv(nom);
    }
    ~Variable() {
        if (ancienne_) ::setenv(nom_, ancienne_->c_str(), 1);
        else ::unsetenv(nom_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* nom_;
    std::optional<std::string> ancienne_;
};

struct CasAffichage {
    const char* nom;
    const char* display;
    const char* wayland;
    const char* plateforme;  // QT_QPA_PLATFORM
    bool disponible;
};

class Affichage : public ::testing::TestWithParam<CasAffichage> {};

TEST_P(Affichage, IsFoundOnlyWhenNamedAndOpened) {
    Variable display("DISPLAY", GetParam().display);
    Variable wayland("WAYLAND_DISPLAY", GetParam().wayland);
    Variable plateforme("QT_QPA_PLATFORM", GetParam().plateforme);
    EXPECT_EQ(qt::AffichageDisponible(), GetParam().disponible);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, Affichage,
    ::testing::Values(
        // The toolkit could draw offscreen, but no display is named.
        CasAffichage{"NoneNamed", nullptr, nullptr, "offscreen", false},
        CasAffichage{"EmptyDisplay", "", nullptr, "offscreen", false},
        CasAffichage{"X11DisplayAbsent", ":987", nullptr, "xcb", false},
        CasAffichage{"WaylandDisplayAbsent", nullptr, "majserveur-absent-0", "wayland", false},
        CasAffichage{"NamedAndOpened", ":987", nullptr, "offscreen", true}),
    [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace
}  // namespace maj::test
