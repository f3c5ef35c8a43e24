#!/usr/bin/env bash
# A short fuzz run (about a minute) over the reader and the generator: every seed and
# every input that earlier campaigns kept (fuzz/corpus) is replayed, then the fuzzer
# mutates them for the rest of the minute. New inputs go to a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/../.."
travail=$(mktemp -d)
journal=$(mktemp)
trap 'rm -rf "$travail" "$journal"' EXIT
if ! bash scripts/fuzz.sh "${FUZZ_CHECK_SECONDS:-50}" "$travail" >"$journal" 2>&1; then
  tail -n 100 "$journal"
  echo "fuzz: failed; the input is in build-fuzz/trouvailles/" >&2
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$journal"
