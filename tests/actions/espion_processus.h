#pragma once
// Watches the processes the run starts, over the real platform: which
// commands, in which order, when each was seen to end, and how many passes
// of the wait each took. It can also make the first observations of each
// process fail, as an observation may on the original platform.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/systeme_enveloppe.h"

namespace maj::test {

class SystemeEspion : public SystemeEnveloppe {
public:
    using SystemeEnveloppe::SystemeEnveloppe;

    // Every command started, in order.
    std::vector<Commande> commandes;
    // "demarre N" and "fin N" (N from 1, the order of `commandes`).
    std::vector<std::string> deroulement;
    // Observations of the end, over all processes: one per pass of the wait.
    int observations = 0;
    // The first observations of each process that fail, without looking.
    int observationsEnEchec = 0;
    // A wait that lasts longer than this fails the test and is ended, so that
    // a wrong wait does not hold the test suite for ever.
    std::chrono::seconds gardeFou{20};

    Resultat<std::unique_ptr<ProcessusLance>> Demarrer(const Commande& commande) override {
        auto reel = reel_.Demarrer(commande);
        if (!reel.ok()) return reel.erreur();
        commandes.push_back(commande);
        const int numero = static_cast<int>(commandes.size());
        deroulement.push_back("demarre " + std::to_string(numero));
        return std::unique_ptr<ProcessusLance>(std::make_unique<Processus>(*this, std::move(*reel), numero));
    }

private:
    class Processus : public ProcessusLance {
    public:
        Processus(SystemeEspion& espion, std::unique_ptr<ProcessusLance> reel, int numero)
            : espion_(espion), reel_(std::move(reel)), numero_(numero),
              limite_(std::chrono::steady_clock::now() + espion.gardeFou) {}

        Resultat<bool> EstTermine() override {
            ++espion_.observations;
            if (echecs_ < espion_.observationsEnEchec) {
                ++echecs_;
                return ERR_ES_PERIPHERIQUE;
            }
            auto termine = reel_->EstTermine();
            if (termine.ok() && *termine && !fin_) {
                fin_ = true;
                espion_.deroulement.push_back("fin " + std::to_string(numero_));
            }
            if (!fin_ && std::chrono::steady_clock::now() > limite_) {
                ADD_FAILURE() << "the wait for command " << numero_ << " did not end";
                return true;
            }
            return termine;
        }

        Erreur Attendre(std::chrono::milliseconds delai) override { return reel_->Attendre(delai); }

    private:
        SystemeEspion& espion_;
        std::unique_ptr<ProcessusLance> reel_;
        int numero_;
        int echecs_ = 0;
        bool fin_ = false;
        std::chrono::steady_clock::time_point limite_;
    };
};

}  // namespace maj::test
