#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Small, valid files of each kind, covering the variants the readers know, so that the
fuzzer starts from inputs that get deep. Run it again after changing it and commit the
files; `make fuzz` only copies them.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(ROOT, "corpus")
SAMPLES = os.path.join(ROOT, "..", "data")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode("cp1250")
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- HTML

HTML = {
    "blocks.htm": """<HTML><HEAD><TITLE>Den</TITLE><BASE HREF="http://a/b/" TARGET=x>
<META HTTP-EQUIV="Refresh" CONTENT="5"></HEAD>
<BODY BGCOLOR="#FFFDF5" TEXT=navy LINK=red BACKGROUND="pozadi.gif">
<H1 ALIGN=center>Nadpis</H1><P ALIGN=right>Žluťoučký <B>kůň</B> <I>úpěl</I> <U>ďábelské</U> ódy&nbsp;&amp;&lt;&#233;&eacute;
<BR CLEAR=all><HR SIZE=3 WIDTH=50% NOSHADE><CENTER><FONT SIZE=+2 COLOR=#FF0000 FACE="Arial">velké</FONT></CENTER>
<A NAME="kotva" HREF="#jinam">odkaz</A><BLOCKQUOTE><TT>psací stroj</TT> <SUB>2</SUB><SUP>3</SUP></BLOCKQUOTE>
<ADDRESS>adresa</ADDRESS><DIV ALIGN=center>střed</DIV></BODY></HTML>
""",
    "lists.htm": """<UL TYPE=square><LI>jedna<LI>dvě<OL START=3 TYPE=a><LI>tři<LI VALUE=9>devět</OL></UL>
<DL COMPACT><DT>pojem<DD>výklad</DL><MENU><LI>m</MENU><DIR><LI>d</DIR>
<PRE WIDTH=40>  řádek	s tabulátorem
<B>tučně</B> a dál</PRE><LISTING>x</LISTING><XMP><b>neznačka</b></XMP>
""",
    "table.htm": """<TABLE BORDER=2 CELLPADDING=3 CELLSPACING=1 WIDTH=90% BGCOLOR=silver ALIGN=center>
<CAPTION ALIGN=bottom>Popisek</CAPTION>
<TR><TH ROWSPAN=2>a</TH><TD COLSPAN=2 WIDTH=40 NOWRAP>b c</TD></TR>
<TR VALIGN=top><TD ALIGN=right BGCOLOR=#00FF00>d<TABLE><TR><TD>vnořená</TD></TR></TABLE></TD><TD>e</TD></TR>
</TABLE>text za tabulkou
""",
    "forms.htm": """<FORM ACTION="hledat" METHOD=post><INPUT TYPE=text NAME=q VALUE="slovo" SIZE=20 MAXLENGTH=30>
<INPUT TYPE=checkbox NAME=c CHECKED><INPUT TYPE=radio NAME=r VALUE=1><INPUT TYPE=radio NAME=r VALUE=2 CHECKED>
<INPUT TYPE=hidden NAME=h VALUE=x><INPUT TYPE=password NAME=p><INPUT TYPE=submit VALUE="Hledej"><INPUT TYPE=reset>
<INPUT TYPE=image SRC="tlacitko.gif" NAME=i><SELECT NAME=s SIZE=3 MULTIPLE><OPTION SELECTED>a<OPTION VALUE=b>bé</SELECT>
<TEXTAREA NAME=t ROWS=3 COLS=20>text <b>&amp;</b>
řádek</TEXTAREA></FORM>
""",
    "images.htm": """<IMG SRC="obr.gif" WIDTH=40 HEIGHT=30 ALIGN=left HSPACE=4 VSPACE=2 BORDER=1 ALT="obrázek">
Text vedle obrázku, který teče kolem. <IMG SRC="b.bmp" ALIGN=middle USEMAP="#mapa" ISMAP>
<MAP NAME="mapa"><AREA SHAPE=rect COORDS="0,0,10,10" HREF="a.htm"><AREA SHAPE=circle COORDS="5,5,3" HREF="b.htm">
<AREA SHAPE=poly COORDS="0,0,4,4,0,8" NOHREF></MAP><IMG SRC="c.jpg" ALIGN=right>
<BGSOUND SRC="zvuk.wav" LOOP=2>
""",
    "constructs.htm": """<!-- komentář <b> -- --><!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 3.2//EN">
<!--#include file="x.htm" --><SCRIPT LANGUAGE="JavaScript"><!-- a<b && c>d; --></SCRIPT>
<STYLE>p {}</STYLE><P>&#x41;&#0065;&lt&gt;&quot;&copy;&reg;&neznamy; <NEZNAMA atribut='v' jiny=bez&uvozovek>
<H2>nadpis</H2 ><a href=x target=_top>x</a ><WBR><NOBR>nezalomit</NOBR>
""",
}


