#!/usr/bin/env bash
# Runs a command under a virtual X server of its own (Xvfb, Mesa's llvmpipe), so the
# tests see a real display whatever the machine has. Usage: avec-xvfb.sh COMMAND...
set -uo pipefail

# The server picks a free display itself and tells it on a pipe: several runs can
# start side by side. -noreset: otherwise it resets between clients and a later
# client can fail to connect.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
serveur=$!
trap 'kill $serveur 2>/dev/null; wait $serveur 2>/dev/null; rm -f "$fifo"' EXIT
read -r -t 20 ecran <"$fifo" || { echo "avec-xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$ecran" LIBGL_ALWAYS_SOFTWARE=1
"$@"
