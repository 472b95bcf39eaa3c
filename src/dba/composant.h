#pragma once
// What the program asks of the database access component. Its objects are
// reached only through these interfaces; the component behind them (the real
// one, the stand-in or a test fake) is chosen by component activation.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "commun/erreur.h"

namespace maj::dba {

// Error numbers of the component that the program tests by name.
inline constexpr Erreur DBA_E_OPEN_DENIED{0x80040006};
inline constexpr Erreur DBA_E_LOGIN_DENIED{0x80040019};
inline constexpr Erreur DBA_E_RECORD_MISSING{0x8004000B};

inline constexpr std::string_view ID_CLIENT = "DBA.CClient";
inline constexpr std::string_view CLSID_DYNARRAY = "{A4D331EF-C576-11D2-B53A-006008527429}";

// Text fields numbered from 1. The whole array also reads and writes as one
// text in the component's own form, which is what a request is made of.
class CDynArray {
public:
    virtual ~CDynArray() = default;
    virtual Resultat<std::string> Texte() const = 0;
    virtual Erreur DefinirTexte(const std::string& texte) = 0;
    // Field k (from 1); a field beyond the end reads "".
    virtual Resultat<std::string> Champ(int k) const = 0;
    // Setting a field beyond the end extends the array up to k.
    virtual Erreur DefinirChamp(int k, const std::string& valeur) = 0;
    virtual Resultat<std::int16_t> DCount() const = 0;
};

class CFile {
public:
    virtual ~CFile() = default;
    // Only success or the error number matters; the record itself is unused.
    virtual Erreur Read(const std::string& cle) = 0;
};

class CDatabase {
public:
    virtual ~CDatabase() = default;
    virtual Resultat<std::shared_ptr<CFile>> OpenFile(const std::string& nom) = 0;
    // `statut` is passed by reference and never set or read by the program.
    virtual Resultat<std::shared_ptr<CDynArray>> Execute(const std::string& requete,
                                                         const std::string& option,
                                                         std::int32_t& statut) = 0;
};

class CClient {
public:
    virtual ~CClient() = default;
    virtual Resultat<bool> Connect(const std::string& utilisateur, const std::string& motPasse,
                                   const std::string& extra) = 0;
    virtual Erreur Close() = 0;
    virtual Resultat<std::shared_ptr<CDatabase>> OpenDatabase(const std::string& application,
                                                              const std::string& base) = 0;
};

// Component activation: creating the component's objects from their
// identifiers. One implementation per platform.
class Activation {
public:
    virtual ~Activation() = default;
    virtual Resultat<std::shared_ptr<CClient>> CreerClient(std::string_view identifiant) = 0;
    virtual Resultat<std::shared_ptr<CDynArray>> CreerDynArray(std::string_view identifiant) = 0;
};

}  // namespace maj::dba
