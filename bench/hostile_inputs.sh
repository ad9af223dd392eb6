#!/usr/bin/env bash
# Hostile and unlucky input, timed: each case runs htmlview or a portable copy of tavra
# under a time limit and prints its wall time and peak memory. Nothing here is a test;
# the tests hold the same faults with small inputs.
#
#   bench/hostile_inputs.sh BUILD_DIR [CASE...]
set -uo pipefail
build=$(cd "$1" && pwd)
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen
data=$(cd "$(dirname "$0")/../data" && pwd)
limit=60

measure() {  # measure NAME COMMAND...: wall seconds, peak kB and exit status
  local name=$1
  shift
  /usr/bin/time -f "%e %M" -o "$tmp/time" timeout "$limit" "$@" >/dev/null 2>&1
  local rc=$?
  read -r seconds kb < <(tail -n 1 "$tmp/time") || { seconds=?; kb=0; }
  [ "$rc" = 124 ] && seconds=">$limit"
  printf '%-44s %8s s %8s MB  exit %s\n' "$name" "$seconds" "$((${kb%%[^0-9]*} / 1024))" "$rc"
}

py() { python3 -c "$1"; }

htmlview_cases() {
  cd "$tmp"
  py "open('gif8000.gif','wb').write(b'GIF89a'+(8000).to_bytes(2,'little')*2+b'\x80\0\0'+b'\0\0\0\xff\xff\xff'+b',\0\0\0\0\x01\0\x01\0\0\x02\x02D\x01\0;')"
  measure "35-byte GIF declaring 8000x8000" "$build/src/htmlview" gif8000.gif --time
  printf '<img src="/dev/stdin"><img src="/proc/self/fd/0">' >stdin.htm
  measure "IMG SRC=/dev/stdin, stdin a pipe" "$build/src/htmlview" stdin.htm --time < <(sleep 100)
  measure "document /dev/zero" "$build/src/htmlview" /dev/zero --time
  py "open('br8.htm','w').write('<BR>'*(2<<20))"
  measure "8 MB of <BR>" "$build/src/htmlview" br8.htm --time
  py "open('br32.htm','w').write('<BR>'*(8<<20))"
  measure "32 MB of <BR>" "$build/src/htmlview" br32.htm --time
  for n in 1000 4000 8000 20000; do
    py "open('ta$n.htm','w').write('<form>'+'<textarea>x</textarea>\n'*$n+'</form>')"
    measure "$n TEXTAREAs" "$build/src/htmlview" "ta$n.htm" --time
  done
  py "open('faces.htm','w').write(''.join('<font face=\"F%d\">x</font>' % i for i in range(8000))+'<a href=x>a</a>'*100000)"
  measure "8000 faces, then 100k <A>" "$build/src/htmlview" faces.htm --time
  py "open('faces200k.htm','w').write(''.join('<font face=\"F%d\">x</font>' % i for i in range(200000)))"
  measure "200k distinct faces" "$build/src/htmlview" faces200k.htm --time
}

# A portable installation with one file replaced by what `make_<kind>` writes; the
# start-up takes the screenshot of the main window, or of a companion window.
startup() {  # startup NAME FILE KIND [WINDOW]
  local name=$1 file=$2 kind=$3 window=${4:-}
  rm -rf "$tmp/inst" && mkdir "$tmp/inst" && cp "$data"/* "$tmp/inst/" && cp "$build/src/tavra" "$tmp/inst/"
  (cd "$tmp/inst" && rm -f "$file" && "make_$kind" "$file")
  local args=(--screenshot "$tmp/shot.png" --date 1999-01-05)
  [ -n "$window" ] && args+=(--window "$window")
  measure "start-up, $name" bash -c "cd '$tmp/inst' && ./tavra ${args[*]} </dev/null"
}

make_none() { :; }
make_fifo() { mkfifo "$1"; }
make_zero() { ln -s /dev/zero "$1"; }
make_paragraphs() { py "open('$1','w').write('<p>x'*(8<<20))"; }
make_gifs() {
  py "open('big.gif','wb').write(b'GIF89a'+(8000).to_bytes(2,'little')*2+b'\x80\0\0'+b'\0\0\0\xff\xff\xff'+b',\0\0\0\0\x01\0\x01\0\0\x02\x02D\x01\0;')"
  printf '<img src=big.gif>%.0s' 1 2 3 4 5 6 >"$1"
}
make_lineends100() { head -c 100000000 /dev/zero | tr '\0' '\n' >"$1"; }
make_lineends15() { head -c 15000000 /dev/zero | tr '\0' '\n' >"$1"; }
make_inputs() { py "open('$1','w').write('<form>'+'<input>'*20000)"; }
make_pars() { py "open('$1','w').write('\r\n'*4+'\\\\par '*400000+'\r\n'*368)"; }  # 5 January
make_width() { printf '[Pozice]\r\nOdleva=0\r\nOdshora=0\r\nVyska=-2147483647\r\nSirka=-2147483648\r\n' >"$1"; }

startup_cases() {
  startup "normal" none none
  for f in Tavra.ini Cteni.js TAVRA99.RTF Autor.jpg Info.prg; do
    startup "$f a FIFO" "$f" fifo
    startup "$f is /dev/zero" "$f" zero
  done
  startup "Autor.jpg /dev/zero, author window" Autor.jpg zero author
  startup "Info.prg of 32 MB, info window" Info.prg paragraphs info
  startup "Info.prg with six 8000x8000 GIFs" Info.prg gifs
  startup "TAVRA99.RTF of 100 MB of line ends" TAVRA99.RTF lineends100
  startup "Tavra.ini of 15 MB of line ends" Tavra.ini lineends15
  startup "Info.prg with 20k INPUTs" Info.prg inputs
  startup "a day line of 400k \\par" TAVRA99.RTF pars
  startup "Tavra.ini with a width of -2147483648" Tavra.ini width
}

cases=${*:-"htmlview startup"}
for c in $cases; do "${c}_cases"; done
