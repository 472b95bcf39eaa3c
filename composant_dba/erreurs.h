#pragma once
// The stand-in's own error numbers, beside the three the program tests by
// name (dba/composant.h). All lie in the component's range 0x8004xxxx.

#include "commun/erreur.h"
#include "dba/composant.h"

namespace composant_dba {

using maj::Erreur;
using maj::Resultat;
using maj::Succes;
using maj::dba::DBA_E_LOGIN_DENIED;
using maj::dba::DBA_E_OPEN_DENIED;
using maj::dba::DBA_E_RECORD_MISSING;

inline constexpr Erreur DBA_E_BASE_INCONNUE{0x80040101};         // OpenDatabase: no base of that name
inline constexpr Erreur DBA_E_APPLICATION_INCONNUE{0x80040102};  // OpenDatabase: not "TARMELDON"
inline constexpr Erreur DBA_E_FICHIER_INCONNU{0x80040103};       // OpenFile: the base has no such file
inline constexpr Erreur DBA_E_REQUETE_INCONNUE{0x80040104};      // Execute: request not understood
inline constexpr Erreur DBA_E_REQUETE_INVALIDE{0x80040105};      // Execute: arguments that cannot be read
inline constexpr Erreur DBA_E_PAQUET_INCOMPLET{0x80040106};      // LANCEMAJCD: a file missing or different
inline constexpr Erreur DBA_E_PAQUET_INVALIDE{0x80040107};       // LANCEMAJCD: no package, or a bad manifest
inline constexpr Erreur DBA_E_NON_CONNECTE{0x80040108};          // a call on a closed or unconnected client
inline constexpr Erreur DBA_E_MAGASIN_ILLISIBLE{0x80040109};     // the store is missing, unreadable or corrupted
inline constexpr Erreur DBA_E_MAGASIN_ECRITURE{0x8004010A};      // the store could not be written
inline constexpr Erreur DBA_E_CHAMP_INVALIDE{0x8004010B};        // CDynArray: a value holding the field mark
inline constexpr Erreur DBA_E_INDICE_INVALIDE{0x8004010C};       // CDynArray: field number out of range

}  // namespace composant_dba
