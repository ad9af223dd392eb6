#!/usr/bin/env python3
"""Writes the sample installation's texts: data/TAVRA99.RTF, data/TAVRA2025.RTF to
data/TAVRA2030.RTF and data/Cteni.js.

Each year file holds one line per day slot of its year (12 months x 31 slots = 372
lines): for each real day a centred heading with the Czech weekday and date and two verses
of the Bible kralicka with their references; slots of dates that do not exist are empty
lines. The lines are laid out exactly as tavra-texts writes them, so that a year exported
with it and imported again gives the same bytes. Cteni.js is the readings index: one INI
section per short date ("5.3.1999") with the keys Cteni1, Cteni2, Cteni3 and Perikopa;
some days have fewer keys and some none at all. 1999 keeps its one day a month with an
empty key, which tavra-texts never writes. All files are Windows-1250 with CR LF line
ends. Run from anywhere:

    python3 scripts/make_sample_data.py
"""

import datetime
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
# 1999 is the original year (file TAVRA99.RTF); the others are years around today.
YEARS = [1999, 2025, 2026, 2027, 2028, 2029, 2030]

WEEKDAYS = ["Pondělí", "Úterý", "Středa", "Čtvrtek", "Pátek", "Sobota", "Neděle"]
MONTHS_GENITIVE = ["ledna", "února", "března", "dubna", "května", "června", "července",
                   "srpna", "září", "října", "listopadu", "prosince"]

