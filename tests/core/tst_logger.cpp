#include "Logger.h"

#include "TestMain.h"
#include "UiSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {

QByteArray readLog()
{
    QFile file(Logger::logFileName());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Starts every instance on an empty log file.
void restartLogFile()
{
    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->closeLogFile();
    QFile::remove(Logger::logFileName());
    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->openLogFile();
}

QRgb centreColour(const QLabel &label)
{
    const QPixmap pixmap = label.pixmap(Qt::ReturnByValue);
    if (pixmap.isNull())
        return 0;
    return pixmap.toImage().pixel(10, 10);
}

// Collects what is written to standard output while it lives.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        m_file.open();
        m_saved = ::dup(STDOUT_FILENO);
        ::dup2(m_file.handle(), STDOUT_FILENO);
    }
    ~StdoutCapture() { restore(); }

    QByteArray text()
    {
        restore();
        QFile reader(m_file.fileName());
        reader.open(QIODevice::ReadOnly);
        return reader.readAll();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class TestLogger : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void instanceSelection_data();
    void instanceSelection();
    void positionsHaveTheirOwnInstance();

    void messageRouting_data();
    void messageRouting();
    void emptyKeyWritesTheBareMessage();
    void fileLoggingSwitchedOff();
    void detachedLabelsAreLeftAlone();
    void localBytesReachTheFileUnchanged();
    void loggedSlotMayLogAgain();

    void sizeLimitOnReopening_data();
    void sizeLimitOnReopening();
    void failedWriteIsRetried();
    void specialLogFileIsNotOpened_data();
    void specialLogFileIsNotOpened();

    void workerMessageReachesLabelsOnTheGuiThread();
    void lateWorkerMessageDoesNotHideANewerOne();
    void concurrentWritersKeepLinesWhole();

private:
    QLabel *m_message = nullptr;
    QLabel *m_icon = nullptr;
};

void TestLogger::initTestCase()
{
    Q_INIT_RESOURCE(loggericons);

    // Before the first use of any instance: an oversized log from an earlier
    // run must be started anew. The file is sparse, so this costs no disk.
    {
        QFile big(Logger::logFileName());
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(Logger::maxLogFileSize + 1));
    }
    Logger::instance(0)->log(QStringLiteral("first"));
    QCOMPARE(readLog(), QByteArray("first\n"));
}

void TestLogger::init()
{
    restartLogFile();
    m_message = new QLabel(QStringLiteral("initial"));
    m_icon = new QLabel;
    Logger::instance(1)->setMessageLabel(m_message);
    Logger::instance(1)->setIconLabel(m_icon);
}

void TestLogger::cleanup()
{
    for (int i = 0; i < Logger::instanceCount; ++i) {
        Logger::instance(i)->setMessageLabel(nullptr);
        Logger::instance(i)->setIconLabel(nullptr);
        Logger::instance(i)->setFileLoggingEnabled(true);
    }
    delete m_message;
    delete m_icon;
    m_message = m_icon = nullptr;
}

void TestLogger::instanceSelection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    QTest::newRow("far below") << -100 << 0;
    QTest::newRow("-1 is the application's") << -1 << 0;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("8 has its own") << 8 << 8;
    QTest::newRow("9 clamps to the last") << 9 << 8;
    QTest::newRow("far above") << 1000 << 8;
}

void TestLogger::instanceSelection()
{
    QFETCH(int, index);
    QFETCH(int, expected);
    QCOMPARE(Logger::instance(index), Logger::instance(expected));
    // Repeated calls hand back the same object.
    QCOMPARE(Logger::instance(index), Logger::instance(index));
}

void TestLogger::positionsHaveTheirOwnInstance()
{
    QSet<Logger *> distinct;
    for (int i = 0; i < Logger::instanceCount; ++i)
        distinct.insert(Logger::instance(i));
    QCOMPARE(distinct.size(), Logger::instanceCount);

    // The panels at positions 7 and 8 each keep their own status line.
    QLabel seven(QStringLiteral("seven")), eight(QStringLiteral("eight"));
    Logger::instance(7)->setMessageLabel(&seven);
    Logger::instance(8)->setMessageLabel(&eight);
    Logger::instance(8)->status(QStringLiteral("from position 8"));
    QCOMPARE(seven.text(), QStringLiteral("seven"));
    QCOMPARE(eight.text(), QStringLiteral("from position 8"));
    Logger::instance(8)->setMessageLabel(nullptr);
    Logger::instance(7)->status(QStringLiteral("from position 7"));
    QCOMPARE(seven.text(), QStringLiteral("from position 7"));
    QCOMPARE(eight.text(), QStringLiteral("from position 8"));
    Logger::instance(7)->setMessageLabel(nullptr);
}

