// The desktop front end, offscreen: the login dialog's keys, selection,
// masking and close box; the windows' places and captions; the message
// boxes and the folder prompt; and a whole run answered as an operator would.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <deque>
#include <functional>
#include <pwd.h>
#include <unistd.h>

#include "frontends/qt/boite_saisie.h"
#include "frontends/qt/dialogue_connexion.h"
#include "frontends/qt/fenetre_maj.h"
#include "frontends/qt/fenetres_qt.h"
#include "platform/posix/systeme_posix.h"
#include "run/messages.h"
#include "support/faux_composant.h"
#include "support/partage_temporaire.h"
#include "ui/frm_connexion.h"
#include "ui/frm_maj.h"

using namespace maj;

namespace {

// Answers each modal box as it appears, from a queue of actions; a box with
// no action left is cancelled and noted, so that a wrong run ends.
class Operateur {
public:
    using Action = std::function<void(QWidget*)>;

    Operateur() {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { Servir(); });
        minuterie_.start();
    }
    void Puis(Action action) { actions_.push_back(std::move(action)); }
    bool Epuise() const { return actions_.empty(); }
    QStringList inattendues;

private:
    void Servir() {
        QWidget* boite = QApplication::activeModalWidget();
        if (!boite || boite->property("servie").toBool()) return;
        boite->setProperty("servie", true);
        if (actions_.empty()) {
            inattendues << boite->objectName();
            if (auto* annuler = boite->findChild<QPushButton*>("Cmd_Annuler")) annuler->click();
            else if (auto* dialogue = qobject_cast<QDialog*>(boite)) dialogue->reject();
            return;
        }
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(boite);
    }

    QTimer minuterie_;
    std::deque<Action> actions_;
};

template <class T>
T* Enfant(QWidget* parent, const char* nom) {
    T* enfant = parent->findChild<T*>(nom);
    if (!enfant) qFatal("missing %s", nom);
    return enfant;
}

QString NomSysteme() {
    const passwd* entree = ::getpwuid(::geteuid());
    return entree ? QString::fromUtf8(entree->pw_name) : QString();
}

// What a message box showed.
struct MessageVu {
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QString titre, texte;
    int boutons = 0;
    Qt::TextFormat format = Qt::AutoText;
};

Operateur::Action LireEtFermerMessage(MessageVu& vu) {
    return [&vu](QWidget* boite) {
        auto* message = qobject_cast<QMessageBox*>(boite);
        if (!message) {
            vu.titre = "not a message box: " + boite->objectName();
            qobject_cast<QDialog*>(boite)->reject();
            return;
        }
        vu = {message->icon(), message->windowTitle(), message->text(),
              static_cast<int>(message->buttons().size()), message->textFormat()};
        message->button(QMessageBox::Ok)->click();
    };
}

// Types `texte` into `zone`, one key per character, whatever its script.
void Taper(QWidget* zone, const QString& texte) {
    for (const QChar c : texte) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent relache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(zone, &appui);
        QApplication::sendEvent(zone, &relache);
    }
}

// The expected pixels of a place in twips, at the test screen's resolution.
int Px(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

}  // namespace

class FenetresQtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void Frm_MAJ_PlaceEtTextes();
    void Frm_Connexion_PlaceEtTextes();
    void Frm_Connexion_OrdreTabulation();
    void ToucheDepuisChaqueZone_data();
    void ToucheDepuisChaqueZone();
    void NomPreRempliEntierementSelectionne_data();
    void NomPreRempliEntierementSelectionne();
    void MotPasseMasqueEtGardeTelQuel();
    void CaseFermetureNeChangeRien();
    void Messages_data();
    void Messages();
    void InputBox_data();
    void InputBox();
    void RunComplet();
};

void FenetresQtTest::Frm_MAJ_PlaceEtTextes() {
    qt::FenetreMAJ fenetre;
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const int dx = fenetre.logicalDpiX(), dy = fenetre.logicalDpiY();
    // The resolution the test was started for (ctest runs it at two).
    if (qEnvironmentVariableIsSet("MAJ_DPI_ATTENDU")) QCOMPARE(dx, qEnvironmentVariableIntValue("MAJ_DPI_ATTENDU"));

    QCOMPARE(fenetre.windowTitle(), QString("Mise à niveau"));
    // The position is the window's own, frame included; the size is the client area's.
    QCOMPARE(fenetre.frameGeometry().topLeft(), QPoint(Px(7830, dx), Px(6525, dy)));
    QCOMPARE(fenetre.size(), QSize(Px(3075, dx), Px(1545, dy)));
    if (dx == 96) QCOMPARE(QRect(fenetre.frameGeometry().topLeft(), fenetre.size()), QRect(522, 435, 205, 103));
    if (dx == 144) QCOMPARE(QRect(fenetre.frameGeometry().topLeft(), fenetre.size()), QRect(783, 653, 308, 155));

    auto* label = Enfant<QLabel>(&fenetre, "Label1");
    QCOMPARE(label->text(), QString("Mise à niveau en cours..."));
    QCOMPARE(label->pos(), QPoint(Px(480, dx), Px(600, dy)));
    QCOMPARE(label->size(), label->sizeHint());  // sized to its text
    QCOMPARE(label->font().family(), QString("MS Sans Serif"));
    QCOMPARE(label->font().pointSizeF(), 9.75);
    QCOMPARE(label->font().weight(), QFont::Normal);
}

