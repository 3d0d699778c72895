#include "DialogTestSupport.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "ServiceDialog.h"
#include "TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace DialogTest;

namespace {

QStringList protocol(ServiceDialog *dialog)
{
    return entries(child<QPlainTextEdit>(dialog, "testResultsPlainTextEdit"));
}

void check(ServiceDialog *dialog, const QStringList &boxes)
{
    for (const QString &name : boxes)
        child<QCheckBox>(dialog, qPrintable(name))->setChecked(true);
}

void clickRun(ServiceDialog *dialog)
{
    child<QPushButton>(dialog, "runTestsPushButton")->click();
}

bool runEnded(ServiceDialog *dialog)
{
    return !dialog->isRunning() && protocol(dialog).contains(QStringLiteral("All tests finished."));
}

} // namespace

class TestServiceDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void init() { module = Bench::openModule(&resource, &position); QVERIFY(module); }
    void runReportsCheckedTests_data();
    void runReportsCheckedTests();
    void promptedTestsAnsweredInOrder();
    void secondRunWhileRunningIsIgnored();
    void stopDuringPromptEndsRun();
    void cyclesRunUntilEnded_data();
    void cyclesRunUntilEnded();
    void adcValueOnlyFromGoodReading_data();
    void adcValueOnlyFromGoodReading();
    void protocolSavedWithTxtEnding_data();
    void protocolSavedWithTxtEnding();
    void versionMismatchMarksInstrumentCell();
    void windowDestroyedWhileTaskIsHeld_data();
    void windowDestroyedWhileTaskIsHeld();

private:
    std::unique_ptr<DWAVModule> module;
    QString resource;
    int position = 0;
};

void TestServiceDialog::runReportsCheckedTests_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<qint32>("ramFault");
    QTest::addColumn<QStringList>("expected");  // entries, test messages left out
    QTest::addColumn<QString>("ramArguments");

    const QString started = QStringLiteral("Tests started...");
    const QString finished = QStringLiteral("All tests finished.");
    QTest::newRow("none") << QStringList() << 0 << QStringList{started, finished} << QString();
    QTest::newRow("module not initialised")
        << QStringList{QStringLiteral("RAMTestCheckBox")} << 0
        << QStringList{QStringLiteral("Tests cannot be started because DWAV was not initialized!")} << QString();
    QTest::newRow("RAM test") << QStringList{QStringLiteral("RAMTestCheckBox")} << 0
                              << QStringList{started, QStringLiteral("RAM Test has finished. Result code - 0"), finished}
                              << QStringLiteral("start=0x1F0, kiloSamples=3, mode=2, readOnly=1");
    QTest::newRow("result -1") << QStringList{QStringLiteral("RAMTestCheckBox")} << -1
                               << QStringList{started, QStringLiteral("RAM Test has finished. Result code - ffffffffffffffff"), finished}
                               << QStringLiteral("start=0x1F0, kiloSamples=3, mode=2, readOnly=1");
}

void TestServiceDialog::runReportsCheckedTests()
{
    QFETCH(QStringList, boxes);
    QFETCH(qint32, ramFault);
    QFETCH(QStringList, expected);
    QFETCH(QString, ramArguments);
    if (ramFault)
        QVERIFY(Bench::addFault("tvkdwav_test_RAM", 0, ramFault));
    ModalAnswerer answerer(QMessageBox::Ok);
    DWAVModule idle;
    const bool refused = expected.size() == 1;
    ServiceDialog dialog(refused ? &idle : module.get());
    check(&dialog, boxes);
    child<QSpinBox>(&dialog, "RAMTestInitialAddressSpinBox")->setValue(0x1F0);
    child<QSpinBox>(&dialog, "RAMTestNumSamplesSpinBox")->setValue(3);
    child<QComboBox>(&dialog, "RAMTestComboBox")->setCurrentIndex(2);
    child<QCheckBox>(&dialog, "RAMTestReadOnlyCheckBox")->setChecked(true);
    clickRun(&dialog);
    QTRY_VERIFY(refused || runEnded(&dialog));

    // Test messages follow on lines of their own, without a time stamp.
    QCOMPARE(protocol(&dialog).filter(QRegularExpression(QStringLiteral("^[^!]"))), expected);
    // Rows without RAM arguments expect no RAM test at all.
    const QString sent = Bench::lastArguments("tvkdwav_test_RAM");
    QCOMPARE(sent.isEmpty(), ramArguments.isEmpty());
    QVERIFY2(sent.contains(ramArguments), qPrintable(sent));
    QCOMPARE(Bench::countOf("tvkdwav_test_RAM"), ramArguments.isEmpty() ? 0 : 1);
    QVERIFY(answerer.messages().isEmpty());
}

