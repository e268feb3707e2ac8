// check and tidy on whole localization files, against a plain model of the file: its lines split
// at LF, each line read with a regular expression of the entry grammar, and the earlier entries
// of each text and of each text and replacement looked up in maps. check must report exactly
// what the model finds; tidy must write the file less its repeats (and, when asked, its
// dangerous entries), every other byte in order, and find nothing more to remove in what it
// wrote. One tidy reads through a device that hands out a few bytes per read, as a pipe does.
#include "entryfiles/entrycheck.h"
#include "entryfiles/entrytidy.h"
#include "fileio/linereader.h"
#include "fuzzcheck.h"

#include <QBuffer>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <tuple>

using namespace vantro;

namespace {

using Kind = EntryFinding::Kind;

// A device over bytes in memory that hands out at most a few bytes per read.
class TrickleDevice : public QIODevice
{
public:
    TrickleDevice(QByteArrayView bytes, qsizetype step) : m_bytes(bytes), m_step(step)
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, qint64(m_step), qint64(m_bytes.size() - m_read)});
        if (count > 0)
            std::memcpy(data, m_bytes.constData() + m_read, size_t(count));
        m_read += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArrayView m_bytes;
    qsizetype m_step;
    qsizetype m_read = 0;
};

struct ModelLine
{
    QByteArray bytes; // with its line end
    qsizetype start = 0;
    QList<EntryFinding> findings; // kind, lines, start and length; no message
    bool repeated = false;
    bool dangerous = false;
};

struct Model
{
    QList<ModelLine> lines;
    EntryCounts counts;
};

// The file as the grammar reads it; the line numbers of a finding are those of the file.
Model modelOf(QByteArrayView bytes)
{
    static const QRegularExpression entry(
        QStringLiteral(R"re(\A[ \t]*\{[ \t]*"([^"]*)"[ \t]*"([^"]*)"[ \t]*\}[ \t]*\z)re"));

    Model model;
    QMap<QByteArray, qsizetype> firstOfText;
    QMap<std::pair<QByteArray, QByteArray>, qsizetype> firstOfPair;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype length = end < 0 ? bytes.size() - start : end - start + 1;
        ModelLine line;
        line.bytes = bytes.sliced(start, length).toByteArray();
        line.start = start;
        start += length;
        const qsizetype number = model.lines.size() + 1;
        const auto report = [&](Kind kind, qsizetype earlier = 0) {
            line.findings.append({kind, number, earlier, line.start, length, {}});
        };

        QByteArray content = line.bytes;
        if (content.endsWith('\n'))
            content.chop(1);
        if (content.endsWith('\r'))
            content.chop(1);
        if (number == 1 && content.startsWith("\xEF\xBB\xBF")) {
            content.remove(0, 3);
            report(Kind::ByteOrderMark);
        }
        // An entry line is one whose first byte other than blanks is "{".
        const qsizetype first = std::find_if(content.cbegin(), content.cend(),
                                             [](char c) { return c != ' ' && c != '\t'; }) -
                                content.cbegin();
        if (first == content.size() || content[first] != '{') {
            model.lines.append(line);
            continue;
        }
        // Every character the grammar names is ASCII: Latin-1 keeps one character per byte.
        const QRegularExpressionMatch match = entry.match(QString::fromLatin1(content));
        if (match.hasMatch()) {
            ++model.counts.entries;
            const QByteArray entryText = match.captured(1).toLatin1();
            const QByteArray replacement = match.captured(2).toLatin1();
            if (replacement.size() > entryText.size()) {
                line.dangerous = true;
                ++model.counts.dangerous;
                report(Kind::Dangerous);
            }
            const auto pair = std::make_pair(entryText, replacement);
            if (const auto earlier = firstOfPair.constFind(pair); earlier != firstOfPair.cend()) {
                line.repeated = true;
                ++model.counts.repeated;
                report(Kind::Repeated, *earlier);
            } else if (const auto first = firstOfText.constFind(entryText);
                       first != firstOfText.cend()) {
                ++model.counts.conflicting;
                report(Kind::Conflicting, *first);
            }
            firstOfPair.insert(pair, firstOfPair.value(pair, number));
            firstOfText.insert(entryText, firstOfText.value(entryText, number));
        } else {
            ++model.counts.malformed;
            report(Kind::Malformed);
        }
        model.lines.append(line);
    }
    return model;
}

bool sameFinding(const EntryFinding &a, const EntryFinding &b)
{
    return std::tie(a.kind, a.line, a.earlierLine, a.start, a.length) ==
           std::tie(b.kind, b.line, b.earlierLine, b.start, b.length);
}

bool sameCounts(const EntryCounts &a, const EntryCounts &b)
{
    return std::tie(a.entries, a.dangerous, a.malformed, a.repeated, a.conflicting) ==
           std::tie(b.entries, b.dangerous, b.malformed, b.repeated, b.conflicting);
}

// The input as FUZZ_CHECK shows it: one character per byte.
QString shownBytes(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

struct WholeCheck
{
    EntryCounts counts;
    QList<EntryFinding> findings;
    qsizetype lines = 0;
};

// check on a whole file held in memory, its findings gathered.
WholeCheck checkWholeFile(const QByteArray &bytes)
{
    WholeCheck check;
    EntryChecker checker([&](const EntryFinding &finding) { check.findings.append(finding); });
    QByteArray held = bytes;
    QBuffer buffer(&held);
    buffer.open(QIODevice::ReadOnly);
    FUZZ_CHECK(readEntryFile(buffer, checker).hasValue(), shownBytes(bytes));
    check.counts = checker.counts();
    check.lines = checker.lines();
    return check;
}

void checkFindings(const QByteArray &bytes, const Model &model)
{
    const QString shown = shownBytes(bytes);
    const WholeCheck check = checkWholeFile(bytes);
    FUZZ_CHECK(check.lines == model.lines.size(), shown);
    FUZZ_CHECK(sameCounts(check.counts, model.counts), shown);

    QList<EntryFinding> expected;
    for (const ModelLine &line : model.lines)
        expected += line.findings;
    FUZZ_CHECK(check.findings.size() == expected.size(), shown);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const EntryFinding &found = check.findings[i];
        FUZZ_CHECK(sameFinding(found, expected[i]), shown);
        FUZZ_CHECK(found.message.endsWith(u'.'), shown);
        // The finding's place is its line, line end included.
        FUZZ_CHECK(QByteArrayView(bytes).sliced(found.start, found.length) ==
                       model.lines[found.line - 1].bytes,
                   shown);
    }
}

