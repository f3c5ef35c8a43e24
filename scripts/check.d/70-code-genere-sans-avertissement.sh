#!/usr/bin/env bash
# Every scene of the repository, saved at two counts, compiles without a warning with
# g++ and with clang++ (-Wall -Wextra), against the run-time library's headers.
set -euo pipefail
racine=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$racine/build}
case $build in /*) ;; *) build=$racine/$build ;; esac

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
nombre=0
while IFS= read -r -d '' scene; do
  for compte in 5 72; do
    nom=$(basename "$scene" .wrl)_$compte
    "$build/orlevan-export" -n "$compte" -o "$dossier/$nom.cpp" "$scene" 2>/dev/null || continue
    for compilateur in g++ clang++; do
      "$compilateur" -std=c++17 -Wall -Wextra -Werror -I "$racine/runtime" \
        -c "$dossier/$nom.cpp" -o "$dossier/$nom.o"
    done
    nombre=$((nombre + 1))
  done
done < <(find "$racine/examples" "$racine/tests" -name '*.wrl' -print0)
[ "$nombre" -gt 0 ] || { echo "no scene found" >&2; exit 1; }
echo "$nombre generated files compile without warnings with g++ and clang++"
