#pragma once
// Error numbers and results. A failure is a 32-bit error number, 0 meaning
// success; every operation that can fail returns one, so that its caller can
// see it and, in resume mode, choose explicitly to go on.

#include <cstdint>
#include <optional>
#include <utility>

namespace maj {

struct [[nodiscard]] Erreur {
    std::uint32_t numero = 0;

    constexpr bool echec() const { return numero != 0; }
    constexpr explicit operator bool() const { return echec(); }
    friend constexpr bool operator==(Erreur, Erreur) = default;
};

inline constexpr Erreur Succes{};

// The program's own error numbers, for failures that do not come from the
// database component.
inline constexpr Erreur ERR_ARGUMENT_INVALIDE{5};      // a text the platform cannot represent
inline constexpr Erreur ERR_FICHIER_INTROUVABLE{53};
inline constexpr Erreur ERR_ES_PERIPHERIQUE{57};       // read or write failed on an open file
inline constexpr Erreur ERR_PERMISSION_REFUSEE{70};
inline constexpr Erreur ERR_ACCES_CHEMIN{75};          // the path exists but cannot be used that way
inline constexpr Erreur ERR_CHEMIN_INTROUVABLE{76};
inline constexpr Erreur ERR_OBJET_ABSENT{91};          // a call through a reference that holds no object
inline constexpr Erreur ERR_CREATION_OBJET{429};       // component activation failed
inline constexpr Erreur ERR_INDICE_HORS_LIMITES{9};
inline constexpr Erreur ERR_INTERNE{51};             // a failure reported without a number

// Resume mode: the failure of this step is absorbed and the procedure goes on
// with its next step. Writing it out keeps every absorbed failure visible.
inline void absorbee(Erreur) {}

template <class T>
class [[nodiscard]] Resultat {
public:
    Resultat(T valeur) : valeur_(std::move(valeur)) {}
    // A failure always carries a number, so that no caller mistakes it for success.
    Resultat(Erreur erreur) : erreur_(erreur.echec() ? erreur : ERR_INTERNE) {}

    bool ok() const { return valeur_.has_value(); }
    Erreur erreur() const { return erreur_; }

    T& operator*() & { return *valeur_; }
    const T& operator*() const& { return *valeur_; }
    T&& operator*() && { return std::move(*valeur_); }
    T* operator->() { return &*valeur_; }
    const T* operator->() const { return &*valeur_; }

    // The value, or `defaut` when the operation failed.
    T valeur_ou(T defaut) const& { return ok() ? *valeur_ : std::move(defaut); }

private:
    std::optional<T> valeur_;
    Erreur erreur_{};
};

}  // namespace maj
