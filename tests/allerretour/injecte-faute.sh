#!/usr/bin/env bash
# Writes a copy of a generated file with one kind of translation fault, to prove that
# the round trip catches it. Fails if the fault found nothing to change.
# Usage: injecte-faute.sh IN.cpp OUT.cpp axe|materiau|pop|lumieres
set -euo pipefail
case $3 in
  # x and y of every translation swapped
  axe) sed -E 's/glTranslatef\(([^,]*),([^,]*),/glTranslatef(\2,\1,/' "$1" >"$2" ;;
  # every diffuse colour line dropped with its block
  materiau) sed '/{ float t\[4\]/{N;/GL_DIFFUSE/d}' "$1" >"$2" ;;
  # the first Separator's matrix pop dropped
  pop) sed '0,/glPopMatrix();/{/glPopMatrix();/d}' "$1" >"$2" ;;
  # the first Separator's light pop dropped
  lumieres) sed '0,/depileLights();/{/depileLights();/d}' "$1" >"$2" ;;
  *) echo "unknown fault $3" >&2; exit 2 ;;
esac
if cmp -s "$1" "$2"; then
  echo "injecte-faute: $3 changed nothing in $1" >&2
  exit 1
fi
