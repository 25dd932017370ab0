// Bad input of every kind: the game goes on normally or reports the error and ends, record intact.
// Odd record files, names and sound files, and a replacement of the record failing at each step.
#include "game.h"
#include "records/recordfiles.h"
#include "sound/sdlvoice.h"
#include "table/targets.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarvento::testing {
namespace {

const QString congratulation = QStringLiteral("Ok ho registrato il tuo record, C A M P I O N E\"");

// Texts and bytes as std::string, so that a failure prints them readably.
std::string text(const QString &s)
{
    return s.toStdString();
}
std::string bytes(const QByteArray &b)
{
    return b.toStdString();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// What stands at path, without following a link or opening a FIFO: a regular file's bytes (a
// digest when long, so that a failure stays readable), or what else it is.
std::string entryAt(const QString &path)
{
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "<missing>";
    if (S_ISDIR(st.st_mode))
        return "<folder>";
    if (S_ISFIFO(st.st_mode))
        return "<fifo>";
    if (S_ISLNK(st.st_mode))
        return "<link to " + QFile::symLinkTarget(path).toStdString() + ">";
    const QByteArray content = readAll(path);
    if (content.size() <= 200)
        return bytes(content);
    return "<" + std::to_string(content.size()) + " bytes, sha1 " +
           QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex().toStdString() + ">";
}

// The records folder and everything in it.
using Entries = std::map<std::string, std::string>;
Entries entriesOf(const Game &game)
{
    const QString folder = game.recordsFolder();
    Entries entries{{"(the folder)", entryAt(folder.chopped(1))}};
    const QDir dir(folder);
    for (const QString &name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        entries[name.toStdString()] = entryAt(folder + name);
    return entries;
}

int boxesStartingWith(const Game &game, const QString &start)
{
    return static_cast<int>(
        std::count_if(game.dialogs.boxes.begin(), game.dialogs.boxes.end(),
                      [&](const ScriptedDialogs::Box &box) { return box.text.startsWith(start); }));
}

// The standard error report: a Critical box with the game's title, naming the file, and the end
// with status 1.
void expectErrorReport(const Game &game, const QString &path)
{
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.tavola.exitStatus(), 1);
    EXPECT_EQ(game.system.endings, std::vector<int>{1});
    ASSERT_FALSE(game.dialogs.boxes.empty());
    const ScriptedDialogs::Box &box = game.dialogs.boxes.back();
    EXPECT_EQ(box.style, MsgBox::Critical);
    EXPECT_EQ(text(box.title), "Zarvento");
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Impossibile "))) << text(box.text);
    EXPECT_TRUE(box.text.contains(QStringLiteral("«") + QDir::toNativeSeparators(path) +
                                  QStringLiteral("»")))
        << text(box.text) << "\nshould name " << text(path);
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("Il gioco verrà chiuso."))) << text(box.text);
    EXPECT_EQ(boxesStartingWith(game, congratulation), 0);
}

// What a later start of the game shows in a control, with the records as they are now.
QString shownAtNextStart(Control control)
{
    FakeForm form;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakeSounds sounds;
    FakeSystem system;
    Tavola next(form, dialogs, random, sounds, system);
    form.onResize = [&] { next.resized(); };
    dialogs.names.push_back(QStringLiteral("Lia"));
    next.formInitialize();
    if (next.ended())
        return QStringLiteral("<ended: ") + dialogs.boxes.back().text + QLatin1Char('>');
    return form.caption(control);
}

void putFolder(const QString &path)
{
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path)) << text(path);
}

void putFifo(const QString &path)
{
    QFile::remove(path);
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0) << text(path);
}

// A link whose target lies beneath a regular file, so that nothing can ever be made there.
void putLinkThroughAFile(const QString &path, const QString &file)
{
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(file + QStringLiteral("/x"), path)) << text(path);
}

// Gives the folder back its permissions, so that a test that took them away can be cleaned up.
struct FolderPermissionsBack {
    QString folder;
    ~FolderPermissionsBack() { chmod(QFile::encodeName(folder).constData(), 0700); }
};

// A table row's name as the name of its test.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row> &row) const
    {
        return row.param.name;
    }
};

