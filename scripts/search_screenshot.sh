#!/usr/bin/env bash
# Renders docs/bible-search.png: the Bible viewer's page of results for "laska buh", typed
# without diacritics, in a small Czech Bible made here with imp2vs from verses of the Bible
# kralická (public domain). Nothing of the user's home is read or written.
# Usage: scripts/search_screenshot.sh [build folder]
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/library/mods.d" "$folder/library/modules/texts/rawtext/kral" "$folder/home"
cat > "$folder/kral.imp" <<'EOF'
$$$Gen.1.1
Na počátku stvořil Bůh nebe i zemi.
$$$John.3.16
Nebo tak Bůh miloval svět, že Syna svého jednorozeného dal, aby každý, kdož věří v něho, nezahynul, ale měl život věčný.
$$$John.15.13
Větší lásky nad tu žádný nemá, aby kdo duši svou položil za přátely své.
$$$1Cor.13.13
Nyní pak zůstává víra, naděje, láska, to tré, ale největší z nich jest láska.
$$$1John.4.8
Kdož nemiluje, nepoznal Boha; nebo Bůh láska jest.
$$$1John.4.16
A my jsme poznali a uvěřili lásce, kterouž má Bůh k nám. Bůh láska jest, a kdož přebývá v lásce, v Bohu přebývá, a Bůh v něm.
EOF
imp2vs "$folder/kral.imp" -o "$folder/library/modules/texts/rawtext/kral/" >/dev/null 2>&1
printf '[Kralicka]\nDataPath=./modules/texts/rawtext/kral/\nModDrv=RawText\nSourceType=Plain\nEncoding=UTF-8\nLang=cs\nAbbreviation=BKR\nDescription=Bible kralická (ukázka)\n' \
  > "$folder/library/mods.d/kral.conf"
HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/config" XDG_CACHE_HOME="$folder/home/cache" \
  SWORD_PATH="$folder/library" "$build/src/Bible.exe" --screenshot "$root/docs/bible-search.png" --search "laska buh"
echo "wrote $root/docs/bible-search.png"
