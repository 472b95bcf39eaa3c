// The server updater: run once on the server holding the share, it applies
// update "733" to every base listed there. It takes no arguments.

#include <iostream>

#include "composant_dba/composant.h"
#include "frontends/qt/affichage.h"
#include "frontends/qt/fenetres_qt.h"
#include "frontends/sans_operateur/sans_operateur.h"
#include "frontends/terminal/terminal.h"
#include "platform/posix/registre_composants.h"
#include "platform/posix/systeme_posix.h"
#include "programme/sortie.h"
#include "ui/frm_maj.h"

#ifndef MAJ_RACINE_PARTAGE
#error "MAJ_RACINE_PARTAGE: the folder of the share, a constant of the build"
#endif

namespace {

int Lancer(maj::Systeme& systeme, maj::dba::Activation& composants, maj::Fenetres& fenetres,
           maj::Variable& variable) {
    maj::Frm_MAJ frm(systeme, composants, fenetres, variable);
    frm.Form_Load();
    return maj::CodeSortie(frm.Fin());
}

}  // namespace

int main(int argc, char** argv) {
    // Without its own folder the program has no update package: each base's
    // copy and update request then fail, and the summary reports it.
    maj::posix::SystemePosix systeme(MAJ_RACINE_PARTAGE, maj::posix::DossierExecutable().valeur_ou(""));
    maj::posix::RegistreComposants composants;
    composant_dba::Inscrire(composants, MAJ_MAGASIN_DBA);
    maj::Variable variable;

    // The front end follows from what the program finds: a desktop, else the
    // operator's terminal, else nobody (a scheduler, CI).
    if (maj::qt::AffichageDisponible())
        return maj::qt::Executer(argc > 0 && argv[0] ? argv[0] : "majserveur", systeme, composants, variable);
    if (auto terminal = maj::terminal::AccesTerminal::Trouver()) {
        maj::terminal::Terminal fenetres(std::move(*terminal));
        return Lancer(systeme, composants, fenetres, variable);
    }
    maj::SansOperateur fenetres(std::cerr);
    return Lancer(systeme, composants, fenetres, variable);
}
