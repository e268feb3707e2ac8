#include "app/mainwindow.h"

#include "app/startupfiles.h"
#include "app/windowcommandline.h"
#include "app/wordlistmodel.h"
#include "common/translations.h"
#include "fileio/path.h"
#include "wordlists/builtinwords.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>

namespace vantro {

namespace {

// The design's client area, at 96 dpi.
constexpr QSize kContentSize(709, 635);

QFont timesNewRoman(qreal pointSize)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(pointSize);
    return font;
}

// The controls' own font: the small sans serif face that the window layout was drawn with, so
// that every caption fits its box.
QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(8.25);
    return font;
}

template <typename Widget>
Widget *placed(Widget *widget, const char *designName, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(designName));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *centredLabel(QWidget *parent, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_reporter(messageBoxReporter(this)), m_fileChooser(fileDialogChooser(this))
{
    installTranslations();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Vantro Bad Word Filter Tool"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vantro-filter-tool.png")));
    setFixedSize(kContentSize);
    setFont(windowFont());

    createControls();
    createWordListMenu();
    placeContentInScrollArea();
    setTabOrder();
    connectHandlers();
    updateBuildToolTip();
    updateWordListSummary();
    m_buildButton->setFocus();
}

MainWindow::~MainWindow()
{
    endBuild(); // gives the pointer back
}

void MainWindow::createControls()
{
    m_listHeading = placed(centredLabel(this, tr("List of Bad Words to Filter")), "Label1",
                           QRect(8, 16, 225, 17));
    m_listHeading->setFont(timesNewRoman(9.75));

    m_wordList = new WordListModel(this);
    m_wordListView = placed(new QListView(this), "text1", QRect(8, 40, 225, 433));
    m_wordListView->setModel(m_wordList);
    m_wordListView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wordListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_wordListView->setUniformItemSizes(true);

    m_addWordHint =
        placed(centredLabel(this, tr("Add any words that you would like. The localization "
                                     "is case sensitive and must match exactly. Press "
                                     "Build when done.")),
               "Label3", QRect(8, 480, 225, 49));
    m_addWordHint->setFont(timesNewRoman(9.75));
    m_addWordHint->setWordWrap(true);

    m_newWordBox = placed(new QLineEdit(this), "Text3", QRect(8, 536, 225, 25));
    m_addWordButton =
        placed(new QPushButton(tr("Add Word"), this), "Command3", QRect(48, 568, 137, 25));

    m_instructionsBox = placed(new QPlainTextEdit(this), "Text2", QRect(248, 40, 441, 513));
    m_instructionsBox->setFont(timesNewRoman(9.75));
    m_instructionsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_instructionsBox->setTabChangesFocus(true);

    m_progressLabel =
        placed(centredLabel(this, tr("Processing Word")), "Label5", QRect(296, 560, 361, 25));
    m_progressLabel->setFont(timesNewRoman(12));
    m_progressLabel->hide();
    // The Build's step counter; never shown, and partly beyond the window's right edge.
    m_progressCounter =
        placed(centredLabel(this, QStringLiteral("0")), "Label4", QRect(664, 560, 73, 17));
    m_progressCounter->setFont(timesNewRoman(12));
    m_progressCounter->hide();

    m_localizationBox = placed(new QCheckBox(tr("Write to default localization file "), this),
                               "Check2", QRect(24, 600, 177, 25));
    m_maxUsageBox = placed(
        new QCheckBox(tr("Max usage, may cause server to take a little longer to load"), this),
        "Check1", QRect(240, 600, 337, 25));
    m_exitButton = placed(new QPushButton(tr("Exit"), this), "Command2", QRect(568, 600, 49, 25));
    m_buildButton = placed(new QPushButton(tr("Build"), this), "Command1", QRect(632, 600, 57, 25));
    createNotice(); // last: it lies over the instructions box
}

