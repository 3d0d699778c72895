#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "WindowTestSupport.h"
#include "tvkdwav_32.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace WindowTest;

namespace {

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QLatin1String(name));
}

// Types a new value into a spin box and finishes the edit as a user would.
void typeInto(QSpinBox *spin, int value)
{
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Return);
}

double benchValue(const QString &resource, int position, const char *key)
{
    double value = -1;
    dwavbench_module_value(resource.toLatin1().constData(), position, key, &value);
    return value;
}

} // namespace

class TestMainWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void editWithoutAutoConfigOnlyStores();
    void editWithAutoConfigConfigures();
    void radioPairConfiguresForEachToggle();
    void radioButtonsStoreOnlyWhenChecked_data();
    void radioButtonsStoreOnlyWhenChecked();
    void failedConfigurationShowsDriverText();
    void queryRefreshesWidgetsAlsoAfterFailure();
    void resetShowsOutcome();
    void startBeforeConfigureIsRefused();
    void configureStartGenerateStop();
    void failedCommands_data();
    void failedCommands();
    void awaitsCommandThenStartByCommand();
    void delayCountdownThenGeneration();
    void startByCommandOnUnconfiguredModule();
    void optionsReachTheModule();

private:
    QString m_resource;
    int m_position = 0;
};

void TestMainWindowCommands::initTestCase()
{
    Q_INIT_RESOURCE(images);
    ParameterTypes::registerTypes();
}

void TestMainWindowCommands::cleanup()
{
    dwavbench_clear_faults();
}

void TestMainWindowCommands::editWithoutAutoConfigOnlyStores()
{
    auto module = openModule(&m_resource, &m_position);
    QVERIFY(module);
    MainWindow window(module.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(&window, "showAWGPagePushButton"), Qt::LeftButton);
    dwavbench_journal_clear();

    typeInto(window.findChild<QSpinBox *>(QStringLiteral("AWGNumCyclesSpinBox")), 37);
    QCOMPARE(module->awgParameter(QStringLiteral("numCycles")).toInt(), 37);
    QCOMPARE(configurationCalls(), 0);

    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
    QCOMPARE(messageText(&window), QStringLiteral("DWAV has been configured"));
    QCOMPARE(benchValue(m_resource, m_position, "numCycles"), 37.0);
    QVERIFY(module->isConfigured());
}

