// The update run through the terminal front end and the fake component, for
// the tests that play the operator through a pty. Argument: the folder that
// holds "partage" (the share) and "programme" (the program's folder).
//
// The fake accepts only the login dupont / s3cret; the server does not know
// the folder of a base whose name starts with "SANSCHEMIN".

#include <iostream>

#include "frontends/terminal/terminal.h"
#include "platform/posix/systeme_posix.h"
#include "programme/sortie.h"
#include "support/faux_composant.h"
#include "ui/frm_maj.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: essai_terminal <folder>\n";
        return 64;
    }
    const std::string racine = argv[1];
    maj::posix::SystemePosix systeme(racine + "/partage", racine + "/programme");
    maj::test::Journal journal;
    maj::test::FauxComposant composant(journal);
    composant.connexion = [](const maj::test::Session& session) {
        return session.utilisateur == "dupont" && session.motPasse == "s3cret" ? maj::Succes
                                                                               : maj::dba::DBA_E_LOGIN_DENIED;
    };
    composant.qui = [&](const std::string& base, int) -> std::string {
        if (base.rfind("SANSCHEMIN", 0) == 0) return "";
        return racine + "/bases/" + base;
    };

    auto terminal = maj::terminal::AccesTerminal::Trouver();
    if (!terminal) {
        std::cerr << "essai_terminal: no terminal\n";
        return 65;
    }
    maj::terminal::Terminal fenetres(std::move(*terminal));
    maj::Variable variable;
    maj::Frm_MAJ frm(systeme, composant, fenetres, variable);
    frm.Form_Load();
    return maj::CodeSortie(frm.Fin());
}