void TestLogger::messageRouting_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QRgb>("iconColour");
    QTest::addColumn<bool>("visible");

    QTest::newRow("status") << "status" << 0 << QByteArray("(II) ") << qRgb(0, 255, 0) << true;
    QTest::newRow("warning") << "warning" << 1 << QByteArray("(WW) ") << qRgb(255, 255, 0) << true;
    QTest::newRow("critical") << "critical" << 2 << QByteArray("(EE) ") << qRgb(255, 0, 0) << true;
    QTest::newRow("fatal") << "fatal" << 3 << QByteArray("(FF) ") << qRgb(0, 0, 255) << true;
    QTest::newRow("info") << "info" << 4 << QByteArray() << QRgb(0) << false;
    QTest::newRow("log") << "log" << 4 << QByteArray() << QRgb(0) << false;
}

void TestLogger::messageRouting()
{
    QFETCH(QString, slot);
    QFETCH(int, type);
    QFETCH(QByteArray, prefix);
    QFETCH(QRgb, iconColour);
    QFETCH(bool, visible);

    Logger *logger = Logger::instance(1);
    QSignalSpy spy(logger, &Logger::logged);
    QByteArray console;
    {
        StdoutCapture capture;
        // Through the meta-object, as a connected signal would call it.
        QVERIFY(QMetaObject::invokeMethod(logger, slot.toLatin1().constData(),
                                          Q_ARG(QString, QStringLiteral("Driver failed")),
                                          Q_ARG(QString, QStringLiteral("DWAVModule::configure"))));
        console = capture.text();
    }

    const QByteArray line = prefix + "DWAVModule::configure: Driver failed\n";
    QCOMPARE(readLog(), line);
    QCOMPARE(console, visible ? line : QByteArray());
    QCOMPARE(m_message->text(), visible ? QStringLiteral("DWAVModule::configure: Driver failed")
                                        : QStringLiteral("initial"));
    QCOMPARE(centreColour(*m_icon), iconColour);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("DWAVModule::configure: Driver failed"));
    QCOMPARE(int(spy.at(0).at(1).value<LoggerMessageType>()), type);
}

void TestLogger::emptyKeyWritesTheBareMessage()
{
    Logger *logger = Logger::instance(1);
    logger->critical(QStringLiteral("no key"));
    logger->warning(QStringLiteral("explicitly empty"), QString());
    logger->log(QStringLiteral("plain"));
    QCOMPARE(readLog(), QByteArray("(EE) no key\n(WW) explicitly empty\nplain\n"));
}

void TestLogger::fileLoggingSwitchedOff()
{
    Logger *logger = Logger::instance(1);
    QVERIFY(logger->isFileLoggingEnabled());
    logger->setFileLoggingEnabled(false);
    QVERIFY(!logger->isFileLoggingEnabled());
    // Only this instance stops writing to the shared file.
    QVERIFY(Logger::instance(2)->isFileLoggingEnabled());

    QByteArray console;
    {
        StdoutCapture capture;
        logger->status(QStringLiteral("during transfer"));
        logger->fatal(QStringLiteral("stopped"));
        logger->log(QStringLiteral("plain"));
        console = capture.text();
    }
    QCOMPARE(readLog(), QByteArray());
    QCOMPARE(console, QByteArray("(II) during transfer\n(FF) stopped\n"));
    QCOMPARE(m_message->text(), QStringLiteral("stopped"));

    logger->setFileLoggingEnabled(true);
    logger->status(QStringLiteral("after transfer"));
    QCOMPARE(readLog(), QByteArray("(II) after transfer\n"));
}

void TestLogger::detachedLabelsAreLeftAlone()
{
    Logger *logger = Logger::instance(1);
    logger->setMessageLabel(nullptr);
    logger->setIconLabel(nullptr);
    logger->critical(QStringLiteral("window is gone"));
    QCOMPARE(m_message->text(), QStringLiteral("initial"));
    QVERIFY(m_icon->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(readLog(), QByteArray("(EE) window is gone\n"));

    // A label destroyed without being detached is not touched either.
    auto *shortLived = new QLabel;
    logger->setMessageLabel(shortLived);
    delete shortLived;
    logger->status(QStringLiteral("still fine"));

    // Text without an icon label is fine too.
    logger->setMessageLabel(m_message);
    logger->warning(QStringLiteral("text only"));
    QCOMPARE(m_message->text(), QStringLiteral("text only"));
    QVERIFY(m_icon->pixmap(Qt::ReturnByValue).isNull());
}

void TestLogger::localBytesReachTheFileUnchanged()
{
    const QString message = QStringLiteral("Temperature 25 \u00b0C, \u041a\u0430\u043d\u0430\u043b 1");
    Logger::instance(1)->log(message);
    QCOMPARE(readLog(), message.toLocal8Bit() + '\n');
}

void TestLogger::loggedSlotMayLogAgain()
{
    Logger *logger = Logger::instance(1);
    int depth = 0;
    const auto connection = connect(logger, &Logger::logged, this, [&](const QString &message) {
        if (depth++ == 0)
            logger->log(QStringLiteral("seen: ") + message);
    });
    logger->warning(QStringLiteral("outer"));
    disconnect(connection);
    QCOMPARE(readLog(), QByteArray("(WW) outer\nseen: outer\n"));
}

void TestLogger::sizeLimitOnReopening_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("kept");
    QTest::newRow("one byte short of the limit") << Logger::maxLogFileSize - 1 << true;
    QTest::newRow("exactly the limit") << Logger::maxLogFileSize << true;
    QTest::newRow("one byte over the limit") << Logger::maxLogFileSize + 1 << false;
}

