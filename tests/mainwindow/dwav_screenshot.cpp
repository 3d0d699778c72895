// Opens the first module of the simulated bench in a main window and saves
// pictures of it, so the panel can be looked at without a desktop:
//   dwav_screenshot <folder> [en]
// writes mainwindow-afg.png, mainwindow-file-menu.png (its File menu open),
// mainwindow-awg.png, mainwindow-generating.png, mainwindow-afg-signals.png
// (channel 1 harmonic with FM, channel 2 multilevel), mainwindow-afg-impulse.png
// (both channels on the impulse form), one picture of each settings dialog as
// its button opens it and dialog-modulator-on.png (the modulator switched
// on), then service-panel.png after a test
// run and calibration-panel.png after a flash read and a calibration of
// channel 1. It runs in the folder where the build put the translation files,
// so the panel starts in Russian as it does for the operator; with "en" it
// is switched to English first.

#include "CalibrationDialog.h"
#include "MainApp.h"
#include "MainWindow.h"
#include "ServiceDialog.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QPixmap &picture, const QDir &folder, const char *name)
{
    const QString path = folder.filePath(QLatin1String(name));
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool save(QWidget *window, const QDir &folder, const char *name)
{
    return save(window->grab(), folder, name);
}

// A menu is a window of its own, so the picture is taken from the screen.
bool saveWithMenuOpen(QMainWindow *window, const char *menuName, const QDir &folder, const char *name)
{
    auto *menu = window->findChild<QMenu *>(QLatin1String(menuName));
    if (!menu)
        return false;
    window->menuBar()->setActiveAction(menu->menuAction());
    settle(500);
    const QRect area = window->frameGeometry().united(menu->geometry());
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
        0, area.x(), area.y(), area.width(), area.height());
    menu->hide();
    settle(200);
    return save(picture, folder, name);
}

void click(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QPushButton *>(QLatin1String(name)))
        button->click();
}

// Sets a value as the operator does: the number, then the end of the edit.
void enter(QWidget *window, const char *name, double value)
{
    if (auto *spin = window->findChild<QDoubleSpinBox *>(QLatin1String(name))) {
        spin->setValue(value);
        emit spin->editingFinished();
    }
}

// Picks an item by the value it stands for, whatever the panel's language.
void choose(QWidget *window, const char *name, int value)
{
    if (auto *combo = window->findChild<QComboBox *>(QLatin1String(name)))
        combo->setCurrentIndex(combo->findData(value));
}

// Channel 1 on a 1 MHz harmonic with FM, channel 2 on a few levels loaded
// from a points file.
void showSignals(QWidget *window)
{
    choose(window, "chan1SignalFormComboBox", 0);  // harmonic
    enter(window, "chan1HarmonicAmplDoubleSpinBox", 2);
    enter(window, "chan1HarmonicFreqDoubleSpinBox", 1);
    choose(window, "chan1HarmonicFreqDimComboBox", 1000000);  // MHz
    choose(window, "chan1HarmonicModulTypeComboBox", 3);  // FM
    enter(window, "chan1HarmonicModulFreqDoubleSpinBox", 10);
    enter(window, "chan1HarmonicFreqDevDoubleSpinBox", 50);

    choose(window, "chan2SignalFormComboBox", 4);  // multilevel
    enter(window, "chan2MultilevelTDoubleSpinBox", 100);
    QTemporaryDir dir;
    QFile points(dir.filePath(QStringLiteral("levels.txt")));
    if (!points.open(QIODevice::WriteOnly))
        return;
    points.write("0\n2.5\n5\n-2.5\n-5\n1.25");
    points.close();
    click(window, "chan2LoadAFGPointsPushButton");
    if (auto *dialog = window->findChild<QFileDialog *>()) {
        emit dialog->fileSelected(points.fileName());
        delete dialog;
    }
}

void check(QWidget *window, const char *name)
{
    if (auto *box = window->findChild<QCheckBox *>(QLatin1String(name)))
        box->setChecked(true);
}

// Every test of the service panel, the connection prompts answered by the
// closer, then one ADC reading.
bool saveServicePanel(MainWindow &window, const QDir &folder)
{
    auto *service = window.findChild<ServiceDialog *>();
    if (!service)
        return false;
    service->show();
    for (const char *name : {"selfTestCheckBox", "OkOff_1CheckBox", "RAMTestCheckBox",
                             "testAFGChan1CheckBox", "testAFGChan2CheckBox"})
        check(service, name);
    click(service, "runTestsPushButton");
    settle(100);
    while (service->isRunning())
        settle(100);
    click(service, "pollPushButton");
    settle(300);
    return save(service, folder, "service-panel.png");
}

