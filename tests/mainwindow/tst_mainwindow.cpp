#include "AFGParameters.h"
#include "HarmonicalParameters.h"
#include "MainWindow.h"
#include "MultilevelParameters.h"
#include "ParameterTypes.h"
#include "BenchSupport.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace WindowTest;

namespace {

int storedChanState(DWAVModule *module, int chan)
{
    return ParameterTypes::enumFromVariant<chanState>(module->chanParameter(chan, QStringLiteral("chanState")));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void titleAndStartOnInitialisedModule();
    void demoModeShowsErrorAndNeverPolls();
    void everyTaggedWidgetIsBoundOnce();
    void refreshWritesClampedValuesBack();
    void refreshStartsNoConfiguration_data();
    void refreshStartsNoConfiguration();
    void refreshWithPanelSettingsRestoresOptionsAndPage();
    void pageButtonsSetMode();
    void channelBoxesStoreStateAndTellTheDialog();
    void channelStateFromTheDialogStopsAfterOneRound();
    void closeOnlyHidesAndEmits();
    void destructionResetsWaitsStopsCloses();
    void destructionInDemoModeOnlyCloses();
};

void TestMainWindow::initTestCase()
{
    Q_INIT_RESOURCE(images);
    ParameterTypes::registerTypes();
}

void TestMainWindow::titleAndStartOnInitialisedModule()
{
    QString resource;
    int position = 0;
    auto module = openModule(&resource, &position);
    QVERIFY(module);
    MainWindow window(module.get());
    QCOMPARE(window.windowTitle(),
             QStringLiteral("DWAV Panel - %1 at position %2").arg(resource).arg(position));
    QCOMPARE(messageText(&window), QStringLiteral("DWAV is initialized."));
    auto *start = window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton"));
    QVERIFY(start);
    QCOMPARE(start->property("StartButtonState").toInt(), 0);
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(window.pos(), QPoint(20, 20));
    QVERIFY(window.isHidden());
    auto *timer = window.findChild<QTimer *>();
    QVERIFY(timer);
    QVERIFY(timer->isActive());
}

void TestMainWindow::demoModeShowsErrorAndNeverPolls()
{
    QVERIFY(Bench::reset());
    DWAVModule module;  // never initialised: DEMO mode
    dwavbench_journal_clear();
    {
        MainWindow window(&module);
        QCOMPARE(window.windowTitle(), QStringLiteral("DWAV Panel - DEMO mode"));
        QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
        QVERIFY(messageText(&window).startsWith(QStringLiteral("Not managed to initialize DWAV, error: '")));
        QVERIFY(messageText(&window).endsWith(QStringLiteral("'. The panel is in DEMO mode.")));
        auto *timer = window.findChild<QTimer *>();
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        // Give a poll more than enough time to have happened.
        QTest::qWait(800);
        QCOMPARE(countOf("tvkdwav_state"), 0);
        QCOMPARE(countOf("tvkdwav_get_temperature"), 0);
        QCOMPARE(countOf("tvkdwav_cmpVersions"), 0);

        // Start asks for a configuration first; nothing reaches the driver.
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton")),
                          Qt::LeftButton);
        QCOMPARE(indicatorText(&window), QStringLiteral("Not configured"));
        QCOMPARE(countOf("tvkdwav_start"), 0);
    }
}

