#include "AwgFiles.h"
#include "LogCapture.h"
#include "Logger.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

using namespace WindowTest;
using AwgFiles::patched;

namespace {

// The AWG page of a window on a module of the bench, with its two paths in
// a temporary folder and every message of the position captured.
struct Page
{
    QTemporaryDir dir;
    std::unique_ptr<DWAVModule> opened;
    DWAVModule demo;
    DWAVModule *module = nullptr;
    int position = 0;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<LogCapture> log;

    explicit Page(bool onBench = true)
    {
        if (onBench) {
            opened = openModule(nullptr, &position);
            module = opened.get();
        } else {
            Bench::reset();
            module = &demo;
        }
        window.reset(new MainWindow(module));
        press("showAWGPagePushButton");
        UiTest::child<QLineEdit>(window.get(), "AWGLoadingFilePathLineEdit")->setText(path("load.vwf"));
        UiTest::child<QLineEdit>(window.get(), "AWGSavingFilePathLineEdit")->setText(path("save.vwf"));
        dwavbench_journal_clear();
        log.reset(new LogCapture(position));
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    void put(const char *name, const QByteArray &bytes) const { QVERIFY(UiTest::writeFile(path(name), bytes)); }
    QByteArray content(const char *name) const { return UiTest::readFile(path(name)); }
    void press(const char *button) const { UiTest::child<QPushButton>(window.get(), button)->click(); }
    bool checked(const char *radio) const { return UiTest::child<QRadioButton>(window.get(), radio)->isChecked(); }
    Logger *logger() const { return Logger::instance(position); }
};

} // namespace

class TestMainWindowAWG : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); ParameterTypes::registerTypes(); }
    void loadSaveCompareRoundTrip_data();
    void loadSaveCompareRoundTrip();
    void failingPacketStopsTransfer_data();
    void failingPacketStopsTransfer();
    void loadChecksTheFileBeforeSending_data();
    void loadChecksTheFileBeforeSending();
    void refusedTransferSendsNoPacket_data();
    void refusedTransferSendsNoPacket();
    void compareReports_data();
    void compareReports();
    void pipesAndDevicesAreNotOpened_data();
    void pipesAndDevicesAreNotOpened();
};

void TestMainWindowAWG::loadSaveCompareRoundTrip_data()
{
    QTest::addColumn<int>("chan");
    QTest::addColumn<bool>("codes");
    for (int chan = 0; chan < 3; ++chan) {
        QTest::addRow("doubles, chan %d", chan) << chan << false;
        QTest::addRow("codes, chan %d", chan) << chan << true;
    }
}

void TestMainWindowAWG::loadSaveCompareRoundTrip()
{
    QFETCH(int, chan);
    QFETCH(bool, codes);
    Page page;
    QVERIFY(page.module);
    const QByteArray source = AwgFiles::bytes(quint8(chan), codes, 2);
    page.put("load.vwf", source);

    page.press("AWGLoadFromFilePushButton");
    QCOMPARE(page.log->of(LoggerInfo).last(), QStringLiteral("Load of AWG points was successfull"));
    const char *write = codes ? "tvkdwav_awg_writePacket_codes" : "tvkdwav_awg_writePacket";
    QCOMPARE(countOf(write), 2);
    // Loading, a channel the file does not hold still gets a buffer.
    QVERIFY(!Bench::lastArguments(write).contains(QLatin1String("=null")));
    QCOMPARE(Bench::callsMentioning(write, QStringLiteral("chan=%1, packet=1, reserved=1, count=8").arg(chan)), 1);

    page.press("AWGSaveToFilePushButton");
    QCOMPARE(page.log->of(LoggerInfo).last(), QStringLiteral("Saving AWG points successfull"));
    const char *read = codes ? "tvkdwav_awg_readPacket_codes" : "tvkdwav_awg_readPacket";
    // A channel the set does not hold gets no buffer.
    QCOMPARE(Bench::lastArguments(read).contains(QLatin1String("chan1=null")), chan == 1);
    QCOMPARE(Bench::lastArguments(read).contains(QLatin1String("chan2=null")), chan == 0);
    QCOMPARE(page.content("save.vwf"), source);

    page.press("AWGCompareFilesPushButton");
    QCOMPARE(page.log->of(LoggerInfo).last(), QStringLiteral("File comparison: Files MATCH!"));
}

void TestMainWindowAWG::failingPacketStopsTransfer_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("packet");
    QTest::addColumn<bool>("logging");
    QTest::newRow("load, first packet") << false << 0 << true;
    QTest::newRow("load, last packet") << false << 2 << true;
    QTest::newRow("load, logging off before") << false << 1 << false;
    QTest::newRow("save, first packet") << true << 0 << true;
    QTest::newRow("save, last packet") << true << 2 << true;
}

