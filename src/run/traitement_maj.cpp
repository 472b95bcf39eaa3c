// The update run: one pass over the base list, then the summary and the
// version file refresh. The whole run is in resume mode: a failing step is
// skipped (`absorbee`) and the run goes on with its next step; the only tests
// are those of the base opening and of the base folder, each on the error
// number of the very operation it is about.

#include "run/traitement_maj.h"

#include "commun/texte.h"
#include "run/messages.h"
#include "ui/frm_connexion.h"
#include "ui/frm_maj.h"

namespace maj {
namespace {

using messages::CRLF;

// The lines of an outcome list: fields 1 to its count, each followed by CR LF.
std::string LignesDe(const std::shared_ptr<dba::CDynArray>& liste) {
    std::string lignes;
    auto nombre = Appeler(liste, [](dba::CDynArray& l) { return l.DCount(); });
    if (!nombre.ok()) return lignes;  // absorbed: the list contributes no lines
    for (int k = 1; k <= *nombre; ++k)
        lignes.append(liste->Champ(k).valeur_ou("")).append(CRLF);
    return lignes;
}

}  // namespace

void Frm_MAJ::TraitementMAJ() {
    auto W_ListeMaj = NouveauDynArray();
    auto W_ListeNonMaj = NouveauDynArray();
    bool W_Erreur = false;
    auto listeur = systeme_.CreerListeur();
    variable_.G_Fso = listeur.ok() ? std::shared_ptr<ListeurDossiers>(std::move(*listeur)) : nullptr;

    fenetres_.PointeurEcran(Pointeur::Sablier);
    fenetres_.ActiverFenetre(false);

    absorbee(Initialisation());
    W_Params = NouveauDynArray();
    absorbee(Recup_Base());

    int i = 1;
    do {
        if (!OuvrirBase(i)) return;
        if (!ResoudreChemin(i)) return;
        W_Lecteur = PremierCaractere(W_Chemin);

        absorbee(CopieInstallMAJ(W_Chemin));
        absorbee(ExecutionMAJ());
        absorbee(GestionMAJ());

        if (variable_.G_MajOk) {
            absorbee(Appeler(W_ListeMaj, [&](dba::CDynArray& l) {
                return l.DefinirChamp(i, messages::LigneMaj(W_Bases(i)));
            }));
        } else {
            absorbee(Appeler(W_ListeNonMaj, [&](dba::CDynArray& l) -> Erreur {
                auto n = l.DCount();
                if (!n.ok()) return n.erreur();
                return l.DefinirChamp(*n + 1, messages::LigneNonMaj(W_Bases(i)));
            }));
            W_Erreur = true;
        }

        MyDatabase.reset();
        absorbee(Appeler(MyClient, [](dba::CClient& c) { return c.Close(); }));
        absorbee(Initialisation2());
        ++i;
    } while (i <= constantes::NOMBRE_BASES && !W_Bases(i).empty());

    fenetres_.TraiterEvenements();
    fenetres_.PointeurEcran(Pointeur::Defaut);
    fenetres_.ActiverFenetre(true);

    if (!W_Erreur) {
        std::string texte = std::string(messages::SUCCES).append(CRLF).append(CRLF);
        texte.append(LignesDe(W_ListeMaj));
        fenetres_.Message(GenreMessage::Information, texte, std::string(messages::TITRE));
    } else {
        std::string texte = std::string(messages::ERREURS).append(CRLF).append(CRLF);
        texte.append(LignesDe(W_ListeMaj)).append(CRLF);
        texte.append(LignesDe(W_ListeNonMaj)).append(CRLF);
        texte.append(messages::CONTACTER);
        fenetres_.Message(GenreMessage::Critique, texte, std::string(messages::TITRE));
    }

    RafraichirVersion();

    absorbee(Desinitialisation());
    fenetres_.FermerFenetre();
    fin_ = W_Erreur ? FinDuTraitement::AvecErreurs : FinDuTraitement::ToutesAJour;
}

// Opens base i; on the first base a refused default login brings up the login
// dialog until the base opens or the operator cancels. False: the run ended.
bool Frm_MAJ::OuvrirBase(int i) {
    auto ouvrir = [&]() -> Erreur {
        auto base = Appeler(MyClient, [&](dba::CClient& c) {
            return c.OpenDatabase(std::string(constantes::APPLICATION), W_Bases(i));
        });
        MyDatabase = base.ok() ? *base : nullptr;
        return base.erreur();
    };

    Erreur ouverture = ouvrir();

    if (i == 1 && (ouverture == dba::DBA_E_OPEN_DENIED || ouverture == dba::DBA_E_LOGIN_DENIED)) {
        if (auto nom = GetUser(); nom.ok()) variable_.G_Utilisateur = *nom;
        variable_.G_Annule = false;
        fenetres_.TraiterEvenements();
        fenetres_.PointeurEcran(Pointeur::Defaut);
        fenetres_.ActiverFenetre(true);
        for (;;) {
            Frm_Connexion dialogue(variable_);
            dialogue.Show(fenetres_);
            if (variable_.G_Annule) {
                fenetres_.Message(GenreMessage::Critique, std::string(messages::CONNEXION_ANNULEE),
                                  std::string(messages::TITRE));
                absorbee(Desinitialisation());
                fenetres_.FermerFenetre();
                fin_ = FinDuTraitement::Interrompu;
                return false;
            }
            Erreur connexion = Initialisation2();
            ouverture = ouvrir();
            if (!connexion.echec() && !ouverture.echec()) break;
        }
    }

    if (ouverture == dba::DBA_E_OPEN_DENIED) {
        TerminerTot(messages::OuvertureImpossible(W_Bases(i)));
        return false;
    }
    // Any other outcome goes on: after a failed open, the requests that
    // follow fail since no base is open.
    return true;
}

Resultat<std::shared_ptr<dba::CDynArray>> Frm_MAJ::DemanderQui() {
    auto requete = Appeler(W_Params, [](dba::CDynArray& p) -> Resultat<std::string> {
        absorbee(p.DefinirTexte(""));
        absorbee(p.DefinirChamp(1, "P"));
        absorbee(p.DefinirChamp(2, "QUI"));
        return p.Texte();
    });
    if (!requete.ok()) return requete.erreur();
    return Appeler(MyDatabase, [&](dba::CDatabase& base) { return base.Execute(*requete, "", W_Statut); });
}

// Finds the folder of base i: from the server, asked twice, or else from the
// operator. False: the operator gave nothing and the run ended.
bool Frm_MAJ::ResoudreChemin(int i) {
    auto demander = [&]() -> std::string {
        auto resultat = DemanderQui();
        // A failed request has an empty result, never the previous base's.
        W_Resultat = resultat.ok() ? *resultat : nullptr;
        return Appeler(W_Resultat, [](dba::CDynArray& r) { return r.Champ(1); }).valeur_ou("");
    };

    std::string dossier = demander();
    if (dossier.empty()) dossier = demander();
    if (!dossier.empty()) {
        W_Chemin = dossier;
        return true;
    }

    W_Lecteur = systeme_.DossierSaisi(
        fenetres_.InputBox(messages::SaisieChemin(W_Bases(i)), std::string(messages::TITRE_PROGRAMME)));
    if (W_Lecteur.empty()) {
        TerminerTot(messages::CHEMIN_ABSENT);
        return false;
    }
    W_Chemin = W_Lecteur;
    return true;
}

// The early endings that follow the progress window's own pointer.
void Frm_MAJ::TerminerTot(std::string_view message) {
    fenetres_.Message(GenreMessage::Critique, std::string(message), std::string(messages::TITRE));
    fenetres_.TraiterEvenements();
    fenetres_.PointeurFenetre(Pointeur::Defaut);
    fenetres_.ActiverFenetre(true);
    absorbee(Desinitialisation());
    fenetres_.FermerFenetre();
    fin_ = FinDuTraitement::Interrompu;
}

}  // namespace maj
