// Self tests, service tests and calibration on the simulated bench.

#include "tst_dwavmodule_support.h"

#include "TestMain.h"
#include "tvkdwav_32.h"

#include <cstring>

using namespace ModuleBench;

namespace {

bool hasCyrillic(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    }
    return false;
}

QVariantList ramArguments()
{
    return QVariantList() << QVariant(0x100u) << QVariant(4u) << QVariant(1u) << QVariant(false);
}

} // namespace

class TestDwavModuleService : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void selfTestPasses();
    void selfTestFails();
    void selfTestOnDeadSessionDoesNotPass();
    void serviceTestsReachTheDriver_data();
    void serviceTestsReachTheDriver();
    void failingServiceTestCarriesDriverText();
    void passedTestDoesNotCarryAnOldError();
    void serviceTestsThatCannotRun_data();
    void serviceTestsThatCannotRun();
    void serviceTestWithoutTextPointer();
    void calibrationRecordAfterCalibration_data();
    void calibrationRecordAfterCalibration();
    void missingMultimeterStatusPassesThrough();
    void calibrationRefusals();
    void failingRecordReadIsLocatedTwice();
    void adcCalibration();
    void flashAndDate();
};

void TestDwavModuleService::init()
{
    QVERIFY(load());
    dwavbench_set_multimeter(1);
}

void TestDwavModuleService::selfTestPasses()
{
    OpenedModule module(1);
    Messages messages(1);
    QCOMPARE(module->selfTest(), 0);
    QCOMPARE(module->selfTestCode(), qint16(0));
    QVERIFY(messages.of(LoggerInfo).contains(QStringLiteral("Selftest passed without errors.")));
    QVERIFY(messages.of(LoggerWarning).isEmpty());
    // The self test does not touch the last status.
    QCOMPARE(module->lastStatus(), 0);
}

void TestDwavModuleService::selfTestFails()
{
    OpenedModule module(1);
    QVERIFY(setModuleOption(1, "self_test", "fail"));
    Messages messages(1);
    const int result = module->selfTest();
    QVERIFY(result != 0);
    QCOMPARE(int(module->selfTestCode()), result);
    const QString text = module->selfTestText();
    QVERIFY2(hasCyrillic(text), qPrintable(text));
    QCOMPARE(messages.of(LoggerWarning), QStringList() << QStringLiteral("Selftest error:") + text);

    QString serviceText;
    QCOMPARE(module->runServiceTest(0, &serviceText), result);
    QCOMPARE(serviceText, text);
}

// A self test that could not run must not read as passed.
void TestDwavModuleService::selfTestOnDeadSessionDoesNotPass()
{
    DWAVModule module;  // DEMO mode: no session
    Messages messages(-1);
    const int result = module.selfTest();
    QVERIFY(result != 0);
    QVERIFY(!module.selfTestText().isEmpty());
    QVERIFY(!messages.of(LoggerWarning).isEmpty());
    QVERIFY(!messages.of(LoggerInfo).contains(QStringLiteral("Selftest passed without errors.")));

    QString text;
    QVERIFY(module.runServiceTest(1, &text) != 0);
    QVERIFY(module.runServiceTest(3, &text) != 0);
    const QVariantList args = ramArguments();
    QVERIFY(module.runServiceTest(2, &text, &args) != 0);
}

void TestDwavModuleService::serviceTestsReachTheDriver_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("argument");
    QTest::newRow("OK off") << 1u << "tvkdwav_test_OK_Off1" << QString();
    QTest::newRow("RAM") << 2u << "tvkdwav_test_RAM" << "start=0x100, kiloSamples=4, mode=1";
    QTest::newRow("AFG channel 1") << 3u << "tvkdwav_test_AFG" << "chan=0";
    QTest::newRow("AFG channel 2") << 4u << "tvkdwav_test_AFG" << "chan=1";
}

void TestDwavModuleService::serviceTestsReachTheDriver()
{
    QFETCH(uint, type);
    QFETCH(QString, function);
    QFETCH(QString, argument);
    OpenedModule module(1);
    dwavbench_journal_clear();
    QString text;
    const QVariantList args = ramArguments();
    QCOMPARE(module->runServiceTest(type, &text, &args), 0);
    const QByteArray name = function.toLatin1();
    QCOMPARE(countOf(name.constData()), 1);
    QCOMPARE(dwavbench_journal_count(), size_t(1));
    QVERIFY2(lastArguments(name.constData()).contains(argument),
             qPrintable(lastArguments(name.constData())));
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    // A passed test writes no error of its own.
    QVERIFY(module->lastErrorMessage().isEmpty());
}

