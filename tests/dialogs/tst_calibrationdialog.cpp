#include "CalibrationDialog.h"
#include "DialogTestSupport.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "TestMain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

using namespace DialogTest;

namespace {

const char *const accessCode = "glomix";

QStringList calibrationLog(CalibrationDialog *dialog)
{
    return entries(child<QPlainTextEdit>(dialog, "calibrationResultsPlainTextEdit"));
}

QTableWidget *table(CalibrationDialog *dialog)
{
    return child<QTableWidget>(dialog, "serviceCalibrationTableWidget");
}

// Column 4, top to bottom.
QStringList coefficients(CalibrationDialog *dialog)
{
    QStringList texts;
    for (int row = 0; row < 20; ++row)
        texts << (table(dialog)->item(row, 4) ? table(dialog)->item(row, 4)->text() : QString());
    return texts;
}

void enterCode(CalibrationDialog *dialog, const QString &code)
{
    child<QLineEdit>(dialog, "calibrationPasswordLineEdit")->setText(code);
    child<QPushButton>(dialog, "checkPasswordPushButton")->click();
}

// The selector of the block starting at `row` (0, 6 or 12).
void selectBlock(CalibrationDialog *dialog, int row)
{
    table(dialog)->cellWidget(row, 0)->findChild<QRadioButton *>()->setChecked(true);
}

void clickStart(CalibrationDialog *dialog)
{
    child<QPushButton>(dialog, "startCalibrationPushButton")->click();
}

} // namespace

class TestCalibrationDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void init();
    void accessCodeUnlocksWriteAndStart();
    void startRefused_data();
    void startRefused();
    void channelCalibrationInProgressRefusesOthers();
    void channelCalibrationResult_data();
    void channelCalibrationResult();
    void tableShowsTheModuleRecord_data();
    void tableShowsTheModuleRecord();
    void windowWaitsForCalibrationBeforeClosing_data();
    void windowWaitsForCalibrationBeforeClosing();

private:
    // Access granted, block selected, prompt answered: the task is started.
    void startChannel(CalibrationDialog *dialog, int blockRow, int chanNumber);

    std::unique_ptr<DWAVModule> module;
    QString resource;
    int position = 0;
};

void TestCalibrationDialog::init()
{
    module = Bench::openModule(&resource, &position);
    QVERIFY(module);
    module->setStandaloneProgram(true);
    dwavbench_set_multimeter(1);
}

void TestCalibrationDialog::startChannel(CalibrationDialog *dialog, int blockRow, int chanNumber)
{
    enterCode(dialog, QLatin1String(accessCode));
    selectBlock(dialog, blockRow);
    clickStart(dialog);
    QMessageBox *prompt = openBox(QStringLiteral("Channel %1 calibration connection").arg(chanNumber));
    QVERIFY(prompt);
    QVERIFY(prompt->text().contains(QStringLiteral("Connect \"КН%1\" output").arg(chanNumber)));
    prompt->button(QMessageBox::Ok)->click();
    QVERIFY(calibrationLog(dialog).contains(
        QStringLiteral("Calibration started for chan %1...").arg(chanNumber == 1 ? "1/I" : "2/Q")));
}

void TestCalibrationDialog::accessCodeUnlocksWriteAndStart()
{
    CalibrationDialog dialog(module.get());
    auto *write = child<QPushButton>(&dialog, "writeROMPushButton");
    auto *start = child<QPushButton>(&dialog, "startCalibrationPushButton");
    enterCode(&dialog, QStringLiteral("Glomix"));
    QVERIFY(!write->isEnabled() && !start->isEnabled());
    selectBlock(&dialog, 6);
    QVERIFY(!start->isEnabled());
    enterCode(&dialog, QLatin1String(accessCode));
    QVERIFY(write->isEnabled() && start->isEnabled());
    enterCode(&dialog, QStringLiteral("wrong"));
    QVERIFY(!write->isEnabled() && !start->isEnabled());
    QVERIFY(calibrationLog(&dialog).isEmpty());

    // The handlers ask again, whatever state the buttons are in.
    QVERIFY(QMetaObject::invokeMethod(&dialog, "on_writeROMPushButton_clicked"));
    QVERIFY(QMetaObject::invokeMethod(&dialog, "on_startCalibrationPushButton_clicked"));
    QCOMPARE(Bench::countOf("tvkdwav_save_CalibrationData_ToFlash"), 0);
    QVERIFY(calibrationLog(&dialog).isEmpty());
}

