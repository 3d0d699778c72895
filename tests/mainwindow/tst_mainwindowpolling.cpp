#include "Logger.h"
#include "MainWindow.h"
#include "BenchSupport.h"
#include "TestMain.h"
#include "WindowTestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <ctime>

using namespace WindowTest;

namespace {

QString labelText(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

// The bench stamps its journal with the monotonic clock.
quint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return quint64(now.tv_sec) * 1000000000ull + quint64(now.tv_nsec);
}

} // namespace

class TestMainWindowPolling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstPollAfter100msThenEvery500ms();
    void versionWarningOncePerWindow();
    void windowDestroyedWhileVersionWarningIsOpen();
    void temperaturesShownWithTwoDecimals();
    void failingStateQueryShowsError();
    void awaitingEventFollowsTheModule();
    void unchangedStateBuildsNoIcon();
    void stateIconCodes_data();
    void stateIconCodes();
};

void TestMainWindowPolling::initTestCase()
{
    Q_INIT_RESOURCE(images);
}

void TestMainWindowPolling::cleanup()
{
    dwavbench_clear_faults();
}

void TestMainWindowPolling::firstPollAfter100msThenEvery500ms()
{
    auto module = openModule();
    QVERIFY(module);
    const quint64 before = monotonicNs();
    MainWindow window(module.get());
    // The service and calibration panels ask the module when they are built;
    // the polling starts after that.
    dwavbench_journal_clear();
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") >= 4, 10000);

    const QVector<Call> states = callsOf(QStringLiteral("tvkdwav_state"));
    const QVector<Call> temperatures = callsOf(QStringLiteral("tvkdwav_get_temperature"));
    QVERIFY(temperatures.size() >= states.size() - 1);
    // Poll k (from 0) is due 100 + 500 k ms after the timer started; a late
    // poll does not move the later ones, and Qt's coarse timers may fire up
    // to 5 % early, so each must come no sooner than 95 % of that.
    for (int k = 0; k < states.size(); ++k) {
        const quint64 due = quint64(100 + 500 * k) * 950000ull;
        const quint64 after = states.at(k).timeNs - before;
        QVERIFY2(after >= due, qPrintable(QStringLiteral("poll %1 after %2 ms").arg(k).arg(after / 1000000)));
    }
    QCOMPARE(window.findChild<QTimer *>()->interval(), 500);

    // Each tick: version (first tick only), temperatures, then the state.
    const QVector<Call> calls = journal();
    QStringList firstTick;
    for (const Call &call : calls) {
        firstTick << call.function;
        if (call.function == QLatin1String("tvkdwav_state"))
            break;
    }
    QCOMPARE(firstTick, QStringList({QStringLiteral("tvkdwav_cmpVersions"),
                                     QStringLiteral("tvkdwav_get_temperature"),
                                     QStringLiteral("tvkdwav_state")}));
    QCOMPARE(countOf("tvkdwav_cmpVersions"), 1);
}

