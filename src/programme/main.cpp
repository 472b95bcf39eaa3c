// The server updater: run once on the server holding the share, it applies
// update "733" to every base listed there. It takes no arguments.

#include <iostream>

#include "composant_dba/composant.h"
#include "frontends/sans_operateur/sans_operateur.h"
#include "platform/posix/registre_composants.h"
#include "platform/posix/systeme_posix.h"
#include "programme/sortie.h"
#include "ui/frm_maj.h"

#ifndef MAJ_RACINE_PARTAGE
#error "MAJ_RACINE_PARTAGE: the folder of the share, a constant of the build"
#endif

int main() {
    maj::posix::SystemePosix systeme(MAJ_RACINE_PARTAGE, maj::posix::DossierExecutable());
    maj::posix::RegistreComposants composants;
    composant_dba::Inscrire(composants, MAJ_MAGASIN_DBA);
    maj::SansOperateur fenetres(std::cerr);
    maj::Variable variable;

    maj::Frm_MAJ frm(systeme, composants, fenetres, variable);
    frm.Form_Load();
    return maj::CodeSortie(frm.Fin());
}
