# The end-to-end harness (sourced by the scripts of tests/e2e and tests/png; not a test
# itself): a work folder removed on exit, failures counted, the real binaries run
# with their outputs kept, and the real viewer driven in the test command's X server
# with xdotool (XTEST, as a user's keyboard and mouse) and seen with ImageMagick. No
# window manager runs there: keys go to the window given the focus, and windows stay
# where they are put. Every wait is bounded, so a fault fails a script instead of
# hanging it.
set -uo pipefail

SOURCES=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORLEVAN=${ORLEVAN:-${1:-}}  # the viewer: the end-to-end scripts' argument
EXPORTE=${EXPORTE:-${ORLEVAN_BUILD_DIR:-}/orlevan-export}
travail=$(mktemp -d /tmp/orlevan-e2e-XXXXXX)
cd "$travail" || exit 1
echecs=0    # failures so far
pid=        # the viewer started by ouvre, while it runs
fenetre=    # its window
statut=     # the exit status of the last program run

nettoie() {
    local s=$?
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    cd / && rm -rf "$travail"
    [ "$echecs" = 0 ] || s=1
    exit "$s"
}
trap nettoie EXIT

# echec MESSAGE: a failure; the script goes on. echoue MESSAGE: a failure that ends it,
# with what the viewer printed.
echec() { echo "FAIL: $*" >&2; echecs=$((echecs + 1)); }
echoue() {
    echec "$@"
    for f in sortie erreurs; do
        [ -s "$travail/$f" ] && { echo "-- $(flux $f):" >&2; head -c 2000 "$travail/$f" >&2; }
    done
    exit 1
}
# fin: the last line of a script.
fin() {
    [ "$echecs" = 0 ] || { echo "$echecs failure(s)" >&2; exit 1; }
    echo "$(basename "$0" .sh): all checks passed"
}

# execute STATUS COMMAND...: runs COMMAND (60 s at most), its standard output in
# $travail/sortie and its standard error in $travail/erreurs; a failure unless it ends
# with STATUS ("!0": any but 0).
execute() {
    local attendu=$1 quoi
    shift
    quoi="$*"
    timeout 60 "$@" >"$travail/sortie" 2>"$travail/erreurs"
    statut=$?
    case $attendu in
        !0) [ "$statut" != 0 ] || echec "${quoi:0:100}: exit status 0" ;;
        *) [ "$statut" = "$attendu" ] ||
            echec "${quoi:0:100}: exit status $statut, not $attendu: $(head -c 300 "$travail/erreurs")" ;;
    esac
}
flux() { if [ "$1" = sortie ]; then echo "standard output"; else echo "standard error"; fi; }
# vide sortie|erreurs CONTEXT: that output of the last program is empty.
vide() { [ ! -s "$travail/$1" ] || echec "$2: $(flux "$1") is not empty: $(head -c 300 "$travail/$1")"; }
# une_ligne CONTEXT TEXT...: standard error is one line that holds every TEXT.
une_ligne() {
    local quoi=$1 t
    shift
    [ "$(wc -l <"$travail/erreurs")" = 1 ] ||
        { echec "$quoi: not one line on standard error: $(head -c 300 "$travail/erreurs")"; return; }
    for t in "$@"; do
        grep -qF -- "$t" "$travail/erreurs" || echec "$quoi: standard error lacks '$t': $(cat "$travail/erreurs")"
    done
}

