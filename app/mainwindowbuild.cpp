// The Build button: expands the word list into its variants and starts the paced job that appends
// their filter entries to the target file, showing its progress as it goes.
#include "app/mainwindow.h"
#include "app/windowcommandline.h"
#include "app/wordlistmodel.h"
#include "builder/buildplan.h"
#include "common/showntext.h"
#include "fileio/path.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace vantro {

namespace {

// How long a Build took: seconds to a tenth below a minute, else minutes and whole seconds.
QString durationText(PaceClock::Clock::duration took)
{
    using namespace std::chrono;
    const auto tenths = round<duration<qint64, std::deci>>(took).count();
    if (tenths < 600)
        return MainWindow::tr("%1 s").arg(QString::number(tenths / 10.0, 'f', 1));
    const qint64 seconds = tenths / 10;
    return MainWindow::tr("%1 min %2 s")
        .arg(QString::number(seconds / 60), QString::number(seconds % 60));
}

} // namespace

QString MainWindow::nextFilterTarget() const
{
    return filterTargetPath(currentDirectory(), m_localizationBox->isChecked()
                                                    ? FilterTarget::Localization
                                                    : FilterTarget::BadNames);
}

void MainWindow::updateBuildToolTip()
{
    const QString replacement = m_replacementStyle == ReplacementStyle::Mask
                                    ? tr("each word replaced by stars (****)")
                                    : tr("each word replaced by the cipher's letters");
    const QString appends =
        tr("Appends the filter entries to %1, %2").arg(shownPath(nextFilterTarget()), replacement);
    m_buildButton->setToolTip(
        m_replacesPreviousFilter
            ? appends + u'\n' + tr("The filter entries of earlier Builds are taken out first.")
            : appends);
}

void MainWindow::setReplacementStyle(ReplacementStyle style)
{
    m_replacementStyle = style;
    updateBuildToolTip();
}

void MainWindow::setReplacesPreviousFilter(bool replaces)
{
    m_replacesPreviousFilter = replaces;
    updateBuildToolTip();
}

void MainWindow::build()
{
    startBuild(m_replacesPreviousFilter);
}

void MainWindow::buildReplacingPreviousFilter()
{
    startBuild(true);
}

void MainWindow::startBuild(bool replacing)
{
    // The running Build has taken its words already; a second one would only repeat them.
    if (m_build)
        return;
    BuildPlan plan;
    plan.words = m_wordList->list();
    plan.maxUsage = m_maxUsageBox->isChecked();
    plan.spellings = spellings();
    plan.style = m_replacementStyle;
    plan.directory = currentDirectory();
    plan.target =
        m_localizationBox->isChecked() ? FilterTarget::Localization : FilterTarget::BadNames;
    plan.replacesPreviousFilter = replacing;
    m_removedWords.clear();
    // A second Build expands the variants of the first; Back to the words goes back to the words
    // before the first, with those added since.
    m_wordsBeforeVariants =
        m_listHoldsVariants
            ? SortedTextList::fromUnsorted(m_wordsBeforeVariants.items() + m_wordsAddedSinceBuild)
            : plan.words;
    m_wordsAddedSinceBuild.clear();
    m_variantsToShow.clear();
    m_entriesWritten = 0;
    showNotice({});

    m_wordsBeforeBuild = plan.words;
    m_sourceList = sourceListFrom(m_wordsBeforeBuild);
    m_wordList->clear();
    m_variantList = plan.variants();
    m_listHeldVariantsBeforeBuild = m_listHoldsVariants;
    m_listHoldsVariants = true;
    m_progressLabel->show();
    m_progressCounter->setText(QStringLiteral("0"));

    // A UTF-8 file would get Windows-1252 bytes: the Build refuses it, or, forced, goes on and the
    // user hears of it.
    BuildPolicy policy;
    policy.forceEncoding = m_forceEncoding;
    policy.warn = m_reporter;
    // The busy pointer and the disabled button stay for the Build's whole length, until
    // endBuild(). The focus comes back to the button if it is still where it moved to.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    const bool buildHadFocus = m_buildButton->hasFocus();
    m_buildButton->setEnabled(false);
    m_focusFromBuild = buildHadFocus ? QApplication::focusWidget() : nullptr;
    m_buildStart = m_paceClock.now();
    const QString target = plan.targetPath();
    m_build = new PacedBuild(plan, m_variantList, m_paceClock, std::move(policy), this);
    connect(m_build, &PacedBuild::stepTaken, this, &MainWindow::afterBuildStep);
    connect(m_build, &PacedBuild::finished, this, [this, target, replacing] {
        const int entries = static_cast<int>(m_entriesWritten);
        const QString outcome =
            replacing ? tr("%n entries written to %1", nullptr, entries).arg(shownPath(target)) +
                            tr(", replacing %n earlier filter entries,", nullptr,
                               static_cast<int>(m_build->removedEntries()))
                      : tr("%n entries appended to %1", nullptr, entries).arg(shownPath(target));
        const QString took = tr("in %1").arg(durationText(m_paceClock.now() - m_buildStart));
        endBuild();
        showWrittenVariants();
        announceBuildEnd(tr("Last Build: %1 %2").arg(outcome, took),
                         tr("Build done: %1 %2. The word list now shows the variants written; a "
                            "second Build would expand them again. Back to the words (Ctrl+R) "
                            "brings back the words.")
                             .arg(outcome, took));
    });
    connect(m_build, &PacedBuild::failed, this, &MainWindow::recoverFromFailedBuild);
    if (const Result<void> started = m_build->start(); !started)
        recoverFromFailedBuild(started.error());
}

