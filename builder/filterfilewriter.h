#pragma once

#include "sortedtextlist.h"

#include <QFile>
#include <QString>

namespace vantro {

// Appends one block of filter entries to a file, one entry at a time or many at once: open()
// creates the file when absent and writes the block's opening CR LF, writeEntry() and
// writeEntries() add entry lines, finish() closes the file with the block in it, and rollBack()
// cuts the file back to where the block started. Every write holds whole lines, so the file
// never ends in half a line, also when the writer is dropped (or the program ends) midway.
//
// Variants must be safe to write (see findUnwritableVariant); writeEntry() refuses one that is
// not. After a failed call, error() says why; the caller then calls rollBack().
class FilterFileWriter
{
public:
    explicit FilterFileWriter(QString path);
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
    // Takes back what this block has put into the file and closes it. error() then also tells
    // whether that worked.
    void rollBack();

    const QString &path() const { return m_path; }
    const QString &error() const { return m_error; }
    qsizetype entriesWritten() const { return m_entriesWritten; }
    bool isOpen() const { return m_file.isOpen(); }

private:
    bool write(const QByteArray &lines, qsizetype entries);
    bool fail(const QString &reason);

    QString m_path;
    QFile m_file;
    qint64 m_blockStart = 0; // the file's size before the block
    qsizetype m_entriesWritten = 0;
    QString m_error;
};

} // namespace vantro
