#pragma once
// The folder prompt on the desktop: a modal box with its prompt, one empty
// entry field, OK and Cancel. Cancel, Escape and the close box give "".

#include <QDialog>
#include <QLineEdit>

namespace maj::qt {

class BoiteSaisie : public QDialog {
public:
    BoiteSaisie(const QString& invite, const QString& titre, QWidget* parent);

    // The answer: what was typed when OK closed the box, "" otherwise.
    QString Reponse() const;

private:
    QLineEdit* saisie_;
};

}  // namespace maj::qt