void MainWindow::afterBuildStep(qsizetype step, const QString &variant, bool written)
{
    if (written) {
        m_variantsToShow.append(variant);
        if (m_variantsToShow.size() >= kEntriesShownTogether)
            showWrittenVariants();
    }
    m_progressCounter->setText(QString::number(step));
    const qsizetype count = m_build->count();
    // Re-enabling updates repaints the label with the caption set below.
    m_progressLabel->setUpdatesEnabled(step == 1 || step % kStepsShownTogether == 0 ||
                                       step == count);
    m_progressLabel->setText(
        tr("Processing Word %1 of %2").arg(QString::number(step), QString::number(count)));
    if (written)
        emit filterEntryWritten(++m_entriesWritten);
}

void MainWindow::endBuild()
{
    if (!m_build)
        return;
    // The job may be in the middle of its own signal; it goes once that has returned.
    m_build->abandon();
    m_build->disconnect(this);
    m_build->deleteLater();
    m_build = nullptr;
    m_progressLabel->setUpdatesEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    m_buildButton->setEnabled(true);
    if (m_focusFromBuild && QApplication::focusWidget() == m_focusFromBuild)
        m_buildButton->setFocus();
    emit buildEnded();
}

void MainWindow::showWrittenVariants()
{
    for (const QString &variant : std::as_const(m_variantsToShow))
        m_wordList->addItem(variant);
    m_variantsToShow.clear();
}

// The window's one answer to a failed Build, whatever its kind: the word list as it was, and the
// message in a box and on standard error.
void MainWindow::recoverFromFailedBuild(const Error &error)
{
    const QString filterTakenOutOf =
        m_build && m_build->tookOutPreviousFilter() ? m_build->target() : QString();
    endBuild();
    m_variantsToShow.clear();
    SortedTextList restored = m_wordsBeforeBuild;
    for (const QString &word : std::as_const(m_wordsAddedSinceBuild))
        restored.addItem(word);
    m_removedWords.clear();
    m_wordList->setList(std::move(restored));
    m_listHoldsVariants = m_listHeldVariantsBeforeBuild;
    // Back to the words still gives back the words before the earlier Build, and those added.
    if (!m_listHoldsVariants)
        m_wordsAddedSinceBuild.clear();
    m_progressLabel->setText(tr("Build failed"));
    QString message = error.message;
    if (!filterTakenOutOf.isEmpty())
        message += u' ' + tr("The filter of earlier Builds had already been taken out of %1; the "
                             "next Build that replaces the previous filter puts it right.")
                              .arg(shownPath(filterTakenOutOf));
    announceBuildEnd(tr("Last Build failed: %1").arg(message), tr("Build failed: %1").arg(message));
    printProgramMessage(message);
    m_reporter(message);
}

// The progress label stays as the Build left it; the notice, the word list's tool tip and its
// context menu say how it ended, and the window system and the desktop draw the user's eye to a
// window in the background.
void MainWindow::announceBuildEnd(const QString &outcome, const QString &notice)
{
    m_lastBuild = outcome;
    updateWordListSummary();
    showNotice(notice);
    if (!isActiveWindow()) {
        QApplication::alert(this);
        notifyDesktop(notice);
    }
}

} // namespace vantro