void TestMainWindowCommands::editWithAutoConfigConfigures()
{
    auto module = openModule(&m_resource, &m_position);
    QVERIFY(module);
    MainWindow window(module.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(&window, "showAWGPagePushButton"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox")), Qt::LeftButton);
    QVERIFY(module->autoConfig());
    dwavbench_journal_clear();

    typeInto(window.findChild<QSpinBox *>(QStringLiteral("AWGNumPackagesSpinBox")), 12);
    QCOMPARE(module->awgParameter(QStringLiteral("numPacks")).toInt(), 12);
    const QVector<Call> awg = callsOf(QStringLiteral("tvkdwav_config_awg"));
    QCOMPARE(awg.size(), 1);
    QCOMPARE(benchValue(m_resource, m_position, "numPacks"), 12.0);
    // The whole sequence ran: channels, common settings, mode, then the AWG.
    QVERIFY(countOf("tvkdwav_config_chan") >= 2);
    QCOMPARE(countOf("tvkdwav_config_mode"), 1);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
}

void TestMainWindowCommands::radioPairConfiguresForEachToggle()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(button(&window, "showAWGPagePushButton"), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox")), Qt::LeftButton);
    dwavbench_journal_clear();

    auto *continuous = window.findChild<QRadioButton *>(QStringLiteral("AWGContinuousModeRadioButton"));
    QTest::mouseClick(continuous, Qt::LeftButton);
    QVERIFY(continuous->isChecked());
    QCOMPARE(module->awgParameter(QStringLiteral("awgMode")).toInt(), 1);
    // One configuration for the button that went off, one for the one that came on.
    QCOMPARE(countOf("tvkdwav_config_mode"), 2);
}

void TestMainWindowCommands::radioButtonsStoreOnlyWhenChecked_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("circular") << "AWGCircularModeRadioButton" << "awgMode" << 0;
    QTest::newRow("continuous") << "AWGContinuousModeRadioButton" << "awgMode" << 1;
    QTest::newRow("whole sequence") << "AWGWholeSequenceRadioButton" << "awgStartMode" << 0;
    QTest::newRow("each packet") << "AWGEachPacketRadioButton" << "awgStartMode" << 1;
    QTest::newRow("both channels") << "AWGBothChansRadioButton" << "chan" << 2;
    QTest::newRow("channel 1") << "AWGChan1RadioButton" << "chan" << 0;
    QTest::newRow("channel 2") << "AWGChan2RadioButton" << "chan" << 1;
    QTest::newRow("doubles") << "AWGDataFormatDoubleRadioButton" << "dataFormat" << 0;
    QTest::newRow("codes") << "AWGDataFormatUInt16RadioButton" << "dataFormat" << 1;
}

// Qt unchecks a partner before it checks the chosen button, so the final
// value cannot tell a slot that also stores on uncheck: its own call can.
void TestMainWindowCommands::radioButtonsStoreOnlyWhenChecked()
{
    QFETCH(QString, button);
    QFETCH(QString, key);
    QFETCH(int, value);
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    const QByteArray slot = QStringLiteral("on_%1_toggled").arg(button).toLatin1();
    module->setAWGParameter(key, 7u);
    QVERIFY(QMetaObject::invokeMethod(&window, slot.constData(), Q_ARG(bool, false)));
    QCOMPARE(module->awgParameter(key).toInt(), 7);
    QVERIFY(QMetaObject::invokeMethod(&window, slot.constData(), Q_ARG(bool, true)));
    QCOMPARE(module->awgParameter(key).toInt(), value);
}

void TestMainWindowCommands::failedConfigurationShowsDriverText()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    const int status = int(0xBFFC0801u);
    QVERIFY(Bench::addFault("tvkdwav_config_mode", 0, status));
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
    const QString text = module->lastErrorMessage();
    QVERIFY(!text.isEmpty());
    QCOMPARE(text, Bench::driverText(status));
    QCOMPARE(messageText(&window), QStringLiteral("Instrument error: '%1'").arg(text));
    QVERIFY(!module->isConfigured());
}

void TestMainWindowCommands::queryRefreshesWidgetsAlsoAfterFailure()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("queryConfigParametersCheckBox")),
                      Qt::LeftButton);
    QVERIFY(module->querySettingsParameters());
    auto *samples = window.findChild<QSpinBox *>(QStringLiteral("AWGNumSamplesSpinBox"));

    module->setAWGParameter(QStringLiteral("numSamples"), 64u);
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
    QCOMPARE(samples->value(), 64);

    QVERIFY(Bench::addFault("tvkdwav_config_chan", 0, int(0xBFFC0801u)));
    module->setAWGParameter(QStringLiteral("numSamples"), 128u);
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
    QCOMPARE(samples->value(), 128);

    // Without read-back the widgets stay as they are.
    QTest::mouseClick(window.findChild<QCheckBox *>(QStringLiteral("queryConfigParametersCheckBox")),
                      Qt::LeftButton);
    module->setAWGParameter(QStringLiteral("numSamples"), 256u);
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(samples->value(), 128);
}

void TestMainWindowCommands::resetShowsOutcome()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QTest::mouseClick(button(&window, "resetDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Reset"));
    QCOMPARE(messageText(&window), QStringLiteral("DWAV has been reset"));
    QCOMPARE(countOf("tvkdwav_reset"), 1);
    QCOMPARE(startButtonState(&window), 0);

    QVERIFY(Bench::addFault("tvkdwav_reset", 1, int(0xBFFF0011u)));
    QTest::mouseClick(button(&window, "resetDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
    QCOMPARE(messageText(&window),
             QStringLiteral("Instrument error: '%1'").arg(module->lastErrorMessage()));
    QCOMPARE(startButtonState(&window), 0);
}

void TestMainWindowCommands::startBeforeConfigureIsRefused()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QTest::mouseClick(button(&window, "startDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Not configured"));
    QCOMPARE(messageText(&window), QStringLiteral("Push Configure button before start!"));
    QCOMPARE(countOf("tvkdwav_start"), 0);
    QCOMPARE(startButtonState(&window), 0);
}

