<HTML>
<HEAD>
<TITLE>O programu Tavra</TITLE>
</HEAD>
<BODY BGCOLOR="#FFFFFF" TEXT="#000000" LINK="#000080">

<A NAME="zacatek"></A>
<H1><IMG SRC="svice.gif" ALIGN=MIDDLE ALT="Svíce"> Jak ovládat program Tavra</H1>

<P>Program Tavra ukazuje <A HREF="Info.prg">Tavry Obce lirovské</A> – biblické texty
na každý den roku. Po spuštìní ukáže texty dnešního dne; odtud se lze pohybovat po
kalendáøi, otevírat ètení dne v prohlížeèi Bible a mìnit vzhled textu.</P>

<P>Obsah:</P>
<UL>
<LI><A HREF="#okno">Hlavní okno</A>
<LI><A HREF="#den">Volba dne</A>
<LI><A HREF="#cteni">Ètení a perikopa</A>
<LI><A HREF="#nastaveni">Nastavení vzhledu</A>
<LI><A HREF="#jednou">Spuštìní jednou dennì</A>
<LI><A HREF="#klavesy">Pøehled pøíkazù a kláves</A>
<LI><A HREF="#soubory">Soubory programu</A>
</UL>

<HR>

<A NAME="okno"></A>
<H2>Hlavní okno</H2>

<P>Hlavní okno má tøi èásti:</P>
<DL>
<DT><B>Nabídka</B>
<DD>Nabídky <I>Tavra</I>, <I>Zobrazit</I>, <I>Nastavení</I> a <I>O programu</I> obsahují
všechny pøíkazy programu (<A HREF="#klavesy">pøehled</A>).
<DT><B>Panel nástrojù</B>
<DD>Zleva: tlaèítka <I>O týden zpìt</I>, <I>Vèera</I>, <I>Dnes</I>, <I>Zítra</I>
a <I>O týden dopøedu</I>; tøi tlaèítka ètení a tlaèítko perikopy; pole s datem a
rozbalovacím kalendáøem; tlaèítko <I>Ukonèit program</I> a nakonec hodiny, které ukazují
pøesný èas. Když podržíte ukazatel myši nad tlaèítkem, objeví se bublinová nápovìda.
<DT><B>Text dne</B>
<DD>Pod panelem nástrojù je text zvoleného dne, vystøedìný. Text nelze mìnit, lze jej však
oznaèit a zkopírovat. Datum zvoleného dne je vidìt v poli s datem i v názvu programu na
hlavním panelu systému.
</DL>

<A NAME="den"></A>
<H2>Volba dne</H2>

<P><IMG SRC="kalendar.bmp" ALIGN=LEFT HSPACE=8 ALT="List kalendáøe">
Den se volí tlaèítky na panelu, pøíkazy nabídky <I>Zobrazit</I>, klávesami nebo polem
s datem:</P>

<UL>
<LI><B>Zítra</B> a <B>Vèera</B> posunou zobrazení o jeden den (klávesy šipka vpravo a
šipka vlevo).
<LI><B>Za týden</B> a <B>Pøed týdnem</B> posunou zobrazení o sedm dní (klávesy
<TT>Page Down</TT> a <TT>Page Up</TT>).
<LI><B>Dnes</B> se vrátí k dnešnímu dni (klávesa <TT>Home</TT>).
<LI>V <B>poli s datem</B> lze napsat libovolné datum nebo je vybrat v rozbalovacím
kalendáøi; program hned ukáže texty toho dne.
</UL>

<P>Klávesy pro volbu dne platí i tehdy, když je kurzor v textu dne.
Pøechod pøes konec mìsíce i roku program poèítá sám, vèetnì pøestupných rokù.</P>

<BR CLEAR=LEFT>

<A NAME="cteni"></A>
<H2>Ètení a perikopa</H2>

