#!/usr/bin/env bash
# The Debian packages of `make paquet`, as a user of Debian gets them: built from the
# build folder, checked by lintian (when installed) with no error, unpacked into a
# scratch folder where every file sits in its package, the programs answer --version
# and --help with no display, the manual pages format without a warning, the desktop
# entry is valid, bash completes the options, and an outside CMake project finds the
# package Orlevan. Nothing is installed on the machine.
source "$(dirname "$0")/commun.bash"  # racine, build, dossier
# The packages go to the scratch folder: no older .deb of the build folder is taken.
if ! (cd "$build" && cpack -G DEB -B "$dossier/debs") >"$dossier/cpack.log" 2>&1; then
  cat "$dossier/cpack.log"; exit 1
fi
programmes=$(ls "$dossier"/debs/orlevan_*.deb)
dev=$(ls "$dossier"/debs/liborlevan-dev_*.deb)
version=$(dpkg-deb -f "$programmes" Version)
dpkg-deb -f "$programmes" Depends | grep -q 'libglut'  # from dpkg-shlibdeps

if command -v lintian >/dev/null; then
  # Errors fail the step; warnings and notes are shown.
  lintian --fail-on error "$programmes" "$dev" 2> >(grep -v 'root privileges' >&2)
else
  echo "lintian is not installed: not run"
fi

# Every file in its package, and in no other.
r=$dossier/racine
dpkg -x "$programmes" "$r"
for f in bin/orlevan bin/orlevan-export share/man/man1/orlevan.1.gz \
         share/man/man1/orlevan-export.1.gz share/applications/orlevan.desktop \
         share/thumbnailers/orlevan.thumbnailer share/icons/hicolor/scalable/apps/orlevan.svg \
         share/bash-completion/completions/orlevan \
         share/bash-completion/completions/orlevan-export \
         share/doc/orlevan/copyright share/doc/orlevan/changelog.Debian.gz \
         share/doc/orlevan/examples/demo.wrl; do
  [ -f "$r/usr/$f" ] || { echo "orlevan package: no /usr/$f"; exit 1; }
done
[ ! -e "$r/usr/include" ] && [ ! -e "$r/usr/lib" ] || { echo "orlevan package holds development files"; exit 1; }
d=$dossier/racine-dev
dpkg -x "$dev" "$d"
for f in include/orlevan/SolidObjects.h include/orlevan/Utils.h \
         lib/cmake/Orlevan/OrlevanConfig.cmake share/doc/liborlevan-dev/copyright; do
  [ -f "$d/usr/$f" ] || { echo "liborlevan-dev package: no /usr/$f"; exit 1; }
done
[ ! -e "$d/usr/bin" ] || { echo "liborlevan-dev package holds programs"; exit 1; }
cp -a "$d/." "$r/"

# The programs, with no display: the version is the package's.
sortie=$(env -u DISPLAY "$r/usr/bin/orlevan" --version)
[ "$sortie" = "orlevan ${version%-*}" ] || { echo "orlevan --version: '$sortie'"; exit 1; }
env -u DISPLAY "$r/usr/bin/orlevan" --help | grep -q '^usage: orlevan '
[ "$("$r/usr/bin/orlevan-export" --version)" = "orlevan-export ${version%-*}" ]
"$r/usr/bin/orlevan-export" --help | grep -q '^usage: orlevan-export '
"$r/usr/bin/orlevan-export" -o - "$r/usr/share/doc/orlevan/examples/demo.wrl" |
  grep -q '^void scene(void) {$'

# The manual pages: no groff warning, and the sections a reader looks for.
export MANWIDTH=80 MAN_DISABLE_SECCOMP=1 LC_ALL=C.UTF-8
for page in orlevan orlevan-export; do
  man --warnings -E UTF-8 -l "$r/usr/share/man/man1/$page.1.gz" >"$dossier/$page.txt" \
    2>"$dossier/$page.err"
  if [ -s "$dossier/$page.err" ]; then cat "$dossier/$page.err"; exit 1; fi
  for section in NAME SYNOPSIS OPTIONS 'EXIT STATUS'; do
    grep -q "^$section\$" "$dossier/$page.txt" || { echo "$page(1): no $section"; exit 1; }
  done
done
grep -q 'Shift + Return' "$dossier/orlevan.txt"  # the keys of the README

# The desktop entry, and the thumbnailer's program in the same package.
desktop-file-validate "$r/usr/share/applications/orlevan.desktop"
grep -qx 'MimeType=model/vrml;' "$r/usr/share/thumbnailers/orlevan.thumbnailer"
essai=$(sed -n 's/^TryExec=//p' "$r/usr/share/thumbnailers/orlevan.thumbnailer")
[ -x "$r/usr/bin/$essai" ]
# Once orlevan-export makes pictures, the thumbnailer's command makes one that fits.
if "$r/usr/bin/orlevan-export" --help | grep -q -- '--png'; then
  commande=$(sed -n 's/^Exec=//p' "$r/usr/share/thumbnailers/orlevan.thumbnailer")
  commande=${commande//%i/$r/usr/share/doc/orlevan/examples/demo.wrl}
  commande=${commande//%o/$dossier/vignette.png}
  commande=${commande//%s/128}
  (cd "$r/usr/bin" && env -u DISPLAY PATH="$r/usr/bin:$PATH" $commande)
  taille=$(identify -format '%w %h' "$dossier/vignette.png")
  [ "${taille% *}" -le 128 ] && [ "${taille#* }" -le 128 ]
fi

# Bash completion: the options, and .wrl files for the scene.
bash -n "$r/usr/share/bash-completion/completions/orlevan"
propositions() {  # propositions PROGRAM WORD...: what bash offers for the last word
  bash -c 'source /usr/share/bash-completion/bash_completion
           source "$1/usr/share/bash-completion/completions/$2"; shift
           COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
           "_${1//-/_}" "$1" "${!#}" "${@: -2:1}"; printf "%s\n" "${COMPREPLY[@]}"' \
    _ "$r" "$@"
}
[ "$(propositions orlevan-export --v | sort | tr '\n' ' ')" = "--version --vrml1 " ]
[ "$(propositions orlevan --h)" = "--help" ]
mkdir "$dossier/scenes" && touch "$dossier/scenes/a.wrl" "$dossier/scenes/b.txt"
[ "$(cd "$dossier/scenes" && propositions orlevan '')" = "a.wrl" ]

# An outside project finds the package under the unpacked /usr.
mkdir "$dossier/projet"
printf 'cmake_minimum_required(VERSION 3.18)\nproject(Maison CXX)\nfind_package(Orlevan %s REQUIRED)\norlevan_add_scene(maison maison.wrl)\n' \
  "${version%-*}" >"$dossier/projet/CMakeLists.txt"
cp "$r/usr/share/doc/orlevan/examples/demo.wrl" "$dossier/projet/maison.wrl"
cmake -S "$dossier/projet" -B "$dossier/projet/build" -DCMAKE_PREFIX_PATH="$r/usr" >/dev/null
echo "packages $(basename "$programmes") and $(basename "$dev"): checked"
