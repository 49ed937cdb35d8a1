#!/usr/bin/env bash
# The package's own test, run by CI after ./test.sh as root on a throw-away Debian 12 machine:
# builds korvane_<version>_<arch>.deb in build-release/ (reusing the Release build of
# test.sh), validates its menu entry and AppStream metadata, installs it with apt, runs both
# programs from /usr/bin and finds the manual page, then removes and purges it and checks that
# none of its files is left.
set -euo pipefail
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive
build_dir=build-release

etape() { printf '\n=== %s\n' "$*"; }
echec() {
  echo "paquet.sh : $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || echec "à lancer en root sur une machine jetable : le paquet y est installé puis enlevé"
if dpkg-query -W -f='${Status}' korvane 2>/dev/null | grep -q 'install ok installed'; then
  echec "korvane est déjà installé : enlevez-le d'abord (apt-get purge korvane)"
fi

etape "Paquet"
scripts/prepare.sh "$build_dir" -DKORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" -j "$(nproc)"
rm -f "$build_dir"/korvane_*.deb
(cd "$build_dir" && cpack -G DEB)
paquets=("$build_dir"/korvane_*.deb)
[ ${#paquets[@]} -eq 1 ] || echec "un seul paquet attendu : ${paquets[*]}"
paquet=${paquets[0]}
version=$(dpkg-deb -f "$paquet" Version)
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "$paquet : version $version"
echo "Depends: $dependances"
# Without dpkg-shlibdeps CPack leaves the libraries out of Depends, and says so only in passing.
for requis in libqt6widgets6 fonts-dejavu-core qt6-translations-l10n; do
  [[ $dependances == *"$requis"* ]] || echec "$requis manque dans Depends"
done

etape "Installation"
apt-get install -y --no-install-recommends appstream desktop-file-utils man-db
# Tidy Docker images tell dpkg to skip manual pages; ours must be installed to be found.
apt-get install -y -o Dpkg::Options::=--path-include='/usr/share/man/man1/korvane*' \
  -o Dpkg::Options::=--path-include='/usr/share/man/en/man1/korvane*' "./$paquet"
# If a check fails, the machine does not keep the package.
trap 'apt-get purge -y korvane >/dev/null 2>&1 || true' EXIT

etape "Menu et métadonnées AppStream"
desktop-file-validate /usr/share/applications/korvane.desktop
appstreamcli validate --no-net "$(dpkg -L korvane | grep '^/usr/share/metainfo/.*\.xml$')"

etape "Programmes installés"
[ "$(command -v korvane-run)" = /usr/bin/korvane-run ] || echec "korvane-run n'est pas pris dans /usr/bin"
[ "$(/usr/bin/korvane-run --version)" = "korvane-run $version" ] || echec "korvane-run --version ne dit pas $version"
# korvane answers --version before it looks for a display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/korvane --version)" = "korvane $version" ] ||
  echec "korvane --version ne dit pas $version"
# Every installed example gives the output its test expects.
travail=$(mktemp -d)
for exemple in /usr/share/korvane/exemples/*.bas; do
  nom=$(basename "$exemple" .bas)
  attendus=tests/exemples/$nom
  entree=/dev/null
  [ -f "$attendus.in" ] && entree=$attendus.in
  statut=0
  (cd "$travail" && /usr/bin/korvane-run "$exemple") < "$entree" > "$travail/sortie" 2> /dev/null || statut=$?
  cmp -s "$travail/sortie" "$attendus.out" || echec "$exemple : sortie inattendue"
  [ "$statut" = "$(cat "$attendus.code" 2>/dev/null || echo 0)" ] || echec "$exemple : statut $statut"
  echo "$exemple : comme attendu"
done
rm -rf "$travail"
# The French pages by default, the English ones for English locales.
for page in korvane-run korvane; do
  for langue in C:/usr/share/man/man1 en:/usr/share/man/en/man1; do
    attendue=${langue#*:}/$page.1.gz
    [ "$(man -L "${langue%%:*}" -w "$page")" = "$attendue" ] || echec "man -w $page ne trouve pas $attendue"
    echo "man $page : $attendue"
  done
done

etape "Retrait"
mapfile -t fichiers < <(dpkg -L korvane)
apt-get remove -y korvane
# Once removed, apt forgets a package it did not download: dpkg purges what dpkg still knows.
dpkg --purge korvane
trap - EXIT
statut=$(dpkg-query -W -f='${Status}' korvane 2>/dev/null || true)
[ -z "$statut" ] || [[ $statut == *not-installed ]] || echec "korvane reste dans dpkg après la purge : $statut"
restes=()
for chemin in "${fichiers[@]}"; do
  [ "$chemin" != /. ] || continue
  [ -e "$chemin" ] || [ -L "$chemin" ] || continue
  # What is still there must belong to another package: a shared folder such as /usr/share/man.
  dpkg-query -S "$chemin" > /dev/null 2>&1 || restes+=("$chemin")
done
[ ${#restes[@]} -eq 0 ] || echec "laissé après le retrait : ${restes[*]}"
echo "Aucun des ${#fichiers[@]} chemins du paquet n'est resté."

etape "Paquet $paquet : construit, installé, vérifié et retiré"
