#pragma once
// One journal for the fake component and the scripted operator, so that a
// test sees component calls and operator interactions in their exact order.

#include <string>
#include <vector>

namespace maj::test {

class Journal {
public:
    void Noter(std::string ligne) { lignes_.push_back(std::move(ligne)); }
    const std::vector<std::string>& Lignes() const { return lignes_; }
    // The lines that start with one of `prefixes`, in order.
    std::vector<std::string> Filtrer(const std::vector<std::string>& prefixes) const;
    void Vider() { lignes_.clear(); }

private:
    std::vector<std::string> lignes_;
};

}  // namespace maj::test
