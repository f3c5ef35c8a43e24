#!/usr/bin/env bash
# orlevan-export --png draws the viewer's picture: for every scene and count, the PNG
# made with no display equals the viewer's first frame (read by the allerretour
# capture inside the viewer's own display callback) pixel for pixel; and, once, at a
# size other than the window's, a screenshot of the real viewer's resized window.
# Run on an X server of its own (scripts/avec-xvfb.sh), so no other window covers it.
# Usage: pixels.sh EXPORT CAPTURE_VUE COMPARE ORLEVAN OUT_DIR SCENE...
EXPORTE=$1 capture=$2 compare=$3 ORLEVAN=$4 dossier=$5
shift 5
source "$(dirname "$0")/../e2e/harnais.bash"
mkdir -p "$dossier"
rm -f "$dossier"/*

# png SCENE NAME ARGS...: the converter's picture, with no display, as NAME.ppm.
png() {
  local scene=$1 nom=$2
  shift 2
  env -u DISPLAY -u XAUTHORITY "$EXPORTE" "$@" --png "$dossier/$nom.png" "$scene" ||
    { echec "orlevan-export $* --png on $scene failed"; return 1; }
  convert "$dossier/$nom.png" "$dossier/$nom.ppm"
}
# identiques NAME: NAME.ppm against NAME-vue.ppm, not one pixel apart.
identiques() {
  local mesure
  mesure=$("$compare" "$dossier/$1-vue.ppm" "$dossier/$1.ppm" "$dossier/$1-difference.ppm" 0 0) ||
    { echec "$1: $mesure (pictures kept in $dossier)"; return; }
  rm -f "$dossier/$1"*
}

for scene in "$@"; do
  for compte in 3 72; do
    nom=$(basename "$scene" .wrl).$compte
    "$capture" "$compte" "$scene" "$dossier/$nom-vue.ppm" >/dev/null ||
      { echec "no capture of $scene"; continue; }
    png "$scene" "$nom" -n "$compte" && identiques "$nom"
  done
done

# The real viewer, its window resized to 240x320 (taller than wide): its screenshot
# must come to equal the picture (waiting for the expected picture, not for a quiet
# one, keeps a slow viewer on a busy machine from failing the check).
scene=$(printf '%s\n' "$@" | grep /demo.wrl)
ouvre "$scene"
if png "$scene" fenetre --taille 240x320; then
  xdotool windowsize --sync "$fenetre" 240 320
  for _ in $(seq 75); do
    import -silent -window "$fenetre" miff:- | convert - -depth 8 "$dossier/fenetre-vue.ppm"
    "$compare" "$dossier/fenetre-vue.ppm" "$dossier/fenetre.ppm" /dev/null 0 0 >/dev/null 2>&1 &&
      break
    sleep 0.2
  done
  identiques fenetre
fi
[ $echecs -eq 0 ] && rmdir "$dossier" 2>/dev/null
fin
