// How a failing driver call is reported (location tag, driver text, status
// line in the log file only), and the run-control and query wrappers.

#include "tst_dwavmodule_support.h"

#include "TestMain.h"

#include <QRegularExpression>

#include <cstring>
#include <memory>

using namespace ModuleBench;

namespace {

// Reaches the decoder every driver text of the tests and revisions goes
// through.
struct TextProbe : DWAVModule
{
    using DWAVModule::fromCp1251;
};

} // namespace

class TestDwavModuleFailure : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void failingStopFollowsTheConvention();
    void tagCarriesTheLineOfTheCall_data();
    void tagCarriesTheLineOfTheCall();
    void statusWithoutTextIsLogged();
    void warningStatusOfVersionCompare();
    void versionsThatFitGiveNoText();
    void errorMessageOfZeroChangesNothing();
    void startNeedsConfiguration_data();
    void startNeedsConfiguration();
    void positiveStatusIsSuccess();
    void runControlFlags();
    void resetKeepsTheState();
    void queriesFillOutputsOnlyOnSuccess();
    void askADCRefusals();
    void revisionsAreDecoded_data();
    void revisionsAreDecoded();
    void textsStopAtTheirBuffer();
};

void TestDwavModuleFailure::init()
{
    QVERIFY(load());
}

void TestDwavModuleFailure::failingStopFollowsTheConvention()
{
    OpenedModule module(1);
    QCOMPARE(module.initResult, 0);
    QVERIFY(addFault("tvkdwav_stop", 1, qint32(0xBFFF0011)));
    const QString driverText = Bench::driverText(qint32(0xBFFF0011));
    QVERIFY(!driverText.isEmpty());

    Messages messages(1);
    const QString logBefore = logFile();
    QCOMPARE(module->stop(), int(0xBFFF0011));
    QCOMPARE(module->lastStatus(), int(0xBFFF0011));
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
    QCOMPARE(module->lastErrorMessage(), driverText);

    // Tag, then the driver's text as critical, then the status line.
    const QStringList all = messages.all();
    QCOMPARE(all.size(), 3);
    const QRegularExpression tag(QStringLiteral("^\\(DWAVModule:(\\d+):performStop\\)$"));
    const QRegularExpressionMatch match = tag.match(all.at(0));
    QVERIFY2(match.hasMatch(), qPrintable(all.at(0)));
    QVERIFY(match.captured(1).toInt() > 0);
    QCOMPARE(messages.of(LoggerCritical), QStringList() << all.at(0) << driverText);
    const QString statusLine =
        QStringLiteral("Returned status (ffffffffbfff0011) Message: ") + driverText;
    QCOMPARE(messages.of(LoggerPlain), QStringList() << statusLine);

    // The status line reaches the log file without a type prefix; the tag
    // and the text carry the critical prefix.
    const QString written = logFile().mid(logBefore.size());
    QVERIFY(written.contains(QStringLiteral("\n") + statusLine + QStringLiteral("\n"))
            || written.startsWith(statusLine));
    QVERIFY(written.contains(QStringLiteral("(EE) ") + all.at(0)));
    QVERIFY(written.contains(QStringLiteral("(EE) ") + driverText));
    QVERIFY(!written.contains(QStringLiteral("(EE) Returned status")));
}

void TestDwavModuleFailure::tagCarriesTheLineOfTheCall_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("file");
    QTest::newRow("stop") << "tvkdwav_stop" << "performStop" << "DWAVModule.cpp";
    QTest::newRow("channel read-back") << "tvkdwav_config_chan_q" << "configChannels"
                                       << "DWAVModuleConfigure.cpp";
    QTest::newRow("modulation read-back") << "tvkdwav_config_afg_modul_q" << "configHarmonicalAFG"
                                          << "DWAVModuleConfigure.cpp";
    QTest::newRow("calibration data") << "tvkdwav_get_calibration_data" << "getCalibrationData"
                                      << "DWAVModuleService.cpp";
}

