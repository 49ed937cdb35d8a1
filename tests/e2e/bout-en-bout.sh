#!/usr/bin/env bash
# Starts korvane on a private Xvfb display (with openbox when it is installed, since stacking
# is the window manager's), runs a program with F9, checks that the run window shows its
# drawing over the maximised main window, that the input box takes the answer above the run
# window, and quits through the "Fichier" menu.
# Usage: bout-en-bout.sh KORVANE VERIFIE_ECRAN PROGRAM.bas SCREENSHOT.png
set -euo pipefail
korvane=$1 verifie=$2 programme=$3 capture=$4

travail=$(mktemp -d)
pids=()
nettoie() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$travail"
}
trap nettoie EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$travail/display" 2>"$travail/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$travail/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$travail/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if command -v openbox >/dev/null; then
  openbox >"$travail/openbox.log" 2>&1 &
  pids+=($!)
  # Ready once it manages the desktops.
  for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
fi

cp "$programme" "$travail/ecran.bas"
"$korvane" "$travail/ecran.bas" >"$travail/korvane.log" 2>&1 &
korvane_pid=$!
pids+=("$korvane_pid")

attend_fenetre() {  # the id of the first visible window named exactly $1
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}
principale=$(attend_fenetre "Korvane")

xdotool windowfocus --sync "$principale"
xdotool key F9
# The run window: a second visible top-level window.
ecran=""
for _ in $(seq 100); do
  for fenetre in $(xdotool search --onlyvisible --name "^Ecran\$|^Korvane - ecran.bas\$" 2>/dev/null); do
    [ "$fenetre" != "$principale" ] && ecran=$fenetre
  done
  [ -n "$ecran" ] && break
  sleep 0.1
done
[ -n "$ecran" ] || { echo "pas de fenêtre d'exécution" >&2; cat "$travail/korvane.log" >&2; exit 1; }

verifie() {  # what window: retries while the window is being drawn
  for _ in $(seq 50); do
    "$verifie" "$1" "$2" "$capture" 2>"$travail/verifie.log" && return 0
    sleep 0.2
  done
  cat "$travail/verifie.log" >&2
  return 1
}
verifie ecran "$ecran"

# The program waits in INPUT: the keys go to the input box, which shows them.
saisie=$(xdotool getwindowfocus)
[ "$saisie" != "$ecran" ] && [ "$saisie" != "$principale" ] || { echo "la boîte de saisie n'a pas le clavier" >&2; exit 1; }
xdotool type --delay 20 "KORVANE"
verifie saisie "$saisie"
xdotool key Return

# The program began with CLS: enlarged, the window shows no line where its client area ended.
xdotool windowsize "$ecran" 800 600
verifie agrandie "$ecran"

fenetres() { xdotool search --onlyvisible --pid "$korvane_pid" 2>/dev/null | wc -l; }
xdotool windowfocus --sync "$principale"
avant=$(fenetres)
xdotool key alt+f
# The "Fichier" menu is one more visible window of korvane.
for _ in $(seq 100); do [ "$(fenetres)" -gt "$avant" ] && break; sleep 0.1; done
[ "$(fenetres)" -gt "$avant" ] || { echo "le menu Fichier ne s'est pas ouvert" >&2; exit 1; }
xdotool key q
for _ in $(seq 100); do kill -0 "$korvane_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$korvane_pid" 2>/dev/null; then
  echo "korvane ne s'est pas fermé" >&2
  exit 1
fi
wait "$korvane_pid"
