#include "requete.h"

#include "commun/texte.h"
#include "tableau.h"

namespace composant_dba {
namespace {

constexpr std::string_view Separateur = " VIDE ";
constexpr std::string_view Lancement = "LANCEMAJCD ";

}  // namespace

std::vector<DemandeMiseAJour> DecoupagesPossibles(std::string_view arguments) {
    std::vector<DemandeMiseAJour> decoupages;
    for (auto j = arguments.find(Separateur); j != std::string_view::npos;
         j = arguments.find(Separateur, j + 1)) {
        const std::string_view dossierBase = arguments.substr(j + Separateur.size());
        const std::string lecteur = maj::PremierCaractere(dossierBase);
        if (lecteur.empty() || j < lecteur.size() + 2) continue;
        const std::size_t debutLecteur = j - lecteur.size();
        if (arguments.substr(debutLecteur, lecteur.size()) != lecteur || arguments[debutLecteur - 1] != ' ')
            continue;
        decoupages.push_back({std::string(arguments.substr(0, debutLecteur - 1)), lecteur, std::string(dossierBase)});
    }
    return decoupages;
}

Resultat<Requete> LireRequete(const std::string& texte) {
    const auto champs = TableauDynamique::Decouper(texte);
    if (!champs || champs->size() != 2 || (*champs)[0] != "P") return DBA_E_REQUETE_INCONNUE;
    const std::string& commande = (*champs)[1];
    if (commande == "QUI") return Requete{RequeteQui{}};
    if (commande.compare(0, Lancement.size(), Lancement) != 0) return DBA_E_REQUETE_INCONNUE;
    auto decoupages = DecoupagesPossibles(std::string_view(commande).substr(Lancement.size()));
    if (decoupages.empty()) return DBA_E_REQUETE_INVALIDE;
    return Requete{RequeteMiseAJour{std::move(decoupages)}};
}

}  // namespace composant_dba