<P>Ke každému dni patøí tøi ètení a perikopa (viz <A HREF="Info.prg#co">Co jsou Tavry</A>).
Bublinová nápovìda tlaèítek ètení ukazuje, pro který den ètení platí. Stisknutím tlaèítka
nebo klávesami <TT>Ctrl+F1</TT>, <TT>Ctrl+F2</TT>, <TT>Ctrl+F3</TT> (ètení) a
<TT>Ctrl+F4</TT> (perikopa) program spustí <B>prohlížeè Bible</B> a pøedá mu odkaz na
pøíslušné místo. Dokud prohlížeè Bible neukonèíte, program Tavra èeká.</P>

<UL>
<LI>Tlaèítka ètení, pro která daný den nemá odkaz, jsou zašedlá.
<LI>Prohlížeè Bible je samostatný program <TT>Bible.exe</TT>, který musí ležet ve stejné
složce jako program Tavra. Chybí-li, program ohlásí
<I>Prohlížeè odkazù není nainstalován.</I> (u perikopy
<I>Prohlížeè perikop není nainstalován.</I>).
</UL>

<A NAME="nastaveni"></A>
<H2>Nastavení vzhledu</H2>

<P>V nabídce <I>Nastavení</I> jsou ètyøi pøíkazy:</P>

<TABLE BORDER=1 CELLPADDING=4 CELLSPACING=0 WIDTH="95%">
<TR BGCOLOR="#E8E8F4"><TH WIDTH="30%">Pøíkaz</TH><TH>Co dìlá</TH></TR>
<TR><TD><B>Písmo...</B></TD><TD>Otevøe okno pro výbìr písma, jeho velikosti, barvy a
efektù. Zvolené písmo se hned použije pro text dne.</TD></TR>
<TR><TD><B>Barva podkladu</B></TD><TD>Otevøe okno pro výbìr barvy pozadí, na kterém je text
dne.</TD></TR>
<TR><TD><B>Pùvodní nastavení</B></TD><TD>Vrátí písmo, barvu i velikost a polohu okna do
podoby po instalaci, smaže uložené nastavení a ukáže opìt dnešní den.</TD></TR>
<TR><TD><B>Ulož nastavení</B></TD><TD>Uloží zvolené písmo, barvu podkladu a polohu
a velikost okna, aby je program pøíštì použil znovu.</TD></TR>
</TABLE>

<P><B>Pozor:</B> zmìny písma a barvy se samy neukládají. Chcete-li je zachovat i po dalším
spuštìní, použijte pøíkaz <I>Ulož nastavení</I>.</P>

<A NAME="jednou"></A>
<H2>Spuštìní jednou dennì</H2>

<P>Program lze nechat spouštìt automaticky pøi startu poèítaèe tak, aby se ukázal jen
jednou za den:</P>

<OL>
<LI>Nastavte spouštìní programu s parametrem <TT>a</TT>: za název programu napište mezeru
a malé písmeno <TT>a</TT>.
<LI>Po pøeètení textù program ukonèete pøíkazem <I>Konec (jednou dennì)</I> z nabídky <I>Tavra</I>
nebo tlaèítkem <I>Ukonèit program</I>. Program si zapamatuje dnešní datum.
Klávesy <TT>Alt+F4</TT> patøí témuž pøíkazu, ale v mnoha prostøedích si je vezme správce
oken a program jen zavøe, stejnì jako køížek v záhlaví okna: datum se pak nezapamatuje.
<LI>Když se pak program téhož dne spustí s parametrem <TT>a</TT> znovu, hned se zavøe.
Druhý den se opìt ukáže.
</OL>

<P>Pøíkaz <I>Konec</I> (klávesa <TT>Esc</TT>) program ukonèí, aniž by si datum
zapamatoval.</P>

<A NAME="klavesy"></A>
<H2>Pøehled pøíkazù a kláves</H2>

