// Word files and profiles that the user opens and saves from the word list's context menu.
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "common/showntext.h"
#include "fileio/inputfile.h"
#include "fileio/path.h"
#include "fileio/safepath.h"
#include "fileio/wholefile.h"

#include <QDir>
#include <QFile>

namespace vantro {

void MainWindow::readWordFileThen(
    const QString &path, WordFileKind kind,
    const std::function<void(const WordFile &, const QByteArray &)> &use)
{
    const auto cannotRead = [&](const QString &reason) {
        m_reporter(tr("The word file \"%1\" cannot be read: %2").arg(shownPath(path), reason));
    };
    // A FIFO would hold the event loop until its writer is done.
    QFile file;
    if (const Result<void> opened = openInputFile(file, path, InputFiles::RegularOnly); !opened)
        return cannotRead(opened.message());
    QByteArray bytes;
    if (kind == WordFileKind::Profile) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return cannotRead(tr("Cannot read: %1").arg(shownText(file.errorString())));
    }
    const Result<WordFile> read = kind == WordFileKind::Profile ? readWordFile(bytes, kind, path)
                                                                : readWordFile(file, kind, path);
    if (!read)
        return cannotRead(read.message());
    use(*read, bytes);
}

void MainWindow::addWordsFromFile()
{
    m_fileChooser(FileChoice::AddWords, [this](const QString &path) {
        readWordFileThen(
            path, WordFileKind::Words,
            [this, path](const WordFile &file, const QByteArray &) { addWordsOfFile(path, file); });
    });
}

void MainWindow::takeOutWordsFromFile()
{
    m_fileChooser(FileChoice::TakeOutWords, [this](const QString &path) {
        readWordFileThen(path, WordFileKind::TakeOut,
                         [this, path](const WordFile &file, const QByteArray &) {
                             takeOutWordsOfFile(path, file);
                         });
    });
}

void MainWindow::openProfile()
{
    m_fileChooser(FileChoice::OpenProfile, [this](const QString &path) {
        readWordFileThen(path, WordFileKind::Profile,
                         [this, path](const WordFile &file, const QByteArray &bytes) {
                             applyProfile(path, file, bytes);
                         });
    });
}

void MainWindow::saveProfile()
{
    if (m_profilePath.isEmpty())
        saveProfileAs();
    else
        saveProfileTo(m_profilePath);
}

void MainWindow::saveProfileAs()
{
    m_fileChooser(FileChoice::SaveProfile, [this](const QString &path) { saveProfileTo(path); });
}

void MainWindow::setProfilePath(const QString &path)
{
    m_profilePath = path;
    // The folder as it is now: a later save writes there, or nowhere.
    m_profilePlace.reset();
    if (Result<WritePlace> place = WritePlace::find(path); place)
        m_profilePlace.emplace(std::move(*place));
}

void MainWindow::keepProfileLines(const QString &path, const QByteArray &bytes,
                                  const WordFile &profile)
{
    setProfilePath(path.isEmpty() ? QString() : absolutePath(path));
    // Lines in another encoding would end up beside UTF-8 ones; such a file is not written to.
    m_profileLineNotUtf8 = firstLineNotUtf8(bytes);
    m_edits.keepLinesOf(m_profileLineNotUtf8 > 0 ? QByteArray() : bytes, profile);
}

bool MainWindow::saveProfileTo(const QString &path)
{
    if (m_profileLineNotUtf8 > 0 && absolutePath(path) == m_profilePath) {
        m_reporter(tr("The profile was not saved: line %1 of \"%2\" is not UTF-8, and saving "
                      "would put UTF-8 lines beside it. Nothing was written. Convert the file to "
                      "UTF-8 and open it again, or save the profile to another file.")
                       .arg(QString::number(m_profileLineNotUtf8), shownPath(m_profilePath)));
        return false;
    }
    // The opened profile is saved into the folder it was opened from, while its path still
    // leads there; any other file is found now.
    const bool opened = m_profilePlace && absolutePath(path) == m_profilePath;
    std::optional<WritePlace> found;
    Result<void> saved;
    if (opened) {
        saved = m_profilePlace->stillHere();
    } else if (Result<WritePlace> place = WritePlace::find(path); place) {
        found.emplace(std::move(*place));
    } else {
        saved = place.error();
    }
    if (saved)
        saved = writeWholeFile(opened ? *m_profilePlace : *found, m_edits.profileText());
    if (!saved) {
        m_reporter(tr("The profile was not saved. %1").arg(saved.message()));
        return false;
    }
    // Later saves go to the same file, also when the window goes to another directory.
    if (!opened) {
        m_profilePath = absolutePath(path);
        m_profilePlace = std::move(found);
    }
    m_profileLineNotUtf8 = 0;
    m_edits.markSaved();
    if (m_edits.holdsEmptyWord())
        m_reporter(tr("The profile was saved to \"%1\" without the empty word, which a profile "
                      "cannot hold; add it again after the next start.")
                       .arg(shownPath(m_profilePath)));
    return true;
}

} // namespace vantro
