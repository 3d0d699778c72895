#include "DWAVModule.h"
#include "DWAVPanelData.h"
#include "Logger.h"
#include "MainApp.h"
#include "MainWindow.h"
#include "BenchSupport.h"
#include "LogCapture.h"
#include "TestMain.h"
#include "dwav_bench.h"
#include "dwav_visa.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>

#include <functional>

// The application object in the library's role: the QApplication already
// exists (the test's), panels are created per position on the simulated
// bench, and the host's flag follows what the panel does.
namespace {

const char *const carrierResource = "VXI0::7::INSTR";
const ushort dwavPosition = 2;
const ushort otherDwavPosition = 5;
const ushort foreignPosition = 3;
const ushort emptyPosition = 4;

const char *const benchText =
    "[resource VXI0::7::INSTR]\n"
    "interface = vxi\n"
    "manufacturer = 3702\n"
    "model = 341\n"
    "slot = 7\n"
    "carrier = yes\n"
    "[module VXI0::7::INSTR 2]\n"
    "type = 66\n"
    "[module VXI0::7::INSTR 3]\n"
    "type = 65\n"
    "[module VXI0::7::INSTR 5]\n"
    "type = 66\n"
    // A carrier whose name is Windows-1251 text.
    "[resource TCPIP0::\xCA\xD0::inst0::INSTR]\n"
    "interface = tcpip\n"
    "idn = KALVINT,TVKBASE,1,1\n"
    "carrier = yes\n"
    "[module TCPIP0::\xCA\xD0::inst0::INSTR 6]\n"
    "type = 66\n";

using Bench::Call;
using Bench::countOf;
using Bench::journal;

// The module driver's calls on one session, in order.
QStringList callsOnSession(ViSession session)
{
    const QString hex = QString::number(session, 16).toUpper();
    const QRegularExpression onSession(QStringLiteral("\\bvi=0x%1\\b").arg(hex));
    QStringList names;
    for (const Call &call : journal())
        if (call.function.startsWith(QLatin1String("tvkdwav_")) && onSession.match(call.arguments).hasMatch())
            names << call.function;
    return names;
}

} // namespace

class TestMainApp : public QObject
{
    Q_OBJECT

private:
    ViSession m_carrier = 0;
    QString m_qmDir;
    // The host's flags must outlive the panels that write into them: the
    // panels of a test are only closed by cleanup().
    int flag = -7;
    int laterFlag = -7;
    int flagA = -7;
    int flagB = -7;
    int newFlag = -7;

    QStringList warningsWhile(const std::function<void()> &action)
    {
        LogCapture log(0);
        action();
        return log.of(LoggerWarning);
    }

    int openPanel(ushort position, int *flag)
    {
        return MainApp::instance()->initPanel(m_carrier, position, 1, 1, nullptr, flag);
    }

private slots:
    void initTestCase()
    {
        char error[256] = {};
        QVERIFY2(dwavbench_load_text(benchText, error, sizeof error) == 0, error);
        ViSession rm = 0;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        QCOMPARE(viOpen(rm, carrierResource, VI_NULL, 0, &m_carrier), ViStatus(VI_SUCCESS));
        m_qmDir = QStringLiteral(DWAV_QM_DIR);
        QVERIFY2(QFile::exists(m_qmDir + QStringLiteral("/dwav_ru.qm")), qPrintable(m_qmDir));
    }

    void init()
    {
        flag = laterFlag = flagA = flagB = newFlag = -7;
    }

    void cleanup()
    {
        // Every test leaves the table empty, and so the bench's sessions.
        MainApp *app = MainApp::instance();
        for (ushort position : app->panelPositions())
            app->closePanel(position);
        QVERIFY(app->panelPositions().isEmpty());
        QFile::remove(QStringLiteral("dwav_ru.qm"));
        QFile::remove(QStringLiteral("qtbase_ru.qm"));
    }