void FenetresQtTest::Frm_Connexion_PlaceEtTextes() {
    Variable variable;
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    const int dx = fenetre.logicalDpiX(), dy = fenetre.logicalDpiY();

    QCOMPARE(fenetre.windowTitle(), QString("Identification"));
    // Fixed single border: one size, no maximise or minimise.
    const QSize client(Px(3750, dx), Px(1350, dy));
    QCOMPARE(fenetre.size(), client);
    QCOMPARE(fenetre.minimumSize(), client);
    QCOMPARE(fenetre.maximumSize(), client);
    QVERIFY(!(fenetre.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QVERIFY(fenetre.windowFlags() & Qt::WindowCloseButtonHint);
    // Centred on the screen.
    const QPoint centre = fenetre.screen()->availableGeometry().center();
    QVERIFY2((fenetre.geometry().center() - centre).manhattanLength() <= 2,
             qPrintable(QString("centre %1,%2").arg(fenetre.geometry().center().x()).arg(fenetre.geometry().center().y())));

    struct Controle {
        const char* nom;
        QString texte;
        QRect place;
    };
    const auto place = [&](int g, int h, int l, int t) { return QRect(Px(g, dx), Px(h, dy), Px(l, dx), Px(t, dy)); };
    const Controle controles[] = {
        {"Etq_Utilisateur", "Utilisateur", place(240, 120, 1095, 255)},
        {"Txt_Utilisateur", "", place(1800, 120, 1815, 285)},
        {"Etq_MotPasse", "Mot de Passe", place(240, 480, 975, 255)},
        {"Txt_MotPasse", "", place(1800, 480, 1815, 285)},
        {"Cmd_Ok", "&Ok", place(2040, 840, 735, 375)},
        {"Cmd_Annuler", "A&nnuler", place(2880, 840, 735, 375)},
    };
    const int bordZones = place(1800, 0, 0, 0).left();
    for (const auto& controle : controles) {
        auto* widget = Enfant<QWidget>(&fenetre, controle.nom);
        if (auto* l = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(l->text(), controle.texte);
            // At its place; wider only where this platform's font needs it,
            // and never over its text box.
            QCOMPARE(l->pos(), controle.place.topLeft());
            QCOMPARE(l->height(), controle.place.height());
            QVERIFY(l->width() >= controle.place.width());
            QVERIFY(l->width() >= std::min(l->sizeHint().width(), bordZones - l->x()));
            QVERIFY(l->geometry().right() < bordZones);
            continue;
        }
        QCOMPARE(widget->geometry(), controle.place);
        if (auto* b = qobject_cast<QPushButton*>(widget)) QCOMPARE(b->text(), controle.texte);
        if (auto* e = qobject_cast<QLineEdit*>(widget)) QCOMPARE(e->text(), controle.texte);
    }
    if (dx == 96) QCOMPARE(Enfant<QWidget>(&fenetre, "Txt_Utilisateur")->geometry(), QRect(120, 8, 121, 19));
    QCOMPARE(Enfant<QLineEdit>(&fenetre, "Txt_MotPasse")->echoMode(), QLineEdit::Password);
    QVERIFY(Enfant<QPushButton>(&fenetre, "Cmd_Ok")->isDefault());
    QCOMPARE(fenetre.focusWidget(), Enfant<QWidget>(&fenetre, "Txt_Utilisateur"));
}

void FenetresQtTest::Frm_Connexion_OrdreTabulation() {
    Variable variable;
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    QStringList ordre{fenetre.focusWidget()->objectName()};
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(fenetre.focusWidget(), Qt::Key_Tab);
        ordre << fenetre.focusWidget()->objectName();
    }
    QCOMPARE(ordre, QStringList({"Txt_Utilisateur", "Txt_MotPasse", "Cmd_Ok", "Cmd_Annuler", "Txt_Utilisateur"}));
}

void FenetresQtTest::ToucheDepuisChaqueZone_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("touche");
    QTest::addColumn<bool>("confirme");
    for (const char* zone : {"Txt_Utilisateur", "Txt_MotPasse"}) {
        QTest::addRow("Entrée dans %s", zone) << zone << int(Qt::Key_Return) << true;
        QTest::addRow("Entrée du pavé dans %s", zone) << zone << int(Qt::Key_Enter) << true;
        QTest::addRow("Échap dans %s", zone) << zone << int(Qt::Key_Escape) << false;
    }
}

