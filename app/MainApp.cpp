#include "MainApp.h"

#include "DWAVModule.h"
#include "DWAVPanelData.h"
#include "DriverCodec.h"
#include "Logger.h"
#include "MainWindow.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QThread>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace {

// Guards the creation of the application object, which any thread may ask for.
std::mutex instanceLock;
MainApp *appInstance = nullptr;
bool exitHandlerRegistered = false;
// Set once the process has begun to exit: no application object is made
// after that.
bool processExiting = false;
// An application object whose panels outlived the host's QApplication: its
// widgets can no longer be destroyed safely and stay, reachable, until the
// process ends.
MainApp *abandonedInstance = nullptr;

void teardownAtExit()
{
    {
        std::lock_guard<std::mutex> lock(instanceLock);
        processExiting = true;
    }
    MainApp::destroyInstance();
}

// At process exit the thread-local destructors of the exiting thread run
// before any exit handler, while Qt's process-wide data (registered as Qt
// first needs it, often long after the application object) is still there.
// The panels are torn down from there on the GUI thread; the exit handler
// registered with the first application object is the fallback and does
// nothing on any other thread, where widgets must not be touched.
struct PanelTeardown {
    ~PanelTeardown() { teardownAtExit(); }
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

// The carrier's resource name as its session reports it; empty when there is
// no session or the name cannot be read.
QByteArray resourceName(ViSession carrierSession)
{
    char name[256] = {};
    if (carrierSession == 0 || viGetAttribute(carrierSession, VI_ATTR_RSRC_NAME, name) < VI_SUCCESS)
        return QByteArray();
    return QByteArray(name, int(qstrnlen(name, sizeof name)));
}

// VISA resource names ignore the case of their ASCII letters; other bytes
// must be the same.
bool sameResourceName(const QByteArray &a, const QByteArray &b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size()
            && std::equal(a.cbegin(), a.cend(), b.cbegin(),
                          [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

MainApp *MainApp::instance()
{
    std::lock_guard<std::mutex> lock(instanceLock);
    if (appInstance || processExiting)
        return appInstance;
    if (!exitHandlerRegistered) {
        // The message sinks are used while the panels are torn down, so they
        // must be built before the exit handler is registered: exit handlers
        // and static destructors run in the reverse order of their creation.
        Logger::instance(0);
        std::atexit(&teardownAtExit);
        exitHandlerRegistered = true;
    }
    appInstance = new MainApp;
    return appInstance;
}

void MainApp::destroyInstance()
{
    MainApp *app = nullptr;
    {
        std::lock_guard<std::mutex> lock(instanceLock);
        if (!appInstance || QThread::currentThread() != appInstance->thread())
            return;
        app = appInstance;
        appInstance = nullptr;
    }
    if (QCoreApplication::instance()) {
        delete app;
        return;
    }
    // The host destroyed its QApplication before the panels: the host still
    // sees every panel closed and the modules give their sessions back, but
    // the Qt objects are left alone.
    app->releasePanelsWithoutQt();
    abandonedInstance = app;
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

void MainApp::releasePanelsWithoutQt()
{
    for (auto it = m_panels.cbegin(); it != m_panels.cend(); ++it)
        releasePanelWithoutQt(it.key(), it.value());
}

void MainApp::releasePanelWithoutQt(ushort mezNum, DWAVPanelData *record)
{
    record->setVisibleFlag(0);
    MainWindow *window = record->window();
    if (!window)
        return; // its destructor gave the session back
    // Labels whose application is gone must not be written to.
    Logger *logger = Logger::instance(mezNum);
    logger->setMessageLabel(nullptr);
    logger->setIconLabel(nullptr);
    window->releaseModule();
}

void MainApp::destroyPanel(DWAVPanelData *record)
{
    // The window's destructor resets, stops and closes the module's session,
    // so it goes before the module.
    delete record->takeWindow();
    delete record->module();
    delete record;
}

bool MainApp::canShowPanels()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || qobject_cast<const QApplication *>(app))
        return true;
    Logger::instance(-1)->critical(
        tr("DWAV panel can't be created: the host's application object is a %1, not a QApplication")
            .arg(QString::fromLatin1(app->metaObject()->className())));
    return false;
}

bool MainApp::isHeldByOtherCarrier(ViSession carrierSession, ushort mezNum) const
{
    const DWAVPanelData *record = m_panels.value(mezNum, nullptr);
    if (!record)
        return false;
    const DWAVModule *module = record->module();
    if (!module)
        return false;
    // The session the panel was opened with needs no question; another one
    // may be open on the same carrier. A carrier whose name cannot be read
    // is taken for another.
    if (carrierSession == module->carrierSession())
        return false;
    const QByteArray name = resourceName(carrierSession);
    return name.isEmpty() || !sameResourceName(name, DriverCodec::encode(module->path()));
}

bool MainApp::canOpenPanel(ViSession carrierSession, ushort mezNum) const
{
    if (!isHeldByOtherCarrier(carrierSession, mezNum))
        return true;
    const QString holder = m_panels.value(mezNum)->module()->path();
    Logger::instance(m_loggerIndex)
            ->critical(tr("DWAV panel can't be created: position %1 is open for another carrier, \"%2\"")
                               .arg(QString::number(mezNum), holder),
                       QString());
    return false;
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
    // A file installed by an earlier call stays; loading it again would
    // put a second copy above the windows' own translators.
    if (m_translators.contains(file))
        return true;
    auto *translator = new QTranslator(this);
    if (!translator->load(file)) {
        delete translator;
        Logger::instance(m_loggerIndex)
                ->warning(QStringLiteral("Not managed to load translation file \"%1\"").arg(file),
                          QString());
        return false;
    }
    if (!QCoreApplication::installTranslator(translator)) {
        delete translator;
        Logger::instance(m_loggerIndex)
                ->warning(QStringLiteral("Not managed to load translation \"%1\"").arg(file),
                          QString());
        return false;
    }
    m_translators.insert(file, translator);
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
    // Without the host's application the window cannot be shown.
    if (!record || !QCoreApplication::instance())
        return -1;
    record->setVisibleFlag(1);
    emit showMezPanel(mezNum);
    return 0;
}

int MainApp::hidePanel(ushort mezNum)
{
    if (!QCoreApplication::instance())
        return -1;
    emit hideMezPanel(mezNum);
    return 0;
}

int MainApp::closePanel(ushort mezNum)
{
    if (!QCoreApplication::instance()) {
        // The host's application is gone and its widgets cannot be touched:
        // the host sees the panel closed and the module gives its session
        // back, but the window stays, as this object's child, until the
        // process ends.
        if (DWAVPanelData *record = m_panels.take(mezNum))
            releasePanelWithoutQt(mezNum, record);
        return 0;
    }
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
