#pragma once
// The requests the component answers through CDatabase::Execute. A request
// is a CDynArray of exactly two fields:
//   "P", "QUI"          answers the open base's folder in field 1
//   "P", "LANCEMAJCD <program folder> <drive letter> VIDE <base folder>"
//                       runs the update that the program folder's package
//                       carries, for the open base
//
// The folders may hold spaces, even " VIDE ". The drive letter is the first
// character of the base folder, which makes most texts split one way only:
// the base folder follows a " VIDE " that the drive letter and a space
// precede. A text that still splits several ways is settled by the program
// folders that hold a package (paquet.h); one that cannot be settled
// is refused.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "erreurs.h"

namespace composant_dba {

struct RequeteQui {};

struct DemandeMiseAJour {
    std::string dossierProgramme;
    std::string lecteur;
    std::string dossierBase;
    friend bool operator==(const DemandeMiseAJour&, const DemandeMiseAJour&) = default;
};

// Every split of the LANCEMAJCD arguments (what follows "LANCEMAJCD ") that
// the form above allows, in order of the base folder's start.
std::vector<DemandeMiseAJour> DecoupagesPossibles(std::string_view arguments);

struct RequeteMiseAJour {
    std::vector<DemandeMiseAJour> decoupages;  // never empty
};

using Requete = std::variant<RequeteQui, RequeteMiseAJour>;

// DBA_E_REQUETE_INCONNUE for any other request, DBA_E_REQUETE_INVALIDE for
// LANCEMAJCD arguments of no possible split.
Resultat<Requete> LireRequete(const std::string& texte);

}  // namespace composant_dba
