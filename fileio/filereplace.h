#pragma once

#include "common/result.h"
#include "fileio/filelock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/stat.h>

#include <functional>

namespace vantro {

class WritePlace;

// The steps of a replacement at which its caller may step in (tests do, to change the directory
// between two steps as another account could, or to stop the process there).
enum class ReplaceStep
{
    Locked,  // the file is open and locked, before it is read
    Written, // the new content is written into the new file, which has no name yet
    Linked,  // the new file has its temporary name, just before the final check and the rename
    Renamed, // the new file has taken the old one's name
};

struct ReplaceHooks
{
    // Called at each step, when set.
    std::function<void(ReplaceStep)> reached;
    // A named new file from the start, as on a file system without unnamed ones.
    bool namedTemporaryOnly = false;
};

// Replaces the content of an existing regular file in one step, for tidy, in a directory that
// another account may own and change between any two steps.
//
// The file is opened once, by the caller, and that one descriptor is locked, read and checked. Its
// path is resolved once (a symbolic link leads to its file when the link rule lets it, see
// WritePlace), its directory opened, and every later step works relative to that directory: the new
// content goes into an unnamed file there, which gets a name only once it is complete and then
// takes the old one's name by a rename. Just before the rename, the name must still hold the very
// file that was opened; otherwise nothing is changed. The new file keeps the old one's permission
// bits, its extended attributes (ACLs included), and its owner and group where the process may set
// them.
class FileReplacement
{
public:
    explicit FileReplacement(ReplaceHooks hooks = {});
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // Takes the file that fd was opened on from path, found by the link rule (see WritePlace).
    // Unreadable when it is not a regular file; Refused for a link of another account on the
    // way; Failed when its directory cannot be opened or the path no longer names that file. fd
    // stays the caller's, and must stay open until the replacement is done.
    Result<void> attach(const QString &path, int fd);
    // The same for a file that fd was opened on at a place already found.
    Result<void> attach(const WritePlace &place, int fd);

    // Takes the writers' lock on the file's descriptor as the waiter says: Busy while another
    // writer holds it. The lock goes with the descriptor. The file's size and times are noted
    // then, before the caller reads it, for replace() to see whether it changed meanwhile.
    Result<void> lock(LockWaiter &waiter);

    // Refused when replacing the file would do what the user may not or does not expect: the
    // process may not write to the file, or the file has other names (hard links), which would
    // keep the old content.
    Result<void> checkReplaceable() const;

    // Replaces the content with the bytes. stopRequested, when given, is asked between the steps;
    // when it answers true the new file is removed and the result is Stopped. On any failure the
    // message names the step that failed, the old file is as it was and no new file is left.
    // With keepOpen, the new file stays open for reading and appending, under the writers' lock
    // taken before it got its name, so that no other writer comes between the replacement and
    // what the caller appends next: takeNewFile() hands its descriptor over.
    // A program that writes without taking the lock (an editor, "echo >>") can change the file
    // while it is read: when its size or times are no longer those noted by attach() and lock()
    // (the later), nothing is renamed, the result is Failed and changedMeanwhile() tells it, for
    // the caller to read the file again.
    Result<void> replace(QByteArrayView bytes, const std::function<bool()> &stopRequested = {},
                         bool keepOpen = false);
    bool changedMeanwhile() const { return m_changedMeanwhile; }
    // The kept new file's descriptor, now the caller's; -1 when there is none.
    int takeNewFile();

private:
    void reach(ReplaceStep step) const;

    ReplaceHooks m_hooks;
    int m_newFd = -1;
    QString m_path;
    QString m_shown;
    QByteArray m_name; // the file's name in its directory
    int m_fd = -1;     // the caller's
    int m_dirFd = -1;
    struct stat m_status
    {
    };
    struct stat m_locked // as attach() and then lock() found it
    {
    };
    bool m_changedMeanwhile = false;
};

} // namespace vantro
