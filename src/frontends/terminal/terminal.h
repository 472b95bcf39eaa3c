#pragma once
// The front end of an operator at a terminal without a display (a console, a
// session over ssh): each window becomes an exchange on the terminal, in the
// same words. The progress window is a status line; a message waits for
// Enter; the folder prompt reads one line; the login dialog offers the name
// and reads the password without echo, one "*" per character.

#include <optional>
#include <string>
#include <string_view>

#include "ui/fenetres.h"

namespace maj::terminal {

class ModeBrut;

// The operator's terminal: where exchanges are read and written.
class AccesTerminal {
public:
    // Standard input and standard error when both are terminals, otherwise the
    // controlling terminal (/dev/tty); nothing when the program has neither.
    static std::optional<AccesTerminal> Trouver();

    AccesTerminal(AccesTerminal&& autre) noexcept;
    AccesTerminal& operator=(AccesTerminal&&) = delete;
    AccesTerminal(const AccesTerminal&) = delete;
    ~AccesTerminal();

    int Entree() const { return entree_; }
    int Sortie() const { return sortie_; }

private:
    AccesTerminal(int entree, int sortie, bool possede) : entree_(entree), sortie_(sortie), possede_(possede) {}
    int entree_;
    int sortie_;
    bool possede_;  // /dev/tty was opened for this run and is closed with it
};

class Terminal : public Fenetres {
public:
    explicit Terminal(AccesTerminal acces) : acces_(std::move(acces)) {}

    void PointeurEcran(Pointeur pointeur) override;
    // A terminal has no mouse pointer, and nothing to type into between the
    // exchanges: the window's own pointer and state have nothing to show.
    void PointeurFenetre(Pointeur) override {}
    void ActiverFenetre(bool) override {}
    void TraiterEvenements() override;
    void Message(GenreMessage genre, const std::string& texte, const std::string& titre) override;
    std::string InputBox(const std::string& invite, const std::string& titre) override;
    void AfficherModal(Frm_Connexion& dialogue) override;
    void FermerFenetre() override;

private:
    enum class FinSaisie { Validee, Annulee };

    void Ecrire(std::string_view texte);
    // One line in the terminal's own line editing; nothing at end of input.
    std::optional<std::string> LireLigne();
    // One field of the login exchange, edited key by key in raw mode.
    FinSaisie Editer(ModeBrut& mode, std::string_view libelle, std::string& texte, bool masque,
                     bool toutSelectionne);
    // Reads the rest of an escape sequence (an arrow key...) if one follows;
    // false for the Escape key alone.
    bool SuiteSequence();

    void DebutEchange();
    void AfficherEtat();
    void EffacerEtat();

    AccesTerminal acces_;
    bool sablier_ = false;
    bool ferme_ = false;
    bool etatAffiche_ = false;
    std::size_t tour_ = 0;
};

}  // namespace maj::terminal
