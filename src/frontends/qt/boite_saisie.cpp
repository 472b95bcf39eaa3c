#include "frontends/qt/boite_saisie.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace maj::qt {

BoiteSaisie::BoiteSaisie(const QString& invite, const QString& titre, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      saisie_(new QLineEdit(this)) {
    setObjectName("InputBox");
    setWindowTitle(titre);

    // The prompt holds a base name read from the share: shown as plain text.
    auto* libelle = new QLabel(invite, this);
    libelle->setObjectName("Invite");
    libelle->setTextFormat(Qt::PlainText);
    libelle->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    saisie_->setObjectName("Saisie");

    // The prompt on the left with the buttons beside it, the entry field below.
    auto* grille = new QGridLayout(this);
    grille->addWidget(libelle, 0, 0);
    grille->addWidget(boutons, 0, 1);
    grille->addWidget(saisie_, 1, 0, 1, 2);
    grille->setColumnStretch(0, 1);
    grille->setRowStretch(0, 1);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    saisie_->setFocus(Qt::OtherFocusReason);
}

QString BoiteSaisie::Reponse() const { return result() == QDialog::Accepted ? saisie_->text() : QString(); }

}  // namespace maj::qt