void TestMainWindow::everyTaggedWidgetIsBoundOnce()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    const QList<QWidget *> all = window.findChildren<QWidget *>();
    QStringList tagged;
    // The settings dialogs are windows of their own with their own tags.
    for (QWidget *w : all)
        if (w->window() == &window && w->property("DWAV_ParameterType").isValid())
            tagged << w->objectName();
    // 33 widgets per channel and the 12 AWG widgets.
    QCOMPARE(tagged.size(), 78);
    QCOMPARE(QSet<QString>(tagged.begin(), tagged.end()).size(), 78);
    // The channel group boxes, tables and path edits carry no tags.
    for (const char *name : {"chan1FunctionGeneratorGroupBox", "chan2FunctionGeneratorGroupBox",
                             "chan1MultilevelPointsTableWidget", "AWGLoadingFilePathLineEdit"})
        QVERIFY2(!tagged.contains(QLatin1String(name)), name);
    // Channel 2 widgets carry the same keys as their channel 1 twins.
    for (const QString &name : qAsConst(tagged)) {
        if (!name.startsWith(QLatin1String("chan1")))
            continue;
        QString twinName = name;
        twinName.replace(0, 5, QStringLiteral("chan2"));
        QWidget *one = window.findChild<QWidget *>(name);
        QWidget *two = window.findChild<QWidget *>(twinName);
        QVERIFY2(two, qPrintable(twinName));
        QCOMPARE(two->property("DWAV_ParameterName"), one->property("DWAV_ParameterName"));
        QCOMPARE(two->property("DWAV_SubParameterType"), one->property("DWAV_SubParameterType"));
    }
    // Refreshed values are in place on every bound widget.
    for (QWidget *w : all)
        if (w->property("DWAV_ParameterType").isValid())
            QVERIFY2(w->property("DWAV_ParameterValue").isValid(), qPrintable(w->objectName()));
}

void TestMainWindow::refreshWritesClampedValuesBack()
{
    auto module = openModule();
    QVERIFY(module);
    // The sets start with values the form cannot show: a harmonic frequency
    // below the box's minimum and a multilevel period of 0 ns.
    for (int chan = 0; chan < 2; ++chan) {
        const auto harmonic = module->parameterValue(QStringLiteral("DWAV_AFGParameters"),
                                                     QStringLiteral("harmonicalParameters"),
                                                     QStringLiteral("freq"), chan);
        QCOMPARE(harmonic.toDouble(), 0.06);
    }
    MainWindow window(module.get());
    for (int chan = 0; chan < 2; ++chan) {
        const QString prefix = chan == 0 ? QStringLiteral("chan1") : QStringLiteral("chan2");
        auto *freq = window.findChild<QDoubleSpinBox *>(prefix + QStringLiteral("HarmonicFreqDoubleSpinBox"));
        auto *period = window.findChild<QDoubleSpinBox *>(prefix + QStringLiteral("MultilevelTDoubleSpinBox"));
        QVERIFY(freq && period);
        QCOMPARE(freq->value(), 0.06986);
        QCOMPARE(module->parameterValue(QStringLiteral("DWAV_AFGParameters"),
                                        QStringLiteral("harmonicalParameters"),
                                        QStringLiteral("freq"), chan).toDouble(),
                 0.06986);
        QCOMPARE(period->value(), 1.0);
        QCOMPARE(module->parameterValue(QStringLiteral("DWAV_AFGParameters"),
                                        QStringLiteral("multilevelParameters"),
                                        QStringLiteral("T"), chan).toDouble(),
                 1.0);
        // Values inside the limits are left as the module holds them.
        auto *level = window.findChild<QDoubleSpinBox *>(prefix + QStringLiteral("LevelSignalDoubleSpinBox"));
        QCOMPARE(level->value(), 0.1);
    }

    // A value from the module that lies above a box's maximum is clamped and
    // written back as well.
    module->setAWGParameter(QStringLiteral("numCycles"), 70000u);
    window.updateWidgets(false, false);
    auto *cycles = window.findChild<QSpinBox *>(QStringLiteral("AWGNumCyclesSpinBox"));
    QCOMPARE(cycles->value(), 65535);
    QCOMPARE(module->awgParameter(QStringLiteral("numCycles")).toInt(), 65535);
}

void TestMainWindow::refreshStartsNoConfiguration_data()
{
    QTest::addColumn<bool>("autoConfig");
    QTest::addColumn<bool>("query");
    QTest::newRow("Auto config off") << false << false;
    QTest::newRow("Auto config on") << true << false;
    QTest::newRow("Auto config on, read-back") << true << true;
}

