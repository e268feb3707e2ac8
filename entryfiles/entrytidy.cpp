#include "entryfiles/entrytidy.h"

#include "builder/cipher.h"
#include "builder/spellings.h"
#include "builder/variants.h"
#include "common/showntext.h"
#include "entryfiles/entryline.h"
#include "entryfiles/tr.h"
#include "fileio/linereader.h"
#include "wordlists/casefold.h"
#include "wordlists/windows1252.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace vantro {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

QString filterMessage(QStringView text, QStringView replacement)
{
    return entryfiles::Tr::tr("the filter entry of \"%1\" (replaced with \"%2\").")
        .arg(shownText(text), shownText(replacement));
}

// Whether every star entry's text is a variant of a word whose variants (9, or 18) all have star
// entries, or one of that word's spelling forms: a Build writes every variant of every word, and
// with --spellings the spelling forms that fit its budget. The word of a variant is among its
// variants (its plain form), so every text is tried as a word.
bool holdsEveryVariant(const QSet<QString> &masked)
{
    const auto present = [&](const QString &text) { return masked.contains(text); };
    QSet<QString> covered;
    for (const QString &word : masked) {
        const QStringList variants = expandWord(word, false);
        if (!std::all_of(variants.cbegin(), variants.cend(), present))
            continue;
        const QStringList maxVariants = expandWord(word, true);
        const bool max = std::all_of(maxVariants.cbegin(), maxVariants.cend(), present);
        for (const QString &variant : max ? maxVariants : variants)
            covered.insert(variant);
        for (const SpellingForm &form : spellingFormsOf(word)) {
            if (present(form.text))
                covered.insert(form.text);
        }
    }
    return covered.size() == masked.size();
}

} // namespace

QSet<QString> filterTextsOfWords(const QStringList &words)
{
    QSet<QString> texts;
    for (const QString &word : words) {
        const QString lower = lowerCaseForm(word);
        for (const QString &variant : expandWord(lower, true))
            texts.insert(variant);
        // And the other ways of typing it that a Build with --spellings wrote.
        for (const SpellingForm &form : spellingFormsOf(lower))
            texts.insert(form.text);
    }
    return texts;
}