void TestMainWindowPolling::versionWarningOncePerWindow()
{
    QString resource;
    int position = 0;
    auto module = openModule(&resource, &position);
    QVERIFY(module);
    QVERIFY(Bench::setModuleOption(resource.toLatin1().constData(), position, "versions_differ", "yes"));
    ModalAnswerer closer;
    {
        MainWindow window(module.get());
        dwavbench_journal_clear();
        QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") >= 4, 10000);
        QCOMPARE(closer.titles(), QStringList{QStringLiteral("Instrument version check")});
        QCOMPARE(closer.texts().size(), 1);
        QVERIFY(!closer.texts().at(0).isEmpty());
        QCOMPARE(closer.texts().at(0), module->lastErrorMessage());
        QCOMPARE(countOf("tvkdwav_cmpVersions"), 1);
    }
    // A new window checks once more.
    dwavbench_journal_clear();
    module->initialize();
    MainWindow second(module.get());
    QTRY_COMPARE_WITH_TIMEOUT(closer.titles().size(), 2, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") >= 3, 10000);
    QCOMPARE(closer.titles().size(), 2);
}

void TestMainWindowPolling::windowDestroyedWhileVersionWarningIsOpen()
{
    QString resource;
    int position = 0;
    auto module = openModule(&resource, &position);
    QVERIFY(module);
    QVERIFY(Bench::setModuleOption(resource.toLatin1().constData(), position, "versions_differ", "yes"));
    QPointer<MainWindow> window = new MainWindow(module.get());
    // As a host closing the panel while the warning waits for the operator.
    QTimer killer;
    killer.setInterval(20);
    connect(&killer, &QTimer::timeout, [&window] {
        if (window && QApplication::activeModalWidget())
            delete window.data();
    });
    killer.start();
    QTRY_VERIFY_WITH_TIMEOUT(!window, 10000);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(countOf("tvkdwav_close"), 1);
    // The tick that showed the box went no further.
    QCOMPARE(countOf("tvkdwav_get_temperature"), 0);
}

void TestMainWindowPolling::temperaturesShownWithTwoDecimals()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QCOMPARE(labelText(&window, "tcontValueLabel"), QStringLiteral(" \u00B0C"));
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_get_temperature") >= 1, 10000);
    // The readings drift, so a reading taken any time after a poll may round
    // otherwise: one poll is bracketed by two readings, and shows one of them.
    double before[2] = {};
    double after[2] = {};
    QCOMPARE(module->getTemperature(&before[0], &before[1]), 0);
    QVERIFY(QMetaObject::invokeMethod(&window, "onTimeoutEvent"));
    QCOMPARE(module->getTemperature(&after[0], &after[1]), 0);
    const char *const values[] = {"tcontValueLabel", "tcardValueLabel"};
    for (int i = 0; i < 2; ++i) {
        const QString shown = labelText(&window, values[i]);
        QVERIFY2(shown == QString::number(before[i], 'f', 2) + QStringLiteral(" \u00B0C")
                     || shown == QString::number(after[i], 'f', 2) + QStringLiteral(" \u00B0C"),
                 qPrintable(shown));
    }
    QVERIFY(after[0] != 0 || after[1] != 0);
    QCOMPARE(labelText(&window, "tcontCaptionLabel"), QStringLiteral("Tcont"));
    QCOMPARE(labelText(&window, "tcardCaptionLabel"), QStringLiteral("Tcard"));

    // A failing query leaves nothing from an earlier poll: both read 0.00.
    QVERIFY(Bench::addFault("tvkdwav_get_temperature", 0, int(0xBFFF0011u)));
    const int polled = countOf("tvkdwav_state");
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") > polled, 10000);
    QCOMPARE(labelText(&window, "tcontValueLabel"), QStringLiteral("0.00 \u00B0C"));
    QCOMPARE(labelText(&window, "tcardValueLabel"), QStringLiteral("0.00 \u00B0C"));
}

void TestMainWindowPolling::failingStateQueryShowsError()
{
    auto module = openModule();
    QVERIFY(module);
    QVERIFY(Bench::addFault("tvkdwav_state", 0, int(0xBFFF0011u)));
    MainWindow window(module.get());
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") >= 2, 10000);
    QCOMPARE(indicatorText(&window), QStringLiteral("Error"));
    QVERIFY(!module->lastErrorMessage().isEmpty());
    QCOMPARE(messageText(&window),
             QStringLiteral("Instrument error: '%1'").arg(module->lastErrorMessage()));

    // Back to normal once the query works again.
    dwavbench_clear_faults();
    const int seen = countOf("tvkdwav_state");
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") > seen, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(indicatorText(&window), QStringLiteral("No generation"), 10000);
}

