#!/usr/bin/env bash
# The installed layout end to end: install into a temporary DESTDIR under a prefix with a
# blank in it, make the tree read-only and run the installed program as two users. Each
# gets a folder of their own with links to the shared files, the day document is written
# there, a file of the user's own is kept, and nothing is written into the installed tree
# (compared entry by entry, since root ignores the read-only bits). The command lines of
# the installed programs are checked here too, and that they all tell the project's version.
#
#   installed_tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# No run below reads or writes the real home; each user's run names its own.
export HOME="$tmp/home/tester" XDG_CONFIG_HOME="$tmp/home/tester/config" XDG_DATA_HOME="$tmp/home/tester/data"
export XDG_CACHE_HOME="$tmp/home/tester/cache" SWORD_PATH="$tmp/home/tester/library"

DESTDIR="$tmp/root" cmake --install "$build" --prefix "/opt/tavra test" >/dev/null
prefix="$tmp/root/opt/tavra test"
tavra="$prefix/bin/tavra"
[ -L "$tavra" ] || fail "bin/tavra is not a link"
[ -x "$prefix/lib/tavra/tavra" ] && [ -x "$prefix/lib/tavra/Bible.exe" ] || fail "program folder incomplete"
source_data=$(cd "$(dirname "$0")/../../data" && pwd)
for f in "$source_data"/*; do
  [ -f "$prefix/share/tavra/$(basename "$f")" ] || fail "data file $(basename "$f") not installed"
done
icon=$(sed -n 's/^Icon=//p' "$prefix"/share/applications/*.desktop)
for size in 16 32 48 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no $size px icon $icon"
done
for page in tavra htmlview tavra-texts; do
  [ -f "$prefix/share/man/man1/$page.1.gz" ] || fail "man page $page missing"
done

chmod -R a-w "$prefix"
snapshot() { (cd "$1" && find . -printf '%p %y %m %s %T@ %l\n' | sort); }
installed=$(snapshot "$prefix")

run() {  # run HOME ARGS...: the installed program as the user whose home is HOME, started
  local home=$1   # in a folder of the test, where nothing may appear
  shift
  (cd "$tmp/start" && HOME="$home" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen "$tavra" "$@")
}
mkdir "$tmp/start"

# First user: the folder is made and filled with links; the day document is written there.
jana="$tmp/home/jana"
mkdir -p "$jana"
run "$jana" --screenshot jana.png --date 1999-01-05 || fail "installed program failed"
folder="$jana/data/tavra"
[ -d "$folder" ] || fail "no user folder"
for name in Cteni.js TAVRA99.RTF Info.prg OProgramu.prg Bible.exe; do
  [ -L "$folder/$name" ] || fail "$name not linked"
  case "$(readlink "$folder/$name")" in "$prefix"/*) ;; *) fail "$name links elsewhere" ;; esac
done
[ -f "$folder/TAVRA.TMP" ] && [ ! -L "$folder/TAVRA.TMP" ] || fail "TAVRA.TMP not written in the user folder"
grep -q '^{\\rtf' "$folder/TAVRA.TMP" || fail "TAVRA.TMP is not a day document"
[ -s "$tmp/start/jana.png" ] || fail "no screenshot where the program was started"
[ "$(snapshot "$prefix")" = "$installed" ] || fail "the installed tree changed"
[ "$(ls -A "$tmp/start")" = jana.png ] || fail "files written into the folder the program was started in"

# Second user, with a readings index of their own: it stays, the rest is linked, and the
# first user's folder is not touched.
petr="$tmp/home/petr"
mkdir -p "$petr/data/tavra"
printf '[5.1.1999]\r\nCteni1=Petr 1,1\r\n' > "$petr/data/tavra/Cteni.js"
own=$(cat "$petr/data/tavra/Cteni.js")
jana_files=$(snapshot "$folder")
run "$petr" --screenshot "$tmp/petr.png" --date 1999-01-05 || fail "second user's run failed"
[ ! -L "$petr/data/tavra/Cteni.js" ] && [ "$(cat "$petr/data/tavra/Cteni.js")" = "$own" ] ||
  fail "the user's own Cteni.js was replaced"
[ -L "$petr/data/tavra/TAVRA99.RTF" ] && [ -f "$petr/data/tavra/TAVRA.TMP" ] || fail "second user's folder incomplete"
[ "$(snapshot "$folder")" = "$jana_files" ] || fail "the second user changed the first user's folder"
[ "$(snapshot "$prefix")" = "$installed" ] || fail "the installed tree changed"

# A folder that cannot be made is named in the message and ends the start.
blocked="$tmp/home/blocked"
mkdir -p "$blocked"
: > "$blocked/data"
if run "$blocked" --screenshot "$tmp/blocked.png" 2>"$tmp/blocked.err"; then fail "started without its folder"; fi
grep -q "$blocked/data/tavra" "$tmp/blocked.err" || fail "the message does not name the folder"

# The same files unpacked into one folder make a portable Tavra, which works there.
portable="$tmp/portable dir"
mkdir -p "$portable"
cp -L "$prefix"/lib/tavra/* "$prefix"/share/tavra/* "$portable/"
(cd "$portable" && HOME="$tmp/home/nobody" QT_QPA_PLATFORM=offscreen ./tavra --screenshot "$tmp/portable.png" \
  --date 1999-01-05) || fail "portable run failed"
[ -f "$portable/TAVRA.TMP" ] || fail "portable TAVRA.TMP not beside the program"
[ ! -e "$tmp/home/nobody" ] || fail "a portable run made a user folder"

tells_version() {  # tells_version PROGRAM: its --version is its name and the project's version, then the licence
  local out first
  out=$(QT_QPA_PLATFORM=offscreen "$1" --version) || fail "$(basename "$1") --version failed"
  first=${out%%$'\n'*}
  [[ "$first" == "$(basename "$1") "* && "${first##* }" == "$version" ]] || fail "$(basename "$1") --version: $first, not $version"
  grep -q "GPL-2.0-or-later" <<<"$out" || fail "$(basename "$1") --version names no licence"
}

# Command lines: help and version exit 0, an unknown option gets one line and exit 2.
for program in "$tavra" "$prefix/bin/htmlview" "$prefix/lib/tavra/Bible.exe"; do
  name=$(basename "$program")
  QT_QPA_PLATFORM=offscreen "$program" --help | grep -q -- "--version" || fail "$name --help"
  tells_version "$program"
  status=0
  QT_QPA_PLATFORM=offscreen "$program" --no-such-option >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" -eq 2 ] || fail "$name: unknown option gave status $status"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] && [ ! -s "$tmp/out" ] || fail "$name: not one line of error"
done
tells_version "$prefix/bin/tavra-texts"
echo "installed tree: all checks passed"
