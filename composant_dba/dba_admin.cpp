// Lays out and inspects the store of the stand-in database component.

#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "champs.h"
#include "magasin.h"
#include "platform/posix/code_page.h"

#ifndef MAJ_MAGASIN_DBA
#error "MAJ_MAGASIN_DBA: the folder of the component's store, a constant of the build"
#endif

namespace composant_dba {
namespace {

constexpr int SORTIE_MAGASIN = 1;
constexpr int SORTIE_USAGE = 2;

constexpr const char* Usage = R"(usage : dba_admin [--magasin DOSSIER] COMMANDE...
  creer                                 crée un magasin vide (un magasin existant est gardé)
  utilisateur NOM [--iterations N]      ajoute l'utilisateur ou change son mot de passe,
                                        lu sur l'entrée standard (une ligne ; vide permis)
  base NOM DOSSIER                      ajoute la base ou change son dossier
  autoriser UTILISATEUR BASE...         permet à l'utilisateur d'ouvrir ces bases
  panne OPERATION CIBLE EFFET [FOIS]    OPERATION : Connect (CIBLE : un utilisateur),
                                        OpenDatabase, OpenFile, Read, Execute, QUI, LANCEMAJCD
                                        (CIBLE : une base) ; EFFET : 0x80004005... ou vide (QUI) ;
                                        FOIS : un entier positif, toujours par défaut
  sans-pannes                           retire toutes les pannes
  enregistrements [BASE]                montre les enregistrements
  lister                                montre le magasin, sans les empreintes
  verifier                              lit tout le magasin et dit ce qui ne va pas
Le magasin par défaut est )" MAJ_MAGASIN_DBA "\n";

struct ErreurUsage {
    std::string texte;
};

// Names and passwords are texts, as the operator types them; folders are
// native paths, turned into the text the program's code page makes of them.
std::string Nom(const std::string& argument) {
    if (argument.empty() || !EstUtf8Valide(argument)) throw ErreurUsage{"nom vide ou qui n'est pas de l'UTF-8"};
    return argument;
}

std::string Dossier(const std::string& argument) {
    if (argument.empty()) throw ErreurUsage{"dossier vide"};
    return maj::posix::Decoder1252(std::filesystem::absolute(argument).lexically_normal().string());
}

std::string LireMotPasse(const std::string& utilisateur) {
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios ancien{};
    const auto lire = [&](const char* invite) {
        std::string ligne;
        if (terminal) {
            std::cerr << invite << utilisateur << " : " << std::flush;
            ::tcgetattr(STDIN_FILENO, &ancien);
            termios sansEcho = ancien;
            sansEcho.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &sansEcho);
        }
        const bool lu = static_cast<bool>(std::getline(std::cin, ligne));
        if (terminal) {
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &ancien);
            std::cerr << "\n";
        }
        if (!lu && !std::cin.eof()) throw ErreurUsage{"mot de passe illisible"};
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (!EstUtf8Valide(ligne)) throw ErreurUsage{"mot de passe qui n'est pas de l'UTF-8"};
        return ligne;
    };
    std::string motPasse = lire("Mot de passe de ");
    if (terminal && lire("Confirmation pour ") != motPasse) throw ErreurUsage{"les deux saisies diffèrent"};
    return motPasse;
}

int Echec(const Diagnostic& diagnostic) {
    std::fprintf(stderr, "dba_admin : %s (0x%08X)\n", diagnostic.texte.c_str(), diagnostic.erreur.numero);
    return SORTIE_MAGASIN;
}

int Modifier(const Magasin& magasin, const std::function<Erreur(Contenu&)>& changement) {
    Diagnostic diagnostic;
    if (magasin.Modifier(changement, diagnostic)) return Echec(diagnostic);
    return 0;
}

void Lister(const Contenu& c, std::ostream& sortie) {
    for (const auto& u : c.utilisateurs)
        sortie << "utilisateur " << Echapper(u.nom) << " (empreinte pbkdf2-sha256, " << u.empreinte.iterations
               << " itérations)\n";
    for (const auto& b : c.bases) sortie << "base " << Echapper(b.nom) << " : " << Echapper(b.dossier) << "\n";
    for (const auto& f : c.fichiers) sortie << "fichier " << Echapper(f.base) << " : " << Echapper(f.nom) << "\n";
    for (const auto& d : c.droits) sortie << "droit " << Echapper(d.utilisateur) << " sur " << Echapper(d.base) << "\n";
    for (const auto& e : c.enregistrements)
        sortie << "enregistrement " << Echapper(e.base) << " " << Echapper(e.fichier) << " " << Echapper(e.cle) << " : "
               << Echapper(e.valeur) << "\n";
    for (const auto& p : c.pannes) {
        char effet[16] = "vide";
        if (p.erreur) std::snprintf(effet, sizeof effet, "0x%08X", p.erreur->numero);
        sortie << "panne " << NomOperation(p.operation) << " " << Echapper(p.cible) << " " << effet << " "
               << (p.fois ? std::to_string(*p.fois) + " fois" : std::string("toujours")) << "\n";
    }
}

