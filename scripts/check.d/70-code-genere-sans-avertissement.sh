#!/usr/bin/env bash
# Every scene of the repository, saved at two counts, compiles without a warning with
# g++ and with clang++ (-Wall -Wextra), against the run-time library's headers; the
# scenes of the full language (tests/allerretour/scenes-vrml1 and, when it is beside
# the checkout, every real file of ../shared/corpus/vrml1) saved with --vrml1 as well.
source "$(dirname "$0")/commun.bash"  # racine, build, dossier
nombre=0
# compile SCENE COUNT [--vrml1]
compile() {
  local nom
  nom=$(basename "$1" .wrl)_$2${3:+_complet}
  "$build/orlevan-export" ${3:-} -n "$2" -o "$dossier/$nom.cpp" "$1" 2>/dev/null || return 0
  for compilateur in g++ clang++; do
    "$compilateur" -std=c++17 -Wall -Wextra -Werror -I "$racine/runtime" \
      -c "$dossier/$nom.cpp" -o "$dossier/$nom.o"
  done
  nombre=$((nombre + 1))
}
while IFS= read -r -d '' scene; do
  for compte in 5 72; do compile "$scene" $compte; done
done < <(find "$racine/examples" "$racine/tests" -name '*.wrl' -print0)
while IFS= read -r -d '' scene; do
  for compte in 5 72; do compile "$scene" $compte --vrml1; done
done < <(find "$racine/tests/allerretour/scenes-vrml1" -name '*.wrl' -print0)
corpus=$racine/../shared/corpus/vrml1
if [ -d "$corpus" ]; then
  while IFS= read -r -d '' scene; do compile "$scene" 5 --vrml1; done \
    < <(find "$corpus" -name '*.wrl' -print0)
fi
[ "$nombre" -gt 0 ] || { echo "no scene found" >&2; exit 1; }
echo "$nombre generated files compile without warnings with g++ and clang++"
