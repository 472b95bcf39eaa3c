#include "support/journal.h"

namespace maj::test {

std::vector<std::string> Journal::Filtrer(const std::vector<std::string>& prefixes) const {
    std::vector<std::string> retenues;
    for (const std::string& ligne : lignes_)
        for (const std::string& prefixe : prefixes)
            if (ligne.compare(0, prefixe.size(), prefixe) == 0) {
                retenues.push_back(ligne);
                break;
            }
    return retenues;
}

}  // namespace maj::test
