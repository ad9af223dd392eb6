<HTML>
<HEAD>
<TITLE>O Tavrech Obce lirovské</TITLE>
</HEAD>
<BODY BGCOLOR="#FFFDF5" TEXT="#202020" LINK="#000080">

<A NAME="zacatek"></A>
<TABLE WIDTH="100%" BORDER=0 CELLPADDING=4>
<TR>
<TD WIDTH=170><IMG SRC="krajina.jpg" WIDTH=160 HEIGHT=100 ALT="Krajina za svítání"></TD>
<TD><H1><FONT COLOR="#800000">Tavry Obce lirovské</FONT></H1>
<I>Krátké slovo z Bible na každý den roku</I></TD>
</TR>
</TABLE>

<P>Obsah:</P>
<UL>
<LI><A HREF="#co">Co jsou Tavry</A>
<LI><A HREF="#vyber">Jak se texty vybírají</A>
<LI><A HREF="#cteni">Jak s Tavrami pracovat</A>
<LI><A HREF="#rok">Pøehled roku</A>
<LI><A HREF="OProgramu.prg">Jak ovládat program</A> (samostatný dokument)
</UL>

<HR>

<A NAME="co"></A>
<H2>Co jsou Tavry</H2>

<P><IMG SRC="svice.gif" ALIGN=LEFT HSPACE=8 ALT="Svíce">
<B>Tavry</B> jsou krátké biblické texty, jeden na každý den roku. Každý den obsahuje
<I>heslo</I> – jeden verš ze Starého zákona – a k nìmu <I>doprovodný text</I>
z Nového zákona, který heslo rozvádí nebo na nì odpovídá. Oba texty spolu tvoøí krátkou
zastávku uprostøed všedního dne: dají se pøeèíst za minutu, ale provázejí èlovìka celý den.</P>

<P>K textùm každého dne patøí také odkazy na tøi <B>ètení</B> a na <B>perikopu</B>.
Ètení jsou delší oddíly z Bible, jejichž pøeètením se za rok projde velká èást Písma;
perikopa je oddíl urèený pro nadcházející nedìli. Ètení i perikopu program neotvírá sám,
ale pøedá je prohlížeèi Bible (viz <A HREF="OProgramu.prg#cteni">Ètení a perikopa</A>
v nápovìdì k programu).</P>

<P>Texty tohoto vydání jsou <I>ukázková data</I> pro rok 1999. Pro jiný rok program ukáže
jen krátkou vìtu, že texty pro zvolený den nebyly nalezeny.</P>

<BR CLEAR=LEFT>

<A NAME="vyber"></A>
<H2>Jak se texty vybírají</H2>

<P>Výbìr textù na celý rok pøipravuje malá skupina ètenáøù dlouho dopøedu. Postupuje se
takto:</P>

<OL>
<LI><B>Losování hesel.</B> Hesla ze Starého zákona se losují ze zásoby vybraných veršù,
aby v nich nebyl zámìr èlovìka, ale pøekvapení. Verš, který byl vylosován, se v témže roce
již neopakuje.
<LI><B>Doprovodný text.</B> Ke každému heslu se pak vybírá text z Nového zákona, který
s heslem souvisí – slovem, myšlenkou nebo protikladem.
<LI><B>Ètení.</B> Tøi ètení každého dne sledují souvislý plán, takže kdo ète den po dni,
projde bìhem roku celé knihy Bible.
<LI><B>Perikopa.</B> Nedìlní oddíly se øídí církevním rokem (advent, Vánoce, pùst,
Velikonoce, Letnice a doba po nich).
</OL>

<P>Vybrané texty se pak sestaví do jednoho souboru na celý rok, jeden øádek na den. Program
z nìj pøi každém pøechodu na jiný den vezme ten pravý øádek.</P>

<A NAME="cteni"></A>
<H2>Jak s Tavrami pracovat</H2>

<P><IMG SRC="kalendar.bmp" ALIGN=RIGHT HSPACE=8 ALT="List kalendáøe">
Tavry nejsou urèeny k tomu, aby se pøeèetly najednou. Osvìdèilo se:</P>

<UL>
<LI>èíst texty každý den ve stejnou dobu, nejlépe ráno, døív než zaène shon;
<LI>pøeèíst nejprve <I>heslo</I>, chvíli se u nìj zastavit a teprve pak èíst
<I>doprovodný text</I>;
<LI>nechat jedno slovo nebo jednu vìtu, která èlovìka oslovila, provázet celý den;
<LI>kdo má více èasu, pøeète i nìkteré ze tøí ètení – v programu staèí stisknout
tlaèítko ètení nebo klávesy <TT>Ctrl+F1</TT> až <TT>Ctrl+F3</TT>;
<LI>v nedìli si pøeèíst perikopu (<TT>Ctrl+F4</TT>) a porovnat ji s tím, co zaznìlo
pøi bohoslužbì.
</UL>

<P>Na dny dopøedu i nazpìt se lze podívat kdykoli; jak pøejít na jiný den, popisuje èást
<A HREF="OProgramu.prg#den">Volba dne</A> v nápovìdì k programu. Program lze také nastavit
tak, aby se ukázal jen jednou dennì – viz
<A HREF="OProgramu.prg#jednou">Spuštìní jednou dennì</A>.</P>

<BR CLEAR=RIGHT>

<A NAME="rok"></A>
<H2>Pøehled roku</H2>

<P>Následující tabulka ukazuje, jak se v prùbìhu roku mìní zamìøení ètení:</P>

<TABLE BORDER=1 CELLPADDING=3 CELLSPACING=0 WIDTH="95%">
<CAPTION><B>Ètení v roce 1999</B></CAPTION>
<TR BGCOLOR="#F0E6C8"><TH>Období</TH><TH>Starý zákon</TH><TH>Nový zákon</TH><TH>Žalmy</TH></TR>
<TR><TD>leden – bøezen</TD><TD>Genesis, Exodus</TD><TD>Matouš</TD><TD ROWSPAN=2 ALIGN=CENTER>postupnì celý žaltáø</TD></TR>
<TR><TD>duben – èerven</TD><TD>Jozue, Soudcù, Rút</TD><TD>Marek, Lukáš</TD></TR>
<TR><TD>èervenec – záøí</TD><TD>Samuel, Královské</TD><TD>Skutky apoštolù</TD><TD ALIGN=CENTER>Pøísloví</TD></TR>
<TR><TD>øíjen – prosinec</TD><TD>Izajáš</TD><TD>Jan, listy</TD><TD ALIGN=CENTER>Žalmy 1–41</TD></TR>
</TABLE>

<P><FONT SIZE=2>Tabulka je jen pøehled; pøesné odkazy každého dne ukazuje program v bublinové
nápovìdì tlaèítek ètení.</FONT></P>

<HR>
<P><A HREF="#zacatek">Zpìt na zaèátek</A> &nbsp;|&nbsp;
<A HREF="OProgramu.prg">Jak ovládat program</A></P>

</BODY>
</HTML>
