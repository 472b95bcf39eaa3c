#include "ui/frm_connexion.h"

#include "commun/texte.h"
#include "run/traitement_maj.h"
#include "ui/fenetres.h"

namespace maj {

void Frm_Connexion::Show(Fenetres& fenetres) {
    Form_Load();
    fenetres.AfficherModal(*this);
}

void Frm_Connexion::Form_Load() {
    Txt_Utilisateur.Text = variable_.G_Utilisateur;
    // Fully selected, so that typing replaces it.
    Txt_Utilisateur.SelStart = 0;
    Txt_Utilisateur.SelLength = NombreCaracteres(Txt_Utilisateur.Text);
}

void Frm_Connexion::Cmd_Ok_Click() {
    variable_.G_Utilisateur = Txt_Utilisateur.Text;
    variable_.G_MotPasse = Txt_MotPasse.Text;
    ferme_ = true;
}

void Frm_Connexion::Cmd_Annuler_Click() {
    variable_.G_Annule = true;
    ferme_ = true;
}

}  // namespace maj
