#pragma once
// The component's CDynArray. Its text form is its fields joined by the field
// mark, the character U+001E (record separator): a control character, which
// no path or name holds (file names on the original platform refuse every
// control character). The empty text is the array with no fields. A field
// value holding the mark is refused, so that text and fields always say the
// same thing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dba/composant.h"
#include "erreurs.h"

namespace composant_dba {

inline constexpr char MARQUE_CHAMP = '\x1E';
// The count reads as a 16-bit number.
inline constexpr int CHAMPS_MAX = 32767;

class TableauDynamique : public maj::dba::CDynArray {
public:
    TableauDynamique() = default;
    explicit TableauDynamique(std::vector<std::string> champs) : champs_(std::move(champs)) {}

    Resultat<std::string> Texte() const override;
    Erreur DefinirTexte(const std::string& texte) override;
    Resultat<std::string> Champ(int k) const override;
    Erreur DefinirChamp(int k, const std::string& valeur) override;
    Resultat<std::int16_t> DCount() const override;

    // The fields of a text in this form; nothing for too many fields.
    static std::optional<std::vector<std::string>> Decouper(const std::string& texte);

private:
    std::vector<std::string> champs_;
};

}  // namespace composant_dba
