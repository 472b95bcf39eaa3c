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
    if (*disponible && apresCr_ && tampon_[position_] == '\n') {
        ++position_;
        disponible = Remplir();
        if (!disponible.ok()) return disponible.erreur();
    }
    apresCr_ = false;
    if (!*disponible) return std::optional<std::string>{};

    // A line whose CR has been read is whole: it is returned before the next
    // byte is looked at, so that a read failing there cannot take it away.
    std::string ligne;
    for (;;) {
        const std::size_t cr = tampon_.find('\r', position_);
        if (cr != std::string::npos) {
            ligne.append(tampon_, position_, cr - position_);
            position_ = cr + 1;
            apresCr_ = true;
            return std::optional<std::string>{std::move(ligne)};
        }
        ligne.append(tampon_, position_, std::string::npos);
        position_ = tampon_.size();
        auto suite = Remplir();
        if (!suite.ok()) return suite.erreur();
        if (!*suite) return std::optional<std::string>{std::move(ligne)};
    }
}

}  // namespace maj
