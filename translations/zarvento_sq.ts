<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq_AL" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Jo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Anulo</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>është i bllokuar nga një kopje tjetër e lojës</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>nuk është skedar i zakonshëm</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>leja u refuzua</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>veprim i palejuar</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>disku është vetëm për lexim</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>nuk ka më vend në disk</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>kuota e diskut mbaroi</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>skedari ose dosja nuk ekziston</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>nuk është dosje</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>është dosje</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>shumë lidhje simbolike</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>gabim hyrje/dalje</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Nuk mund të krijoj dosjen e rekordeve «%1»</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Nuk mund të hap skedarin e rekordeve «%1»</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Nuk mund të lexoj skedarin e rekordeve «%1»</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Nuk mund të shkruaj skedarin e rekordeve «%1»</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

Loja do të mbyllet tani.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Kujdes! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Kujdes! Gabove: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Si të quajnë?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> le të shohim nëse je një kampion i vërtetë </translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> është numër tek</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Luajmë me numrat çift dhe tek</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Mirupafshim, shihemi së shpejti. Koha </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Data </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>Mirë, e ruajta rekordin tënd, K A M P I O N!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>A FILLOJMË NJË LOJË TË RE?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>FILLO NJË LOJË TË RE</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Rezultati</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Dalje</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Të lutem, rri edhe pak, ndoshta do të arrish të më nxjerrësh jashtë </translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Kliko për të filluar</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Hajde!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Fillimi</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Shkruaj rezultatin dhe shtyp Enter</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Pikë gjithsej</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Ky është rezultati yt. Hajde, thye rekordin!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>pikë:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>emri</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Rekordi: </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Lojtari</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Koha që mbetet</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Përgjigje gjithsej</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Përgjigje të gabuara</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Kliko poshtë meje për të nisur orën</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - autorët</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Lojë e re</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ndihmë</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Përshëndetje kampion, kujdes me Zarvento! Çdo numër tek që godet të kushton 4 pikë.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Gjuha</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Gjuha e kompjuterit</translation>
    </message>
</context>
</TS>