def html_corpora():
    for target in ("tokenizer", "builder"):
        for name, text in HTML.items():
            write(target, name, text)
        write(target, "empty.htm", b"")
        # The other character sets: a META naming UTF-8 (with a broken sequence), and a
        # byte-order mark of UTF-16.
        unicode_text = "<P>“Ωμέγα” — Жук, Søren &mdash; &#x1F600; &#8212; &alpha;</P>"
        write(target, "utf8.htm", ('<META CHARSET="utf-8">' + unicode_text).encode("utf-8") + b"\xC3(\xE2\x82")
        write(target, "utf16.htm", b"\xFF\xFE" + unicode_text.encode("utf-16-le"))
    with open(os.path.join(SAMPLES, "Info.prg"), "rb") as f:
        write("builder", "info.htm", f.read())
    # Tables nested as deep as the builder allows, two cells a level, with spans and widths.
    write("builder", "nested.htm",
          "<TABLE BORDER=1 WIDTH=90%><TR><TD COLSPAN=2>a<TD>" * 90 + "dno" +
          "</TD></TR><TR><TD ROWSPAN=2 WIDTH=30>b</TD></TR></TABLE>" * 40)


# ---------------------------------------------------------------- GIF

def lzw_encode(indices, min_code_size):
    """Plain LZW of the GIF kind, with a clear code whenever the table fills."""
    clear = 1 << min_code_size
    eoi = clear + 1
    out = bytearray()
    bits = 0
    nbits = 0

    def emit(code, size):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    size = min_code_size + 1
    table = {(i,): i for i in range(clear)}
    next_code = eoi + 1
    emit(clear, size)
    prefix = ()
    for index in indices:
        candidate = prefix + (index,)
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table = {(i,): i for i in range(clear)}
            next_code = eoi + 1
            size = min_code_size + 1
        prefix = (index,)
    if prefix:
        emit(table[prefix], size)
    emit(eoi, size)
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes([min_code_size]) + bytes(blocks) + b"\x00"


def palette(n):
    return b"".join(bytes([(i * 67) & 255, (i * 131) & 255, (i * 29) & 255]) for i in range(n))


def gif(version, width, height, frames, global_bits=2, loop=None, comment=None):
    data = bytearray(b"GIF" + version)
    flags = 0x80 | (global_bits - 1) if global_bits else 0
    data += struct.pack("<HHBBB", width, height, flags, 0, 0)
    if global_bits:
        data += palette(1 << global_bits)
    if loop is not None:
        data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", loop) + b"\x00"
    if comment:
        data += b"\x21\xFE" + bytes([len(comment)]) + comment + b"\x00"
    for f in frames:
        if "delay" in f or "transparent" in f or "disposal" in f:
            packed = (f.get("disposal", 0) << 2) | (1 if "transparent" in f else 0)
            data += b"\x21\xF9\x04" + struct.pack("<BHB", packed, f.get("delay", 0), f.get("transparent", 0)) + b"\x00"
        left, top, w, h = f["rect"]
        flags = 0x40 if f.get("interlaced") else 0
        bits = global_bits
        if f.get("local_bits"):
            bits = f["local_bits"]
            flags |= 0x80 | (bits - 1)
        data += b"\x2C" + struct.pack("<HHHHB", left, top, w, h, flags)
        if f.get("local_bits"):
            data += palette(1 << bits)
        pixels = [(x * 3 + y * 5) % (1 << bits) for y in range(h) for x in range(w)]
        data += lzw_encode(pixels, max(bits, 2))
    data += b"\x3B"
    return bytes(data)