void TestMainWindowAWG::failingPacketStopsTransfer()
{
    QFETCH(bool, save);
    QFETCH(int, packet);
    QFETCH(bool, logging);
    Page page;
    QVERIFY(page.module);
    page.put("load.vwf", AwgFiles::bytes(2, false, 3));
    page.put("save.vwf", "old settings");
    if (save)
        page.press("AWGLoadFromFilePushButton");
    page.logger()->setFileLoggingEnabled(logging);
    const char *call = save ? "tvkdwav_awg_readPacket" : "tvkdwav_awg_writePacket";
    const int status = int(TVKDWAV_ERROR_AWG_CAPACITY);
    dwavbench_journal_clear();
    QVERIFY(Bench::addFault(call, ulong(packet + 1), status));

    page.press(save ? "AWGSaveToFilePushButton" : "AWGLoadFromFilePushButton");
    QCOMPARE(countOf(call), packet + 1);
    QCOMPARE(page.logger()->isFileLoggingEnabled(), logging);
    QVERIFY(page.log->of(LoggerInfo).contains(save ? QStringLiteral("Saving AWG points failed")
                                                   : QStringLiteral("Load of AWG points failed")));
    if (save)
        QCOMPARE(page.content("save.vwf"), QByteArray("old settings"));
    const QString returned = QStringLiteral("Returned status (%1) Message: %2")
                                 .arg(QStringLiteral("-4003f7ee"), Bench::driverText(status));
    QCOMPARE(page.log->of(LoggerCritical).last(), returned);
    // A save's status line ends on the save's own outcome.
    QCOMPARE(page.log->all().last(), save ? QStringLiteral("Saving AWG points failed") : returned);
}

void TestMainWindowAWG::loadChecksTheFileBeforeSending_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("packets");
    QTest::addColumn<bool>("autoConfig");
    const QByteArray good = AwgFiles::bytes(0, false);  // 16 + 8 x 8 = 80 bytes
    const QString format = QStringLiteral("Load of AWG data failed - file format is unacceptable: ");
    const QString shortFile = QStringLiteral("Loading AWG data failed: The file holds %1 bytes, but its header needs 80 bytes; nothing was loaded");
    QTest::newRow("empty") << QByteArray() << format + "The file holds 0 bytes, fewer than the 16 bytes of its header" << 0 << false;
    QTest::newRow("15 bytes") << good.left(15) << format + "The file holds 15 bytes, fewer than the 16 bytes of its header" << 0 << false;
    QTest::newRow("one value short") << good.left(72) << shortFile.arg(72) << 0 << false;
    QTest::newRow("ends inside a value") << good.left(77) << shortFile.arg(77) << 0 << false;
    QTest::newRow("one byte extra") << good + 'x' << "Warning: Not all points have been stored in the RAM" << 1 << false;
    QTest::newRow("other identification words") << patched(patched(good, 0, 1), 3, 7) << "Load of AWG points was successfull" << 1 << false;
    QTest::newRow("chan 3") << patched(good, 4, 3) << format + "Chan configuration error" << 0 << false;
    QTest::newRow("chan 255") << patched(good, 4, char(255)) << format + "Chan configuration error" << 0 << false;
    QTest::newRow("output mode 2") << patched(patched(good, 4, 1), 5, 2) << format + "Output mode configuration error" << 0 << false;
    QTest::newRow("start mode 2") << patched(good, 6, 2) << format + "Start mode configuration error" << 0 << false;
    QTest::newRow("data format 2") << patched(good, 7, 2) << format + "Data format configuration error" << 0 << false;
    QTest::newRow("no packets") << patched(good, 11, 0) << "Loading AWG data warning: PACK = 0 is too small! Setting to 1!" << 1 << false;
    // Every field changes with Auto config on: still one configuration.
    QTest::newRow("auto config") << patched(patched(AwgFiles::bytes(2, false), 5, 1), 6, 1)
                                 << "Load of AWG points was successfull" << 1 << true;
}

void TestMainWindowAWG::loadChecksTheFileBeforeSending()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(int, packets);
    QFETCH(bool, autoConfig);
    Page page;
    QVERIFY(page.module);
    page.window->findChild<QCheckBox *>(QStringLiteral("autoConfigCheckBox"))->setChecked(autoConfig);
    page.put("load.vwf", bytes);
    page.press("AWGLoadFromFilePushButton");
    QVERIFY2(page.log->all().contains(message), qPrintable(page.log->all().join('\n')));
    QCOMPARE(countOf("tvkdwav_awg_writePacket"), packets);
    QCOMPARE(countOf("tvkdwav_config_awg"), packets);
    QCOMPARE(page.module->awgParameter(QStringLiteral("dataFilePath")).toString(), page.path("load.vwf"));
    if (QByteArray(QTest::currentDataTag()) == "output mode 2")
        QVERIFY(page.checked("AWGChan2RadioButton"));
}

void TestMainWindowAWG::refusedTransferSendsNoPacket_data()
{
    QTest::addColumn<bool>("onBench");
    QTest::addColumn<bool>("save");
    QTest::addColumn<int>("chan");
    QTest::addColumn<QString>("critical");
    QTest::newRow("load, DEMO mode") << false << false << 2 << "Loading AWG data failed: DWAV is not initialized";
    QTest::newRow("save, DEMO mode") << false << true << 2 << "Saving AWG data to file failed: DWAV is not initialized";
    QTest::newRow("save, channel code 5") << true << true << 5 << "Saving AWG data to file failed: Chan configuration error";
}