    // The start-up translations are read from the working directory and
    // tried again at every panel creation until both have loaded.
    void translationMissing()
    {
        const QStringList first = warningsWhile([&] { openPanel(emptyPosition, nullptr); });
        QCOMPARE(first, QStringList{QStringLiteral("Not managed to load translation file \"dwav_ru.qm\"")});
        const QStringList again = warningsWhile([&] { openPanel(emptyPosition, nullptr); });
        QCOMPARE(again, first);
    }

    // A file that loads but holds no translation cannot be installed.
    void emptyTranslationIsNotInstalled()
    {
        static const char qmMagicOnly[] = {'\x3c', '\xb8', '\x64', '\x18', '\xca', '\xef',
                                           '\x9c', '\x95', '\xcd', '\x21', '\x1c', '\xbf',
                                           '\x60', '\xa1', '\xbd', '\xdd'};
        QFile file(QStringLiteral("dwav_ru.qm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(qmMagicOnly, sizeof qmMagicOnly);
        file.close();
        const QStringList warnings = warningsWhile([&] { openPanel(emptyPosition, nullptr); });
        QCOMPARE(warnings, QStringList{QStringLiteral("Not managed to load translation \"dwav_ru.qm\"")});
    }

    void qtTranslationMissing()
    {
        QVERIFY(QFile::copy(m_qmDir + QStringLiteral("/dwav_ru.qm"), QStringLiteral("dwav_ru.qm")));
        const QStringList warnings = warningsWhile([&] { openPanel(emptyPosition, nullptr); });
        QCOMPARE(warnings, QStringList{QStringLiteral("Not managed to load translation file \"qtbase_ru.qm\"")});
    }

    void translationsLoadOnce()
    {
        QVERIFY(QFile::copy(m_qmDir + QStringLiteral("/dwav_ru.qm"), QStringLiteral("dwav_ru.qm")));
        // Any compiled translation serves as Qt's own for the test.
        QVERIFY(QFile::copy(m_qmDir + QStringLiteral("/dwav_ru.qm"), QStringLiteral("qtbase_ru.qm")));
        QCOMPARE(warningsWhile([&] { openPanel(emptyPosition, nullptr); }), QStringList());
        QFile::remove(QStringLiteral("dwav_ru.qm"));
        QFile::remove(QStringLiteral("qtbase_ru.qm"));
        // Loaded once: the files are no longer looked for.
        QCOMPARE(warningsWhile([&] { openPanel(foreignPosition, nullptr); }), QStringList());
    }

    void createdPanelIsHiddenWithFlagSet()
    {
        dwavbench_journal_clear();
        QCOMPARE(openPanel(dwavPosition, &flag), 0);
        QCOMPARE(flag, 1);
        DWAVPanelData *record = MainApp::instance()->panel(dwavPosition);
        QVERIFY(record);
        QCOMPARE(record->initResult(), 0);
        QCOMPARE(record->visibleFlag(), &flag);
        QVERIFY(record->module());
        QVERIFY(record->window());
        QCOMPARE(record->module()->parent(), MainApp::instance());
        QCOMPARE(record->parent(), MainApp::instance());
        QVERIFY(!record->window()->parent());
        QVERIFY(record->window()->isHidden());
        QCOMPARE(record->module()->mezNum(), int(dwavPosition));
        QVERIFY(record->module()->isInitialized());
        QCOMPARE(record->module()->path(), QString::fromLatin1(carrierResource));
        // Module code checked, then the driver opened and connected.
        QStringList order;
        for (const Call &call : journal())
            if (call.function == QLatin1String("tvkbase_m_type_q") || call.function == QLatin1String("tvkdwav_init")
                || call.function == QLatin1String("tvkdwav_connect"))
                order << call.function;
        QCOMPARE(order, (QStringList{"tvkbase_m_type_q", "tvkdwav_init", "tvkdwav_connect"}));
    }

    void secondInitKeepsTheFirstPanel_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("expected");
        QTest::newRow("DWAV module") << int(dwavPosition) << 0;
        QTest::newRow("foreign module") << int(foreignPosition) << -1;
        QTest::newRow("no module") << int(emptyPosition) << -1;
    }

    void secondInitKeepsTheFirstPanel()
    {
        QFETCH(int, position);
        QFETCH(int, expected);
        QCOMPARE(openPanel(ushort(position), &flag), expected);
        DWAVPanelData *record = MainApp::instance()->panel(ushort(position));
        QVERIFY(record);
        QPointer<MainWindow> window = record->window();
        QPointer<DWAVModule> module = record->module();
        // Whatever happened to the module since, the stored result counts.
        module->configure();
        dwavbench_journal_clear();
        QCOMPARE(openPanel(ushort(position), &laterFlag), expected);
        QCOMPARE(MainApp::instance()->panel(ushort(position)), record);
        QCOMPARE(record->window(), window.data());
        QCOMPARE(record->module(), module.data());
        QCOMPARE(countOf("tvkbase_m_type_q"), 0);
        QCOMPARE(countOf("tvkdwav_init"), 0);
        QCOMPARE(laterFlag, -7);
        // The later flag is not kept: display writes only the first one.
        flag = 5;
        QCOMPARE(MainApp::instance()->displayPanel(ushort(position)), 0);
        QCOMPARE(flag, 1);
        QCOMPARE(laterFlag, -7);
        QCOMPARE(MainApp::instance()->findChildren<DWAVModule *>().size(), 1);
    }

    void demoPanelCanBeShown()
    {
        QCOMPARE(openPanel(foreignPosition, &flag), -1);
        DWAVPanelData *record = MainApp::instance()->panel(foreignPosition);
        QVERIFY(record);
        QVERIFY(!record->module()->isInitialized());
        QVERIFY(!record->module()->lastErrorMessage().isEmpty());
        QCOMPARE(MainApp::instance()->displayPanel(foreignPosition), 0);
        QCOMPARE(flag, 1);
        QVERIFY(record->window()->isVisible());
    }

    void formFontHasAStandIn()
    {
        MainApp::instance()->initApplication(0, nullptr);
        if (QFontDatabase().families().contains(QStringLiteral("Segoe UI"), Qt::CaseInsensitive))
            QSKIP("the forms' own font is installed");
        QVERIFY(QFont::substitutes(QStringLiteral("Segoe UI")).contains(QStringLiteral("Open Sans"), Qt::CaseInsensitive));
        if (!QFontDatabase().families().contains(QStringLiteral("Open Sans")))
            QSKIP("Open Sans is not installed (scripts/install-deps)");
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Segoe UI"), 9)).family(), QStringLiteral("Open Sans"));
    }

    void unreadableCarrierNameIsReportedAsSuch()
    {
        QVERIFY(Bench::addFault("viGetAttribute", 1, VI_ERROR_NSUP_ATTR));
        dwavbench_journal_clear();
        QCOMPARE(openPanel(dwavPosition, &flag), int(VI_ERROR_NSUP_ATTR));
        dwavbench_clear_faults();
        DWAVModule *module = MainApp::instance()->panel(dwavPosition)->module();
        QCOMPARE(module->lastErrorMessage(), Bench::driverText(VI_ERROR_NSUP_ATTR));
        QCOMPARE(module->lastStatus(), int(VI_ERROR_NSUP_ATTR));
        QVERIFY(!module->isInitialized());
        QCOMPARE(countOf("tvkdwav_init"), 0);
    }

    // The name the host's session reports is shown readably and reaches
    // the module driver as the same bytes.
    void carrierNameInWindows1251()
    {
        ViSession rm = 0, carrier = 0;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        QCOMPARE(viOpen(rm, "TCPIP0::\xCA\xD0::inst0::INSTR", VI_NULL, 0, &carrier), ViStatus(VI_SUCCESS));
        dwavbench_journal_clear();
        QCOMPARE(MainApp::instance()->initPanel(carrier, 6, 1, 1, nullptr, &flag), 0);
        const QString title = MainApp::instance()->panel(6)->window()->windowTitle();
        QVERIFY2(title.contains(QStringLiteral(" TCPIP0::\u041a\u0420::inst0::INSTR")), qPrintable(title));
        QCOMPARE(Bench::callsMentioning("tvkdwav_init", QString::fromLatin1("\"TCPIP0::\xCA\xD0::inst0::INSTR\"")), 1);
        MainApp::instance()->closePanel(6);
        viClose(rm);
    }

    void displayAfterTheUserClosedTheWindow()
    {
        QCOMPARE(openPanel(dwavPosition, &flag), 0);
        MainApp *app = MainApp::instance();
        QSignalSpy shown(app, &MainApp::showMezPanel);
        MainWindow *window = app->panel(dwavPosition)->window();

        QCOMPARE(app->displayPanel(dwavPosition), 0);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), int(dwavPosition));
        QVERIFY(window->isVisible());

