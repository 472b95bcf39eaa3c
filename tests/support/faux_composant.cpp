#include "support/faux_composant.h"

#include <cstdio>

namespace maj::test {
namespace {

class FauxDynArray : public dba::CDynArray {
public:
    Resultat<std::string> Texte() const override {
        std::string texte;
        for (std::size_t k = 0; k < champs_.size(); ++k) {
            if (k) texte.push_back(MarqueChamp);
            texte += champs_[k];
        }
        return texte;
    }
    Erreur DefinirTexte(const std::string& texte) override {
        champs_ = Decouper(texte);
        return Succes;
    }
    Resultat<std::string> Champ(int k) const override {
        if (k < 1) return ERR_INDICE_HORS_LIMITES;
        return static_cast<std::size_t>(k) <= champs_.size() ? champs_[k - 1] : std::string();
    }
    Erreur DefinirChamp(int k, const std::string& valeur) override {
        if (k < 1) return ERR_INDICE_HORS_LIMITES;
        if (static_cast<std::size_t>(k) > champs_.size()) champs_.resize(k);
        champs_[k - 1] = valeur;
        return Succes;
    }
    Resultat<std::int16_t> DCount() const override { return static_cast<std::int16_t>(champs_.size()); }

    static std::vector<std::string> Decouper(const std::string& texte) {
        std::vector<std::string> champs;
        if (texte.empty()) return champs;
        std::size_t debut = 0;
        for (;;) {
            const auto marque = texte.find(MarqueChamp, debut);
            champs.push_back(texte.substr(debut, marque - debut));
            if (marque == std::string::npos) break;
            debut = marque + 1;
        }
        return champs;
    }

private:
    std::vector<std::string> champs_;
};

template <class T>
Resultat<T> Noter(Journal& journal, std::string ligne, Erreur erreur, T valeur) {
    if (erreur) {
        journal.Noter(ligne + " -> " + Hex(erreur));
        return erreur;
    }
    journal.Noter(std::move(ligne));
    return valeur;
}

Erreur Noter(Journal& journal, std::string ligne, Erreur erreur) {
    journal.Noter(erreur ? ligne + " -> " + Hex(erreur) : std::move(ligne));
    return erreur;
}

class FauxFichier : public dba::CFile {
public:
    FauxFichier(FauxComposant& composant, std::string base) : composant_(composant), base_(std::move(base)) {}
    Erreur Read(const std::string& cle) override {
        return Noter(composant_.journal(), "Read " + base_ + " " + cle, composant_.lectureMarqueur(base_));
    }

private:
    FauxComposant& composant_;
    std::string base_;
};

class FausseBase : public dba::CDatabase {
public:
    FausseBase(FauxComposant& composant, std::string base) : composant_(composant), base_(std::move(base)) {}

    Resultat<std::shared_ptr<dba::CFile>> OpenFile(const std::string& nom) override {
        return Noter<std::shared_ptr<dba::CFile>>(composant_.journal(), "OpenFile " + base_ + " " + nom,
                                                  composant_.ouvertureMarqueur(base_),
                                                  std::make_shared<FauxFichier>(composant_, base_));
    }

    Resultat<std::shared_ptr<dba::CDynArray>> Execute(const std::string& requete, const std::string& option,
                                                      std::int32_t&) override {
        const auto champs = FauxDynArray::Decouper(requete);
        std::string ligne = "Execute " + base_;
        for (const auto& champ : champs) ligne += " [" + champ + "]";
        if (!option.empty()) ligne += " option=" + option;
        auto resultat = std::make_shared<FauxDynArray>();
        if (champs.size() == 2 && champs[0] == "P" && champs[1] == "QUI") {
            const int n = ++composant_.compteQui(base_);
            ligne += " -> '" + composant_.qui(base_, n) + "'";
            absorbee(resultat->DefinirChamp(1, composant_.qui(base_, n)));
            composant_.journal().Noter(ligne);
            return std::shared_ptr<dba::CDynArray>(resultat);
        }
        return Noter<std::shared_ptr<dba::CDynArray>>(composant_.journal(), ligne,
                                                      composant_.execution(base_, champs), resultat);
    }

private:
    FauxComposant& composant_;
    std::string base_;
};

class FauxClient : public dba::CClient {
public:
    explicit FauxClient(FauxComposant& composant) : composant_(composant) {}

    Resultat<bool> Connect(const std::string& utilisateur, const std::string& motPasse,
                           const std::string& extra) override {
        session_ = Session{utilisateur, motPasse};
        Erreur e = composant_.connexion(session_);
        connecte_ = !e;
        return Noter<bool>(composant_.journal(), "Connect " + utilisateur + "/" + motPasse + extra, e, !e);
    }

    Erreur Close() override {
        connecte_ = false;
        return Noter(composant_.journal(), "Close", Succes);
    }

    Resultat<std::shared_ptr<dba::CDatabase>> OpenDatabase(const std::string& application,
                                                           const std::string& base) override {
        Erreur e = connecte_ ? composant_.ouverture(session_, base)
                             : composant_.ouvertureSansConnexion(session_, base);
        return Noter<std::shared_ptr<dba::CDatabase>>(composant_.journal(),
                                                      "OpenDatabase " + application + " " + base, e,
                                                      std::make_shared<FausseBase>(composant_, base));
    }

private:
    FauxComposant& composant_;
    Session session_;
    bool connecte_ = false;
};

}  // namespace

std::string Hex(Erreur erreur) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "0x%08X", erreur.numero);
    return texte;
}

Resultat<std::shared_ptr<dba::CClient>> FauxComposant::CreerClient(std::string_view identifiant) {
    if (!clientDisponible || identifiant != dba::ID_CLIENT) {
        journal_.Noter("CreerClient -> " + Hex(ERR_CREATION_OBJET));
        return ERR_CREATION_OBJET;
    }
    journal_.Noter("CreerClient");
    return std::shared_ptr<dba::CClient>(std::make_shared<FauxClient>(*this));
}

Resultat<std::shared_ptr<dba::CDynArray>> FauxComposant::CreerDynArray(std::string_view identifiant) {
    if (!tableauxDisponibles || identifiant != dba::CLSID_DYNARRAY) return ERR_CREATION_OBJET;
    return std::shared_ptr<dba::CDynArray>(std::make_shared<FauxDynArray>());
}

}  // namespace maj::test
