#include "frontends/qt/fenetre_maj.h"

#include <QCloseEvent>
#include <QFont>

#include "frontends/qt/geometrie.h"
#include "frontends/qt/texte_qt.h"
#include "ui/frm_maj.h"

namespace maj::qt {

FenetreMAJ::FenetreMAJ() : label1_(new QLabel(this)) {
    setObjectName("Frm_MAJ");
    setWindowTitle(Texte(Frm_MAJ::Caption));
    const int dpiX = logicalDpiX(), dpiY = logicalDpiY();
    // The window is placed at its position; the size is that of its client area.
    move(EnPixels(Frm_MAJ::Gauche, dpiX), EnPixels(Frm_MAJ::Haut, dpiY));
    resize(EnPixels(Frm_MAJ::LargeurClient, dpiX), EnPixels(Frm_MAJ::HauteurClient, dpiY));

    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setText(Texte(Frm_MAJ::Label1));
    // Where the font is absent, the platform substitutes its own sans serif.
    QFont police(Texte(Frm_MAJ::PoliceLabel1));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(Frm_MAJ::TaillePoliceLabel1);
    police.setWeight(QFont::Normal);
    label1_->setFont(police);
    label1_->move(EnPixels(Frm_MAJ::GaucheLabel1, dpiX), EnPixels(Frm_MAJ::HautLabel1, dpiY));
    label1_->adjustSize();  // sized to its text
}

void FenetreMAJ::closeEvent(QCloseEvent* evenement) {
    if (fermetureAutorisee_) evenement->accept();
    else evenement->ignore();
}

}  // namespace maj::qt