        window->close();
        QCOMPARE(flag, 0);
        QVERIFY(!window->isVisible());
        QCOMPARE(app->panel(dwavPosition)->window(), window);

        QCOMPARE(app->displayPanel(dwavPosition), 0);
        QCOMPARE(flag, 1);
        QVERIFY(window->isVisible());
        QCOMPARE(app->panel(dwavPosition)->window(), window);
    }

    void hideLeavesTheFlag()
    {
        openPanel(dwavPosition, &flag);
        MainApp *app = MainApp::instance();
        QSignalSpy hidden(app, &MainApp::hideMezPanel);
        app->displayPanel(dwavPosition);
        QCOMPARE(app->hidePanel(dwavPosition), 0);
        QCOMPARE(hidden.size(), 1);
        QVERIFY(app->panel(dwavPosition)->window()->isHidden());
        QCOMPARE(flag, 1);
        // Hiding twice is harmless.
        QCOMPARE(app->hidePanel(dwavPosition), 0);
        QCOMPARE(flag, 1);
    }

    void unknownPositionChangesNothing()
    {
        openPanel(dwavPosition, &flag);
        MainApp *app = MainApp::instance();
        dwavbench_journal_clear();
        QCOMPARE(app->hidePanel(otherDwavPosition), 0);
        QCOMPARE(app->closePanel(otherDwavPosition), 0);
        QCOMPARE(app->displayPanel(otherDwavPosition), -1);
        QCOMPARE(app->displayPanel(0), -1);
        QCOMPARE(app->panelPositions(), QList<ushort>{dwavPosition});
        QCOMPARE(flag, 1);
        QVERIFY(app->panel(dwavPosition)->window()->isHidden());
        QCOMPARE(countOf("tvkdwav_close"), 0);
    }

    // Closing gives the driver session back and lets a new creation start
    // from nothing.
    void closeDestroysWindowAndModule()
    {
        QCOMPARE(openPanel(dwavPosition, &flag), 0);
        MainApp *app = MainApp::instance();
        QPointer<MainWindow> window = app->panel(dwavPosition)->window();
        QPointer<DWAVModule> module = app->panel(dwavPosition)->module();
        QPointer<DWAVPanelData> record = app->panel(dwavPosition);
        const ViSession session = module->moduleSession();
        QVERIFY(session != 0);
        app->displayPanel(dwavPosition);
        QSignalSpy closing(app, &MainApp::closeMezPanel);
        dwavbench_journal_clear();

        QCOMPARE(app->closePanel(dwavPosition), 0);
        QCOMPARE(closing.size(), 1);
        QCOMPARE(flag, 0);
        QVERIFY(!app->panel(dwavPosition));
        QVERIFY(window.isNull());
        QVERIFY(module.isNull());
        QVERIFY(record.isNull());
        QCOMPARE(callsOnSession(session),
                 (QStringList{"tvkdwav_reset", "tvkdwav_stop", "tvkdwav_close"}));
        // Deferred deletions find nothing left to delete.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A closed position has no panel for display; a new init builds one.
        QCOMPARE(app->displayPanel(dwavPosition), -1);
        QCOMPARE(openPanel(dwavPosition, &newFlag), 0);
        QCOMPARE(newFlag, 1);
        QCOMPARE(countOf("tvkdwav_init"), 1);
        QVERIFY(app->panel(dwavPosition)->module()->moduleSession() != 0);
    }

    void nullFlagIsNeverWritten()
    {
        MainApp *app = MainApp::instance();
        QCOMPARE(openPanel(dwavPosition, nullptr), 0);
        QCOMPARE(app->displayPanel(dwavPosition), 0);
        app->panel(dwavPosition)->window()->close();
        QCOMPARE(app->hidePanel(dwavPosition), 0);
        QCOMPARE(app->closePanel(dwavPosition), 0);
        QVERIFY(!app->panel(dwavPosition));
    }

    void twoPositionsAreIndependent()
    {
        MainApp *app = MainApp::instance();
        QCOMPARE(openPanel(dwavPosition, &flagA), 0);
        QCOMPARE(openPanel(otherDwavPosition, &flagB), 0);
        QVERIFY(app->panel(dwavPosition)->module() != app->panel(otherDwavPosition)->module());
        QVERIFY(app->panel(dwavPosition)->module()->moduleSession()
                != app->panel(otherDwavPosition)->module()->moduleSession());
        app->displayPanel(otherDwavPosition);
        QCOMPARE(app->closePanel(dwavPosition), 0);
        QCOMPARE(flagA, 0);
        QCOMPARE(flagB, 1);
        QVERIFY(app->panel(otherDwavPosition)->window()->isVisible());
    }

    // From another thread the requests are queued to the GUI thread.
    void requestsFromAnotherThreadAreQueued()
    {
        MainApp *app = MainApp::instance();
        QCOMPARE(openPanel(dwavPosition, &flag), 0);
        MainWindow *window = app->panel(dwavPosition)->window();
        QThread *thread = QThread::create([app] { app->displayPanel(dwavPosition); });
        thread->start();
        QVERIFY(thread->wait(10000));
        delete thread;
        QCOMPARE(flag, 1);
        QTRY_VERIFY(window->isVisible());
    }

    // What the library's unload does; a new application object follows.
    void teardownClosesEveryPanel()
    {
        MainApp *app = MainApp::instance();
        QCOMPARE(openPanel(dwavPosition, &flagA), 0);
        QCOMPARE(openPanel(otherDwavPosition, &flagB), 0);
        QCOMPARE(openPanel(foreignPosition, &flag), -1);
        app->displayPanel(dwavPosition);
        app->displayPanel(foreignPosition);
        QPointer<MainWindow> windowA = app->panel(dwavPosition)->window();
        QPointer<MainWindow> windowB = app->panel(otherDwavPosition)->window();
        QPointer<DWAVModule> moduleA = app->panel(dwavPosition)->module();
        const ViSession sessionA = moduleA->moduleSession();
        const ViSession sessionB = app->panel(otherDwavPosition)->module()->moduleSession();
        QPointer<MainApp> guard(app);
        dwavbench_journal_clear();

        MainApp::destroyInstance();
        QVERIFY(guard.isNull());
        QVERIFY(windowA.isNull());
        QVERIFY(windowB.isNull());
        QVERIFY(moduleA.isNull());
        // Closed first, so the host sees every panel gone.
        QCOMPARE(flagA, 0);
        QCOMPARE(flagB, 0);
        QCOMPARE(flag, 0);
        const QStringList shutDown{"tvkdwav_reset", "tvkdwav_stop", "tvkdwav_close"};
        QCOMPARE(callsOnSession(sessionA), shutDown);
        QCOMPARE(callsOnSession(sessionB), shutDown);
        // Nothing is left for the event loop to delete later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // As after a reload: a fresh object with no panel, that opens one.
        QVERIFY(MainApp::instance() && MainApp::instance()->panelPositions().isEmpty());
        QCOMPARE(openPanel(dwavPosition, &newFlag), 0);
        QCOMPARE(newFlag, 1);
    }
};

DWAV_TEST_MAIN(TestMainApp)
#include "tst_mainapp.moc"
