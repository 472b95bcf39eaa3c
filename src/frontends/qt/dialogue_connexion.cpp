#include "frontends/qt/dialogue_connexion.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "frontends/qt/geometrie.h"
#include "frontends/qt/texte_qt.h"
#include "ui/frm_connexion.h"

namespace maj::qt {
namespace {

// The password box masks with the dialog's own character, at once, whatever
// the platform's style would show.
class StyleMotPasse : public QProxyStyle {
public:
    int styleHint(StyleHint indice, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* retour) const override {
        if (indice == SH_LineEdit_PasswordCharacter) return Frm_Connexion::PasswordChar;
        if (indice == SH_LineEdit_PasswordMaskDelay) return 0;
        return QProxyStyle::styleHint(indice, option, widget, retour);
    }
};

// Selection positions are counted in characters; the toolkit counts UTF-16
// units, up to the most a line edit holds.
int PositionUtf16(const QString& texte, std::size_t caracteres) {
    const int taille = static_cast<int>(std::min<qsizetype>(texte.size(), std::numeric_limits<int>::max()));
    int position = 0;
    for (std::size_t n = 0; n < caracteres && position < taille; ++n)
        position += texte.at(position).isHighSurrogate() && position + 1 < taille ? 2 : 1;
    return position;
}

// A label at its place. The widths of the table suit the original platform's
// font; where this platform's font is wider, the label grows towards its
// text box instead of cutting its text.
QLabel* Etiquette(QWidget* fenetre, const char* nom, std::string_view texte, const Frm_Connexion::Place& place,
                  const Frm_Connexion::Place& placeZone) {
    auto* etiquette = new QLabel(Texte(texte), fenetre);
    etiquette->setObjectName(nom);
    QRect zone = EnPixels(place, *fenetre);
    const int largeurDisponible = EnPixels(placeZone, *fenetre).left() - zone.left();
    zone.setWidth(std::max(zone.width(), std::min(etiquette->sizeHint().width(), largeurDisponible)));
    etiquette->setGeometry(zone);
    return etiquette;
}

}  // namespace

DialogueConnexion::DialogueConnexion(Frm_Connexion& dialogue, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      dialogue_(dialogue),
      utilisateur_(new QLineEdit(this)),
      motPasse_(new QLineEdit(this)),
      ok_(new QPushButton(Texte(Frm_Connexion::Cmd_Ok), this)),
      annuler_(new QPushButton(Texte(Frm_Connexion::Cmd_Annuler), this)) {
    setObjectName("Frm_Connexion");
    setWindowTitle(Texte(Frm_Connexion::Caption));
    // Fixed single border: the client area has one size.
    setFixedSize(EnPixels(Frm_Connexion::LargeurClient, logicalDpiX()),
                 EnPixels(Frm_Connexion::HauteurClient, logicalDpiY()));

    Etiquette(this, "Etq_Utilisateur", Frm_Connexion::Etq_Utilisateur, Frm_Connexion::PlaceEtq_Utilisateur,
              Frm_Connexion::PlaceTxt_Utilisateur);
    Etiquette(this, "Etq_MotPasse", Frm_Connexion::Etq_MotPasse, Frm_Connexion::PlaceEtq_MotPasse,
              Frm_Connexion::PlaceTxt_MotPasse);

    utilisateur_->setObjectName("Txt_Utilisateur");
    utilisateur_->setGeometry(EnPixels(Frm_Connexion::PlaceTxt_Utilisateur, *this));
    const QString nom = Texte(dialogue.Txt_Utilisateur.Text);
    utilisateur_->setText(nom);
    const int debut = PositionUtf16(nom, dialogue.Txt_Utilisateur.SelStart);
    const int fin = PositionUtf16(nom, dialogue.Txt_Utilisateur.SelStart + dialogue.Txt_Utilisateur.SelLength);
    utilisateur_->setSelection(debut, fin - debut);

    motPasse_->setObjectName("Txt_MotPasse");
    motPasse_->setGeometry(EnPixels(Frm_Connexion::PlaceTxt_MotPasse, *this));
    auto* style = new StyleMotPasse;
    style->setParent(this);
    motPasse_->setStyle(style);
    motPasse_->setEchoMode(QLineEdit::Password);
    motPasse_->setText(Texte(dialogue.Txt_MotPasse.Text));

    ok_->setObjectName("Cmd_Ok");
    ok_->setGeometry(EnPixels(Frm_Connexion::PlaceCmd_Ok, *this));
    ok_->setDefault(true);
    annuler_->setObjectName("Cmd_Annuler");
    annuler_->setGeometry(EnPixels(Frm_Connexion::PlaceCmd_Annuler, *this));
    connect(ok_, &QPushButton::clicked, this, [this] { Valider(); });
    connect(annuler_, &QPushButton::clicked, this, [this] { Annuler(); });

    setTabOrder(utilisateur_, motPasse_);
    setTabOrder(motPasse_, ok_);
    setTabOrder(ok_, annuler_);
    utilisateur_->setFocus(Qt::OtherFocusReason);

    // Centred on the screen, whichever window it belongs to.
    const QScreen* ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (ecran) {
        QRect place(QPoint(), size());
        place.moveCenter(ecran->availableGeometry().center());
        setGeometry(place);
    }
}

void DialogueConnexion::keyPressEvent(QKeyEvent* evenement) {
    // Escape is the cancel button's: its handler runs, as for a click.
    if (evenement->matches(QKeySequence::Cancel)) {
        annuler_->click();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void DialogueConnexion::Valider() {
    dialogue_.Txt_Utilisateur.Text = VersTexte(utilisateur_->text());
    dialogue_.Txt_MotPasse.Text = VersTexte(motPasse_->text());
    dialogue_.Cmd_Ok_Click();
    if (dialogue_.Ferme()) accept();
}

void DialogueConnexion::Annuler() {
    dialogue_.Cmd_Annuler_Click();
    if (dialogue_.Ferme()) reject();
}

}  // namespace maj::qt
