#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

using namespace WindowTest;

namespace {

QAction *languageAction(QWidget *window)
{
    return window->findChild<QAction *>(QStringLiteral("languageAction"));
}

// What the event loop does after a construction or a switch: Qt's own
// widgets retranslate on the posted language change, and the replaced menus
// go.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void switchLanguage(QWidget *window)
{
    languageAction(window)->trigger();
    settle();
}

// The caption a window, widget, menu or action shows.
QString captionOf(QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->isWindow()
        && !qobject_cast<QMenu *>(object))
        return widget->windowTitle();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    return QString();
}

// Every text a window and its dialogs show, each prefixed by the object's
// name. The status line and the state indicator are left out: they show
// messages as they were written, not captions.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{QStringLiteral("window title: ") + window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (name == QLatin1String("statusMessageLabel") || name == QLatin1String("stateIndicatorPushButton"))
            continue;
        auto *widget = qobject_cast<QWidget *>(object);
        if (widget && widget->isWindow())
            texts << name + QStringLiteral(" title: ") + widget->windowTitle();
        if (widget)
            texts << name + QStringLiteral(" tip: ") + widget->toolTip();
        if (auto *action = qobject_cast<QAction *>(object))
            texts << name + QStringLiteral(" tip: ") + action->toolTip();
        if (auto *combo = qobject_cast<QComboBox *>(object))
            for (int i = 0; i < combo->count(); ++i)
                texts << name + QStringLiteral(" item: ") + combo->itemText(i);
        texts << name + QStringLiteral(": ") + captionOf(object);
    }
    // Rebuilt menus come after objects that the menu bar makes when needed.
    texts.sort();
    return texts;
}

QStringList cyrillic(const QStringList &texts)
{
    return texts.filter(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

} // namespace

class TestMainWindowLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsInRussian_data();
    void startsInRussian();
    void englishEverywhereAboveAnotherPanelInRussian();
    void noConfigurationDuringSwitch();
    void titleKeepsPosition();
    void startButtonFollowsState_data();
    void startButtonFollowsState();

private:
    QString russian(const char *source) const { return reference.translate("MainWindow", source); }
    QTranslator reference;
};

void TestMainWindowLanguage::initTestCase()
{
    Q_INIT_RESOURCE(images);
    ParameterTypes::registerTypes();
    for (const char *file : {"dwav_ru.qm", "dwav_en.qm", "qtbase_ru.qm", "qtbase_en.qm"})
        QVERIFY(QFile::copy(QStringLiteral(DWAV_QM_DIR "/") + QLatin1String(file), QLatin1String(file)));
    QVERIFY(reference.load(QStringLiteral("dwav_ru.qm")));
}

void TestMainWindowLanguage::startsInRussian_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    const QString window = QStringLiteral("MainWindow");
    QTest::newRow("start button") << "startDWAVPushButton" << window << "Start";
    QTest::newRow("form button") << "configDWAVPushButton" << window << "Configure";
    QTest::newRow("form check box") << "autoConfigCheckBox" << window << "Auto config";
    QTest::newRow("status caption") << "tcontCaptionLabel" << window << "Tcont";
    QTest::newRow("menu") << "fileMenu" << window << "File";
    QTest::newRow("action") << "languageAction" << window << "Switch panel language";
    QTest::newRow("channel settings")
        << "ChanSettingsDialog" << "ChanSettingsDialog" << "Channel settings";
    QTest::newRow("channel settings label") << "rangeChan1Label" << "ChanSettingsDialog" << "Range, V";
    QTest::newRow("synchronisation settings")
        << "CommonSettingsDialog" << "CommonSettingsDialog" << "Synchronization settings";
    QTest::newRow("modulator settings")
        << "QuadratureModulationDialog" << "QuadratureModulationDialog" << "Modulator settings";
    QTest::newRow("service panel") << "ServiceDialog" << "ServiceDialog" << "Service panel";
    QTest::newRow("calibration panel") << "CalibrationDialog" << "CalibrationDialog" << "Calibration panel";
    QTest::newRow("calibration button") << "readROMPushButton" << "CalibrationDialog" << "Read ROM";
}

