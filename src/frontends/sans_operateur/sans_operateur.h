#pragma once
// The front end of unattended runs (a scheduler, CI): nobody is there to
// answer. Messages go to the error stream with their title and kind; the login
// dialog and the folder prompt answer as the operator's Cancel would, so that
// the run ends with its own message instead of waiting forever. Nothing is
// ever read.

#include <ostream>

#include "ui/fenetres.h"

namespace maj {

class SansOperateur : public Fenetres {
public:
    explicit SansOperateur(std::ostream& sortie) : sortie_(sortie) {}

    // No window: pointers and the window's state have nothing to show.
    void PointeurEcran(Pointeur) override {}
    void PointeurFenetre(Pointeur) override {}
    void ActiverFenetre(bool) override {}
    void TraiterEvenements() override {}
    void Message(GenreMessage genre, const std::string& texte, const std::string& titre) override;
    std::string InputBox(const std::string& invite, const std::string& titre) override;
    void AfficherModal(Frm_Connexion& dialogue) override;
    void FermerFenetre() override {}

private:
    std::ostream& sortie_;
};

}  // namespace maj