void TestServiceDialog::promptedTestsAnsweredInOrder()
{
    ServiceDialog dialog(module.get());
    check(&dialog, {QStringLiteral("OkOff_1CheckBox"), QStringLiteral("testAFGChan1CheckBox")});
    clickRun(&dialog);

    QMessageBox *first = openBox(QStringLiteral("Test OK Off 1"));
    QVERIFY(first);
    QVERIFY(first->text().contains(QLatin1String(" - SF OUT with SF IN")));
    QCOMPARE(Bench::countOf("tvkdwav_test_OK_Off1"), 0);  // held until Ok
    first->button(QMessageBox::Ok)->click();

    QMessageBox *second = openBox(QStringLiteral("AFG Test channel 1"));
    QVERIFY(second);
    QVERIFY(second->text().startsWith(QLatin1String("Connect \"CH1\" output of DWAV")));
    QVERIFY(protocol(&dialog).contains(QStringLiteral("Test OK Off 1 has finished. Result code - 0")));
    QCOMPARE(Bench::countOf("tvkdwav_test_AFG"), 0);
    second->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(runEnded(&dialog));
    QCOMPARE(Bench::lastArguments("tvkdwav_test_AFG").contains(QLatin1String("chan=0")), true);
}

void TestServiceDialog::secondRunWhileRunningIsIgnored()
{
    ServiceDialog dialog(module.get());
    // The first run must still be under way when the second click comes.
    Bench::Hold selfTest("tvkdwav_self_test");
    check(&dialog, {QStringLiteral("selfTestCheckBox")});
    clickRun(&dialog);
    QVERIFY(dialog.isRunning());
    clickRun(&dialog);
    selfTest.release();
    QTRY_VERIFY(runEnded(&dialog));
    QCOMPARE(Bench::countOf("tvkdwav_self_test"), 1);
    QCOMPARE(protocol(&dialog).count(QStringLiteral("Tests started...")), 1);
}

void TestServiceDialog::stopDuringPromptEndsRun()
{
    ServiceDialog dialog(module.get());
    check(&dialog, {QStringLiteral("selfTestCheckBox"), QStringLiteral("OkOff_1CheckBox"),
                    QStringLiteral("RAMTestCheckBox")});
    clickRun(&dialog);
    QPointer<QMessageBox> box = openBox(QStringLiteral("Test OK Off 1"));
    QVERIFY(box);
    dialog.requestStop();
    QTRY_VERIFY(runEnded(&dialog));
    QTRY_VERIFY(!box);
    const QStringList shown = protocol(&dialog);
    QCOMPARE(shown.filter(QStringLiteral("has finished")).size(), 1);  // the self test alone
    QVERIFY(shown.filter(QStringLiteral("has finished")).at(0).startsWith(QLatin1String("Selftest")));
    QCOMPARE(Bench::countOf("tvkdwav_test_OK_Off1") + Bench::countOf("tvkdwav_test_RAM"), 0);
}

void TestServiceDialog::cyclesRunUntilEnded_data()
{
    QTest::addColumn<bool>("closePanel");
    QTest::newRow("buttons released") << false;
    QTest::newRow("panel closed") << true;
}

