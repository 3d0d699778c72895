#include "MainApp.h"

#include "DWAVModule.h"
#include "DWAVPanelData.h"
#include "Logger.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QThread>
#include <QTranslator>

#include <cstdlib>
#include <mutex>

namespace {

MainApp *appInstance = nullptr;

// At process exit the thread-local destructors of the exiting thread run
// before any exit handler, while Qt's process-wide data (registered as Qt
// first needs it, often long after the application object) is still there.
// The panels are torn down from there on the GUI thread; the exit handler
// registered with the application object is the fallback and does nothing
// on any other thread, where widgets must not be touched.
struct PanelTeardown {
    ~PanelTeardown() { MainApp::destroyInstance(); }
};

// QApplication keeps a reference to its argument count for its whole life,
// and it is never deleted: the count lives as long as the process.
int applicationArgc = 0;

void useFormFont()
{
    // The forms are laid out for "Segoe UI" at fixed sizes. Where it is
    // missing, the default sans font is wider and captions are clipped;
    // Open Sans runs close to its widths.
    static bool done = false;
    if (done || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    done = true;
    const QString formFont = QStringLiteral("Segoe UI");
    if (!QFontDatabase().families().contains(formFont, Qt::CaseInsensitive))
        QFont::insertSubstitution(formFont, QStringLiteral("Open Sans"));
}

} // namespace

MainApp *MainApp::instance()
{
    static std::once_flag created;
    std::call_once(created, [] {
        // The message sinks are used while the panels are torn down, so they
        // must be built before the exit handler is registered: exit handlers
        // and static destructors run in the reverse order of their creation.
        Logger::instance(0);
        appInstance = new MainApp;
        std::atexit(&MainApp::destroyInstance);
    });
    return appInstance;
}

void MainApp::destroyInstance()
{
    if (!appInstance)
        return;
    if (QThread::currentThread() != appInstance->thread())
        return;
    // Once the application object is gone, windows can no longer be destroyed
    // safely; the process is ending, so everything is left to the system.
    if (!QCoreApplication::instance())
        return;
    MainApp *app = appInstance;
    appInstance = nullptr;
    delete app;
}

MainApp::MainApp()
    : QObject(nullptr)
{
    connect(this, &MainApp::showMezPanel, this, &MainApp::onShowMezPanel, Qt::AutoConnection);
    connect(this, &MainApp::hideMezPanel, this, &MainApp::onHideMezPanel, Qt::AutoConnection);
    connect(this, &MainApp::closeMezPanel, this, &MainApp::onCloseMezPanel, Qt::AutoConnection);
}

MainApp::~MainApp()
{
    // No event loop runs any more: scheduled deletions would never happen
    // and the modules would go on generating after the host is gone. Every
    // window is closed first (its record writes 0 into the host's flag), then
    // destroyed directly, before its module.
    const QList<DWAVPanelData *> records = m_panels.values();
    m_panels.clear();
    for (DWAVPanelData *record : records) {
        if (MainWindow *window = record->window())
            window->close();
    }
    for (DWAVPanelData *record : records)
        destroyPanel(record);
}

void MainApp::destroyPanel(DWAVPanelData *record)
{
    // The window's destructor resets, stops and closes the module's session,
    // so it goes before the module.
    delete record->takeWindow();
    delete record->module();
    delete record;
}

void MainApp::initApplication(int argc, char **argv)
{
    // The panel's images live in a static library: nothing would pull them
    // into the program or the shared library otherwise.
    Q_INIT_RESOURCE(images);
    if (argv)
        m_applicationPath = argv[0] ? QString::fromUtf8(argv[0]) : QString();
    if (!QCoreApplication::instance()) {
        applicationArgc = argc;
        new QApplication(applicationArgc, argv);
    }
    useFormFont();
}

void MainApp::loadTranslations()
{
    if (m_translationsLoaded)
        return;
    bool loaded = loadTranslation(QStringLiteral("dwav_ru.qm"));
    if (loaded)
        loaded = loadTranslation(QStringLiteral("qtbase_ru.qm"));
    m_translationsLoaded = loaded;
}

bool MainApp::loadTranslation(const QString &file)
{
    QTranslator translator;
    if (!translator.load(file)) {
        Logger::instance(m_loggerIndex)
                ->warning(tr("Not managed to load translation file \"%1\"").arg(file), QString());
        return false;
    }
    if (!QCoreApplication::installTranslator(&translator)) {
        Logger::instance(m_loggerIndex)
                ->warning(tr("Not managed to load translation \"%1\"").arg(file), QString());
        return false;
    }
    return true;
}

int MainApp::initPanel(ViSession carrierSession, ushort mezNum, ushort idQuery,
                       ushort resetDevice, void *handleOut, int *visibleFlag)
{
    initApplication(0, nullptr);
    loadTranslations();
    if (DWAVPanelData *record = m_panels.value(mezNum, nullptr))
        return record->initResult();
    return createPanel(carrierSession, mezNum, idQuery, resetDevice, handleOut, visibleFlag);
}

int MainApp::createPanel(ViSession carrierSession, ushort mezNum, ushort idQuery,
                         ushort resetDevice, void *handleOut, int *visibleFlag)
{
    auto *module = new DWAVModule(this);
    // Without the carrier's name the module cannot be opened; what failed
    // is the reading of the name, and that is what the host and the panel
    // report, not the opening that would follow with no name.
    const int paramsResult =
        module->setInitParams(carrierSession, mezNum, idQuery, resetDevice, handleOut);
    const int result = paramsResult < 0 ? paramsResult : module->initialize();
    auto *window = new MainWindow(module, nullptr);
    auto *record = new DWAVPanelData(module, window, result, visibleFlag, this);
    m_panels.insert(mezNum, record);
    static thread_local PanelTeardown teardown;
    (void)teardown;
    return result;
}

int MainApp::displayPanel(ushort mezNum)
{
    DWAVPanelData *record = m_panels.value(mezNum, nullptr);
    if (!record)
        return -1;
    record->setVisibleFlag(1);
    emit showMezPanel(mezNum);
    return 0;
}

int MainApp::hidePanel(ushort mezNum)
{
    emit hideMezPanel(mezNum);
    return 0;
}

int MainApp::closePanel(ushort mezNum)
{
    emit closeMezPanel(mezNum);
    return 0;
}

void MainApp::onShowMezPanel(int mezNum)
{
    if (DWAVPanelData *record = m_panels.value(ushort(mezNum), nullptr)) {
        if (MainWindow *window = record->window())
            window->show();
    }
}

void MainApp::onHideMezPanel(int mezNum)
{
    if (DWAVPanelData *record = m_panels.value(ushort(mezNum), nullptr)) {
        if (MainWindow *window = record->window())
            window->hide();
    }
}

void MainApp::onCloseMezPanel(int mezNum)
{
    DWAVPanelData *record = m_panels.take(ushort(mezNum));
    if (!record)
        return;
    record->setVisibleFlag(0);
    // A closed panel stops polling and gives its driver session back, so a
    // later creation for this position starts clean.
    if (MainWindow *window = record->window())
        window->close();
    destroyPanel(record);
}
