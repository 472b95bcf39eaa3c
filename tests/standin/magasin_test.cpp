// The stand-in's store: its text form, its password hashes, and how it
// answers a store that is not one.

#include <gtest/gtest.h>

#include "composant_dba/champs.h"
#include "composant_dba/empreinte.h"
#include "composant_dba/magasin.h"
#include "standin/disposition.h"
#include "support/partage_temporaire.h"

namespace maj::test {
namespace {

using namespace composant_dba;

TEST(Empreinte, IsPbkdf2HmacSha256OfThePasswordAndSalt) {
    // The published vector for "password", "salt", 4096 iterations.
    Empreinte empreinte{4096, {'s', 'a', 'l', 't'}, {}};
    const unsigned char attendu[32] = {0xc5, 0xe4, 0x78, 0xd5, 0x92, 0x88, 0xc8, 0x41, 0xaa, 0x53, 0x0d,
                                       0xb6, 0x84, 0x5c, 0x4c, 0x8d, 0x96, 0x28, 0x93, 0xa0, 0x01, 0xce,
                                       0x4e, 0x11, 0xa4, 0x96, 0x38, 0x73, 0xaa, 0x98, 0x13, 0x4a};
    std::copy(std::begin(attendu), std::end(attendu), empreinte.valeur.begin());
    EXPECT_TRUE(Correspond(empreinte, "password"));
    EXPECT_FALSE(Correspond(empreinte, "Password"));
    EXPECT_FALSE(Correspond(empreinte, ""));
}

TEST(Empreinte, EachHashHasItsOwnSaltAndSurvivesItsTextForm) {
    auto a = CalculerEmpreinte("même secret", ITERATIONS_MIN);
    auto b = CalculerEmpreinte("même secret", ITERATIONS_MIN);
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_NE(a->sel, b->sel);
    EXPECT_NE(a->valeur, b->valeur);
    EXPECT_EQ(a->sel.size(), TAILLE_SEL);

    auto relue = LireEmpreinte(TexteEmpreinte(*a));
    ASSERT_TRUE(relue.has_value());
    EXPECT_TRUE(Correspond(*relue, "même secret"));
    EXPECT_FALSE(Correspond(*relue, "meme secret"));

    std::string texte = TexteEmpreinte(*a);
    texte.back() = texte.back() == '0' ? '1' : '0';
    EXPECT_FALSE(Correspond(*LireEmpreinte(texte), "même secret"));
}

TEST(Empreinte, ATextThatIsNoHashIsRefused) {
    const std::string sel(32, 'a'), valeur(64, 'b');
    const std::string cas[] = {
        "",
        "pbkdf2-sha1$1000$" + sel + "$" + valeur,
        "pbkdf2-sha256$999$" + sel + "$" + valeur,
        "pbkdf2-sha256$10000001$" + sel + "$" + valeur,
        "pbkdf2-sha256$-1000$" + sel + "$" + valeur,
        "pbkdf2-sha256$1000x$" + sel + "$" + valeur,
        "pbkdf2-sha256$1000$" + sel.substr(2) + "$" + valeur,
        "pbkdf2-sha256$1000$" + sel + "$" + valeur.substr(1),
        "pbkdf2-sha256$1000$" + sel + "$" + valeur + "00",
        "pbkdf2-sha256$1000$" + sel + "$" + std::string(62, 'b') + "zz",
        "pbkdf2-sha256$1000$" + sel + "$" + valeur + "$",
        "motdepasse",
    };
    for (const auto& texte : cas) EXPECT_FALSE(LireEmpreinte(texte).has_value()) << texte;
}

TEST(Magasin, NoPasswordIsWrittenInClear) {
    DossierTemporaire dossier;
    const Magasin magasin(dossier.Natif("magasin"));
    Disposer(magasin, [](Contenu& c) {
        c.DefinirUtilisateur(UtilisateurDeTest("ADM", "MotDePasseTrèsSecret"));
        c.DefinirUtilisateur(UtilisateurDeTest("DUPONT", "MotDePasseTrèsSecret"));
    });
    const std::string texte = *dossier.Lire("magasin/MAGASIN.TXT");
    EXPECT_EQ(texte.find("MotDePasse"), std::string::npos);
    EXPECT_NE(texte.find("utilisateur\tADM\tpbkdf2-sha256$1000$"), std::string::npos);
}

TEST(Champs, AnyTextRoundTripsThroughOneLine) {
    const std::string textes[] = {
        "", "simple", "avec\ttabulation", "ligne\r\nsuivante", "barre \\ inverse \\x41", std::string("nul\0ici", 7),
        "\x1E marque", "Société générale", "  espaces  ",
    };
    for (const auto& texte : textes) {
        const std::string ligne = LigneDeChamps({texte, texte});
        EXPECT_EQ(ligne.find_first_of("\r\n"), std::string::npos);
        auto champs = ChampsDeLigne(ligne);
        ASSERT_TRUE(champs.has_value()) << ligne;
        EXPECT_EQ(*champs, (std::vector<std::string>{texte, texte}));
    }
    for (const char* invalide : {"\\", "\\q", "\\x4", "\\xZZ", "a\x01"})
        EXPECT_FALSE(Desechapper(invalide).has_value()) << invalide;
}

TEST(Magasin, ItsTextReadsBackTheSame) {
    Contenu contenu;
    contenu.DefinirUtilisateur(UtilisateurDeTest("ADM", ""));
    contenu.DefinirBase({"BASE\tÉTRANGE\n", "/srv/clients/base 1"});
    contenu.AjouterDroit({"ADM", "BASE\tÉTRANGE\n"});
    contenu.DefinirEnregistrement({"BASE\tÉTRANGE\n", "INSTALLMAJ", "733", "appliquée"});
    contenu.pannes.push_back({Operation::QUI, "BASE\tÉTRANGE\n", std::nullopt, 2});
    contenu.pannes.push_back({Operation::Read, "X", Erreur{0x80004005}, std::nullopt});

    const std::string texte = Ecrire(contenu);
    Diagnostic diagnostic;
    auto relu = Analyser(texte, diagnostic);
    ASSERT_TRUE(relu.has_value()) << diagnostic.texte;
    EXPECT_EQ(Ecrire(*relu), texte);
    EXPECT_TRUE(relu->AFichier("BASE\tÉTRANGE\n", "INSTALLMAJ"));  // each base has its update journal
    EXPECT_EQ(relu->pannes[0].fois, 2);
    EXPECT_FALSE(relu->pannes[1].fois.has_value());
    EXPECT_EQ(relu->pannes[1].erreur, Erreur{0x80004005});
}

struct CasCorrompu {
    std::string texte;
    std::string diagnostic;  // a part of the message
};

TEST(Magasin, ACorruptedStoreGivesAClearErrorNamingItsLine) {
    const std::string s = "MAGASIN-DBA 1\n";
    const std::string empreinte = "pbkdf2-sha256$1000$" + std::string(32, 'a') + "$" + std::string(64, 'b');
    const CasCorrompu cas[] = {
        {"", "magasin vide"},
        {"\n\n", "ligne 1 : la signature"},
        {"MAGASIN-DBA 2\n", "ligne 1 : la signature"},
        {std::string("\x7F" "ELF\0\0\0", 7), "ligne 1"},
        {s + "base\tBASE1\n", "ligne 2 : « base » attend 2 champs, la ligne en a 1"},
        {s + "# commentaire\n\nbase\tA\t/a\tde trop\n", "ligne 4 : « base » attend 2 champs"},
        {s + "table\tA\n", "ligne 2 : genre de ligne inconnu « table »"},
        {s + "base\tA\\q\t/a\n", "ligne 2 : échappement invalide"},
        {s + "base\tA\xC3\t/a\n", "ligne 2 : texte qui n'est pas de l'UTF-8"},
        {s + "utilisateur\tADM\tsecret\n", "ligne 2 : empreinte de mot de passe illisible"},
        {s + "utilisateur\tADM\tpbkdf2-sha256$1000$ab", "ligne 2 : empreinte"},
        {s + "utilisateur\tADM\t" + empreinte + "\nutilisateur\tADM\t" + empreinte + "\n",
         "ligne 3 : utilisateur « ADM » déjà défini"},
        {s + "base\tA\t/a\nbase\tA\t/b\n", "ligne 3 : base « A » déjà définie"},
        {s + "base\tA\t\n", "ligne 2 : base « A » sans dossier"},
        {s + "base\t\t/a\n", "ligne 2 : base sans nom"},
        {s + "base\tA\t/a\ndroit\tADM\tA\n", "ligne 3 : droit d'un utilisateur inconnu « ADM »"},
        {s + "fichier\tB\tINSTALLMAJ\n", "ligne 2 : fichier d'une base inconnue « B »"},
        {s + "base\tA\t/a\nenregistrement\tA\tINSTALLMAJ\t733\tv\n", "ligne 3 : enregistrement d'un fichier inconnu"},
        {s + "base\tA\t/a\nfichier\tA\tINSTALLMAJ\nenregistrement\tA\tINSTALLMAJ\t\tv\n", "ligne 4 : enregistrement sans clé"},
        {s + "panne\tWrite\tA\t0x80004005\ttoujours\n", "ligne 2 : opération inconnue « Write »"},
        {s + "panne\tRead\tA\t80004005\ttoujours\n", "ligne 2 : numéro d'erreur illisible"},
        {s + "panne\tRead\tA\t0x0\ttoujours\n", "ligne 2 : numéro d'erreur illisible"},
        {s + "panne\tRead\tA\t0x180004005\ttoujours\n", "ligne 2 : numéro d'erreur illisible"},
        {s + "panne\tRead\tA\tvide\ttoujours\n", "ligne 2 : seule la requête QUI"},
        {s + "panne\tQUI\tA\tvide\t0\n", "ligne 2 : nombre de fois illisible"},
        {s + "panne\tQUI\tA\tvide\t-1\n", "ligne 2 : nombre de fois illisible"},
        {s + "panne\tQUI\tA\tvide\tsouvent\n", "ligne 2 : nombre de fois illisible"},
        {s + "panne\tQUI\t\tvide\t1\n", "ligne 2 : panne sans cible"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        Diagnostic diagnostic;
        EXPECT_FALSE(Analyser(c.texte, diagnostic).has_value());
        EXPECT_EQ(diagnostic.erreur, DBA_E_MAGASIN_ILLISIBLE);
        EXPECT_NE(diagnostic.texte.find(c.diagnostic), std::string::npos) << diagnostic.texte;
    }
}

TEST(Magasin, LineEndsOfEitherKindAndCommentsAreRead) {
    Diagnostic diagnostic;
    auto contenu = Analyser("MAGASIN-DBA 1\r\n# note\r\nbase\tA\t/a\r\n\r\nbase\tB\t/b", diagnostic);
    ASSERT_TRUE(contenu.has_value()) << diagnostic.texte;
    ASSERT_EQ(contenu->bases.size(), 2u);
    EXPECT_EQ(contenu->bases[0].dossier, "/a");
    EXPECT_EQ(contenu->bases[1].dossier, "/b");
}

TEST(Magasin, AChangeThatWouldBreakTheStoreWritesNothing) {
    DossierTemporaire dossier;
    const Magasin magasin(dossier.Natif("magasin"));
    Disposer(magasin, [](Contenu& c) { c.DefinirBase({"A", "/a"}); });
    const std::string avant = *dossier.Lire("magasin/MAGASIN.TXT");

    Diagnostic diagnostic;
    const Erreur erreur = magasin.Modifier(
        [](Contenu& c) {
            c.AjouterDroit({"PERSONNE", "A"});
            return Succes;
        },
        diagnostic);
    EXPECT_EQ(erreur, DBA_E_MAGASIN_ILLISIBLE);
    EXPECT_NE(diagnostic.texte.find("droit d'un utilisateur inconnu"), std::string::npos);
    EXPECT_EQ(*dossier.Lire("magasin/MAGASIN.TXT"), avant);
}

TEST(Magasin, CreatingKeepsAnExistingStoreAndRefusesACorruptedOne) {
    DossierTemporaire dossier;
    const Magasin magasin(dossier.Natif("magasin"));
    Disposer(magasin, [](Contenu& c) { c.DefinirBase({"A", "/a"}); });
    Diagnostic diagnostic;
    EXPECT_FALSE(magasin.Creer(diagnostic).echec());
    EXPECT_EQ(magasin.Lire()->bases.size(), 1u);

    dossier.Ecrire("magasin/MAGASIN.TXT", "n'importe quoi");
    EXPECT_EQ(magasin.Creer(diagnostic), DBA_E_MAGASIN_ILLISIBLE);
    EXPECT_EQ(*dossier.Lire("magasin/MAGASIN.TXT"), "n'importe quoi");
}

}  // namespace
}  // namespace maj::test
