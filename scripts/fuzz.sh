#!/usr/bin/env bash
# Fuzzes the reader and the generator for a given number of seconds on one core:
# builds the libFuzzer target with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# in build-fuzz/, then runs it from the seeds: the example and test scenes, the
# shared corpus of real files when it is beside the checkout, and fuzz/corpus (what
# earlier campaigns found). Usage: fuzz.sh SECONDS [WORK_CORPUS]
# New inputs go to WORK_CORPUS (default build-fuzz/corpus, kept between campaigns);
# a crash, a hang or a sanitizer report stops the run with the input saved in
# build-fuzz/trouvailles/ and a failing exit status.
set -euo pipefail
cd "$(dirname "$0")/.."
secondes=${1:?usage: fuzz.sh SECONDS [WORK_CORPUS]}
travail=${2:-build-fuzz/corpus}

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --target orlevan-fuzz -j "${JOBS:-2}" >/dev/null

graines=(fuzz/corpus examples)
while IFS= read -r d; do graines+=("$d"); done \
  < <(find tests -name '*.wrl' -printf '%h\n' | sort -u)
partage=../shared/corpus/vrml1
if [ -d "$partage" ]; then graines+=("$partage"); else
  echo "fuzz: no shared corpus at $partage; seeding from the project's scenes only"; fi

mkdir -p "$travail" build-fuzz/trouvailles
# -close_fd_mask=2: the reader's one-line diagnostics would flood the log; the
# sanitizers' reports still come through. -timeout: an input that takes 10 s is a
# hang. Inputs are cut at 32 KiB: long enough for every construct, short enough to
# keep thousands of runs a second.
exec ./build-fuzz/orlevan-fuzz -max_total_time="$secondes" -timeout=10 \
  -max_len=32768 -close_fd_mask=2 -print_final_stats=1 \
  -dict=fuzz/vrml.dict -artifact_prefix=build-fuzz/trouvailles/ \
  "$travail" "${graines[@]}"
