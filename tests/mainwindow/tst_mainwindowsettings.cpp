#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "UiSupport.h"
#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>

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
    void namedPointsFileReloadsItsTable();
    void saveAsThenSaveWithoutDialog_data() { UiTest::endingRows(".ini"); }
    void saveAsThenSaveWithoutDialog();
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
    trigger(&window, "actionLoadSettings_triggered");
    QVERIFY(chooseFile(&window, file));
    QCOMPARE(indicatorText(&window), QStringLiteral("Loaded successfully"));
    QCOMPARE(shown(&window), before);
    QCOMPARE(module->awgParameter(QStringLiteral("numCycles")).toInt(), 37);
    QCOMPARE(module->awgParameter(QStringLiteral("chan")).toInt(), 1);
    QCOMPARE(module->mode(), ushort(0));

    dwavbench_journal_clear();
    child<QPushButton>(&window, "configDWAVPushButton")->click();
    QCOMPARE(Bench::callsMentioning("tvkdwav_config_awg", QStringLiteral("numCycles=37")), 1);
}

void TestMainWindowSettings::namedPointsFileReloadsItsTable()
{
    QTemporaryDir dir;
    const QString points = dir.filePath(QStringLiteral("levels.txt"));
    const QString settings = dir.filePath(QStringLiteral("panel.ini"));
    QVERIFY(UiTest::writeFile(points, "1.5\n-2\n3"));
    auto module = openModule();
    QVERIFY(module);
    module->setParameterValue(QStringLiteral("DWAV_AFGParameters"), QStringLiteral("multilevelParameters"),
                              QStringLiteral("dataFilePath"), 1, points);
    QCOMPARE(module->saveSettings(settings), 0);

    MainWindow window(module.get());
    trigger(&window, "actionLoadSettings_triggered");
    QVERIFY(chooseFile(&window, settings));
    auto *table = child<QTableWidget>(&window, "chan2MultilevelPointsTableWidget");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("-2"));
    QCOMPARE(ParameterTypes::pointsFromVariant(module->parameterValue(QStringLiteral("DWAV_AFGParameters"),
                 QStringLiteral("multilevelParameters"), QStringLiteral("points"), 1)),
             PointsVector({1.5, -2.0, 3.0}));
}

void TestMainWindowSettings::saveAsThenSaveWithoutDialog()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());

    // Nothing chosen yet: Save asks for a file.
    trigger(&window, "actionSaveSettings_triggered");
    QVERIFY(chooseFile(&window, dir.filePath(chosen)));
    QVERIFY(QFile::exists(dir.filePath(written)));

    setCycles(&window, 4242);
    trigger(&window, "actionSaveSettings_triggered");
    QVERIFY(!UiTest::openFileDialog(&window));
    QVERIFY(UiTest::readFile(dir.filePath(written)).contains("numCycles=4242"));
    QCOMPARE(indicatorText(&window), QStringLiteral("Saved successfully"));
}

DWAV_TEST_MAIN(TestMainWindowSettings)
#include "tst_mainwindowsettings.moc"
