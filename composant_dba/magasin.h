#pragma once
// The stand-in's store: one text file, MAGASIN.TXT, in a folder of its own.
// Its first line is the signature "MAGASIN-DBA 1"; every other line is a
// comment ("#..."), empty, or an entry whose fields are separated by TAB
// (escaping in champs.h):
//
//   utilisateur     <name>  <password hash, empreinte.h>
//   base            <name>  <folder>
//   fichier         <base>  <file name>
//   droit           <user>  <base>          the user may open the base
//   enregistrement  <base>  <file>  <key>  <value>
//   panne           <operation>  <target>  <effect>  <times>
//
// A fault makes an operation fail: <operation> is Connect (the target is a
// user name), OpenDatabase, OpenFile, Read, Execute, QUI or LANCEMAJCD (the
// target is a base name); <effect> is an error number in hexadecimal
// (0x80004005), or "vide" for QUI, which then answers with no folder; <times>
// is a count, decreased each time the fault strikes and removed at 0, or
// "toujours".
//
// Every change is written to a new file that replaces the old one at once,
// under a lock (MAGASIN.VERROU), so that the store is never seen half written.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "empreinte.h"
#include "erreurs.h"

namespace composant_dba {

inline constexpr std::string_view NOM_FICHIER_MAGASIN = "MAGASIN.TXT";
inline constexpr std::string_view NOM_VERROU = "MAGASIN.VERROU";
inline constexpr std::string_view SIGNATURE = "MAGASIN-DBA 1";

struct Utilisateur {
    std::string nom;
    Empreinte empreinte;
};

struct Base {
    std::string nom;
    std::string dossier;
};

struct Fichier {
    std::string base;
    std::string nom;
};

struct Droit {
    std::string utilisateur;
    std::string base;
};

struct Enregistrement {
    std::string base;
    std::string fichier;
    std::string cle;
    std::string valeur;
};

enum class Operation { Connect, OpenDatabase, OpenFile, Read, Execute, QUI, LANCEMAJCD };

std::string_view NomOperation(Operation operation);
std::optional<Operation> OperationNommee(std::string_view nom);

struct Panne {
    Operation operation;
    std::string cible;
    std::optional<Erreur> erreur;  // nothing: an empty answer (QUI only)
    std::optional<int> fois;       // nothing: every time
};

// What the store holds, in the order of its lines.
struct Contenu {
    std::vector<Utilisateur> utilisateurs;
    std::vector<Base> bases;
    std::vector<Fichier> fichiers;
    std::vector<Droit> droits;
    std::vector<Enregistrement> enregistrements;
    std::vector<Panne> pannes;

    const Utilisateur* TrouverUtilisateur(std::string_view nom) const;
    const Base* TrouverBase(std::string_view nom) const;
    bool ADroit(std::string_view utilisateur, std::string_view base) const;
    bool AFichier(std::string_view base, std::string_view nom) const;
    const Enregistrement* TrouverEnregistrement(std::string_view base, std::string_view fichier,
                                                std::string_view cle) const;
    // The first fault on this operation and target, if any.
    std::optional<std::size_t> TrouverPanne(Operation operation, std::string_view cible) const;

    // Adds, or replaces the entry of the same name (or key).
    void DefinirUtilisateur(Utilisateur utilisateur);
    // A new base gets its update journal, the file "INSTALLMAJ".
    void DefinirBase(Base base);
    void AjouterDroit(Droit droit);
    void DefinirEnregistrement(Enregistrement enregistrement);
    // A fault that strikes: counts it, and removes it when it is spent.
    void Consommer(std::size_t panne);
};

inline constexpr std::string_view FICHIER_JOURNAL_MAJ = "INSTALLMAJ";

// Why a store could not be read: the error number, and for the operator the
// line and what is wrong with it.
struct Diagnostic {
    Erreur erreur;
    std::string texte;
};

// Reads the text of a store; fills `diagnostic` when it cannot.
std::optional<Contenu> Analyser(std::string_view texte, Diagnostic& diagnostic);
std::string Ecrire(const Contenu& contenu);
// Checks what Analyser checks, for content built in memory.
std::optional<Diagnostic> Valider(const Contenu& contenu);

class Magasin {
public:
    // `dossier`: native path of the store's folder.
    explicit Magasin(std::string dossier) : dossier_(std::move(dossier)) {}

    const std::string& Dossier() const { return dossier_; }

    Resultat<Contenu> Lire() const;
    // The same, with the reason for the operator when it fails.
    std::optional<Contenu> Lire(Diagnostic& diagnostic) const;
    // Reads, changes and writes back the store under its lock. When
    // `changement` fails, nothing is written and its error is returned.
    Erreur Modifier(const std::function<Erreur(Contenu&)>& changement, Diagnostic& diagnostic) const;
    Erreur Modifier(const std::function<Erreur(Contenu&)>& changement) const;
    // Creates the folder and an empty store; an existing store is kept.
    Erreur Creer(Diagnostic& diagnostic) const;

private:
    std::string CheminFichier() const;
    std::string dossier_;
};

}  // namespace composant_dba
