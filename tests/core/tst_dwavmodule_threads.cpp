// The service and calibration tasks call the module from a pool thread while
// the GUI thread keeps polling it. Both write the last status and error; run
// under the sanitizer build, this catches torn texts and unguarded fields.

#include "tst_dwavmodule_support.h"

#include "TestMain.h"
#include "tvkdwav_32.h"

#include <QSet>
#include <QtConcurrent>

#include <atomic>

using namespace ModuleBench;

namespace {

constexpr int rounds = 150;

} // namespace

class TestDwavModuleThreads : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void serviceTaskWhileGuiPolls();
    void calibrationTaskWhileGuiPolls();
};

void TestDwavModuleThreads::init()
{
    QVERIFY(load());
    dwavbench_set_multimeter(1);
}

void TestDwavModuleThreads::serviceTaskWhileGuiPolls()
{
    OpenedModule module(1);
    QCOMPARE(module.initResult, 0);
    // Every test call of the pool fails with one status, every temperature
    // poll of the GUI thread with another: the two threads keep replacing
    // each other's last error.
    const qint32 testFault = qint32(0xBFFF0015);
    const qint32 pollFault = qint32(0xBFFF0011);
    QVERIFY(addFault("tvkdwav_test_OK_Off1", 0, testFault));
    QVERIFY(addFault("tvkdwav_get_temperature", 0, pollFault));
    const QSet<QString> knownErrors{Bench::driverText(testFault), Bench::driverText(pollFault)};
    QVERIFY(!Bench::driverText(testFault).isEmpty());
    QVERIFY(!Bench::driverText(pollFault).isEmpty());

    DWAVModule *shared = module.module.get();
    std::atomic<int> badResults{0};
    QFuture<int> task = QtConcurrent::run([shared, &badResults] {
        int passed = 0;
        for (int i = 0; i < rounds; ++i) {
            QString text;
            const uint type = (i % 3 == 0) ? 1u : (i % 3 == 1 ? 3u : 4u);
            const int result = shared->runServiceTest(type, &text);
            if (type == 1 && result == 0)
                badResults.fetch_add(1);
            if (result == 0)
                ++passed;
            shared->selfTestText();
        }
        return passed;
    });

    int polls = 0;
    QSet<QString> seenErrors;
    while (!task.isFinished() || polls < rounds) {
        double t1 = 0, t2 = 0;
        shared->getTemperature(&t1, &t2);
        int runState = 0;
        shared->checkState(&runState);
        seenErrors.insert(shared->lastErrorMessage());
        shared->lastStatus();
        ++polls;
        QCoreApplication::processEvents();
    }
    const int passed = task.result();

    QCOMPARE(badResults.load(), 0);
    // The AFG tests of both channels pass on this bench.
    QCOMPARE(passed, rounds - (rounds + 2) / 3);
    seenErrors.remove(QString());
    for (const QString &text : qAsConst(seenErrors))
        QVERIFY2(knownErrors.contains(text), qPrintable(text));
    QVERIFY(knownErrors.contains(shared->lastErrorMessage()));
}

void TestDwavModuleThreads::calibrationTaskWhileGuiPolls()
{
    OpenedModule module(2);
    QCOMPARE(module.initResult, 0);
    DWAVModule *shared = module.module.get();

    QFuture<int> task = QtConcurrent::run([shared] {
        int failures = 0;
        for (int i = 0; i < rounds / 3; ++i) {
            tvkdwav_CalibrationData record;
            if (shared->calibrate(ushort(i % 2), &record) != 0)
                ++failures;
            QString date;
            shared->calibrationDate(date);
            if (date.isEmpty())
                ++failures;
        }
        return failures;
    });

    int polls = 0;
    while (!task.isFinished() || polls < rounds) {
        double t1 = 0, t2 = 0;
        QCOMPARE(shared->getTemperature(&t1, &t2), 0);
        int runState = -1;
        QCOMPARE(shared->checkState(&runState), 0);
        QCOMPARE(runState, TVKDWAV_STATE_IDLE);
        ++polls;
        QCoreApplication::processEvents();
    }
    QCOMPARE(task.result(), 0);
    QCOMPARE(shared->lastStatus(), 0);
}

DWAV_TEST_CORE_MAIN(TestDwavModuleThreads)
#include "tst_dwavmodule_threads.moc"