void TestCalibrationDialog::startRefused_data()
{
    QTest::addColumn<bool>("initialised");
    QTest::addColumn<bool>("standalone");
    QTest::addColumn<int>("block");  // -1: none selected since the table was rebuilt
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("status");

    QTest::newRow("library build") << true << false << 0 << "Calibration restricted" << QStringList() << QString();
    QTest::newRow("no block") << true << true << -1 << QString()
                              << QStringList{QStringLiteral("!To start calibration please check channel in calibration table.")}
                              << QString();
    QTest::newRow("not initialised") << false << true << 0 << QString() << QStringList()
                                     << "Cannot start calibration: DWAV is not initialized!";
}

void TestCalibrationDialog::startRefused()
{
    QFETCH(bool, initialised);
    QFETCH(bool, standalone);
    QFETCH(int, block);
    QFETCH(QString, box);
    QFETCH(QString, status);
    DWAVModule idle;
    DWAVModule *used = initialised ? module.get() : &idle;
    used->setStandaloneProgram(standalone);
    ModalAnswerer answerer(QMessageBox::Ok);
    LogCapture messages(used->mezNum());
    CalibrationDialog dialog(used);
    enterCode(&dialog, QLatin1String(accessCode));
    selectBlock(&dialog, qMax(block, 0));
    // A language switch rebuilds the table: Start stays enabled, no block is chosen.
    if (block < 0)
        dialog.retranslate();
    clickStart(&dialog);
    QTRY_COMPARE(answerer.titles(), box.isEmpty() ? QStringList() : QStringList{box});
    if (!box.isEmpty())
        QVERIFY(answerer.texts().at(0).startsWith(QLatin1String("For calibration please run \"p_dwav")));
    QTEST(calibrationLog(&dialog), "log");
    QCOMPARE(messages.of(LoggerInfo).contains(status), !status.isEmpty());
    QCOMPARE(Bench::countOf("tvkdwav_calibrate") + Bench::countOf("tvkdwav_calibrate_ADC"), 0);
}

void TestCalibrationDialog::channelCalibrationInProgressRefusesOthers()
{
    CalibrationDialog dialog(module.get());
    // Not one of the refusals below may find the calibration over.
    Bench::Hold calibration("tvkdwav_calibrate");
    startChannel(&dialog, 0, 1);
    QVERIFY(dialog.isCalibrating());
    ModalAnswerer answerer(QMessageBox::Ok);
    selectBlock(&dialog, 6);
    clickStart(&dialog);
    child<QPushButton>(&dialog, "readROMPushButton")->click();
    child<QPushButton>(&dialog, "writeROMPushButton")->click();
    selectBlock(&dialog, 12);
    clickStart(&dialog);
    const QString busy = QStringLiteral("!Calibration is in progress. Wait for it finished...");
    QCOMPARE(calibrationLog(&dialog),
             QStringList({QStringLiteral("Calibration started for chan 1/I..."), busy, busy, busy, busy}));
    calibration.release();
    QTRY_VERIFY(calibrationLog(&dialog).contains(QStringLiteral("Calibration succeeded!")));
    QVERIFY(answerer.titles().isEmpty());
    QCOMPARE(Bench::countOf("tvkdwav_calibrate"), 1);
    QCOMPARE(Bench::countOf("tvkdwav_load_CalibrationData_FromFlash")
                 + Bench::countOf("tvkdwav_save_CalibrationData_ToFlash")
                 + Bench::countOf("tvkdwav_calibrate_ADC"),
             0);
}

