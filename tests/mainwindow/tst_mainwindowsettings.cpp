#include "LogCapture.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "Unprivileged.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using namespace WindowTest;
using UiTest::child;
using UiTest::chooseFile;

namespace {

void trigger(MainWindow *window, const char *action)
{
    QVERIFY(QMetaObject::invokeMethod(window, action));
}

void setCycles(QWidget *window, int cycles)
{
    auto *spin = child<QSpinBox>(window, "AWGNumCyclesSpinBox");
    spin->setValue(cycles);
    emit spin->editingFinished();
}

// What a settings file is meant to bring back, as the window shows it.
QStringList shown(QWidget *window)
{
    return {QString::number(child<QStackedWidget>(window, "signalTypeStackedWidget")->currentIndex()),
            QString::number(child<QSpinBox>(window, "AWGNumCyclesSpinBox")->value()),
            QString::number(child<QRadioButton>(window, "AWGChan2RadioButton")->isChecked()),
            QString::number(child<QRadioButton>(window, "AWGDataFormatUInt16RadioButton")->isChecked()),
            QString::number(child<QCheckBox>(window, "autoConfigCheckBox")->isChecked()),
            QString::number(child<QCheckBox>(window, "queryConfigParametersCheckBox")->isChecked()),
            child<QLineEdit>(window, "AWGSavingFilePathLineEdit")->text()};
}

} // namespace

class TestMainWindowSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); ParameterTypes::registerTypes(); }
    void savedSettingsComeBackInAFreshWindow();
    void namedPointsFileReloadsItsTable_data();
    void namedPointsFileReloadsItsTable();
    void saveAsThenSaveWithoutDialog_data() { UiTest::endingRows(".ini"); }
    void saveAsThenSaveWithoutDialog();
    void savesNeverLoseTheOldFile_data();
    void savesNeverLoseTheOldFile();
};

void TestMainWindowSettings::savedSettingsComeBackInAFreshWindow()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("panel.ini"));
    QStringList before;
    {
        auto module = openModule();
        QVERIFY(module);
        MainWindow window(module.get());
        child<QPushButton>(&window, "showAWGPagePushButton")->click();
        setCycles(&window, 37);
        child<QRadioButton>(&window, "AWGChan2RadioButton")->setChecked(true);
        child<QRadioButton>(&window, "AWGDataFormatUInt16RadioButton")->setChecked(true);
        child<QCheckBox>(&window, "queryConfigParametersCheckBox")->setChecked(true);
        QTest::keyClicks(child<QLineEdit>(&window, "AWGSavingFilePathLineEdit"), QStringLiteral("out.vwf"));
        child<QCheckBox>(&window, "autoConfigCheckBox")->setChecked(true);
        before = shown(&window);
        trigger(&window, "actionSaveAsSettings_triggered");
        QVERIFY(chooseFile(&window, file));
        QCOMPARE(indicatorText(&window), QStringLiteral("Saved successfully"));
    }

    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    QVERIFY(shown(&window) != before);
    dwavbench_journal_clear();
    trigger(&window, "actionLoadSettings_triggered");
    QVERIFY(chooseFile(&window, file));
    QCOMPARE(shown(&window), before);
    QCOMPARE(module->awgParameter(QStringLiteral("numCycles")).toInt(), 37);
    QCOMPARE(module->awgParameter(QStringLiteral("chan")).toInt(), 1);
    QCOMPARE(module->mode(), ushort(0));
    // The file has Auto config on: the load ends in the configuration of
    // what it brought.
    QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
    QCOMPARE(Bench::callsMentioning("tvkdwav_config_awg", QStringLiteral("numCycles=37")), 1);
}

void TestMainWindowSettings::namedPointsFileReloadsItsTable_data()
{
    QTest::addColumn<bool>("gone");
    QTest::addColumn<PointsVector>("levels");
    QTest::newRow("reloaded") << false << PointsVector({1.5, -2.0, 3.0});
    // The previous levels stay, and are not sent under "Configured".
    QTest::newRow("gone: the load fails in part") << true << PointsVector({7.0, 8.0});
}

