#pragma once
// The operator's side of the run: every window operation the run uses goes
// through this interface. Front ends (windows, terminal, unattended, scripted
// for tests) implement it; the run knows none of them.

#include <string>

namespace maj {

class Frm_Connexion;

enum class Pointeur { Defaut, Sablier };
enum class GenreMessage { Critique, Information };

class Fenetres {
public:
    virtual ~Fenetres() = default;

    // The screen-wide mouse pointer.
    virtual void PointeurEcran(Pointeur pointeur) = 0;
    // The progress window's own mouse pointer.
    virtual void PointeurFenetre(Pointeur pointeur) = 0;
    virtual void ActiverFenetre(bool active) = 0;
    virtual void TraiterEvenements() = 0;
    // Modal: returns once the operator has closed the message.
    virtual void Message(GenreMessage genre, const std::string& texte, const std::string& titre) = 0;
    // Modal, with one empty entry field; Cancel gives "".
    virtual std::string InputBox(const std::string& invite, const std::string& titre) = 0;
    // Shows the loaded login dialog modally; the dialog's handlers run from here.
    virtual void AfficherModal(Frm_Connexion& dialogue) = 0;
    // Closes the progress window; the program ends once it is closed.
    virtual void FermerFenetre() = 0;
};

}  // namespace maj
