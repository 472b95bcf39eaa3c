#pragma once
// A program run on a new pseudo-terminal, its controlling terminal, and the
// test at the other end playing the operator: it waits for texts to appear
// and types answers.

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace maj::test {

class Pty {
public:
    // Starts `programme` with `arguments`, without a display. `avantExec`
    // runs in the child, on the new terminal, just before the program starts.
    Pty(const std::string& programme, const std::vector<std::string>& arguments,
        std::function<void()> avantExec = {});
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Reads until `texte` appears after the previous match; false when the
    // program ends or nothing comes for `delai` (only a hang takes that long).
    bool Attendre(std::string_view texte, std::chrono::seconds delai = std::chrono::seconds(30));
    // Reads until one of `textes` appears after the previous match: the
    // index of the first to appear, -1 as for Attendre.
    int AttendreUn(const std::vector<std::string_view>& textes,
                   std::chrono::seconds delai = std::chrono::seconds(30));
    void Taper(std::string_view touches);
    // Waits for the end of the program (reading what it still writes) and
    // returns its wait status; -1 when it did not end within `delai`.
    int Fin(std::chrono::seconds delai = std::chrono::seconds(30));

    // The terminal's settings now, and as the program found them.
    termios Reglages() const;
    const termios& Initiaux() const { return initiaux_; }
    pid_t Processus() const { return pid_; }
    const std::string& Sortie() const { return sortie_; }

private:
    // Reads what is there within `attente`; false once the program's side is closed.
    bool Lire(std::chrono::milliseconds attente);

    termios initiaux_{};
    int maitre_ = -1;
    pid_t pid_ = -1;
    bool termine_ = false;
    int statut_ = 0;
    std::string sortie_;
    std::size_t curseur_ = 0;
};

}  // namespace maj::test
