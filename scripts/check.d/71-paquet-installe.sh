#!/usr/bin/env bash
# A project outside this repository uses the installed package as the README shows:
# cmake --install, find_package(Orlevan), orlevan_add_scene, build (with clang++ and
# warnings as errors), convert again when the scene changes, and run the program.
source "$(dirname "$0")/commun.bash"  # racine, build, dossier
cmake --install "$build" --prefix "$dossier/prefixe" >/dev/null

mkdir "$dossier/projet"
cp "$racine/examples/demo.wrl" "$dossier/projet/maison.wrl"
cat >"$dossier/projet/CMakeLists.txt" <<'FIN'
cmake_minimum_required(VERSION 3.18)
project(Maison CXX)
find_package(Orlevan REQUIRED)
orlevan_add_scene(maison maison.wrl COUNT 12)
FIN
cmake -S "$dossier/projet" -B "$dossier/projet/build" -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" -DCMAKE_PREFIX_PATH="$dossier/prefixe" >/dev/null
cmake --build "$dossier/projet/build" >/dev/null
genere=$dossier/projet/build/maison.scene.cpp
grep -q 'solidSphere(0.300000F,12);' "$genere"

# A change of the scene converts it again at the next build.
sleep 1
sed -i 's/Sphere { radius 0.3 }/Sphere { radius 0.35 }/' "$dossier/projet/maison.wrl"
cmake --build "$dossier/projet/build" >/dev/null
grep -q 'solidSphere(0.350000F,12);' "$genere"

# The program opens the viewer's window and keeps showing the scene.
cat >"$dossier/lance.sh" <<FIN
"$dossier/projet/build/maison" > "$dossier/sortie.txt" &
programme=\$!
for _ in \$(seq 50); do
  xdotool search --name '^Orlevan - maison\$' >/dev/null 2>&1 && break
  sleep 0.2
done
xdotool search --name '^Orlevan - maison\$' >/dev/null
kill -0 \$programme
kill \$programme
FIN
bash "$racine/scripts/avec-xvfb.sh" bash "$dossier/lance.sh"
if grep -q "Attention erreur" "$dossier/sortie.txt"; then
  cat "$dossier/sortie.txt"; exit 1
fi
echo "an outside project found the installed package and built and ran a scene"
