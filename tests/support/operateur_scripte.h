#pragma once
// A scripted operator: records every window operation in the journal, in
// order, and answers the modal boxes from queues the test fills. An
// unexpected question fails the test and is answered as Cancel, so that a
// wrong run ends instead of hanging.

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "support/journal.h"
#include "ui/fenetres.h"

namespace maj::test {

struct ReponseConnexion {
    enum class Bouton { Ok, Annuler, CaseFermeture };
    Bouton bouton = Bouton::Ok;
    std::optional<std::string> utilisateur;  // nothing: keep the pre-filled name
    std::string motPasse;
};

class OperateurScripte : public Fenetres {
public:
    explicit OperateurScripte(Journal& journal) : journal_(journal) {}

    std::deque<std::string> reponsesSaisie;
    std::deque<ReponseConnexion> reponsesConnexion;
    int evenementsTraites = 0;
    // Journals each processing of pending events (a long command makes many).
    bool noterEvenements = true;
    // Runs while a message is shown, before the operator closes it: what the
    // test sees there is what the program has done before waiting for the
    // operator.
    std::function<void(const std::string& texte)> pendantMessage;

    void PointeurEcran(Pointeur pointeur) override;
    void PointeurFenetre(Pointeur pointeur) override;
    void ActiverFenetre(bool active) override;
    void TraiterEvenements() override;
    void Message(GenreMessage genre, const std::string& texte, const std::string& titre) override;
    std::string InputBox(const std::string& invite, const std::string& titre) override;
    void AfficherModal(Frm_Connexion& dialogue) override;
    void FermerFenetre() override;

private:
    Journal& journal_;
};

}  // namespace maj::test