void TestCalibrationDialog::channelCalibrationResult_data()
{
    QTest::addColumn<bool>("multimeter");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("pollMeanwhile");
    QTest::newRow("succeeds: only its block is refreshed") << true << QString() << false;
    QTest::newRow("no multimeter library") << false << "Calibration error" << false;
    QTest::newRow("no multimeter library, a poll succeeds meanwhile") << false << "Calibration error" << true;
}

void TestCalibrationDialog::channelCalibrationResult()
{
    QFETCH(bool, multimeter);
    QFETCH(QString, box);
    QFETCH(bool, pollMeanwhile);
    dwavbench_set_multimeter(multimeter);
    // The task stops in its failure report, after the module has taken the
    // calibration's status, until this thread's poll has succeeded.
    QSemaphore reported, polled;
    QObject hook;
    if (pollMeanwhile)
        connect(Logger::instance(position), &Logger::logged, &hook, [&](const QString &message) {
            if (QThread::currentThread() != hook.thread() && message.endsWith(QLatin1String(":calibrate)"))) {
                reported.release();
                polled.tryAcquire(1, 30000);
            }
        }, Qt::DirectConnection);
    CalibrationDialog dialog(module.get());
    auto letGo = qScopeGuard([&polled] { polled.release(); });
    const QStringList before = coefficients(&dialog);
    // The module's ADC coefficients change behind the panel's back.
    char message[TVKDWAV_CALIBRATION_MESSAGE_BUFLEN] = {};
    QCOMPARE(tvkdwav_calibrate_ADC(module->moduleSession(), message), 0);
    ModalAnswerer answerer(QMessageBox::Ok);
    startChannel(&dialog, 6, 2);
    if (pollMeanwhile) {
        QVERIFY(reported.tryAcquire(1, 30000));
        double t1 = 0, t2 = 0;
        QCOMPARE(module->getTemperature(&t1, &t2), 0);
        polled.release();
    }
    QTRY_COMPARE(calibrationLog(&dialog).size(), 2);
    QTRY_COMPARE(answerer.titles(), box.isEmpty() ? QStringList() : QStringList{box});
    const QStringList after = coefficients(&dialog);
    QCOMPARE(after.mid(0, 6) + after.mid(12), before.mid(0, 6) + before.mid(12));
    QCOMPARE(after.mid(6, 6) != before.mid(6, 6), multimeter);
    const QString error = Bench::driverText(qint32(0xBFFC0C14));
    QCOMPARE(calibrationLog(&dialog).at(1), multimeter ? QStringLiteral("Calibration succeeded!") : error);
    QCOMPARE(answerer.texts().join(QString()).contains(QLatin1String("\"hp3458a.dll\"")), !multimeter);
}

void TestCalibrationDialog::tableShowsTheModuleRecord_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<qint32>("fault");
    QTest::addColumn<QStringList>("entry");
    QTest::newRow("as opened") << false << 0 << QStringList();
    QTest::newRow("flash read") << true << 0 << QStringList{"Calibration data was successfully loaded from EEPROM"};
    QTest::newRow("flash read fails") << true << qint32(0xBFFC0821)
                                      << QStringList{"Loading calibration data from EEPROM failed"};
}

