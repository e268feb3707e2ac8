#include "entryfiles/entryrewrite.h"

#include "common/showntext.h"
#include "entryfiles/encodingcheck.h"
#include "entryfiles/tr.h"
#include "fileio/appendfile.h"
#include "fileio/inputfile.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace vantro {

namespace {

using entryfiles::Tr;

// How many times the file is read again when a program that takes no lock changed it meanwhile.
constexpr int kReads = 5;

Error stoppedUnchanged()
{
    return {ErrorKind::Stopped, Tr::tr("Nothing was changed.")};
}

Error unchanged(Error error)
{
    error.message += u' ' + Tr::tr("Nothing was changed.");
    return error;
}

// Whether the open file holds exactly the bytes, read again from its start a piece at a time.
bool holdsExactly(QFile &file, QByteArrayView bytes)
{
    if (file.size() != bytes.size() || !file.seek(0))
        return false;
    for (qsizetype at = 0; at < bytes.size();) {
        const QByteArray piece = file.read(std::min<qsizetype>(1 << 16, bytes.size() - at));
        if (piece.isEmpty() || piece != bytes.sliced(at, piece.size()))
            return false;
        at += piece.size();
    }
    return true;
}

} // namespace

Result<EntryTidy> rewriteEntryFile(const QString &path, const EntryRewriteOptions &options)
{
    const QString shown = shownPath(path);
    const auto stopRequested = options.lockWait.stopRequested;
    LockWaiter waiter(options.lockWait);
    bool warned = false;
    int reads = 1;
    for (;;) {
        if (stopRequested && stopRequested())
            return stoppedUnchanged();
        QFile in;
        // Only a regular file can be replaced: anything else is refused before it is read. A dry
        // run that only reports what would go reads pipes too.
        const bool readsAnyFile = options.dryRun && !options.leaveIfUnchanged;
        if (Result<void> opened = openInputFile(
                in, path, readsAnyFile ? InputFiles::FifosToo : InputFiles::RegularOnly);
            !opened)
            return Error{ErrorKind::Unreadable, Tr::tr("%1: %2").arg(shown, opened.message()),
                         opened.error().cause};
        // Another writer appending while the file is read would lose its lines to the
        // replacement: the descriptor that is read is the one locked, from before reading until
        // the new file is in place.
        FileReplacement target(options.hooks);
        if (!options.dryRun) {
            if (Result<void> attached = target.attach(path, in.handle()); !attached)
                return unchanged(attached.error());
            if (Result<void> locked = target.lock(waiter); !locked)
                return locked.kind() == ErrorKind::Stopped ? stoppedUnchanged()
                                                           : unchanged(locked.error());
            // Replaced or removed by the writer whose lock this waited for: the file there now is
            // read. Any other change of the name fails the replacement's last check.
            if (waiter.waited() && !pathNamesOpenFile(path, in.handle()))
                continue;
        }

        EncodingCheck encoding;
        EntryTidy tidy;
        if (Result<void> read =
                tidyEntryFile(in, options.tidy, tidy, options.removedSink, shown, &encoding);
            !read)
            return read.error();
        if (encoding.looksLikeUtf8() && options.looksLikeUtf8 && !std::exchange(warned, true))
            if (Result<void> accepted = options.looksLikeUtf8(); !accepted)
                return unchanged(accepted.error());
        const bool keepOpen = options.keepOpenAs != nullptr;
        if (tidy.removedLines() == 0 && options.appended.isEmpty() && !keepOpen)
            return tidy; // nothing to change: the file is left untouched, whatever it is
        // A last line ended by a lone CR gets its LF, or the CR would run into what follows.
        if (!options.appended.isEmpty() && tidy.bytes.endsWith('\r'))
            tidy.bytes += '\n';
        tidy.bytes += options.appended;
        if (options.leaveIfUnchanged && !keepOpen)
            tidy.upToDate = holdsExactly(in, tidy.bytes);
        if (tidy.upToDate)
            return tidy;
        // A file that may not be replaced is refused only now that it would have to be.
        if (options.dryRun) {
            Result<void> replaceable = target.attach(path, in.handle());
            if (replaceable)
                replaceable = target.checkReplaceable();
            if (!replaceable && options.wouldStop)
                options.wouldStop(replaceable.error());
            return tidy;
        }
        if (Result<void> replaceable = target.checkReplaceable(); !replaceable)
            return unchanged(replaceable.error());
        const Result<void> replaced = target.replace(tidy.bytes, stopRequested, keepOpen);
        if (!replaced && target.changedMeanwhile() && reads++ < kReads)
            continue; // its new lines are read and kept
        if (!replaced && target.changedMeanwhile())
            return Error{ErrorKind::Failed,
                         Tr::tr("\"%1\" changed while it was being tidied; left as it was. "
                                "Another program kept writing to it; try again once it is done.")
                             .arg(shown)};
        if (!replaced)
            return replaced.error();
        if (keepOpen)
            if (Result<void> adopted = options.keepOpenAs->adopt(target.takeNewFile()); !adopted)
                return adopted.error();
        // The old file's descriptor held the lock until the new file was in place.
        return tidy;
    }
}

} // namespace vantro
