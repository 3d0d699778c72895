// Opening, initialising and closing the module on the simulated bench, and
// the state table that refuses commands before initialisation.

#include "tst_dwavmodule_support.h"

#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "TestMain.h"

using namespace ModuleBench;

class TestDwavModuleLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void initializesDwavModule();
    void refusesWhatIsNoDwavModule_data();
    void refusesWhatIsNoDwavModule();
    void failingCarrierQueryIsReported();
    void failingConnectLeavesDemoModeAndSessionIsClosedNextTime();
    void secondInitializeResets_data();
    void secondInitializeResets();
    void refusalsBeforeInitialisation();
    void closeEndsInStateOne_data();
    void closeEndsInStateOne();
    void demoModeCloseIsReported();
    void setStateEmitsOnlyOnChange();
    void setInitParamsReadsResourceName();
    void setInitParamsFailureIsReported();
    void setInitParamsRecreatesParameterSets();
    void initCarrierStandalonePath();
    void initCarrierFailure();
    void setCarrierSessionClosesHeldSession();
};

void TestDwavModuleLifecycle::init()
{
    QVERIFY(load());
}

void TestDwavModuleLifecycle::initializesDwavModule()
{
    DWAVModule module;
    const ViSession carrierSession = openCarrier();
    QVERIFY(carrierSession != 0);
    QCOMPARE(module.setInitParams(carrierSession, 1, 0, 0, nullptr), 0);
    Messages messages(1);
    QSignalSpy states(&module, &DWAVModule::stateChanged);
    dwavbench_journal_clear();

    QCOMPARE(module.initialize(), 0);
    QCOMPARE(module.state(), DWAVModule::DeviceInitialized);
    QVERIFY(module.isInitialized());
    QVERIFY(module.moduleSession() != 0);
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).value<DWAVModule::DeviceState>(), DWAVModule::DeviceInitialized);
    QVERIFY(messages.of(LoggerInfo).contains(QStringLiteral("DWAV is initialized!")));
    QVERIFY(messages.of(LoggerCritical).isEmpty());

    QCOMPARE(countOf("tvkbase_m_type_q"), 1);
    QCOMPARE(countOf("tvkdwav_init"), 1);
    QCOMPARE(countOf("tvkdwav_connect"), 1);
    QVERIFY(lastArguments("tvkdwav_init").contains(QLatin1String(carrier())));

    module.close();
    tvkbase_close(carrierSession);
}

void TestDwavModuleLifecycle::refusesWhatIsNoDwavModule_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty position")
        << 5 << QStringLiteral("Module DWAV Module not found at 5 slot");
    QTest::newRow("foreign code 65")
        << 3 << QStringLiteral("Module at 3 slot isn't DWAV Module, found module has module code 65");
    // The instrument search lists it; the initialisation wants 66 exactly.
    QTest::newRow("code with revision bits")
        << 6 << QStringLiteral("Module at 6 slot isn't DWAV Module, found module has module code 4162");
    QTest::newRow("code negative as 16 bits")
        << 4
        << QStringLiteral("Module at 4 slot isn't DWAV Module, found module has module code -4030");
}

void TestDwavModuleLifecycle::refusesWhatIsNoDwavModule()
{
    QFETCH(int, position);
    QFETCH(QString, message);

    Messages messages(position);
    OpenedModule module(position);
    QCOMPARE(module.initResult, -1);
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    QVERIFY(!module->isInitialized());
    QCOMPARE(module->moduleSession(), ViSession(0));
    // Critical with the module's name as key, then kept as the last error
    // (a warning) with its status line.
    QVERIFY2(messages.of(LoggerCritical).contains(QStringLiteral("DWAV Module: ") + message),
             qPrintable(messages.all().join('\n')));
    QVERIFY(messages.of(LoggerWarning).contains(message));
    QVERIFY(messages.of(LoggerPlain).contains(
        QStringLiteral("Returned status (0) Message: ") + message));
    // The driver was never opened on a foreign or missing module.
    QCOMPARE(countOf("tvkdwav_init"), 0);
    QCOMPARE(countOf("tvkdwav_connect"), 0);
    QVERIFY(!module->lastErrorMessage().isEmpty());
}