int Executer(std::vector<std::string> arguments) {
    std::string dossier = MAJ_MAGASIN_DBA;
    if (arguments.size() >= 2 && arguments[0] == "--magasin") {
        dossier = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.empty()) throw ErreurUsage{"commande manquante"};
    const Magasin magasin(dossier);
    const std::string commande = arguments[0];
    const std::vector<std::string> a(arguments.begin() + 1, arguments.end());
    const auto attendre = [&](std::size_t min, std::size_t max) {
        if (a.size() < min || a.size() > max) throw ErreurUsage{"mauvais nombre d'arguments pour " + commande};
    };

    if (commande == "creer") {
        attendre(0, 0);
        Diagnostic diagnostic;
        return magasin.Creer(diagnostic) ? Echec(diagnostic) : 0;
    }
    if (commande == "utilisateur") {
        attendre(1, 3);
        int iterations = ITERATIONS_DEFAUT;
        if (a.size() == 3 && a[1] == "--iterations") {
            try {
                iterations = std::stoi(a[2]);
            } catch (const std::exception&) {
                throw ErreurUsage{"nombre d'itérations illisible"};
            }
        } else if (a.size() != 1) {
            throw ErreurUsage{"usage : utilisateur NOM [--iterations N]"};
        }
        const std::string nom = Nom(a[0]);
        auto empreinte = CalculerEmpreinte(LireMotPasse(nom), iterations);
        if (!empreinte.ok())
            throw ErreurUsage{"empreinte impossible (itérations entre " + std::to_string(ITERATIONS_MIN) + " et " +
                              std::to_string(ITERATIONS_MAX) + ")"};
        return Modifier(magasin, [&](Contenu& c) {
            c.DefinirUtilisateur({nom, *empreinte});
            return Succes;
        });
    }
    if (commande == "base") {
        attendre(2, 2);
        const std::string nom = Nom(a[0]), chemin = Dossier(a[1]);
        return Modifier(magasin, [&](Contenu& c) {
            c.DefinirBase({nom, chemin});
            return Succes;
        });
    }
    if (commande == "autoriser") {
        attendre(2, SIZE_MAX);
        const std::string utilisateur = Nom(a[0]);
        std::vector<std::string> bases;
        for (std::size_t k = 1; k < a.size(); ++k) bases.push_back(Nom(a[k]));
        return Modifier(magasin, [&](Contenu& c) {
            for (const auto& base : bases) c.AjouterDroit({utilisateur, base});
            return Succes;
        });
    }
    if (commande == "panne") {
        attendre(3, 4);
        const auto operation = OperationNommee(a[0]);
        if (!operation) throw ErreurUsage{"opération inconnue : " + a[0]};
        Panne panne{*operation, Nom(a[1]), std::nullopt, std::nullopt};
        if (a[2] != "vide") {
            try {
                std::size_t fin = 0;
                const unsigned long numero = std::stoul(a[2], &fin, 16);
                if (fin != a[2].size() || a[2].rfind("0x", 0) != 0 || numero == 0 || numero > 0xFFFFFFFFul)
                    throw std::invalid_argument("numéro");
                panne.erreur = Erreur{static_cast<std::uint32_t>(numero)};
            } catch (const std::exception&) {
                throw ErreurUsage{"numéro d'erreur illisible : " + a[2] + " (attendu : 0x80004005)"};
            }
        }
        if (a.size() == 4 && a[3] != "toujours") {
            try {
                std::size_t fin = 0;
                panne.fois = std::stoi(a[3], &fin);
                if (fin != a[3].size() || *panne.fois < 1) throw std::invalid_argument("fois");
            } catch (const std::exception&) {
                throw ErreurUsage{"nombre de fois illisible : " + a[3]};
            }
        }
        return Modifier(magasin, [&](Contenu& c) {
            c.pannes.push_back(panne);
            return Succes;
        });
    }
    if (commande == "sans-pannes") {
        attendre(0, 0);
        return Modifier(magasin, [](Contenu& c) {
            c.pannes.clear();
            return Succes;
        });
    }
    if (commande == "enregistrements" || commande == "lister" || commande == "verifier") {
        attendre(0, commande == "enregistrements" ? 1 : 0);
        Diagnostic diagnostic;
        auto contenu = magasin.Lire(diagnostic);
        if (!contenu) return Echec(diagnostic);
        if (commande == "lister") Lister(*contenu, std::cout);
        if (commande == "verifier") std::cout << "magasin lisible : " << dossier << "\n";
        if (commande == "enregistrements") {
            for (const auto& e : contenu->enregistrements)
                if (a.empty() || e.base == a[0])
                    std::cout << Echapper(e.base) << "\t" << Echapper(e.fichier) << "\t" << Echapper(e.cle) << "\t"
                              << Echapper(e.valeur) << "\n";
        }
        return 0;
    }
    throw ErreurUsage{"commande inconnue : " + commande};
}

}  // namespace
}  // namespace composant_dba

int main(int argc, char** argv) {
    try {
        return composant_dba::Executer(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const composant_dba::ErreurUsage& erreur) {
        std::cerr << "dba_admin : " << erreur.texte << "\n" << composant_dba::Usage;
        return composant_dba::SORTIE_USAGE;
    } catch (const std::exception& erreur) {
        std::cerr << "dba_admin : " << erreur.what() << "\n";
        return composant_dba::SORTIE_MAGASIN;
    }
}
