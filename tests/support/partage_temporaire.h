#pragma once
// A temporary folder that stands for the share and the program's folder of a
// test, removed with everything in it at the end of the test.

#include <filesystem>
#include <optional>
#include <string>

namespace maj::test {

class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }
    std::string Natif(const std::string& relatif = "") const;

    // Writes `octets` at `relatif`, creating the folders on the way.
    void Ecrire(const std::string& relatif, const std::string& octets) const;
    std::optional<std::string> Lire(const std::string& relatif) const;
    void CreerDossier(const std::string& relatif) const;

private:
    std::filesystem::path chemin_;
};

}  // namespace maj::test
