// The update run through the fake component and the scripted operator.

#include <gtest/gtest.h>

#include "platform/posix/systeme_posix.h"
#include "support/faux_composant.h"
#include "support/operateur_scripte.h"
#include "support/partage_temporaire.h"
#include "ui/frm_maj.h"

namespace maj::test {
namespace {

class Traitement : public ::testing::Test {
protected:
    Traitement() : systeme(dossier.Natif("partage"), dossier.Natif("programme")) {
        dossier.CreerDossier("partage");
        dossier.CreerDossier("programme/INSTALLMAJ");
    }

    void Bases(const std::string& octets) { dossier.Ecrire("partage/BASES.TXT", octets); }

    FinDuTraitement Lancer() {
        Frm_MAJ frm(systeme, composant, operateur, variable);
        frm.Form_Load();
        return frm.Fin();
    }

    DossierTemporaire dossier;
    posix::SystemePosix systeme;
    Journal journal;
    FauxComposant composant{journal};
    OperateurScripte operateur{journal};
    Variable variable;
};

TEST_F(Traitement, AllBasesUpdatedGiveTheInformationSummary) {
    Bases("A\r\nB\r\n");
    EXPECT_EQ(Lancer(), FinDuTraitement::ToutesAJour);
    const auto messages = journal.Filtrer({"information", "critique"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "information [Message TARMELDON] Mise à jour du serveur terminée avec succès.\r\n\r\n"
              "Base A : mise à jour.\r\nBase B : mise à jour.\r\n");
}

}  // namespace
}  // namespace maj::test
