// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the record files: any bytes as stored score, name or journal stay harmless.
// They read, parse and get replaced or kept without a crash, a flood or a broken pair.
#include "records/recordfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
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

// The pair and the lock file, which stays; no journal, no temporary file.
bool onlyThePairIsLeft()
{
    return QDir(folder).entryList(
               QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name) ==
           QStringList{scoreFileName, nameFileName, QStringLiteral("record.lock")};
}

// A stored score as the game must take it, worked out another way: at the start of the first line,
// after Qt's trimming of blanks, a decimal number in ASCII digits with an optional sign, point or
// comma, and exponent, whatever follows it; its value as the C library reads it. Nothing for a
// first line that starts with no number.
std::optional<long double> numberValue(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(\A[+-]?([0-9]+[.,]?[0-9]*|[.,][0-9]+)([eE][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch found =
        number.match(text.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0).trimmed());
    if (!found.hasMatch())
        return std::nullopt;
    QString decimal = found.captured();
    decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    return std::strtold(decimal.toStdString().c_str(), nullptr);
}

// Whether a whole score beats a stored value, where the C library's rounding cannot blur it.
std::optional<bool> beats(int score, long double stored)
{
    if (std::fabs(stored - score) < 1e-6L)
        return std::nullopt;
    return score > stored;
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
    const std::optional<qint64> score = parseScore(text);
    const std::optional<long double> value = numberValue(text);
    require(score.has_value() == value.has_value(), "parseScore takes exactly the numbers");
    if (!value)
        return;
    static const QRegularExpression plainWhole(QStringLiteral(R"(\A[+-]?[0-9]{1,15}\z)"));
    if (plainWhole.match(text).hasMatch())
        require(*score == static_cast<qint64>(*value), "a whole number is its value");
    if (std::fabs(*value) < 1e12L && std::fabs(*value - std::round(*value)) > 1e-6L)
        require(*score == static_cast<qint64>(std::floor(*value)), "a number is rounded down");
    for (const int whole : {-32768, -1, 0, 7, 32767})
        if (const std::optional<bool> beaten = beats(whole, *value))
            require((whole > *score) == *beaten, "a whole score beats the value as it beats it");
}

// Leaving with 7 beside the input as the stored score: a better score replaces the pair, any
// other keeps it byte for byte.
void leavingBesideTheInput(const QByteArray &input)
{
    emptyFolder();
    writeFile(scoreFileName, input);
    writeFile(nameFileName, "Marco\r\n");
    const std::optional<long double> stored =
        numberValue(QString::fromUtf8(input.left(maxRecordRead)));
    const RecordOutcome outcome =
        storeIfRecord(folder, QStringLiteral("7"), QStringLiteral("Anna"));
    require(!outcome.error, "leaving beside any stored score succeeds");
    const bool better = outcome.newRecord;
    if (const std::optional<bool> beaten = stored ? beats(7, *stored) : true)
        require(better == *beaten, "a record only when the score beats the stored one");
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
    require(!prepareRecordFiles(folder).error, "a start completes or drops any journal");
    require(onlyThePairIsLeft(), "no journal is left after a start");
    const QByteArray score = readFile(scoreFileName);
    const QByteArray name = readFile(nameFileName);
    const bool oldPair = score == "12\r\n" && name == "Marco\r\n";
    // Split at the journal's first CR LF, with a name line after it.
    const bool journalPair =
        score + name == input && score.indexOf("\r\n") == score.size() - 2 && name.endsWith("\r\n");
    require(oldPair || journalPair, "the folder holds the old pair or the journal's");
    const qsizetype cut = input.indexOf("\r\n");
    const bool whole = cut >= 0 && isOneLine(input.left(cut + 2)) && isOneLine(input.mid(cut + 2));
    const bool scored = cut >= 0 && numberValue(QString::fromUtf8(input.left(cut)));
    if (whole && scored)
        require(journalPair, "a journal of two whole lines, the first a number, is completed");
    if (!scored)
        require(oldPair, "a journal whose first line is no number is dropped, the pair kept");
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