void TestDwavModuleService::failingServiceTestCarriesDriverText()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_test_AFG", 1, qint32(0xBFFF0015)));
    Messages messages(1);
    QString text = QStringLiteral("stale");
    const int result = module->runServiceTest(4, &text);
    QVERIFY(result != 0);
    const QString error = module->lastErrorMessage();
    QVERIFY(!error.isEmpty());
    QVERIFY2(text.endsWith(QLatin1Char('\n') + error), qPrintable(text));
    QVERIFY(!text.startsWith(QStringLiteral("stale")));
    QVERIFY(messages.of(LoggerCritical).contains(error));
    QVERIFY(messages.of(LoggerPlain).contains(
        QStringLiteral("Returned status (ffffffffbfff0015) Message: ") + error));

    // A warning status lets the test run and keeps its result word, but its
    // text still comes along.
    QVERIFY(addFault("tvkdwav_test_OK_Off1", 1, qint32(0x3FFF0085)));
    QCOMPARE(module->runServiceTest(1, &text), 0);
    QVERIFY(text.endsWith(QLatin1Char('\n') + module->lastErrorMessage()));

    // A poll of the GUI thread that fails just after the test's error was
    // stored leaves the test's own text under its message.
    QVERIFY(addFault("tvkdwav_test_AFG", 1, qint32(0xBFFF0015)));
    QVERIFY(addFault("tvkdwav_get_temperature", 1, qint32(0xBFFF0011)));
    QObject hook;
    connect(Logger::instance(1), &Logger::logged, &hook, [&](const QString &message) {
        double t1 = 0, t2 = 0;
        if (message == error)
            module->getTemperature(&t1, &t2);
    }, Qt::DirectConnection);
    QVERIFY(module->runServiceTest(4, &text) != 0);
    QCOMPARE(module->lastErrorMessage(), Bench::driverText(qint32(0xBFFF0011)));
    QVERIFY2(text.endsWith(QLatin1Char('\n') + error), qPrintable(text));
}

void TestDwavModuleService::passedTestDoesNotCarryAnOldError()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_stop", 1, qint32(0xBFFF0011)));
    QVERIFY(module->stop() < 0);
    const QString oldError = module->lastErrorMessage();
    QVERIFY(!oldError.isEmpty());

    QString text;
    QCOMPARE(module->runServiceTest(1, &text), 0);
    QVERIFY(!text.contains(oldError));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QCOMPARE(module->lastErrorMessage(), oldError);
}

void TestDwavModuleService::serviceTestsThatCannotRun_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<int>("argumentCount");
    QTest::newRow("RAM without arguments") << 2u << -1;
    QTest::newRow("RAM with no values") << 2u << 0;
    QTest::newRow("RAM with three values") << 2u << 3;
    QTest::newRow("RAM with five values") << 2u << 5;
    QTest::newRow("RAM with text for a number") << 2u << 100;
    QTest::newRow("RAM with a size beyond 16 bits") << 2u << 101;
    QTest::newRow("unknown type 5") << 5u << 4;
    QTest::newRow("unknown type 7") << 7u << -1;
}

void TestDwavModuleService::serviceTestsThatCannotRun()
{
    QFETCH(uint, type);
    QFETCH(int, argumentCount);
    OpenedModule module(1);
    QVariantList args = ramArguments();
    if (argumentCount == 100) {
        args[0] = QStringLiteral("start");
    } else if (argumentCount == 101) {
        args[1] = 70000u;
    } else if (argumentCount >= 0) {
        while (args.size() > argumentCount)
            args.removeLast();
        while (args.size() < argumentCount)
            args << QVariant(0u);
    }
    Messages messages(1);
    dwavbench_journal_clear();
    QString text;
    const int result = module->runServiceTest(type, &text, argumentCount < 0 ? nullptr : &args);
    QVERIFY(result != 0);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
    QVERIFY(!text.isEmpty());
    QCOMPARE(messages.of(LoggerWarning), QStringList() << text);
}

void TestDwavModuleService::serviceTestWithoutTextPointer()
{
    OpenedModule module(1);
    QCOMPARE(module->runServiceTest(1, nullptr), 0);
    QVERIFY(module->runServiceTest(9, nullptr) != 0);
}

void TestDwavModuleService::calibrationRecordAfterCalibration_data()
{
    QTest::addColumn<ushort>("chan");
    QTest::newRow("channel 1") << ushort(0);
    QTest::newRow("channel 2") << ushort(1);
}

void TestDwavModuleService::calibrationRecordAfterCalibration()
{
    QFETCH(ushort, chan);
    OpenedModule module(1);
    tvkdwav_CalibrationData record;
    std::memset(&record, 0xA5, sizeof record);
    dwavbench_journal_clear();
    QCOMPARE(module->calibrate(chan, &record), 0);
    QCOMPARE(module->lastStatus(), 0);
    QCOMPARE(countOf("tvkdwav_calibrate"), 1);
    QVERIFY(lastArguments("tvkdwav_calibrate").contains(QStringLiteral("chan=%1").arg(chan)));
    QCOMPARE(countOf("tvkdwav_get_calibration_data"), 1);

    tvkdwav_CalibrationData held;
    QCOMPARE(dwavbench_module_calibration(carrier(), 1, &held, 0), 0);
    QCOMPARE(std::memcmp(&record, &held, sizeof record), 0);
}