void TestMainWindowLanguage::startsInRussian()
{
    QFETCH(QString, object);
    QFETCH(QString, context);
    QFETCH(QString, source);
    DWAVModule demo;
    MainWindow window(&demo);
    settle();
    QObject *shown = window.findChild<QObject *>(object);
    QVERIFY(shown);
    const QString translated = reference.translate(context.toLatin1().constData(), source.toUtf8().constData());
    QVERIFY(translated != source && !translated.isEmpty());
    QCOMPARE(captionOf(shown), translated);
    QCOMPARE(languageAction(&window)->property("CurrentLanguage").toString(), QStringLiteral("ru"));
}

// The panel switched last is searched first; a panel switched to English
// must not show a text of the Russian panel below it, nor of Qt's.
void TestMainWindowLanguage::englishEverywhereAboveAnotherPanelInRussian()
{
    DWAVModule demoBelow;
    MainWindow below(&demoBelow);
    DWAVModule demo;
    MainWindow window(&demo);
    settle();
    const QStringList before = shownTexts(&window);
    QVERIFY(cyrillic(before).size() > 20);

    switchLanguage(&window);
    QCOMPARE(cyrillic(shownTexts(&window)), QStringList());
    QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton"))->text(),
             QStringLiteral("Start"));
    QCOMPARE(languageAction(&window)->property("CurrentLanguage").toString(), QStringLiteral("en"));

    // Two triggers in a row return to the starting language; the menus
    // replaced on the way are released.
    switchLanguage(&window);
    QCOMPARE(shownTexts(&window), before);
}

void TestMainWindowLanguage::noConfigurationDuringSwitch()
{
    auto module = openModule();
    QVERIFY(module);
    MainWindow window(module.get());
    window.findChild<QAbstractButton *>(QStringLiteral("autoConfigCheckBox"))->click();
    QVERIFY(module->autoConfig());
    dwavbench_journal_clear();
    languageAction(&window)->trigger();
    languageAction(&window)->trigger();
    QCOMPARE(configurationCalls(), 0);
}

void TestMainWindowLanguage::titleKeepsPosition()
{
    QString resource;
    int position = 0;
    auto module = openModule(&resource, &position);
    QVERIFY(module);
    MainWindow window(module.get());
    const char *source = "DWAV Panel - %1 at position %2";
    QCOMPARE(window.windowTitle(), russian(source).arg(resource).arg(position));
    languageAction(&window)->trigger();
    QCOMPARE(window.windowTitle(), QString::fromLatin1(source).arg(resource).arg(position));

    DWAVModule demo;
    MainWindow demoWindow(&demo);
    languageAction(&demoWindow)->trigger();
    QCOMPARE(demoWindow.windowTitle(), QStringLiteral("DWAV Panel - DEMO mode"));
}

void TestMainWindowLanguage::startButtonFollowsState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("source");
    QTest::newRow("idle") << 0 << "Start";
    QTest::newRow("generating") << 1 << "Stop";
    QTest::newRow("awaiting a command") << 2 << "Awaits command";
    QTest::newRow("delay running") << 3 << "Delay countdown";
}

void TestMainWindowLanguage::startButtonFollowsState()
{
    QFETCH(int, state);
    QFETCH(QString, source);
    DWAVModule demo;
    MainWindow window(&demo);
    window.setStartButtonState(state);
    languageAction(&window)->trigger();
    QCOMPARE(startButtonState(&window), state);
    auto *start = window.findChild<QPushButton *>(QStringLiteral("startDWAVPushButton"));
    QCOMPARE(start->text(), source);
    languageAction(&window)->trigger();
    QCOMPARE(start->text(), russian(source.toUtf8().constData()));
}

DWAV_TEST_MAIN(TestMainWindowLanguage)
#include "tst_mainwindowlanguage.moc"