// The tag names the line on which the failing call is written.
void TestDwavModuleFailure::tagCarriesTheLineOfTheCall()
{
    QFETCH(QString, function);
    QFETCH(QString, operation);
    QFETCH(QString, file);
    OpenedModule module(1);
    QVERIFY(addFault(function.toLatin1().constData(), 1, qint32(0xBFFF0011)));
    Messages messages(1);
    module->setQuerySettingsParameters(true);
    tvkdwav_CalibrationData record;
    if (operation == QLatin1String("performStop"))
        QVERIFY(module->stop() < 0);
    else if (operation == QLatin1String("getCalibrationData"))
        QVERIFY(module->getCalibrationData(&record) < 0);
    else
        QVERIFY(module->configure() < 0);

    const QRegularExpression tag("^\\(DWAVModule:(\\d+):" + operation + "\\)$");
    const QStringList tags = messages.of(LoggerCritical).filter(tag);
    QCOMPARE(tags.size(), 1);
    const int line = tag.match(tags.first()).captured(1).toInt();
    QFile source(QStringLiteral(DWAV_CORE_SOURCE_DIR "/") + file);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = source.readAll().split('\n');
    QVERIFY(line >= 1 && line <= lines.size());
    QVERIFY2(lines.at(line - 1).contains((function + "(").toLatin1()), lines.at(line - 1).constData());
}

void TestDwavModuleFailure::statusWithoutTextIsLogged()
{
    OpenedModule module(1);
    // A small code the driver has no text for.
    QVERIFY(addFault("tvkdwav_stop", 1, -5));
    QVERIFY(Bench::driverText(-5).isEmpty());
    Messages messages(1);
    QCOMPARE(module->stop(), -5);
    QCOMPARE(module->lastErrorMessage(), QString());
    QCOMPARE(messages.of(LoggerCritical).size(), 1);
    QCOMPARE(messages.of(LoggerPlain), QStringList{"Returned status (fffffffffffffffb) Message: "});
}

void TestDwavModuleFailure::warningStatusOfVersionCompare()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_cmpVersions", 1, qint32(0x3FFF0085)));
    const QString driverText = Bench::driverText(0x3FFF0085);
    QVERIFY(!driverText.isEmpty());

    Messages messages(1);
    QCOMPARE(module->compareVersions(), driverText);
    QCOMPARE(module->lastStatus(), 0x3FFF0085);
    QCOMPARE(messages.of(LoggerWarning), QStringList() << driverText);
    QVERIFY(messages.of(LoggerCritical).isEmpty());
    QCOMPARE(messages.of(LoggerPlain),
             QStringList() << QStringLiteral("Returned status (3fff0085) Message: ") + driverText);
}

void TestDwavModuleFailure::versionsThatFitGiveNoText()
{
    OpenedModule module(1);
    Messages messages(1);
    QVERIFY(module->compareVersions().isEmpty());
    QCOMPARE(messages.count(), 0);

    QVERIFY(setModuleOption(1, "versions_differ", "yes"));
    QVERIFY(!module->compareVersions().isEmpty());
    QVERIFY(module->lastStatus() > 0);
}

void TestDwavModuleFailure::errorMessageOfZeroChangesNothing()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_reset", 1, qint32(0xBFFF0011)));
    QVERIFY(module->reset() < 0);
    const QString error = module->lastErrorMessage();
    QVERIFY(!error.isEmpty());

    Messages messages(1);
    dwavbench_journal_clear();
    module->errorMessage(0);
    QCOMPARE(module->lastErrorMessage(), error);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
}

void TestDwavModuleFailure::startNeedsConfiguration_data()
{
    QTest::addColumn<bool>("byCommand");
    QTest::newRow("start") << false;
    QTest::newRow("start by command") << true;
}

void TestDwavModuleFailure::startNeedsConfiguration()
{
    QFETCH(bool, byCommand);
    OpenedModule module(2);
    QCOMPARE(module.initResult, 0);
    Messages messages(2);
    dwavbench_journal_clear();

    const int result = byCommand ? module->programStart() : module->start();
    QCOMPARE(result, -1);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
    QVERIFY(!module->isGenerating());
    const QString key = byCommand ? QStringLiteral("Start by command") : QStringLiteral("Program start");
    QCOMPARE(messages.of(LoggerCritical),
             QStringList() << key + QStringLiteral(": DWAV is NOT configured! Press \"Configure\" button first."));
}

