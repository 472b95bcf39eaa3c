#include "ui/frm_maj.h"

namespace maj {

void Frm_MAJ::Form_Load() { TraitementMAJ(); }

// Stop mode: when the platform cannot tell the user's name, the call fails.
Resultat<std::string> Frm_MAJ::GetUser() { return systeme_.NomUtilisateur(); }

std::shared_ptr<dba::CDynArray> Frm_MAJ::NouveauDynArray() {
    auto tableau = activation_.CreerDynArray(dba::CLSID_DYNARRAY);
    return tableau.ok() ? *tableau : nullptr;
}

}  // namespace maj
