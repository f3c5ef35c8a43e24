#!/usr/bin/env bash
# Every real file of ../shared/corpus/vrml1, read with --vrml1 by the sanitizer build
# (build-asan, AddressSanitizer and UndefinedBehaviorSanitizer): orlevan-export --info
# in under 2 s with no report, and the viewer opens its window on it, draws, and quits
# on Escape with no report. Skipped when the corpus is not beside the checkout.
set -euo pipefail
cd "$(dirname "$0")/../.."
corpus=../shared/corpus/vrml1
if [ ! -d "$corpus" ]; then
  echo "corpus-vrml1: no corpus at $corpus; skipped"
  exit 0
fi

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_SANITIZE=ON \
  -DORLEVAN_WERROR=ON >/dev/null
cmake --build build-asan -j "${JOBS:-2}" --target orlevan orlevan-export >/dev/null

export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

# A report of either sanitizer in a log.
rapport() { grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$1"; }

nombre=0
for scene in "$corpus"/*.wrl; do
  debut=$(date +%s%N)
  ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
    build-asan/orlevan-export --vrml1 --info "$scene" >"$travail/info" 2>"$travail/erreurs" ||
    { cat "$travail/erreurs"; echo "corpus-vrml1: --info failed on $scene" >&2; exit 1; }
  ms=$(( ($(date +%s%N) - debut) / 1000000 ))
  if rapport "$travail/erreurs"; then
    cat "$travail/erreurs"; echo "corpus-vrml1: sanitizer report on $scene" >&2; exit 1
  fi
  grep -q '^boite ' "$travail/info" || { echo "corpus-vrml1: no box for $scene" >&2; exit 1; }
  [ "$ms" -lt 2000 ] || { echo "corpus-vrml1: $scene took $ms ms" >&2; exit 1; }
  nombre=$((nombre + 1))
done
echo "corpus-vrml1: $nombre files read by orlevan-export --vrml1 --info, each under 2 s"

# The viewer, one X server for the whole corpus. Mesa's drawing code under the
# sanitizers: no leak check, as for the round trip (tests/allerretour/CMakeLists.txt).
cat >"$travail/vue.sh" <<'FIN'
set -uo pipefail
travail=$1; shift
for scene in "$@"; do
  ASAN_OPTIONS=detect_leaks=0:strict_string_checks=1 \
    build-asan/orlevan --vrml1 "$scene" >"$travail/sortie" 2>&1 &
  pid=$!
  fenetre=$(timeout 30 xdotool search --sync --onlyvisible --pid $pid --name '^Orlevan - ' | head -n1)
  if [ -z "$fenetre" ]; then cat "$travail/sortie"; echo "no window for $scene" >&2; kill $pid; exit 1; fi
  sleep 0.3
  xdotool windowfocus --sync "$fenetre" key Escape
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then kill $pid; echo "the viewer did not quit on $scene" >&2; exit 1; fi
  wait $pid; statut=$?
  if [ $statut -ne 0 ] || grep -qE 'ERROR: AddressSanitizer|runtime error:|Attention erreur' "$travail/sortie"; then
    cat "$travail/sortie"; echo "the viewer failed on $scene (status $statut)" >&2; exit 1
  fi
done
FIN
bash scripts/avec-xvfb.sh bash "$travail/vue.sh" "$travail" "$corpus"/*.wrl
echo "corpus-vrml1: the viewer opened, drew and closed $nombre files with --vrml1"
