#!/usr/bin/env bash
# One round trip: the scene drawn by the viewer and the same scene saved, compiled and
# drawn by scene() must give the same picture within the tolerance; with "faute", a
# compiled file with a wrong line must give a picture that differs by far more.
# Usage: allerretour.sh CAPTURE_VUE COMPARE SCENE COUNT COMPILED_PROGRAM OUT_DIR
#                       MAX_PIXELS MAX_CHANNEL [faute MIN_PIXELS]
set -uo pipefail
capture_vue=$1 compare=$2 scene=$3 compte=$4 programme=$5 dossier=$6
max_pixels=$7 max_canal=$8 mode=${9:-identique} min_pixels=${10:-0}

mkdir -p "$dossier"
rm -f "$dossier"/*.ppm "$dossier"/*.png
# Any OpenGL error of the frame is a failure on either side.
sortie_vue=$("$capture_vue" "$compte" "$scene" "$dossier/vue.ppm") || exit 1
sortie_compilee=$("$programme" "$dossier/compilee.ppm") || exit 1
if grep -q "Attention erreur" <<<"$sortie_vue$sortie_compilee"; then
  echo "an OpenGL error was reported:"; echo "$sortie_vue"; echo "$sortie_compilee"
  exit 1
fi

mesure=$("$compare" "$dossier/vue.ppm" "$dossier/compilee.ppm" "$dossier/difference.ppm" \
         "$max_pixels" "$max_canal")
statut=$?
echo "$(basename "$scene") at $compte against $(basename "$programme"): $mesure"
[ $statut -eq 2 ] && exit 1

# The pictures of a failing case stay, as PNG, for a person to look at.
garde() {
  for image in vue compilee difference; do
    convert "$dossier/$image.ppm" "$dossier/$image.png" 2>/dev/null && rm "$dossier/$image.ppm"
  done
  echo "pictures kept in $dossier"
}
if [ "$mode" = faute ]; then
  differents=$(sed -E 's/differing pixels: ([0-9]+) .*/\1/' <<<"$mesure")
  garde
  if [ $statut -eq 0 ] || [ "$differents" -lt "$min_pixels" ]; then
    echo "the wrong line was not caught by a wide margin (want $min_pixels pixels or more)"
    exit 1
  fi
  exit 0
fi
if [ $statut -ne 0 ]; then
  echo "outside the tolerance: $max_pixels pixels, $max_canal per channel"
  garde
  exit 1
fi
rm -f "$dossier"/*.ppm