# Verses of the Bible kralicka, in its orthography, with their references.
VERSES = [
    ("Na počátku stvořil Bůh nebe a zemi.", "Genesis 1,1"),
    ("I řekl Bůh: Buď světlo! I bylo světlo.", "Genesis 1,3"),
    ("Nebudeš míti bohů jiných přede mnou.", "Exodus 20,3"),
    ("Blahoslavený muž, kterýž nechodí po radě bezbožných, a na cestě hříšníků nestojí, "
     "a na stolici posměvačů nesedá.", "Žalm 1,1"),
    ("Hospodin jest můj pastýř, nebudu míti nedostatku.", "Žalm 23,1"),
    ("Bych pak chodil i přes údolí stínu smrti, nebudu se báti zlého, nebo ty se mnou jsi, "
     "prut tvůj a hůl tvá, toť mne potěšuje.", "Žalm 23,4"),
    ("Uval na Hospodina cestu svou, a doufej v něj, a on vykoná to.", "Žalm 37,5"),
    ("Dobrořeč, duše má, Hospodinu, a nezapomínej se na všecka dobrodiní jeho.", "Žalm 103,2"),
    ("Totoť jest ten den, kterýž učinil Hospodin, plésejmež a veselme se v něm.", "Žalm 118,24"),
    ("Svíce nohám mým slovo tvé, a světlo stezce mé.", "Žalm 119,105"),
    ("Pomoc má jest od Hospodina, kterýž učinil nebe i zemi.", "Žalm 121,2"),
    ("Doufej v Hospodina celým srdcem svým, na rozum pak svůj nezpoléhej.", "Přísloví 3,5"),
    ("Všecko má jistý čas, a každá věc, kteréž žádáme pod nebem, svůj čas.", "Kazatel 3,1"),
    ("Nebo dítě narodilo se nám, syn dán jest nám, i bude knížectví na rameni jeho, a nazváno "
     "bude jméno jeho: Předivný, Radda, Bůh silný, Otec věčnosti, Kníže pokoje.", "Izaiáš 9,6"),
    ("Ale ti, kteříž očekávají na Hospodina, nabudou nové síly, vznesou se na křídlách jako "
     "orlice, poběhnou, a neustanou, půjdou, a neumdlejí.", "Izaiáš 40,31"),
    ("Ale on raněn jest pro přestoupení naše, ztřín pro nepravosti naše; trestání pokoje "
     "našeho na něm bylo, a sinalostí jeho zhojeni jsme.", "Izaiáš 53,5"),
    ("Nová jsou každého jitra; velikáť jest věrnost tvá.", "Pláč 3,23"),
    ("Oznámil tobě, ó člověče, co jest dobrého, a čeho Hospodin žádá od tebe, jedině činiti "
     "soud, a milovati milosrdenství, a v pokoře choditi s Bohem svým.", "Micheáš 6,8"),
    ("Blahoslavení chudí duchem, nebo jejich jest království nebeské.", "Matouš 5,3"),
    ("Blahoslavení lkající, nebo oni potěšeni budou.", "Matouš 5,4"),
    ("Blahoslavení tiší, nebo oni dědictvím obdržeti mají zemi.", "Matouš 5,5"),
    ("Blahoslavení milosrdní, nebo oni milosrdenství dojdou.", "Matouš 5,7"),
    ("Blahoslavení čistého srdce, nebo oni Boha viděti budou.", "Matouš 5,8"),
    ("Blahoslavení pokojní, nebo oni synové Boží slouti budou.", "Matouš 5,9"),
    ("Chléb náš vezdejší dej nám dnes.", "Matouš 6,11"),
    ("I odpusť nám viny naše, jakož i my odpouštíme viníkům našim.", "Matouš 6,12"),
    ("Ale hledejte nejprve království Božího a spravedlnosti jeho, a to vše bude vám přidáno.",
     "Matouš 6,33"),
    ("Proste, a dánoť bude vám. Hledejte, a naleznete. Tlucte, a bude vám otevříno.",
     "Matouš 7,7"),
    ("Pojďte ke mně všickni, kteříž pracujete a obtíženi jste, a já vám odpočinutí dám.",
     "Matouš 11,28"),
    ("Druhé pak podobné jest tomu: Milovati budeš bližního svého jako sebe samého.",
     "Matouš 22,39"),
    ("I řekl jim: Jdouce po všem světu, kažte evangelium všemu stvoření.", "Marek 16,15"),
    ("Nebo narodil se vám dnes Spasitel, jenž jest Kristus Pán, v městě Davidově.",
     "Lukáš 2,11"),
    ("Sláva na výsostech Bohu, a na zemi pokoj, lidem dobrá vůle.", "Lukáš 2,14"),
    ("Na počátku bylo Slovo, a to Slovo bylo u Boha, a to Slovo byl Bůh.", "Jan 1,1"),
    ("Nebo tak Bůh miloval svět, že Syna svého jednorozeného dal, aby každý, kdož věří v něho, "
     "nezahynul, ale měl život věčný.", "Jan 3,16"),
    ("Já jsem ten pastýř dobrý. Dobrý pastýř duši svou klade za ovce.", "Jan 10,11"),
    ("Nermutiž se srdce vaše. Věříte v Boha, i ve mne věřte.", "Jan 14,1"),
    ("Dí jemu Ježíš: Já jsem ta cesta, i pravda, i život. Žádný nepřichází k Otci než skrze mne.",
     "Jan 14,6"),
    ("A oni řekli: Věř v Pána Jezukrista, a spasen budeš ty i dům tvůj.", "Skutky 16,31"),
    ("Víme pak, že milujícím Boha všecky věci napomáhají k dobrému, totiž těm, kteříž podle "
     "uložení povoláni jsou.", "Římanům 8,28"),
    ("Nyní pak zůstává víra, naděje, láska, to troje, ale největší z nich jest láska.",
     "1. Korintským 13,13"),
    ("Radujte se v Pánu vždycky, opět pravím: Radujte se.", "Filipenským 4,4"),
    ("Všecko mohu v Kristu, kterýž mne posiluje.", "Filipenským 4,13"),
    ("Vždycky se radujte.", "1. Tesalonicenským 5,16"),
    ("Bez přestání se modlte.", "1. Tesalonicenským 5,17"),
    ("Ze všech věcí díky čiňte, nebo ta jest vůle Boží v Kristu Ježíši při vás.",
     "1. Tesalonicenským 5,18"),
    ("Jestiť pak víra podstata těch věcí, kterýchž se nadějeme, a důvod věcí těch, kterýchž "
     "nevidíme.", "Židům 11,1"),
    ("Ježíš Kristus včera i dnes, tentýž i na věky.", "Židům 13,8"),
    ("Kdož nemiluje, nepoznal Boha; nebo Bůh láska jest.", "1. Janova 4,8"),
]