// ---- Record files -------------------------------------------------------------------------------

enum class Start { Plays, Reports };
enum class Leaving { StoresTheNewPair, KeepsTheOldPair };

struct RecordFileCase {
    std::string name;
    std::function<void(const Game &)> prepare; // what the records folder holds before the start
    Start start;
    QString reported;   // Reports: the file the report names, relative to the folder ("" itself)
    QString shownScore; // Plays: lblpunti and lblnome once started
    QString shownName;
    QString leavingScore; // Plays: the score text when leaving
    Leaving leaving;
    bool needsNonRoot = false;
};

RecordFileCase plays(std::string name, std::function<void(const Game &)> prepare,
                     QString shownScore, QString shownName, QString leavingScore, Leaving leaving)
{
    return {std::move(name),
            std::move(prepare),
            Start::Plays,
            QString(),
            std::move(shownScore),
            std::move(shownName),
            std::move(leavingScore),
            leaving};
}

RecordFileCase reports(std::string name, std::function<void(const Game &)> prepare,
                       QString reported, bool needsNonRoot = false)
{
    return {std::move(name), std::move(prepare), Start::Reports, std::move(reported),
            QString(),       QString(),          QString(),      Leaving::KeepsTheOldPair,
            needsNonRoot};
}

std::function<void(const Game &)> pair(QByteArray score, QByteArray name)
{
    return [=](const Game &game) { game.writeRecord(score, name); };
}

// The stored pair 12 and Marco, with one of the record files replaced by something else.
std::function<void(const Game &)> pairWith(const QString &file, void (*put)(const QString &path))
{
    return [=](const Game &game) {
        game.writeRecord("12\r\n", "Marco\r\n");
        put(game.recordsFolder() + file);
    };
}

const QString score = scoreFileName;
const QString name = nameFileName;
const QString journal = QStringLiteral("record.new");
const QString lock = QStringLiteral("record.lock");