// The calibration panel unlocked, the flash read and channel 1 calibrated.
bool saveCalibrationPanel(MainWindow &window, DWAVModule *module, const QDir &folder)
{
    auto *calibration = window.findChild<CalibrationDialog *>();
    if (!calibration)
        return false;
    module->setStandaloneProgram(true);
    calibration->show();
    calibration->findChild<QLineEdit *>(QStringLiteral("calibrationPasswordLineEdit"))
        ->setText(QStringLiteral("glomix"));
    click(calibration, "checkPasswordPushButton");
    click(calibration, "readROMPushButton");
    auto *table = calibration->findChild<QTableWidget *>(QStringLiteral("serviceCalibrationTableWidget"));
    if (QWidget *cell = table ? table->cellWidget(0, 0) : nullptr)
        cell->findChild<QRadioButton *>()->setChecked(true);
    click(calibration, "startCalibrationPushButton");
    settle(300);
    while (calibration->isCalibrating())
        settle(100);
    settle(300);
    return save(calibration, folder, "calibration-panel.png");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The panel's own set-up: its images and the stand-in for the forms' font.
    MainApp::instance()->initApplication(argc, argv);
    const bool english = argc == 3 && qstrcmp(argv[2], "en") == 0;
    if (argc < 2 || (argc == 3 && !english)) {
        std::fprintf(stderr, "usage: %s <folder> [en]\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")) || !folder.makeAbsolute()
        || !QDir::setCurrent(QCoreApplication::applicationDirPath())) {
        std::fprintf(stderr, "cannot use the folder %s\n", argv[1]);
        return 1;
    }

    std::unique_ptr<DWAVModule> module = WindowTest::openModule();
    if (!module) {
        std::fprintf(stderr, "no DWAV module on the bench\n");
        return 1;
    }
    ModalAnswerer closer;
    bool ok = true;
    {
        MainWindow window(module.get());
        if (english)
            window.findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
        window.show();
        settle(1200);  // first polls: temperatures and generation state
        ok = save(&window, folder, "mainwindow-afg.png") && ok;
        ok = saveWithMenuOpen(&window, "fileMenu", folder, "mainwindow-file-menu.png") && ok;

        click(&window, "showAWGPagePushButton");
        settle(300);
        ok = save(&window, folder, "mainwindow-awg.png") && ok;

        click(&window, "showAFGPagePushButton");
        click(&window, "configDWAVPushButton");
        click(&window, "startDWAVPushButton");
        settle(1200);
        ok = save(&window, folder, "mainwindow-generating.png") && ok;

        showSignals(&window);
        settle(300);
        ok = save(&window, folder, "mainwindow-afg-signals.png") && ok;

        // The form with the longest captions of the page.
        choose(&window, "chan1SignalFormComboBox", 2);
        choose(&window, "chan2SignalFormComboBox", 2);
        settle(300);
        ok = save(&window, folder, "mainwindow-afg-impulse.png") && ok;

        const struct {
            const char *button;
            const char *dialog;
            const char *file;
        } dialogs[] = {
            {"showChanSettingsPushButton", "ChanSettingsDialog", "dialog-channels.png"},
            {"showCommonSettingsPushButton", "CommonSettingsDialog", "dialog-synchronization.png"},
            {"showQMSettingsPushButton", "QuadratureModulationDialog", "dialog-modulator.png"},
        };
        for (const auto &d : dialogs) {
            click(&window, d.button);
            settle(300);
            QWidget *shown = window.findChild<QWidget *>(QLatin1String(d.dialog));
            ok = shown && save(shown, folder, d.file) && ok;
        }
        // The modulator on: its blocks enabled and its warning shown.
        check(&window, "useQuadratureModulationCheckBox");
        settle(300);
        ok = save(window.findChild<QWidget *>(QStringLiteral("QuadratureModulationDialog")), folder,
                  "dialog-modulator-on.png") && ok;
        ok = saveServicePanel(window, folder) && ok;
        ok = saveCalibrationPanel(window, module.get(), folder) && ok;
    }
    return ok ? 0 : 1;
}