<TABLE BORDER=1 CELLPADDING=3 CELLSPACING=0 WIDTH="95%">
<TR BGCOLOR="#E8E8F4"><TH>Nabídka</TH><TH>Pøíkaz</TH><TH>Klávesy</TH><TH>Význam</TH></TR>
<TR><TD ROWSPAN=2>Tavra</TD><TD>Konec (jednou dennì)</TD><TD>Alt+F4 (kde ji nepøevezme správce oken)</TD><TD>ukonèí program a zapamatuje si dnešní den</TD></TR>
<TR><TD>Konec</TD><TD>Esc</TD><TD>ukonèí program</TD></TR>
<TR><TD ROWSPAN=9>Zobrazit</TD><TD>Zítra</TD><TD>šipka vpravo</TD><TD>o den dopøedu</TD></TR>
<TR><TD>Za týden</TD><TD>Page Down</TD><TD>o týden dopøedu</TD></TR>
<TR><TD>Vèera</TD><TD>šipka vlevo</TD><TD>o den zpìt</TD></TR>
<TR><TD>Pøed týdnem</TD><TD>Page Up</TD><TD>o týden zpìt</TD></TR>
<TR><TD>Dnes</TD><TD>Home</TD><TD>dnešní den</TD></TR>
<TR><TD>První ètení</TD><TD>Ctrl+F1</TD><TD>první ètení dne v prohlížeèi Bible</TD></TR>
<TR><TD>Druhé ètení</TD><TD>Ctrl+F2</TD><TD>druhé ètení dne</TD></TR>
<TR><TD>Tøetí ètení</TD><TD>Ctrl+F3</TD><TD>tøetí ètení dne</TD></TR>
<TR><TD>Perikopa</TD><TD>Ctrl+F4</TD><TD>perikopa dne</TD></TR>
<TR><TD ROWSPAN=4>Nastavení</TD><TD>Písmo...</TD><TD>&nbsp;</TD><TD>volba písma textu</TD></TR>
<TR><TD>Barva podkladu</TD><TD>&nbsp;</TD><TD>volba barvy pozadí</TD></TR>
<TR><TD>Pùvodní nastavení</TD><TD>&nbsp;</TD><TD>návrat k nastavení po instalaci</TD></TR>
<TR><TD>Ulož nastavení</TD><TD>&nbsp;</TD><TD>uložení vzhledu a polohy okna</TD></TR>
<TR><TD ROWSPAN=3>O programu</TD><TD>O Tavrech OL</TD><TD>&nbsp;</TD><TD>okno <A HREF="Info.prg">O Tavrech Obce lirovské</A></TD></TR>
<TR><TD>O programu</TD><TD>&nbsp;</TD><TD>toto okno</TD></TR>
<TR><TD>Autor</TD><TD>&nbsp;</TD><TD>adresa autora a stránky programu na internetu</TD></TR>
</TABLE>

<P>V oknech nápovìdy a v oknì autora zavøe okno klávesa <TT>Esc</TT> nebo <TT>Enter</TT>
(tlaèítko <I>Zavøít</I>). Pøi dalším otevøení je nápovìda na stejném místì, kde jste ji
opustili.</P>

<A NAME="soubory"></A>
<H2>Soubory programu</H2>

<P>Všechny soubory leží ve složce programu:</P>
<UL>
<LI><TT>TAVRA99.RTF</TT> – texty na celý rok 1999, jeden øádek na den;
<LI><TT>Cteni.js</TT> – odkazy na ètení a perikopu pro každý den;
<LI><TT>Tavra.ini</TT> – uložené nastavení (vzniká pøíkazem <I>Ulož nastavení</I>);
<LI><TT>Info.prg</TT> a <TT>OProgramu.prg</TT> – tato nápovìda;
<LI><TT>Bible.exe</TT> – prohlížeè Bible pro ètení a perikopu.
</UL>

<P>Chybí-li soubor nápovìdy, program to pøi spuštìní ohlásí a pøíslušný pøíkaz nabídky
<I>O programu</I> zašedne.</P>

<HR>
<P><A HREF="#zacatek">Zpìt na zaèátek</A> &nbsp;|&nbsp;
<A HREF="Info.prg#zacatek">O Tavrech Obce lirovské</A></P>

</BODY>
</HTML>
