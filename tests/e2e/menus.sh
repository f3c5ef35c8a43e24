#!/usr/bin/env bash
# The pop-up menu of the real viewer, driven as a user does: each entry once, each
# toggle twice, "Quitter" last. Effects are judged in the viewer's window (a menu's
# own first drawing can be black); the labels through the submenus' widths, which
# follow their one entry's label.
source "$(dirname "$0")/harnais.bash"

HAUTEUR_ENTREE=25  # freeglut's entries with its default font
BORD=2

# geometrie ID: sets x, y, l (width), h (height) of a window.
geometrie() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^X=/x=/p; s/^Y=/y=/p;
        s/^WIDTH=/l=/p; s/^HEIGHT=/h=/p')"
}

# attendMenus N: waits for N visible menus; sets $menus (their ids).
attendMenus() {
    local i
    for ((i = 0; i < 50; i++)); do
        menus=$(menusOuverts)
        [ "$(echo "$menus" | grep -c .)" = "$1" ] && return 0
        sleep 0.1
    done
    echoue "expected $1 open menu(s), found: $(menusOuverts | tr '\n' ' ')"
}

# ouvreMenu: a right click (press and release) near the window's lower right corner,
# so that the menus open beside the picture; sets px, py, pl, ph of the main menu.
ouvreMenu() {
    timeout 5 xdotool mousemove --sync 745 795 click 3 || echoue "xdotool"
    attendMenus 1
    geometrie "$menus"
    px=$x py=$y pl=$l ph=$h
}

# survole N: puts the pointer on entry N (from 0) of the main menu.
survole() {
    timeout 5 xdotool mousemove --sync $((px + pl / 2)) \
        $((py + BORD + HAUTEUR_ENTREE * $1 + HAUTEUR_ENTREE / 2)) || echoue "xdotool"
}

# choisit N: right-clicks entry N of the main menu (a release after a drag does not
# select reliably in freeglut).
choisit() {
    survole "$1"
    timeout 5 xdotool click 3 || echoue "xdotool"
}

# sousMenu N: opens the submenu of main entry N; sets sx, sy, sl of it.
sousMenu() {
    local m
    survole "$1"
    attendMenus 2
    for m in $menus; do
        geometrie "$m"
        [ "$x" = "$px" ] && [ "$y" = "$py" ] && continue
        sx=$x sy=$y sl=$l
    done
}

# choisitSousMenu N: opens the submenu of main entry N and right-clicks its one entry;
# sets largeur, the submenu's width before the choice.
choisitSousMenu() {
    ouvreMenu
    sousMenu "$1"
    largeur=$sl
    timeout 5 xdotool mousemove --sync $((sx + sl / 2)) $((sy + BORD + HAUTEUR_ENTREE / 2)) \
        click 3 || echoue "xdotool"
}

# largeurSousMenu N: the width of the submenu of main entry N, which is then closed by
# a left click on the picture beside the menus (GLUT sees no click outside its windows).
largeurSousMenu() {
    ouvreMenu
    sousMenu "$1"
    largeur=$sl
    timeout 5 xdotool mousemove --sync 420 520 click 1 || echoue "xdotool"
    attendMenus 0
}

# clarte NAME: mean brightness, from 0 (black) to 1.
clarte() { convert "$(image "$1")" -colorspace Gray -format '%[fx:mean]' info:; }
# plusSombre A B: true when A is clearly darker than B.
plusSombre() { awk -v a="$(clarte "$1")" -v b="$(clarte "$2")" 'BEGIN { exit !(a < 0.9 * b) }'; }

cp "$SOURCES/examples/demo.wrl" demo.wrl
ouvre "$travail/demo.wrl"
premiere plein

# Four entries: Enregistrer, Visualisation, Lampe frontale, Quitter.
ouvreMenu
[ $(((ph - 2 * BORD) / HAUTEUR_ENTREE)) = 4 ] || echoue "the main menu is $ph pixels high"
timeout 5 xdotool mousemove --sync 420 520 click 1
attendMenus 0

# Visualisation: "Fil de fer" gives wireframe, its entry then reads "Visualisation en
# surfacique"; choosing that fills again and the entry reads "Visualisation en fil de
# fer" (long, but not as long as "... surfacique"), never the short first label again.
choisitSousMenu 1
court=$largeur
attendImage fil autre plein || echoue "wireframe did not change the picture"
stable fil
plusSombre fil plein || echoue "wireframe is not sparser"
choisitSousMenu 1
surfacique=$largeur
attendImage plein2 memes plein ||
    echoue "filled twice is not the first picture"
largeurSousMenu 1
filDeFer=$largeur
[ "$surfacique" -gt $((court + 60)) ] && [ "$filDeFer" -gt $((court + 60)) ] &&
    [ "$filDeFer" -lt "$surfacique" ] ||
    echoue "Visualisation labels: widths $court, $surfacique, $filDeFer"

# Lampe frontale: "Off" darkens the picture and the entry reads "On"; "On" brings the
# first picture back and the entry reads "Off" again.
choisitSousMenu 2
off=$largeur
attendImage sombre autre plein || echoue "the lamp off did not change the picture"
stable sombre
plusSombre sombre plein || echoue "the lamp off is not darker"
choisitSousMenu 2
on=$largeur
attendImage clair memes plein ||
    echoue "the lamp on again is not the first picture"
largeurSousMenu 2
[ "$on" != "$off" ] && [ "$largeur" = "$off" ] ||
    echoue "Lampe frontale labels: widths $off, $on, $largeur"

echo "submenu widths: Visualisation $court, $surfacique, $filDeFer; Lampe frontale $off, $on, $largeur"

# Enregistrer: demo.cpp beside demo.wrl; the viewer goes on, the picture unchanged.
ouvreMenu
choisit 0
for _ in $(seq 50); do [ -s demo.cpp ] && break; sleep 0.1; done
grep -q '^void scene(void) {$' demo.cpp || echoue "Enregistrer wrote no demo.cpp"
grep -q 'solidCube' demo.cpp || echoue "demo.cpp does not draw the cube"
stable apres
pareil apres plein 0 "Enregistrer changed the picture"

# Quitter: status 0, the window gone, nothing printed on the way.
ouvreMenu
choisit 3
termine 10
[ "$statut" = 0 ] || echoue "Quitter: exit status $statut, not 0"
fenetreFermee
vide sortie "the menus"
vide erreurs "the menus"
fin
