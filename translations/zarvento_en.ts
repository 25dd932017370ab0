<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Cannot create the records folder “%1”</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Cannot open the record file “%1”</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Cannot read the record file “%1”</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Cannot write the record file “%1”</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

The game will now close.</translation>
    </message>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>it is locked by another copy of the game</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>disk quota used up</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>it is not a folder</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>input/output error</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Watch out! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Watch out! Wrong one: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>What&apos;s your name?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> let&apos;s see if you&apos;re a real champion</translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> is an odd number</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Playing with even and odd numbers</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Bye, see you soon. Time </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Date </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, I&apos;ve saved your record, C H A M P I O N!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>SHALL WE START A NEW MATCH?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>START A NEW MATCH</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Please stay a little longer, maybe you&apos;ll manage to get me out</translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Click to start</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Type the answer and press Enter</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Total points</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>This is your score. Go for the record!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>scoring</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Record by </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Total answers</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Click below me to start the timer</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - the authors</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Hi champion, careful with Zarvento! Every odd number you hit costs you 4 points.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Computer&apos;s language</translation>
    </message>
</context>
</TS>
