#pragma once
// Runs a real program to its end, feeding its standard input and collecting
// what it writes, for tests of whole programs.

#include <chrono>
#include <string>
#include <vector>

namespace maj::test {

struct Issue {
    int statut = -1;  // exit status; -1 when the program did not exit normally
    std::string sortie;
    std::string erreurs;
    bool delaiDepasse = false;
};

// The program runs in a session of its own, without a controlling terminal.
// `environnement`: the variables of the program's environment, "NOM=valeur".
// A program still running after `delai` is killed (a hang, never a slow run).
Issue Lancer(const std::vector<std::string>& arguments, const std::string& entree,
             const std::vector<std::string>& environnement,
             std::chrono::seconds delai = std::chrono::seconds(120));

// This process's environment without the variables named.
std::vector<std::string> EnvironnementSans(const std::vector<std::string>& noms);

}  // namespace maj::test
