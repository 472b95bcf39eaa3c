#pragma once
// The front end of an operator at a desktop: the windows of Qt Widgets. The
// progress window is shown for the whole run; the run starts once it is
// shown, from its load, and the program ends with the run's exit status.

#include "dba/composant.h"
#include "frontends/qt/fenetre_maj.h"
#include "platform/systeme.h"
#include "run/traitement_maj.h"
#include "ui/fenetres.h"

namespace maj::qt {

class FenetresQt : public Fenetres {
public:
    explicit FenetresQt(FenetreMAJ& fenetre) : fenetre_(fenetre) {}
    ~FenetresQt() override;
    FenetresQt(const FenetresQt&) = delete;
    FenetresQt& operator=(const FenetresQt&) = delete;

    void PointeurEcran(Pointeur pointeur) override;
    void PointeurFenetre(Pointeur pointeur) override;
    void ActiverFenetre(bool active) override;
    void TraiterEvenements() override;
    void Message(GenreMessage genre, const std::string& texte, const std::string& titre) override;
    std::string InputBox(const std::string& invite, const std::string& titre) override;
    void AfficherModal(Frm_Connexion& dialogue) override;
    void FermerFenetre() override;

private:
    FenetreMAJ& fenetre_;
    bool sablier_ = false;  // the application's override cursor is the hourglass
};

// Shows Frm_MAJ, runs the update from its load and returns the exit status.
// Needs the application object.
int ExecuterFrmMAJ(Systeme& systeme, dba::Activation& activation, Variable& variable);

// The whole program on the desktop: the application object, then the run.
// `programme` is the program's name; no argument reaches the toolkit.
int Executer(const char* programme, Systeme& systeme, dba::Activation& activation, Variable& variable);

}  // namespace maj::qt
