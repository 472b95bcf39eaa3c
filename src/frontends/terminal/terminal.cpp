#include "frontends/terminal/terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "commun/texte.h"
#include "frontends/commun/texte_operateur.h"
#include "frontends/terminal/mode_brut.h"
#include "ui/frm_connexion.h"
#include "ui/frm_maj.h"

namespace maj::terminal {
namespace {

constexpr unsigned char Echap = 0x1B, FinEntree = 0x04, Retour = 0x7F, RetourArriere = 0x08,
                        EffacerLigne = 0x15;
// The keys of an escape sequence follow the Escape byte at once; the Escape
// key alone is followed by nothing for much longer than this.
constexpr int DelaiSuiteMs = 50;
constexpr std::string_view Tours = "|/-\\";

bool EstSuite(unsigned char c) { return (c & 0xC0) == 0x80; }

// Overwrites a text that held a password before its memory is given back.
void Oublier(std::string& texte) {
    volatile char* octets = texte.data();
    for (std::size_t i = 0; i < texte.size(); ++i) octets[i] = 0;
    texte.clear();
}

std::string Espaces(std::size_t n, std::string_view motif) {
    std::string texte;
    for (std::size_t i = 0; i < n; ++i) texte.append(motif);
    return texte;
}

std::string TexteEtat() {
    return std::string(Frm_MAJ::Caption).append(" — ").append(Frm_MAJ::Label1);
}

}  // namespace

std::optional<AccesTerminal> AccesTerminal::Trouver() {
    if (::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO)) return AccesTerminal(STDIN_FILENO, STDERR_FILENO, false);
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) return std::nullopt;
    return AccesTerminal(tty, tty, true);
}

AccesTerminal::AccesTerminal(AccesTerminal&& autre) noexcept
    : entree_(autre.entree_), sortie_(autre.sortie_), possede_(autre.possede_) {
    autre.possede_ = false;
}

AccesTerminal::~AccesTerminal() {
    if (possede_) ::close(entree_);
}

void Terminal::Ecrire(std::string_view texte) {
    while (!texte.empty()) {
        const ssize_t ecrits = ::write(acces_.Sortie(), texte.data(), texte.size());
        if (ecrits < 0 && errno == EINTR) continue;
        // Absorbed: a terminal that can no longer be written to is gone, and
        // the reads that follow end each exchange as its Cancel would.
        if (ecrits <= 0) return;
        texte.remove_prefix(static_cast<std::size_t>(ecrits));
    }
}

std::optional<std::string> Terminal::LireLigne() {
    std::string ligne;
    for (;;) {
        char c;
        const ssize_t lus = ::read(acces_.Entree(), &c, 1);
        if (lus < 0 && errno == EINTR) continue;
        if (lus <= 0) {
            if (ligne.empty()) return std::nullopt;
            return ligne;  // a last line ended by the end of input
        }
        if (c == '\n') break;
        ligne.push_back(c);
    }
    if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
    return ligne;
}

void Terminal::AfficherEtat() {
    if (ferme_) return;
    std::string ligne = "\r" + TexteEtat() + " ";
    ligne.push_back(sablier_ ? Tours[tour_ % Tours.size()] : ' ');
    Ecrire(ligne);
    etatAffiche_ = true;
}

void Terminal::EffacerEtat() {
    if (!etatAffiche_) return;
    Ecrire("\r" + Espaces(NombreCaracteres(TexteEtat()) + 2, " ") + "\r");
    etatAffiche_ = false;
}

void Terminal::PointeurEcran(Pointeur pointeur) {
    sablier_ = pointeur == Pointeur::Sablier;
    AfficherEtat();
}

void Terminal::TraiterEvenements() {
    if (sablier_) ++tour_;
    AfficherEtat();
}

void Terminal::DebutEchange() {
    EffacerEtat();
    // Keys typed while the run worked answer nothing: the operator answers
    // what the exchange asks, once it shows.
    ::tcflush(acces_.Entree(), TCIFLUSH);
}

void Terminal::Message(GenreMessage genre, const std::string& texte, const std::string& titre) {
    DebutEchange();
    Ecrire("\n" + frontends::MessagePourFlux(genre, texte, titre) + "Appuyez sur Entrée pour continuer.");
    if (!LireLigne()) Ecrire("\n");
    AfficherEtat();
}

std::string Terminal::InputBox(const std::string& invite, const std::string& titre) {
    DebutEchange();
    Ecrire("\n" + frontends::TexteVisible(titre) + " [saisie]\n" + frontends::TexteVisible(invite) +
           "\n(une ligne vide annule)\n> ");
    auto reponse = LireLigne();
    if (!reponse) Ecrire("\n");
    AfficherEtat();
    return reponse.value_or("");
}

