#pragma once

#include "common/result.h"
#include "entryfiles/entrytidy.h"
#include "fileio/filelock.h"
#include "fileio/filereplace.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace vantro {

class AppendFile;

// What one rewrite of a server's entry file does besides tidying it.
struct EntryRewriteOptions
{
    EntryTidyOptions tidy;
    // Bytes added at the end in the same step: a replacing Build's block.
    QByteArray appended;
    // Only reads and reports what would go; nothing is locked or written.
    bool dryRun = false;
    // A file that already holds exactly the bytes this would write (a replacing Build run again)
    // is left untouched, its modification time too, and the result is upToDate; with dryRun, the
    // result tells whether it would be. Only a regular file is read then.
    bool leaveIfUnchanged = false;
    // How to wait for another writer's lock; its stopRequested is also asked between the steps.
    LockWait lockWait;
    // A dry run that would change the file hears here what would refuse or stop the real run
    // (hard links, a file the user may not write, one that is no regular file).
    std::function<void(const Error &)> wouldStop;
    // The findings that remove lines, in line order, as they are found.
    EntryFindingSink removedSink;
    // Hears, before anything is changed, that the file looks like UTF-8: a Build refuses it (the
    // rewrite then fails, the file left as it was) or warns of it.
    std::function<Result<void>()> looksLikeUtf8;
    // Given, the new file stays open and locked, and this file takes it over for appending: the
    // file is then replaced even when nothing goes, and no other writer comes between the
    // replacement and what the caller appends (a paced Build's block).
    AppendFile *keepOpenAs = nullptr;
    // For tests: steps into the replacement.
    ReplaceHooks hooks;
};

// The one transaction that rewrites an entry file, behind tidy and a Build that replaces the
// previous filter: the file is opened once, and that descriptor is locked, read once (each line
// parsed once, its encoding looked at on the way), tidied as the options say, and replaced in one
// step (see FileReplacement); a file replaced at its path while this waited for its lock is
// opened again, and so is a file that a program taking no lock changed while it was read (its
// lines are kept), a few times before this gives up (Failed: "changed while it was being
// tidied; left as it was"). When nothing goes and nothing is added the file is left untouched,
// and so is, asked, a file that the new bytes would leave as it is; whether it could be replaced
// does not matter then.
// Every failure leaves the file as it was, with a message that says so where the user needs to
// hear it: the file cannot be opened or read, or holds a line too long to keep (Unreadable, named
// as "NAME: ...", with the system's reason as the cause when it cannot be opened); it is not a
// regular file (Unreadable); it is locked (Busy), may not be replaced or leads through a link of
// another account (Refused), or a step fails (Failed, Stopped). The result's bytes are the file's
// new content.
Result<EntryTidy> rewriteEntryFile(const QString &path, const EntryRewriteOptions &options);

} // namespace vantro
