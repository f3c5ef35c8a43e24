#!/usr/bin/env bash
# Installs the Debian packages that Orlevan needs, when any is missing. As root it
# installs them; otherwise it names them and fails. Usage: setup.sh run|check
#   run:   what building and running the viewer needs (make run)
#   check: that, and what the test suite and its checks need (make check)
set -euo pipefail

# Compilers, CMake, freeglut and OpenGL, and Mesa's drivers to draw with.
paquets_run=(
  build-essential cmake pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
  libegl-dev libegl-mesa0 libpng-dev
)
# The test suite (GoogleTest, a virtual X server, xdotool, screenshots, GL traces),
# the benchmarks, the fuzz target (clang, libFuzzer) and the sanitizer build.
paquets_check=(
  clang libclang-rt-dev mesa-utils
  libgtest-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick apitrace
  valgrind libcoin-dev
  scdoc dpkg-dev file lintian desktop-file-utils man-db bash-completion
)

case ${1:-check} in
  run) paquets=("${paquets_run[@]}") ;;
  check) paquets=("${paquets_run[@]}" "${paquets_check[@]}") ;;
  *) echo "usage: setup.sh run|check" >&2; exit 2 ;;
esac

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
    || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages; install them with:" >&2
  echo "  sudo apt-get install ${manquants[*]}" >&2
  exit 1
fi
echo "Installing: ${manquants[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