void TestDwavModuleFailure::positiveStatusIsSuccess()
{
    OpenedModule module(1);
    QCOMPARE(module->configure(), 0);
    QVERIFY(addFault("tvkdwav_start", 1, qint32(0x3FFF0085)));
    Messages messages(1);
    QCOMPARE(module->start(), 0);
    QCOMPARE(module->state(), DWAVModule::DeviceStarted);
    QVERIFY(module->isGenerating());
    QCOMPARE(module->lastStatus(), 0x3FFF0085);
    // A wrapper does not report a warning itself.
    QVERIFY(messages.of(LoggerCritical).isEmpty());
    QVERIFY(messages.of(LoggerWarning).isEmpty());
}

void TestDwavModuleFailure::runControlFlags()
{
    OpenedModule module(1);
    QCOMPARE(module->configure(), 0);
    QCOMPARE(module->state(), DWAVModule::DeviceConfigured);
    QVERIFY(module->isConfigured());

    QCOMPARE(module->start(), 0);
    QVERIFY(module->isGenerating());
    QCOMPARE(module->state(), DWAVModule::DeviceStarted);
    int runState = -1;
    QCOMPARE(module->checkState(&runState), 0);
    QVERIFY(runState != TVKDWAV_STATE_IDLE);

    QCOMPARE(module->stop(), 0);
    QVERIFY(!module->isGenerating());
    QVERIFY(module->isConfigured());
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
    QCOMPARE(module->checkState(&runState), 0);
    QCOMPARE(runState, TVKDWAV_STATE_IDLE);

    // Start by command works from any state once configured and keeps the
    // state as it is.
    QCOMPARE(module->programStart(), 0);
    QVERIFY(module->isGenerating());
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
    QCOMPARE(countOf("tvkdwav_prog_start"), 1);

    // A failing start changes neither flag nor state.
    QCOMPARE(module->stop(), 0);
    QVERIFY(addFault("tvkdwav_start", 1, qint32(0xBFFF0011)));
    QCOMPARE(module->start(), int(0xBFFF0011));
    QVERIFY(!module->isGenerating());
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
}

void TestDwavModuleFailure::resetKeepsTheState()
{
    OpenedModule module(1);
    QCOMPARE(module->configure(), 0);
    QCOMPARE(module->start(), 0);
    QCOMPARE(module->reset(), 0);
    QCOMPARE(module->state(), DWAVModule::DeviceStarted);
    QVERIFY(!module->isConfigured());
    QVERIFY(!module->isGenerating());
    // Start now asks for a configuration first.
    QCOMPARE(module->start(), -1);
}

void TestDwavModuleFailure::queriesFillOutputsOnlyOnSuccess()
{
    OpenedModule module(1);
    QCOMPARE(module->setCommonParameter(QStringLiteral("SF_state"), 1u), 0);
    QCOMPARE(module->configure(), 0);

    bool sfState = false;
    QCOMPARE(module->getSFstate(&sfState), 0);
    QVERIFY(sfState);
    bool lock = false;
    QCOMPARE(module->getLockDetect(&lock), 0);

    QVERIFY(addFault("tvkdwav_config_source_freq_q", 0, qint32(0xBFFF0015)));
    bool untouched = true;
    QCOMPARE(module->getSFstate(&untouched), int(0xBFFF0015));
    QVERIFY(untouched);
    untouched = false;
    QCOMPARE(module->getLockDetect(&untouched), int(0xBFFF0015));
    QVERIFY(!untouched);

    QVERIFY(addFault("tvkdwav_state", 0, qint32(0xBFFF0015)));
    int runState = 77;
    QCOMPARE(module->checkState(&runState), int(0xBFFF0015));
    QCOMPARE(runState, 77);

    double t1 = 0, t2 = 0;
    QCOMPARE(module->getTemperature(&t1, &t2), 0);
    QVERIFY(t1 > 0 && t1 < 100);
    QVERIFY(t2 > 0 && t2 < 100);

    // Null out-pointers are refused before the driver sees them.
    dwavbench_journal_clear();
    QCOMPARE(module->getSFstate(nullptr), -1);
    QCOMPARE(module->getLockDetect(nullptr), -1);
    QCOMPARE(module->checkState(nullptr), -1);
    QCOMPARE(module->getTemperature(nullptr, &t2), -1);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
}

