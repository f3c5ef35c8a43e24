#!/usr/bin/env bash
# How long g++ takes to compile the saved file of the million-triangle mesh, with the
# flags orlevan_add_scene gives it (-O2 -g, -Wall -Wextra), and how big it is.
# Usage: compile-maillage.sh BUILD_DIR MESH.wrl
set -euo pipefail
build=$1 scene=$2
sortie=$build/bench/maillage-1M.cpp
"$build/orlevan-export" --vrml1 -o "$sortie" "$scene"
echo "saved file: $(stat -c %s "$sortie") bytes"
/usr/bin/time -f "g++ -O2 -g: %e s wall, %U s user, %M KB at most" \
  g++ -std=c++17 -O2 -g -Wall -Wextra -Werror -I"$(dirname "$0")/../runtime" \
  -c "$sortie" -o "$build/bench/maillage-1M.o"
rm -f "$build/bench/maillage-1M.o"
