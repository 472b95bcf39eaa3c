#pragma once
// The progress window Frm_MAJ on the desktop: shown for the whole run, it
// closes only when the run closes it; its close box is refused while the run
// works, since the run must finish its base and its tear-down.

#include <QLabel>
#include <QWidget>

namespace maj::qt {

class FenetreMAJ : public QWidget {
public:
    FenetreMAJ();

    // The run has ended: the window may close.
    void AutoriserFermeture() { fermetureAutorisee_ = true; }

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    QLabel* label1_;
    bool fermetureAutorisee_ = false;
};

}  // namespace maj::qt
