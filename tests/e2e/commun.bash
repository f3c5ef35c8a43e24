# Helpers of the end-to-end scripts (sourced; not a test itself). They drive the real
# viewer in the test command's X server with xdotool and ImageMagick. No window
# manager runs there: keys go to the window given the focus, and windows stay where
# they are put. Every wait is bounded, so a fault fails a script instead of hanging it.
set -uo pipefail

ORLEVAN=${1:?usage: $0 PATH-TO-orlevan}
SOURCES=${ORLEVAN_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
travail=$(mktemp -d /tmp/orlevan-e2e-XXXXXX)
pid=""      # the viewer started by lance
fenetre=""  # its window
statut=""   # its exit status, once ended

nettoie() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$travail"
}
trap nettoie EXIT

echoue() {
    echo "FAIL: $*" >&2
    for f in sortie erreurs; do
        [ -s "$travail/$f" ] && { echo "-- viewer's std$f:" >&2; cat "$travail/$f" >&2; }
    done
    exit 1
}

# lance ARGS...: starts the viewer in the background; its standard output and error go
# to $travail/sortie and $travail/erreurs.
lance() {
    statut=""
    "$ORLEVAN" "$@" >"$travail/sortie" 2>"$travail/erreurs" &
    pid=$!
}

# attendFenetre TITLE: waits up to 10 s for the window whose name is exactly TITLE,
# moves it out of the way of the in-process tests' window (they share the X server)
# and gives it the keyboard focus. Sets $fenetre.
attendFenetre() {
    local titre=$1 id
    fenetre=""
    for _ in $(seq 100); do
        for id in $(xdotool search --name '^Orlevan - ' 2>/dev/null); do
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$titre" ] && fenetre=$id
        done
        [ -n "$fenetre" ] && break
        kill -0 "$pid" 2>/dev/null || echoue "the viewer ended before its window opened"
        sleep 0.1
    done
    [ -n "$fenetre" ] || echoue "no window titled '$titre'"
    xdotool windowmove "$fenetre" 400 500
    for _ in $(seq 50); do
        xdotool getwindowgeometry "$fenetre" 2>/dev/null | grep -q 'Position: 400,500 ' && break
        sleep 0.1
    done
    timeout 5 xdotool windowfocus --sync "$fenetre" || echoue "cannot focus the window"
}

# termine SECONDS: waits that long for the viewer to end; sets $statut.
termine() {
    local i
    for ((i = 0; i < $1 * 10; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && echoue "the viewer is still running after $1 s"
    wait "$pid"
    statut=$?
    pid=""
}

# fenetreFermee: waits until the window is gone, since X reuses window ids.
fenetreFermee() {
    for _ in $(seq 50); do
        xdotool getwindowname "$fenetre" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echoue "window $fenetre is still there"
}

# quitteParEchap: ends the viewer with Escape (stdout is flushed on exit, so what it
# printed can be checked) and expects status 0.
quitteParEchap() {
    timeout 5 xdotool windowfocus --sync "$fenetre" || echoue "cannot focus the window"
    timeout 5 xdotool key Escape
    termine 10
    [ "$statut" = 0 ] || echoue "Escape: exit status $statut, not 0"
    fenetreFermee
}

# menuOuvert: true while a pop-up menu is on the screen.
menuOuvert() { [ -n "$(xdotool search --onlyvisible --name '^freeglut menu$' 2>/dev/null)" ]; }

# capture FILE: one screenshot of the viewer's window (import waits for a click
# forever when the id is wrong, hence the timeout).
capture() { timeout 10 import -window "$fenetre" "$1" || echoue "no screenshot"; }

# image FILE: a screenshot of the settled window: no menu open and two shots in a row
# alike. For a first picture; after an event, attendImage says what to wait for.
image() {
    local i
    for ((i = 0; i < 100; i++)); do
        menuOuvert || break
        sleep 0.1
    done
    capture "$travail/avant.png"
    for ((i = 0; i < 50; i++)); do
        sleep 0.1
        capture "$1"
        memes "$1" "$travail/avant.png" && return 0
        cp "$1" "$travail/avant.png"
    done
    echoue "the window's picture does not settle"
}

# attendImage FILE TEST ARGS...: screenshots into FILE until "TEST FILE ARGS..." holds;
# false after 15 s. Waiting for the expected picture, rather than for a quiet one,
# keeps a slow viewer on a busy machine from failing the check.
attendImage() {
    local fichier=$1 test=$2 i
    shift 2
    for ((i = 0; i < 150; i++)); do
        if ! menuOuvert; then
            capture "$fichier"
            "$test" "$fichier" "$@" && return 0
        fi
        sleep 0.1
    done
    return 1
}

# memes A B: true when the two pictures are identical.
memes() { compare -metric AE "$1" "$2" null: >/dev/null 2>&1; }
differe() { ! memes "$1" "$2"; }

# clarte FILE: mean brightness, from 0 (black) to 1.
clarte() { convert "$1" -colorspace Gray -format '%[fx:mean]' info:; }

# noire FILE: true when every pixel is black.
noire() { [ "$(convert "$1" -format '%[max]' info:)" = 0 ]; }
pasNoire() { ! noire "$1"; }

# plusSombre A B: true when A is clearly darker than B.
plusSombre() { awk -v a="$(clarte "$1")" -v b="$(clarte "$2")" 'BEGIN { exit !(a < 0.9 * b) }'; }

# lignes FILE: number of lines.
lignes() { wc -l <"$1" | tr -d ' '; }
