#include "tableau.h"

namespace composant_dba {

Resultat<std::string> TableauDynamique::Texte() const {
    std::string texte;
    for (std::size_t k = 0; k < champs_.size(); ++k) {
        if (k) texte.push_back(MARQUE_CHAMP);
        texte += champs_[k];
    }
    return texte;
}

std::optional<std::vector<std::string>> TableauDynamique::Decouper(const std::string& texte) {
    std::vector<std::string> champs;
    if (texte.empty()) return champs;
    for (std::size_t debut = 0;;) {
        if (champs.size() == static_cast<std::size_t>(CHAMPS_MAX)) return std::nullopt;
        const auto marque = texte.find(MARQUE_CHAMP, debut);
        champs.push_back(texte.substr(debut, marque == std::string::npos ? marque : marque - debut));
        if (marque == std::string::npos) return champs;
        debut = marque + 1;
    }
}

Erreur TableauDynamique::DefinirTexte(const std::string& texte) {
    auto champs = Decouper(texte);
    if (!champs) return DBA_E_INDICE_INVALIDE;
    champs_ = std::move(*champs);
    return Succes;
}

Resultat<std::string> TableauDynamique::Champ(int k) const {
    if (k < 1 || k > CHAMPS_MAX) return DBA_E_INDICE_INVALIDE;
    return static_cast<std::size_t>(k) <= champs_.size() ? champs_[static_cast<std::size_t>(k) - 1] : std::string();
}

Erreur TableauDynamique::DefinirChamp(int k, const std::string& valeur) {
    if (k < 1 || k > CHAMPS_MAX) return DBA_E_INDICE_INVALIDE;
    if (valeur.find(MARQUE_CHAMP) != std::string::npos) return DBA_E_CHAMP_INVALIDE;
    if (static_cast<std::size_t>(k) > champs_.size()) champs_.resize(static_cast<std::size_t>(k));
    champs_[static_cast<std::size_t>(k) - 1] = valeur;
    return Succes;
}

Resultat<std::int16_t> TableauDynamique::DCount() const { return static_cast<std::int16_t>(champs_.size()); }

}  // namespace composant_dba
