#!/usr/bin/env bash
# What the viewer does with what it cannot use: a missing file and a file that is not
# VRML 1.0 still open the (black) window, with exactly one line on standard error and
# nothing on standard output; no scene path, or one too long for the viewer's 300
# bytes, ends at once with one line and status 2, before any window.
source "$(dirname "$0")/harnais.bash"

# fenetreNoireUneLigne PATH: the window opens on PATH, black, and one stderr line.
fenetreNoireUneLigne() {
    ouvre "$1"
    attendImage image noire || echoue "$1: the window is not black"
    quitte
    vide sortie "$1"
    une_ligne "$1"
}

fenetreNoireUneLigne "$travail/absent.wrl"
printf '#VRML V2.0 utf8\nShape { geometry Box { } }\n' >vrml2.wrl
fenetreNoireUneLigne "$travail/vrml2.wrl"

# finitEnStatut2 ARGS...: the viewer ends by itself with status 2 and one stderr line.
finitEnStatut2() {
    local quoi="orlevan ${*:1:1}"
    execute 2 "$ORLEVAN" "$@"
    vide sortie "${quoi:0:30}..."
    une_ligne "${quoi:0:30}..."
}

finitEnStatut2
grep -qi usage erreurs || echec "no usage line without a scene path"

# 300 characters do not fit with the terminator; 299 do, and the title keeps them all.
long=$travail/$(printf 'a%.0s' $(seq $((299 - ${#travail} - 1))))
[ ${#long} = 299 ] || echoue "test setup: a path of ${#long} characters"
finitEnStatut2 "${long}b"
fenetreNoireUneLigne "$long"
fin