// Both cycles held down at once; a test run of the cycle is under way when
// they end.
void TestServiceDialog::cyclesRunUntilEnded()
{
    QFETCH(bool, closePanel);
    ServiceDialog dialog(module.get());
    dialog.show();
    auto *runTests = child<QPushButton>(&dialog, "runTestsPushButton");
    auto *poll = child<QPushButton>(&dialog, "pollPushButton");
    check(&dialog, {QStringLiteral("selfTestCheckBox"), QStringLiteral("RAMTestCheckBox")});
    child<QCheckBox>(&dialog, "cycleTestsCheckBox")->setChecked(true);
    child<QCheckBox>(&dialog, "cyclePollingCheckBox")->setChecked(true);
    poll->click();  // held down: a reading at once, then one per second
    clickRun(&dialog);  // held down: a run at once, then one per tick
    QTRY_VERIFY(runEnded(&dialog));
    const QList<QTimer *> timers = dialog.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timers.size(), 2);
    QTimer *testTimer = timers.at(0)->interval() > timers.at(1)->interval() ? timers.at(0) : timers.at(1);
    QVERIFY(timers.at(0)->isActive() && timers.at(1)->isActive());
    {
        Bench::Hold selfTest("tvkdwav_self_test");
        QVERIFY(QMetaObject::invokeMethod(testTimer, "timeout"));
        QTRY_COMPARE(Bench::callsInFlight("tvkdwav_self_test"), 1);
        if (closePanel) {
            dialog.close();
        } else {
            poll->click();
            clickRun(&dialog);  // released: nothing starts
        }
        QVERIFY(!runTests->isChecked() && !poll->isChecked());
        QVERIFY(!timers.at(0)->isActive() && !timers.at(1)->isActive());
    }
    // The run in progress ends after its current test.
    QTRY_VERIFY(!dialog.isRunning());
    QCOMPARE(Bench::countOf("tvkdwav_self_test"), 2);
    QCOMPARE(Bench::countOf("tvkdwav_test_RAM"), 1);
    QCOMPARE(protocol(&dialog).count(QStringLiteral("Tests started...")), 2);
}

void TestServiceDialog::adcValueOnlyFromGoodReading_data()
{
    QTest::addColumn<bool>("initialised");
    QTest::addColumn<qint32>("fault");
    QTest::addColumn<bool>("shown");
    QTest::newRow("good reading") << true << 0 << true;
    QTest::newRow("driver fails") << true << qint32(0xBFFF0015) << false;
    QTest::newRow("module refuses") << false << 0 << false;
}

void TestServiceDialog::adcValueOnlyFromGoodReading()
{
    QFETCH(bool, initialised);
    QFETCH(qint32, fault);
    QFETCH(bool, shown);
    DWAVModule idle;
    ServiceDialog dialog(initialised ? module.get() : &idle);
    auto *value = child<QLineEdit>(&dialog, "ADCVoltageLineEdit");
    value->setText(QStringLiteral("stale"));
    if (fault)
        QVERIFY(Bench::addFault("tvkdwav_ask_adc", 0, fault));
    child<QRadioButton>(&dialog, "ADCControlRadioButton")->setChecked(true);
    child<QPushButton>(&dialog, "pollPushButton")->click();
    QCOMPARE(!value->text().isEmpty(), shown);
    if (shown) {
        bool isNumber = false;
        value->text().toDouble(&isNumber);
        QVERIFY(isNumber);
        QVERIFY(Bench::lastArguments("tvkdwav_ask_adc").contains(QLatin1String("input=2")));
    }
}

void TestServiceDialog::protocolSavedWithTxtEnding_data()
{
    UiTest::endingRows(".txt");
    // Refused saves: an older protocol stays as it was.
    QTest::newRow("full disk") << QStringLiteral("old.txt") << QString();
    QTest::newRow("named pipe") << QStringLiteral("pipe.txt") << QString();
}