void TestDwavModuleLifecycle::failingCarrierQueryIsReported()
{
    QVERIFY(addFault("tvkbase_m_type_q", 1, qint32(0xBFFF0011)));
    Messages messages(1);
    OpenedModule module(1);
    QCOMPARE(module.initResult, int(0xBFFF0011));
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    QCOMPARE(module->lastStatus(), int(0xBFFF0011));
    const QStringList critical = messages.of(LoggerCritical);
    QVERIFY(!critical.isEmpty());
    QVERIFY(critical.first().startsWith(QStringLiteral("(DWAVModule:")));
    QVERIFY(critical.first().endsWith(QStringLiteral(":performInit)")));
    QCOMPARE(countOf("tvkdwav_init"), 0);
}

void TestDwavModuleLifecycle::failingConnectLeavesDemoModeAndSessionIsClosedNextTime()
{
    QVERIFY(addFault("tvkdwav_connect", 1, qint32(0xBFFF0015)));
    Messages messages(2);
    OpenedModule module(2);
    QCOMPARE(module.initResult, int(0xBFFF0015));
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    // The session of the failed connect is kept ...
    const ViSession session = module->moduleSession();
    QVERIFY(session != 0);
    bool tagged = false;
    for (const QString &text : messages.of(LoggerCritical))
        tagged = tagged || text.endsWith(QStringLiteral(":performConnect)"));
    QVERIFY(tagged);

    // ... and closed by the next initialisation, which then succeeds.
    dwavbench_journal_clear();
    QCOMPARE(module->initialize(), 0);
    QCOMPARE(countOf("tvkdwav_close"), 1);
    QCOMPARE(countOf("tvkdwav_reset"), 0);
    QCOMPARE(countOf("tvkdwav_init"), 1);
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
}

void TestDwavModuleLifecycle::secondInitializeResets_data()
{
    QTest::addColumn<int>("reached");
    QTest::newRow("initialised") << int(DWAVModule::DeviceInitialized);
    QTest::newRow("configured") << int(DWAVModule::DeviceConfigured);
    QTest::newRow("started") << int(DWAVModule::DeviceStarted);
}

void TestDwavModuleLifecycle::secondInitializeResets()
{
    QFETCH(int, reached);
    OpenedModule module(1);
    QCOMPARE(module.initResult, 0);
    QVERIFY(bringToState(module.module.get(), reached));
    QCOMPARE(int(module->state()), reached);
    const ViSession session = module->moduleSession();

    dwavbench_journal_clear();
    QCOMPARE(module->initialize(), 0);
    QCOMPARE(module->state(), DWAVModule::DeviceInitialized);
    QCOMPARE(module->moduleSession(), session);
    QVERIFY(!module->isConfigured());
    QVERIFY(!module->isGenerating());
    QCOMPARE(countOf("tvkdwav_reset"), 1);
    QCOMPARE(countOf("tvkdwav_init"), 0);
    QCOMPARE(countOf("tvkdwav_close"), 0);
    QVERIFY(logFile().contains(QStringLiteral("DWAV Module already initialized")));
}

void TestDwavModuleLifecycle::refusalsBeforeInitialisation()
{
    OpenedModule module(5);  // nothing there: DEMO mode
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    module->setConfigured(true);  // even so, state 1 refuses
    dwavbench_journal_clear();
    const int statusBefore = module->lastStatus();

    QCOMPARE(module->configure(), -1);
    QCOMPARE(module->start(), -1);
    QCOMPARE(module->stop(), -1);
    QCOMPARE(module->reset(), -1);
    double value = 0;
    QCOMPARE(module->askADC(&value, 0), -1);
    QCOMPARE(dwavbench_journal_count(), size_t(0));
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    QCOMPARE(module->lastStatus(), statusBefore);
}

void TestDwavModuleLifecycle::closeEndsInStateOne_data()
{
    QTest::addColumn<int>("reached");
    QTest::newRow("initialised") << int(DWAVModule::DeviceInitialized);
    QTest::newRow("configured") << int(DWAVModule::DeviceConfigured);
    QTest::newRow("started") << int(DWAVModule::DeviceStarted);
    QTest::newRow("closed, failing close") << int(DWAVModule::DeviceClosed);
}