std::vector<RecordFileCase> recordFileCases()
{
    using L = Leaving;
    const QString euro = QStringLiteral("€");
    return {
        plays(
            "FolderMissing", [](const Game &) {}, "", "", "0", L::StoresTheNewPair),
        reports(
            "RegularFileInPlaceOfTheFolder",
            [](const Game &game) {
                ASSERT_TRUE(writeFile(game.recordsFolder().chopped(1), "12\r\n"));
            },
            ""),
        reports("FolderInPlaceOfTheScoreFile", pairWith(score, putFolder), score),
        reports("FolderInPlaceOfTheNameFile", pairWith(name, putFolder), name),
        reports("FifoInPlaceOfTheScoreFile", pairWith(score, putFifo), score),
        reports("FifoInPlaceOfTheNameFile", pairWith(name, putFifo), name),
        reports("FifoInPlaceOfTheLock", pairWith(lock, putFifo), lock),
        reports("FolderInPlaceOfTheLock", pairWith(lock, putFolder), lock),
        reports("FolderInPlaceOfTheJournal", pairWith(journal, putFolder), journal),
        reports(
            "UnwritableFolder",
            [](const Game &game) {
                game.writeRecord("12\r\n", "Marco\r\n");
                ASSERT_EQ(chmod(QFile::encodeName(game.recordsFolder()).constData(), 0500), 0);
            },
            lock, true),
        // A replacement cut short before: the start completes it, and shows the new pair.
        plays(
            "JournalOfAnInterruptedReplacement",
            [](const Game &game) {
                game.writeRecord(" 9\r\n", "Lia\r\n");
                ASSERT_TRUE(writeFile(game.recordsFolder() + journal, " 9\r\nBruno\r\n"));
            },
            " 9\r\n", "Bruno\r\n", "10", L::StoresTheNewPair),
        plays("Empty", pair("", ""), "", "", " 3", L::StoresTheNewPair),
        plays("LineEndAlone", pair("\r\n", "\r\n"), "\r\n", "\r\n", "-4", L::StoresTheNewPair),
        plays("BlanksOnly", pair("   \r\n", "  \r\n"), "   \r\n", "  \r\n", "0",
              L::StoresTheNewPair),
        plays("GarbageText", pair("dodici\r\n", "Marco\r\n"), "dodici\r\n", "Marco\r\n", "-8",
              L::StoresTheNewPair),
        // A number followed by binary junk is no whole number, so no record.
        plays("BinaryWithNulBytes",
              pair(QByteArray("12\0\x01\x02\r\n", 7), QByteArray("Ma\0rco", 6)),
              QStringLiteral("12") + QChar(0) + QStringLiteral("\x01\x02\r\n"),
              QStringLiteral("Ma") + QChar(0) + QStringLiteral("rco"), "0", L::StoresTheNewPair),
        plays("InvalidUtf8", pair("\xff\xfe\x37\r\n", "Zo\xc3\r\n"), "\uFFFD\uFFFD7\r\n",
              "Zo\uFFFD\r\n", "0", L::StoresTheNewPair),
        plays("ByteOrderMark",
              pair("\xEF\xBB\xBF"
                   "12\r\n",
                   "Marco\r\n"),
              "12\r\n", "Marco\r\n", " 9", L::KeepsTheOldPair),
        plays("LongLine", pair(QByteArray("9").repeated(100 * 1024) + "\r\n", "Marco\r\n"),
              QString(maxRecordRead, QLatin1Char('9')), "Marco\r\n", "0", L::StoresTheNewPair),
        // 65536 bytes end one byte into a three-byte character, which reads as one replacement.
        plays("LongNameCutInsideACharacter",
              pair("12\r\n", QByteArray("\xE2\x82\xAC").repeated(34134)), "12\r\n",
              euro.repeated(21845) + QChar(QChar::ReplacementCharacter), "13", L::StoresTheNewPair),
        // A record padded with 10 MB of blanks is still 5, and a lower score leaves it untouched.
        plays("TenMegabyteScore",
              pair("5" + QByteArray(10 * 1024 * 1024, ' ') + "\r\n", "Marco\r\n"),
              QStringLiteral("5") + QString(maxRecordRead - 1, QLatin1Char(' ')), "Marco\r\n", "3",
              L::KeepsTheOldPair),
        plays("TenMegabyteName", pair("5\r\n", QByteArray(10 * 1024 * 1024, 'x')), "5\r\n",
              QString(maxRecordRead, QLatin1Char('x')), " 6", L::StoresTheNewPair),
        plays("CarriageReturnAlone", pair("12\r", "Marco\r"), "12\r", "Marco\r", " 9",
              L::KeepsTheOldPair),
        plays("CarriageReturnAloneBeaten", pair("12\r", "Marco\r"), "12\r", "Marco\r", "13",
              L::StoresTheNewPair),
        plays("LineFeedAlone", pair("12\n", "Marco\n"), "12\n", "Marco\n", "12",
              L::KeepsTheOldPair),
        plays("LineFeedAloneBeaten", pair("12\n", "Marco\n"), "12\n", "Marco\n", " 40",
              L::StoresTheNewPair),
        plays("SeveralLines", pair("12\r\n34\r\n", "Marco\r\nLia\r\n"), "12\r\n34\r\n",
              "Marco\r\nLia\r\n", "-4", L::StoresTheNewPair),
    };
}

void PrintTo(const RecordFileCase &c, std::ostream *os)
{
    *os << c.name;
}

class RecordFiles : public ::testing::TestWithParam<RecordFileCase> {};

