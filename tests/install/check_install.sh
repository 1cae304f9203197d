#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop and a
# packager see there: the file list, the desktop files (with the validators
# when they are installed), the man pages, shell completion, and the
# installed player playing its demo game without a window.
#
#   check_install.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A run of an installed program that outlives this is killed (and fails its
# check) rather than hang the test.
budget() { timeout --kill-after=5 120 "$@"; }

# Nothing the checks run may touch the real home.
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }

# ---- The file list
app_id=$(sed -n 's/^AOAT_APP_ID:STRING=//p' "$build/CMakeCache.txt")
expected=(
  usr/bin/aoat-player
  usr/bin/aoat
  usr/share/applications/aoat-player.desktop
  "usr/share/metainfo/$app_id.metainfo.xml"
  usr/share/mime/packages/aoat-player.xml
  usr/share/man/man6/aoat-player.6.gz
  usr/share/man/man1/aoat.1.gz
  usr/share/bash-completion/completions/aoat-player
  usr/share/bash-completion/completions/aoat
  usr/share/aoat-player/demo/data.aoat
  usr/share/doc/aoat-player/README.md
  usr/share/doc/aoat-player/docs/cli.md
)
for size in 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/aoat-player.png")
done
for file in "${expected[@]}"; do
  [ -f "$root/$file" ] || fail "not installed: $file"
done
# The installed README's links to the documents and the picture resolve.
doc="$root/usr/share/doc/aoat-player"
while IFS= read -r link; do
  [ -f "$doc/${link%%#*}" ] || fail "the installed README links a missing file: $link"
done < <(grep -o '](docs/[^)]*)' "$doc/README.md" | sed 's/^](//; s/)$//')
for program in aoat-player aoat; do
  [ -x "$root/usr/bin/$program" ] || fail "not executable: usr/bin/$program"
done
# Every file lies in a folder a package may own, and nothing else came along.
while IFS= read -r file; do
  case $file in
    usr/bin/* | usr/share/applications/* | usr/share/icons/hicolor/* | usr/share/metainfo/* | \
      usr/share/mime/packages/* | usr/share/man/* | usr/share/bash-completion/completions/* | \
      usr/share/aoat-player/demo/* | usr/share/doc/aoat-player/*) ;;
    *) fail "installed in an unexpected place: $file" ;;
  esac
  case $file in
    */s.dat | */DEBUG.TXT | */*.scd | */*.script | */screenshot-*) fail "not a file to install: $file" ;;
  esac
done < <(cd "$root" && find . -type f | sed 's|^\./||')
# The demo is the built game, file for file.
diff <(cd "$build/demo-game" && find . -type f \( -name data.aoat -o -name '*.bmp' -o \
         -name '*.wav' -o -name '*.mid' \) | sort) \
     <(cd "$root/usr/share/aoat-player/demo" && find . -type f | sort) ||
  fail "the installed demo differs from the built one"
# Icons are square PNGs with transparency at their folder's size.
for size in 48 64 128 256; do
  info=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/aoat-player.png")
  [[ $info == "PNG image data, $size x $size, 8-bit/color RGBA"* ]] ||
    fail "icon ${size}x${size}: $info"
done

# ---- Desktop files
if command -v desktop-file-validate >/dev/null; then
  # Hints count too: the validator passes an entry that menus file badly.
  report=$(desktop-file-validate "$root/usr/share/applications/aoat-player.desktop" 2>&1) ||
    fail "desktop-file-validate"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
else
  echo "skipped: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli validate"
else
  echo "skipped: appstreamcli is not installed"
fi
for line in "Exec=aoat-player %f" "Categories=Game;AdventureGame;" "Icon=aoat-player" \
  "MimeType=application/x-aoat-project;"; do
  grep -qxF "$line" "$root/usr/share/applications/aoat-player.desktop" ||
    fail "the menu entry lacks $line"