Result<void> tidyEntryFile(QIODevice &device, const EntryTidyOptions &options, EntryTidy &tidy,
                           const EntryFindingSink &removedSink, const QString &shownName,
                           EncodingCheck *encoding)
{
    const bool dropsFilter = options.dropsFilterEntries();
    const auto hand = [&](const EntryFinding &finding) {
        if (removedSink)
            removedSink(finding);
        else
            tidy.removed.append(finding);
    };

    // A line of the open block whose finding waits for the block's end: every finding while its
    // empty line may still go, and every one behind a held entry. A held entry is a star entry
    // that the options drop, in the bytes for now at heldAt, until the block proves to be a
    // Build's or not.
    struct BlockLine
    {
        EntryFinding finding;
        qsizetype heldAt = -1;
        QString text; // held only, with its replacement
        QString replacement;
    };
    struct OpenBlock
    {
        EntryFinding opening; // the empty line's
        qsizetype bytesAt = 0;
        bool byteOrderMark = false;
        qsizetype entries = 0;
        bool everyEntryGoes = true; // every entry so far goes or is held
        bool filterGoes = false;    // a filter entry that the options drop goes
        bool starsWent = false;     // a star entry that the options drop went anyway
        bool mayBeBuilds = true;    // every entry so far that does not go anyway is a filter entry
        QSet<QString> masked;       // while it may be a Build's: the texts of those star entries
        qsizetype held = 0;
        QList<BlockLine> lines;
    };
    std::optional<OpenBlock> block;
    const auto note = [&](BlockLine line) {
        if (block && (block->everyEntryGoes || block->held > 0 || line.heldAt >= 0))
            block->lines.append(std::move(line));
        else
            hand(line.finding);
    };
    // The held entries go (their bytes cut out of what follows them) or stay.
    const auto settleHeld = [&](bool go) {
        if (block->held == 0)
            return;
        block->held = 0;
        if (!go) {
            block->lines.removeIf([](const BlockLine &line) { return line.heldAt >= 0; });
            block->everyEntryGoes = false;
            return;
        }
        char *data = tidy.bytes.data();
        qsizetype to = -1;   // where the next kept byte goes
        qsizetype from = -1; // the first kept byte behind the last held entry
        for (BlockLine &line : block->lines) {
            if (line.heldAt < 0)
                continue;
            if (to < 0) {
                to = line.heldAt;
            } else {
                std::memmove(data + to, data + from, size_t(line.heldAt - from));
                to += line.heldAt - from;
            }
            from = line.heldAt + line.finding.length;
            line.finding.message = filterMessage(line.text, line.replacement);
            line.heldAt = -1;
            ++tidy.removedFilter;
            --tidy.linesKept;
        }
        const qsizetype tail = tidy.bytes.size() - from;
        std::memmove(data + to, data + from, size_t(tail));
        tidy.bytes.truncate(to + tail);
        block->filterGoes = true;
    };
    // Nothing of the block is left to decide: what waited is handed on.
    const auto handIfDecided = [&] {
        if (block->everyEntryGoes || block->held > 0)
            return;
        for (const BlockLine &line : std::as_const(block->lines))
            hand(line.finding);
        block->lines.clear();
        if (!block->mayBeBuilds)
            block.reset();
    };
    const auto closeBlock = [&] {
        if (!block)
            return;
        const bool builds = (block->held > 0 || block->starsWent) && block->mayBeBuilds &&
                            holdsEveryVariant(block->masked);
        settleHeld(builds);
        block->filterGoes = block->filterGoes || (builds && block->starsWent);
        if (block->everyEntryGoes && block->entries > 0 && block->filterGoes) {
            tidy.bytes.truncate(block->bytesAt);
            if (block->byteOrderMark)
                tidy.bytes += kByteOrderMark;
            --tidy.linesKept;
            ++tidy.removedEmptyLines;
            hand(block->opening);
        }
        for (const BlockLine &line : std::as_const(block->lines))
            hand(line.finding);
        block.reset();
    };

    // The findings of a line come in the order of their kinds: a dangerous repeat is removed as
    // the repeat it is first of all.
    std::optional<EntryFinding> removing;
    qsizetype overlongLine = 0; // the first line too long to be kept: then nothing is tidied
    EntryChecker checker([&](const EntryFinding &finding) {
        if (options.dropRepeats && finding.kind == EntryFinding::Kind::Repeated) {
            removing = finding;
        } else if (options.dropDangerous && finding.kind == EntryFinding::Kind::Dangerous) {
            if (!removing)
                removing = finding;
        } else if (finding.kind == EntryFinding::Kind::Overlong && overlongLine == 0) {
            overlongLine = finding.line;
        }
    });
    qsizetype start = 0;
    const auto afterLine = [&](QByteArrayView line, qsizetype number, const EntryLine &entry) {
        const qsizetype lineStart = start;
        start += line.size();
        if (encoding)
            encoding->addLine(line);
        QByteArrayView content = withoutLineEnd(line);
        const bool byteOrderMark = number == 1 && content.startsWith(kByteOrderMark);
        if (byteOrderMark)
            content = content.sliced(kByteOrderMark.size());

        const bool isEntry = entry.kind == EntryLine::Kind::Entry;
        if (!isEntry)
            closeBlock();
        std::optional<ReplacementStyle> style;
        bool dropped = false; // a filter entry that the options drop, if it is one
        if (isEntry && dropsFilter) {
            style = filterStyleOf(entry.text, entry.replacement);
            const bool named = style && options.dropFilterTexts.contains(entry.text.toString());
            if (named)
                tidy.namedFilterTexts.insert(entry.text.toString());
            dropped = style && (options.dropFilter || named);
        }
        const bool cipherDropped = dropped && style == ReplacementStyle::Cipher;
        const bool starDropped = dropped && style == ReplacementStyle::Mask;
        const bool goesAnyway = removing.has_value();
        if (cipherDropped && !removing)
            removing = EntryFinding{EntryFinding::Kind::Filter,
                                    number,
                                    0,
                                    lineStart,
                                    line.size(),
                                    filterMessage(entry.text, entry.replacement)};
        if (isEntry && block) {
            ++block->entries;
            block->filterGoes = block->filterGoes || cipherDropped;
            block->starsWent = block->starsWent || (starDropped && goesAnyway);
            if (!goesAnyway && block->mayBeBuilds) {
                if (!style || block->entries > kMaxBuildBlockEntries) {
                    block->mayBeBuilds = false;
                    block->masked.clear();
                    settleHeld(false);
                    handIfDecided();
                } else if (style == ReplacementStyle::Mask) {
                    block->masked.insert(entry.text.toString());
                }
            }
        }
        const bool held = !removing && starDropped && block && block->mayBeBuilds;

        if (!removing) {
            if (isEntry && block && !held) {
                block->everyEntryGoes = false; // an entry of it stays, and so does its empty line
                handIfDecided();
            }
            const qsizetype bytesAt = tidy.bytes.size();
            tidy.bytes += line;
            ++tidy.linesKept;
            if (held) {
                ++block->held;
                note({{EntryFinding::Kind::Filter, number, 0, lineStart, line.size(), {}},
                      bytesAt,
                      entry.text.toString(),
                      entry.replacement.toString()});
            }
            if (dropsFilter && content.isEmpty() && !line.isEmpty()) {
                block.emplace();
                block->opening = {EntryFinding::Kind::BlockOpening,
                                  number,
                                  0,
                                  lineStart,
                                  line.size(),
                                  entryfiles::Tr::tr("the empty line that opened a block of "
                                                     "which every entry goes.")};
                block->bytesAt = bytesAt;
                block->byteOrderMark = byteOrderMark;
            }
            return;
        }
        // The file's byte-order mark is no part of the entry behind it: it stays when that goes,
        // in front of what is now the first line, which it leaves as it was read.
        if (byteOrderMark)
            tidy.bytes += kByteOrderMark;
        switch (removing->kind) {
        case EntryFinding::Kind::Repeated:
            ++tidy.removedRepeats;
            break;
        case EntryFinding::Kind::Dangerous:
            ++tidy.removedDangerous;
            break;
        default:
            ++tidy.removedFilter;
            break;
        }
        note({*removing, -1, {}, {}});
        removing.reset();
    };
    const Result<void> read = readEntryFile(device, checker, afterLine);
    closeBlock();
    if (!read)
        return Error{ErrorKind::Unreadable,
                     entryfiles::Tr::tr("%1: %2").arg(shownName, read.message())};
    if (overlongLine != 0)
        return Error{ErrorKind::Unreadable,
                     entryfiles::Tr::tr("%1:%2: The line is longer than %3 bytes, too long to be "
                                        "kept as it stands; nothing was changed.")
                         .arg(shownName, QString::number(overlongLine),
                              QString::number(LineReader::kMaxLineBytes))};
    return {};
}

} // namespace vantro