TEST_P(RecordFiles, StartShowsTheRecordOrReportsTheFileAndLeavingKeepsThePairWhole)
{
    const RecordFileCase &c = GetParam();
    if (c.needsNonRoot && geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root from writing";
    Game game;
    const FolderPermissionsBack permissionsBack{game.recordsFolder()};
    c.prepare(game);
    const Entries before = entriesOf(game);
    game.start(QStringLiteral("Anna"));

    if (c.start == Start::Reports) {
        expectErrorReport(game, game.recordsFolder() + c.reported);
        EXPECT_EQ(boxesStartingWith(game, QStringLiteral("Ciao")), 0);
        EXPECT_EQ(entriesOf(game), before);
        return;
    }

    ASSERT_FALSE(game.tavola.ended()) << text(game.dialogs.boxes.back().text);
    EXPECT_EQ(text(game.caption(Control::lblpunti)), text(c.shownScore));
    EXPECT_EQ(text(game.caption(Control::lblnome)), text(c.shownName));
    EXPECT_EQ(text(game.caption(Control::lblnome1)), "Anna");
    EXPECT_EQ(text(game.caption(Control::lblconto)), "00:15:00");

    game.form.setCaption(Control::Punteggio, c.leavingScore);
    game.tavola.controlClicked(Control::cmdExit);
    ASSERT_TRUE(game.tavola.ended());
    EXPECT_EQ(game.system.endings, std::vector<int>{0}) << text(game.dialogs.boxes.back().text);
    if (c.leaving == Leaving::StoresTheNewPair) {
        EXPECT_EQ(boxesStartingWith(game, congratulation), 1);
        const Entries expected{{"(the folder)", "<folder>"},
                               {"apari.txt", bytes(c.leavingScore.toUtf8() + "\r\n")},
                               {"pari.txt", "Anna\r\n"}};
        EXPECT_EQ(entriesOf(game), expected);
    } else {
        EXPECT_EQ(boxesStartingWith(game, congratulation), 0);
        EXPECT_EQ(entriesOf(game), before);
    }
}

INSTANTIATE_TEST_SUITE_P(BadInput, RecordFiles, ::testing::ValuesIn(recordFileCases()), RowName());

// ---- Names --------------------------------------------------------------------------------------

struct NameCase {
    std::string name;
    QString typed;
    QByteArray stored; // pari.txt after leaving with a new record
};

std::vector<NameCase> nameCases()
{
    const QString longName = QStringLiteral("Anna").repeated(2500);
    return {
        {"Empty", QString(), "\r\n"},
        {"BlanksOnly", QStringLiteral("   "), "   \r\n"},
        {"BlanksAtBothEnds", QStringLiteral("  Anna  "), "  Anna  \r\n"},
        {"TenThousandCharacters", longName, longName.toUtf8() + "\r\n"},
        {"Emoji", QStringLiteral("Zoë 🦊🎉"),
         "Zo\xC3\xAB \xF0\x9F\xA6\x8A\xF0\x9F\x8E\x89\r\n"},
        // Not normalised: the combining marks stay separate characters.
        {"CombiningMarks", QStringLiteral("Zoe\u0308 Jose\u0301"), "Zoe\xCC\x88 Jose\xCC\x81\r\n"},
        {"RightToLeft", QStringLiteral("\u05DE\u05E8\u05D9\u05DD \u202Eanna"),
         "\xD7\x9E\xD7\xA8\xD7\x99\xD7\x9D \xE2\x80\xAE"
         "anna\r\n"},
        {"MarkupBold", QStringLiteral("<b>x</b>"), "<b>x</b>\r\n"},
        {"MarkupImage", QStringLiteral("<img src=x>"), "<img src=x>\r\n"},
        {"MarkupLink", QStringLiteral("<a href=\"http://example.org\">x</a>"),
         "<a href=\"http://example.org\">x</a>\r\n"},
        {"ControlCharacters",
         QStringLiteral("A\tB\x01"
                        "C\x1B[31m"),
         "A\tB\x01"
         "C\x1B[31m\r\n"},
        {"NulInside", QStringLiteral("An") + QChar(0) + QStringLiteral("na"),
         QByteArray("An\0na\r\n", 7)},
        {"LineBreaks", QStringLiteral("Anna\r\nMaria\nx\ry"), "Anna  Maria x y\r\n"},
        {"LineBreaksOnly", QStringLiteral("\r\n\n\r"), "    \r\n"},
        // Only CR and LF end a line of the file; other separators are kept as they are.
        {"UnicodeLineSeparators", QStringLiteral("Anna\u2028Maria\u0085x"),
         "Anna\xE2\x80\xA8Maria\xC2\x85x\r\n"},
    };
}

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.name;
}

class Names : public ::testing::TestWithParam<NameCase> {};