def gif_corpus():
    write("gif", "still87.gif", gif(b"87a", 8, 6, [{"rect": (0, 0, 8, 6)}]))
    write("gif", "interlaced.gif", gif(b"89a", 5, 11, [{"rect": (0, 0, 5, 11), "interlaced": True}], global_bits=3))
    write("gif", "animated.gif", gif(b"89a", 12, 10, [
        {"rect": (0, 0, 12, 10), "delay": 10, "disposal": 1},
        {"rect": (2, 2, 6, 5), "delay": 5, "transparent": 1, "disposal": 2},
        {"rect": (4, 1, 7, 8), "delay": 0, "transparent": 0, "disposal": 3, "local_bits": 4},
        {"rect": (0, 3, 3, 3), "delay": 20},
    ], loop=2, comment=b"svice"))
    write("gif", "local_only.gif", gif(b"89a", 4, 4, [{"rect": (0, 0, 4, 4), "local_bits": 1}], global_bits=0))
    write("gif", "big_codes.gif", gif(b"89a", 70, 70, [{"rect": (0, 0, 70, 70), "local_bits": 8}]))
    with open(os.path.join(SAMPLES, "svice.gif"), "rb") as f:
        write("gif", "svice.gif", f.read())


# ---------------------------------------------------------------- BMP

def bmp(width, height, bits, rows, colours=None, compression=0, header=40, masks=None, data=None):
    """A bitmap file; `rows` are lists of pixel values (indices or packed ints), top first."""
    if data is None:
        body = bytearray()
        for row in (rows if height < 0 else list(reversed(rows))):
            line = bytearray()
            if bits < 8:
                per = 8 // bits
                for i in range(0, len(row), per):
                    b = 0
                    for j, v in enumerate(row[i:i + per]):
                        b |= v << (8 - bits * (j + 1))
                    line.append(b)
            else:
                for v in row:
                    line += int(v).to_bytes(bits // 8, "little")
            while len(line) % 4:
                line.append(0)
            body += line
        data = bytes(body)
    table = b""
    if colours:
        entry = 3 if header == 12 else 4
        table = b"".join(bytes([c & 255, (c >> 8) & 255, (c >> 16) & 255] + ([0] if entry == 4 else [])) for c in colours)
    extra = b"".join(struct.pack("<I", m) for m in masks) if masks else b""
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, abs(height) if height > 0 else height & 0xFFFF, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression, len(data), 2835, 2835,
                           len(colours) if colours else 0, 0)
        info += b"\x00" * (header - 40)
    offset = 14 + len(info) + len(extra) + len(table)
    file_header = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return file_header + info + extra + table + data


def bmp_corpus():
    grey = [i * 0x010101 for i in range(256)]
    rows = [[(x + y) % 2 for x in range(9)] for y in range(5)]
    write("bmp", "mono.bmp", bmp(9, 5, 1, rows, colours=[0x000000, 0xFFFFFF]))
    write("bmp", "four.bmp", bmp(7, 4, 4, [[(x * y) % 16 for x in range(7)] for y in range(4)], colours=grey[:16]))
    write("bmp", "eight_topdown.bmp", bmp(5, -3, 8, [[x * 40 + y for x in range(5)] for y in range(3)], colours=grey))
    write("bmp", "core_header.bmp", bmp(3, 3, 8, [[x + y for x in range(3)] for y in range(3)], colours=grey[:8], header=12))
    write("bmp", "rgb24.bmp", bmp(4, 3, 24, [[0x102030 * (x + 1) + y for x in range(4)] for y in range(3)]))
    write("bmp", "rgb32_v5.bmp", bmp(3, 2, 32, [[0xFF00FF, 0x00FF00, 0x123456], [1, 2, 3]], header=124))
    write("bmp", "bitfields16.bmp", bmp(5, 2, 16, [[0x7C00, 0x03E0, 0x001F, 0x7FFF, 0], [0x1234] * 5],
                                        compression=3, masks=[0x7C00, 0x03E0, 0x001F]))
    # Run-length data: runs, an absolute stretch, a delta and the end markers.
    rle8 = bytes([3, 1, 0, 3, 5, 6, 7, 0, 0, 0, 2, 1, 1, 0, 2, 2, 2, 0, 0, 0, 1])
    write("bmp", "rle8.bmp", bmp(6, 3, 8, None, colours=grey[:8], compression=1, data=rle8))
    rle4 = bytes([5, 0x12, 0, 4, 0x34, 0x56, 0, 0, 3, 0x77, 0, 1])
    write("bmp", "rle4.bmp", bmp(5, 2, 4, None, colours=grey[:16], compression=2, data=rle4))
    # The fuzz target puts "BM" before its input itself.
    folder = os.path.join(CORPUS, "bmp")
    for name in os.listdir(folder):
        path = os.path.join(folder, name)
        with open(path, "rb") as f:
            data = f.read()
        if data.startswith(b"BM"):
            with open(path, "wb") as f:
                f.write(data[2:])


