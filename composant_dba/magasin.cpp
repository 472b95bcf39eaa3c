#include "magasin.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "champs.h"
#include "platform/posix/fichiers_natifs.h"

namespace composant_dba {
namespace {

constexpr std::size_t TAILLE_MAX_MAGASIN = 64u << 20;

constexpr std::pair<Operation, std::string_view> NomsOperations[] = {
    {Operation::Connect, "Connect"}, {Operation::OpenDatabase, "OpenDatabase"},
    {Operation::OpenFile, "OpenFile"}, {Operation::Read, "Read"},
    {Operation::Execute, "Execute"}, {Operation::QUI, "QUI"},
    {Operation::LANCEMAJCD, "LANCEMAJCD"},
};

std::string Guillemets(std::string_view texte) { return "« " + Echapper(texte) + " »"; }

std::string NumeroHex(Erreur erreur) {
    char texte[11];
    std::snprintf(texte, sizeof texte, "0x%08X", erreur.numero);
    return texte;
}

std::optional<Erreur> LireNumero(std::string_view texte) {
    if (texte.size() < 3 || texte.size() > 10 || texte.substr(0, 2) != "0x") return std::nullopt;
    std::uint32_t numero = 0;
    const auto [fin, erreur] = std::from_chars(texte.data() + 2, texte.data() + texte.size(), numero, 16);
    if (erreur != std::errc{} || fin != texte.data() + texte.size() || numero == 0) return std::nullopt;
    return Erreur{numero};
}

std::optional<int> LireFois(std::string_view texte) {
    int fois = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), fois);
    if (erreur != std::errc{} || fin != texte.data() + texte.size() || fois < 1) return std::nullopt;
    return fois;
}

// The checks that span lines: names given once, and every reference to a
// user, a base or a file that the store holds. `lignes` gives, for each kind
// of entry, the line of each entry (empty for content built in memory).
struct LignesEntrees {
    std::vector<int> utilisateurs, bases, fichiers, droits, enregistrements, pannes;
};

std::optional<Diagnostic> VerifierCoherence(const Contenu& c, const LignesEntrees& lignes) {
    const auto echec = [](const std::vector<int>& numeros, std::size_t k, const std::string& texte) {
        const std::string lieu = k < numeros.size()
                                     ? std::string(NOM_FICHIER_MAGASIN) + ", ligne " + std::to_string(numeros[k])
                                     : std::string(NOM_FICHIER_MAGASIN);
        return Diagnostic{DBA_E_MAGASIN_ILLISIBLE, lieu + " : " + texte};
    };
    for (std::size_t k = 0; k < c.utilisateurs.size(); ++k) {
        const auto& u = c.utilisateurs[k];
        if (u.nom.empty()) return echec(lignes.utilisateurs, k, "utilisateur sans nom");
        for (std::size_t j = 0; j < k; ++j)
            if (c.utilisateurs[j].nom == u.nom)
                return echec(lignes.utilisateurs, k, "utilisateur " + Guillemets(u.nom) + " déjà défini");
    }
    for (std::size_t k = 0; k < c.bases.size(); ++k) {
        const auto& b = c.bases[k];
        if (b.nom.empty()) return echec(lignes.bases, k, "base sans nom");
        if (b.dossier.empty()) return echec(lignes.bases, k, "base " + Guillemets(b.nom) + " sans dossier");
        for (std::size_t j = 0; j < k; ++j)
            if (c.bases[j].nom == b.nom)
                return echec(lignes.bases, k, "base " + Guillemets(b.nom) + " déjà définie");
    }
    for (std::size_t k = 0; k < c.fichiers.size(); ++k) {
        const auto& f = c.fichiers[k];
        if (!c.TrouverBase(f.base)) return echec(lignes.fichiers, k, "fichier d'une base inconnue " + Guillemets(f.base));
        if (f.nom.empty()) return echec(lignes.fichiers, k, "fichier sans nom");
        for (std::size_t j = 0; j < k; ++j)
            if (c.fichiers[j].base == f.base && c.fichiers[j].nom == f.nom)
                return echec(lignes.fichiers, k, "fichier " + Guillemets(f.nom) + " déjà défini");
    }
    for (std::size_t k = 0; k < c.droits.size(); ++k) {
        const auto& d = c.droits[k];
        if (!c.TrouverUtilisateur(d.utilisateur))
            return echec(lignes.droits, k, "droit d'un utilisateur inconnu " + Guillemets(d.utilisateur));
        if (!c.TrouverBase(d.base)) return echec(lignes.droits, k, "droit sur une base inconnue " + Guillemets(d.base));
        for (std::size_t j = 0; j < k; ++j)
            if (c.droits[j].utilisateur == d.utilisateur && c.droits[j].base == d.base)
                return echec(lignes.droits, k, "droit déjà défini");
    }
    for (std::size_t k = 0; k < c.enregistrements.size(); ++k) {
        const auto& e = c.enregistrements[k];
        if (!c.AFichier(e.base, e.fichier))
            return echec(lignes.enregistrements, k,
                         "enregistrement d'un fichier inconnu " + Guillemets(e.fichier) + " de la base " +
                             Guillemets(e.base));
        if (e.cle.empty()) return echec(lignes.enregistrements, k, "enregistrement sans clé");
        for (std::size_t j = 0; j < k; ++j) {
            const auto& autre = c.enregistrements[j];
            if (autre.base == e.base && autre.fichier == e.fichier && autre.cle == e.cle)
                return echec(lignes.enregistrements, k, "enregistrement " + Guillemets(e.cle) + " déjà défini");
        }
    }
    for (std::size_t k = 0; k < c.pannes.size(); ++k) {
        const auto& p = c.pannes[k];
        if (p.cible.empty()) return echec(lignes.pannes, k, "panne sans cible");
        if (!p.erreur && p.operation != Operation::QUI)
            return echec(lignes.pannes, k, "seule la requête QUI peut répondre « vide »");
        if (p.erreur && !p.erreur->echec()) return echec(lignes.pannes, k, "panne de numéro 0");
        if (p.fois && *p.fois < 1) return echec(lignes.pannes, k, "panne de compte nul");
    }
    return std::nullopt;
}

}  // namespace

