#pragma once
// The program's exit status, which schedulers and scripts rely on.

#include "ui/frm_maj.h"

namespace maj {

inline int CodeSortie(FinDuTraitement fin) {
    switch (fin) {
        case FinDuTraitement::ToutesAJour: return 0;
        case FinDuTraitement::AvecErreurs: return 1;
        case FinDuTraitement::Interrompu:
        case FinDuTraitement::NonTermine: break;
    }
    return 2;
}

}  // namespace maj
