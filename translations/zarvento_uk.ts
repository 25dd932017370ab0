<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>його заблокувала інша копія гри</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>доступ заборонено</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>дія не дозволена</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>диск лише для читання</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>на диску немає місця</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>квоту диска вичерпано</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>файлу або теки не існує</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>це не тека</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>забагато символьних посилань</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>помилка введення/виведення</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>Не вдається створити теку рекордів «%1»</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>Не вдається відкрити файл рекордів «%1»</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>Не вдається прочитати файл рекордів «%1»</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>Не вдається записати файл рекордів «%1»</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

Гра зараз закриється.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>Увага! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>Увага! Помилка: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Як тебе звати?</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> подивимося, чи ти справжній чемпіон </translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> — це непарне число</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>Граємо з парними і непарними числами</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>Бувай, до зустрічі. Час </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>Дата </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>Гаразд, я записав твій рекорд, Ч Е М П І О Н!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ПОЧНЕМО НОВУ ГРУ?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ПОЧАТИ НОВУ ГРУ</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Вихід (&amp;X)</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>Будь ласка, побудь ще трохи, може, тобі вдасться мене вивести </translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>Натисни, щоб почати (&amp;C)</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Вперед!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>Напиши відповідь і натисни Enter</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>Усього балів</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>Це твої бали. Ну ж бо, побий рекорд!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>балів:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>ім&apos;я</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Рекорд: </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Залишилось часу</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Усього відповідей</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Неправильні відповіді</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>Клацни під мною, щоб запустити таймер</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento — автори</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>Привіт, чемпіоне, обережно із Zarvento! Кожне влучене непарне число забирає в тебе 4 бали.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>Мова комп&apos;ютера</translation>
    </message>
</context>
</TS>