std::string_view NomOperation(Operation operation) {
    for (const auto& [op, nom] : NomsOperations)
        if (op == operation) return nom;
    return {};
}

std::optional<Operation> OperationNommee(std::string_view nom) {
    for (const auto& [op, texte] : NomsOperations)
        if (texte == nom) return op;
    return std::nullopt;
}

const Utilisateur* Contenu::TrouverUtilisateur(std::string_view nom) const {
    for (const auto& u : utilisateurs)
        if (u.nom == nom) return &u;
    return nullptr;
}

const Base* Contenu::TrouverBase(std::string_view nom) const {
    for (const auto& b : bases)
        if (b.nom == nom) return &b;
    return nullptr;
}

bool Contenu::ADroit(std::string_view utilisateur, std::string_view base) const {
    return std::any_of(droits.begin(), droits.end(),
                       [&](const Droit& d) { return d.utilisateur == utilisateur && d.base == base; });
}

bool Contenu::AFichier(std::string_view base, std::string_view nom) const {
    return std::any_of(fichiers.begin(), fichiers.end(),
                       [&](const Fichier& f) { return f.base == base && f.nom == nom; });
}

const Enregistrement* Contenu::TrouverEnregistrement(std::string_view base, std::string_view fichier,
                                                     std::string_view cle) const {
    for (const auto& e : enregistrements)
        if (e.base == base && e.fichier == fichier && e.cle == cle) return &e;
    return nullptr;
}

std::optional<std::size_t> Contenu::TrouverPanne(Operation operation, std::string_view cible) const {
    for (std::size_t k = 0; k < pannes.size(); ++k)
        if (pannes[k].operation == operation && pannes[k].cible == cible) return k;
    return std::nullopt;
}

void Contenu::DefinirUtilisateur(Utilisateur utilisateur) {
    for (auto& u : utilisateurs)
        if (u.nom == utilisateur.nom) {
            u = std::move(utilisateur);
            return;
        }
    utilisateurs.push_back(std::move(utilisateur));
}

void Contenu::DefinirBase(Base base) {
    for (auto& b : bases)
        if (b.nom == base.nom) {
            b.dossier = std::move(base.dossier);
            return;
        }
    fichiers.push_back({base.nom, std::string(FICHIER_JOURNAL_MAJ)});
    bases.push_back(std::move(base));
}

void Contenu::AjouterDroit(Droit droit) {
    if (!ADroit(droit.utilisateur, droit.base)) droits.push_back(std::move(droit));
}

void Contenu::DefinirEnregistrement(Enregistrement enregistrement) {
    for (auto& e : enregistrements)
        if (e.base == enregistrement.base && e.fichier == enregistrement.fichier && e.cle == enregistrement.cle) {
            e.valeur = std::move(enregistrement.valeur);
            return;
        }
    enregistrements.push_back(std::move(enregistrement));
}

void Contenu::Consommer(std::size_t panne) {
    auto& fois = pannes.at(panne).fois;
    if (!fois) return;
    if (--*fois == 0) pannes.erase(pannes.begin() + static_cast<std::ptrdiff_t>(panne));
}

