#pragma once
// Line reading of the share's text files: a line ends at CR LF or at a lone
// CR; a lone LF is no line end and stays in the line. Lines come back as the
// raw bytes of the 8-bit code page.

#include <optional>
#include <string>

#include "platform/systeme.h"

namespace maj {

class LecteurLignes {
public:
    explicit LecteurLignes(FichierLecture& fichier) : fichier_(fichier) {}

    // The next line, or nothing at the end of the file. A read failure passes
    // on; the lines returned before it stay good.
    Resultat<std::optional<std::string>> Suivante();

private:
    // Makes sure at least one unread byte is buffered; false at the end.
    Resultat<bool> Remplir();

    FichierLecture& fichier_;
    std::string tampon_;
    std::size_t position_ = 0;
    // The last line ended at a CR: an LF right after it belongs to that end.
    bool apresCr_ = false;
};

}  // namespace maj
