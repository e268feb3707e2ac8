#pragma once

#include "builder/cipher.h"
#include "common/result.h"
#include "fileio/appendfile.h"
#include "wordlists/sortedtextlist.h"

#include <QCryptographicHash>
#include <QString>

#include <functional>

namespace vantro {

// Appends one block of filter entries to a regular file, one entry at a time or many at once:
// open() opens the file for appending under its lock (see fileio/appendfile.h) and writes the
// block's opening CR LF, writeEntry() and writeEntries() add entry lines, finish() closes the
// file with the block in it, and rollBack() takes the block out again. Every write holds whole
// lines, so the file never ends in half a line, also when the writer is dropped (or the program
// ends) midway.
//
// The options' stopRequested() is also asked before every write; a stop fails the call with
// ErrorKind::Stopped. Variants must be safe to write (see checkWritableVariants); writeEntry()
// refuses one that is not. After a failed call the caller calls rollBack().
class BlockWriter
{
public:
    explicit BlockWriter(QString path, AppendOptions options = {},
                         ReplacementStyle style = ReplacementStyle::Cipher);

    // opened, when given, sees the file once it is open and locked, before the block's first
    // byte; when it fails, the file is closed with nothing written, and open() fails with it.
    Result<void> open(const std::function<Result<void>(const AppendFile &)> &opened = {});
    // Begins the block in a file that file() holds open and locked already (one that has just
    // replaced the file at the path): its opening CR LF, after the LF that a last line ended by
    // a lone CR lacks (when the file can be read back to see it).
    Result<void> begin();
    AppendFile &file() { return m_file; }
    // One entry line for the variant, with one write; the line is in the file when this returns.
    // An empty variant gets no line and is no failure.
    Result<void> writeEntry(const QString &variant);
    // An entry line for every non-empty variant, in list order, gathered into large writes.
    Result<void> writeEntries(const SortedTextList &variants);
    Result<void> finish();
    // Takes back what this block has put into the file, and removes a file that this writer
    // created, but only while the file at the path is still the one opened and ends with exactly
    // the bytes written; else leaves it and says what of the block is left, and where. Closes the
    // file and returns the failure with that outcome added to its message.
    Error rollBack(Error failure);

    const QString &path() const { return m_file.path(); }
    // The entries in the file: the whole block's, or after rollBack() those left behind.
    qsizetype entriesWritten() const { return m_entriesWritten; }
    bool isOpen() const { return m_file.isOpen(); }

private:
    Result<void> write(const QByteArray &lines, qsizetype entries);
    Result<void> stopIfRequested() const;
    QString rollBackOutcome();
    bool endsWithWrittenBytes() const;
    QString leftInFile() const;

    AppendFile m_file;
    AppendOptions m_options;
    ReplacementStyle m_style;
    qint64 m_bytesWritten = 0; // the bytes of the block that went into the file
    qsizetype m_lineEnds = 0;  // the line ends among them
    bool m_endsWithLineEnd = true;
    QCryptographicHash m_writtenHash{QCryptographicHash::Sha1};
    qsizetype m_entriesWritten = 0;
};

} // namespace vantro
