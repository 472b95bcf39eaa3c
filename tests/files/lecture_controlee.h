#pragma once
// Reads of real files, served in small pieces and, when the test asks it,
// failing part-way, as a read from a share can. The pieces put every line end
// (CR LF above all) across the border of two reads.

#include <cstddef>
#include <optional>
#include <string>

#include "support/systeme_enveloppe.h"

namespace maj::test {

class SystemeLecturesControlees : public SystemeEnveloppe {
public:
    using SystemeEnveloppe::SystemeEnveloppe;

    // Only this path is read under control; every other one reads for real.
    std::string chemin;
    std::size_t morceau = 64 * 1024;
    // Reads fail once this many bytes have been served.
    std::optional<std::size_t> echecApres;
    std::optional<Erreur> echecOuverture;
    std::optional<Erreur> echecLongueur;
    // Files opened under control and not yet closed.
    int ouverts = 0;

    Resultat<std::unique_ptr<FichierLecture>> OuvrirLecture(const std::string& demande) override {
        if (demande != chemin) return reel_.OuvrirLecture(demande);
        if (echecOuverture) return *echecOuverture;
        auto reel = reel_.OuvrirLecture(demande);
        if (!reel.ok()) return reel.erreur();
        return std::unique_ptr<FichierLecture>(std::make_unique<Fichier>(*this, std::move(*reel)));
    }

private:
    class Fichier : public FichierLecture {
    public:
        Fichier(SystemeLecturesControlees& systeme, std::unique_ptr<FichierLecture> reel)
            : systeme_(systeme), reel_(std::move(reel)) {
            ++systeme_.ouverts;
        }
        ~Fichier() override { --systeme_.ouverts; }

        Resultat<std::uint64_t> Longueur() override {
            if (systeme_.echecLongueur) return *systeme_.echecLongueur;
            return reel_->Longueur();
        }

        Resultat<std::size_t> Lire(char* tampon, std::size_t taille) override {
            std::size_t permis = std::min(taille, systeme_.morceau);
            if (systeme_.echecApres) {
                if (servis_ >= *systeme_.echecApres) return ERR_ES_PERIPHERIQUE;
                permis = std::min(permis, *systeme_.echecApres - servis_);
            }
            auto lus = reel_->Lire(tampon, permis);
            if (lus.ok()) servis_ += *lus;
            return lus;
        }

    private:
        SystemeLecturesControlees& systeme_;
        std::unique_ptr<FichierLecture> reel_;
        std::size_t servis_ = 0;
    };
};

}  // namespace maj::test
