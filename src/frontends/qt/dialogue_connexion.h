#pragma once
// The login dialog Frm_Connexion on the desktop. It draws the loaded dialog,
// lets the operator edit the two boxes and calls the handler of the button
// pressed: Enter presses Cmd_Ok, Escape presses Cmd_Annuler, whichever box
// has the focus. Its close box calls no handler.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace maj {
class Frm_Connexion;
}

namespace maj::qt {

class DialogueConnexion : public QDialog {
public:
    DialogueConnexion(Frm_Connexion& dialogue, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Valider();
    void Annuler();

    Frm_Connexion& dialogue_;
    QLineEdit* utilisateur_;
    QLineEdit* motPasse_;
    QPushButton* ok_;
    QPushButton* annuler_;
};

}  // namespace maj::qt
