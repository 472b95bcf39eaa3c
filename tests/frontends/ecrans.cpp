// Pictures of the desktop front end's windows, taken during real runs with
// the fake component: Frm_MAJ at work, Frm_Connexion pre-filled, the folder
// prompt, and a message of each kind. Argument: the folder for the PNGs.
// Run by scripts/ecrans.sh on a virtual display.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>

#include "frontends/qt/fenetres_qt.h"
#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/partage_temporaire.h"

using namespace maj;

namespace {

QString dossierImages;
int enregistrees = 0;

void Enregistrer(QWidget* fenetre, const char* nom) {
    const QString chemin = QDir(dossierImages).filePath(QString(nom) + ".png");
    if (fenetre->grab().save(chemin)) {
        ++enregistrees;
        std::printf("%s\n", qPrintable(chemin));
    } else {
        std::fprintf(stderr, "ecrans: cannot write %s\n", qPrintable(chemin));
    }
}

// Serves each modal box once it is the active window, so that it is drawn
// as the operator sees it (the selected name highlighted).
class Operateur {
public:
    using Action = std::function<void(QWidget*)>;
    Operateur() {
        minuterie_.setInterval(20);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { Servir(); });
        minuterie_.start();
    }
    void Puis(Action action) { actions_.push_back(std::move(action)); }

private:
    void Servir() {
        QWidget* boite = QApplication::activeModalWidget();
        if (!boite || boite->property("servie").toBool()) return;
        if (!boite->isActiveWindow() && ++attentes_ < 50) {
            boite->activateWindow();
            return;
        }
        attentes_ = 0;
        boite->setProperty("servie", true);
        if (actions_.empty()) {
            if (auto* annuler = boite->findChild<QPushButton*>("Cmd_Annuler")) annuler->click();
            else qobject_cast<QDialog*>(boite)->reject();
            return;
        }
        Action action = std::move(actions_.front());
        actions_.pop_front();
        action(boite);
    }

    QTimer minuterie_;
    std::deque<Action> actions_;
    int attentes_ = 0;
};

void FermerMessage(QWidget* boite) { qobject_cast<QMessageBox*>(boite)->button(QMessageBox::Ok)->click(); }

struct Essai {
    test::DossierTemporaire dossier;
    posix::SystemePosix systeme{dossier.Natif("partage"), dossier.Natif("programme")};
    test::Journal journal;
    test::FauxComposant composant{journal};

    Essai() {
        dossier.Ecrire("partage/BASES.TXT", "BASE1\r\nBASE2\r\nBASE3\r\n");
        dossier.Ecrire("programme/INSTALLMAJ/maj733.sql", "-- 733\n");
        for (const char* base : {"BASE1", "BASE2", "BASE3"}) dossier.CreerDossier(std::string("bases/") + base);
        composant.qui = [this](const std::string& base, int) { return dossier.Natif("bases/" + base); };
    }
    int Lancer() {
        Variable variable;
        return qt::ExecuterFrmMAJ(systeme, composant, variable);
    }
};

// A refused default login, a base whose folder the server does not know, a
// base left without its marker: the error summary.
void RunAvecErreurs() {
    Essai essai;
    essai.composant.connexion = [](const test::Session& session) {
        return session.utilisateur == "dupont" ? Succes : dba::DBA_E_LOGIN_DENIED;
    };
    essai.composant.qui = [&](const std::string& base, int) {
        return base == "BASE2" ? std::string() : essai.dossier.Natif("bases/" + base);
    };
    essai.composant.lectureMarqueur = [](const std::string& base) {
        return base == "BASE3" ? dba::DBA_E_RECORD_MISSING : Succes;
    };
    essai.composant.execution = [](const std::string& base, const std::vector<std::string>&) {
        if (base == "BASE1")
            for (auto* fenetre : QApplication::topLevelWidgets())
                if (fenetre->objectName() == "Frm_MAJ") Enregistrer(fenetre, "frm_maj");
        return Succes;
    };

    Operateur operateur;
    operateur.Puis([](QWidget* boite) {
        Enregistrer(boite, "frm_connexion");
        boite->findChild<QLineEdit*>("Txt_Utilisateur")->setText("dupont");
        boite->findChild<QLineEdit*>("Txt_MotPasse")->setText("secret");
        boite->findChild<QPushButton*>("Cmd_Ok")->click();
    });
    operateur.Puis([&](QWidget* boite) {
        Enregistrer(boite, "inputbox");
        boite->findChild<QLineEdit*>("Saisie")->setText(QString::fromStdString(essai.dossier.Natif("bases/BASE2")));
        qobject_cast<QDialog*>(boite)->accept();
    });
    operateur.Puis([](QWidget* boite) {
        Enregistrer(boite, "message_critique");
        FermerMessage(boite);
    });
    essai.Lancer();
}

void RunToutesAJour() {
    Essai essai;
    Operateur operateur;
    operateur.Puis([](QWidget* boite) {
        Enregistrer(boite, "message_information");
        FermerMessage(boite);
    });
    essai.Lancer();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ecrans <folder for the pictures>\n");
        return 64;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    dossierImages = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dossierImages);

    RunAvecErreurs();
    RunToutesAJour();
    return enregistrees == 5 ? 0 : 1;
}
