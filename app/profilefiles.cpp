// Word files and profiles that the user opens and saves from the word list's context menu.
#include "app/mainwindow.h"
#include "app/wordlistmodel.h"
#include "builder/wordfile.h"
#include "common/showntext.h"
#include "fileio/inputfile.h"
#include "fileio/path.h"
#include "fileio/wholefile.h"

#include <QDir>
#include <QFile>

namespace vantro {

void MainWindow::readWordFileThen(const QString &path, WordFileKind kind,
                                  const std::function<void(const WordFile &)> &use)
{
    const auto cannotRead = [&](const QString &reason) {
        m_reporter(tr("The word file \"%1\" cannot be read: %2").arg(shownPath(path), reason));
    };
    QFile file;
    if (const Result<void> opened = openInputFile(file, path); !opened)
        return cannotRead(opened.message());
    const Result<WordFile> read = readWordFile(file, kind);
    if (!read)
        return cannotRead(read.message());
    use(*read);
}

void MainWindow::addWordsFromFile()
{
    m_fileChooser(FileChoice::AddWords, [this](const QString &path) {
        readWordFileThen(path, WordFileKind::Words,
                         [this, path](const WordFile &file) { addWordsOfFile(path, file); });
    });
}

void MainWindow::takeOutWordsFromFile()
{
    m_fileChooser(FileChoice::TakeOutWords, [this](const QString &path) {
        readWordFileThen(path, WordFileKind::TakeOut,
                         [this, path](const WordFile &file) { takeOutWordsOfFile(path, file); });
    });
}

void MainWindow::openProfile()
{
    m_fileChooser(FileChoice::OpenProfile, [this](const QString &path) {
        readWordFileThen(path, WordFileKind::Profile,
                         [this, path](const WordFile &file) { applyProfile(path, file); });
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

void MainWindow::saveProfileTo(const QString &path)
{
    if (const Result<void> saved = writeWholeFile(path, m_edits.profileText()); !saved) {
        m_reporter(tr("The profile was not saved. %1").arg(saved.message()));
        return;
    }
    // Later saves go to the same file, also when the window goes to another directory.
    m_profilePath = absolutePath(path);
    if (m_edits.holdsEmptyWord())
        m_reporter(tr("The profile was saved to \"%1\" without the empty word, which a profile "
                      "cannot hold; add it again after the next start.")
                       .arg(shownPath(m_profilePath)));
}

} // namespace vantro
