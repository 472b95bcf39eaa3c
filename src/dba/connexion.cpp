// The client connection: created with the default login at the start of the
// run, re-created after every base and on each pass of the login retry, torn
// down at every end of the run. All three operations run in resume mode.

#include "ui/frm_maj.h"

namespace maj {

Erreur Frm_MAJ::Initialisation() {
    variable_.G_Utilisateur = std::string(constantes::UTILISATEUR_DEFAUT);
    variable_.G_MotPasse = std::string(constantes::MOT_PASSE_DEFAUT);
    return Initialisation2();
}

Erreur Frm_MAJ::Initialisation2() {
    auto client = activation_.CreerClient(dba::ID_CLIENT);
    // A failed creation leaves no client rather than the previous, closed one.
    MyClient = client.ok() ? *client : nullptr;
    auto connexion = Appeler(MyClient, [&](dba::CClient& c) {
        return c.Connect(variable_.G_Utilisateur, variable_.G_MotPasse, "");
    });
    // A refused login is not detected here: the next open of a base fails.
    if (connexion.ok()) G_Bool = *connexion;
    return client.ok() ? connexion.erreur() : client.erreur();
}

Erreur Frm_MAJ::Desinitialisation() {
    W_Params.reset();
    W_Resultat.reset();
    MyDatabase.reset();
    return Appeler(MyClient, [](dba::CClient& c) { return c.Close(); });
}

}  // namespace maj
