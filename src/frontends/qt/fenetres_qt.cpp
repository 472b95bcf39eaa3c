#include "frontends/qt/fenetres_qt.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "frontends/qt/boite_saisie.h"
#include "frontends/qt/dialogue_connexion.h"
#include "frontends/qt/texte_qt.h"
#include "programme/sortie.h"
#include "ui/frm_maj.h"

namespace maj::qt {

FenetresQt::~FenetresQt() {
    if (sablier_) QApplication::restoreOverrideCursor();
}

void FenetresQt::PointeurEcran(Pointeur pointeur) {
    const bool sablier = pointeur == Pointeur::Sablier;
    if (sablier == sablier_) return;
    if (sablier) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else QApplication::restoreOverrideCursor();
    sablier_ = sablier;
}

void FenetresQt::PointeurFenetre(Pointeur pointeur) {
    if (pointeur == Pointeur::Sablier) fenetre_.setCursor(Qt::WaitCursor);
    else fenetre_.unsetCursor();
}

void FenetresQt::ActiverFenetre(bool active) { fenetre_.setEnabled(active); }

void FenetresQt::TraiterEvenements() { QCoreApplication::processEvents(); }

// The boxes belong to Frm_MAJ (they stay above it); a window of its own, a
// box is enabled even while Frm_MAJ is not.
void FenetresQt::Message(GenreMessage genre, const std::string& texte, const std::string& titre) {
    QMessageBox boite(genre == GenreMessage::Critique ? QMessageBox::Critical : QMessageBox::Information,
                      Texte(titre), TexteLignes(texte), QMessageBox::Ok, &fenetre_);
    boite.setObjectName("Message");
    // Base names come from the share: never read as markup.
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

std::string FenetresQt::InputBox(const std::string& invite, const std::string& titre) {
    BoiteSaisie boite(TexteLignes(invite), Texte(titre), &fenetre_);
    boite.exec();
    return VersTexte(boite.Reponse());
}

void FenetresQt::AfficherModal(Frm_Connexion& dialogue) {
    DialogueConnexion fenetre(dialogue, &fenetre_);
    fenetre.exec();
}

void FenetresQt::FermerFenetre() {
    fenetre_.AutoriserFermeture();
    fenetre_.close();
}

int ExecuterFrmMAJ(Systeme& systeme, dba::Activation& activation, Variable& variable) {
    FenetreMAJ fenetre;
    FenetresQt fenetres(fenetre);
    Frm_MAJ frm(systeme, activation, fenetres, variable);

    QEventLoop boucle;
    fenetre.show();
    // The run is the window's load: it starts from the event loop once the
    // window is shown, and the loop ends with it.
    QTimer::singleShot(0, &fenetre, [&] {
        frm.Form_Load();
        boucle.exit(CodeSortie(frm.Fin()));
    });
    return boucle.exec();
}

int Executer(const char* programme, Systeme& systeme, dba::Activation& activation, Variable& variable) {
    int argc = 1;
    char* argv[] = {const_cast<char*>(programme), nullptr};
    QApplication application(argc, argv);
    // The program ends when the run ends, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    return ExecuterFrmMAJ(systeme, activation, variable);
}

}  // namespace maj::qt
