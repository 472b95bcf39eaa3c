// The command runner: starts one command and waits for its end, serving the
// windows at every pass so that they stay responsive. Stop mode: a command
// that cannot be started fails the operation before any wait.

#include <chrono>

#include "ui/frm_maj.h"

namespace maj {

namespace {
constexpr std::chrono::milliseconds PasAttente{100};
}

Erreur Frm_MAJ::ShellAndWait(const Commande& Path) {
    auto processus = systeme_.Demarrer(Path);
    if (!processus.ok()) return processus.erreur();

    for (;;) {
        auto termine = (*processus)->EstTermine();
        fenetres_.TraiterEvenements();
        // Only an observed end stops the wait, whatever the exit code: a
        // failed observation is tried again at the next pass.
        if (termine.ok() && *termine) return Succes;
        // The wait wakes as soon as the process ends; a failed wait only
        // shortens this pass.
        absorbee((*processus)->Attendre(PasAttente));
    }
}

}  // namespace maj
