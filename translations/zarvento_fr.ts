<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Impossible de créer le dossier des records « %1 »</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Impossible d&apos;ouvrir le fichier des records « %1 »</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Impossible de lire le fichier des records « %1 »</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Impossible d&apos;écrire le fichier des records « %1 »</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

Le jeu va se fermer.</translation>
    </message>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>il est bloqué par une autre copie du jeu</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>opération non permise</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>plus de place sur le disque</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>quota de disque épuisé</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>le fichier ou le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>trop de liens symboliques</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>erreur d&apos;entrée/sortie</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Attention ! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Attention ! Tu t&apos;es trompé : </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Comment tu t&apos;appelles ?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> voyons si tu es un vrai champion</translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> est un nombre impair</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Jouer avec les nombres pairs et impairs</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Salut, à bientôt. Temps </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Date </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>OK, j&apos;ai enregistré ton record, C H A M P I O N !</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ON COMMENCE UNE NOUVELLE PARTIE ?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>COMMENCER UNE NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Reste encore un peu, s&apos;il te plaît, tu arriveras peut-être à me faire sortir</translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>&amp;Clique pour jouer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>C&apos;est parti</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Écris le résultat et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Points en tout</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Voici ton score. Vas-y, bats le record !</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>points :</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Record : </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Réponses en tout</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Clique sous moi pour lancer le chrono</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - les auteurs</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Salut, champion, attention avec Zarvento ! Chaque nombre impair touché te fait perdre 4 points.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Langue de l&apos;ordinateur</translation>
    </message>
</context>
</TS>
