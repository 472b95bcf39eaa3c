#pragma once

#include <cerrno>

#include "commun/erreur.h"

namespace maj::posix {

inline Erreur DepuisErrno(int numero) {
    switch (numero) {
        case 0: return ERR_INTERNE;
        case ENOENT: return ERR_FICHIER_INTROUVABLE;
        case ENOTDIR: return ERR_CHEMIN_INTROUVABLE;
        case EACCES:
        case EPERM:
        case EROFS: return ERR_PERMISSION_REFUSEE;
        case EISDIR:
        case EEXIST: return ERR_ACCES_CHEMIN;
        default: return ERR_ES_PERIPHERIQUE;
    }
}

}  // namespace maj::posix
