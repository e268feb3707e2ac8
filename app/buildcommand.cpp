// The Build button: expands the word list into its variants and appends their filter entries to
// the target file, pacing itself and showing its progress.
#include "mainwindow.h"

#include "filterwriter.h"
#include "variants.h"
#include "wordlistmodel.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>

namespace vantro {

namespace {

// The busy pointer for as long as it lives.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { restore(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

    void restore()
    {
        if (m_shown)
            QGuiApplication::restoreOverrideCursor();
        m_shown = false;
    }

private:
    bool m_shown = true;
};

} // namespace

void MainWindow::build()
{
    // A Build started from another one's pause would pull the lists from under it.
    if (m_building)
        return;
    m_building = true;
    m_exitRequested = false;
    m_wordsAddedDuringBuild.clear();
    m_variantsToShow.clear();
    m_entriesWritten = 0;
    m_entryPause.reset();
    BusyPointer busy;

    const SortedTextList wordsBefore = m_wordList->list();
    m_sourceList = sourceListFrom(wordsBefore);
    m_wordList->clear();
    m_variantList = buildVariantList(m_sourceList, m_maxUsageBox->isChecked());
    m_progressLabel->show();

    m_progressCounter->setText(QStringLiteral("0"));
    const QString target = filterTargetPath(QDir::currentPath(), m_localizationBox->isChecked()
                                                                     ? FilterTarget::Localization
                                                                     : FilterTarget::BadNames);
    const FilterWriteResult result = writeFilterFile(
        target, m_variantList, [this](const FilterStep &step) { return afterFilterStep(step); });
    m_building = false;

    // Exit has closed the window (it is hidden, not destroyed, until the program ends): the
    // Build ends here and shows nothing more.
    if (m_exitRequested)
        return;
    if (result.failed()) {
        m_variantsToShow.clear();
        busy.restore();
        recoverFromFailedBuild(wordsBefore, result.error);
        return;
    }
    showWrittenVariants();
}

bool MainWindow::afterFilterStep(const FilterStep &step)
{
    if (m_exitRequested)
        return false;
    if (step.written) {
        m_entryPause.start();
        m_variantsToShow.append(step.variant);
        if (m_variantsToShow.size() >= kEntriesShownTogether)
            showWrittenVariants();
        emit filterEntryWritten(++m_entriesWritten);
        if (!m_entryPause.wait())
            return false;
    }
    const qsizetype counter = m_progressCounter->text().toLongLong() + 1;
    m_progressCounter->setText(QString::number(counter));
    m_progressLabel->setText(
        tr("Processing Word %1 of %2").arg(QString::number(counter), QString::number(step.count)));
    return true;
}

void MainWindow::showWrittenVariants()
{
    for (const QString &variant : std::as_const(m_variantsToShow))
        m_wordList->addItem(variant);
    m_variantsToShow.clear();
}

void MainWindow::recoverFromFailedBuild(const SortedTextList &wordsBefore, const QString &error)
{
    SortedTextList restored = wordsBefore;
    for (const QString &word : std::as_const(m_wordsAddedDuringBuild))
        restored.addItem(word);
    m_wordsAddedDuringBuild.clear();
    m_wordList->setList(std::move(restored));
    m_progressLabel->setText(tr("Build failed"));
    m_reporter(error);
}

} // namespace vantro
