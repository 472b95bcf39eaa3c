#pragma once
// The login dialog. It holds the state of its controls and its event
// handlers; a front end draws it, lets the operator edit the two boxes and
// calls the handler of the button pressed. Closing it by its window close box
// calls no handler.

#include <cstddef>
#include <string>
#include <string_view>

namespace maj {

struct Variable;
class Fenetres;

struct ZoneTexte {
    std::string Text;
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;  // in characters
};

class Frm_Connexion {
public:
    explicit Frm_Connexion(Variable& variable) : variable_(variable) {}

    // Loads the dialog and shows it modally; returns once it is closed.
    void Show(Fenetres& fenetres);

    void Form_Load();
    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

    // A closed dialog ends its modal display.
    bool Ferme() const { return ferme_; }

    ZoneTexte Txt_Utilisateur;
    ZoneTexte Txt_MotPasse;

    // Captions and layout, in twips (1440 to the inch): left, top, width, height.
    struct Place { int gauche, haut, largeur, hauteur; };
    static constexpr std::string_view Caption = "Identification";
    static constexpr int LargeurClient = 3750, HauteurClient = 1350;
    static constexpr std::string_view Etq_Utilisateur = "Utilisateur";
    static constexpr Place PlaceEtq_Utilisateur{240, 120, 1095, 255};
    static constexpr Place PlaceTxt_Utilisateur{1800, 120, 1815, 285};
    static constexpr std::string_view Etq_MotPasse = "Mot de Passe";
    static constexpr Place PlaceEtq_MotPasse{240, 480, 975, 255};
    static constexpr Place PlaceTxt_MotPasse{1800, 480, 1815, 285};
    static constexpr char PasswordChar = '*';
    static constexpr std::string_view Cmd_Ok = "&Ok";
    static constexpr Place PlaceCmd_Ok{2040, 840, 735, 375};
    static constexpr std::string_view Cmd_Annuler = "A&nnuler";
    static constexpr Place PlaceCmd_Annuler{2880, 840, 735, 375};

private:
    Variable& variable_;
    bool ferme_ = false;
};

}  // namespace maj
