#include "support/operateur_scripte.h"

#include <gtest/gtest.h>

#include "ui/frm_connexion.h"

namespace maj::test {
namespace {
const char* Nom(Pointeur pointeur) { return pointeur == Pointeur::Sablier ? "sablier" : "defaut"; }
}  // namespace

void OperateurScripte::PointeurEcran(Pointeur pointeur) {
    journal_.Noter(std::string("ecran ") + Nom(pointeur));
}

void OperateurScripte::PointeurFenetre(Pointeur pointeur) {
    journal_.Noter(std::string("fenetre pointeur ") + Nom(pointeur));
}

void OperateurScripte::ActiverFenetre(bool active) {
    journal_.Noter(active ? "fenetre activee" : "fenetre desactivee");
}

void OperateurScripte::TraiterEvenements() {
    ++evenementsTraites;
    if (noterEvenements) journal_.Noter("evenements");
}

void OperateurScripte::Message(GenreMessage genre, const std::string& texte, const std::string& titre) {
    journal_.Noter(std::string(genre == GenreMessage::Critique ? "critique" : "information") + " [" + titre +
                   "] " + texte);
    if (pendantMessage) pendantMessage(texte);
}

std::string OperateurScripte::InputBox(const std::string& invite, const std::string& titre) {
    journal_.Noter("saisie [" + titre + "] " + invite);
    if (reponsesSaisie.empty()) {
        ADD_FAILURE() << "unexpected input box: " << invite;
        return "";
    }
    std::string reponse = reponsesSaisie.front();
    reponsesSaisie.pop_front();
    return reponse;
}

void OperateurScripte::AfficherModal(Frm_Connexion& dialogue) {
    journal_.Noter("connexion utilisateur='" + dialogue.Txt_Utilisateur.Text + "' selection=" +
                   std::to_string(dialogue.Txt_Utilisateur.SelStart) + "+" +
                   std::to_string(dialogue.Txt_Utilisateur.SelLength) + " motpasse='" +
                   dialogue.Txt_MotPasse.Text + "'");
    if (reponsesConnexion.empty()) {
        ADD_FAILURE() << "unexpected login dialog";
        dialogue.Cmd_Annuler_Click();
        return;
    }
    ReponseConnexion reponse = reponsesConnexion.front();
    reponsesConnexion.pop_front();
    if (reponse.utilisateur) dialogue.Txt_Utilisateur.Text = *reponse.utilisateur;
    dialogue.Txt_MotPasse.Text = reponse.motPasse;
    switch (reponse.bouton) {
        case ReponseConnexion::Bouton::Ok: dialogue.Cmd_Ok_Click(); break;
        case ReponseConnexion::Bouton::Annuler: dialogue.Cmd_Annuler_Click(); break;
        case ReponseConnexion::Bouton::CaseFermeture: break;
    }
}

void OperateurScripte::FermerFenetre() { journal_.Noter("fermer"); }

}  // namespace maj::test
