#pragma once
// The update run: applies update "733" to every base listed on the share.
// This header holds the run-wide values (the module `Variable`), shared by the
// progress window and the login dialog, and the constants of the build.

#include <memory>
#include <string>
#include <string_view>

#include "platform/systeme.h"

namespace maj {

struct Variable {
    std::string G_Utilisateur;
    std::string G_MotPasse;
    bool G_Annule = false;
    std::shared_ptr<ListeurDossiers> G_Fso;
    bool G_MajOk = false;
    std::string G_NumMAJ;
};

// Constants of the build: the program takes no arguments and reads no settings.
namespace constantes {
inline constexpr std::string_view APPLICATION = "TARMELDON";
inline constexpr std::string_view UTILISATEUR_DEFAUT = "ADM";
inline constexpr std::string_view MOT_PASSE_DEFAUT = "";
inline constexpr std::string_view NUM_MAJ = "733";
inline constexpr std::string_view FICHIER_MARQUEUR = "INSTALLMAJ";
inline constexpr std::string_view DOSSIER_INSTALLMAJ = "INSTALLMAJ";
inline constexpr std::string_view FICHIER_BASES = "\\\\127.0.0.1\\MERVANT\\BASES.TXT";
inline constexpr std::string_view DOSSIER_VERSION = "\\\\127.0.0.1\\MERVANT\\TARMELDON";
inline constexpr std::string_view FICHIER_VERSION = "\\\\127.0.0.1\\MERVANT\\TARMELDON\\VERSION.txt";
inline constexpr int NOMBRE_BASES = 30;
}  // namespace constantes

}  // namespace maj
