#pragma once
// A Systeme that hands every operation to another one, the real platform in
// tests. A test derives from it and overrides only the operations it watches
// or makes fail, so that everything else runs for real.

#include "platform/systeme.h"

namespace maj::test {

class SystemeEnveloppe : public Systeme {
public:
    explicit SystemeEnveloppe(Systeme& reel) : reel_(reel) {}

    Resultat<std::unique_ptr<FichierLecture>> OuvrirLecture(const std::string& chemin) override {
        return reel_.OuvrirLecture(chemin);
    }
    Erreur OuvrirAjoutEtFermer(const std::string& chemin) override { return reel_.OuvrirAjoutEtFermer(chemin); }
    Erreur RemplacerContenu(const std::string& chemin, std::string_view octets) override {
        return reel_.RemplacerContenu(chemin, octets);
    }
    Resultat<NatureChemin> Examiner(const std::string& chemin) override { return reel_.Examiner(chemin); }
    Erreur CreerDossier(const std::string& chemin) override { return reel_.CreerDossier(chemin); }
    Resultat<std::unique_ptr<ListeurDossiers>> CreerListeur() override { return reel_.CreerListeur(); }
    std::string Joindre(const std::string& dossier, std::string_view nom) const override {
        return reel_.Joindre(dossier, nom);
    }
    std::string DepuisCodePage(std::string_view octets) const override { return reel_.DepuisCodePage(octets); }
    Resultat<std::string> VersCodePage(std::string_view texte) const override { return reel_.VersCodePage(texte); }
    Resultat<std::unique_ptr<ProcessusLance>> Demarrer(const Commande& commande) override {
        return reel_.Demarrer(commande);
    }
    Commande CommandeCopie(const std::string& fichier, const std::string& dossier) const override {
        return reel_.CommandeCopie(fichier, dossier);
    }
    Resultat<std::string> NomUtilisateur() override { return reel_.NomUtilisateur(); }
    Resultat<std::string> DossierProgramme() const override { return reel_.DossierProgramme(); }
    std::string DossierSaisi(std::string saisie) const override { return reel_.DossierSaisi(std::move(saisie)); }

protected:
    Systeme& reel_;
};

}  // namespace maj::test
