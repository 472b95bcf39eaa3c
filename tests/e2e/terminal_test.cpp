// The real program at a terminal (a pty), the operator typing: the two
// scenarios that need one. What the terminal showed is compared byte for
// byte, once the progress status line (its turning hourglass depends on
// timing) is taken out.

#include <pwd.h>
#include <unistd.h>

#include "commun/texte.h"
#include "e2e/terrain.h"
#include "support/pty.h"

namespace maj::test {
namespace {

using composant_dba::Operation;

// The program finds no display: the terminal front end answers.
void SansChoixDAffichage() { ::unsetenv("QT_QPA_PLATFORM"); }

const std::string Etat = "Mise à niveau — Mise à niveau en cours...";

// The screen without the status line: each drawing of it ("\r", the text, a
// space and the hourglass) and each erasing ("\r", spaces, "\r").
std::string SansLigneEtat(std::string ecran) {
    const std::string dessin = "\r" + Etat + " ";
    const std::string effacement = "\r" + std::string(NombreCaracteres(Etat) + 2, ' ') + "\r";
    for (std::size_t k; (k = ecran.find(dessin)) != std::string::npos;) ecran.erase(k, dessin.size() + 1);
    for (std::size_t k; (k = ecran.find(effacement)) != std::string::npos;) ecran.erase(k, effacement.size());
    return ecran;
}

std::string NomSysteme() {
    const passwd* compte = ::getpwuid(::geteuid());
    return compte ? compte->pw_name : "";
}

std::string EffacerNom(const std::string& nom) {
    std::string touches;
    for (std::size_t k = 0; k < NombreCaracteres(nom); ++k) touches += "\b \b";
    return touches;
}

constexpr const char* ResumeToutesAJour =
    "\r\nMessage TARMELDON [information]\r\n"
    "Mise à jour du serveur terminée avec succès.\r\n"
    "\r\n"
    "Base Base Une : mise à jour.\r\n"
    "Base BASE2 : mise à jour.\r\n"
    "Base BASE3 : mise à jour.\r\n"
    "Appuyez sur Entrée pour continuer.\r\n";

using ProgrammeAuTerminal = Terrain;

TEST_F(ProgrammeAuTerminal, ARefusedDefaultLoginThenWrongThenGoodCredentialsUpdateEveryBase) {
    Changer([](composant_dba::Contenu& c) {
        auto autre = composant_dba::CalculerEmpreinte("pas vide", composant_dba::ITERATIONS_MIN);
        auto dupont = composant_dba::CalculerEmpreinte("Sésame", composant_dba::ITERATIONS_MIN);
        ASSERT_TRUE(autre.ok() && dupont.ok());
        c.DefinirUtilisateur({"ADM", *autre});
        c.DefinirUtilisateur({"DUPONT", *dupont});
        for (const auto& base : NomsBases()) c.AjouterDroit({"DUPONT", base});
    });

    Pty operateur(programme_.string(), {}, SansChoixDAffichage);
    ASSERT_TRUE(operateur.Attendre("Utilisateur : " + NomSysteme()));
    operateur.Taper("DUPONT\r");
    ASSERT_TRUE(operateur.Attendre("Mot de Passe : "));
    operateur.Taper("faux\r");
    ASSERT_TRUE(operateur.Attendre("Utilisateur : DUPONT"));
    operateur.Taper("\r");
    ASSERT_TRUE(operateur.Attendre("Mot de Passe : "));
    operateur.Taper("Sésame\r");
    ASSERT_TRUE(operateur.Attendre("Appuyez sur Entrée pour continuer."));
    operateur.Taper("\n");
    EXPECT_EQ(operateur.Fin(), 0);  // exited, with status 0

    const std::string dialogue = "\r\nIdentification (Entrée : Ok, Échap : Annuler)\r\n";
    EXPECT_EQ(SansLigneEtat(operateur.Sortie()),
              dialogue + "Utilisateur : " + NomSysteme() + EffacerNom(NomSysteme()) + "DUPONT\r\n" +
                  "Mot de Passe : ****\r\n" +
                  dialogue + "Utilisateur : DUPONT\r\n" + "Mot de Passe : ******\r\n" + ResumeToutesAJour);
    for (const auto& base : NomsBases()) {
        EXPECT_TRUE(PaquetCopie(base)) << base;
        const auto contenu = Magasin();
        const auto* enregistrement = contenu.TrouverEnregistrement(base, "INSTALLMAJ", "733");
        ASSERT_NE(enregistrement, nullptr) << base;
        EXPECT_TRUE(enregistrement->valeur.ends_with(" par DUPONT")) << enregistrement->valeur;
    }
    EXPECT_EQ(Version(), std::string("\r\n") + VersionAvant);
}

TEST_F(ProgrammeAuTerminal, QuiSilentAndTheFolderTypedUpdatesThatBase) {
    Changer([](composant_dba::Contenu& c) { c.pannes.push_back({Operation::QUI, "BASE2", std::nullopt, 2}); });
    const std::string tape = Natif(DossierBase("BASE2"));

    Pty operateur(programme_.string(), {}, SansChoixDAffichage);
    ASSERT_TRUE(operateur.Attendre("(une ligne vide annule)\r\n> "));
    operateur.Taper(tape + "\n");
    ASSERT_TRUE(operateur.Attendre("Appuyez sur Entrée pour continuer."));
    operateur.Taper("\n");
    EXPECT_EQ(operateur.Fin(), 0);  // exited, with status 0

    EXPECT_EQ(SansLigneEtat(operateur.Sortie()),
              "\r\nMajServeur [saisie]\r\n"
              "Saisir le chemin de la base BASE2.\r\n"
              "(ex:D:\\BASESCLIENTS\\BASEAFA)\r\n"
              "(une ligne vide annule)\r\n"
              "> " + tape + "\r\n" +  // the terminal's echo of the typed line
                  ResumeToutesAJour);
    for (const auto& base : NomsBases()) {
        EXPECT_TRUE(PaquetCopie(base)) << base;
        EXPECT_TRUE(AEnregistrement(base)) << base;
    }
    EXPECT_EQ(Version(), std::string("\r\n") + VersionAvant);
}

}  // namespace
}  // namespace maj::test