void TestDwavModuleLifecycle::closeEndsInStateOne()
{
    QFETCH(int, reached);
    OpenedModule module(1);
    QCOMPARE(module.initResult, 0);
    QVERIFY(bringToState(module.module.get(), reached));
    if (reached == DWAVModule::DeviceClosed) {
        // A driver that cannot close still leaves the panel closed.
        QVERIFY(addFault("tvkdwav_close", 1, qint32(0xBFFF0011)));
    }

    const int result = module->close();
    QCOMPARE(result, reached == DWAVModule::DeviceClosed ? int(0xBFFF0011) : 0);
    QCOMPARE(module->state(), DWAVModule::DeviceClosed);
    QCOMPARE(module->moduleSession(), ViSession(0));
    QVERIFY(!module->isInitialized());
    if (result == 0) {
        QVERIFY(!module->isConfigured());
        QVERIFY(!module->isGenerating());
    }
}

// A window closing in DEMO mode still calls the driver's close with the zero
// session; that failure is reported like any other.
void TestDwavModuleLifecycle::demoModeCloseIsReported()
{
    DWAVModule module;
    Messages messages(-1);
    QSignalSpy states(&module, &DWAVModule::stateChanged);
    const int result = module.close();
    QVERIFY(result < 0);
    QCOMPARE(countOf("tvkdwav_close"), 1);
    QVERIFY(lastArguments("tvkdwav_close").contains(QLatin1String("0")));
    QCOMPARE(module.state(), DWAVModule::DeviceClosed);
    QCOMPARE(states.count(), 0);
    QVERIFY(!messages.of(LoggerCritical).isEmpty());
    QVERIFY(messages.of(LoggerCritical).first().endsWith(QStringLiteral(":performClose)")));
    QVERIFY(!module.lastErrorMessage().isEmpty());
}

void TestDwavModuleLifecycle::setStateEmitsOnlyOnChange()
{
    DWAVModule module;
    QSignalSpy states(&module, &DWAVModule::stateChanged);
    module.setState(DWAVModule::DeviceClosed);
    QCOMPARE(states.count(), 0);
    module.setState(DWAVModule::DeviceConfigured);
    module.setState(DWAVModule::DeviceConfigured);
    QCOMPARE(states.count(), 1);
    QVERIFY(!module.isInitialized());
    module.setState(DWAVModule::DeviceInitialized);
    QVERIFY(module.isInitialized());
    module.setState(DWAVModule::DeviceClosed);
    QVERIFY(!module.isInitialized());
    QCOMPARE(states.count(), 3);
}

void TestDwavModuleLifecycle::setInitParamsReadsResourceName()
{
    DWAVModule module;
    module.setPath(QStringLiteral("unchanged"));
    QCOMPARE(module.setInitParams(0, 2, 1, 1, nullptr), 0);
    QCOMPARE(module.path(), QStringLiteral("unchanged"));
    QCOMPARE(module.mezNum(), 2);
    QCOMPARE(dwavbench_journal_count(), size_t(0));

    const ViSession carrierSession = openCarrier();
    int handle = 0;
    QCOMPARE(module.setInitParams(carrierSession, 2, 1, 0, &handle), 0);
    QCOMPARE(module.path(), QLatin1String(carrier()));
    QCOMPARE(module.idQuery(), ushort(1));
    QCOMPARE(module.resetDevice(), ushort(0));
    QCOMPARE(module.lastStatus(), 0);
    tvkbase_close(carrierSession);
}

void TestDwavModuleLifecycle::setInitParamsFailureIsReported()
{
    DWAVModule module;
    const ViSession carrierSession = openCarrier();
    QVERIFY(addFault("viGetAttribute", 1, qint32(VI_ERROR_NSUP_ATTR)));
    Messages messages(3);
    QCOMPARE(module.setInitParams(carrierSession, 3, 0, 0, nullptr), int(VI_ERROR_NSUP_ATTR));
    QCOMPARE(module.lastStatus(), int(VI_ERROR_NSUP_ATTR));
    QVERIFY(module.path().isEmpty());
    QVERIFY(!messages.of(LoggerCritical).isEmpty());
    QVERIFY(messages.of(LoggerCritical).first().endsWith(QStringLiteral(":setInitParams)")));
    tvkbase_close(carrierSession);
}