void FenetresQtTest::ToucheDepuisChaqueZone() {
    QFETCH(QString, zone);
    QFETCH(int, touche);
    QFETCH(bool, confirme);

    Variable variable;
    variable.G_Utilisateur = "alice";
    variable.G_MotPasse = "ancien";
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    Taper(Enfant<QLineEdit>(&fenetre, "Txt_MotPasse"), "neuf");
    auto* focus = Enfant<QLineEdit>(&fenetre, qPrintable(zone));
    focus->setFocus(Qt::OtherFocusReason);

    QTest::keyClick(focus, static_cast<Qt::Key>(touche));

    QVERIFY(dialogue.Ferme());
    QVERIFY(!fenetre.isVisible());
    QCOMPARE(fenetre.result(), confirme ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(variable.G_Annule, !confirme);
    QCOMPARE(variable.G_Utilisateur, std::string("alice"));
    QCOMPARE(variable.G_MotPasse, std::string(confirme ? "neuf" : "ancien"));
}

void FenetresQtTest::NomPreRempliEntierementSelectionne_data() {
    QTest::addColumn<QString>("nom");
    QTest::newRow("ascii") << "administrateur";
    QTest::newRow("accents") << "hélène";
    QTest::newRow("beyond 16 bits") << QString::fromUtf8("jo\xF0\x9F\x98\x80z");
}

void FenetresQtTest::NomPreRempliEntierementSelectionne() {
    QFETCH(QString, nom);
    Variable variable;
    variable.G_Utilisateur = nom.toStdString();
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenetre));

    auto* utilisateur = Enfant<QLineEdit>(&fenetre, "Txt_Utilisateur");
    QCOMPARE(utilisateur->text(), nom);
    QCOMPARE(utilisateur->selectedText(), nom);
    QCOMPARE(utilisateur->selectionStart(), 0);
    // Typing replaces the whole name.
    Taper(utilisateur, "bob");
    QCOMPARE(utilisateur->text(), QString("bob"));
}

void FenetresQtTest::MotPasseMasqueEtGardeTelQuel() {
    Variable variable;
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

    auto* motPasse = Enfant<QLineEdit>(&fenetre, "Txt_MotPasse");
    Taper(motPasse, "sé cret&");
    QCOMPARE(motPasse->displayText(), QString("********"));
    QTest::mouseClick(Enfant<QPushButton>(&fenetre, "Cmd_Ok"), Qt::LeftButton);
    QCOMPARE(variable.G_MotPasse, std::string("sé cret&"));
    QVERIFY(!variable.G_Annule);
}

void FenetresQtTest::CaseFermetureNeChangeRien() {
    Variable variable;
    variable.G_Utilisateur = "alice";
    variable.G_MotPasse = "ancien";
    Frm_Connexion dialogue(variable);
    dialogue.Form_Load();
    qt::DialogueConnexion fenetre(dialogue, nullptr);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    Taper(Enfant<QLineEdit>(&fenetre, "Txt_Utilisateur"), "bob");
    Taper(Enfant<QLineEdit>(&fenetre, "Txt_MotPasse"), "neuf");

    // As the window system's close box does.
    fenetre.windowHandle()->close();

    QVERIFY(!fenetre.isVisible());
    QVERIFY(!dialogue.Ferme());
    QCOMPARE(variable.G_Utilisateur, std::string("alice"));
    QCOMPARE(variable.G_MotPasse, std::string("ancien"));
    QVERIFY(!variable.G_Annule);
}

void FenetresQtTest::Messages_data() {
    QTest::addColumn<int>("genre");
    QTest::addColumn<int>("icone");
    QTest::newRow("critique") << int(GenreMessage::Critique) << int(QMessageBox::Critical);
    QTest::newRow("information") << int(GenreMessage::Information) << int(QMessageBox::Information);
}