# ---------------------------------------------------------------- PNG

ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(width, height, colour_type, depth, samples, interlaced=False, extra=b""):
    """A PNG of `samples` (one list of channel values per pixel, rows top first)."""
    def row_bytes(pixels):
        bits = bytearray()
        acc, n = 0, 0
        for px in pixels:
            for v in px:
                if depth == 16:
                    bits += struct.pack(">H", v)
                elif depth == 8:
                    bits.append(v)
                else:
                    acc, n = (acc << depth) | v, n + depth
                    if n == 8:
                        bits.append(acc)
                        acc, n = 0, 0
        if n:
            bits.append(acc << (8 - n))
        return b"\x00" + bytes(bits)

    rows = [samples[y * width:(y + 1) * width] for y in range(height)]
    raw = bytearray()
    if interlaced:
        for x0, y0, dx, dy in ADAM7:
            for y in range(y0, height, dy):
                part = rows[y][x0::dx]
                if part:
                    raw += row_bytes(part)
    else:
        for r in rows:
            raw += row_bytes(r)
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 1 if interlaced else 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra +
            png_chunk(b"IDAT", zlib.compress(bytes(raw))) + png_chunk(b"IEND", b""))


def png_corpus():
    write("png", "grey8.png", png(7, 5, 0, 8, [[(x * 40 + y) & 255] for y in range(5) for x in range(7)]))
    write("png", "grey1.png", png(9, 3, 0, 1, [[(x + y) & 1] for y in range(3) for x in range(9)]))
    write("png", "palette_trns.png", png(6, 4, 3, 4, [[(x + y) % 5] for y in range(4) for x in range(6)],
                                         extra=png_chunk(b"PLTE", palette(5)) + png_chunk(b"tRNS", b"\x00\x80\xff")))
    write("png", "rgb16_trns.png", png(4, 3, 2, 16, [[x * 9000, y * 20000, 65535] for y in range(3) for x in range(4)],
                                       extra=png_chunk(b"tRNS", struct.pack(">HHH", 0, 0, 65535))))
    write("png", "grey_alpha.png", png(5, 5, 4, 8, [[x * 50, y * 60] for y in range(5) for x in range(5)]))
    write("png", "rgba_interlaced.png", png(11, 9, 6, 8, [[x * 20, y * 25, 128, (x * y * 7) & 255]
                                                          for y in range(9) for x in range(11)], interlaced=True))


# ---------------------------------------------------------------- JPEG

JPEG_WRITER = r"""
#include <stdio.h>
#include <stdlib.h>
#include <jpeglib.h>
/* writer <out> <width> <height> <components> <progressive> <quality> */
int main(int argc, char** argv) {
  struct jpeg_compress_struct c;
  struct jpeg_error_mgr e;
  FILE* f = fopen(argv[1], "wb");
  int w = atoi(argv[2]), h = atoi(argv[3]), n = atoi(argv[4]);
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = w;
  c.image_height = h;
  c.input_components = n;
  c.in_color_space = n == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, atoi(argv[6]), TRUE);
  if (atoi(argv[5])) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  unsigned char row[3 * 64];
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < w * n; ++x) row[x] = (unsigned char)(x * 37 + c.next_scanline * 11);
    JSAMPROW r = row;
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  fclose(f);
  return 0;
}
"""