void TestMainWindow::refreshStartsNoConfiguration()
{
    auto module = openModule();
    QVERIFY(module);
    module->setAutoConfig(true);
    module->setAWGParameter(QStringLiteral("awgMode"), 1u);
    MainWindow window(module.get());
    // The constructor's refresh checked the AWG radio button of the module's
    // mode; its change must not have configured anything.
    QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("AWGContinuousModeRadioButton"))->isChecked());
    QCOMPARE(configurationCalls(), 0);

    // A settings load holds back what its refresh's signals ask for, then,
    // with Auto config on, configures once with every loaded value; the
    // read-back of that configuration starts no other.
    QFETCH(bool, autoConfig);
    QFETCH(bool, query);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("panel.ini"));
    module->setAWGParameter(QStringLiteral("awgMode"), 0u);
    module->setAWGParameter(QStringLiteral("numCycles"), 37);
    module->setCurrentPanelTabIndex(1);
    module->setAutoConfig(autoConfig);
    module->setQuerySettingsParameters(query);
    QCOMPARE(module->saveSettings(file), 0);
    module->setAWGParameter(QStringLiteral("numCycles"), 5);
    module->setAutoConfig(false);
    QVERIFY(QMetaObject::invokeMethod(&window, "actionLoadSettings_triggered"));
    QVERIFY(UiTest::chooseFile(&window, file));
    QVERIFY(window.findChild<QRadioButton *>(QStringLiteral("AWGCircularModeRadioButton"))->isChecked());
    QCOMPARE(countOf("tvkdwav_config_awg"), autoConfig ? 1 : 0);
    QCOMPARE(Bench::callsMentioning("tvkdwav_config_awg", QStringLiteral("numCycles=37")), autoConfig ? 1 : 0);
}

void TestMainWindow::refreshWithPanelSettingsRestoresOptionsAndPage()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    module->setAutoConfig(true);
    module->setQuerySettingsParameters(true);
    module->setCurrentPanelTabIndex(1);
    module->setAWGLoadingFilePath(QStringLiteral("in.vwf"));
    module->setAWGSavingFilePath(QStringLiteral("out.vwf"));
    window.updateWidgets(false, true);
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox"))->isChecked());
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("queryConfigParametersCheckBox"))->isChecked());
    QCOMPARE(window.findChild<QStackedWidget *>(QStringLiteral("signalTypeStackedWidget"))->currentIndex(), 1);
    QCOMPARE(module->mode(), ushort(0));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("AWGLoadingFilePathLineEdit"))->text(), QStringLiteral("in.vwf"));
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("AWGSavingFilePathLineEdit"))->text(), QStringLiteral("out.vwf"));

    // The AWG data file last loaded wins over the remembered loading path;
    // an unknown page index leaves the page alone.
    module->setAWGParameter(QStringLiteral("dataFilePath"), QStringLiteral("data.vwf"));
    module->setCurrentPanelTabIndex(5);
    window.updateWidgets(false, true);
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("AWGLoadingFilePathLineEdit"))->text(), QStringLiteral("data.vwf"));
    QCOMPARE(window.findChild<QStackedWidget *>(QStringLiteral("signalTypeStackedWidget"))->currentIndex(), 1);
    QCOMPARE(configurationCalls(), 0);
}

void TestMainWindow::pageButtonsSetMode()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    auto *afg = window.findChild<QPushButton *>(QStringLiteral("showAFGPagePushButton"));
    auto *awg = window.findChild<QPushButton *>(QStringLiteral("showAWGPagePushButton"));
    auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("signalTypeStackedWidget"));
    QVERIFY(afg && awg && pages);
    QCOMPARE(module->mode(), ushort(1));
    QVERIFY(afg->isChecked());
    QVERIFY(!afg->icon().isNull());

    QTest::mouseClick(awg, Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(module->mode(), ushort(0));
    QCOMPARE(module->currentPanelTabIndex(), 1);
    QVERIFY(awg->isChecked());
    QVERIFY(!afg->isChecked());
    QVERIFY(afg->icon().isNull());
    QVERIFY(!awg->icon().isNull());

    QTest::mouseClick(afg, Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(module->mode(), ushort(1));
    QCOMPARE(module->currentPanelTabIndex(), 0);
    QVERIFY(afg->isChecked());
    QVERIFY(!awg->isChecked());
    QVERIFY(awg->icon().isNull());
}

void TestMainWindow::channelBoxesStoreStateAndTellTheDialog()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QSignalSpy chan1(&window, &MainWindow::chan1StateChanged);
    QSignalSpy chan2(&window, &MainWindow::chan2StateChanged);
    auto *box1 = window.findChild<QGroupBox *>(QStringLiteral("chan1FunctionGeneratorGroupBox"));
    auto *box2 = window.findChild<QGroupBox *>(QStringLiteral("chan2FunctionGeneratorGroupBox"));
    QVERIFY(box1 && box2);

    box1->setChecked(false);
    QCOMPARE(storedChanState(module.get(), 0), 0);
    QCOMPARE(storedChanState(module.get(), 1), 1);
    QCOMPARE(chan1.count(), 1);
    QCOMPARE(chan1.at(0).at(0).toBool(), false);
    QCOMPARE(chan2.count(), 0);
    QCOMPARE(module->chanParameter(0, QStringLiteral("chanState")).userType(), qMetaTypeId<chanState>());

    box2->setChecked(false);
    box2->setChecked(true);
    QCOMPARE(storedChanState(module.get(), 1), 1);
    QCOMPARE(chan2.count(), 2);
    // Stored at once, sent only by a configuration.
    QCOMPARE(configurationCalls(), 0);
}