void FenetresQtTest::Messages() {
    QFETCH(int, genre);
    QFETCH(int, icone);
    qt::FenetreMAJ fenetre;
    fenetre.show();
    qt::FenetresQt fenetres(fenetre);
    // Shown while Frm_MAJ is disabled, as at an early ending.
    fenetres.ActiverFenetre(false);
    Operateur operateur;
    MessageVu vu;
    bool boiteActive = false;
    operateur.Puis([&](QWidget* boite) {
        boiteActive = boite->isEnabled();
        LireEtFermerMessage(vu)(boite);
    });

    fenetres.Message(static_cast<GenreMessage>(genre), "Base <b>A</b> : mise à jour.\r\nFin.", "Message TARMELDON");

    QVERIFY(operateur.Epuise());
    QVERIFY(boiteActive);
    QCOMPARE(int(vu.icone), icone);
    QCOMPARE(vu.titre, QString("Message TARMELDON"));
    QCOMPARE(vu.texte, QString("Base <b>A</b> : mise à jour.\nFin."));
    QCOMPARE(vu.format, Qt::PlainText);
    QCOMPARE(vu.boutons, 1);
}

void FenetresQtTest::InputBox_data() {
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("reponse");
    QTest::newRow("OK") << "d:\\clients\\base1" << "OK" << "d:\\clients\\base1";
    QTest::newRow("Entrée") << "/srv/bases/é" << "Entrée" << "/srv/bases/é";
    QTest::newRow("Annuler") << "d:\\x" << "Annuler" << "";
    QTest::newRow("Échap") << "d:\\x" << "Échap" << "";
    QTest::newRow("case de fermeture") << "d:\\x" << "fermeture" << "";
}

void FenetresQtTest::InputBox() {
    QFETCH(QString, saisie);
    QFETCH(QString, bouton);
    QFETCH(QString, reponse);
    qt::FenetreMAJ fenetre;
    fenetre.show();
    qt::FenetresQt fenetres(fenetre);
    fenetres.ActiverFenetre(false);
    Operateur operateur;
    QString titre, invite, champInitial;
    bool active = false;
    operateur.Puis([&](QWidget* boite) {
        titre = boite->windowTitle();
        invite = Enfant<QLabel>(boite, "Invite")->text();
        auto* champ = Enfant<QLineEdit>(boite, "Saisie");
        champInitial = champ->text();
        active = boite->isEnabled();
        Taper(champ, saisie);
        if (bouton == "Entrée") QTest::keyClick(champ, Qt::Key_Return);
        else if (bouton == "Échap") QTest::keyClick(champ, Qt::Key_Escape);
        else if (bouton == "fermeture") boite->windowHandle()->close();
        else {
            for (auto* b : boite->findChildren<QPushButton*>())
                if (b->text() == bouton) QTest::mouseClick(b, Qt::LeftButton);
        }
    });

    const std::string obtenu = fenetres.InputBox(messages::SaisieChemin("BASE1"), "MajServeur");

    QVERIFY(operateur.Epuise());
    QCOMPARE(QString::fromStdString(obtenu), reponse);
    QCOMPARE(titre, QString("MajServeur"));
    QCOMPARE(invite, QString("Saisir le chemin de la base BASE1.\n(ex:D:\\BASESCLIENTS\\BASEAFA)"));
    QCOMPARE(champInitial, QString());
    QVERIFY(active);
}