def jpeg_corpus():
    folder = os.path.join(CORPUS, "jpeg")
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "writer.c")
        program = os.path.join(tmp, "writer")
        with open(source, "w") as f:
            f.write(JPEG_WRITER)
        subprocess.run(["cc", "-O1", "-o", program, source, "-ljpeg"], check=True)
        for name, w, h, n, progressive, quality in [
            ("grey8x8.jpg", 8, 8, 1, 0, 50),
            ("colour16x8.jpg", 16, 8, 3, 0, 75),
            ("progressive.jpg", 17, 9, 3, 1, 60),
            ("grey_progressive.jpg", 9, 17, 1, 1, 30),
        ]:
            subprocess.run([program, os.path.join(folder, name), str(w), str(h), str(n), str(progressive),
                            str(quality)], check=True)


# ---------------------------------------------------------------- RTF and INI

RTF = {
    "styles.rtf": r"{\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\froman Times New Roman;}}"
                  r"{\colortbl;\red0\green0\blue0;}{\*\generator x;}"
                  "\\pard\\qc\\b\\fs28 P\\'e1tek 1. ledna\\b0\\par\\pard\\qj\\i kurz\\i0 \\ul podtr\\ulnone "
                  r"\strike p\v\strike0\tab\line\u269?\u-3?x{\i\b skupina}\par}",
    "alignment.rtf": r"{\rtf1{\pard\ql vlevo\par}{\pard\qr vpravo\par}\pard\fs16\plain\fs40 velk\'e9\par "
                     r"\'9a\'e8\'f8\'9e\u8222\'84\u8220\'93}",
    "plain.txt": "Prostý text\r\nbez značek\n\ndalší řádek",
    "ignorable.rtf": r"{\rtf1{\*\unknown {nested} text}{\pict\wmetafile8 0102ff}{\field{\*\fldinst x}{\fldrslt y}}"
                     r"\uc2\u382\'9e\'9ez\\\{\}\~\-\_\par}",
}


def rtf_corpus():
    for name, text in RTF.items():
        write("rtf", name, text)
    with open(os.path.join(SAMPLES, "TAVRA99.RTF"), "rb") as f:
        lines = f.read().split(b"\n")
    write("rtf", "day_lines.rtf", b"\n".join(lines[:3]))


INI = {
    "settings.ini": "; Nastavení\r\n[Nastaveni]\r\nVelikost=12\r\nBarva=$00FF8000\r\nPismo = \"Times New Roman\"\r\n"
                    "Zapnuto=0x1\r\n\r\n[Okno]\r\nLevy=-20\r\nHorni=+30\r\nSirka=2147483647\r\n",
    "readings.ini": "; čtení\n\n[1.1.1999]\nCteni1=Gn 1,1-5\nCteni2='Ř 8,28-39'\n\n[2.1.1999]\nCteni1=Ex 3,1-15\n",
    "odd.ini": "[ bez konce\nklic\n=hodnota\n [Nastaveni] \n\tVelikost\t=\t-2147483648 \nVelikost=2\r[x]\n\r\n",
}


def ini_corpus():
    for name, text in INI.items():
        write("ini", name, text)


XML_DAY = ("<Losungen><Datum>2027-01-03T00:00:00</Datum><Wtag>Sonntag</Wtag>"
           "<Sonntag>2. Sonntag nach dem Christfest</Sonntag>"
           "<Losungstext>Der HERR ist mein Hirte, mir wird #nichts# mangeln.</Losungstext>"
           "<Losungsvers>Psalm 23,1</Losungsvers>"
           "<Lehrtext>/Jesus spricht:/ Ich bin der gute Hirte &amp; &#x201E;Tor&#x201C;.</Lehrtext>"
           "<Lehrtextvers>Johannes 10,11</Lehrtextvers></Losungen>\n")
XML = {
    "year.xml": '<?xml version="1.0" encoding="utf-8" standalone="yes"?>\n<FreeXml>\n' + XML_DAY
                + XML_DAY.replace("01-03", "01-04").replace("<Sonntag>2. Sonntag nach dem Christfest</Sonntag>",
                                                            "<Sonntag />") + "</FreeXml>\n",
    "entity.xml": '<?xml version="1.0"?>\n<!DOCTYPE FreeXml [<!ENTITY a "aaaa">]>\n<FreeXml>&a;</FreeXml>\n',
}


