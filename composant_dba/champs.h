#pragma once
// The store's lines: fields separated by TAB. Inside a field, "\" is written
// "\\" and every control byte (0x00 to 0x1F, 0x7F, TAB and line ends
// included) is written "\xHH", so that any text a name or a path can hold
// fits on one line and comes back unchanged.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace composant_dba {

std::string Echapper(std::string_view champ);
// Nothing for a field that is not in the escaped form.
std::optional<std::string> Desechapper(std::string_view champ);

std::string LigneDeChamps(const std::vector<std::string>& champs);
// Nothing when a field is not in the escaped form.
std::optional<std::vector<std::string>> ChampsDeLigne(std::string_view ligne);

bool EstUtf8Valide(std::string_view texte);

}  // namespace composant_dba
