<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>este blocat de o altă copie a jocului</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permisiune refuzată</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>operație nepermisă</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>discul poate fi doar citit</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>nu mai este loc pe disc</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>cota de pe disc s-a terminat</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>fișierul sau dosarul nu există</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>nu este un dosar</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>este un dosar</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>prea multe legături simbolice</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>eroare de intrare/ieșire</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Nu pot crea dosarul recordurilor „%1”</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Nu pot deschide fișierul recordurilor „%1”</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Nu pot citi fișierul recordurilor „%1”</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Nu pot scrie fișierul recordurilor „%1”</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

Jocul se va închide acum.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Atenție! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Atenție! Ai greșit: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Cum te cheamă?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> hai să vedem dacă ești un campion adevărat </translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> este un număr impar</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Ne jucăm cu numerele pare și impare</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Pa, pe curând. Timp </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Data </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>Gata, ți-am salvat recordul, C A M P I O N U L E!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ÎNCEPEM UN JOC NOU?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ÎNCEPE UN JOC NOU</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Te rog, mai rămâi puțin, poate reușești să mă faci să ies </translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Apasă ca să începi</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Hai!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Scrie rezultatul și apasă Enter</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Puncte în total</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Acesta este scorul tău. Hai, bate recordul!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>puncte:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>nume</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Recordul: </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Jucător</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Timp rămas</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Răspunsuri în total</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Răspunsuri greșite</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Apasă sub mine ca să pornești ceasul</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - autorii</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Joc nou</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Salut, campionule, ai grijă cu Zarvento! Fiecare număr impar lovit te costă 4 puncte.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Limba</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Limba calculatorului</translation>
    </message>
</context>
</TS>
