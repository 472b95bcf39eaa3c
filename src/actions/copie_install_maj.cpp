// Copies the update's files, from the folder "INSTALLMAJ" beside the program,
// into the folder "INSTALLMAJ" of the current base: one command per file, run
// and awaited one after another. Stop mode: a missing source folder, a missing
// folder listing object or a command that cannot be started ends the copy. A
// copy that fails inside its command shows up only through the completion
// marker.

#include "ui/frm_maj.h"

namespace maj {

Erreur Frm_MAJ::CopieInstallMAJ(const std::string& W_CheminBase) {
    auto programme = systeme_.DossierProgramme();
    if (!programme.ok()) return programme.erreur();
    const std::string source = systeme_.Joindre(*programme, constantes::DOSSIER_INSTALLMAJ);
    auto fichiers = Appeler(variable_.G_Fso, [&](ListeurDossiers& fso) {
        return fso.FichiersDuDossier(source);
    });
    if (!fichiers.ok()) return fichiers.erreur();

    const std::string destination = systeme_.Joindre(W_CheminBase, constantes::DOSSIER_INSTALLMAJ);
    for (const std::string& fichier : *fichiers) {
        if (Erreur e = ShellAndWait(systeme_.CommandeCopie(fichier, destination))) return e;
    }
    return Succes;
}

}  // namespace maj
