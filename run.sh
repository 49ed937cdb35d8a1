#!/usr/bin/env bash
# Builds Korvane in build/ and runs a program: ./run.sh [FILE.bas]
set -euo pipefail
cd "$(dirname "$0")"
scripts/prepare.sh build
cmake --build build
if [ $# -eq 0 ]; then
  echo "Usage : ./run.sh FICHIER.bas" >&2
  exit 64
fi
exec build/src/korvane-run "$@"
