#!/usr/bin/env bash
# Instructions per vertex of the program's own drawing code beside the floor's own,
# under callgrind: what the frame costs outside OpenGL. Counts the code of the
# benchmark binary (the program's nodes and primitives, or the floor's replay loop)
# and of libm (the primitives' cos, sin and pow), inside the program's frames and
# inside the floor's, warm-up frames left out. Run under an X server:
#   callgrind.sh BENCH_BINARY INPUT_FOLDER [SCENE [FRAMES]]
set -euo pipefail
binaire=$1 entrees=$2 scene=${3:-scene-4.wrl} images=${4:-2}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

compte() {  # compte FONCTION: "own total" instructions collected inside FONCTION
    valgrind --tool=callgrind --callgrind-out-file="$travail/$1.out" \
        --toggle-collect="$1" "$binaire" "$entrees" --images "$scene" "$images" \
        >"$travail/$1.txt" 2>"$travail/$1.err"
    cp "$travail/$1.out" "${CALLGRIND_GARDE:-$travail}/" 2>/dev/null || true
    callgrind_annotate --threshold=100 "$travail/$1.out" 2>/dev/null | awk '
        /PROGRAM TOTALS/ { gsub(",", "", $1); total = $1 }
        /\[.*(orlevan_bench|libm\.so)/ { gsub(",", "", $1); propre += $1 }
        END { printf "%d %d\n", propre, total }'
}

read -r programme totalProgramme < <(compte 'imageProgrammeComptee()')
read -r plancher totalPlancher < <(compte 'imagePlancherComptee(Appels const&)')
sommets=$(awk '/^images/ { print $2 * $4 }' "$travail/imageProgrammeComptee().txt")
awk -v p="$programme" -v tp="$totalProgramme" -v f="$plancher" -v tf="$totalPlancher" \
    -v s="$sommets" -v scene="$scene" 'BEGIN {
    printf "%s, %d vertices over the frames counted\n", scene, s
    printf "program: %.1f own instructions per vertex (%.1f %% of its frames, %.0f in all per vertex)\n", p / s, 100 * p / tp, tp / s
    printf "floor:   %.1f own instructions per vertex (%.1f %% of its frames, %.0f in all per vertex)\n", f / s, 100 * f / tf, tf / s
    printf "ratio of own instructions: %.2f; of whole frames: %.3f\n", p / f, tp / tf
}'