void TestDwavModuleFailure::askADCRefusals()
{
    OpenedModule module(1);
    QVERIFY(addFault("tvkdwav_reset", 1, qint32(0xBFFF0011)));
    QVERIFY(module->reset() < 0);
    const int statusBefore = module->lastStatus();
    dwavbench_journal_clear();
    QCOMPARE(module->askADC(nullptr, 0), -1);
    QCOMPARE(module->lastStatus(), statusBefore);
    QCOMPARE(dwavbench_journal_count(), size_t(0));

    double value = -1000;
    QCOMPARE(module->askADC(&value, 2), 0);
    QCOMPARE(module->lastStatus(), 0);
    QVERIFY(value > -1000);
    QVERIFY(lastArguments("tvkdwav_ask_adc").contains(QLatin1String("2")));
}

void TestDwavModuleFailure::revisionsAreDecoded_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("call");
    QTest::newRow("driver") << "driverRevision" << "tvkdwav_revision_query";
    QTest::newRow("carrier") << "carrierRevision" << "tvkbase_revision_query";
    QTest::newRow("calibration date") << "calibrationDate" << "tvkdwav_get_calibration_date";
}

void TestDwavModuleFailure::revisionsAreDecoded()
{
    QFETCH(QString, operation);
    QFETCH(QString, call);
    OpenedModule module(1);
    QString first, second;
    auto query = [&] {
        return operation == QLatin1String("calibrationDate") ? module->calibrationDate(first)
            : operation == QLatin1String("driverRevision")  ? module->driverRevision(first, second)
                                                             : module->carrierRevision(first, second);
    };
    QCOMPARE(query(), 0);
    QVERIFY(!first.isEmpty());
    QCOMPARE(second.isEmpty(), operation == QLatin1String("calibrationDate"));
    // A refused query is reported like any refused call and leaves empty
    // texts rather than stale ones.
    QVERIFY(addFault(qPrintable(call), 1, qint32(0xBFFF0011)));
    Messages messages(1);
    QCOMPARE(query(), int(0xBFFF0011));
    QVERIFY(first.isEmpty());
    QVERIFY(second.isEmpty());
    QVERIFY(messages.of(LoggerCritical).value(0).endsWith(QStringLiteral(":%1)").arg(operation)));
    QVERIFY(messages.of(LoggerPlain).value(0).startsWith(QStringLiteral("Returned status (ffffffffbfff0011) Message: ")));
}

// A driver that fills its whole buffer leaves no terminating zero; the text
// must end at the buffer (the sanitizer build catches a read past it).
void TestDwavModuleFailure::textsStopAtTheirBuffer()
{
    const int size = 10;
    std::unique_ptr<char[]> full(new char[size]);
    const char cp1251[] = "\xCF\xF0\xE8\xE2\xE5\xF2 test";  // "Привет test"
    std::memcpy(full.get(), cp1251, size);
    QCOMPARE(TextProbe::fromCp1251(full.get(), size),
             QString::fromUtf8("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 tes"));

    char shorter[size] = "ok";
    QCOMPARE(TextProbe::fromCp1251(shorter, size), QStringLiteral("ok"));
    QVERIFY(TextProbe::fromCp1251(nullptr, size).isEmpty());
    QVERIFY(TextProbe::fromCp1251(shorter, 0).isEmpty());
}

DWAV_TEST_CORE_MAIN(TestDwavModuleFailure)
#include "tst_dwavmodule_failure.moc"
