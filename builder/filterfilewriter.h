#pragma once

#include "sortedtextlist.h"

#include <QCryptographicHash>
#include <QString>

#include <chrono>
#include <functional>

namespace vantro {

// How a writer meets a target that another Build holds locked, and how its caller stops it.
struct FilterWriterOptions
{
    // How long open() waits for the lock at most; zero fails at once.
    std::chrono::milliseconds lockWait{0};
    // Called once when open() begins to wait.
    std::function<void()> waitingForLock;
    // Asked while open() waits and before every write; true stops the writer, which then fails
    // with stopped() set.
    std::function<bool()> stopRequested;
};

// Appends one block of filter entries to a regular file, one entry at a time or many at once:
// open() creates the file when absent, takes the file's lock (see filterfilelock.h) and writes
// the block's opening CR LF, writeEntry() and writeEntries() add entry lines, finish() closes the
// file with the block in it, and rollBack() takes the block out again. Every write holds whole
// lines, so the file never ends in half a line, also when the writer is dropped (or the program
// ends) midway. A FIFO, a device or a directory in the target's place is refused without
// blocking; a symbolic link leads to the file it names.
//
// Variants must be safe to write (see findUnwritableVariant); writeEntry() refuses one that is
// not. After a failed call, error() says why; the caller then calls rollBack().
class FilterFileWriter
{
public:
    explicit FilterFileWriter(QString path, FilterWriterOptions options = {});
    ~FilterFileWriter();
    FilterFileWriter(const FilterFileWriter &) = delete;
    FilterFileWriter &operator=(const FilterFileWriter &) = delete;

    bool open();
    // One entry line for the variant, with one write; the line is in the file when this returns.
    // An empty variant gets no line and is no failure.
    bool writeEntry(const QString &variant);
    // An entry line for every non-empty variant, in list order, gathered into large writes.
    bool writeEntries(const SortedTextList &variants);
    bool finish();
    // Takes back what this block has put into the file, and removes a file that this writer
    // created, but only while the file at the path is still the one opened and ends with exactly
    // the bytes written; else leaves it and says what of the block is left, and where. Closes the
    // file; error() then also tells the outcome.
    void rollBack();

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }
    qsizetype entriesWritten() const { return m_entriesWritten; }
    bool isOpen() const { return m_fd >= 0; }
    bool stopped() const { return m_stopped; }

private:
    bool openLocked();
    bool write(const QByteArray &lines, qsizetype entries);
    bool fail(const QString &reason);
    bool stopIfRequested();
    QString rollBackOutcome();
    bool endsWithWrittenBytes();
    QString leftInFile() const;
    void close();

    QString m_path;
    FilterWriterOptions m_options;
    int m_fd = -1;
    bool m_readable = false;   // opened for reading too, so that the block can be read back
    bool m_created = false;    // this writer created the file
    qint64 m_blockStart = 0;   // the file's size before the block
    qint64 m_bytesWritten = 0; // the bytes of the block that went into the file
    qsizetype m_lineEnds = 0;  // the line ends among them
    bool m_endsWithLineEnd = true;
    QCryptographicHash m_writtenHash{QCryptographicHash::Sha1};
    qsizetype m_entriesWritten = 0;
    bool m_stopped = false;
    QString m_error;
};

} // namespace vantro
