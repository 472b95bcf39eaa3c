#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# demonstration need and this machine lacks. Safe to run again.
set -euo pipefail

paquets=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libssl-dev
  qt6-base-dev xvfb xauth fonts-dejavu-core
)

manquants=()
for paquet in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" || manquants+=("$paquet")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${manquants[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}" </dev/null
