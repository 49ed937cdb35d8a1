#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: install the Debian packages the build
# needs (when running as root), then configure the build directory.
# Usage: scripts/prepare.sh BUILD_DIR [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev and file let `cpack -G DEB` compute the package's library dependencies.
packages=(g++ cmake ninja-build libgtest-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-dejavu-core
          xvfb xdotool openbox dpkg-dev file)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Paquets manquants. Installez-les avec :" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
fi

build_dir=$1
shift
# Options are applied again to an existing build directory, so that one configured
# before an option existed still gets it.
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja "$@"
elif [ $# -gt 0 ]; then
  cmake -S . -B "$build_dir" "$@" >/dev/null
fi
