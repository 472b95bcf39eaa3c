#pragma once
// The terminal in raw mode for the length of the login exchange: no echo and
// no line editing, so that the password is read key by key and never shown.
// The terminal's own settings come back on every way out: the end of the
// exchange, an exception, and the signals that end or stop the program (a
// stopped program gets raw mode back when it is continued).

#include <termios.h>

namespace maj::terminal {

class ModeBrut {
public:
    explicit ModeBrut(int fd);
    ~ModeBrut();
    ModeBrut(const ModeBrut&) = delete;
    ModeBrut& operator=(const ModeBrut&) = delete;

    // False when the terminal refused raw mode: then nothing may be read
    // that must not be echoed.
    bool Actif() const { return actif_; }
    // True once after the program was stopped and continued while in raw
    // mode: what was on the screen may have been overwritten.
    bool Repris();

private:
    int fd_;
    bool installe_ = false;  // the handlers and the saved settings are in place
    bool actif_ = false;
};

}  // namespace maj::terminal
