<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>No se puede crear la carpeta de los récords «%1»</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>No se puede abrir el archivo de los récords «%1»</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>No se puede leer el archivo de los récords «%1»</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>No se puede escribir el archivo de los récords «%1»</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

El juego se va a cerrar.</translation>
    </message>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>está bloqueado por otra copia del juego</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>operación no permitida</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>cuota de disco agotada</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>el archivo o la carpeta no existe</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>demasiados enlaces simbólicos</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>error de entrada/salida</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>¡Cuidado! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>¡Cuidado! Te has equivocado: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> veamos si eres un auténtico campeón</translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> es un número impar</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Jugar con los números pares e impares</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Adiós, hasta pronto. Tiempo </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Fecha </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>Vale, he guardado tu récord, ¡C A M P E Ó N!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>¿EMPEZAMOS UNA NUEVA PARTIDA?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>EMPEZAR UNA NUEVA PARTIDA</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Por favor, quédate un poco más, quizá consigas hacerme salir</translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Clic para empezar</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>¡Vamos!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Escribe el resultado y pulsa Intro</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Puntos totales</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Esta es tu puntuación. ¡A por el récord!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>puntos:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Récord de </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Retador</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Respuestas totales</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Haz clic debajo de mí para poner en marcha el reloj</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - los autores</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Hola, campeón, ¡cuidado con Zarvento! Cada número impar que tocas te quita 4 puntos.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Idioma del ordenador</translation>
    </message>
</context>
</TS>
