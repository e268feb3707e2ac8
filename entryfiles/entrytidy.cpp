#include "entryfiles/entrytidy.h"

#include "builder/cipher.h"
#include "builder/variants.h"
#include "common/showntext.h"
#include "entryfiles/entryline.h"
#include "entryfiles/tr.h"
#include "fileio/linereader.h"
#include "wordlists/casefold.h"
#include "wordlists/windows1252.h"

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

} // namespace

QSet<QString> filterTextsOfWords(const QStringList &words)
{
    QSet<QString> texts;
    for (const QString &word : words) {
        for (const QString &variant : expandWord(lowerCaseForm(word), true))
            texts.insert(variant);
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

    // The open block, while every entry of it went so far: its empty line's place in the bytes
    // and the findings of its entries, which wait for the empty line's.
    struct OpenBlock
    {
        qsizetype line = 0;
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype bytesAt = 0;
        bool byteOrderMark = false;
        qsizetype entries = 0;
        bool filterGoes = false;
        QList<EntryFinding> findings;
    };
    std::optional<OpenBlock> block;
    const auto closeBlock = [&](bool everyEntryWent) {
        if (!block)
            return;
        if (everyEntryWent && block->entries > 0 && block->filterGoes) {
            tidy.bytes.truncate(block->bytesAt);
            if (block->byteOrderMark)
                tidy.bytes += kByteOrderMark;
            --tidy.linesKept;
            ++tidy.removedEmptyLines;
            hand({EntryFinding::Kind::BlockOpening, block->line, 0, block->start, block->length,
                  entryfiles::Tr::tr("the empty line that opened a block of which every entry "
                                     "goes.")});
        }
        for (const EntryFinding &finding : std::as_const(block->findings))
            hand(finding);
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
        bool filterMatch = false;
        if (isEntry && dropsFilter && isFilterEntry(entry.text, entry.replacement) &&
            (options.dropFilter || options.dropFilterTexts.contains(entry.text.toString()))) {
            filterMatch = true;
            if (!removing)
                removing = EntryFinding{
                    EntryFinding::Kind::Filter,
                    number,
                    0,
                    lineStart,
                    line.size(),
                    entryfiles::Tr::tr("the filter entry of \"%1\" (replaced with \"%2\").")
                        .arg(shownText(entry.text.toString()),
                             shownText(entry.replacement.toString()))};
        }

        if (!isEntry)
            closeBlock(true);
        else if (!removing)
            closeBlock(false); // an entry of it stays, and so does its empty line

        if (!removing) {
            const qsizetype bytesAt = tidy.bytes.size();
            tidy.bytes += line;
            ++tidy.linesKept;
            if (dropsFilter && content.isEmpty() && !line.isEmpty())
                block =
                    OpenBlock{number, lineStart, line.size(), bytesAt, byteOrderMark, 0, false, {}};
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
        if (block) {
            ++block->entries;
            block->filterGoes = block->filterGoes || filterMatch;
            block->findings.append(*removing);
        } else {
            hand(*removing);
        }
        removing.reset();
    };
    const Result<void> read = readEntryFile(device, checker, afterLine);
    closeBlock(true);
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
