#pragma once
// The progress window, owner of the update run. Loading it starts the run;
// the run closes it at every end, which ends the program. Its operations are
// defined with the subsystem they belong to (run/, dba/, actions/, files/).

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "commun/erreur.h"
#include "dba/composant.h"
#include "platform/systeme.h"
#include "run/traitement_maj.h"
#include "ui/fenetres.h"

namespace maj {

// How the run ended, for the program's exit status.
enum class FinDuTraitement {
    NonTermine,
    ToutesAJour,  // the summary reports every base updated
    AvecErreurs,  // the summary reports bases not updated
    Interrompu,  // login cancelled, fatal open, or no base folder
};

// The 30 base names, at positions 1 to 30.
class ListeBases {
public:
    std::string& operator()(int position) { return noms_.at(static_cast<std::size_t>(position - 1)); }
    const std::string& operator()(int position) const {
        return noms_.at(static_cast<std::size_t>(position - 1));
    }

private:
    std::array<std::string, constantes::NOMBRE_BASES> noms_{};
};

class Frm_MAJ {
public:
    Frm_MAJ(Systeme& systeme, dba::Activation& activation, Fenetres& fenetres, Variable& variable)
        : systeme_(systeme), activation_(activation), fenetres_(fenetres), variable_(variable) {}

    void Form_Load();

    Resultat<std::string> GetUser();
    Erreur ShellAndWait(const Commande& Path);
    Erreur Recup_Base();
    // Resume mode: every step is tried; the result is the first failure, if any.
    Erreur Initialisation();
    Erreur Initialisation2();
    Erreur Desinitialisation();
    Erreur CopieInstallMAJ(const std::string& W_CheminBase);
    Erreur ExecutionMAJ();
    Erreur GestionMAJ();

    FinDuTraitement Fin() const { return fin_; }
    const ListeBases& Bases() const { return W_Bases; }

    std::shared_ptr<dba::CClient> MyClient;
    std::shared_ptr<dba::CDatabase> MyDatabase;
    bool G_Bool = false;

    // Captions and layout, in twips (1440 to the inch).
    static constexpr std::string_view Caption = "Mise à niveau";
    static constexpr int Gauche = 7830, Haut = 6525, LargeurClient = 3075, HauteurClient = 1545;
    static constexpr std::string_view Label1 = "Mise à niveau en cours...";
    static constexpr int GaucheLabel1 = 480, HautLabel1 = 600, LargeurLabel1 = 2190, HauteurLabel1 = 240;
    static constexpr std::string_view PoliceLabel1 = "MS Sans Serif";
    static constexpr double TaillePoliceLabel1 = 9.75;

private:
    void TraitementMAJ();
    Erreur VerifRepertoire(const std::string& path);
    void VerifFichier(const std::string& path);

    // Steps of the run, in resume mode; those returning false ended the run.
    bool OuvrirBase(int i);
    bool ResoudreChemin(int i);
    Resultat<std::shared_ptr<dba::CDynArray>> DemanderQui();
    void RafraichirVersion();
    void TerminerTot(std::string_view message);

    std::shared_ptr<dba::CDynArray> NouveauDynArray();

    std::shared_ptr<dba::CDynArray> W_Params;
    ListeBases W_Bases;
    std::int32_t W_Statut = 0;
    std::shared_ptr<dba::CDynArray> W_Resultat;
    std::string W_Chemin;
    std::string W_Lecteur;

    Systeme& systeme_;
    dba::Activation& activation_;
    Fenetres& fenetres_;
    Variable& variable_;
    FinDuTraitement fin_ = FinDuTraitement::NonTermine;
};

// A call through a reference that may hold no object fails as such a call
// does: with ERR_OBJET_ABSENT.
template <class Objet, class Appel>
auto Appeler(const std::shared_ptr<Objet>& objet, Appel appel) -> decltype(appel(*objet)) {
    if (!objet) return ERR_OBJET_ABSENT;
    return appel(*objet);
}

}  // namespace maj
