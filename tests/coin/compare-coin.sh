#!/usr/bin/env bash
# Coin3D, a general VRML library, as the reference of the meshes: on every file of a
# folder that Coin reads, the faces, triangles, segments and points of
# IndexedFaceSet, IndexedLineSet and PointSet, and the box of the vertices, must be
# what `orlevan-export --vrml1 --info` prints. The box is compared within 1e-5 of its
# size; where the file holds primitives (Cube, Sphere, Cone, Cylinder), whose facets
# Coin makes its own way, within 2 %. Files Coin cannot read (extensions of other
# browsers, unknown fields) are listed and skipped.
# Usage: compare-coin.sh COMPTE_COIN ORLEVAN_EXPORT FOLDER
set -uo pipefail
coin=$1 export=$2 dossier=$3

[ -d "$dossier" ] || { echo "no folder $dossier"; exit 1; }
compares=0 sautes=() fautes=0
for f in "$dossier"/*.wrl; do
  nom=$(basename "$f")
  ref=$("$coin" "$f" 2>/dev/null) || { sautes+=("$nom"); continue; }
  notre=$("$export" --vrml1 --info "$f" 2>/dev/null) || { echo "$nom: orlevan-export failed"; fautes=$((fautes + 1)); continue; }
  valeur() { sed -n "s/^$1 //p" <<<"$2"; }
  ecart=""
  for cle in faces triangles segments points; do
    [ "$(valeur $cle "$ref")" = "$(valeur $cle "$notre")" ] ||
      ecart+=" $cle $(valeur $cle "$notre") (Coin $(valeur $cle "$ref"))"
  done
  if [ "$(valeur primitives "$ref")" = 0 ]; then boite=$(valeur boite "$ref") tolerance=1e-5
  else boite=$(valeur boite-tout "$ref") tolerance=0.02; fi
  [ -n "$boite" ] || boite=vide
  if ! awk -v a="$boite" -v b="$(valeur boite "$notre")" -v t="$tolerance" 'BEGIN {
      if (a == "vide" || b == "vide") exit !(a == b)
      n = split(a, x, " "); split(b, y, " "); taille = 0
      for (i = 1; i <= 3; ++i) if (x[i + 3] - x[i] > taille) taille = x[i + 3] - x[i]
      for (i = 1; i <= n; ++i) { d = x[i] - y[i]; if (d < 0) d = -d; if (d > t * (taille > 1 ? taille : 1)) exit 1 }
      exit 0 }'; then
    ecart+=" boite $(valeur boite "$notre") (Coin $boite)"
  fi
  compares=$((compares + 1))
  if [ -n "$ecart" ]; then echo "$nom:$ecart"; fautes=$((fautes + 1)); fi
done
echo "compared with Coin3D: $compares files, $fautes differing; not read by Coin: ${#sautes[@]}"
printf '  %s\n' "${sautes[@]}"
[ $fautes -eq 0 ] && [ $compares -gt 0 ]
