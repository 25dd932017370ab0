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
    <message>
        <source>Riprova</source>
        <translation>Повторити</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
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
    <message>
        <source>il nome del file è troppo lungo</source>
        <translation>назва файлу задовга</translation>
    </message>
    <message>
        <source>il file è occupato</source>
        <translation>файл зайнятий</translation>
    </message>
    <message>
        <source>il file è occupato da un altro programma</source>
        <translation>файл зайнятий іншою програмою</translation>
    </message>
    <message>
        <source>ci sono troppi file aperti</source>
        <translation>відкрито забагато файлів</translation>
    </message>
    <message>
        <source>la memoria è esaurita</source>
        <translation>пам&apos;ять закінчилася</translation>
    </message>
    <message>
        <source>il file non si può spostare su un altro disco</source>
        <translation>файл не можна перемістити на інший диск</translation>
    </message>
    <message>
        <source>il file è in uso da un programma</source>
        <translation>файлом користується програма</translation>
    </message>
    <message>
        <source>l&apos;operazione è stata interrotta</source>
        <translation>дію перервано</translation>
    </message>
    <message>
        <source>il file è troppo grande</source>
        <translation>файл завеликий</translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation>файл уже існує</translation>
    </message>
    <message>
        <source>l&apos;operazione non è valida</source>
        <translation>дія неприпустима</translation>
    </message>
    <message>
        <source>il dispositivo non esiste</source>
        <translation>пристрою не існує</translation>
    </message>
    <message>
        <source>il file non è più raggiungibile</source>
        <translation>файл більше недоступний</translation>
    </message>
    <message>
        <source>il sistema non ha più blocchi per i file</source>
        <translation>у системі закінчилися блокування файлів</translation>
    </message>
    <message>
        <source>errore del sistema numero %1</source>
        <extracomment>The reason of a failure the game has no words for, with the system&apos;s number for it.</extracomment>
        <translation>системна помилка номер %1</translation>
    </message>
    <message>
        <source>errore sconosciuto</source>
        <extracomment>The reason of a failure that neither the game nor the system could name.</extracomment>
        <translation>невідома помилка</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Mostra queste opzioni ed esce.</source>
        <translation>Показує ці параметри й завершує роботу.</translation>
    </message>
    <message>
        <source>Mostra la versione ed esce.</source>
        <translation>Показує версію й завершує роботу.</translation>
    </message>
    <message>
        <source>Mostra il gioco FATTORE volte più grande, da 0.5 fino a quanto entra nello schermo; fit: il più grande che entra.</source>
        <translation>Показує гру в МНОЖНИК разів більшою, від 0.5 до найбільшого, що вміщується на екрані; fit: найбільший, що вміщується.</translation>
    </message>
    <message>
        <source>FATTORE</source>
        <translation>МНОЖНИК</translation>
    </message>
    <message>
        <source>Opzione sconosciuta: %1</source>
        <translation>Невідомий параметр: %1</translation>
    </message>
    <message>
        <source>Argomento inatteso: %1</source>
        <translation>Неочікуваний аргумент: %1</translation>
    </message>
    <message>
        <source>Per sapere come si usa: zarvento --help</source>
        <translation>Щоб дізнатися, як користуватися: zarvento --help</translation>
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
    <message>
        <source>Un&apos;altra copia del gioco sta salvando il record.

Premi Riprova per aspettare che finisca, o Annulla per chiudere il gioco senza aspettare.</source>
        <translation>Інша копія гри зараз зберігає рекорд.

Натисни «Повторити», щоб дочекатися, поки вона закінчить, або «Скасувати», щоб закрити гру, не чекаючи.</translation>
    </message>
</context>
</TS>
