#include "entryfiles/buildwriter.h"

#include "builder/entryformat.h"
#include "common/showntext.h"
#include "entryfiles/encodingcheck.h"
#include "entryfiles/entryrewrite.h"
#include "entryfiles/tr.h"
#include "fileio/path.h"

#include <QBuffer>
#include <QFileInfo>

namespace vantro {

namespace {

using entryfiles::Tr;

// Refused unless forced: the iconv line of the README, for the file at hand.
Error utf8Refusal(const QString &path)
{
    const QFileInfo file(path);
    const QString converted = file.completeBaseName() + QStringLiteral(".cp1252");
    return {ErrorKind::Refused,
            Tr::tr("\"%1\" looks like UTF-8, but the server reads it as Windows-1252, and a Build "
                   "would add Windows-1252 bytes to it. Keep a copy and convert it in its folder "
                   "with \"iconv -f UTF-8 -t WINDOWS-1252 %2 > %3 && mv %3 %2\" (see the README), "
                   "or build with --force-encoding to append all the same.")
                .arg(shownPath(path), file.fileName(), converted)};
}

QString utf8Warning(const QString &path)
{
    return Tr::tr("\"%1\" looks like UTF-8, but the server reads it as Windows-1252, and a Build "
                  "appends Windows-1252 bytes to it. Convert it to Windows-1252 (see the README).")
        .arg(shownPath(path));
}

// The options of the rewrite that takes the previous filter out of the target.
EntryRewriteOptions filterRemoval(const BuildPolicy &policy,
                                  std::function<Result<void>()> looksLikeUtf8)
{
    EntryRewriteOptions options;
    options.tidy.dropRepeats = false;
    options.tidy.dropFilter = true;
    options.lockWait = policy.lockWait;
    options.hooks = policy.replaceHooks;
    options.looksLikeUtf8 = std::move(looksLikeUtf8);
    return options;
}

// The replacing Build's failure, its file named when it could not be opened.
Error replacingFailed(const QString &path, const Error &error)
{
    if (error.kind != ErrorKind::Unreadable || error.cause.isEmpty())
        return error;
    return {ErrorKind::Unreadable,
            Tr::tr("Cannot open \"%1\": %2.").arg(shownPath(path), error.cause) + u' ' +
                Tr::tr("Nothing was changed.")};
}

} // namespace

BuildWriter::BuildWriter(const BuildPlan &plan, BuildPolicy policy)
    : m_toStandardOutput(plan.toStandardOutput),
      m_path(plan.toStandardOutput ? QString() : plan.targetPath()),
      m_replaces(plan.replacesPreviousFilter), m_style(plan.style), m_policy(std::move(policy)),
      m_block(m_path, m_policy.lockWait, m_style)
{
}

// A target that looks like UTF-8 is refused, or, forced, gets Windows-1252 bytes all the same and
// the user hears of it. Asked once the target is open and locked (so that nothing reads a FIFO or
// a device there) and read, before anything is written.
Result<void> BuildWriter::acceptEncoding() const
{
    if (!m_policy.forceEncoding)
        return utf8Refusal(m_path);
    if (m_policy.warn)
        m_policy.warn(utf8Warning(m_path));
    return {};
}

Result<BuildOutcome> BuildWriter::write(const SortedTextList &variants)
{
    if (m_toStandardOutput) {
        const Result<qsizetype> written =
            writeFilterBlock(*m_policy.standardOutput, variants, m_style);
        if (!written)
            return written.error();
        return BuildOutcome{*written, 0, 0};
    }
    // A link that leads nowhere yet is built into as plain build does: the file is created.
    if (m_replaces && pathLeadsToFile(m_path))
        return replaceAtOnce(variants);
    const Result<qsizetype> written =
        writeFilterFile(m_path, variants, m_policy.lockWait, m_style, checkingEncoding());
    if (!written)
        return written.error();
    return BuildOutcome{*written, 0, 0};
}

// A target that does not exist yet would be created.
Result<BuildOutcome> BuildWriter::tryReplacing(const SortedTextList &variants)
{
    if (!pathLeadsToFile(m_path))
        return BuildOutcome{variants.count(), 0, 0};
    return replaceAtOnce(variants, true);
}

// The old filter out and the new block in, in one atomic step; nothing when that would leave the
// file as it is.
Result<BuildOutcome> BuildWriter::replaceAtOnce(const SortedTextList &variants, bool dryRun)
{
    QByteArray block;
    QBuffer buffer(&block);
    buffer.open(QIODevice::WriteOnly);
    const Result<qsizetype> entries = writeFilterBlock(buffer, variants, m_style);
    if (!entries)
        return Error{entries.kind(), entries.message() + u' ' + Tr::tr("Nothing was changed.")};
    EntryRewriteOptions options = filterRemoval(m_policy, [this] { return acceptEncoding(); });
    options.appended = block;
    options.leaveIfUnchanged = true;
    options.dryRun = dryRun;
    const Result<EntryTidy> rewritten = rewriteEntryFile(m_path, options);
    if (!rewritten)
        return replacingFailed(m_path, rewritten.error());
    return BuildOutcome{*entries, rewritten->removedFilter, rewritten->removedEmptyLines,
                        rewritten->upToDate};
}

Result<void> BuildWriter::begin()
{
    Result<void> begun;
    if (m_replaces && pathLeadsToFile(m_path)) {
        EntryRewriteOptions options = filterRemoval(m_policy, [this] { return acceptEncoding(); });
        options.keepOpenAs = &m_block.file();
        const Result<EntryTidy> rewritten = rewriteEntryFile(m_path, options);
        if (!rewritten)
            return replacingFailed(m_path, rewritten.error());
        m_tookOut = true;
        m_removedEntries = rewritten->removedFilter;
        begun = m_block.begin();
    } else {
        begun = m_block.open(checkingEncoding());
    }
    if (!begun)
        return m_block.rollBack(begun.error());
    return {};
}

std::function<Result<void>(const AppendFile &)> BuildWriter::checkingEncoding() const
{
    return [this](const AppendFile &target) -> Result<void> {
        return fileLooksLikeUtf8(target) ? acceptEncoding() : Result<void>();
    };
}

Error BuildWriter::rollBack(Error failure)
{
    return m_block.rollBack(std::move(failure));
}

} // namespace vantro
