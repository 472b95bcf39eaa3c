#pragma once
// File operations on native paths (bytes), shared by the POSIX system layer
// and by the stand-in database component. Each reports the system's own error
// number (errno), 0 for success, so that its caller can map it to its own
// numbers or name it to the operator.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace maj::posix {

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    ~Descripteur();

    int fd() const { return fd_; }
    bool ouvert() const { return fd_ >= 0; }
    // Closes now, reporting what close reports (a write may fail only there).
    [[nodiscard]] int Fermer();

private:
    int fd_;
};

// Writes every byte, going on after interruptions; a write that makes no
// progress fails rather than loop for ever.
[[nodiscard]] int EcrireTout(int fd, std::string_view octets);

// The whole content of a regular file, failing with EFBIG beyond `maximum` bytes.
[[nodiscard]] int LireTout(const std::string& chemin, std::size_t maximum, std::string& octets);

// Replaces the content of `chemin` so that it holds either its old or its new
// content, never anything in between: the new content is written to a
// temporary file beside it, flushed to disk and renamed over it. The file
// keeps its permissions and, where allowed, its owner; a new file gets
// `modeSiNouveau` less the process's umask.
[[nodiscard]] int RemplacerFichier(const std::string& chemin, std::string_view octets, mode_t modeSiNouveau);

// The names of the regular files lying directly in `dossier` (a link counts
// as what it names), in the folder's own order.
[[nodiscard]] int FichiersReguliers(const std::string& dossier, std::vector<std::string>& noms);

std::string DossierParent(const std::string& chemin);

}  // namespace maj::posix
