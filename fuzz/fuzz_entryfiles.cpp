// check and tidy on whole localization files, against a plain model of the file: its lines split
// at LF, each line read with a regular expression of the entry grammar, and the earlier entries
// of each text and of each text and replacement looked up in maps. check must report exactly
// what the model finds; tidy must write the file less its repeats (and, when asked, its
// dangerous entries, every filter entry or those of some texts, with the empty lines of blocks
// that go whole, the filter rule read with a cipher table of the harness's own, star entries
// only in a block that holds every variant of their words), every other
// byte in order, and find nothing more to remove in what it
// wrote. One tidy reads through a device that hands out a few bytes per read, as a pipe does.
#include "builder/spellings.h"
#include "builder/variants.h"
#include "entryfiles/entrycheck.h"
#include "entryfiles/entrytidy.h"
#include "fileio/linereader.h"
#include "fuzzcheck.h"
#include "wordlists/windows1252.h"

#include <QBuffer>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <optional>
#include <tuple>

using namespace vantro;

namespace {

using Kind = EntryFinding::Kind;

constexpr bool kUsages[] = {false, true};

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
    bool entry = false; // a well-formed entry line
    bool empty = false; // nothing but its line end (and a first line's byte-order mark)
    char filter = 0;    // the model's own reading of the filter rule: 'c'ipher, 'm'ask or none
    QByteArray text;    // entry only
};

struct Model
{
    QList<ModelLine> lines;
    EntryCounts counts;
};

// The filter rule, read independently of builder/cipher: the cipher's table written out as
// lines of pairs, a character of the text and what a Build's cipher makes of it.
const char *const kCipherPairs[] = {
    "az bx c8 d9 ew fv gu ht is j2 kr lq mo np o0 pn q1 rm sl tk uj vi wh xg yf ze",
    "$d .c -b _a",
    "AZ BX C7 D6 EW FV GU HT IS J4 KR LQ M0 NP O5 PN Q2 RM SL TK UJ VI WH XG YF ZE",
};

// A filter entry: as long as its text, at least one character of the text in the table, and
// every character either ciphered ('c'), characters off the table copied, or starred ('m'): every
// character but the space, or (the earlier mask) those of the table with the others copied. Zero
// for any other entry.
char modelFilterEntry(const QByteArray &text, const QByteArray &replacement)
{
    static const QMap<char, char> cipher = [] {
        QMap<char, char> table;
        for (const char *line : kCipherPairs) {
            for (const QByteArray &pair : QByteArray(line).split(' '))
                table.insert(pair[0], pair[1]);
        }
        return table;
    }();
    if (text.size() != replacement.size())
        return 0;
    bool inTable = false;
    bool asCipher = true;
    bool asMask = true;
    bool asStars = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto found = cipher.constFind(text[i]);
        const bool ciphered = found != cipher.cend();
        inTable = inTable || ciphered;
        asCipher = asCipher && replacement[i] == (ciphered ? *found : text[i]);
        asMask = asMask && replacement[i] == (ciphered ? '*' : text[i]);
        asStars = asStars && replacement[i] == (text[i] == ' ' ? ' ' : '*');
    }
    if (!inTable)
        return 0;
    return asCipher ? 'c' : (asMask || asStars) ? 'm' : 0;
}

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
        line.empty = content.isEmpty();
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
            line.entry = true;
            line.text = entryText;
            line.filter = modelFilterEntry(entryText, replacement);
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

// What a tidy run removes, and the texts whose filter entries the model drops (decoded).
struct TidyCase
{
    EntryTidyOptions options;
    QString name;
};

// Tidy reads a few bytes at a time, as from a pipe, and hands what it removes to a sink, or
// reads a buffer and lists them itself.
EntryTidy tidyInMemory(const QByteArray &bytes, const EntryTidyOptions &options, bool trickle)
{
    EntryTidy tidy;
    Result<void> failure;
    if (!trickle) {
        QByteArray held = bytes;
        QBuffer buffer(&held);
        buffer.open(QIODevice::ReadOnly);
        failure = tidyEntryFile(buffer, options, tidy);
        FUZZ_CHECK(held == bytes, shownBytes(bytes)); // reading leaves the source alone
    } else {
        const qsizetype step = bytes.isEmpty() ? 1 : 1 + uchar(bytes.back()) % 7;
        TrickleDevice device(bytes, step);
        QList<EntryFinding> removed;
        failure = tidyEntryFile(device, options, tidy,
                                [&](const EntryFinding &finding) { removed.append(finding); });
        FUZZ_CHECK(tidy.removed.isEmpty(), shownBytes(bytes));
        tidy.removed = removed;
    }
    FUZZ_CHECK(failure.hasValue(), shownBytes(bytes));
    return tidy;
}

