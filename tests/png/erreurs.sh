#!/usr/bin/env bash
# orlevan-export --png with no display: what it writes, and its failures, each one
# line on standard error with the right status, nothing on standard output and no
# picture left behind.
# Usage: erreurs.sh EXPORT SCENE.wrl
EXPORTE=$1
source "$(dirname "$0")/../e2e/harnais.bash"
cp "$2" scene.wrl
unset DISPLAY XAUTHORITY WAYLAND_DISPLAY

# STATUS | text of the one line | environment | arguments (scene.wrl is the scene).
cas=(
  "2|the size must be WIDTHxHEIGHT, each a whole number from 1 to 8192, not '0x10'||--png x.png --taille 0x10 scene.wrl"
  "2|not '10x'||--png x.png --taille 10x scene.wrl"
  "2|not 'x10'||--png x.png --taille x10 scene.wrl"
  "2|not '8193x10'||--png x.png --taille 8193x10 scene.wrl"
  "2|not '10x10x'||--png x.png --taille 10x10x scene.wrl"
  "2|not '-5x10'||--png x.png --taille -5x10 scene.wrl"
  "2|not '10 x10'||--png x.png --taille 10\ x10 scene.wrl"
  "2|option --png needs a value||scene.wrl --png"
  "2|--taille goes with --png only||--taille 10x10 scene.wrl"
  "2|--fil-de-fer goes with --png only||--fil-de-fer scene.wrl"
  "2|-o and --png cannot be given together||-o x.cpp --png x.png scene.wrl"
  "1|cannot write nul/x.png: No such file or directory||--png nul/x.png scene.wrl"
  "1|cannot write /dev/full: No space left on device||--png /dev/full scene.wrl"
  "1|not writing to ./scene.wrl: it is the scene file itself||--png ./scene.wrl scene.wrl"
  "1|cannot open absente.wrl||--png x.png absente.wrl"
  "1|no EGL display: EGL offers no surfaceless platform|__EGL_VENDOR_LIBRARY_FILENAMES=/nulle/part.json|--png x.png scene.wrl"
  "1|no EGL display: the surfaceless platform cannot be initialised|LIBGL_DRIVERS_PATH=/nulle/part|--png x.png scene.wrl"
)
for ligne in "${cas[@]}"; do
  IFS='|' read -r statut texte environnement arguments <<<"$ligne"
  eval "args=($arguments)"
  execute "$statut" env $environnement "$EXPORTE" "${args[@]}"
  quoi="orlevan-export $arguments"
  une_ligne "$quoi" "$texte"
  vide sortie "$quoi"
  [ -e x.png ] && { echec "$quoi: a picture was written"; rm -f x.png; }
done
cmp -s scene.wrl "$2" || echec "the scene file was changed"

# What it writes: an 8-bit RGB PNG of the size asked, on standard output with "-",
# with no X server (a display that does not exist is never opened), nothing on
# standard error; wireframe is another picture, and not a black one.
taille() { identify -format '%w %h %[channels] %z' "$1" 2>/dev/null; }
# reussit ARGS...: the converter succeeds in silence.
reussit() {
  execute 0 "$EXPORTE" "$@"
  vide erreurs "orlevan-export $*"
}
reussit --png - scene.wrl
mv sortie plein.png
[ "$(taille plein.png)" = "350 300 srgb 8" ] || echec "--png -: not a 350x300 RGB picture: $(taille plein.png)"
DISPLAY=:4242 reussit --taille 1x8192 --png haute.png scene.wrl
[ "$(taille haute.png)" = "1 8192 srgb 8" ] || echec "--taille 1x8192: $(taille haute.png)"
reussit --fil-de-fer -n 12 --png fil.png scene.wrl
[ "$(convert fil.png -format '%[max]' info:)" != 0 ] || echec "--fil-de-fer: a black picture"
compare -metric AE plein.png fil.png null: 2>/dev/null && echec "--fil-de-fer: the filled picture"
fin
