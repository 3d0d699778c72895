#include "BenchSupport.h"
#include "TestMain.h"

#include "ModalAnswerer.h"

#include "InstrumentSelectionDialog.h"
#include "Logger.h"
#include "MainApp.h"
#include "MainWindow.h"

#include "dwav_bench.h"
#include "dwav_visa.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTranslator>
#include <QTableWidget>

#include <stdexcept>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define DWAV_LEAKS_EXPECTED() __lsan::ScopedDisabler leaksExpected
#else
#define DWAV_LEAKS_EXPECTED() (void)0
#endif

namespace {

// Arguments as a process would receive them; they must outlive the run.
struct Arguments
{
    explicit Arguments(const QByteArray &program) : program(program)
    {
        argv[0] = this->program.data();
        argv[1] = nullptr;
    }
    QByteArray program;
    char *argv[2];
    int argc = 1;
};

// Closes the panel window once it is shown, remembering its title, so the
// run's event loop ends as when the user closes the panel. With
// `toEnglish`, the panel is first switched to English, and that title is
// remembered too.
class PanelCloser : public QObject
{
public:
    explicit PanelCloser(bool toEnglish = false)
    {
        connect(&m_timer, &QTimer::timeout, this, [this, toEnglish] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *window = qobject_cast<MainWindow *>(w);
                if (window && window->isVisible() && !QApplication::activeModalWidget()) {
                    titles << window->windowTitle();
                    if (toEnglish) {
                        window->findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
                        titles << window->windowTitle();
                    }
                    window->close();
                }
            }
        });
        m_timer.start(5);
    }
    QStringList titles;

private:
    QTimer m_timer;
};

// Chooses in the selection dialog once it runs modally.
ModalAnswerer::Handler choose(const std::function<void(InstrumentSelectionDialog *)> &action)
{
    return [action](QWidget *modal) {
        if (auto *dialog = qobject_cast<InstrumentSelectionDialog *>(modal))
            action(dialog);
    };
}

void doubleClickRow(InstrumentSelectionDialog *dialog, int row)
{
    auto *table = dialog->findChild<QTableWidget *>("instrumentTableWidget");
    const QPoint at = table->visualRect(table->model()->index(row, 0)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void clickButton(InstrumentSelectionDialog *dialog, const char *name)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton);
}

int panelWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<MainWindow *>(w) ? 1 : 0;
    return n;
}

QString journalText()
{
    QString text;
    char line[600];
    for (size_t i = 0; i < dwavbench_journal_count(); ++i) {
        if (dwavbench_journal_line(i, line, sizeof line) >= 0)
            text += QString::fromLatin1(line) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

class TestStandaloneRun : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void cancelEndsWithMinusOne();
    void emptyBenchRunsInDemoMode();
    void acceptingWithoutRowRunsInDemoMode();
    void chosenModuleIsOpened();
    void carrierIsOpenedUnderTheBytesFound();
    void startsInRussianThroughout();
    void failingCarrierLeavesThePanelInDemoMode();
    void foreignCodeAtChosenPositionLeavesDemoMode();
    void exceptionFromThePanelIsReported();
    // Last: the dialog an exception leaves behind stays until the end.
    void exceptionFromTheSelectionIsReported();
};

void TestStandaloneRun::init()
{
    QVERIFY(Bench::reset());
    dwavbench_load_default();
    dwavbench_journal_clear();
}

void TestStandaloneRun::cancelEndsWithMinusOne()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        clickButton(d, "cancelPushButton");
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), -1);
    QCOMPARE(closer.titles, QStringList());
    QCOMPARE(panelWindows(), 0);
    // No module was made, so no carrier or module driver was opened.
    QCOMPARE(dwavbench_journal_count_of("tvkbase_init"), size_t(2));
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
    QCOMPARE(MainApp::instance()->applicationPath(), QString("/opt/dwav/p_dwav"));
}