void TestDwavModuleLifecycle::setInitParamsRecreatesParameterSets()
{
    DWAVModule module;
    QPointer<DWAVChanParameters> oldSet = module.chanParameters(0);
    QCOMPARE(module.setChanParameter(0, QStringLiteral("range"), 1u), 0);
    QCOMPARE(module.setInitParams(0, 6, 0, 0, nullptr), 0);
    QVERIFY(module.chanParameters(0) != oldSet.data());
    QCOMPARE(module.chanParameters(0)->mezNum(), 6);
    QCOMPARE(module.awgParameters()->mezNum(), 6);
    QCOMPARE(module.chanParameter(0, QStringLiteral("range")).toUInt(), 0u);
    // The old sets go once the event loop runs, not under a caller's feet.
    QVERIFY(oldSet);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!oldSet);
}

void TestDwavModuleLifecycle::initCarrierStandalonePath()
{
    DWAVModule module;
    module.setStandaloneProgram(true);
    QCOMPARE(module.initCarrier(QLatin1String(carrier()), 1, 1, 2), 0);
    QCOMPARE(module.mezNum(), 2);
    QCOMPARE(module.path(), QLatin1String(carrier()));
    QVERIFY(module.carrierSession() != 0);
    QCOMPARE(module.chanParameters(1)->mezNum(), 2);
    QCOMPARE(module.initialize(), 0);
    QCOMPARE(module.state(), DWAVModule::DeviceInitialized);

    // Opening again closes the held sessions first.
    const ViSession first = module.carrierSession();
    dwavbench_journal_clear();
    QCOMPARE(module.initCarrier(QLatin1String(carrier()), 1, 1, 1), 0);
    QCOMPARE(countOf("tvkdwav_reset"), 1);
    QCOMPARE(countOf("viClose"), 1);
    QVERIFY2(lastArguments("viClose").contains(QStringLiteral("vi=0x") + QString::number(first, 16).toUpper()),
             qPrintable(lastArguments("viClose")));
    module.close();
    module.setCarrierSession(0);
}

void TestDwavModuleLifecycle::initCarrierFailure()
{
    DWAVModule module;
    Messages messages(-1);
    const int result = module.initCarrier(QStringLiteral("VXI0::77::INSTR"), 1, 1, 3);
    QVERIFY(result < 0);
    QCOMPARE(module.mezNum(), -1);
    QVERIFY(module.path().isEmpty());
    QCOMPARE(module.carrierSession(), ViSession(0));
    QCOMPARE(module.idQuery(), ushort(1));
    QCOMPARE(module.resetDevice(), ushort(1));
    // Told in the carrier driver's words: tag, text, status line.
    const QString text = Bench::driverText(result);
    QVERIFY(!text.isEmpty());
    QCOMPARE(module.lastErrorMessage(), text);
    QCOMPARE(messages.count(), 3);
    QVERIFY(messages.of(LoggerCritical).first().endsWith(QStringLiteral(":initCarrier)")));
    QCOMPARE(messages.of(LoggerCritical).last(), text);
    // Without a carrier the initialisation fails cleanly: DEMO mode.
    QVERIFY(module.initialize() < 0);
    QCOMPARE(module.state(), DWAVModule::DeviceClosed);
}

void TestDwavModuleLifecycle::setCarrierSessionClosesHeldSession()
{
    DWAVModule module;
    QCOMPARE(module.setCarrierSession(openCarrier()), 0);
    const size_t open = dwavbench_open_sessions();
    QCOMPARE(module.setCarrierSession(0), 0);
    QCOMPARE(dwavbench_open_sessions(), open - 1);
}

DWAV_TEST_CORE_MAIN(TestDwavModuleLifecycle)
#include "tst_dwavmodule_lifecycle.moc"