void FenetresQtTest::RunComplet() {
    test::DossierTemporaire dossier;
    dossier.Ecrire("partage/BASES.TXT", "A\r\nB\r\n");
    dossier.Ecrire("programme/INSTALLMAJ/patch.sql", "-- 733\n");
    dossier.CreerDossier("bases/A/INSTALLMAJ");
    dossier.CreerDossier("bases/B/INSTALLMAJ");
    posix::SystemePosix systeme(dossier.Natif("partage"), dossier.Natif("programme"));
    test::Journal journal;
    test::FauxComposant composant(journal);

    // While the default login is tried: the window shows, disabled, under
    // the hourglass, and its close box is refused.
    struct {
        bool vue = false, visible = false, active = true, sablier = false, resteOuverte = false;
        QString texte;
    } pendant;
    composant.connexion = [&](const test::Session& session) {
        if (!pendant.vue) {
            pendant.vue = true;
            QWidget* frm = nullptr;
            for (auto* w : QApplication::topLevelWidgets())
                if (w->objectName() == "Frm_MAJ") frm = w;
            if (frm) {
                pendant.visible = frm->isVisible();
                pendant.active = frm->isEnabled();
                pendant.texte = Enfant<QLabel>(frm, "Label1")->text();
                frm->windowHandle()->close();
                pendant.resteOuverte = frm->isVisible();
            }
            pendant.sablier = QApplication::overrideCursor() &&
                              QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        }
        return session.utilisateur == "dupont" && session.motPasse == "s3cret" ? Succes
                                                                               : dba::DBA_E_LOGIN_DENIED;
    };
    composant.qui = [&](const std::string& base, int) {
        return base == "B" ? std::string() : dossier.Natif("bases/" + base);
    };

    Operateur operateur;
    struct Dialogue {
        QString objet, nom, selection, motPasse;
        bool sablier = true, frmActive = false;
    };
    Dialogue premier, second;
    const auto lire = [](QWidget* boite, Dialogue& vu) {
        vu.objet = boite->objectName();
        auto* nom = boite->findChild<QLineEdit*>("Txt_Utilisateur");
        auto* motPasse = boite->findChild<QLineEdit*>("Txt_MotPasse");
        if (!nom || !motPasse) return false;
        vu.nom = nom->text();
        vu.selection = nom->selectedText();
        vu.motPasse = motPasse->text();
        vu.sablier = QApplication::overrideCursor() != nullptr;
        vu.frmActive = boite->parentWidget() && boite->parentWidget()->isEnabled();
        return true;
    };
    operateur.Puis([&](QWidget* boite) {
        if (!lire(boite, premier)) return qobject_cast<QDialog*>(boite)->reject();
        // Types a name over the selected one, goes to the password, confirms with Enter.
        Taper(boite->focusWidget(), "dupont");
        QTest::keyClick(boite->focusWidget(), Qt::Key_Tab);
        Taper(boite->focusWidget(), "mauvais");
        QTest::keyClick(boite->focusWidget(), Qt::Key_Return);
    });
    operateur.Puis([&](QWidget* boite) {
        if (!lire(boite, second)) return qobject_cast<QDialog*>(boite)->reject();
        Taper(Enfant<QLineEdit>(boite, "Txt_MotPasse"), "s3cret");
        QTest::mouseClick(Enfant<QPushButton>(boite, "Cmd_Ok"), Qt::LeftButton);
    });
    QString invite;
    operateur.Puis([&](QWidget* boite) {
        auto* champ = boite->findChild<QLineEdit*>("Saisie");
        if (!champ) return qobject_cast<QDialog*>(boite)->reject();
        invite = Enfant<QLabel>(boite, "Invite")->text();
        Taper(champ, QString::fromStdString(dossier.Natif("bases/B")));
        QTest::keyClick(champ, Qt::Key_Return);
    });
    MessageVu resume;
    operateur.Puis(LireEtFermerMessage(resume));

    Variable variable;
    const int code = qt::ExecuterFrmMAJ(systeme, composant, variable);

    QVERIFY2(operateur.inattendues.isEmpty(), qPrintable(operateur.inattendues.join(", ")));
    QVERIFY(operateur.Epuise());
    QCOMPARE(code, 0);

    QVERIFY(pendant.vue);
    QVERIFY(pendant.visible);
    QVERIFY(!pendant.active);
    QVERIFY(pendant.sablier);
    QVERIFY(pendant.resteOuverte);
    QCOMPARE(pendant.texte, QString("Mise à niveau en cours..."));

    QCOMPARE(premier.objet, QString("Frm_Connexion"));
    QCOMPARE(premier.nom, NomSysteme());
    QCOMPARE(premier.selection, NomSysteme());
    QCOMPARE(premier.motPasse, QString());
    QVERIFY(!premier.sablier);  // the default pointer is back for the dialog
    QVERIFY(premier.frmActive);
    QCOMPARE(second.nom, QString("dupont"));
    QCOMPARE(second.motPasse, QString());

    QCOMPARE(invite, QString("Saisir le chemin de la base B.\n(ex:D:\\BASESCLIENTS\\BASEAFA)"));
    QCOMPARE(resume.icone, QMessageBox::Information);
    QCOMPARE(resume.titre, QString("Message TARMELDON"));
    QCOMPARE(resume.texte, QString("Mise à jour du serveur terminée avec succès.\n\n"
                                   "Base A : mise à jour.\nBase B : mise à jour.\n"));

    const auto connexions = journal.Filtrer({"Connect"});
    QVERIFY(!connexions.empty());
    QVERIFY(connexions.back().rfind("Connect dupont/s3cret", 0) == 0);
    // The update's file reached both folders, through real copy commands.
    QVERIFY(dossier.Lire("bases/A/INSTALLMAJ/patch.sql").has_value());
    QVERIFY(dossier.Lire("bases/B/INSTALLMAJ/patch.sql").has_value());
    // The run closed the window and gave back the pointer.
    for (auto* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(FenetresQtTest)
#include "qt_test.moc"