void TestStandaloneRun::emptyBenchRunsInDemoMode()
{
    char error[256] = {};
    QVERIFY2(dwavbench_load_text("[bench]\n", error, sizeof error) == 0, error);
    Arguments args("p_dwav");
    ModalAnswerer answerer(QMessageBox::Ok, choose([](InstrumentSelectionDialog *d) {
        clickButton(d, "okPushButton");
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(answerer.messages(),
             (QStringList{"Search connected devices|Connected devices not found.",
                          "No device found|No device was found. The panel will be opened in DEMO mode."}));
    QCOMPARE(closer.titles, QStringList{"DWAV Panel - DEMO mode"});
    QCOMPARE(dwavbench_journal_count_of("tvkbase_init"), size_t(0));
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
    // The window was a local of the run: it is gone with it.
    QCOMPARE(panelWindows(), 0);
}

void TestStandaloneRun::acceptingWithoutRowRunsInDemoMode()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::Yes, choose([](InstrumentSelectionDialog *d) {
        clickButton(d, "okPushButton");
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(answerer.messages().size(), 1);
    QVERIFY(answerer.messages().first().startsWith("No device selected|"));
    QCOMPARE(closer.titles, QStringList{"DWAV Panel - DEMO mode"});
    // The search opened the carrier; nothing opened it for the panel.
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_connect"), size_t(0));
}

void TestStandaloneRun::chosenModuleIsOpened()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        doubleClickRow(d, 1);
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(closer.titles, QStringList{"DWAV Panel - VXI0::3::INSTR at position 7"});

    const QString journal = journalText();
    QVERIFY2(journal.contains(QRegularExpression(
                 "tvkdwav_connect\\([^\\n]*position=7[^\\n]*\\) -> 0 ")),
             qPrintable(journal));
    // The window took the module's session down when it closed.
    QVERIFY(dwavbench_journal_count_of("tvkdwav_close") >= 1);
}

// A name in Windows-1251 is listed and shown readably and reaches every
// driver call as the bytes the search found.
void TestStandaloneRun::carrierIsOpenedUnderTheBytesFound()
{
    QVERIFY(Bench::load("[resource TCPIP0::\xCA\xD0::inst0::INSTR]\n"
                        "interface = tcpip\n"
                        "idn = KALVINT,TVKBASE,1,1\n"
                        "carrier = yes\n"
                        "[module TCPIP0::\xCA\xD0::inst0::INSTR 4]\n"
                        "type = 66\n"));
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        doubleClickRow(d, 0);
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(closer.titles,
             QStringList{QStringLiteral("DWAV Panel - TCPIP0::\u041a\u0420::inst0::INSTR at position 4")});
    const QString bytes = QString::fromLatin1("\"TCPIP0::\xCA\xD0::inst0::INSTR\"");
    // The search's opening, then the panel's; and the module driver's.
    QCOMPARE(Bench::callsMentioning("tvkbase_init", bytes), 2);
    QCOMPARE(Bench::callsMentioning("tvkdwav_init", bytes), 1);
}

// The start-up translations serve the selection and the search; the
// panel's own pair, switched to English, sits above them.
void TestStandaloneRun::startsInRussianThroughout()
{
    for (const char *file : {"dwav_ru.qm", "dwav_en.qm", "qtbase_ru.qm", "qtbase_en.qm"})
        QVERIFY(QFile::copy(QStringLiteral(DWAV_QM_DIR "/") + QLatin1String(file), QLatin1String(file)));
    QTranslator russian;
    QVERIFY(russian.load(QStringLiteral("dwav_ru.qm")));
    const auto ru = [&russian](const char *context, const char *text) {
        return russian.translate(context, text);
    };
    QVERIFY(Bench::load("[bench]\n"));
    Arguments args("p_dwav");
    QString shown;
    ModalAnswerer answerer(QMessageBox::Ok, choose([&shown](InstrumentSelectionDialog *d) {
        shown = d->windowTitle();
        clickButton(d, "okPushButton");
    }));
    PanelCloser closer(true);
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    const char *const dialog = "InstrumentSelectionDialog";
    QCOMPARE(shown, ru(dialog, "Instrument selection dialog"));
    QCOMPARE(answerer.messages().value(0),
             ru(dialog, "Search connected devices") + '|' + ru(dialog, "Connected devices not found."));
    QCOMPARE(closer.titles, (QStringList{ru("MainWindow", "DWAV Panel - DEMO mode"),
                                         QStringLiteral("DWAV Panel - DEMO mode")}));
    // The start-up translators go with the application object.
    MainApp::destroyInstance();
    QCOMPARE(QCoreApplication::translate(dialog, "Instrument selection dialog"),
             QStringLiteral("Instrument selection dialog"));
    for (const char *file : {"dwav_ru.qm", "dwav_en.qm", "qtbase_ru.qm", "qtbase_en.qm"})
        QFile::remove(QLatin1String(file));
}

void TestStandaloneRun::failingCarrierLeavesThePanelInDemoMode()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        // The search has opened the carrier already; the next opening is the
        // panel's own.
        Bench::addFault("tvkbase_init", 1, VI_ERROR_RSRC_NFOUND);
        doubleClickRow(d, 0);
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(closer.titles, QStringList{"DWAV Panel - DEMO mode"});
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_connect"), size_t(0));
    dwavbench_clear_faults();
}

void TestStandaloneRun::foreignCodeAtChosenPositionLeavesDemoMode()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        // The module is swapped for another kind between search and choice.
        Bench::setModuleOption("VXI0::3::INSTR", 2, "type", "65");
        doubleClickRow(d, 0);
    }));
    PanelCloser closer;
    QCOMPARE(MainApp::instance()->exec(args.argc, args.argv), 0);
    QCOMPARE(closer.titles, QStringList{"DWAV Panel - DEMO mode"});
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
}

namespace {

QString logText()
{
    QFile log(Logger::logFileName());
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(log.readAll());
}

} // namespace

void TestStandaloneRun::exceptionFromThePanelIsReported()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *d) {
        doubleClickRow(d, 0);
    }));
    QTimer thrower;
    connect(&thrower, &QTimer::timeout, this, [] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<MainWindow *>(w) && w->isVisible())
                throw std::runtime_error("panel on fire");
        }
    });
    thrower.start(5);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("exception"));
    QCOMPARE(MainApp::instance()->execGuarded(args.argc, args.argv), -1);
    thrower.stop();

    QVERIFY2(logText().contains("(EE) An exception occured during application execution: panel on fire"),
             qPrintable(logText()));
    // The window went with the run, and took the module's session down.
    QCOMPARE(panelWindows(), 0);
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_close"), size_t(1));
}

void TestStandaloneRun::exceptionFromTheSelectionIsReported()
{
    Arguments args("/opt/dwav/p_dwav");
    ModalAnswerer answerer(QMessageBox::NoButton, choose([](InstrumentSelectionDialog *) {
        throw std::runtime_error("bench on fire");
    }));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("exception"));
    int result = 0;
    {
        // Qt's widgets library has no exception support: the dialog's own
        // event loop object is never destroyed when an exception crosses
        // it. That is Qt's leak, not ours.
        DWAV_LEAKS_EXPECTED();
        result = MainApp::instance()->execGuarded(args.argc, args.argv);
    }
    QCOMPARE(result, -1);
    QVERIFY2(logText().contains("(EE) An exception occured during application execution: bench on fire"),
             qPrintable(logText()));
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
}

DWAV_TEST_MAIN(TestStandaloneRun)
#include "tst_standalonerun.moc"
