#!/usr/bin/env bash
# Opens each window of the desktop front end on a virtual display, during real
# runs with the test double of the database component, and saves it as PNG
# into docs/screens/: Frm_MAJ at work, Frm_Connexion pre-filled, the folder
# prompt, and a message of each kind.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/dependances.sh
cmake -S . -B build/ecrans -G Ninja -DMAJ_BENCHMARKS=OFF >/dev/null
cmake --build build/ecrans --target ecrans_qt
mkdir -p docs/screens
# 96 dpi, the usual logical resolution: the windows keep their sizes in twips.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  build/ecrans/tests/frontends/ecrans_qt docs/screens
