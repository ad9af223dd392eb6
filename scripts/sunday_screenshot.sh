#!/usr/bin/env bash
# Renders docs/sunday.png: the main window on Sunday 3 January 2027 of a Czech yearly-texts
# file (root LOSFILE) imported the way a reader imports one. The file is made here; its
# texts are the Bible kralická's or made up for the picture.
# Usage: scripts/sunday_screenshot.sh [build folder]
set -euo pipefail
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -f "$build/src/tavra" "$build/src/tavra-texts" "$folder/"
cp -f "$root"/data/Cteni.js "$root"/data/Info.prg "$root"/data/OProgramu.prg "$folder/"
cat > "$folder/hesla2027.xml" <<'EOF'
<?xml version='1.0' encoding='UTF-8' standalone='no' ?>
<!DOCTYPE LOSFILE SYSTEM 'hes27.dtd' [ ]>
<LOSFILE dtdmainvers='1' dtdsubvers='3' xml:lang='cs' year='2027'>
<DAY d="3" m="1" type="week" name="Alianční týden modliteb  "></DAY>
<DAY d="3" m="1" type="sunday" name="2. neděle po Vánocích  " ord="1"><S b="John" ch="1" v="14"/>
 <L>A to Slovo tělo učiněno jest, a přebývalo mezi námi.</L><SL>Jan 1,14 K</SL></DAY>
<LOSUNG d="3" m="1">
 <TL>Neděle 3. ledna 2027</TL>
 <OT><S b="Isa" ch="41" v="10"/><IL>Hospodin praví:</IL><L>Nebojž se, nebo já s tebou jsem;</L>
  <L>nestrachujž se, nebo <EM>já jsem Bůh tvůj</EM>.</L><SL>Izaiáš 41,10 K</SL></OT>
 <NT><S b="Matt" ch="5" v="8"/><IL>Ježíš řekl:</IL><L>Blahoslavení čistého srdce,</L>
  <L>nebo oni Boha viděti budou.</L><SL>Matouš 5,8 K</SL></NT>
 <TT><L>Ty světlo světa, Pane náš,</L><L>jenž temnotu nám rozháníš,</L><L>-</L>
  <L>veď nás i v novém roce dál,</L><L>kudy jsi sám nás volat ráčil.</L><SL>Píseň k novému roku 1.2</SL></TT>
 <SR><SL>Lukáš 2,41-52 :: Jakubova 1,1-8</SL></SR><CR><SL>Žalm 100</SL></CR>
 <Ev><SL>Lukáš 2,41-52</SL></Ev><Ep><SL>Římanům 12,1-3</SL></Ep><Pr><SL>Jan 1,14-18</SL></Pr>
 <AT><SL>Izaiáš 61,1-3</SL></AT><Bl><SL>Žalm 8</SL></Bl>
 <C><L>Ukázková vzpomínka dne</L></C>
</LOSUNG>
</LOSFILE>
EOF
# The default width of the window; tall enough for the whole Sunday.
printf '[Pozice]\r\nOdleva=0\r\nOdshora=0\r\nVyska=520\r\nSirka=556\r\n' > "$folder/Tavra.ini"
cd "$folder"
./tavra-texts import hesla2027.xml >/dev/null 2>&1
QT_QPA_PLATFORM=offscreen ./tavra --screenshot "$root/docs/sunday.png" --date 2027-01-03
echo "written: $root/docs/sunday.png"