std::optional<Contenu> Analyser(std::string_view texte, Diagnostic& diagnostic) {
    Contenu contenu;
    LignesEntrees lignes;
    const auto echec = [&](int numero, const std::string& raison) -> std::optional<Contenu> {
        diagnostic = {DBA_E_MAGASIN_ILLISIBLE,
                      std::string(NOM_FICHIER_MAGASIN) + ", ligne " + std::to_string(numero) + " : " + raison};
        return std::nullopt;
    };

    int numero = 0;
    std::size_t debut = 0;
    bool signature = false;
    while (debut < texte.size()) {
        const auto fin = texte.find('\n', debut);
        std::string_view ligne = texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut);
        debut = fin == std::string_view::npos ? texte.size() : fin + 1;
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
        if (!EstUtf8Valide(ligne)) return echec(numero, "texte qui n'est pas de l'UTF-8");

        if (!signature) {
            if (ligne != SIGNATURE)
                return echec(numero, "la signature « " + std::string(SIGNATURE) + " » manque");
            signature = true;
            continue;
        }
        if (ligne.empty() || ligne.front() == '#') continue;

        auto champs = ChampsDeLigne(ligne);
        if (!champs) return echec(numero, "échappement invalide (seuls \\\\ et \\xHH sont permis)");
        const std::string& genre = (*champs)[0];
        const auto attendus = [&](std::size_t n) { return champs->size() == n; };
        const auto mauvaisNombre = [&](std::size_t n) {
            return echec(numero, "« " + genre + " » attend " + std::to_string(n - 1) + " champs, la ligne en a " +
                                     std::to_string(champs->size() - 1));
        };
        auto& c = *champs;
        if (genre == "utilisateur") {
            if (!attendus(3)) return mauvaisNombre(3);
            auto empreinte = LireEmpreinte(c[2]);
            if (!empreinte) return echec(numero, "empreinte de mot de passe illisible");
            contenu.utilisateurs.push_back({c[1], std::move(*empreinte)});
            lignes.utilisateurs.push_back(numero);
        } else if (genre == "base") {
            if (!attendus(3)) return mauvaisNombre(3);
            contenu.bases.push_back({c[1], c[2]});
            lignes.bases.push_back(numero);
        } else if (genre == "fichier") {
            if (!attendus(3)) return mauvaisNombre(3);
            contenu.fichiers.push_back({c[1], c[2]});
            lignes.fichiers.push_back(numero);
        } else if (genre == "droit") {
            if (!attendus(3)) return mauvaisNombre(3);
            contenu.droits.push_back({c[1], c[2]});
            lignes.droits.push_back(numero);
        } else if (genre == "enregistrement") {
            if (!attendus(5)) return mauvaisNombre(5);
            contenu.enregistrements.push_back({c[1], c[2], c[3], c[4]});
            lignes.enregistrements.push_back(numero);
        } else if (genre == "panne") {
            if (!attendus(5)) return mauvaisNombre(5);
            const auto operation = OperationNommee(c[1]);
            if (!operation) return echec(numero, "opération inconnue « " + Echapper(c[1]) + " »");
            Panne panne{*operation, c[2], std::nullopt, std::nullopt};
            if (c[3] != "vide") {
                panne.erreur = LireNumero(c[3]);
                if (!panne.erreur) return echec(numero, "numéro d'erreur illisible (attendu : 0x80004005)");
            }
            if (c[4] != "toujours") {
                panne.fois = LireFois(c[4]);
                if (!panne.fois) return echec(numero, "nombre de fois illisible (attendu : un entier positif ou « toujours »)");
            }
            contenu.pannes.push_back(std::move(panne));
            lignes.pannes.push_back(numero);
        } else {
            return echec(numero, "genre de ligne inconnu « " + Echapper(genre) + " »");
        }
    }
    if (!signature) {
        diagnostic = {DBA_E_MAGASIN_ILLISIBLE, std::string(NOM_FICHIER_MAGASIN) + " : magasin vide, sans signature"};
        return std::nullopt;
    }
    if (auto incoherence = VerifierCoherence(contenu, lignes)) {
        diagnostic = std::move(*incoherence);
        return std::nullopt;
    }
    return contenu;
}

std::optional<Diagnostic> Valider(const Contenu& contenu) { return VerifierCoherence(contenu, {}); }

