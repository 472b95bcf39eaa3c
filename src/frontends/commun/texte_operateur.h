#pragma once
// The operator's texts as the text front ends (terminal, error stream) show
// them: the system's CR LF line breaks become this machine's, and control
// characters are made visible instead of being sent to the terminal, where a
// base name read from the share could otherwise move the cursor or rewrite
// the screen.

#include <string>
#include <string_view>

#include "ui/fenetres.h"

namespace maj::frontends {

// CR LF becomes "\n"; every other control character is shown in caret form
// ("^M", "^[", "^?", and "M-^A" for the 8-bit controls).
std::string TexteVisible(std::string_view texte);

// A message as a text front end shows it: its title and kind on one line,
// then its text, ending with a line break.
std::string MessagePourFlux(GenreMessage genre, std::string_view texte, std::string_view titre);

// A caption without its access-key marks ("&Ok" -> "Ok").
std::string SansMarqueAcces(std::string_view caption);

}  // namespace maj::frontends