// The file has Auto config on.
void TestMainWindowSettings::namedPointsFileReloadsItsTable()
{
    QFETCH(bool, gone);
    QFETCH(PointsVector, levels);
    QTemporaryDir dir;
    const QString points = dir.filePath(QStringLiteral("levels.txt"));
    const QString settings = dir.filePath(QStringLiteral("panel.ini"));
    QVERIFY(UiTest::writeFile(points, "1.5\n-2\n3"));
    QVERIFY(UiTest::writeFile(dir.filePath(QStringLiteral("other.txt")), "7\n8"));
    auto module = openModule();
    QVERIFY(module);
    module->setParameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("multilevelParameters"),
                              QStringLiteral("dataFilePath"), 1, points);
    module->setAutoConfig(true);
    QCOMPARE(module->saveSettings(settings), 0);
    module->setAutoConfig(false);

    MainWindow window(module.get());
    child<QPushButton>(&window, "chan2LoadAFGPointsPushButton")->click();
    QVERIFY(chooseFile(&window, dir.filePath(QStringLiteral("other.txt"))));
    if (gone)
        QVERIFY(QFile::remove(points));
    dwavbench_journal_clear();
    trigger(&window, "actionLoadSettings_triggered");
    QVERIFY(chooseFile(&window, settings));
    auto *table = child<QTableWidget>(&window, "chan2MultilevelPointsTableWidget");
    QCOMPARE(table->rowCount(), int(levels.size()));
    QCOMPARE(table->item(1, 0)->text(), QString::number(levels.at(1)));
    QCOMPARE(ParameterTypes::pointsFromVariant(module->parameterValue(QStringLiteral("DWAV_AFGParameters"),
                 QStringLiteral("multilevelParameters"), QStringLiteral("points"), 1)),
             levels);
    if (!gone) {
        QCOMPARE(indicatorText(&window), QStringLiteral("Configured"));
        return;
    }
    QCOMPARE(indicatorText(&window), QStringLiteral("Loading failed"));
    QCOMPARE(messageText(&window), QStringLiteral("Loading AFG points failed: Cannot open file %1!").arg(points));
    QCOMPARE(configurationCalls(), 0);
}

void TestMainWindowSettings::saveAsThenSaveWithoutDialog()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    child<QPushButton>(&window, "showAWGPagePushButton")->click();
    child<QCheckBox>(&window, "autoConfigCheckBox")->setChecked(true);

    // Nothing chosen yet: Save asks for a file.
    trigger(&window, "actionSaveSettings_triggered");
    QVERIFY(chooseFile(&window, dir.filePath(chosen)));
    QVERIFY(QFile::exists(dir.filePath(written)));

    // Typed without Enter: the shortcut takes no focus from the box, yet the
    // edit ends first, as on leaving the box, with Auto config's configuration.
    auto *cycles = child<QSpinBox>(&window, "AWGNumCyclesSpinBox");
    cycles->setFocus();
    cycles->selectAll();
    QTest::keyClicks(cycles, QStringLiteral("4242"));
    dwavbench_journal_clear();
    QTest::keyClick(cycles, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!UiTest::openFileDialog(&window));
    QVERIFY(UiTest::readFile(dir.filePath(written)).contains("numCycles=4242"));
    QCOMPARE(indicatorText(&window), QStringLiteral("Saved successfully"));
    QCOMPARE(Bench::callsMentioning("tvkdwav_config_awg", QStringLiteral("numCycles=4242")), 1);
}

void TestMainWindowSettings::savesNeverLoseTheOldFile_data()
{
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("outcome");  // what the window shows; <path> stands for the target
    QTest::addColumn<bool>("saved");
    const QString awgFailed = QStringLiteral("Saving AWG points failed");
    const QString pointsFailed = QStringLiteral("Saving AFG points failed: Couldn't open file <path>");
    const QString failed = QStringLiteral("Saving failed");
    const QString asks = QStringLiteral("asks for a file");
    QTest::newRow("AWG, full disk") << "AWG" << "full disk" << awgFailed << false;
    QTest::newRow("AWG, named pipe") << "AWG" << "pipe" << "Saving AWG data to file failed: Cannot open file <path>!" << false;
    QTest::newRow("AWG, empty path") << "AWG" << "empty path" << "Saving AWG data to file failed: Cannot open file !" << false;
    QTest::newRow("AWG, read-only folder") << "AWG" << "read-only folder" << "Saving AWG points successfull" << true;
    QTest::newRow("points, full disk") << "points" << "full disk" << pointsFailed << false;
    QTest::newRow("points, named pipe") << "points" << "pipe" << pointsFailed << false;
    QTest::newRow("points, read-only folder") << "points" << "read-only folder" << "saved" << true;
    QTest::newRow("settings, full disk") << "settings" << "full disk" << failed << false;
    QTest::newRow("settings, named pipe") << "settings" << "pipe" << failed << false;
    QTest::newRow("settings, missing folder") << "settings" << "missing folder" << failed << false;
    QTest::newRow("settings, read-only file") << "settings" << "read-only file" << failed << false;
    QTest::newRow("settings, read-only folder") << "settings" << "read-only folder" << "Saved successfully" << true;
    // A file the load refused (a data file picked by mistake) is not what
    // the next Save overwrites.
    QTest::newRow("settings, Save after a refused load") << "settings" << "refused load" << asks << false;
    QTest::newRow("settings, Save after a refused pipe load") << "settings" << "refused load, pipe" << asks << false;
}

