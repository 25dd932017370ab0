// libFuzzer target for the record files: any bytes as stored score, name or journal stay harmless.
// They read, parse and get replaced or kept without a crash, a flood or a broken pair.
#include "records/recordfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace zarvento;

namespace {

const QString journalName = QStringLiteral("record.new");

// A broken rule of the record files is a finding: stop the run with it.
void require(bool holds, const char *rule)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

QString folder; // the records folder, with a trailing separator, emptied before each part

void emptyFolder()
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(folder + name);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
            "the fuzzer can write its input");
}

QByteArray readFile(const QString &name)
{
    QFile file(folder + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool onlyThePairIsLeft()
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot,
                                  QDir::Name) == QStringList{scoreFileName, nameFileName};
}

// A stored score as the game must take it: after Qt's trimming of blanks, an optional sign and
// ASCII digits, within the range of an int.
std::optional<int> wholeNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    const bool negative = at < trimmed.size() && trimmed[at] == QLatin1Char('-');
    if (at < trimmed.size() && (negative || trimmed[at] == QLatin1Char('+')))
        ++at;
    if (at == trimmed.size())
        return std::nullopt;
    long long value = 0;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > -static_cast<long long>(INT_MIN))
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// One line ending in CR LF, with no other CR or LF in it.
bool isOneLine(const QByteArray &line)
{
    return line.endsWith("\r\n") && line.count('\r') == 1 && line.count('\n') == 1;
}

void reading(const QByteArray &input)
{
    emptyFolder();
    // Also behind padding that puts the cut at maxRecordRead inside the input.
    const QByteArray padded =
        QByteArray(maxRecordRead - std::min<qsizetype>(input.size(), 8), 'x') + input;
    for (const QByteArray &content : {input, padded}) {
        writeFile(scoreFileName, content);
        const TextRead read = readTextFile(folder + scoreFileName);
        require(!read.error, "a regular file reads without error");
        require(read.text.size() <= maxRecordRead, "no more than maxRecordRead bytes' worth");
        require(read.text == QString::fromUtf8(content.left(maxRecordRead)),
                "the text is the file's first maxRecordRead bytes, as UTF-8 with replacements");
    }
}

void parsing(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    require(parseScore(text) == wholeNumber(text),
            "parseScore accepts exactly a signed whole number between blanks");
}

// Leaving with 7 beside the input as the stored score: a better score replaces the pair, any
// other keeps it byte for byte.
void leavingBesideTheInput(const QByteArray &input)
{
    emptyFolder();
    writeFile(scoreFileName, input);
    writeFile(nameFileName, "Marco\r\n");
    const std::optional<int> stored = wholeNumber(QString::fromUtf8(input.left(maxRecordRead)));
    const bool better = !stored || 7 > *stored;
    const RecordOutcome outcome =
        storeIfRecord(folder, QStringLiteral("7"), QStringLiteral("Anna"));
    require(!outcome.error, "leaving beside any stored score succeeds");
    require(outcome.newRecord == better, "a record only when the score beats the stored one");
    require(readFile(scoreFileName) == (better ? QByteArray("7\r\n") : input),
            "the score file is replaced or kept byte for byte");
    require(readFile(nameFileName) == (better ? "Anna\r\n" : "Marco\r\n"),
            "the name file goes with its score");
    require(onlyThePairIsLeft(), "nothing but the pair is left in the folder");
}

// The input as the player's name: stored whole, on one line.
void leavingWithTheInputAsName(const QByteArray &input)
{
    emptyFolder();
    const QString name = QString::fromUtf8(input);
    const RecordOutcome outcome = storeIfRecord(folder, QStringLiteral(" 3"), name);
    require(!outcome.error && outcome.newRecord, "the first record is stored");
    const QByteArray stored = readFile(nameFileName);
    require(isOneLine(stored), "the name file holds one line");
    QString expected = name;
    expected.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    require(QString::fromUtf8(stored.chopped(2)) == expected,
            "the name is stored whole, line breaks as blanks");
    require(readFile(scoreFileName) == " 3\r\n", "the score goes with its name");
}

// The input as the journal of a replacement cut short: the next start leaves the old pair or the
// journal's, never a mix, and no journal.
void startingAfterTheInputAsJournal(const QByteArray &input)
{
    emptyFolder();
    writeFile(scoreFileName, "12\r\n");
    writeFile(nameFileName, "Marco\r\n");
    writeFile(journalName, input);
    require(!prepareRecordFiles(folder), "a start completes or drops any journal");
    require(onlyThePairIsLeft(), "no journal is left after a start");
    const QByteArray score = readFile(scoreFileName);
    const QByteArray name = readFile(nameFileName);
    const bool oldPair = score == "12\r\n" && name == "Marco\r\n";
    // Split at the journal's first CR LF, with a name line after it.
    const bool journalPair =
        score + name == input && score.indexOf("\r\n") == score.size() - 2 && name.endsWith("\r\n");
    require(oldPair || journalPair, "the folder holds the old pair or the journal's");
    const qsizetype cut = input.indexOf("\r\n");
    if (cut >= 0 && isOneLine(input.left(cut + 2)) && isOneLine(input.mid(cut + 2)))
        require(journalPair, "a journal of two whole lines is completed");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    // Every replacement syncs to disk: in memory, where there is such a place, it costs nothing.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/zarvento-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/zarvento-fuzz-XXXXXX"));
    require(dir.isValid(), "a folder for the records");
    folder = dir.path() + QLatin1Char('/');
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    reading(input);
    parsing(input);
    leavingBesideTheInput(input);
    leavingWithTheInputAsName(input);
    startingAfterTheInputAsJournal(input);
    return 0;
}