void checkTidy(const QByteArray &bytes, const Model &model, const TidyCase &run, bool trickle)
{
    const EntryTidyOptions &options = run.options;
    const QString shown = shownBytes(bytes) + QStringLiteral(" (") + run.name + u')';
    const EntryTidy tidy = tidyInMemory(bytes, options, trickle);

    // What goes is exactly the repeats (and the dangerous entries, the filter entries, when
    // asked), each named by the kind that removed it, a repeat as a repeat first of all, then a
    // dangerous one; with filter entries dropped, the empty line that opened a block (it and the
    // entry lines behind it) goes when every entry of the block goes and one of them is a dropped
    // filter entry. Everything else stays, byte for byte and in order. A byte-order mark in front
    // of a removed first line stays too.
    const auto selected = [&](const ModelLine &line) {
        return line.filter != 0 && (options.dropFilter ||
                                    options.dropFilterTexts.contains(decodeWindows1252(line.text)));
    };
    const auto goesAnyway = [&](const ModelLine &line) -> std::optional<Kind> {
        if (options.dropRepeats && line.repeated)
            return Kind::Repeated;
        if (options.dropDangerous && line.dangerous)
            return Kind::Dangerous;
        return std::nullopt;
    };
    // A star entry is a filter entry only in a Build's block: an empty line and the entry lines
    // behind it, of which every one that does not go anyway is a filter entry, every star entry's
    // text a variant of a word whose 9 or 18 variants all have star entries there.
    QList<bool> inBuildBlock(model.lines.size(), false);
    for (qsizetype i = 0; options.dropsFilterEntries() && i < model.lines.size(); ++i) {
        if (!model.lines[i].empty)
            continue;
        qsizetype end = i + 1;
        bool allFilter = true;
        QSet<QString> masked;
        for (; end < model.lines.size() && model.lines[end].entry; ++end) {
            const ModelLine &line = model.lines[end];
            if (goesAnyway(line))
                continue;
            allFilter = allFilter && line.filter != 0;
            if (line.filter == 'm')
                masked.insert(decodeWindows1252(line.text));
        }
        // The variants of a word are the variants harness's business; a text is covered when
        // some word's whole set of them, holding it, is there, or it is a spelling form of a word
        // whose 9 variants are there.
        const auto whole = [&](const QStringList &variants) {
            return std::all_of(variants.cbegin(), variants.cend(),
                               [&](const QString &v) { return masked.contains(v); });
        };
        const bool covered = std::all_of(masked.cbegin(), masked.cend(), [&](const QString &text) {
            return std::any_of(masked.cbegin(), masked.cend(), [&](const QString &word) {
                const QList<SpellingForm> forms = spellingFormsOf(word);
                const bool spelling =
                    std::any_of(forms.cbegin(), forms.cend(),
                                [&](const SpellingForm &form) { return form.text == text; });
                return (spelling && whole(expandWord(word, false))) ||
                       std::any_of(kUsages, kUsages + 2, [&](bool maxUsage) {
                           const QStringList variants = expandWord(word, maxUsage);
                           return variants.contains(text) && whole(variants);
                       });
            });
        });
        for (qsizetype j = i + 1; j < end; ++j)
            inBuildBlock[j] = allFilter && covered;
    }
    const auto dropsFilter = [&](qsizetype i) {
        const ModelLine &line = model.lines[i];
        return selected(line) && (line.filter == 'c' || inBuildBlock[i]);
    };
    const auto kindOf = [&](qsizetype i) -> std::optional<Kind> {
        if (const auto anyway = goesAnyway(model.lines[i]))
            return anyway;
        if (dropsFilter(i))
            return Kind::Filter;
        return std::nullopt;
    };
    QList<std::optional<Kind>> removal(model.lines.size());
    for (qsizetype i = 0; i < model.lines.size(); ++i)
        removal[i] = model.lines[i].entry ? kindOf(i) : std::nullopt;
    if (options.dropsFilterEntries()) {
        for (qsizetype i = 0; i < model.lines.size(); ++i) {
            if (!model.lines[i].empty)
                continue;
            qsizetype end = i + 1;
            bool all = true;
            bool filter = false;
            while (end < model.lines.size() && model.lines[end].entry) {
                all = all && removal[end].has_value();
                filter = filter || dropsFilter(end);
                ++end;
            }
            if (end > i + 1 && all && filter)
                removal[i] = Kind::BlockOpening;
        }
    }

    QByteArray kept;
    QList<qsizetype> removedLines;
    qsizetype counts[4] = {};
    const Kind kinds[4] = {Kind::Repeated, Kind::Dangerous, Kind::Filter, Kind::BlockOpening};
    for (qsizetype i = 0; i < model.lines.size(); ++i) {
        const ModelLine &line = model.lines[i];
        if (removal[i]) {
            ++counts[std::find(kinds, kinds + 4, *removal[i]) - kinds];
            removedLines.append(i + 1);
            if (line.start == 0 && line.bytes.startsWith("\xEF\xBB\xBF"))
                kept += "\xEF\xBB\xBF";
        } else {
            kept += line.bytes;
        }
    }
    FUZZ_CHECK(tidy.bytes == kept, shown);
    FUZZ_CHECK(tidy.removedRepeats == counts[0], shown);
    FUZZ_CHECK(tidy.removedDangerous == counts[1], shown);
    FUZZ_CHECK(tidy.removedFilter == counts[2], shown);
    FUZZ_CHECK(tidy.removedEmptyLines == counts[3], shown);
    FUZZ_CHECK(tidy.linesKept == model.lines.size() - removedLines.size(), shown);
    FUZZ_CHECK(tidy.removed.size() == removedLines.size(), shown);
    for (qsizetype i = 0; i < tidy.removed.size(); ++i) {
        const EntryFinding &finding = tidy.removed[i];
        const ModelLine &line = model.lines[removedLines[i] - 1];
        FUZZ_CHECK(finding.line == removedLines[i], shown);
        FUZZ_CHECK(finding.kind == *removal[removedLines[i] - 1], shown);
        FUZZ_CHECK(finding.start == line.start && finding.length == line.bytes.size(), shown);
    }

    // A removed first line without a mark can leave a line whose first bytes are those of a
    // mark, which a file's first line reads as one: the bytes stay, but the line then reads
    // otherwise, and may hold a new entry.
    const bool firstRemoved = !removedLines.isEmpty() && removedLines.first() == 1;
    if (firstRemoved && !bytes.startsWith("\xEF\xBB\xBF") && kept.startsWith("\xEF\xBB\xBF"))
        return;

    // What tidy wrote parses as the model reads it, holds nothing more to remove, and a second
    // tidy, the other way round, changes nothing.
    const Model after = modelOf(tidy.bytes);
    FUZZ_CHECK(!options.dropRepeats || after.counts.repeated == 0, shown);
    FUZZ_CHECK(!options.dropDangerous || after.counts.dangerous == 0, shown);
    FUZZ_CHECK(after.counts.entries == model.counts.entries - counts[0] - counts[1] - counts[2],
               shown);
    FUZZ_CHECK(!options.dropFilter ||
                   std::none_of(after.lines.cbegin(), after.lines.cend(),
                                [](const ModelLine &l) { return l.filter == 'c'; }),
               shown);
    const EntryTidy again = tidyInMemory(tidy.bytes, options, !trickle);
    FUZZ_CHECK(again.bytes == tidy.bytes, shown);
    FUZZ_CHECK(again.removedLines() == 0, shown);
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
    TidyCase plain{{}, QStringLiteral("plain")};
    TidyCase dangerous{{}, QStringLiteral("drop dangerous")};
    dangerous.options.dropDangerous = true;
    TidyCase filter{{}, QStringLiteral("drop filter")};
    filter.options.dropFilter = true;
    // Some texts of the file's entries, whose filter entries go (as --drop-word's variants do).
    TidyCase words{{}, QStringLiteral("drop words")};
    for (qsizetype i = 0; i < model.lines.size(); i += 2) {
        if (model.lines[i].entry)
            words.options.dropFilterTexts.insert(decodeWindows1252(model.lines[i].text));
    }
    // As --replace reads it: only the filter entries go.
    TidyCase replace{{}, QStringLiteral("replace")};
    replace.options.dropRepeats = false;
    replace.options.dropFilter = true;
    checkTidy(bytes, model, plain, true);
    checkTidy(bytes, model, dangerous, false);
    checkTidy(bytes, model, filter, false);
    checkTidy(bytes, model, words, true);
    checkTidy(bytes, model, replace, false);
    return 0;
}