// Each save of the window either writes the whole file or leaves the old one
// as it was, and says which, without ever opening a pipe; where the folder
// takes no new file, an existing file is written in place.
void TestMainWindowSettings::savesNeverLoseTheOldFile()
{
    QFETCH(QString, save);
    QFETCH(QString, trouble);
    QFETCH(QString, outcome);
    QFETCH(bool, saved);
    if (trouble.startsWith(QLatin1String("read-only")))
        DWAV_RUN_UNPRIVILEGED();
    QTemporaryDir dir;
    QString path = dir.filePath(save == QLatin1String("points") ? QStringLiteral("old.txt") : QStringLiteral("old.dat"));
    const bool pipe = trouble.endsWith(QLatin1String("pipe"));
    const QByteArray old("old content\n");
    QVERIFY(pipe ? UiTest::makeFifo(path) : UiTest::writeFile(path, old));
    if (trouble == QLatin1String("missing folder"))
        path = dir.filePath(QStringLiteral("no/old.dat"));
    if (trouble == QLatin1String("empty path"))
        path.clear();
    if (trouble == QLatin1String("read-only file"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const QFile::Permissions folder = QFile::permissions(dir.path());
    if (trouble == QLatin1String("read-only folder"))
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    int position = 0;
    auto module = openModule(nullptr, &position);
    QVERIFY(module);
    MainWindow window(module.get());
    LogCapture log(position);
    QString shown;
    {
        std::unique_ptr<UiTest::FileSizeLimit> full;
        if (trouble == QLatin1String("full disk"))
            full.reset(new UiTest::FileSizeLimit(0));
        if (save == QLatin1String("AWG")) {
            child<QLineEdit>(&window, "AWGSavingFilePathLineEdit")->setText(path);
            child<QPushButton>(&window, "AWGSaveToFilePushButton")->click();
            shown = log.all().last();
        } else if (save == QLatin1String("points")) {
            auto *table = child<QTableWidget>(&window, "chan1MultilevelPointsTableWidget");
            table->setRowCount(1);
            table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1.5")));
            child<QPushButton>(&window, "chan1SaveAFGPointsPushButton")->click();
            QVERIFY(chooseFile(&window, path));
            shown = log.of(LoggerCritical).value(0, QStringLiteral("saved"));
        } else if (trouble.startsWith(QLatin1String("refused load"))) {
            trigger(&window, "actionLoadSettings_triggered");
            QVERIFY(chooseFile(&window, path));
            QCOMPARE(indicatorText(&window), QStringLiteral("Loading failed"));
            trigger(&window, "actionSaveSettings_triggered");
            shown = UiTest::openFileDialog(&window) ? QStringLiteral("asks for a file") : indicatorText(&window);
        } else {
            window.saveSettingsToFile(path);
            shown = indicatorText(&window);
        }
    }
    QFile::setPermissions(dir.path(), folder);
    QCOMPARE(shown, QString(outcome).replace(QLatin1String("<path>"), path));
    if (pipe)
        QVERIFY(!QFileInfo(path).isFile());
    else if (!path.isEmpty() && QFileInfo::exists(path))
        QCOMPARE(UiTest::readFile(path) == old, !saved);
    // Nothing is left beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
}

DWAV_TEST_MAIN(TestMainWindowSettings)
#include "tst_mainwindowsettings.moc"
