// Reads the list of bases, one name per line of "\\127.0.0.1\MERVANT\BASES.TXT",
// into positions 1 to 30. Names are kept exactly as read. Stop mode: a file
// that cannot be opened leaves every entry "", and a read failure keeps the
// entries read before it.

#include "files/lignes.h"
#include "ui/frm_maj.h"

namespace maj {

Erreur Frm_MAJ::Recup_Base() {
    auto fichier = systeme_.OuvrirLecture(std::string(constantes::FICHIER_BASES));
    if (!fichier.ok()) return fichier.erreur();

    LecteurLignes lignes(**fichier);
    for (int k = 1; k <= constantes::NOMBRE_BASES; ++k) {
        auto ligne = lignes.Suivante();
        if (!ligne.ok()) return ligne.erreur();
        if (!*ligne) break;
        W_Bases(k) = systeme_.DepuisCodePage(**ligne);
    }
    return Succes;
}

}  // namespace maj