void TestMainWindowCommands::configureStartGenerateStop()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));

    QPushButton *start = button(&window, "startDWAVPushButton");
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(countOf("tvkdwav_start"), 1);
    QCOMPARE(indicatorText(&window), QStringLiteral("Generating"));
    QCOMPARE(messageText(&window), QStringLiteral("Signal is being generated."));
    QCOMPARE(startButtonState(&window), 1);
    QCOMPARE(start->text(), QStringLiteral("Stop"));
    QVERIFY(module->isGenerating());

    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(countOf("tvkdwav_stop"), 1);
    // The stop is followed by a fresh look at the generation state.
    QCOMPARE(indicatorText(&window), QStringLiteral("No generation"));
    QCOMPARE(messageText(&window), QStringLiteral("DWAV is stopped."));
    QCOMPARE(startButtonState(&window), 0);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QVERIFY(!module->isGenerating());
}

void TestMainWindowCommands::failedCommands_data()
{
    QTest::addColumn<int>("before");  // 0 fresh, 1 configured, 2 generating, 3 awaiting a command
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");  // empty: the driver's text for the fault
    QTest::addColumn<int>("followed");  // the start button state afterwards
    QTest::newRow("start refused") << 1 << QByteArray("tvkdwav_start") << "press start" << "" << 0;
    QTest::newRow("stop refused") << 2 << QByteArray("tvkdwav_stop") << "press start" << "" << 1;
    QTest::newRow("auto config refused")
        << 2 << QByteArray("tvkdwav_config_mode") << "auto config" << "" << 1;
    QTest::newRow("reset refused") << 2 << QByteArray("tvkdwav_reset") << "reset" << "" << 1;
    QTest::newRow("command start after a refused configure")
        << 0 << QByteArray("tvkdwav_config_mode") << "configure, command start"
        << "Start by command: DWAV is NOT configured! Press \"Configure\" button first." << 0;
    QTest::newRow("command start refused")
        << 3 << QByteArray("tvkdwav_prog_start") << "command start" << "" << 2;
    QTest::newRow("start taken, state unread")
        << 1 << QByteArray("tvkdwav_state") << "press start" << "" << 1;
}

// A failure stays in view while the module goes on as it was, with the
// reason of its own; the start button follows the module, so the next press
// stops a module that runs rather than starting it again.
void TestMainWindowCommands::failedCommands()
{
    QFETCH(int, before);
    QFETCH(QByteArray, fault);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(int, followed);
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QPushButton *start = button(&window, "startDWAVPushButton");
    if (before == 3) {
        module->setCommonParameter(QStringLiteral("startSource"), 1u);
        dialogsTakeModuleValues(&window);
    }
    if (before >= 1)
        QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    if (before >= 2)
        QTest::mouseClick(start, Qt::LeftButton);

    const int status = int(0xBFFF0011u);
    // The state query fails on every call, the others once.
    QVERIFY(Bench::addFault(fault.constData(), fault == "tvkdwav_state" ? 0 : 1, status));
    if (command == QLatin1String("press start")) {
        QTest::mouseClick(start, Qt::LeftButton);
    } else if (command == QLatin1String("auto config")) {
        window.findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox"))->setChecked(true);
        window.on_performConfig();
    } else if (command == QLatin1String("reset")) {
        QTest::mouseClick(button(&window, "resetDWAVPushButton"), Qt::LeftButton);
    } else {
        if (command.startsWith(QLatin1String("configure")))
            QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
        QVERIFY(window.programStart() != 0);
    }
    if (message.isEmpty())
        message = QStringLiteral("Instrument error: '%1'").arg(Bench::driverText(status));
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
        QCOMPARE(messageText(&window), message);
        QCOMPARE(startButtonState(&window), followed);
        QCOMPARE(module->isGenerating(), followed == 1);
        // A poll that finds the state unchanged leaves all three as they are.
        if (pass == 0) {
            const int polled = countOf("tvkdwav_state");
            QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") > polled, 10000);
        }
    }
    dwavbench_clear_faults();
    if (followed != 0) {
        const int starts = countOf("tvkdwav_start");
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(countOf("tvkdwav_start"), starts);
        QCOMPARE(indicatorText(&window), QStringLiteral("No generation"));
        QCOMPARE(startButtonState(&window), 0);
    }
}