void TestLogger::sizeLimitOnReopening()
{
    QFETCH(qint64, size);
    QFETCH(bool, kept);

    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->closeLogFile();
    {
        QFile file(Logger::logFileName());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(file.resize(size));
    }
    Logger::instance(4)->openLogFile();
    Logger::instance(4)->critical(QStringLiteral("appended"));

    const QByteArray line("(EE) appended\n");
    QFile file(Logger::logFileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (kept) {
        QCOMPARE(file.size(), size + line.size());
        QVERIFY(file.seek(size));
        QCOMPARE(file.readAll(), line);
    } else {
        QCOMPARE(file.readAll(), line);
    }
}

void TestLogger::failedWriteIsRetried()
{
    Logger *logger = Logger::instance(1);
    logger->log(QStringLiteral("before"));
    {
        // The disk is full for one message.
        UiTest::FileSizeLimit full(rlim_t(QFileInfo(Logger::logFileName()).size()));
        logger->log(QStringLiteral("lost"));
    }
    logger->log(QStringLiteral("after"));
    QCOMPARE(readLog(), QByteArray("before\nafter\n"));
}

void TestLogger::specialLogFileIsNotOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("link to a device") << "device";
    QTest::newRow("folder") << "folder";
    // Opening it for writing would wait for a reader for good.
    QTest::newRow("named pipe") << "pipe";
}

void TestLogger::specialLogFileIsNotOpened()
{
    QFETCH(QString, kind);
    const QString name = Logger::logFileName();
    for (int i = 0; i < Logger::instanceCount; ++i)
        Logger::instance(i)->closeLogFile();
    QVERIFY(QFile::remove(name));
    const auto removeIt = qScopeGuard([&] {
        if (!QFile::remove(name))
            QDir().rmdir(name);
    });
    if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), name));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(name));
    else
        QVERIFY(UiTest::makeFifo(name));

    QByteArray console;
    {
        StdoutCapture capture;
        for (int i = 0; i < Logger::instanceCount; ++i)
            Logger::instance(i)->openLogFile();
        Logger::instance(1)->warning(QStringLiteral("still shown"));
        console = capture.text();
    }
    QVERIFY2(console.endsWith("(WW) still shown\n"), console.constData());
    // Said once a run, not once an instance or a row.
    static bool told = false;
    QCOMPARE(console.count("is not a regular file"), told ? 0 : 1);
    told = true;
    QVERIFY(!Logger::instance(1)->isObserved(LoggerPlain));
}

void TestLogger::workerMessageReachesLabelsOnTheGuiThread()
{
    Logger *logger = Logger::instance(1);
    QThread *worker = QThread::create([logger] {
        logger->critical(QStringLiteral("self test failed"), QStringLiteral("Service"));
    });
    worker->start();
    QVERIFY(worker->wait());
    delete worker;

    // The file is written at once; the label waits for the GUI thread.
    QCOMPARE(readLog(), QByteArray("(EE) Service: self test failed\n"));
    QCOMPARE(m_message->text(), QStringLiteral("initial"));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_message->text(), QStringLiteral("Service: self test failed"));
    QCOMPARE(centreColour(*m_icon), qRgb(255, 0, 0));
}

void TestLogger::lateWorkerMessageDoesNotHideANewerOne()
{
    Logger *logger = Logger::instance(1);
    QThread *worker = QThread::create([logger] { logger->warning(QStringLiteral("older")); });
    worker->start();
    QVERIFY(worker->wait());
    delete worker;

    logger->status(QStringLiteral("newer"));
    QCOMPARE(m_message->text(), QStringLiteral("newer"));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_message->text(), QStringLiteral("newer"));
    QCOMPARE(centreColour(*m_icon), qRgb(0, 255, 0));
}

void TestLogger::concurrentWritersKeepLinesWhole()
{
    Logger *logger = Logger::instance(1);
    const int threads = 4;
    const int perThread = 200;
    QList<QThread *> workers;
    for (int t = 0; t < threads; ++t) {
        workers << QThread::create([logger, t] {
            for (int i = 0; i < perThread; ++i)
                logger->log(QStringLiteral("worker %1 line %2 ").arg(t).arg(i) + QString(40, QLatin1Char('x')));
        });
    }
    for (QThread *w : workers)
        w->start();
    for (QThread *w : workers) {
        QVERIFY(w->wait());
        delete w;
    }

    const QList<QByteArray> lines = readLog().split('\n');
    QCOMPARE(lines.size(), threads * perThread + 1);
    QVERIFY(lines.last().isEmpty());
    QRegularExpression whole(QStringLiteral("^worker \\d line \\d+ x{40}$"));
    for (int i = 0; i < lines.size() - 1; ++i)
        QVERIFY2(whole.match(QString::fromLatin1(lines.at(i))).hasMatch(), lines.at(i).constData());
}

DWAV_TEST_MAIN(TestLogger)
#include "tst_logger.moc"