void MainWindow::placeContentInScrollArea()
{
    // The controls keep the design's places on a content widget of the design's size. On a screen
    // too small for it (a large scale factor, a low laptop screen), the window is smaller and
    // the scroll area around the content shows scroll bars, so that Build and Exit stay reachable.
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    content->setFixedSize(kContentSize);
    const QList<QWidget *> controls = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls) {
        if (!control->isWindow()) // a menu stays the popup it is
            control->setParent(content);
    }
    auto *scrollArea = new QScrollArea(this);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setFocusPolicy(Qt::NoFocus); // Tab goes through the controls only
    scrollArea->setWidget(content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addWidget(scrollArea);
}

void MainWindow::fitToScreenArea(const QRect &available)
{
    const QSize room = available.size() - (frameGeometry().size() - size());
    // A scroll bar that is needed takes its own room beside the content, so that a window that
    // is only too high does not scroll sideways too.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize fitted = kContentSize;
    if (fitted.height() > room.height())
        fitted.rwidth() += bar;
    if (fitted.width() > room.width())
        fitted.rheight() += bar;
    fitted = fitted.boundedTo(room);
    setFixedSize(fitted);
    if (fitted != kContentSize)
        move(available.topLeft());
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (const QScreen *shownOn = screen())
        fitToScreenArea(shownOn->availableGeometry());
    QWidget::showEvent(event);
}

void MainWindow::setTabOrder()
{
    QWidget *const chain[] = {m_buildButton,  m_instructionsBox, m_exitButton,
                              m_wordListView, m_newWordBox,      m_addWordButton,
                              m_maxUsageBox,  m_localizationBox, m_buildButton};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void MainWindow::connectHandlers()
{
    connect(m_buildButton, &QPushButton::clicked, this, &MainWindow::build);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    auto *quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &MainWindow::exitProgram);
    addAction(quit);
    connect(m_addWordButton, &QPushButton::clicked, this, &MainWindow::addWord);
    connect(m_newWordBox, &QLineEdit::returnPressed, this, &MainWindow::addWord);
    connect(m_wordListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    removeSelectedWord();
            });
    // The second press of a double-click would remove the word that moved into the removed
    // one's place.
    // It also takes the word files dropped onto the list.
    m_wordListView->viewport()->installEventFilter(this);
    m_wordListView->setAcceptDrops(true);
    m_wordListView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_wordListView, &QListView::customContextMenuRequested, this,
            &MainWindow::showWordListMenu);
    connect(m_wordList, &WordListModel::rowsInserted, this, &MainWindow::updateWordListSummary);
    connect(m_wordList, &WordListModel::rowsRemoved, this, &MainWindow::updateWordListSummary);
    connect(m_wordList, &WordListModel::modelReset, this, &MainWindow::updateWordListSummary);
    connect(m_localizationBox, &QCheckBox::toggled, this, &MainWindow::updateBuildToolTip);
    // Each control's clicks and keys end the notice (see eventFilter).
    for (QWidget *control : findChildren<QWidget *>()) {
        if (!control->isWindow())
            control->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The user's next action ends the notice; the action may then show one of its own.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress ||
        event->type() == QEvent::ShortcutOverride)
        showNotice({});
    if (watched == m_wordListView->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
        // A right-click opens the context menu; on its way it would select, and so remove, the
        // word under the pointer.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton ||
                static_cast<QMouseEvent *>(event)->buttons() & Qt::RightButton)
                return true;
        }
        if (dropWordFiles(event))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setPaceClock(PaceClock clock)
{
    m_paceClock = std::move(clock);
}

void MainWindow::setWarningReporter(WarningReporter reporter)
{
    m_reporter = std::move(reporter);
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    m_fileChooser = std::move(chooser);
}

bool MainWindow::load(const BuiltInChoice &builtIn)
{
    m_sourceList = builtInSourceList(builtIn);
    m_wordList->setList(wordListFromSource(m_sourceList));
    m_edits.start(m_wordList->list().items(), {}, {});
    m_instructionsBox->setPlainText(instructionsText());

    if (const Result<void> rewritten = rewriteBadWordFile(currentDirectory()); !rewritten) {
        printProgramMessage(rewritten.message());
        m_reporter(rewritten.message());
        return false;
    }
    return true;
}

} // namespace vantro
