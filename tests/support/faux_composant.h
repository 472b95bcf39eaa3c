#pragma once
// A programmable fake of the database component. Every call is written to the
// journal as "Operation argument..." (with " -> 0x..." when it fails), and the
// behaviour of each operation is set by the test.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dba/composant.h"
#include "support/journal.h"

namespace maj::test {

// The fake's own text form of a whole array: fields joined by this mark.
inline constexpr char MarqueChamp = '\x1F';

struct Session {
    std::string utilisateur;
    std::string motPasse;
};

class FauxComposant : public dba::Activation {
public:
    explicit FauxComposant(Journal& journal) : journal_(journal) {}

    Resultat<std::shared_ptr<dba::CClient>> CreerClient(std::string_view identifiant) override;
    Resultat<std::shared_ptr<dba::CDynArray>> CreerDynArray(std::string_view identifiant) override;

    // What the test programs. Defaults: everything succeeds, "QUI" answers
    // "/bases/<base>", the marker is present.
    bool clientDisponible = true;
    bool tableauxDisponibles = true;
    std::function<Erreur(const Session&)> connexion = [](const Session&) { return Succes; };
    std::function<Erreur(const Session&, const std::string& base)> ouverture =
        [](const Session&, const std::string&) { return Succes; };
    // Opening a base on a client whose last Connect failed (or never came).
    std::function<Erreur(const Session&, const std::string& base)> ouvertureSansConnexion =
        [](const Session&, const std::string&) { return dba::DBA_E_LOGIN_DENIED; };
    // Answer to the n-th "QUI" request (from 1) for a base.
    std::function<std::string(const std::string& base, int n)> qui =
        [](const std::string& base, int) { return "/bases/" + base; };
    std::function<Erreur(const std::string& base)> ouvertureMarqueur = [](const std::string&) { return Succes; };
    std::function<Erreur(const std::string& base)> lectureMarqueur = [](const std::string&) { return Succes; };
    std::function<Erreur(const std::string& base, const std::vector<std::string>& champs)> execution =
        [](const std::string&, const std::vector<std::string>&) { return Succes; };

    Journal& journal() { return journal_; }
    int& compteQui(const std::string& base) { return compteQui_[base]; }

private:
    Journal& journal_;
    std::map<std::string, int> compteQui_;
};

std::string Hex(Erreur erreur);

}  // namespace maj::test