void TestMainWindowAWG::refusedTransferSendsNoPacket()
{
    QFETCH(bool, onBench);
    QFETCH(bool, save);
    QFETCH(int, chan);
    QFETCH(QString, critical);
    Page page(onBench);
    page.put("load.vwf", AwgFiles::bytes(2, false));
    page.put("save.vwf", "old data");
    page.module->setAWGParameter(QStringLiteral("chan"), chan);
    page.press(save ? "AWGSaveToFilePushButton" : "AWGLoadFromFilePushButton");
    QCOMPARE(page.log->of(LoggerCritical).last(), critical);
    QCOMPARE(countOf("tvkdwav_awg_writePacket") + countOf("tvkdwav_awg_readPacket"), 0);
    QCOMPARE(page.content("save.vwf"), QByteArray("old data"));
    if (!save) {
        // The file's header still reaches the page.
        QVERIFY(page.checked("AWGBothChansRadioButton"));
        QVERIFY(page.log->of(LoggerInfo).contains(
            QStringLiteral("Load of AWG points failed: configuration finished with errors!")));
    }
}

void TestMainWindowAWG::compareReports_data()
{
    QTest::addColumn<QByteArray>("loading");
    QTest::addColumn<QByteArray>("saving");
    QTest::addColumn<QStringList>("messages");
    const QByteArray file = AwgFiles::bytes(0, false);
    const QString end = QStringLiteral("readFromDataStreamsAndCompare: Data stream has reached the end before the whole claimed data was read!");
    QTest::newRow("saving file longer") << file << file + 'x' << QStringList{"File comparison: <save> file size is bigger than expected"};
    QTest::newRow("loading file longer") << file + 'x' << file << QStringList{"File comparison: <load> file size is bigger than expected"};
    QTest::newRow("channel bytes differ") << file << patched(file, 4, 2)
                                          << QStringList{"readFromDataStreamsAndCompare: Data comparison failed: data1 (0) != data2 (2)",
                                                         "File comparison: Files are NOT match!"};
    QTest::newRow("saving file short") << file << file.left(40)
                                       << QStringList{end, "File comparison: Error: end of file reached before comparison ended"};
}

void TestMainWindowAWG::compareReports()
{
    QFETCH(QByteArray, loading);
    QFETCH(QByteArray, saving);
    QFETCH(QStringList, messages);
    Page page;
    QVERIFY(page.module);
    page.put("load.vwf", loading);
    page.put("save.vwf", saving);
    page.logger()->setFileLoggingEnabled(false);
    page.press("AWGCompareFilesPushButton");
    messages.replaceInStrings(QStringLiteral("<load>"), page.path("load.vwf"));
    messages.replaceInStrings(QStringLiteral("<save>"), page.path("save.vwf"));
    QCOMPARE(page.log->all(), messages);
    QVERIFY(!page.logger()->isFileLoggingEnabled());
    // A failed comparison's report reaches the log file although logging is off.
    QFile logFile(Logger::logFileName());
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    QCOMPARE(logFile.readAll().contains(messages.last().toLocal8Bit()), messages.size() == 2);
}

void TestMainWindowAWG::pipesAndDevicesAreNotOpened_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("path");  // "pipe": a named pipe made here
    QTest::addColumn<QString>("critical");
    const QString load = QStringLiteral("Loading AWG data failed: Cannot open file %1!");
    const QString compare = QStringLiteral("Comparison of AWG data files failed: Cannot open file %1!");
    const QString loading = QStringLiteral("AWGLoadingFilePathLineEdit");
    QTest::newRow("load, named pipe") << "AWGLoadFromFilePushButton" << loading << "pipe" << load;
    QTest::newRow("load, device") << "AWGLoadFromFilePushButton" << loading << "/dev/zero" << load;
    QTest::newRow("compare, loading pipe") << "AWGCompareFilesPushButton" << loading << "pipe" << compare;
    QTest::newRow("compare, saving pipe") << "AWGCompareFilesPushButton" << "AWGSavingFilePathLineEdit" << "pipe" << compare;
}

void TestMainWindowAWG::pipesAndDevicesAreNotOpened()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(QString, path);
    QFETCH(QString, critical);
    Page page;
    QVERIFY(page.module);
    page.put("load.vwf", AwgFiles::bytes(2, false));
    page.put("save.vwf", AwgFiles::bytes(2, false));
    if (path == QLatin1String("pipe")) {
        path = page.path("pipe");
        QVERIFY(UiTest::makeFifo(path));
    }
    UiTest::child<QLineEdit>(page.window.get(), qPrintable(edit))->setText(path);
    page.press(qPrintable(button));
    QCOMPARE(page.log->of(LoggerCritical), QStringList{critical.arg(path)});
    QCOMPARE(configurationCalls(), 0);
}

DWAV_TEST_MAIN(TestMainWindowAWG)
#include "tst_mainwindowawg.moc"
