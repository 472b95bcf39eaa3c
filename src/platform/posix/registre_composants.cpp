#include "platform/posix/registre_composants.h"

namespace maj::posix {

void RegistreComposants::InscrireClient(std::string identifiant, FabriqueClient fabrique) {
    clients_[std::move(identifiant)] = std::move(fabrique);
}

void RegistreComposants::InscrireDynArray(std::string identifiant, FabriqueDynArray fabrique) {
    tableaux_[std::move(identifiant)] = std::move(fabrique);
}

Resultat<std::shared_ptr<dba::CClient>> RegistreComposants::CreerClient(std::string_view identifiant) {
    const auto trouve = clients_.find(identifiant);
    if (trouve == clients_.end()) return ERR_CREATION_OBJET;
    return trouve->second();
}

Resultat<std::shared_ptr<dba::CDynArray>> RegistreComposants::CreerDynArray(std::string_view identifiant) {
    const auto trouve = tableaux_.find(identifiant);
    if (trouve == tableaux_.end()) return ERR_CREATION_OBJET;
    return trouve->second();
}

}  // namespace maj::posix