std::string Ecrire(const Contenu& c) {
    std::string texte = std::string(SIGNATURE) + "\n";
    texte += "# Magasin du composant DBA de remplacement : champs séparés par une tabulation.\n";
    const auto ligne = [&](const std::vector<std::string>& champs) { texte += LigneDeChamps(champs) + "\n"; };
    for (const auto& u : c.utilisateurs) ligne({"utilisateur", u.nom, TexteEmpreinte(u.empreinte)});
    for (const auto& b : c.bases) ligne({"base", b.nom, b.dossier});
    for (const auto& f : c.fichiers) ligne({"fichier", f.base, f.nom});
    for (const auto& d : c.droits) ligne({"droit", d.utilisateur, d.base});
    for (const auto& e : c.enregistrements) ligne({"enregistrement", e.base, e.fichier, e.cle, e.valeur});
    for (const auto& p : c.pannes)
        ligne({"panne", std::string(NomOperation(p.operation)), p.cible, p.erreur ? NumeroHex(*p.erreur) : "vide",
               p.fois ? std::to_string(*p.fois) : "toujours"});
    return texte;
}

std::string Magasin::CheminFichier() const { return dossier_ + "/" + std::string(NOM_FICHIER_MAGASIN); }

std::optional<Contenu> Magasin::Lire(Diagnostic& diagnostic) const {
    const std::string chemin = CheminFichier();
    std::string texte;
    if (const int erreur = maj::posix::LireTout(chemin, TAILLE_MAX_MAGASIN, texte)) {
        diagnostic = {DBA_E_MAGASIN_ILLISIBLE, erreur == EFBIG
                                                   ? "magasin trop grand pour en être un : " + chemin
                                                   : "magasin illisible : " + chemin + " : " + std::strerror(erreur)};
        return std::nullopt;
    }
    return Analyser(texte, diagnostic);
}

Resultat<Contenu> Magasin::Lire() const {
    Diagnostic diagnostic;
    auto contenu = Lire(diagnostic);
    if (!contenu) return diagnostic.erreur;
    return std::move(*contenu);
}

namespace {

// Writes the new text beside the store, then puts it in place at once. Only
// its owner may read a store, since it holds the password hashes.
Erreur Remplacer(const std::string& chemin, const std::string& texte, Diagnostic& diagnostic) {
    if (const int erreur = maj::posix::RemplacerFichier(chemin, texte, 0600)) {
        diagnostic = {DBA_E_MAGASIN_ECRITURE, "magasin impossible à écrire : " + chemin + " : " + std::strerror(erreur)};
        return DBA_E_MAGASIN_ECRITURE;
    }
    return Succes;
}

class Verrou {
public:
    explicit Verrou(const std::string& chemin)
        : fd_(::open(chemin.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)),
          tenu_(fd_.ouvert() && ::flock(fd_.fd(), LOCK_EX) == 0) {}
    bool Tenu() const { return tenu_; }

private:
    maj::posix::Descripteur fd_;
    bool tenu_;
};

}  // namespace

Erreur Magasin::Modifier(const std::function<Erreur(Contenu&)>& changement, Diagnostic& diagnostic) const {
    Verrou verrou(dossier_ + "/" + std::string(NOM_VERROU));
    if (!verrou.Tenu()) {
        diagnostic = {DBA_E_MAGASIN_ECRITURE, "magasin impossible à verrouiller : " + dossier_ + " : " + std::strerror(errno)};
        return DBA_E_MAGASIN_ECRITURE;
    }
    auto contenu = Lire(diagnostic);
    if (!contenu) return diagnostic.erreur;
    if (Erreur e = changement(*contenu)) {
        diagnostic = {e, "modification refusée"};
        return e;
    }
    if (auto incoherence = Valider(*contenu)) {
        diagnostic = std::move(*incoherence);
        return diagnostic.erreur;
    }
    return Remplacer(CheminFichier(), Ecrire(*contenu), diagnostic);
}

Erreur Magasin::Modifier(const std::function<Erreur(Contenu&)>& changement) const {
    Diagnostic diagnostic;
    return Modifier(changement, diagnostic);
}

Erreur Magasin::Creer(Diagnostic& diagnostic) const {
    std::error_code erreur;
    std::filesystem::create_directories(dossier_, erreur);
    if (erreur) {
        diagnostic = {DBA_E_MAGASIN_ECRITURE, "dossier du magasin impossible à créer : " + dossier_ + " : " + erreur.message()};
        return DBA_E_MAGASIN_ECRITURE;
    }
    Verrou verrou(dossier_ + "/" + std::string(NOM_VERROU));
    if (!verrou.Tenu()) {
        diagnostic = {DBA_E_MAGASIN_ECRITURE, "magasin impossible à verrouiller : " + dossier_ + " : " + std::strerror(errno)};
        return DBA_E_MAGASIN_ECRITURE;
    }
    struct stat etat{};
    if (::stat(CheminFichier().c_str(), &etat) == 0) {
        // An existing store is kept, but only when it can be read.
        return Lire(diagnostic) ? Succes : diagnostic.erreur;
    }
    return Remplacer(CheminFichier(), Ecrire(Contenu{}), diagnostic);
}

}  // namespace composant_dba
