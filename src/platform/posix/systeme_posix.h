#pragma once
// The operating system on POSIX. The share "\\127.0.0.1\MERVANT" is a folder
// of this machine, the share root; texts cross into the system through the
// 8-bit code page, so that names and lines come back byte for byte.

#include <string>

#include "platform/systeme.h"

namespace maj::posix {

class SystemePosix : public Systeme {
public:
    // `racinePartage` and `dossierProgramme` are native paths (bytes); an
    // empty `dossierProgramme` means the system could not tell it.
    SystemePosix(std::string racinePartage, std::string dossierProgramme);

    Resultat<std::unique_ptr<FichierLecture>> OuvrirLecture(const std::string& chemin) override;
    Erreur OuvrirAjoutEtFermer(const std::string& chemin) override;
    Erreur RemplacerContenu(const std::string& chemin, std::string_view octets) override;
    Resultat<NatureChemin> Examiner(const std::string& chemin) override;
    Erreur CreerDossier(const std::string& chemin) override;
    Resultat<std::unique_ptr<ListeurDossiers>> CreerListeur() override;
    std::string Joindre(const std::string& dossier, std::string_view nom) const override;

    std::string DepuisCodePage(std::string_view octets) const override;
    Resultat<std::string> VersCodePage(std::string_view texte) const override;

    Resultat<std::unique_ptr<ProcessusLance>> Demarrer(const Commande& commande) override;
    Commande CommandeCopie(const std::string& fichier, const std::string& dossier) const override;

    Resultat<std::string> NomUtilisateur() override;
    Resultat<std::string> DossierProgramme() const override;
    std::string DossierSaisi(std::string saisie) const override;

    // The native path (bytes) of a path text: the share's form is mapped onto
    // the share root, any other path is taken as a path of this machine.
    Resultat<std::string> CheminNatif(const std::string& chemin) const;

private:
    std::string racinePartage_;
    std::string dossierProgramme_;
};

// The folder holding the running program's executable (native path).
Resultat<std::string> DossierExecutable();

}  // namespace maj::posix