void TestServiceDialog::protocolSavedWithTxtEnding()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir folder;
    const QString target = folder.filePath(chosen);
    const bool pipe = chosen.startsWith(QLatin1String("pipe"));
    const bool diskFull = written.isEmpty() && !pipe;
    if (diskFull)
        QVERIFY(UiTest::writeFile(target, "old protocol"));
    if (pipe)
        QVERIFY(UiTest::makeFifo(target));
    ServiceDialog dialog(module.get());
    LogCapture log(position);
    auto *view = child<QPlainTextEdit>(&dialog, "testResultsPlainTextEdit");
    view->setPlainText(QStringLiteral("Тест ОЗУ: ошибок нет\nline 2"));
    child<QPushButton>(&dialog, "saveTestProtocolPushButton")->click();
    {
        std::unique_ptr<UiTest::FileSizeLimit> full;
        if (diskFull)
            full.reset(new UiTest::FileSizeLimit(0));
        QVERIFY(UiTest::chooseFile(&dialog, target));
    }
    if (!written.isEmpty()) {
        QCOMPARE(UiTest::readFile(folder.filePath(written)), view->toPlainText().toLocal8Bit());
        return;
    }
    QCOMPARE(log.of(LoggerCritical), QStringList{QStringLiteral("Saving tests protocol failed: Couldn't %1 file %2")
                                                     .arg(pipe ? QStringLiteral("open") : QStringLiteral("write"), target)});
    if (diskFull)
        QCOMPARE(UiTest::readFile(target), QByteArray("old protocol"));
}

void TestServiceDialog::versionMismatchMarksInstrumentCell()
{
    QVERIFY(Bench::setModuleOption(resource.toLatin1().constData(), position, "versions_differ", "yes"));
    ServiceDialog dialog(module.get());
    QTableWidgetItem *instrument = child<QTableWidget>(&dialog, "serviceVersionsTableWidget")->item(0, 0);
    QVERIFY(instrument && !instrument->text().isEmpty());
    QCOMPARE(instrument->foreground().color(), QColor(Qt::red));
    QCOMPARE(instrument->toolTip(), module->lastErrorMessage());
    QCOMPARE(child<QTableWidget>(&dialog, "serviceVersionsTableWidget")->item(0, 2)->text(),
             QStringLiteral("1.0.1"));
}

void TestServiceDialog::windowDestroyedWhileTaskIsHeld_data()
{
    QTest::addColumn<bool>("answerPrompt");
    QTest::newRow("at a prompt") << false;
    QTest::newRow("in a driver call") << true;  // the slow RAM test after the prompt
}

void TestServiceDialog::windowDestroyedWhileTaskIsHeld()
{
    QFETCH(bool, answerPrompt);
    QVERIFY(Bench::setLatency("tvkdwav_test_RAM", 500000));
    auto *window = new MainWindow(module.get());
    auto *dialog = window->findChild<ServiceDialog *>();
    QVERIFY(dialog);
    check(dialog, {QStringLiteral("OkOff_1CheckBox"), QStringLiteral("RAMTestCheckBox")});
    clickRun(dialog);
    QMessageBox *prompt = openBox(QStringLiteral("Test OK Off 1"));
    QVERIFY(prompt);
    if (answerPrompt) {
        prompt->button(QMessageBox::Ok)->click();
        QTRY_COMPARE(Bench::callsInFlight("tvkdwav_test_RAM"), 1);
    }
    delete window;

    const QStringList calls = functionsCalled();
    QCOMPARE(calls.last(), QStringLiteral("tvkdwav_close"));
    const int reset = calls.indexOf(QStringLiteral("tvkdwav_reset"));
    QVERIFY(reset >= 0);
    QCOMPARE(calls.mid(reset).filter(QStringLiteral("tvkdwav_test_")), QStringList());
    QCOMPARE(calls.count(QStringLiteral("tvkdwav_test_OK_Off1")), answerPrompt ? 1 : 0);
    QCOMPARE(calls.count(QStringLiteral("tvkdwav_test_RAM")), answerPrompt ? 1 : 0);
}

DWAV_TEST_MAIN(TestServiceDialog)
#include "tst_servicedialog.moc"
