// The pause between filter entries: it lets pending events run and can be ended early.
#include "entrypause.h"

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

using vantro::EntryPause;

class EntryPauseTest : public QObject
{
    Q_OBJECT

private slots:
    void handlesPendingEvents_data();
    void handlesPendingEvents();
    void stopEndsAWaitAndTheNext();
    void resetLetsWaitsRunAgain();
};

void EntryPauseTest::handlesPendingEvents_data()
{
    QTest::addColumn<int>("pendingCalls");
    QTest::newRow("one") << 1;
    QTest::newRow("several") << 5;
}

void EntryPauseTest::handlesPendingEvents()
{
    QFETCH(int, pendingCalls);
    EntryPause pause;
    int handled = 0;
    for (int i = 0; i < pendingCalls; ++i)
        QMetaObject::invokeMethod(
            &pause, [&handled] { ++handled; }, Qt::QueuedConnection);
    pause.start();
    QVERIFY(pause.wait());
    QCOMPARE(handled, pendingCalls);
}

void EntryPauseTest::stopEndsAWaitAndTheNext()
{
    EntryPause pause;
    QMetaObject::invokeMethod(
        &pause, [&pause] { pause.stop(); }, Qt::QueuedConnection);
    pause.start();
    QVERIFY(!pause.wait());

    bool handled = false;
    QMetaObject::invokeMethod(
        &pause, [&handled] { handled = true; }, Qt::QueuedConnection);
    pause.start();
    QVERIFY(!pause.wait());
    QVERIFY(handled);
}

void EntryPauseTest::resetLetsWaitsRunAgain()
{
    EntryPause pause;
    pause.stop();
    pause.reset();
    pause.start();
    QVERIFY(pause.wait());
}

QTEST_MAIN(EntryPauseTest)
#include "tst_entrypause.moc"
