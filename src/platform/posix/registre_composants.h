#pragma once
// Component activation on POSIX: a registry of factories, one per identifier.
// An identifier with no factory cannot be created, as an uninstalled
// component cannot.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "dba/composant.h"

namespace maj::posix {

class RegistreComposants : public dba::Activation {
public:
    using FabriqueClient = std::function<Resultat<std::shared_ptr<dba::CClient>>()>;
    using FabriqueDynArray = std::function<Resultat<std::shared_ptr<dba::CDynArray>>()>;

    void InscrireClient(std::string identifiant, FabriqueClient fabrique);
    void InscrireDynArray(std::string identifiant, FabriqueDynArray fabrique);

    Resultat<std::shared_ptr<dba::CClient>> CreerClient(std::string_view identifiant) override;
    Resultat<std::shared_ptr<dba::CDynArray>> CreerDynArray(std::string_view identifiant) override;

private:
    std::map<std::string, FabriqueClient, std::less<>> clients_;
    std::map<std::string, FabriqueDynArray, std::less<>> tableaux_;
};

}  // namespace maj::posix
