#!/usr/bin/env bash
# Builds Korvane in build/ and starts the IDE with the given programs open: ./run.sh [FILE.bas...]
set -euo pipefail
racine=$(cd "$(dirname "$0")" && pwd)
(cd "$racine" && scripts/prepare.sh build && cmake --build build)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Korvane a besoin d'un affichage graphique (DISPLAY n'est pas défini)." >&2
  echo "Sans affichage, un programme s'exécute avec : build/src/korvane-run FICHIER.bas" >&2
  exit 1
fi
exec "$racine/build/src/korvane" "$@"