void TestMainWindowCommands::awaitsCommandThenStartByCommand()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    // Start by program command: the module waits after the start.
    module->setCommonParameter(QStringLiteral("startSource"), 1u);
    dialogsTakeModuleValues(&window);
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
    QPushButton *start = button(&window, "startDWAVPushButton");
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Awaits event"));
    QCOMPARE(startButtonState(&window), 2);
    QCOMPARE(start->text(), QStringLiteral("Awaits command"));
    QVERIFY(messageText(&window).contains(QStringLiteral("\"Program start\"")));
    QVERIFY(!module->isGenerating());

    QCOMPARE(window.programStart(), 0);
    QCOMPARE(countOf("tvkdwav_prog_start"), 1);
    QCOMPARE(indicatorText(&window), QStringLiteral("Generating"));
    QCOMPARE(startButtonState(&window), 1);
    QFile log(QStringLiteral("DWAV_messages.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("DWAV Program start: DWAV started by command."));

    // Pressed while waiting for the command, the button stops.
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(countOf("tvkdwav_stop"), 1);
    QCOMPARE(startButtonState(&window), 0);
}

void TestMainWindowCommands::delayCountdownThenGeneration()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    // Started by program after a delay of 0.6 s.
    module->setCommonParameter(QStringLiteral("startDelay"), 600.0);
    module->setCommonParameter(QStringLiteral("startDelayModifier"), 1000);
    dialogsTakeModuleValues(&window);
    QTest::mouseClick(button(&window, "configDWAVPushButton"), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
    QPushButton *start = button(&window, "startDWAVPushButton");
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Delay countdown"));
    QCOMPARE(messageText(&window), QStringLiteral("DWAV will be started after setted delay."));
    QCOMPARE(startButtonState(&window), 3);
    QCOMPARE(start->text(), QStringLiteral("Delay countdown"));
    QVERIFY(module->isGenerating());

    // The polls follow the module until it generates.
    QTRY_COMPARE_WITH_TIMEOUT(indicatorText(&window), QStringLiteral("Generating"), 10000);
    QCOMPARE(startButtonState(&window), 1);

    // A second start while counting down: pressing the button stops.
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(startButtonState(&window), 0);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(startButtonState(&window), 3);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(countOf("tvkdwav_stop"), 2);
    QCOMPARE(startButtonState(&window), 0);
    QCOMPARE(indicatorText(&window), QStringLiteral("No generation"));
}

void TestMainWindowCommands::startByCommandOnUnconfiguredModule()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    window.setStartButtonState(1);
    QVERIFY(window.programStart() != 0);
    QCOMPARE(countOf("tvkdwav_prog_start"), 0);
    QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
    QCOMPARE(startButtonState(&window), 0);
}

void TestMainWindowCommands::optionsReachTheModule()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    auto *autoConfig = window.findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox"));
    auto *query = window.findChild<QCheckBox *>(QStringLiteral("queryConfigParametersCheckBox"));
    autoConfig->setChecked(true);
    query->setChecked(true);
    QVERIFY(module->autoConfig());
    QVERIFY(module->querySettingsParameters());
    autoConfig->setChecked(false);
    query->setChecked(false);
    QVERIFY(!module->autoConfig());
    QVERIFY(!module->querySettingsParameters());

    // Other codes change only the property.
    window.setStartButtonState(1);
    window.setStartButtonState(7);
    QCOMPARE(startButtonState(&window), 7);
    QCOMPARE(button(&window, "startDWAVPushButton")->text(), QStringLiteral("Stop"));
}

DWAV_TEST_MAIN(TestMainWindowCommands)
#include "tst_mainwindowcommands.moc"