void TestDwavModuleService::missingMultimeterStatusPassesThrough()
{
    OpenedModule module(1);
    dwavbench_set_multimeter(0);
    tvkdwav_CalibrationData record;
    std::memset(&record, 0, sizeof record);
    Messages messages(1);
    dwavbench_journal_clear();
    const int result = module->calibrate(0, &record);
    QCOMPARE(result, int(0xBFFC0C14));
    QCOMPARE(module->lastStatus(), int(0xBFFC0C14));
    QCOMPARE(countOf("tvkdwav_get_calibration_data"), 0);
    const QStringList critical = messages.of(LoggerCritical);
    QVERIFY(!critical.isEmpty());
    QVERIFY(critical.first().endsWith(QStringLiteral(":calibrate)")));
    QVERIFY(!module->lastErrorMessage().isEmpty());
    QVERIFY(messages.of(LoggerPlain).contains(
        QStringLiteral("Returned status (ffffffffbffc0c14) Message: ") + module->lastErrorMessage()));
}

void TestDwavModuleService::calibrationRefusals()
{
    OpenedModule module(1);
    tvkdwav_CalibrationData record;
    char message[TVKDWAV_CALIBRATION_MESSAGE_BUFLEN] = {0};
    dwavbench_journal_clear();
    QCOMPARE(module->calibrate(0, nullptr), -1);
    QCOMPARE(module->calibrate(2, &record), -1);
    QCOMPARE(module->calibrateADC(nullptr, message), -1);
    QCOMPARE(module->calibrateADC(&record, nullptr), -1);
    QCOMPARE(module->getCalibrationData(nullptr), -1);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
}

void TestDwavModuleService::failingRecordReadIsLocatedTwice()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_get_calibration_data", 1, qint32(0xBFFF0015)));
    tvkdwav_CalibrationData record;
    Messages messages(1);
    QCOMPARE(module->calibrate(1, &record), int(0xBFFF0015));
    QStringList tags;
    for (const QString &text : messages.of(LoggerCritical)) {
        if (text.startsWith(QStringLiteral("(DWAVModule:")))
            tags << text.section(QLatin1Char(':'), 2);
    }
    QCOMPARE(tags, QStringList() << QStringLiteral("getCalibrationData)")
                                 << QStringLiteral("calibrate)"));
}

void TestDwavModuleService::adcCalibration()
{
    OpenedModule module(1);
    tvkdwav_CalibrationData record;
    std::memset(&record, 0, sizeof record);
    char message[TVKDWAV_CALIBRATION_MESSAGE_BUFLEN];
    std::memset(message, 0, sizeof message);
    QCOMPARE(module->calibrateADC(&record, message), 0);
    QVERIFY(qstrnlen(message, sizeof message) > 0);
    QVERIFY(qstrnlen(message, sizeof message) < sizeof message);
    tvkdwav_CalibrationData held;
    QCOMPARE(dwavbench_module_calibration(carrier(), 1, &held, 0), 0);
    QCOMPARE(std::memcmp(&record, &held, sizeof record), 0);

    QVERIFY(addFault("tvkdwav_calibrate_ADC", 1, qint32(0xBFFF0015)));
    Messages messages(1);
    QCOMPARE(module->calibrateADC(&record, message), int(0xBFFF0015));
    QVERIFY(messages.of(LoggerCritical).first().endsWith(QStringLiteral(":calibrateADC)")));
}

void TestDwavModuleService::flashAndDate()
{
    OpenedModule module(1);
    QCOMPARE(module->saveCalibrationData(), 0);
    QCOMPARE(module->loadCalibrationData(), 0);
    QCOMPARE(module->stopCalibration(), 0);
    QCOMPARE(countOf("tvkdwav_save_CalibrationData_ToFlash"), 1);
    QCOMPARE(countOf("tvkdwav_load_CalibrationData_FromFlash"), 1);
    QString date = QStringLiteral("stale");
    QCOMPARE(module->calibrationDate(date), 0);
    QVERIFY(!date.isEmpty());
    QVERIFY(date != QStringLiteral("stale"));

    QVERIFY(addFault("tvkdwav_save_CalibrationData_ToFlash", 1, qint32(0xBFFF0015)));
    Messages messages(1);
    QCOMPARE(module->saveCalibrationData(), int(0xBFFF0015));
    QVERIFY(messages.of(LoggerCritical).first().endsWith(QStringLiteral(":saveCalibrationData)")));
}

DWAV_TEST_CORE_MAIN(TestDwavModuleService)
#include "tst_dwavmodule_service.moc"
