// The server update command and the completion check. The server's own
// answer is not examined: a base counts as updated only when the completion
// marker, record "733" of its file "INSTALLMAJ", can be read.

#include "ui/frm_maj.h"

namespace maj {

// Stop mode: the first failing operation ends the request.
Erreur Frm_MAJ::ExecutionMAJ() {
    // Set before anything can fail: the completion check reads its key from
    // it, and must look for record "733" even when no request could be made.
    variable_.G_NumMAJ = std::string(constantes::NUM_MAJ);
    auto requete = activation_.CreerDynArray(dba::CLSID_DYNARRAY);
    if (!requete.ok()) return requete.erreur();

    dba::CDynArray& champs = **requete;
    if (Erreur e = champs.DefinirTexte("")) return e;
    if (Erreur e = champs.DefinirChamp(1, "P")) return e;
    auto programme = systeme_.DossierProgramme();
    if (!programme.ok()) return programme.erreur();
    const std::string commande = "LANCEMAJCD " + *programme + " " + W_Lecteur +
                                 " VIDE " + W_Chemin;
    if (Erreur e = champs.DefinirChamp(2, commande)) return e;
    auto texte = champs.Texte();
    if (!texte.ok()) return texte.erreur();

    auto resultat = Appeler(MyDatabase, [&](dba::CDatabase& base) {
        return base.Execute(*texte, "", W_Statut);
    });
    if (!resultat.ok()) return resultat.erreur();
    W_Resultat = *resultat;
    return Succes;
}

// Stop mode while the marker file is opened; the record read itself is in
// resume mode, and its own error number gives the verdict.
Erreur Frm_MAJ::GestionMAJ() {
    auto fichier = Appeler(MyDatabase, [](dba::CDatabase& base) {
        return base.OpenFile(std::string(constantes::FICHIER_MARQUEUR));
    });
    if (!fichier.ok()) {
        variable_.G_MajOk = false;
        return fichier.erreur();
    }

    variable_.G_MajOk = false;
    const std::string cle = variable_.G_NumMAJ;
    Erreur lecture = Appeler(*fichier, [&](dba::CFile& f) { return f.Read(cle); });
    // Only a record actually read means updated: a missing record, and any
    // other failure of the check, mean not updated.
    variable_.G_MajOk = !lecture.echec();
    return Succes;
}

}  // namespace maj
