#!/bin/bash
# The lab-report study of x*exp(-x) from a fresh start, as a new user does
# it, every action counted (a key or chord 1, a click 1, a menu item 2, a
# typed field 1 and its Enter 1): draw it on [-1, 5], follow it, its zero,
# maximum and inflection point with the integral on [0, 5], the f' curve, a
# table of values, a magnified view, PNG and SVG, save and reopen.
# Run by hand, on an X display with a window manager:
#   Xvfb :98 -screen 0 1280x1024x24 & DISPLAY=:98 openbox &
#   DISPLAY=:98 bench/parcours-etude.sh 1     (2 for a scale of 2)
# It leaves the count in compte.txt and a screenshot of each step in the
# current folder. The clicks are offsets from the windows' corners.
S=${1:-1}
export QT_SCALE_FACTOR=$S
PROGRAMME=${PROGRAMME:-$(cd "$(dirname "$0")/.." && pwd)/build/tarvelle}
export HOME=$(mktemp -d)
: > compte.txt
n=0
act() { n=$((n+1)); echo "$n	$1" >> compte.txt; }
geo() { X=$(xwininfo -id $1 | awk '/Absolute upper-left X/{print $4}'); Y=$(xwininfo -id $1 | awk '/Absolute upper-left Y/{print $4}'); }
"$PROGRAMME" > log 2>&1 &
sleep 4
C=$(xdotool search --name "^Calculette$" | head -1); geo $C; CX=$X; CY=$Y
xdotool mousemove $((CX + 249*S)) $((CY + 6*S)) click 1; act "clic « Graphiques »"; sleep 2
G=$(xdotool search --name "^Module graphique" | head -1); geo $G; GX=$X; GY=$Y
xdotool mousemove $((GX + 53*S)) $((GY + 38*S)) click 1; act "clic « Fonction cartésienne »"; sleep 1
xdotool type "x*exp(-x)"; act "frappe x*exp(-x)"; xdotool key Return; act "Entrée"; sleep 0.5
xdotool key alt+e; act "Alt+E"; sleep 1
xdotool type -- "-1"; act "frappe -1"; xdotool key Return; act "Entrée"
xdotool type "5"; act "frappe 5"; xdotool key Return; act "Entrée"
xdotool key Return; act "Entrée (Y min gardé)"; xdotool key Return; act "Entrée (Y max gardé)"; sleep 1.5
xdotool mousemove $((GX + 220*S)) $((GY + 8*S)) click 1; act "menu « Echelles »"; sleep 0.7
xdotool mousemove $((GX + 246*S)) $((GY + 95*S)) click 1; act "« Ajuster Y »"; sleep 1.5
import -window root $S-trace.png
xdotool key t; act "T"; xdotool key Right; act "→"; xdotool key Right; act "→"; sleep 0.3
import -window root $S-suivi.png
xdotool key Escape; act "Echap"
xdotool key ctrl+shift+e; act "Ctrl+Maj+E"; sleep 0.8
xdotool type "0"; act "frappe 0"; xdotool key Return; act "Entrée"; sleep 0.3
xdotool key Return; act "Entrée (fin 5 gardée)"; sleep 2.5
import -window root $S-etude.png
xdotool mousemove $((GX + 402*S)) $((GY + 38*S)) click 1; act "clic « Dérivées »"; sleep 2
xdotool key ctrl+t; act "Ctrl+T"; sleep 2
import -window root $S-tableau.png
# Cursors around the maximum: (0.5 ; 0.47) and (1.5 ; 0.2) in [-1, 5] x [-2.87, 0.52].
xdotool mousemove $((GX + 8*S + 80*S)) $((GY + 65*S + 4*S)) click 1; act "clic curseur 1"; sleep 0.3
xdotool mousemove $((GX + 8*S + 133*S)) $((GY + 65*S + 23*S)) click 1; act "clic curseur 2"; sleep 0.3
xdotool mousemove $((GX + 323*S)) $((GY + 38*S)) click 1; act "clic « Zoom entre les curseurs »"; sleep 2
import -window root $S-zoom.png
for ext in png svg; do
  xdotool mousemove $((GX + 30*S)) $((GY + 8*S)) click 1; act "menu « Fichiers »"; sleep 0.7
  xdotool mousemove $((GX + 90*S)) $((GY + 119*S)) click 1; act "« Exporter l'image ... »"; sleep 1.5
  xdotool type "etude.$ext"; act "frappe etude.$ext"; xdotool key Return; act "Entrée"; sleep 1.5
done
xdotool key ctrl+s; act "Ctrl+S"; sleep 1.5
xdotool type "etude"; act "frappe etude"; xdotool key Return; act "Entrée"; sleep 1.5
xdotool mousemove $((GX + 30*S)) $((GY + 8*S)) click 1; act "menu « Fichiers »"; sleep 0.7
xdotool mousemove $((GX + 40*S)) $((GY + 94*S)) click 1; act "« Fermer »"; sleep 1
xdotool key ctrl+o; act "Ctrl+O"; sleep 1.5
xdotool type "etude"; act "frappe etude"; xdotool key Return; act "Entrée"; sleep 2.5
import -window root $S-rouvert.png
ls -la etude.*
echo "actions: $n"
kill %1
