// Opens the first module of the simulated bench in a main window and saves
// pictures of it, so the panel can be looked at without a desktop:
//   dwav_screenshot <folder>
// writes mainwindow-afg.png, mainwindow-awg.png and mainwindow-generating.png.

#include "MainApp.h"
#include "MainWindow.h"
#include "WindowTestSupport.h"

#include <QApplication>
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The panel's own set-up: its images and the stand-in for the forms' font.
    MainApp::instance()->initApplication(argc, argv);
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
    }
    return ok ? 0 : 1;
}
