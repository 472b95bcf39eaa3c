#include "files/lignes.h"

namespace maj {

namespace {
constexpr std::size_t TailleBloc = 64 * 1024;
}

Resultat<bool> LecteurLignes::Remplir() {
    if (position_ < tampon_.size()) return true;
    tampon_.resize(TailleBloc);
    position_ = 0;
    auto lus = fichier_.Lire(tampon_.data(), tampon_.size());
    if (!lus.ok()) {
        tampon_.clear();
        return lus.erreur();
    }
    tampon_.resize(*lus);
    return *lus != 0;
}

Resultat<std::optional<std::string>> LecteurLignes::Suivante() {
    auto disponible = Remplir();
    if (!disponible.ok()) return disponible.erreur();
    if (!*disponible) return std::optional<std::string>{};

    std::string ligne;
    for (;;) {
        const std::size_t cr = tampon_.find('\r', position_);
        if (cr == std::string::npos) {
            ligne.append(tampon_, position_, std::string::npos);
            position_ = tampon_.size();
            auto suite = Remplir();
            if (!suite.ok()) return suite.erreur();
            if (!*suite) return std::optional<std::string>{std::move(ligne)};
            continue;
        }
        ligne.append(tampon_, position_, cr - position_);
        position_ = cr + 1;
        // The LF of a CR LF may lie in the next block.
        auto suite = Remplir();
        if (!suite.ok()) return suite.erreur();
        if (*suite && tampon_[position_] == '\n') ++position_;
        return std::optional<std::string>{std::move(ligne)};
    }
}

}  // namespace maj
