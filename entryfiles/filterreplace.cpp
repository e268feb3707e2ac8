#include "entryfiles/filterreplace.h"

#include "common/showntext.h"
#include "entryfiles/entrytidy.h"
#include "entryfiles/tr.h"
#include "fileio/appendfile.h"
#include "fileio/filereplace.h"
#include "fileio/inputfile.h"
#include "fileio/linereader.h"
#include "fileio/path.h"

#include <QFile>

namespace vantro {

namespace {

Result<void> stopIfRequested(bool (*stopRequested)())
{
    if (stopRequested && stopRequested())
        return Error{ErrorKind::Stopped, entryfiles::Tr::tr("Nothing was changed.")};
    return {};
}

// A missing file gets the block as a Build appends one. Gives false when the file was there
// after all (then it is left as it was and replaced as any other).
Result<bool> createWithBlock(const QString &path, QByteArrayView newBlock)
{
    AppendFile file(path);
    if (Result<void> opened = file.open({}); !opened)
        return opened.error();
    if (!file.created()) {
        (void)file.close();
        return false;
    }
    if (const Result<void> wrote = file.write(newBlock); !wrote) {
        const Result<void> removed = file.removeName();
        (void)file.close();
        return Error{ErrorKind::Failed,
                     entryfiles::Tr::tr("Writing \"%1\" failed: %2 %3")
                         .arg(shownPath(path), wrote.error().cause,
                              removed ? entryfiles::Tr::tr("The file was removed again.")
                                      : entryfiles::Tr::tr("The new file could not be removed: "
                                                           "%1")
                                            .arg(removed.error().cause))};
    }
    if (const Result<void> closed = file.close(); !closed)
        return Error{ErrorKind::Failed, entryfiles::Tr::tr("Writing \"%1\" failed: %2")
                                            .arg(shownPath(path), closed.error().cause)};
    return true;
}

} // namespace

Result<FilterRemoval> replaceFilterInFile(const QString &path, QByteArrayView newBlock,
                                          bool (*stopRequested)())
{
    if (Result<void> stop = stopIfRequested(stopRequested); !stop)
        return stop.error();
    const bool exists = pathExists(path);
    if (!exists && !newBlock.isEmpty()) {
        const Result<bool> created = createWithBlock(path, newBlock);
        if (!created)
            return created.error();
        if (*created)
            return FilterRemoval{};
    } else if (!exists) {
        return FilterRemoval{}; // no file, no filter, nothing to add
    }

    QFile in;
    if (Result<void> opened = openInputFile(in, path); !opened)
        return Error{ErrorKind::Unreadable, opened.message()};
    // The descriptor that is read is the one locked, from before reading until the new file is
    // in place, as tidy does.
    FileReplacement target;
    if (Result<void> attached = target.attach(path, in.handle()); !attached)
        return attached.error();
    if (Result<void> locked = target.lock(); !locked)
        return locked.error();
    if (Result<void> replaceable = target.checkReplaceable(); !replaceable)
        return replaceable.error();

    EntryTidyOptions options;
    options.dropRepeats = false;
    options.dropFilter = true;
    EntryTidy tidy;
    if (Result<void> read = tidyEntryFile(in, options, tidy, [](const EntryFinding &) {}); !read)
        return Error{ErrorKind::Unreadable,
                     entryfiles::Tr::tr("%1: %2").arg(shownPath(path), read.message())};
    if (tidy.overlongLine != 0)
        return Error{ErrorKind::Refused,
                     entryfiles::Tr::tr("%1:%2: The line is longer than %3 bytes, too long to be "
                                        "kept as it stands.")
                         .arg(shownPath(path), QString::number(tidy.overlongLine),
                              QString::number(LineReader::kMaxLineBytes))};
    const FilterRemoval removal{tidy.removedFilter, tidy.removedEmptyLines};
    if (removal.entries == 0 && removal.emptyLines == 0 && newBlock.isEmpty())
        return removal; // nothing to change: the file is left untouched
    if (Result<void> stop = stopIfRequested(stopRequested); !stop)
        return stop.error();
    tidy.bytes += newBlock;
    const Result<void> replaced = target.replace(tidy.bytes, stopRequested);
    // The old file's descriptor holds the lock until the new file is in place.
    in.close();
    if (!replaced)
        return replaced.error();
    return removal;
}

} // namespace vantro
