#pragma once
// Whether the program has a desktop to open its windows on.

namespace maj::qt {

// True when DISPLAY or WAYLAND_DISPLAY is set and the toolkit can open it.
// The toolkit ends the process when it cannot, so the attempt is made by a
// child process; one that does not answer within a few seconds counts as no
// display.
bool AffichageDisponible();

}  // namespace maj::qt