void TestMainWindow::channelStateFromTheDialogStopsAfterOneRound()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    // Echo the window's signal back as the channel dialog does.
    connect(&window, &MainWindow::chan1StateChanged, &window, &MainWindow::on_chan1StateChanged);
    QSignalSpy chan1(&window, &MainWindow::chan1StateChanged);
    auto *box1 = window.findChild<QGroupBox *>(QStringLiteral("chan1FunctionGeneratorGroupBox"));

    window.on_chan1StateChanged(false);
    QVERIFY(!box1->isChecked());
    QCOMPARE(storedChanState(module.get(), 0), 0);
    QCOMPARE(chan1.count(), 1);

    // Already in that state: nothing stored, nothing sent on.
    module->setChanParameter(0, QStringLiteral("chanState"), QVariant::fromValue(ChanOn));
    window.on_chan1StateChanged(false);
    QCOMPARE(chan1.count(), 1);
    QCOMPARE(storedChanState(module.get(), 0), 1);
}

void TestMainWindow::closeOnlyHidesAndEmits()
{
    auto module = openModule();
    QVERIFY(module);
    QPointer<MainWindow> window = new MainWindow(module.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QSignalSpy closed(window.data(), &MainWindow::panelClosed);
    QVERIFY(window->close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(window);
    QVERIFY(window->isHidden());
    QCOMPARE(countOf("tvkdwav_close"), 0);
    QVERIFY(module->isInitialized());
    // Shown again, it is the same window.
    window->show();
    QVERIFY(window->isVisible());
    delete window;
}

void TestMainWindow::destructionResetsWaitsStopsCloses()
{
    auto module = openModule();
    QVERIFY(module);
    auto *window = new MainWindow(module.get());
    dwavbench_journal_clear();
    delete window;

    QVector<Call> teardown;
    for (const Call &call : journal())
        if (call.function == QLatin1String("tvkdwav_reset") || call.function == QLatin1String("tvkdwav_stop")
            || call.function == QLatin1String("tvkdwav_close"))
            teardown.append(call);
    QCOMPARE(teardown.size(), 3);
    QCOMPARE(teardown.at(0).function, QStringLiteral("tvkdwav_reset"));
    QCOMPARE(teardown.at(1).function, QStringLiteral("tvkdwav_stop"));
    QCOMPARE(teardown.at(2).function, QStringLiteral("tvkdwav_close"));
    QVERIFY2(teardown.at(1).timeNs - teardown.at(0).timeNs >= 100000000ull,
             "the stop must come at least 100 ms after the reset");
    QVERIFY(!module->isInitialized());
    QCOMPARE(module->moduleSession(), ViSession(0));
}

void TestMainWindow::destructionInDemoModeOnlyCloses()
{
    QVERIFY(Bench::reset());
    DWAVModule module;
    auto *window = new MainWindow(&module);
    dwavbench_journal_clear();
    delete window;
    QCOMPARE(countOf("tvkdwav_reset"), 0);
    QCOMPARE(countOf("tvkdwav_stop"), 0);
    QCOMPARE(countOf("tvkdwav_close"), 1);
}

DWAV_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