# ouvre [OPTION...] SCENE: starts the viewer with those arguments in the background
# (outputs as execute's), waits 20 s for its window, titled "Orlevan - SCENE", moves
# it to (400, 500) and gives it the focus. Sets $pid and $fenetre.
ouvre() {
    local id scene=${!#}
    "$ORLEVAN" "$@" >"$travail/sortie" 2>"$travail/erreurs" &
    pid=$!
    fenetre=
    for _ in $(seq 200); do
        for id in $(xdotool search --name '^Orlevan - ' 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Orlevan - $scene" ] && fenetre=$id
        done
        [ -n "$fenetre" ] && break
        kill -0 "$pid" 2>/dev/null || echoue "the viewer ended before its window opened on $scene"
        sleep 0.1
    done
    [ -n "$fenetre" ] || echoue "no window titled 'Orlevan - $scene'"
    xdotool windowmove "$fenetre" 400 500
    for _ in $(seq 50); do
        xdotool getwindowgeometry "$fenetre" 2>/dev/null | grep -q 'Position: 400,500 ' && break
        sleep 0.1
    done
    focus
}
focus() { timeout 5 xdotool windowfocus --sync "$fenetre" || echoue "cannot focus the window"; }

# termine SECONDS: waits that long for the viewer to end; sets $statut.
termine() {
    timeout "$1" tail --pid="$pid" -f /dev/null || echoue "the viewer is still running after $1 s"
    wait "$pid"
    statut=$?
    pid=
}
# fenetreFermee: waits until the window is gone, since X reuses window ids.
fenetreFermee() {
    for _ in $(seq 50); do
        xdotool getwindowname "$fenetre" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echoue "window $fenetre is still there"
}
# quitte: ends the viewer with Escape: status 0, and the window gone.
quitte() {
    focus
    timeout 5 xdotool key Escape 2>/dev/null  # the window may be gone before the key is up
    termine 20
    [ "$statut" = 0 ] || echoue "Escape: exit status $statut, not 0"
    fenetreFermee
}

# Pictures go by name into the work folder: "depart" is $travail/depart.png.
image() { echo "$travail/$1.png"; }
# capture NAME: one screenshot of the window (import waits for a click forever when
# the id is wrong, hence the timeout).
capture() { timeout 10 import -silent -window "$fenetre" "$(image "$1")" || echoue "no screenshot"; }
# menusOuverts: the ids of the visible pop-up menus; menuOuvert: true while there is one.
menusOuverts() { xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null; }
menuOuvert() { [ -n "$(menusOuverts)" ]; }
# Processor time of the viewer so far, in clock ticks (user plus system, all threads).
temps_cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

# stable NAME: a screenshot once the viewer has done with the last input: no menu
# open, two captures in a row alike and no processor time used between them (an idle
# viewer uses none), so that a slow frame is not taken for the last one. For a first
# picture; after an event, attendImage says what to wait for.
stable() {
    local cpu
    for _ in $(seq 100); do menuOuvert || break; sleep 0.1; done
    cpu=$(temps_cpu)
    capture stable-avant
    for _ in $(seq 50); do
        sleep 0.1
        capture "$1"
        if memes "$1" stable-avant && [ "$(temps_cpu)" = "$cpu" ]; then return 0; fi
        cp "$(image "$1")" "$(image stable-avant)"
        cpu=$(temps_cpu)
    done
    echoue "the window's picture does not settle"
}
# attendImage NAME TEST ARGS...: screenshots into NAME until "TEST NAME ARGS..." holds;
# false after 15 s. Waiting for the expected picture, rather than for a quiet one,
# keeps a slow viewer on a busy machine from failing the check.
attendImage() {
    local nom=$1 test=$2
    shift 2
    for _ in $(seq 150); do
        if ! menuOuvert; then
            capture "$nom"
            "$test" "$nom" "$@" && return 0
        fi
        sleep 0.1
    done
    return 1
}
# premiere NAME [MESSAGE]: the first settled picture of a scene that draws something
# (the window maps black before its first frame).
premiere() {
    attendImage "$1" dessinee || echoue "${2:-nothing drawn}"
    stable "$1"
}

# ecart A B: the number of pixels that differ between two pictures.
ecart() { compare -metric AE "$(image "$1")" "$(image "$2")" null: 2>&1 || true; }
memes() { [ "$(ecart "$1" "$2")" = 0 ]; }
autre() { ! memes "$1" "$2"; }
# pareil A B N MESSAGE: at most N pixels differ; differe A B N MESSAGE: more than N.
pareil() {
    local n
    n=$(ecart "$1" "$2")
    [ "$n" -le "$3" ] 2>/dev/null || echec "$4 ($n pixels differ between $1 and $2)"
}
differe() {
    local n
    n=$(ecart "$1" "$2")
    [ "$n" -gt "$3" ] 2>/dev/null || echec "$4 ($n pixels differ between $1 and $2)"
}
# non_noirs NAME: pixels that are not the black background.
non_noirs() {
    convert "$(image "$1")" -fill white +opaque black -format '%[fx:int(mean*w*h)]' info:
}
noire() { [ "$(non_noirs "$1")" = 0 ]; }
dessinee() { [ "$(non_noirs "$1")" -gt 1000 ]; }

# glisse MODS X Y DX DY N: a drag with the left button from (X, Y) by N steps of (DX,
# DY) pixels, with the given modifier keys (xdotool names, "shift" or "ctrl alt"...)
# held throughout, one motion event per step.
glisse() {
    local mods=$1 x=$2 y=$3 dx=$4 dy=$5 n=$6 i m
    local etapes=(mousemove --window "$fenetre" "$x" "$y")
    for m in $mods; do etapes+=(keydown "$m"); done
    etapes+=(mousedown 1)
    for i in $(seq "$n"); do
        etapes+=(mousemove --window "$fenetre" $((x + i * dx)) $((y + i * dy)))
    done
    etapes+=(mouseup 1)
    for m in $mods; do etapes+=(keyup "$m"); done
    timeout 10 xdotool "${etapes[@]}" || echoue "xdotool ${etapes[*]:0:3}"
}