done
if command -v update-mime-database >/dev/null; then
  mime=$XDG_DATA_HOME/mime
  mkdir -p "$mime/packages"
  cp "$root/usr/share/mime/packages/aoat-player.xml" "$mime/packages/"
  update-mime-database "$mime" 2>"$work/mime.err" || fail "update-mime-database"
  [ ! -s "$work/mime.err" ] || fail "update-mime-database: $(cat "$work/mime.err")"
  grep -q ":application/x-aoat-project:data.aoat" "$mime/globs2" ||
    fail "the file type does not claim data.aoat"
fi

# ---- Man pages: rendered without a warning, every option of --help named
export MANWIDTH=80 LC_ALL=C.UTF-8
for page in man6/aoat-player.6.gz man1/aoat.1.gz; do
  man --warnings -l "$root/usr/share/man/$page" >"$work/page.txt" 2>"$work/page.err" ||
    fail "man -l $page"
  [ ! -s "$work/page.err" ] || fail "man -l $page: $(cat "$work/page.err")"
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
    grep -q "^$section" "$work/page.txt" || fail "$page has no $section section"
  done
  program=${page#*/}
  program=${program%.*.gz}
  # Every option the program's own help names (the tool's: of each command).
  helps=$(budget "$root/usr/bin/$program" --help)
  if [ "$program" = aoat ]; then
    for command in build dump lint graph; do helps+=$'\n'$(budget "$root/usr/bin/aoat" help $command); done
  fi
  # Each described where an entry starts: "--name ...", "-h, --name".
  for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$helps" | sort -u); do
    grep -qE -- "^ +(-[a-z], )?$option([ =,]|\$)" "$work/page.txt" ||
      fail "$page does not describe $option"
  done
done

# ---- Shell completion
if [ -f /usr/share/bash-completion/bash_completion ]; then
  complete_words() {  # PROGRAM WORD...: the completions of the last word
    bash -c 'source /usr/share/bash-completion/bash_completion
             source "$1"; shift
             COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
             "$(complete -p "$1" | sed "s/.*-F \([^ ]*\).*/\1/")"
             printf "%s\n" "${COMPREPLY[@]}"' \
      _ "$root/usr/share/bash-completion/completions/$1" "$@"
  }
  complete_words aoat-player --scale-m | grep -qx -- --scale-mode || fail "completion of --scale-m"
  complete_words aoat-player --scale-mode "" | grep -qx stretch || fail "completion of a mode"
  complete_words aoat gr | grep -qx graph || fail "completion of aoat gr"
  complete_words aoat graph --no | grep -qx -- --no-svg || fail "completion of --no-svg"
else
  echo "skipped: bash-completion is not installed"
fi

# ---- The installed player plays its demo when started without a game
budget "$root/usr/bin/aoat-player" --version | grep -q "^aoat-player " || fail "aoat-player --version"
mkdir -p "$work/empty"
printf 'wait 2100\nclick 300 100\nframes 5\nshot shot.png\n' >"$work/empty/script.txt"
status=0
(cd "$work/empty" && budget "$root/usr/bin/aoat-player" --headless --script script.txt \
  --trace trace.jsonl 2>stderr.txt) || status=$?
[ "$status" -eq 0 ] || fail "the installed demo ended with $status: $(cat "$work/empty/stderr.txt")"
grep -q "demo" "$work/empty/stderr.txt" || fail "the player did not say it plays the demo"
# The story starts, with the installed copy's title song.
grep -q '"ev":"page","page":0,"line":0' "$work/empty/trace.jsonl" ||
  fail "the installed demo's story did not start"
grep -qF 'share\\aoat-player\\demo\\midi\\title.mid' "$work/empty/trace.jsonl" ||
  fail "the song did not come from the installed demo"
[ -s "$work/empty/shot.png" ] || fail "no screenshot of the installed demo"

if [ "$failures" -ne 0 ]; then
  echo "$failures checks failed" >&2
  exit 1
fi
echo "install check passed"
