#!/usr/bin/env bash
# Sets everything up, lays out a demonstration share from scratch and runs the
# updater against it, with the stand-in database component; then shows what
# the run changed.
#
#   ./scripts/demo.sh                      every base is updated
#   ./scripts/demo.sh une-base-en-echec    BASE2 has no INSTALLMAJ folder: its
#                                          copy fails and it is not updated
set -euo pipefail
cd "$(dirname "$0")/.."

scenario="${1:-toutes-les-bases}"
case "$scenario" in
  toutes-les-bases | une-base-en-echec) ;;
  *) echo "usage: $0 [une-base-en-echec]" >&2; exit 2 ;;
esac

./scripts/dependances.sh

demo="$PWD/demo"
construction="$PWD/build/demo"
cmake -S . -B "$construction" -G Ninja -DMAJ_TESTS=OFF -DMAJ_BENCHMARKS=OFF \
  -DMAJ_RACINE_PARTAGE="$demo/partage" -DMAJ_MAGASIN_DBA="$demo/magasin" >/dev/null
cmake --build "$construction" --target majserveur dba_admin
admin="$construction/composant_dba/dba_admin"

# A clean state each time: the share, the bases, the component's store and
# the update package beside the program.
rm -rf "$demo" "$construction/INSTALLMAJ"

# The share: the list of bases, and the version file of the application.
mkdir -p "$demo/partage/TARMELDON"
printf 'BASE1\r\nBASE2\r\nBASE3\r\n' > "$demo/partage/BASES.TXT"
printf 'Version 7.3.2\r\n' > "$demo/partage/TARMELDON/VERSION.txt"

# The bases' folders, each with the INSTALLMAJ folder the update files go to.
declare -A dossiers=(
  [BASE1]="$demo/clients/BASE1"
  [BASE2]="$demo/clients/BASE2"
  [BASE3]="$demo/clients/Cabinet Martin"
)
for base in BASE1 BASE2 BASE3; do
  mkdir -p "${dossiers[$base]}/INSTALLMAJ"
done
if [ "$scenario" = une-base-en-echec ]; then
  rmdir "${dossiers[BASE2]}/INSTALLMAJ"
fi

# The update package, with the manifest that names its number.
paquet="$construction/INSTALLMAJ"
mkdir -p "$paquet"
printf 'numero=733\r\nlibelle=Mise a jour 733 de TARMELDON\r\n' > "$paquet/MANIFESTE.TXT"
printf 'UPDATE PARAMETRES SET VERSION = 733;\r\n' > "$paquet/MAJ733.SQL"
printf 'Nouveautés de la version 733\r\n' > "$paquet/Notes de version.txt"

# The component's store: the default login "ADM" with an empty password,
# allowed to open the three bases.
"$admin" creer
printf '\n' | "$admin" utilisateur ADM
for base in BASE1 BASE2 BASE3; do
  "$admin" base "$base" "${dossiers[$base]}"
done
"$admin" autoriser ADM BASE1 BASE2 BASE3

echo
echo "== Running $construction/majserveur (scenario: $scenario)"
set +e
"$construction/majserveur"
statut=$?
set -e
echo
echo "== Exit status: $statut (0 every base updated, 1 some not updated, 2 ended early)"

echo
echo "== Update files in each base's INSTALLMAJ folder"
for base in BASE1 BASE2 BASE3; do
  dossier="${dossiers[$base]}/INSTALLMAJ"
  if [ -d "$dossier" ]; then
    fichiers=$(find "$dossier" -maxdepth 1 -type f -printf '%f\n' | LC_ALL=C sort | paste -sd '|' - | sed 's/|/, /g')
    echo "$base ($dossier): ${fichiers:-no file}"
  else
    echo "$base: no folder $dossier"
  fi
done

echo
echo "== Completion records in the component's store (base, file, key, value)"
"$admin" enregistrements

echo
echo "== $demo/partage/TARMELDON/VERSION.txt (lines end with CR LF)"
sed 's/\r$//' "$demo/partage/TARMELDON/VERSION.txt" | cat -n
