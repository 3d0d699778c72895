#include "MainWindow.h"
#include "ParameterTypes.h"
#include "TestMain.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>

using namespace WindowTest;

namespace {

// What the event loop does after a construction or a switch: Qt's own
// widgets retranslate on the posted language change; replaced menus go.
void switchLanguage(QWidget *window)
{
    if (window)
        window->findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString captionOf(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (widget && widget->isWindow())
        return widget->windowTitle();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text() + QLatin1Char('|') + action->toolTip();
    QStringList items;
    if (auto *combo = qobject_cast<QComboBox *>(object))
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
    return items.join(QLatin1Char('|')) + (widget ? widget->toolTip() : QString());
}

// Every text of a window and its dialogs but the status line and the state
// indicator, which show messages as they were written.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QObject *object : window->findChildren<QObject *>())
        if (!object->objectName().contains(QRegularExpression(QStringLiteral("^state|^statusMessage"))))
            texts << object->objectName() + QStringLiteral(": ") + captionOf(object);
    texts.sort();
    return texts;
}

} // namespace

class TestMainWindowLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
        ParameterTypes::registerTypes();
        for (const char *file : {"dwav_ru.qm", "dwav_en.qm", "qtbase_ru.qm", "qtbase_en.qm"})
            QVERIFY(QFile::copy(QStringLiteral(DWAV_QM_DIR "/") + QLatin1String(file), QLatin1String(file)));
        QVERIFY(russian.load(QStringLiteral("dwav_ru.qm")));
    }

    // Starts in Russian; switched to English above another panel in Russian
    // (the pair switched last is searched first), it shows none of that
    // panel's texts nor Qt's; two switches return to the start.
    void switchesEveryText()
    {
        DWAVModule demoBelow;
        MainWindow below(&demoBelow);
        DWAVModule demo;
        MainWindow window(&demo);
        switchLanguage(nullptr);
        const QStringList russianTexts = shownTexts(&window);
        const struct {
            const char *object, *context, *source;
        } known[] = {
            {"startDWAVPushButton", "MainWindow", "Start"},
            {"autoConfigCheckBox", "MainWindow", "Auto config"},
            {"tcontCaptionLabel", "MainWindow", "Tcont"},
            {"fileMenu", "MainWindow", "File"},
            {"rangeChan1Label", "ChanSettingsDialog", "Range, V"},
            {"CommonSettingsDialog", "CommonSettingsDialog", "Synchronization settings"},
            {"QuadratureModulationDialog", "QuadratureModulationDialog", "Modulator settings"},
            {"ServiceDialog", "ServiceDialog", "Service panel"},
            {"readROMPushButton", "CalibrationDialog", "Read ROM"},
        };
        for (const auto &k : known) {
            const QString translated = russian.translate(k.context, k.source);
            QVERIFY2(translated != QLatin1String(k.source), k.source);
            QCOMPARE(captionOf(window.findChild<QObject *>(k.object)), translated);
        }

        switchLanguage(&window);
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        QCOMPARE(shownTexts(&window).filter(cyrillic), QStringList());
        switchLanguage(&window);
        QCOMPARE(shownTexts(&window), russianTexts);
    }

    // Texts change, nothing else: the position stays in the title, the start
    // button keeps its state, and Auto config sends nothing.
    void switchChangesOnlyTexts()
    {
        QString resource;
        int position = 0;
        auto module = openModule(&resource, &position);
        QVERIFY(module);
        MainWindow window(module.get());
        window.findChild<QAbstractButton *>(QStringLiteral("autoConfigCheckBox"))->click();
        window.setStartButtonState(2);
        dwavbench_journal_clear();
        const char *title = "DWAV Panel - %1 at position %2";
        QCOMPARE(window.windowTitle(), russian.translate("MainWindow", title).arg(resource).arg(position));

        switchLanguage(&window);
        QCOMPARE(window.windowTitle(), QString::fromLatin1(title).arg(resource).arg(position));
        auto *start = window.findChild<QAbstractButton *>(QStringLiteral("startDWAVPushButton"));
        QCOMPARE(start->text(), QStringLiteral("Awaits command"));
        QCOMPARE(startButtonState(&window), 2);
        switchLanguage(&window);
        QCOMPARE(start->text(), russian.translate("MainWindow", "Awaits command"));
        QCOMPARE(configurationCalls(), 0);
    }

private:
    QTranslator russian;
};

DWAV_TEST_MAIN(TestMainWindowLanguage)
#include "tst_mainwindowlanguage.moc"
