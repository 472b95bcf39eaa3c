#include "frontends/sans_operateur/sans_operateur.h"

#include "frontends/commun/texte_operateur.h"
#include "ui/frm_connexion.h"

namespace maj {

using frontends::MessagePourFlux;

void SansOperateur::Message(GenreMessage genre, const std::string& texte, const std::string& titre) {
    sortie_ << MessagePourFlux(genre, texte, titre) << std::flush;
}

std::string SansOperateur::InputBox(const std::string& invite, const std::string& titre) {
    sortie_ << MessagePourFlux(GenreMessage::Information, invite, titre)
            << "(sans opérateur : annulé)\n" << std::flush;
    return "";
}

void SansOperateur::AfficherModal(Frm_Connexion& dialogue) {
    sortie_ << Frm_Connexion::Caption << " (sans opérateur : annulé)\n" << std::flush;
    dialogue.Cmd_Annuler_Click();
}

}  // namespace maj