def xml_corpus():
    for name, text in XML.items():
        write("xml", name, text)
    write("xml", "cp1250.xml", ('<?xml version="1.0" encoding="windows-1250"?>\n<FreeXml>\n'
                                + XML_DAY.replace("Hirte", "Pastýř") + "</FreeXml>\n").encode("cp1250"))


LOS_HEAD = ("<?xml version='1.0' encoding='{}' standalone='no' ?>\n<!DOCTYPE LOSFILE SYSTEM 'hes27.dtd' [ ]>\n"
            "<LOSFILE dtdmainvers='1' dtdsubvers='3' xml:lang='cs' year='2027'>\n")
LOS_YEAR = """<HEAD><FILEVERS>1.01</FILEVERS><XLAT>K - Bible kralická</XLAT><SUBLANG subcode="CS01"><MONTHS jan="ledna"/></SUBLANG></HEAD>
<YEAR y="2027"><TL>Hesla na rok 2027</TL><S b="Ps" ch="1" v="2"/><L>Blaze tomu, kdo se</L><L>těší ze zákona.</L><SL>Žalm 1,2</SL></YEAR>
<MONTH m="0"><L>Jiná podoba</L><SL>Žalm 1,3</SL></MONTH><MONTH m="1"><TL>LEDEN</TL><L>Heslo ledna</L><SL>1.Mojžíšova 1,31</SL></MONTH>
<DAY d="3" m="1" type="week" name="Alianční týden  "></DAY>
<DAY d="3" m="1" type="sunday" name="2. neděle po Vánocích  " ord="1"><L>Heslo týdne</L><SL>Jan 1,16</SL></DAY>
<LOSUNG d="1" m="1"><OT><L>Novoroční text</L><SL>Žalm 2,1</SL></OT><SR><SL>Jan 1,1-5</SL></SR></LOSUNG>
<LOSUNG d="3" m="1"><TL>Neděle 3. ledna 2027</TL>
 <OT><S b="Is" ch="44" v="8"/><IL>Hospodin praví:</IL><L>První řádek,</L><L>a <EM>druhý</EM> {řádek} \\.</L><SL>Izaiáš 44,8 K</SL></OT>
 <NT><L>Text <X>nový</X> &amp; &#x201E;jiný&#x201C;.</L><SL>Matouš 7,8</SL></NT>
 <TT><L>první sloka,</L><L>-</L><L>druhá sloka</L><SL>EZ 121,4.5</SL></TT>
 <SR><SL>Lukáš 4,16-21 :: Jakubova 4,13-15</SL></SR><CR><SL>Žalm 100</SL></CR>
 <Ev><SL>Lukáš 4,16-21</SL></Ev><Ep><SL>Římanům 12,1-3</SL></Ep><Pr><SL>Jan 1,14-18</SL></Pr><AT><SL>Izaiáš 61,1-3</SL></AT>
 <Bl><SL>Žalm 8</SL></Bl><Ev2><SL>Marek 1,1</SL></Ev2><C><L>1623 vzpomínka</L></C></LOSUNG>
</LOSFILE>
"""


def losfile_corpus():
    write("losfile", "year.xml", (LOS_HEAD.format("UTF-8") + LOS_YEAR).encode("utf-8"))
    write("losfile", "cp1250.xml", (LOS_HEAD.format("windows-1250") + LOS_YEAR).encode("cp1250"))
    write("losfile", "declared.xml", (LOS_HEAD.format("UTF-8").replace("[ ]", "[<!ENTITY a 'b'>]")
                                      + "<LOSUNG d='1' m='1'>&a;</LOSUNG></LOSFILE>").encode("utf-8"))


def main():
    if os.path.isdir(CORPUS):
        shutil.rmtree(CORPUS)
    html_corpora()
    gif_corpus()
    bmp_corpus()
    jpeg_corpus()
    png_corpus()
    rtf_corpus()
    ini_corpus()
    xml_corpus()
    losfile_corpus()
    return 0


if __name__ == "__main__":
    sys.exit(main())