TEST_P(Names, AreGreetedShownAndStoredLiterallyOnOneLine)
{
    const NameCase &c = GetParam();
    Game game;
    game.start(c.typed);
    ASSERT_FALSE(game.tavola.ended());
    ASSERT_FALSE(game.dialogs.boxes.empty());
    EXPECT_EQ(
        text(game.dialogs.boxes.front().text),
        text(QLatin1Char(' ') + c.typed + QStringLiteral(" vediamo se sei un vero campione  ")));
    EXPECT_EQ(text(game.caption(Control::lblnome1)), text(c.typed));

    game.form.setCaption(Control::Punteggio, QStringLiteral(" 5"));
    game.tavola.controlClicked(Control::cmdExit);
    ASSERT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(boxesStartingWith(game, congratulation), 1);
    const QByteArray stored = game.storedName();
    EXPECT_EQ(bytes(stored), bytes(c.stored));
    EXPECT_EQ(stored.count('\n'), 1);
    EXPECT_EQ(stored.count('\r'), 1);
    EXPECT_TRUE(stored.endsWith("\r\n"));
    EXPECT_EQ(text(shownAtNextStart(Control::lblnome)), text(QString::fromUtf8(c.stored)));
}

INSTANTIATE_TEST_SUITE_P(BadInput, Names, ::testing::ValuesIn(nameCases()), RowName());

// ---- Sound files --------------------------------------------------------------------------------

// A silent PCM WAV with the plain 44-byte header.
QByteArray wav(quint16 channels, quint32 rate, quint16 bits, quint32 frames)
{
    const quint16 frameBytes = static_cast<quint16>(channels * bits / 8);
    const quint32 dataSize = frames * frameBytes;
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32{36 + dataSize};
    out.writeRawData("WAVEfmt ", 8);
    out << quint32{16} << quint16{1} << channels << rate << rate * frameBytes << frameBytes << bits;
    out.writeRawData("data", 4);
    out << dataSize;
    // Silence: the middle value for unsigned 8-bit samples, zero for signed 16-bit ones.
    return header + QByteArray(static_cast<qsizetype>(dataSize), bits == 8 ? '\x80' : '\0');
}

const char *const soundNames[] = {"sparo.wav", "esplosi.wav", "laser.wav"};

// Puts the same content under each of the three sounds' names.
std::function<void(const QString &)> sounds(const QByteArray &content)
{
    return [content](const QString &suoni) {
        ASSERT_TRUE(QDir().mkpath(suoni));
        for (const char *file : soundNames)
            ASSERT_TRUE(writeFile(suoni + QLatin1Char('/') + QLatin1String(file), content));
    };
}

struct SoundCase {
    std::string name;
    std::function<void(const QString &suoni)> make;
    bool plays;
};

std::vector<SoundCase> soundCases()
{
    const QByteArray second = wav(1, 22050, 16, 22050);
    QByteArray zeroChannels = second;
    zeroChannels[22] = 0;
    return {
        {"NoSoundFolder", [](const QString &) {}, false},
        {"SoundsAreFolders",
         [](const QString &suoni) {
             for (const char *file : soundNames)
                 ASSERT_TRUE(QDir().mkpath(suoni + QLatin1Char('/') + QLatin1String(file)));
         },
         false},
        {"Empty", sounds(QByteArray()), false},
        {"HeaderCutShort", sounds(second.left(30)), false},
        {"SamplesCutShort", sounds(second.left(44 + 1000)), true},
        {"NotAWav", sounds("not a sound, just words\n"), false},
        {"ZeroChannels", sounds(zeroChannels), false},
        {"EightBit", sounds(wav(1, 22050, 8, 22050)), true},
        {"Stereo", sounds(wav(2, 22050, 16, 22050)), true},
        {"At48kHz", sounds(wav(1, 48000, 16, 48000)), true},
        // 20 MiB, made here and never committed; linked under the three names to write it once.
        {"TwentyMegabytes",
         [](const QString &suoni) {
             ASSERT_TRUE(QDir().mkpath(suoni));
             const QString first = suoni + QStringLiteral("/sparo.wav");
             ASSERT_TRUE(writeFile(first, wav(2, 44100, 16, 5 * 1024 * 1024)));
             for (const char *file : {"esplosi.wav", "laser.wav"})
                 ASSERT_EQ(link(QFile::encodeName(first).constData(),
                                QFile::encodeName(suoni + QLatin1Char('/') + QLatin1String(file))
                                    .constData()),
                           0);
         },
         true},
    };
}

