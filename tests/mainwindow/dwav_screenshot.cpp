// Opens the first module of the simulated bench in a main window and saves
// pictures of it, so the panel can be looked at without a desktop:
//   dwav_screenshot <folder>
// writes mainwindow-afg.png, mainwindow-awg.png and mainwindow-generating.png,
// then service-panel.png after a test run and calibration-panel.png after a
// flash read and a calibration of channel 1.

#include "CalibrationDialog.h"
#include "MainWindow.h"
#include "ServiceDialog.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget *window, const QDir &folder, const char *name)
{
    const QString path = folder.filePath(QLatin1String(name));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

void click(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QPushButton *>(QLatin1String(name)))
        button->click();
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
    Q_INIT_RESOURCE(images);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")) || !QDir::setCurrent(folder.absolutePath())) {
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
        window.show();
        settle(1200);  // first polls: temperatures and generation state
        ok = save(&window, folder, "mainwindow-afg.png") && ok;

        click(&window, "showAWGPagePushButton");
        settle(300);
        ok = save(&window, folder, "mainwindow-awg.png") && ok;

        click(&window, "showAFGPagePushButton");
        click(&window, "configDWAVPushButton");
        click(&window, "startDWAVPushButton");
        settle(1200);
        ok = save(&window, folder, "mainwindow-generating.png") && ok;

        ok = saveServicePanel(window, folder) && ok;
        ok = saveCalibrationPanel(window, module.get(), folder) && ok;
    }
    return ok ? 0 : 1;
}