# Reading references of the index: Old Testament, epistle, gospel and a pericope.
FIRST = ["Gn 1,1-5", "Ex 3,1-15", "Dt 6,4-9", "Iz 40,1-11", "Iz 52,7-10", "Jr 31,31-34",
         "Ez 36,24-28", "Mi 5,1-4", "Ž 23", "Ž 121"]
SECOND = ["Ř 8,28-39", "1K 13,1-13", "Ga 5,22-26", "Ef 2,4-10", "Fp 4,4-7", "Ko 3,12-17",
          "1Te 5,16-24", "Žd 11,1-6", "1J 4,7-12"]
GOSPEL = ["Mt 5,1-12", "Mt 6,25-34", "Mk 1,14-20", "Mk 10,13-16", "L 2,1-14", "L 10,25-37",
          "J 1,1-14", "J 3,16-21", "J 10,11-18", "J 15,1-8", "J 20,24-29"]
PERICOPE = ["Mt 7,24-29", "Mk 4,35-41", "L 15,11-32", "L 24,13-35", "J 2,1-11", "J 11,17-27"]


def heading(date):
    return f"{WEEKDAYS[date.weekday()]} {date.day}. {MONTHS_GENITIVE[date.month - 1]} {date.year}"


def verse(index):
    text, reference = VERSES[index % len(VERSES)]
    return f"{text}\\line\\i {reference}\\i0"


def day_number(date):
    """The day's place in the run of verses; each sample year starts elsewhere in it."""
    n = date.timetuple().tm_yday - 1
    return n if date.year == 1999 else n + 11 * (date.year - 2024)


def day_line(date):
    n = day_number(date)
    return ("\\pard\\qc\\b " + heading(date) + "\\b0\\par\\par "
            + verse(2 * n) + "\\par\\par " + verse(2 * n + 1))


def year_lines(year):
    lines = []
    for month in range(1, 13):
        for day in range(1, 32):
            try:
                lines.append(day_line(datetime.date(year, month, day)))
            except ValueError:
                lines.append("")
    return lines


def readings(date):
    """The keys of one day, or None for a day without a section."""
    n = day_number(date)
    if date.day % 10 == 7:
        return None
    keys = [("Cteni1", FIRST[n % len(FIRST)])]
    weekday = date.weekday()
    if weekday != 5:
        keys.append(("Cteni2", SECOND[n % len(SECOND)]))
    if weekday in (2, 6):
        keys.append(("Cteni3", GOSPEL[n % len(GOSPEL)]))
    elif date.day == 13 and date.year == 1999:
        keys.append(("Cteni3", ""))  # present but empty: the command stays disabled
    if weekday == 6 or date.day % 5 == 0:
        keys.append(("Perikopa", PERICOPE[n % len(PERICOPE)]))
    return keys


def readings_index():
    out = ["; Čtení na jednotlivé dny let 1999 a 2025 až 2030 (ukázková data)"]
    for year in YEARS:
        date = datetime.date(year, 1, 1)
        while date.year == year:
            keys = readings(date)
            if keys is not None:
                out.append("")
                out.append(f"[{date.day}.{date.month}.{date.year}]")
                out.extend(f"{key}={value}" for key, value in keys)
            date += datetime.timedelta(days=1)
    return out


def year_file_name(year):
    return "TAVRA99.RTF" if year == 1999 else f"TAVRA{year:04d}.RTF"


def write(name, lines):
    path = ROOT / "data" / name
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1250"))


def main():
    for year in YEARS:
        lines = year_lines(year)
        assert len(lines) == 372
        write(year_file_name(year), lines)
    write("Cteni.js", readings_index())


if __name__ == "__main__":
    main()
