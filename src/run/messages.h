#pragma once
// Every text the run shows the operator, exactly as the operator sees it.

#include <string>
#include <string_view>

namespace maj::messages {

inline constexpr std::string_view CRLF = "\r\n";
inline constexpr std::string_view TITRE = "Message TARMELDON";
// The program's own title, on the folder prompt.
inline constexpr std::string_view TITRE_PROGRAMME = "MajServeur";

inline constexpr std::string_view CONNEXION_ANNULEE = "Les bases de données n'ont pas été mise a jour.";
inline constexpr std::string_view CHEMIN_ABSENT =
    "PB DANS LA RECUPERATION DU CHEMIN DE LA BASE DE DONNEES. MERCI D'APPELER TARMELDON";
inline constexpr std::string_view SUCCES = "Mise à jour du serveur terminée avec succès.";
inline constexpr std::string_view ERREURS = "La mise à jour du serveur contient des erreurs.";
inline constexpr std::string_view CONTACTER = "Veuillez contacter TARMELDON.";

inline std::string OuvertureImpossible(std::string_view base) {
    return std::string("Problème dans l'ouverture de la Base de données : ")
        .append(base).append(CRLF).append("Merci de contacter TARMELDON");
}

inline std::string SaisieChemin(std::string_view base) {
    return std::string("Saisir le chemin de la base ")
        .append(base).append(".").append(CRLF).append("(ex:D:\\BASESCLIENTS\\BASEAFA)");
}

inline std::string LigneMaj(std::string_view base) {
    return std::string("Base ").append(base).append(" : mise à jour.");
}

inline std::string LigneNonMaj(std::string_view base) {
    return std::string("Base ").append(base).append(" : non mise à jour.");
}

}  // namespace maj::messages
