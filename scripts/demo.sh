#!/usr/bin/env bash
# Sets everything up, lays out a demonstration share from scratch and runs the
# updater against it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/dependances.sh
demo="$PWD/demo"
rm -rf "$demo"
mkdir -p "$demo/partage"
printf 'BASE1\r\nBASE2\r\nBASE3\r\n' > "$demo/partage/BASES.TXT"

cmake -S . -B build/demo -G Ninja -DMAJ_TESTS=OFF -DMAJ_BENCHMARKS=OFF -DMAJ_RACINE_PARTAGE="$demo/partage" >/dev/null
cmake --build build/demo --target majserveur
mkdir -p build/demo/INSTALLMAJ

set +e
build/demo/majserveur
statut=$?
set -e
echo "majserveur exit status: $statut"
