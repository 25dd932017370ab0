<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Der Ordner für die Rekorde „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Die Rekorddatei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Die Rekorddatei „%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Die Rekorddatei „%1“ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

Das Spiel wird jetzt beendet.</translation>
    </message>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>gesperrt von einer anderen Kopie des Spiels</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>das ist keine normale Datei</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>Vorgang nicht erlaubt</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>Speicherkontingent aufgebraucht</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>die Datei oder der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>das ist kein Ordner</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>das ist ein Ordner</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Achtung! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Achtung! Das war falsch: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> mal sehen, ob du ein echter Champion bist</translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> ist eine ungerade Zahl</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Spielen mit geraden und ungeraden Zahlen</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Tschüss, bis bald. Zeit </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Datum </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, ich habe deinen Rekord gespeichert, C H A M P I O N!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>FANGEN WIR EIN NEUES SPIEL AN?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>NEUES SPIEL BEGINNEN</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Bitte bleib noch ein bisschen, vielleicht schaffst du es, mich rauszuholen</translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Klick zum Starten</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Gib das Ergebnis ein und drück die Eingabetaste</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Punkte insgesamt</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Das ist dein Punktestand. Los, hol dir den Rekord!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Rekord von </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Antworten insgesamt</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Klick unter mich, um die Uhr zu starten</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - die Autoren</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Hallo Champion, pass auf bei Zarvento! Jede getroffene ungerade Zahl kostet dich 4 Punkte.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Sprache des Computers</translation>
    </message>
</context>
</TS>