void PrintTo(const SoundCase &c, std::ostream *os)
{
    *os << c.name;
}

class SoundFiles : public ::testing::TestWithParam<SoundCase> {};

std::optional<Control> visibleTarget(const FakeForm &form, Parity parity)
{
    for (const TargetRow &row : targetRows)
        if (row.parity == parity && form.isVisible(row.button))
            return row.button;
    return std::nullopt;
}

TEST_P(SoundFiles, TheVoiceReturnsAndEveryHitCompletes)
{
    const SoundCase &c = GetParam();
    Game game; // for its records folder and stand-ins; the rules run on the real voice
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    game.system.folder = program.path();
    const QString suoni = program.path() + QStringLiteral("/suoni");
    c.make(suoni);
    const auto expected = [&](const char *file) {
        return c.plays ? text(suoni + QLatin1Char('/') + QLatin1String(file)) : std::string();
    };

    SdlVoice voice;
    ASSERT_TRUE(voice.isOpen());
    Tavola tavola(game.form, game.dialogs, game.random, voice, game.system);
    game.form.onResize = [&] { tavola.resized(); };
    game.dialogs.names.push_back(QStringLiteral("Anna"));
    tavola.formInitialize();
    tavola.showWindow();
    ASSERT_FALSE(tavola.ended());

    tavola.windowClicked();
    EXPECT_EQ(text(voice.playingPath()), expected("laser.wav"));
    EXPECT_TRUE(game.form.isTimerEnabled(Timer::Timer2));

    std::optional<Control> even = visibleTarget(game.form, Parity::Even);
    for (int tick = 0; tick < 100 && !even; ++tick) {
        tavola.timerTicked(Timer::Timer2);
        even = visibleTarget(game.form, Parity::Even);
    }
    ASSERT_TRUE(even);
    tavola.controlClicked(*even);
    EXPECT_EQ(text(voice.playingPath()), expected("sparo.wav"));
    EXPECT_EQ(text(game.caption(Control::Punteggio)), " 1");
    EXPECT_EQ(tavola.variables().flashStep, 20001);
    EXPECT_FALSE(game.form.isVisible(*even));

    std::optional<Control> odd = visibleTarget(game.form, Parity::Odd);
    for (int tick = 0; tick < 100 && !odd; ++tick) {
        tavola.timerTicked(Timer::Timer2);
        odd = visibleTarget(game.form, Parity::Odd);
    }
    ASSERT_TRUE(odd);
    const QString number = game.caption(*odd);
    tavola.controlClicked(*odd);
    EXPECT_EQ(text(voice.playingPath()), expected("esplosi.wav"));
    EXPECT_TRUE(
        game.dialogs.boxes.back().text.endsWith(number + QStringLiteral(" è  un numero dispari")))
        << text(game.dialogs.boxes.back().text);
    EXPECT_EQ(text(game.caption(Control::Punteggio)), "-3");
    EXPECT_EQ(tavola.variables().flashStep, 10001);
    EXPECT_FALSE(game.form.isVisible(*odd));

    tavola.controlClicked(Control::cmdExit);
    EXPECT_EQ(game.system.endings, std::vector<int>{0});
    EXPECT_EQ(bytes(game.storedScore()), "-3\r\n");
}

INSTANTIATE_TEST_SUITE_P(BadInput, SoundFiles, ::testing::ValuesIn(soundCases()), RowName());

// ---- Replacing the record failing at each step --------------------------------------------------

