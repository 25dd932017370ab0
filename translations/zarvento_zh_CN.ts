<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="it_IT">
<context>
    <name>Dialogs</name>
    <message>
        <source>Sì</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>è bloccato da un&apos;altra copia del gioco</source>
        <translation>被游戏的另一个副本锁住了</translation>
    </message>
    <message>
        <source>non è un file normale</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>operazione non permessa</source>
        <translation>不允许这样操作</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>磁盘是只读的</translation>
    </message>
    <message>
        <source>spazio esaurito sul disco</source>
        <translation>磁盘没有空间了</translation>
    </message>
    <message>
        <source>quota del disco esaurita</source>
        <translation>磁盘配额用完了</translation>
    </message>
    <message>
        <source>il file o la cartella non esiste</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>符号链接太多</translation>
    </message>
    <message>
        <source>errore di input/output</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella dei record «%1»</source>
        <translation>无法创建记录文件夹“%1”</translation>
    </message>
    <message>
        <source>Impossibile aprire il file dei record «%1»</source>
        <translation>无法打开记录文件“%1”</translation>
    </message>
    <message>
        <source>Impossibile leggere il file dei record «%1»</source>
        <translation>无法读取记录文件“%1”</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file dei record «%1»</source>
        <translation>无法写入记录文件“%1”</translation>
    </message>
    <message>
        <source>.

Il gioco verrà chiuso.</source>
        <extracomment>The end of the error report, after the reason.</extracomment>
        <translation>。

游戏现在要关闭了。</translation>
    </message>
</context>
<context>
    <name>Tavola</name>
    <message>
        <source>Attenzione!  </source>
        <extracomment>The warning of an odd hit, before the number hit.</extracomment>
        <translation>注意！ </translation>
    </message>
    <message>
        <source>Attenzione! Hai sbagliato:  </source>
        <extracomment>The warning of an odd hit on one of the targets, before the number hit.</extracomment>
        <translation>注意！打错了： </translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>你叫什么名字？</translation>
    </message>
    <message>
        <source> vediamo se sei un vero campione  </source>
        <extracomment>The greeting, after a blank and the name the player typed.</extracomment>
        <translation> 我们来看看你是不是真正的冠军 </translation>
    </message>
    <message>
        <source> è  un numero dispari</source>
        <extracomment>The warning of an odd hit, after the number hit.</extracomment>
        <translation> 是单数</translation>
    </message>
    <message>
        <source>Giocare con i numeri pari e dispari</source>
        <translation>玩双数和单数</translation>
    </message>
    <message>
        <source>Ciao a presto. Ore </source>
        <extracomment>The goodbye, before the seconds that were left.</extracomment>
        <translation>再见，下次见。时间 </translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>The goodbye&apos;s title, before today&apos;s date.</extracomment>
        <translation>日期 </translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>好的，我记下你的纪录了，冠军！</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>我们开始新的比赛吗？</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>开始新的比赛</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Ti prego resta ancora, forse riuscirai a farmi uscire </source>
        <translation>请再待一会儿，也许你能让我出去 </translation>
    </message>
    <message>
        <source>&amp;Clicca per iniziare</source>
        <translation>点击开始(&amp;C)</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>出发！</translation>
    </message>
    <message>
        <source>Inizio</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Inserisci il risultato e  premi il tasto  Invio</source>
        <translation>写下答案，然后按回车键</translation>
    </message>
    <message>
        <source>Punti complessivi</source>
        <translation>总分</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>这是你的分数。加油，打破纪录！</translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>分数：</translation>
    </message>
    <message>
        <source>nome</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>纪录保持者： </translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>回答总数</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>答错的题</translation>
    </message>
    <message>
        <source>Clicca sotto di me per attivare il Timer</source>
        <translation>点我下面来启动计时器</translation>
    </message>
    <message>
        <source>Zarvento - gli autori</source>
        <translation>Zarvento - 作者</translation>
    </message>
    <message>
        <source>Nuovo gioco</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Ciao campione, mi raccomando Zarvento. Ogni numero dispari colpito ti farà perdere 4 punti.</source>
        <translation>你好，小冠军，玩 Zarvento 要小心！每打中一个单数，就要扣 4 分。</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Lingua del computer</source>
        <translation>电脑的语言</translation>
    </message>
</context>
</TS>
