// The version file refresh, at the end of a complete run: makes sure the
// folder and "VERSION.txt" exist on the share, then rewrites the file with one
// empty line above the lines it held.
//
// The rewrite replaces the file whole (the platform writes the new text beside
// it and puts it in place at once), so that the file holds its old or its new
// content, never less. A file that exists but cannot be read in full is left
// untouched: rewriting it would lose its lines.

#include "files/lignes.h"
#include "run/messages.h"
#include "ui/frm_maj.h"

namespace maj {

// Stop mode.
Erreur Frm_MAJ::VerifRepertoire(const std::string& path) {
    auto nature = systeme_.Examiner(path);
    if (!nature.ok()) return nature.erreur();
    if (*nature == NatureChemin::Absent) return systeme_.CreerDossier(path);
    return Succes;
}

// Resume mode: never passes a failure on.
void Frm_MAJ::VerifFichier(const std::string& path) {
    if (systeme_.OuvrirLecture(path).ok()) return;
    absorbee(systeme_.OuvrirAjoutEtFermer(path));
}

void Frm_MAJ::RafraichirVersion() {
    const std::string fichierVersion(constantes::FICHIER_VERSION);
    // Each step that fails is absorbed; the next ones fail or succeed on their own.
    absorbee(VerifRepertoire(std::string(constantes::DOSSIER_VERSION)));
    VerifFichier(fichierVersion);

    auto fichier = systeme_.OuvrirLecture(fichierVersion);
    if (!fichier.ok()) return;  // absorbed: nothing to rewrite from
    auto longueur = (*fichier)->Longueur();
    if (!longueur.ok()) return;  // absorbed: the file is left untouched

    std::string texte;
    if (*longueur != 0) {
        LecteurLignes lignes(**fichier);
        for (;;) {
            auto ligne = lignes.Suivante();
            if (!ligne.ok()) return;  // absorbed: the file is left untouched
            if (!*ligne) break;
            texte.append(messages::CRLF).append(systeme_.DepuisCodePage(**ligne));
        }
    }
    fichier->reset();

    // Every line ends with CR LF, so that each run adds exactly one empty line.
    texte.append(messages::CRLF);
    auto octets = systeme_.VersCodePage(texte);
    if (!octets.ok()) return;  // absorbed: cannot happen for lines read from the file
    absorbee(systeme_.RemplacerContenu(fichierVersion, *octets));
}

}  // namespace maj