// Writes past this many bytes fail, as on a full disk: how a step of the replacement is made to
// fail for root too. The signal is ignored so that the write only fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        if (limit == 0)
            return;
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lowered = old_;
        lowered.rlim_cur = limit;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        EXPECT_TRUE(active_);
    }
    ~FileSizeLimit()
    {
        if (!active_)
            return;
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

enum class Afterwards { OldPairStands, NewPairAtNextStart };

struct ReplacementCase {
    std::string name;
    QByteArray oldScore; // beside the old name Marco
    QString player;      // leaving with the score 40
    std::function<void(const Game &)> breakIt;
    rlim_t fileSizeLimit; // 0: none
    QString reported;
    Afterwards afterwards;
    std::function<void(const Game &)> mend; // NewPairAtNextStart: takes the obstacle away
};

std::vector<ReplacementCase> replacementCases()
{
    const auto in = [](const QString &file, void (*put)(const QString &)) {
        return [=](const Game &game) { put(game.recordsFolder() + file); };
    };
    const auto through = [](const QString &file, const QString &other) {
        return [=](const Game &game) {
            putLinkThroughAFile(game.recordsFolder() + file, game.recordsFolder() + other);
        };
    };
    const auto nothing = [](const Game &) {};
    using A = Afterwards;
    return {
        {"LockIsAFifo", "12\r\n", "Anna", in(lock, putFifo), 0, lock, A::OldPairStands, {}},
        {"JournalIsAFolder",
         "12\r\n",
         "Anna",
         in(journal, putFolder),
         0,
         journal,
         A::OldPairStands,
         {}},
        // A long name makes the journal the only file longer than the limit.
        {"JournalCannotBeWritten",
         "12\r\n",
         QString(2000, QLatin1Char('n')),
         nothing,
         1024,
         journal,
         A::OldPairStands,
         {}},
        {"ScoreTemporaryCannotBeMade",
         "12\r\n",
         "Anna",
         through(score, name),
         0,
         score,
         A::OldPairStands,
         {}},
        {"NameFileIsAFolder", "12\r\n", "Anna", in(name, putFolder), 0, name, A::OldPairStands, {}},
        {"NameTemporaryCannotBeMade",
         "12\r\n",
         "Anna",
         through(name, score),
         0,
         name,
         A::OldPairStands,
         {}},
        // The old score is longer than the limit, so it cannot be put back: the journal stays and
        // the next start completes the new pair.
        {"NameFailsAndTheOldScoreCannotBePutBack", "12" + QByteArray(4000, ' ') + "\r\n", "Anna",
         in(name, putFolder), 1024, name, A::NewPairAtNextStart,
         [](const Game &game) { ASSERT_TRUE(QDir().rmdir(game.namePath())); }},
    };
}

void PrintTo(const ReplacementCase &c, std::ostream *os)
{
    *os << c.name;
}

class Replacement : public ::testing::TestWithParam<ReplacementCase> {};

TEST_P(Replacement, FailingAtAnyStepIsReportedAndLeavesOnePairWhole)
{
    const ReplacementCase &c = GetParam();
    Game game;
    game.writeRecord(c.oldScore, "Marco\r\n");
    game.start(c.player);
    ASSERT_FALSE(game.tavola.ended());
    game.form.setCaption(Control::Punteggio, QStringLiteral("40"));
    c.breakIt(game);
    const Entries broken = entriesOf(game);
    {
        const FileSizeLimit limit(c.fileSizeLimit);
        game.tavola.controlClicked(Control::cmdExit);
    }
    expectErrorReport(game, game.recordsFolder() + c.reported);

    const QByteArray newScore = "40\r\n";
    const QByteArray newName = c.player.toUtf8() + "\r\n";
    if (c.afterwards == Afterwards::OldPairStands) {
        EXPECT_EQ(entriesOf(game), broken);
        return;
    }
    EXPECT_EQ(bytes(readAll(game.recordsFolder() + journal)), bytes(newScore + newName));
    c.mend(game);
    EXPECT_EQ(text(shownAtNextStart(Control::lblpunti)), text(QString::fromUtf8(newScore)));
    const Entries expected{
        {"(the folder)", "<folder>"}, {"apari.txt", bytes(newScore)}, {"pari.txt", bytes(newName)}};
    EXPECT_EQ(entriesOf(game), expected);
}

INSTANTIATE_TEST_SUITE_P(BadInput, Replacement, ::testing::ValuesIn(replacementCases()), RowName());

} // namespace
} // namespace zarvento::testing
