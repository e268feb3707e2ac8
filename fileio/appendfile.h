#pragma once

#include "common/result.h"
#include "fileio/filelock.h"

#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <functional>

namespace vantro {

// How opening waits for a file that another writer holds locked, and how its caller stops it.
using AppendOptions = LockWait;

// A regular file open for appending, under the exclusive lock that every writer of our files
// holds (see filelock.h), with the steps that taking appended bytes back again needs. open()
// creates the file when absent (also behind a symbolic link that leads nowhere yet), follows a
// link only by the link rule (see WritePlace), refuses a FIFO, a device or a directory in its
// place without blocking, and opens again a file that was replaced or removed while it waited
// for the lock. Closing releases the lock.
class AppendFile
{
public:
    explicit AppendFile(QString path);
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    // Fails with Refused for a file that is not regular (the message: "PATH" is KIND, not a
    // regular file., the cause: KIND) or a link of another account on the way, Busy when the lock
    // was still held after the wait, Stopped, or Failed. Every error's cause below is the system's
    // reason.
    Result<void> open(const AppendOptions &options);
    // Takes over a descriptor of the regular file at the path that is open for reading and
    // appending and holds the lock already (a file that has just replaced the one at the path).
    // Closing releases it.
    Result<void> adopt(int fd);

    bool isOpen() const { return m_fd >= 0; }
    const QString &path() const { return m_path; }
    bool created() const { return m_created; }   // open() created the file
    bool readable() const { return m_readable; } // open for reading too, so it can be read back
    qint64 sizeAtOpen() const { return m_sizeAtOpen; }

    // Writes all the bytes, going on after a write cut short; those that went in are counted in
    // bytesWritten(), also on failure ("Writing to "PATH" failed: REASON.").
    Result<void> write(QByteArrayView bytes);
    // The bytes that went in through write() since open().
    qint64 bytesWritten() const { return m_bytesWritten; }
    // Whether the path still names the file that is open.
    bool pathNamesFile() const;
    // The open file's size now.
    Result<qint64> size() const;
    // The bytes from start on, length of them, handed to the sink a chunk at a time.
    Result<void> readBack(qint64 start, qint64 length,
                          const std::function<void(QByteArrayView)> &sink) const;
    // Cuts the open file back to the size.
    Result<void> truncate(qint64 size);
    // Removes the open file's name from its directory: the file's own name, also where the path
    // is a symbolic link that leads to it (the link stays), and only while that name still holds
    // the open file.
    Result<void> removeName();
    // Whether the open file still has a name in a directory (it was not removed meanwhile).
    bool fileHasName() const;
    // Whether anything stands at the path (a link that leads nowhere counts).
    bool pathExists() const;
    // Closes the file and reports what closing said, as write() does.
    Result<void> close();

private:
    Result<void> openLocked(const AppendOptions &options);
    void closeQuietly();
    Error failure(const QString &what, int error) const;

    QString m_path;
    int m_fd = -1;
    bool m_created = false;
    bool m_readable = false;
    qint64 m_sizeAtOpen = 0;
    qint64 m_bytesWritten = 0;
};

} // namespace vantro
