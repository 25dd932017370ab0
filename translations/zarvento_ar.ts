<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>مقفل من نسخة أخرى من اللعبة</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>الإذن مرفوض</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>عملية غير مسموح بها</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>القرص للقراءة فقط</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>لا توجد مساحة على القرص</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>نفدت حصة القرص</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>الملف أو المجلد غير موجود</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>هذا مجلد</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>روابط رمزية كثيرة جدًا</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>خطأ في الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>لا يمكن إنشاء مجلد الأرقام القياسية «%1»</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>لا يمكن فتح ملف الأرقام القياسية «%1»</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>لا يمكن قراءة ملف الأرقام القياسية «%1»</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>لا يمكن كتابة ملف الأرقام القياسية «%1»</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>.

ستُغلق اللعبة الآن.</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>انتبه! </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>انتبه! أخطأت: </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>ما اسمك؟</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> لنرَ هل أنت بطل حقيقي </translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> عدد فردي</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>نلعب بالأعداد الزوجية والفردية</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>مع السلامة، إلى اللقاء قريبًا. الوقت </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>التاريخ </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>حسنًا، حفظت رقمك القياسي يا بطل!</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>هل نبدأ مباراة جديدة؟</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>بدء مباراة جديدة</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>أرجوك ابقَ قليلًا، ربما تنجح في إخراجي </translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>انقر لتبدأ (&amp;C)</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>هيا!</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>اكتب النتيجة واضغط Enter</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>مجموع النقاط</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>هذه نقاطك. هيا، اكسر الرقم القياسي!</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>النقاط:</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>الرقم القياسي: </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>اللاعب</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>كل الإجابات</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>الإجابات الخاطئة</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>انقر تحتي لتشغيل المؤقت</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - المؤلفون</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>مرحبًا يا بطل، انتبه مع Zarvento! كل عدد فردي تصيبه يُفقدك 4 نقاط.</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>لغة الحاسوب</translation>
    </message>
</context>
</TS>
