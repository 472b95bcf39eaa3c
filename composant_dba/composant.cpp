#include "composant.h"

#include <ctime>

#include "paquet.h"
#include "platform/posix/code_page.h"
#include "requete.h"
#include "tableau.h"

namespace composant_dba {
namespace {

using maj::dba::CDatabase;
using maj::dba::CDynArray;
using maj::dba::CFile;

// One connection: what Connect made of it, shared by the objects opened
// through it, which Close ends.
struct Connexion {
    std::string utilisateur;
    bool ouverte = false;
    Erreur refus = DBA_E_NON_CONNECTE;  // why it is not open

    Erreur Verifier() const { return ouverte ? Succes : refus; }
};

// A fault set on this operation and target strikes: counted down in the
// store, it gives the failure (or the empty answer) it names.
struct Coup {
    bool frappe = false;
    std::optional<Erreur> erreur;
};

Resultat<Coup> Frapper(const Magasin& magasin, const Contenu& contenu, Operation operation,
                       const std::string& cible) {
    const auto panne = contenu.TrouverPanne(operation, cible);
    if (!panne) return Coup{};
    const Panne trouvee = contenu.pannes[*panne];
    if (trouvee.fois) {
        Erreur ecriture = magasin.Modifier([&](Contenu& c) {
            if (auto k = c.TrouverPanne(operation, cible)) c.Consommer(*k);
            return Succes;
        });
        if (ecriture) return ecriture;
    }
    return Coup{true, trouvee.erreur};
}

// The failure of a fault, if one strikes; QUI's empty answer is no failure.
Erreur Echec(const Resultat<Coup>& coup) {
    if (!coup.ok()) return coup.erreur();
    return coup->frappe && coup->erreur ? *coup->erreur : Succes;
}

std::string Maintenant() {
    const std::time_t t = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char texte[32];
    std::strftime(texte, sizeof texte, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return texte;
}

class FichierBase : public CFile {
public:
    FichierBase(Magasin magasin, std::shared_ptr<const Connexion> connexion, std::string base, std::string nom)
        : magasin_(std::move(magasin)), connexion_(std::move(connexion)), base_(std::move(base)),
          nom_(std::move(nom)) {}

    Erreur Read(const std::string& cle) override {
        if (Erreur e = connexion_->Verifier()) return e;
        auto contenu = magasin_.Lire();
        if (!contenu.ok()) return contenu.erreur();
        if (Erreur e = Echec(Frapper(magasin_, *contenu, Operation::Read, base_))) return e;
        if (!contenu->AFichier(base_, nom_)) return DBA_E_FICHIER_INCONNU;
        return contenu->TrouverEnregistrement(base_, nom_, cle) ? Succes : DBA_E_RECORD_MISSING;
    }

private:
    Magasin magasin_;
    std::shared_ptr<const Connexion> connexion_;
    std::string base_;
    std::string nom_;
};

class BaseOuverte : public CDatabase {
public:
    BaseOuverte(Magasin magasin, std::shared_ptr<const Connexion> connexion, std::string base)
        : magasin_(std::move(magasin)), connexion_(std::move(connexion)), base_(std::move(base)) {}

    Resultat<std::shared_ptr<CFile>> OpenFile(const std::string& nom) override {
        if (Erreur e = connexion_->Verifier()) return e;
        auto contenu = magasin_.Lire();
        if (!contenu.ok()) return contenu.erreur();
        if (Erreur e = Echec(Frapper(magasin_, *contenu, Operation::OpenFile, base_))) return e;
        if (!contenu->TrouverBase(base_)) return DBA_E_BASE_INCONNUE;
        if (!contenu->AFichier(base_, nom)) return DBA_E_FICHIER_INCONNU;
        return std::shared_ptr<CFile>(std::make_shared<FichierBase>(magasin_, connexion_, base_, nom));
    }

    // `option` and `statut` carry nothing for the requests this component knows.
    Resultat<std::shared_ptr<CDynArray>> Execute(const std::string& texte, const std::string&,
                                                 std::int32_t&) override {
        if (Erreur e = connexion_->Verifier()) return e;
        auto contenu = magasin_.Lire();
        if (!contenu.ok()) return contenu.erreur();
        if (Erreur e = Echec(Frapper(magasin_, *contenu, Operation::Execute, base_))) return e;
        const Base* base = contenu->TrouverBase(base_);
        if (!base) return DBA_E_BASE_INCONNUE;

        auto requete = LireRequete(texte);
        if (!requete.ok()) return requete.erreur();
        if (std::holds_alternative<RequeteQui>(*requete)) return Qui(*contenu, *base);
        return MiseAJour(*contenu, std::get<RequeteMiseAJour>(*requete));
    }

private:
    Resultat<std::shared_ptr<CDynArray>> Qui(const Contenu& contenu, const Base& base) {
        auto coup = Frapper(magasin_, contenu, Operation::QUI, base_);
        if (Erreur e = Echec(coup)) return e;
        if (coup->frappe) return Tableau({});  // the fault's empty answer
        return Tableau({base.dossier});
    }

    // Runs the update that the package carries: only once every file of the
    // package lies in the base's folder is its completion record written.
    Resultat<std::shared_ptr<CDynArray>> MiseAJour(const Contenu& contenu, const RequeteMiseAJour& requete) {
        if (Erreur e = Echec(Frapper(magasin_, contenu, Operation::LANCEMAJCD, base_))) return e;

        struct Natifs {
            std::string programme, base;
        };
        std::vector<Natifs> candidats;
        for (const auto& decoupage : requete.decoupages) {
            auto programme = maj::posix::Encoder1252(decoupage.dossierProgramme);
            auto base = maj::posix::Encoder1252(decoupage.dossierBase);
            if (programme.ok() && base.ok()) candidats.push_back({*programme, *base});
        }
        // A text that splits several ways is read the one way that names a package.
        if (candidats.size() > 1)
            std::erase_if(candidats, [](const Natifs& n) { return !EstPaquet(n.programme); });
        if (candidats.size() != 1) return DBA_E_REQUETE_INVALIDE;

        auto numero = VerifierPaquet(candidats[0].programme, candidats[0].base);
        if (!numero.ok()) return numero.erreur();

        const std::string utilisateur = connexion_->utilisateur;
        Erreur ecriture = magasin_.Modifier([&](Contenu& c) -> Erreur {
            if (!c.AFichier(base_, FICHIER_JOURNAL_MAJ)) return DBA_E_FICHIER_INCONNU;
            c.DefinirEnregistrement({base_, std::string(FICHIER_JOURNAL_MAJ), *numero,
                                     "appliquée le " + Maintenant() + " par " + utilisateur});
            return Succes;
        });
        if (ecriture) return ecriture;
        return Tableau({*numero});
    }

    static Resultat<std::shared_ptr<CDynArray>> Tableau(std::vector<std::string> champs) {
        return std::shared_ptr<CDynArray>(std::make_shared<TableauDynamique>(std::move(champs)));
    }

    Magasin magasin_;
    std::shared_ptr<const Connexion> connexion_;
    std::string base_;
};

class Client : public maj::dba::CClient {
public:
    explicit Client(Magasin magasin) : magasin_(std::move(magasin)), connexion_(std::make_shared<Connexion>()) {}

    Resultat<bool> Connect(const std::string& utilisateur, const std::string& motPasse,
                           const std::string&) override {
        connexion_->ouverte = false;
        connexion_ = std::make_shared<Connexion>();
        connexion_->refus = Authentifier(utilisateur, motPasse);
        if (connexion_->refus) return connexion_->refus;
        connexion_->utilisateur = utilisateur;
        connexion_->ouverte = true;
        return true;
    }

    Erreur Close() override {
        connexion_->ouverte = false;
        connexion_->refus = DBA_E_NON_CONNECTE;
        return Succes;
    }

    Resultat<std::shared_ptr<CDatabase>> OpenDatabase(const std::string& application,
                                                      const std::string& base) override {
        if (Erreur e = connexion_->Verifier()) return e;
        auto contenu = magasin_.Lire();
        if (!contenu.ok()) return contenu.erreur();
        if (Erreur e = Echec(Frapper(magasin_, *contenu, Operation::OpenDatabase, base))) return e;
        if (application != APPLICATION) return DBA_E_APPLICATION_INCONNUE;
        if (!contenu->TrouverBase(base)) return DBA_E_BASE_INCONNUE;
        if (!contenu->ADroit(connexion_->utilisateur, base)) return DBA_E_OPEN_DENIED;
        return std::shared_ptr<CDatabase>(std::make_shared<BaseOuverte>(magasin_, connexion_, base));
    }

private:
    Erreur Authentifier(const std::string& utilisateur, const std::string& motPasse) {
        auto contenu = magasin_.Lire();
        if (!contenu.ok()) return contenu.erreur();
        if (Erreur e = Echec(Frapper(magasin_, *contenu, Operation::Connect, utilisateur))) return e;
        const Utilisateur* connu = contenu->TrouverUtilisateur(utilisateur);
        if (!connu) {
            VerifierSansUtilisateur(motPasse);
            return DBA_E_LOGIN_DENIED;
        }
        return Correspond(connu->empreinte, motPasse) ? Succes : DBA_E_LOGIN_DENIED;
    }

    Magasin magasin_;
    std::shared_ptr<Connexion> connexion_;
};

}  // namespace

std::shared_ptr<maj::dba::CClient> NouveauClient(std::string dossierMagasin) {
    return std::make_shared<Client>(Magasin(std::move(dossierMagasin)));
}

void Inscrire(maj::posix::RegistreComposants& registre, std::string dossierMagasin) {
    registre.InscrireClient(std::string(maj::dba::ID_CLIENT),
                            [dossierMagasin]() -> Resultat<std::shared_ptr<maj::dba::CClient>> {
                                return NouveauClient(dossierMagasin);
                            });
    registre.InscrireDynArray(std::string(maj::dba::CLSID_DYNARRAY),
                              []() -> Resultat<std::shared_ptr<maj::dba::CDynArray>> {
                                  return std::shared_ptr<CDynArray>(std::make_shared<TableauDynamique>());
                              });
}

}  // namespace composant_dba