// All 20 coefficients of the module's record, refreshed by a flash read even when it fails.
void TestCalibrationDialog::tableShowsTheModuleRecord()
{
    QFETCH(bool, read);
    QFETCH(qint32, fault);
    CalibrationDialog dialog(module.get());
    if (read) {
        // The module's record moves away from its flash copy and the table.
        QCOMPARE(tvkdwav_calibrate(module->moduleSession(), 0, 0), 0);
        if (fault)
            QVERIFY(Bench::addFault("tvkdwav_load_CalibrationData_FromFlash", 0, fault));
        child<QPushButton>(&dialog, "readROMPushButton")->click();
    }
    QTEST(calibrationLog(&dialog), "entry");
    tvkdwav_CalibrationData r;
    QCOMPARE(dwavbench_module_calibration(resource.toLatin1().constData(), position, &r, 0), 0);
    auto hex = [](quint16 code) { return QString::number(code, 16).toUpper(); };
    auto real = [](double value) { return QString::number(value, 'g', 6); };
    QStringList expected;
    for (int c = 0; c < 2; ++c)
        expected << hex(r.auxDac[c][0]) << hex(r.dacGain[c][0]) << hex(r.nOffset[c]) << real(r.kOffset[c])
                 << hex(r.auxDac[c][1]) << hex(r.dacGain[c][1]);
    for (int i = 0; i < 4; ++i)
        expected << real(r.adcOffset[i]) << real(r.adcRange[i]);
    QCOMPARE(coefficients(&dialog), expected);
    if (!read)
        QCOMPARE(coefficients(&dialog).at(2), QStringLiteral("FF"));  // code 255
    QCOMPARE(table(&dialog)->item(3, 3)->text(), QStringLiteral("K OFFSET"));
    QCOMPARE(table(&dialog)->rowSpan(12, 0), 8);
    QCOMPARE(table(&dialog)->item(16, 1)->text(), QStringLiteral("Control 1:1"));
}

void TestCalibrationDialog::windowWaitsForCalibrationBeforeClosing_data()
{
    QTest::addColumn<bool>("poolFull");
    QTest::addColumn<QStringList>("first");  // the first driver calls of the close
    QTest::newRow("task running") << false
                                  << QStringList{"tvkdwav_stop_calibration", "tvkdwav_calibrate",
                                                 "tvkdwav_get_calibration_data"};
    // The wait then takes the task on this thread, where it must calibrate
    // nothing: the close goes straight on to the module's reset.
    QTest::newRow("task not started yet") << true << QStringList{"tvkdwav_stop_calibration", "tvkdwav_reset"};
}

void TestCalibrationDialog::windowWaitsForCalibrationBeforeClosing()
{
    QFETCH(bool, poolFull);
    QFETCH(QStringList, first);
    auto *window = new MainWindow(module.get());
    auto *dialog = window->findChild<CalibrationDialog *>();
    QVERIFY(dialog);
    // Let go only once the close has asked for the stop, so the stop comes
    // first however long this thread takes to get there.
    Bench::Hold calibration("tvkdwav_calibrate");
    // Every pool thread held busy, so the task waits in the queue.
    QSemaphore busy;
    QThreadPool *pool = QThreadPool::globalInstance();
    const int blockers = poolFull ? pool->maxThreadCount() : 0;
    for (int i = 0; i < blockers; ++i)
        QtConcurrent::run([&busy] { busy.acquire(); });
    QTRY_COMPARE(pool->activeThreadCount(), blockers);
    startChannel(dialog, 0, 1);
    QVERIFY(dialog->isCalibrating());
    // Past its check for a stop: the close finds it inside the driver.
    if (!poolFull)
        QTRY_COMPARE(Bench::callsInFlight("tvkdwav_calibrate"), 1);
    dwavbench_journal_clear();
    std::atomic<bool> closed{false};
    std::thread releaser([&] {
        while (!closed && Bench::countOf("tvkdwav_stop_calibration") == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        calibration.release();
    });
    delete window;
    closed = true;
    releaser.join();
    busy.release(blockers);
    pool->waitForDone();
    const QStringList calls = functionsCalled();
    // Asked to stop, the task returns (its read-back included) before the reset.
    QCOMPARE(calls.mid(0, first.size()), first);
    QCOMPARE(calls.count(QStringLiteral("tvkdwav_calibrate")), poolFull ? 0 : 1);
    QCOMPARE(calls.last(), QStringLiteral("tvkdwav_close"));
}

DWAV_TEST_MAIN(TestCalibrationDialog)
#include "tst_calibrationdialog.moc"