void Terminal::AfficherModal(Frm_Connexion& dialogue) {
    DebutEchange();
    Ecrire("\n" + std::string(Frm_Connexion::Caption) + " (Entrée : " +
           frontends::SansMarqueAcces(Frm_Connexion::Cmd_Ok) +
           ", Échap : " + frontends::SansMarqueAcces(Frm_Connexion::Cmd_Annuler) + ")\n");
    {
        ModeBrut mode(acces_.Entree());
        if (!mode.Actif()) {
            // Without raw mode the password would be echoed: it is not asked.
            Ecrire("Le terminal ne peut pas masquer le mot de passe.\n");
            dialogue.Cmd_Annuler_Click();
        } else {
            std::string nom = dialogue.Txt_Utilisateur.Text;
            std::string motPasse = dialogue.Txt_MotPasse.Text;
            const bool nomSelectionne = dialogue.Txt_Utilisateur.SelStart == 0 && !nom.empty() &&
                                        dialogue.Txt_Utilisateur.SelLength == NombreCaracteres(nom);
            const std::string libelleNom = std::string(Frm_Connexion::Etq_Utilisateur) + " : ";
            const std::string libelleMotPasse = std::string(Frm_Connexion::Etq_MotPasse) + " : ";
            if (Editer(mode, libelleNom, nom, false, nomSelectionne) == FinSaisie::Validee &&
                Editer(mode, libelleMotPasse, motPasse, true, false) == FinSaisie::Validee) {
                dialogue.Txt_Utilisateur.Text = nom;
                dialogue.Txt_MotPasse.Text = motPasse;
                dialogue.Cmd_Ok_Click();
            } else {
                dialogue.Cmd_Annuler_Click();
            }
            Oublier(motPasse);
        }
    }
    AfficherEtat();
}

Terminal::FinSaisie Terminal::Editer(ModeBrut& mode, std::string_view libelle, std::string& texte, bool masque,
                                     bool toutSelectionne) {
    const auto colonnes = [&](std::string_view t) {
        return masque ? NombreCaracteres(t) : NombreCaracteres(frontends::TexteVisible(t));
    };
    const auto montrer = [&] {
        Ecrire(std::string(libelle) +
               (masque ? std::string(NombreCaracteres(texte), '*') : frontends::TexteVisible(texte)));
    };
    const auto toutEffacer = [&] {
        Ecrire(Espaces(colonnes(texte), "\b \b"));
        texte.clear();
    };

    montrer();
    for (;;) {
        unsigned char c;
        const ssize_t lus = ::read(acces_.Entree(), &c, 1);
        if (lus < 0 && errno == EINTR) {
            if (mode.Repris()) {
                Ecrire("\n");
                montrer();
            }
            continue;
        }
        if (lus <= 0) break;  // end of input: as Cancel
        if (c == '\n' || c == '\r') {
            Ecrire("\n");
            return FinSaisie::Validee;
        }
        if (c == Echap) {
            if (SuiteSequence()) continue;  // a cursor key: nothing to edit it with
            break;
        }
        if (c == FinEntree) {
            if (texte.empty()) break;
            continue;
        }
        const bool effacement = c == Retour || c == RetourArriere || c == EffacerLigne;
        if (!effacement && c < 0x20) continue;  // other control keys do nothing
        if (toutSelectionne) {
            // The pre-filled name is selected: the first key replaces it.
            toutSelectionne = false;
            toutEffacer();
            if (effacement) continue;
        }
        if (c == EffacerLigne) {
            toutEffacer();
        } else if (effacement) {
            if (texte.empty()) continue;
            const std::size_t avant = colonnes(texte);
            while (!texte.empty() && EstSuite(static_cast<unsigned char>(texte.back()))) texte.pop_back();
            if (!texte.empty()) texte.pop_back();
            Ecrire(Espaces(avant - colonnes(texte), "\b \b"));
        } else {
            texte.push_back(static_cast<char>(c));
            if (!masque) Ecrire(std::string(1, static_cast<char>(c)));
            else if (!EstSuite(c)) Ecrire("*");
        }
    }
    Ecrire("\n");
    return FinSaisie::Annulee;
}

bool Terminal::SuiteSequence() {
    const auto lireSuivant = [&](unsigned char& c) {
        pollfd attente{acces_.Entree(), POLLIN, 0};
        return ::poll(&attente, 1, DelaiSuiteMs) == 1 && ::read(acces_.Entree(), &c, 1) == 1;
    };
    unsigned char c;
    if (!lireSuivant(c)) return false;
    if (c == '[') {
        // Parameters and intermediates, up to the final byte.
        while (lireSuivant(c) && !(c >= 0x40 && c <= 0x7E)) {
        }
    } else if (c == 'O') {
        lireSuivant(c);  // the one key byte that follows
    }
    return true;
}

void Terminal::FermerFenetre() {
    EffacerEtat();
    ferme_ = true;
}

}  // namespace maj::terminal