void TestMainWindowPolling::awaitingEventFollowsTheModule()
{
    QString resource;
    int position = 0;
    auto module = openModule(&resource, &position);
    QVERIFY(module);
    MainWindow window(module.get());
    // Started by the start input: the module waits for the event.
    module->setCommonParameter(QStringLiteral("startSource"), 2u);
    dialogsTakeModuleValues(&window);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("configDWAVPushButton")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton")), Qt::LeftButton);
    QCOMPARE(indicatorText(&window), QStringLiteral("Awaits event"));

    // Every poll repeats the hint while the module waits.
    QFile log(QStringLiteral("DWAV_messages.log"));
    const int polled = countOf("tvkdwav_state");
    QTRY_VERIFY_WITH_TIMEOUT(countOf("tvkdwav_state") >= polled + 2, 10000);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().count("Push \"Program start\" button") >= 3);
    log.close();
    QCOMPARE(indicatorText(&window), QStringLiteral("Awaits event"));

    QVERIFY(dwavbench_external_event(resource.toLatin1().constData(), position) >= 1);
    QTRY_COMPARE_WITH_TIMEOUT(indicatorText(&window), QStringLiteral("Generating"), 10000);
    QCOMPARE(startButtonState(&window), 1);
    QVERIFY(module->isGenerating());
}

// Every new icon fills the pixmap cache when painted; a poll that finds the
// state unchanged keeps the icons it has.
void TestMainWindowPolling::unchangedStateBuildsNoIcon()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    auto *indicator = window.findChild<QPushButton *>(QStringLiteral("stateIndicatorPushButton"));
    auto *start = window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton"));
    auto poll = [&window] { QVERIFY(QMetaObject::invokeMethod(&window, "onTimeoutEvent")); };
    poll();
    QCOMPARE(indicatorText(&window), QStringLiteral("No generation"));
    const qint64 indicatorIcon = indicator->icon().cacheKey();
    const qint64 startIcon = start->icon().cacheKey();
    poll();
    poll();
    QCOMPARE(indicator->icon().cacheKey(), indicatorIcon);
    QCOMPARE(start->icon().cacheKey(), startIcon);

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("configDWAVPushButton")), Qt::LeftButton);
    QTest::mouseClick(start, Qt::LeftButton);
    poll();
    QCOMPARE(indicatorText(&window), QStringLiteral("Generating"));
    QVERIFY(indicator->icon().cacheKey() != indicatorIcon);
    QCOMPARE(startButtonState(&window), 1);
}

void TestMainWindowPolling::stateIconCodes_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<bool>("hasIcon");
    for (uint code = 0; code <= 12; ++code)
        QTest::newRow(qPrintable(QString::number(code))) << code << true;
    QTest::newRow("13") << 13u << false;
}

void TestMainWindowPolling::stateIconCodes()
{
    QFETCH(uint, code);
    QFETCH(bool, hasIcon);
    QVERIFY(Bench::reset());
    DWAVModule module;
    MainWindow window(&module);
    window.setStateIcon(code, QStringLiteral("text %1").arg(code));
    auto *indicator = window.findChild<QPushButton *>(QStringLiteral("stateIndicatorPushButton"));
    QCOMPARE(indicator->text(), QStringLiteral("text %1").arg(code));
    QCOMPARE(!indicator->icon().isNull(), hasIcon);
    if (hasIcon)
        QVERIFY(!indicator->icon().pixmap(32, 32).isNull());

    // Only code 9 writes the module's last error, and only a non-empty one.
    module.setLastError(QString(), 0);
    Logger::instance(module.mezNum())->status(QStringLiteral("before"));
    window.setStateIcon(code, QStringLiteral("again"));
    QCOMPARE(messageText(&window), QStringLiteral("before"));
    module.setLastError(QStringLiteral("bench text"), -1);
    Logger::instance(module.mezNum())->status(QStringLiteral("before"));
    window.setStateIcon(code, QStringLiteral("again"));
    QCOMPARE(messageText(&window),
             code == 9 ? QStringLiteral("Instrument error: 'bench text'") : QStringLiteral("before"));
}

DWAV_TEST_MAIN(TestMainWindowPolling)
#include "tst_mainwindowpolling.moc"
