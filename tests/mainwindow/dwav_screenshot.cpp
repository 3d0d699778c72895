// Opens the first module of the simulated bench in a main window and saves
// pictures of it, so the panel can be looked at without a desktop:
//   dwav_screenshot <folder>
// writes mainwindow-afg.png, mainwindow-file-menu.png (its File menu open),
// mainwindow-awg.png and mainwindow-generating.png. It runs in its own folder,
// where the build put the translation files, so the panel starts in Russian
// as it does for the operator.

#include "MainWindow.h"
#include "WindowTestSupport.h"

#include <QApplication>
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
    }
    return ok ? 0 : 1;
}
