# Shared by the end-to-end scripts (sourced, not a test itself), each run on an X
# server of its own: the viewer started on a scene, screenshots of its window and
# their comparison.
# The scripts drive the window through XTEST (xdotool), as a user's keyboard and
# mouse would: real modifier state, one motion event per mousemove.
set -euo pipefail

VISIONNEUSE=$1
TRAVAIL=$(mktemp -d /tmp/orlevan-e2e-XXXXXX)
PID=
trap 'if [ -n "$PID" ]; then kill "$PID" 2>/dev/null || true; fi; rm -rf "$TRAVAIL"' EXIT

echec() { echo "FAIL: $*" >&2; exit 1; }

# Starts the viewer on a scene file and waits for its window and its first frame
# (the scenes of these scripts all draw something; the window maps black before
# that). Sets PID and FENETRE.
lance() {
  "$VISIONNEUSE" "$1" >"$TRAVAIL/sortie.txt" 2>&1 &
  PID=$!
  FENETRE=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orlevan - ' |
            head -n1)
  [ -n "$FENETRE" ] || echec "no window for $1"
  xdotool windowfocus --sync "$FENETRE"
  for _ in $(seq 100); do
    capture premiere
    [ "$(non_noirs premiere)" -gt 0 ] && return 0
    sleep 0.2
  done
  echec "nothing drawn in $1"
}

# Pictures go by name into the work folder: "depart" is $TRAVAIL/depart.png.
image() { echo "$TRAVAIL/$1.png"; }

# Screenshot of the window's inside, at once.
capture() { import -silent -window "$FENETRE" "$(image "$1")"; }

# Screenshot once the viewer has done with the last input: two captures in a row
# alike, and no processor time used between them (an idle viewer uses none), so
# that a slow frame is not taken for the last one. Plain PPM files, so that alike
# pictures are alike files.
attends_stable() {
  local avant="$TRAVAIL/stable-avant.ppm" apres="$TRAVAIL/stable-apres.ppm" cpu
  cpu=$(temps_cpu)
  import -silent -window "$FENETRE" "ppm:$avant"
  for _ in $(seq 50); do
    sleep 0.1
    import -silent -window "$FENETRE" "ppm:$apres"
    if cmp -s "$avant" "$apres" && [ "$(temps_cpu)" = "$cpu" ]; then
      convert "$apres" "$(image "$1")"
      return 0
    fi
    mv "$apres" "$avant"
    cpu=$(temps_cpu)
  done
  echec "the picture never settled"
}

# Number of pixels that differ between two pictures.
ecart() { compare -metric AE "$(image "$1")" "$(image "$2")" null: 2>&1 || true; }

# differe A B N MESSAGE: more than N pixels differ, else fail with the message.
differe() {
  local n
  n=$(ecart "$1" "$2")
  [ "$n" -gt "$3" ] || echec "$4 ($n pixels differ between $1 and $2)"
}

# pareil A B N MESSAGE: at most N pixels differ, else fail with the message.
pareil() {
  local n
  n=$(ecart "$1" "$2")
  [ "$n" -le "$3" ] || echec "$4 ($n pixels differ between $1 and $2)"
}

# Pixels that are not the black background: proof that something was drawn.
non_noirs() {
  convert "$(image "$1")" -fill white +opaque black -format '%[fx:int(mean*w*h)]' info:
}

# Processor time of the viewer so far, in clock ticks (user plus system, all threads).
temps_cpu() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }

# A drag with the left button from (x, y) by n steps of (dx, dy) pixels, with the
# given modifier keys (xdotool names, "shift" or "ctrl alt"...) held throughout.
glisse() {
  local mods=$1 x=$2 y=$3 dx=$4 dy=$5 n=$6 i
  local etapes=(mousemove --window "$FENETRE" "$x" "$y")
  for m in $mods; do etapes+=(keydown "$m"); done
  etapes+=(mousedown 1)
  for i in $(seq "$n"); do
    etapes+=(mousemove --window "$FENETRE" $((x + i * dx)) $((y + i * dy)))
  done
  etapes+=(mouseup 1)
  for m in $mods; do etapes+=(keyup "$m"); done
  xdotool "${etapes[@]}"
}

# Ends the viewer with Escape and checks its exit status.
quitte() {
  xdotool key Escape
  local statut=0
  timeout 10 tail --pid="$PID" -f /dev/null || echec "the viewer did not end on Escape"
  wait "$PID" || statut=$?
  PID=
  [ "$statut" = 0 ] || echec "exit status $statut after Escape"
}
