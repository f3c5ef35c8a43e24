# Sourced by the check steps that work on a build: the checkout (racine), the build
# folder (BUILD, absolute or relative to the checkout; build/ by default) and a
# scratch folder (dossier), removed when the step ends.
set -euo pipefail
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${BUILD:-$racine/build}
case $build in /*) ;; *) build=$racine/$build ;; esac

dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
