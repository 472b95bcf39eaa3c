#pragma once
// The update package: the folder "INSTALLMAJ" of the program folder. It
// names its update number in its manifest, the file MANIFESTE.TXT:
//
//   # comment lines and empty lines are allowed
//   numero=733
//   libelle=any text          (optional)
//
// one "key=value" per line (LF or CR LF), each key once; an unknown key, a
// line without "=", or a number that is not made of letters, digits, ".",
// "_" and "-" makes the manifest invalid.
//
// The update counts as applied to a base only when every file lying directly
// in the package (the manifest included) lies, byte for byte, in the base
// folder's "INSTALLMAJ" folder.

#include <string>
#include <string_view>

#include "erreurs.h"

namespace composant_dba {

inline constexpr std::string_view DOSSIER_PAQUET = "INSTALLMAJ";
inline constexpr std::string_view NOM_MANIFESTE = "MANIFESTE.TXT";

struct Manifeste {
    std::string numero;
    std::string libelle;
};

// DBA_E_PAQUET_INVALIDE for a text that is no manifest.
Resultat<Manifeste> LireManifeste(std::string_view texte);

// `dossierProgramme` and `dossierBase` are native paths. The update number
// when the base holds the whole package; DBA_E_PAQUET_INVALIDE when there is
// no package or no valid manifest, DBA_E_PAQUET_INCOMPLET when a file of the
// package is missing from the base or differs.
Resultat<std::string> VerifierPaquet(const std::string& dossierProgramme, const std::string& dossierBase);

bool EstPaquet(const std::string& dossierProgramme);

}  // namespace composant_dba
