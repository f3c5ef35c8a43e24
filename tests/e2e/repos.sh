#!/usr/bin/env bash
# An idle viewer costs no processor time: it waits for events instead of spinning
# through an idle callback. The spin, when on, still turns the picture, and stopping
# it makes the viewer idle again.
source "$(dirname "$0")/harnais.bash"

cat >scene.wrl <<'WRL'
#VRML V1.0 ascii
Separator {
  Material { diffuseColor 0.9 0.6 0.1 }
  Cube { width 0.8 height 0.4 depth 0.6 }
}
WRL
ouvre scene.wrl
premiere depart
tic=$(getconf CLK_TCK)

# Processor time used over three seconds, in ticks: at most a twentieth of the time,
# where an idle callback left registered takes a large share of a core.
inactif_ok() {
  local debut fin
  debut=$(temps_cpu)
  sleep 3
  fin=$(temps_cpu)
  echo "$1: $((fin - debut)) ticks of processor time in 3 s ($tic a second)"
  [ $((fin - debut)) -le $((3 * tic / 20)) ] || echec "$1: the viewer was busy"
}

inactif_ok "idle"

xdotool key shift+Return
sleep 0.3
capture tour1
sleep 1
capture tour2
differe tour1 tour2 500 "the spin did not turn"

xdotool key shift+Return
stable arrete
inactif_ok "idle after the spin"

quitte
fin
