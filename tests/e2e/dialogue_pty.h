#pragma once
// A real program run on a terminal of its own (a pty): the test waits for
// what the program shows and types the operator's answers.

#include <chrono>
#include <string>
#include <vector>

namespace maj::test {

class DialoguePty {
public:
    DialoguePty(const std::vector<std::string>& arguments, const std::vector<std::string>& environnement);
    ~DialoguePty();
    DialoguePty(const DialoguePty&) = delete;
    DialoguePty& operator=(const DialoguePty&) = delete;

    // Reads until the screen shows `texte` after everything already waited
    // for; false when the program ends or falls silent first.
    bool Attendre(const std::string& texte, std::chrono::seconds delai = std::chrono::seconds(60));
    void Taper(const std::string& touches);
    // Reads to the end and returns the program's exit status (-1 when it did
    // not exit normally or had to be killed).
    int Terminer(std::chrono::seconds delai = std::chrono::seconds(60));

    // Everything the terminal received, as it received it.
    const std::string& Ecran() const { return ecran_; }

private:
    bool Lire(std::chrono::steady_clock::time_point limite);

    int maitre_ = -1;
    int pid_ = -1;
    std::string ecran_;
    std::size_t vu_ = 0;
};

}  // namespace maj::test
