#include "mainwindow.h"

#include "builtinwords.h"
#include "startupfiles.h"
#include "wordcheck.h"
#include "wordlistmodel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>

namespace vantro {

namespace {

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

MainWindow::MainWindow(QWidget *parent) : QWidget(parent), m_reporter(messageBoxReporter(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Vantro Bad Word Filter Tool"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vantro-filter-tool.png")));
    setFixedSize(709, 635);
    setFont(windowFont());

    createControls();
    setTabOrder();
    connectHandlers();
    m_command1->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    m_label1 = placed(centredLabel(this, tr("List of Bad Words to Filter")), "Label1",
                      QRect(8, 16, 225, 17));
    m_label1->setFont(timesNewRoman(9.75));

    m_wordList = new WordListModel(this);
    m_text1 = placed(new QListView(this), "text1", QRect(8, 40, 225, 433));
    m_text1->setModel(m_wordList);
    m_text1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_text1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_text1->setUniformItemSizes(true);

    m_label3 = placed(centredLabel(this, tr("Add any words that you would like. The localization "
                                            "is case sensitive and must match exactly. Press "
                                            "Build when done.")),
                      "Label3", QRect(8, 480, 225, 49));
    m_label3->setFont(timesNewRoman(9.75));
    m_label3->setWordWrap(true);

    m_text3 = placed(new QLineEdit(this), "Text3", QRect(8, 536, 225, 25));
    m_command3 = placed(new QPushButton(tr("Add Word"), this), "Command3", QRect(48, 568, 137, 25));

    m_text2 = placed(new QPlainTextEdit(this), "Text2", QRect(248, 40, 441, 513));
    m_text2->setFont(timesNewRoman(9.75));
    m_text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text2->setTabChangesFocus(true);

    m_label5 =
        placed(centredLabel(this, tr("Processing Word")), "Label5", QRect(296, 560, 361, 25));
    m_label5->setFont(timesNewRoman(12));
    m_label5->hide();
    // The Build's step counter; never shown, and partly beyond the window's right edge.
    m_label4 = placed(centredLabel(this, QStringLiteral("0")), "Label4", QRect(664, 560, 73, 17));
    m_label4->setFont(timesNewRoman(12));
    m_label4->hide();

    m_check2 = placed(new QCheckBox(tr("Write to default localization file "), this), "Check2",
                      QRect(24, 600, 177, 25));
    m_check1 = placed(
        new QCheckBox(tr("Max usage, may cause server to take a little longer to load"), this),
        "Check1", QRect(240, 600, 337, 25));
    m_command2 = placed(new QPushButton(tr("Exit"), this), "Command2", QRect(568, 600, 49, 25));
    m_command1 = placed(new QPushButton(tr("Build"), this), "Command1", QRect(632, 600, 57, 25));
}

void MainWindow::setTabOrder()
{
    QWidget *const chain[] = {m_command1, m_text2,  m_command2, m_text1,   m_text3,
                              m_command3, m_check1, m_check2,   m_command1};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void MainWindow::connectHandlers()
{
    connect(m_command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &MainWindow::Command3_Click);
    connect(m_text3, &QLineEdit::returnPressed, this, &MainWindow::Command3_Click);
    connect(m_text1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.isEmpty())
                    text1_Click();
            });
}

void MainWindow::setWarningReporter(WarningReporter reporter)
{
    m_reporter = std::move(reporter);
}

bool MainWindow::Form_Load()
{
    m_list1 = builtInSourceList();
    m_wordList->setList(wordListFromSource(m_list1));
    m_text2->setPlainText(instructionsText());

    if (const auto error = rewriteBadWordFile(QDir::currentPath())) {
        std::fprintf(stderr, "%s\n", error->toLocal8Bit().constData());
        m_reporter(*error);
        return false;
    }
    return true;
}

void MainWindow::Command2_Click()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_building) {
        // The Build stops after the entry in hand and touches nothing more.
        m_exitRequested = true;
        m_entryPause.stop();
    }
    event->accept();
}

void MainWindow::Command3_Click()
{
    const NewWord word = prepareNewWord(m_text3->text());
    if (word.problem) {
        m_reporter(tr("\"%1\" cannot be added to the word list. %2")
                       .arg(word.text, word.problem->message));
        m_text3->setFocus();
        return;
    }
    const qsizetype row = m_wordList->addItem(word.text);
    if (m_building)
        m_wordsAddedDuringBuild.append(word.text);
    m_text1->scrollTo(m_wordList->index(static_cast<int>(row)));
    m_text3->clear();
    m_text3->setFocus();
}

void MainWindow::text1_Click()
{
    const QModelIndexList selected = m_text1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    if (m_building)
        m_wordsAddedDuringBuild.removeOne(m_wordList->list().List(row));

    // The keyboard cursor moves to the word that takes the removed one's place, unselected. Left
    // on the removed row, the view would move it itself and select that word too.
    QItemSelectionModel *selection = m_text1->selectionModel();
    const int nextRow = row + 1 < m_wordList->rowCount() ? row + 1 : row - 1;
    selection->clearSelection();
    selection->setCurrentIndex(m_wordList->index(nextRow), QItemSelectionModel::NoUpdate);
    m_wordList->removeItem(row);
}

} // namespace vantro
