// An overlong line costs the reader no more than its bound: it is reported once the bound is
// passed, and the rest of it is dropped as it is read. (Ordinary lines are read through the word
// file's tests.)
#include "childprocess.h"
#include "fileio/linereader.h"

#include <QFile>
#include <QTest>

#include <cstring>
#include <sys/resource.h>

using namespace vantro;

namespace {

// A stream of one line of `length` bytes without a line end, then "\nnext\n", made as it is read
// and never held; it counts the bytes it has served.
class LongLineDevice : public QIODevice
{
public:
    explicit LongLineDevice(qint64 length) : m_length(length) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served() const { return m_served; }
    qint64 total() const { return m_length + 6; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        static const char kTail[] = "\nnext\n";
        const qint64 count = std::min(maxSize, total() - m_served);
        for (qint64 i = 0; i < count;) {
            const qint64 at = m_served + i;
            if (at < m_length) {
                const qint64 run = std::min(count - i, m_length - at);
                std::memset(data + i, 'x', size_t(run));
                i += run;
            } else {
                data[i++] = kTail[at - m_length];
            }
        }
        m_served += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const qint64 m_length;
    qint64 m_served = 0;
};

constexpr qint64 kMiB = 1024 * 1024;

} // namespace

class LineReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void overlongLineIsReportedAtTheBound();
    void overlongLineIsNeverHeld();
};

void LineReaderTest::overlongLineIsReportedAtTheBound()
{
    LongLineDevice device(256 * kMiB);
    LineReader reader(device);
    const qint64 bound = reader.maxLineBytes();

    QCOMPARE(reader.next().value(), LineReader::Step::Overlong);
    QCOMPARE(reader.lineNumber(), 1);
    // Reported once the bound is passed, long before the line ends.
    QVERIFY2(device.served() < 2 * bound,
             qPrintable(QStringLiteral("%1 bytes read for a bound of %2")
                            .arg(QString::number(device.served()), QString::number(bound))));

    QCOMPARE(reader.next().value(), LineReader::Step::Line);
    QCOMPARE(reader.line().toByteArray(), QByteArray("next\n"));
    QCOMPARE(reader.lineNumber(), 2);
    QCOMPARE(reader.lineStart(), 256 * kMiB + 1);
    QCOMPARE(reader.next().value(), LineReader::Step::End);
    QCOMPARE(device.served(), device.total());
}

void LineReaderTest::overlongLineIsNeverHeld()
{
    // In a child whose address space has room for a few bounds but not for the line: a reader
    // that held the line while it skips it would run out of memory there.
    const ChildOutcome child = runInChild([] {
        LongLineDevice device(1024 * kMiB);
        LineReader reader(device);
        rlimit space{};
        getrlimit(RLIMIT_AS, &space);
        QFile status(QStringLiteral("/proc/self/statm"));
        if (!status.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read the process's size");
        const rlim_t used = status.readAll().split(' ').value(0).toULongLong() * 4096;
        space.rlim_cur = used + 64 * kMiB;
        if (setrlimit(RLIMIT_AS, &space) != 0)
            return QStringLiteral("cannot limit the address space");
        QString found;
        try {
            for (auto result = reader.next().value(); result != LineReader::Step::End;
                 result = reader.next().value()) {
                found += result == LineReader::Step::Line
                             ? QString::fromLatin1(reader.line().toByteArray())
                             : QStringLiteral("overlong\n");
            }
        } catch (const std::bad_alloc &) {
            return QStringLiteral("out of memory after %1 bytes").arg(device.served());
        }
        return found == QLatin1String("overlong\nnext\n") ? QString() : found;
    });
    QVERIFY2(child.passed(), child.text());
}

QTEST_APPLESS_MAIN(LineReaderTest)
#include "tst_linereader.moc"