// Tidy without dropping the dangerous entries reads a few bytes at a time, as from a pipe, and
// hands what it removes to a sink; with, it reads a buffer and lists them itself.
EntryTidy tidyInMemory(const QByteArray &bytes, bool dropDangerous)
{
    EntryTidy tidy;
    Result<void> failure;
    if (dropDangerous) {
        QByteArray held = bytes;
        QBuffer buffer(&held);
        buffer.open(QIODevice::ReadOnly);
        failure = tidyEntryFile(buffer, dropDangerous, tidy);
        FUZZ_CHECK(held == bytes, shownBytes(bytes)); // reading leaves the source alone
    } else {
        const qsizetype step = bytes.isEmpty() ? 1 : 1 + uchar(bytes.back()) % 7;
        TrickleDevice device(bytes, step);
        QList<EntryFinding> removed;
        failure = tidyEntryFile(device, dropDangerous, tidy,
                                [&](const EntryFinding &finding) { removed.append(finding); });
        FUZZ_CHECK(tidy.removed.isEmpty(), shownBytes(bytes));
        tidy.removed = removed;
    }
    FUZZ_CHECK(failure.hasValue(), shownBytes(bytes));
    return tidy;
}

void checkTidy(const QByteArray &bytes, const Model &model, bool dropDangerous)
{
    const QString shown =
        shownBytes(bytes) + (dropDangerous ? QStringLiteral(" (drop dangerous)") : QString());
    const EntryTidy tidy = tidyInMemory(bytes, dropDangerous);
    FUZZ_CHECK(tidy.overlongLine == 0, shown);

    // What goes is exactly the repeats (and the dangerous entries when asked), each named by the
    // finding that removed it, a repeat as a repeat first of all; everything else stays, byte
    // for byte and in order. A byte-order mark in front of a removed first line stays too.
    QByteArray kept;
    QList<qsizetype> removedLines;
    qsizetype repeats = 0;
    qsizetype dangerous = 0;
    for (const ModelLine &line : model.lines) {
        if (line.repeated || (dropDangerous && line.dangerous)) {
            ++(line.repeated ? repeats : dangerous);
            removedLines.append(line.findings.first().line);
            if (line.start == 0 && line.bytes.startsWith("\xEF\xBB\xBF"))
                kept += "\xEF\xBB\xBF";
        } else {
            kept += line.bytes;
        }
    }
    FUZZ_CHECK(tidy.bytes == kept, shown);
    FUZZ_CHECK(tidy.removedRepeats == repeats, shown);
    FUZZ_CHECK(tidy.removedDangerous == dangerous, shown);
    FUZZ_CHECK(tidy.linesKept == model.lines.size() - removedLines.size(), shown);
    FUZZ_CHECK(tidy.removed.size() == removedLines.size(), shown);
    for (qsizetype i = 0; i < tidy.removed.size(); ++i) {
        const EntryFinding &finding = tidy.removed[i];
        const ModelLine &line = model.lines[removedLines[i] - 1];
        FUZZ_CHECK(finding.line == removedLines[i], shown);
        FUZZ_CHECK(finding.kind == (line.repeated ? Kind::Repeated : Kind::Dangerous), shown);
        FUZZ_CHECK(finding.start == line.start && finding.length == line.bytes.size(), shown);
    }

    // A removed first line without a mark can leave a line whose first bytes are those of a
    // mark, which a file's first line reads as one: the bytes stay, but the line then reads
    // otherwise, and may hold a new entry.
    const bool firstRemoved = !removedLines.isEmpty() && removedLines.first() == 1;
    if (firstRemoved && !bytes.startsWith("\xEF\xBB\xBF") && kept.startsWith("\xEF\xBB\xBF"))
        return;

    // What tidy wrote parses as the model reads it, holds no repeat (and, when asked, nothing
    // dangerous), and a second tidy, from a buffer, changes nothing.
    const Model after = modelOf(tidy.bytes);
    FUZZ_CHECK(after.counts.repeated == 0, shown);
    FUZZ_CHECK(!dropDangerous || after.counts.dangerous == 0, shown);
    FUZZ_CHECK(after.counts.entries == model.counts.entries - repeats - dangerous, shown);
    const EntryTidy again = tidyInMemory(tidy.bytes, dropDangerous);
    FUZZ_CHECK(again.bytes == tidy.bytes, shown);
    FUZZ_CHECK(again.removedRepeats == 0 && again.removedDangerous == 0, shown);
    FUZZ_CHECK(again.removed.isEmpty(), shown);
    FUZZ_CHECK(again.linesKept == after.lines.size(), shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    // Lines longer than the reader's bound are skipped unread, which the model leaves out.
    if (qsizetype(size) > LineReader::kMaxLineBytes)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Model model = modelOf(bytes);
    checkFindings(bytes, model);
    checkTidy(bytes, model, false);
    checkTidy(bytes, model, true);
    return 0;
}
