#pragma once
// Everything the run asks of the operating system goes through this table of
// operations: files on the share, the folder listing, processes, the user's
// name, the program's folder and the system's 8-bit code page. One
// implementation per platform; tests wrap one to inject faults.
//
// Paths are texts in the system's own form. The share is always named
// "\\127.0.0.1\MERVANT\..."; each platform maps that form onto its storage.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commun/erreur.h"

namespace maj {

// A file opened for reading. Reads return raw bytes of the 8-bit code page.
class FichierLecture {
public:
    virtual ~FichierLecture() = default;
    virtual Resultat<std::uint64_t> Longueur() = 0;
    // Up to `taille` bytes; 0 bytes means the end of the file.
    virtual Resultat<std::size_t> Lire(char* tampon, std::size_t taille) = 0;
};

enum class NatureChemin { Absent, Dossier, Fichier };

// The folder listing object of the run ("Scripting.FileSystemObject" on the
// original platform): every file lying directly in a folder, with its full path.
class ListeurDossiers {
public:
    virtual ~ListeurDossiers() = default;
    virtual Resultat<std::vector<std::string>> FichiersDuDossier(const std::string& dossier) = 0;
};

// A command as an argument vector: no path is ever split or interpreted.
struct Commande {
    std::vector<std::string> arguments;
    friend bool operator==(const Commande&, const Commande&) = default;
};

class ProcessusLance {
public:
    virtual ~ProcessusLance() = default;
    // Whether the process has ended, without waiting.
    virtual Resultat<bool> EstTermine() = 0;
    // Waits at most `delai`, returning as soon as the process ends.
    virtual Erreur Attendre(std::chrono::milliseconds delai) = 0;
};

class Systeme {
public:
    virtual ~Systeme() = default;

    // Files and folders.
    virtual Resultat<std::unique_ptr<FichierLecture>> OuvrirLecture(const std::string& chemin) = 0;
    // Opens for appending and closes again: creates an empty file when missing.
    virtual Erreur OuvrirAjoutEtFermer(const std::string& chemin) = 0;
    // Replaces the whole content so that the file holds either its old or its
    // new content, never anything in between.
    virtual Erreur RemplacerContenu(const std::string& chemin, std::string_view octets) = 0;
    virtual Resultat<NatureChemin> Examiner(const std::string& chemin) = 0;
    virtual Erreur CreerDossier(const std::string& chemin) = 0;
    virtual Resultat<std::unique_ptr<ListeurDossiers>> CreerListeur() = 0;
    virtual std::string Joindre(const std::string& dossier, std::string_view nom) const = 0;

    // The system's 8-bit code page. Decoding never fails; encoding fails for a
    // text that has no form in the code page.
    virtual std::string DepuisCodePage(std::string_view octets) const = 0;
    virtual Resultat<std::string> VersCodePage(std::string_view texte) const = 0;

    // Processes. Starting fails at once when the program cannot be started.
    virtual Resultat<std::unique_ptr<ProcessusLance>> Demarrer(const Commande& commande) = 0;
    // The command that copies one file into a folder, overwriting without a
    // question and failing (not asking) when the folder is missing.
    virtual Commande CommandeCopie(const std::string& fichier, const std::string& dossier) const = 0;

    // The user running the program.
    virtual Resultat<std::string> NomUtilisateur() = 0;
    // The folder holding the program's executable; fails when the system cannot tell it.
    virtual Resultat<std::string> DossierProgramme() const = 0;
    // The folder the operator typed, as the platform's paths want it:
    // upper-cased where paths ignore case, kept as typed where they do not.
    virtual std::string DossierSaisi(std::string saisie) const = 0;
};

}  // namespace maj
