#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orlevan need, when
# any is missing. As root it installs them; otherwise it names them and fails.
set -euo pipefail

paquets=(
  build-essential cmake pkg-config clang libclang-rt-dev
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri mesa-utils
  libgtest-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool imagemagick apitrace
  valgrind libcoin-dev
)

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
