#pragma once
// Lays out the stand-in's store for a test, through the component's own
// library, with hashes cheap enough for many connections.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "composant_dba/magasin.h"

namespace maj::test {

inline composant_dba::Utilisateur UtilisateurDeTest(const std::string& nom, const std::string& motPasse) {
    auto empreinte = composant_dba::CalculerEmpreinte(motPasse, composant_dba::ITERATIONS_MIN);
    EXPECT_TRUE(empreinte.ok());
    return {nom, empreinte.ok() ? *empreinte : composant_dba::Empreinte{}};
}

inline void Disposer(const composant_dba::Magasin& magasin, const std::function<void(composant_dba::Contenu&)>& changement) {
    composant_dba::Diagnostic diagnostic;
    ASSERT_FALSE(magasin.Creer(diagnostic).echec()) << diagnostic.texte;
    const Erreur erreur = magasin.Modifier(
        [&](composant_dba::Contenu& c) {
            changement(c);
            return Succes;
        },
        diagnostic);
    ASSERT_FALSE(erreur.echec()) << diagnostic.texte;
}

}  // namespace maj::test
