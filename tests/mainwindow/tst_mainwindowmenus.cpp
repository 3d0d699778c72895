#include "DWAVModule.h"
#include "MainWindow.h"
#include "ParameterTypes.h"
#include "ProgramName.h"
#include "TestMain.h"
#include "UserManual.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

// Catches what the panel hands to the desktop instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

// Each menu of the bar as "title: entry, entry, ...", a separator as "-".
QStringList menuLayout(MainWindow *window)
{
    QStringList layout;
    for (QAction *entry : window->menuBar()->actions()) {
        QStringList names;
        for (QAction *action : entry->menu()->actions())
            names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        layout << entry->text() + QStringLiteral(": ") + names.join(QStringLiteral(", "));
    }
    return layout;
}

} // namespace

class TestMainWindowMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
        ParameterTypes::registerTypes();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    }

    // Without translation files the panel stays in its source language.
    void menusHoldTheActionsInOrder()
    {
        DWAVModule demo;
        MainWindow window(&demo);
        const QStringList expected{
            "File: loadSettingsAction, saveSettingsAction, saveAsSettingsAction, -, quitAction",
            "Service: servicePanelAction, calibrationPanelAction, languageAction",
            "Help: helpAction"};
        QCOMPARE(menuLayout(&window), expected);
        // A switch rebuilds the menus and releases the old ones.
        window.findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(menuLayout(&window), expected);
        QCOMPARE(window.menuBar()->findChildren<QMenu *>().size(), 3);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("load") << "loadSettingsAction" << QKeySequence(QKeySequence::Open);
        QTest::newRow("save") << "saveSettingsAction" << QKeySequence(QKeySequence::Save);
        QTest::newRow("save as") << "saveAsSettingsAction" << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
        QTest::newRow("help") << "helpAction" << QKeySequence(QKeySequence::HelpContents);
        QTest::newRow("close") << "quitAction" << QKeySequence(QKeySequence::Quit);
        QTest::newRow("language") << "languageAction" << QKeySequence();
        QTest::newRow("service") << "servicePanelAction" << QKeySequence();
        QTest::newRow("calibration") << "calibrationPanelAction" << QKeySequence();
    }

    void shortcuts()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, shortcut);
        DWAVModule demo;
        MainWindow window(&demo);
        QAction *shown = window.findChild<QAction *>(action);
        QVERIFY(shown);
        QCOMPARE(shown->shortcut(), shortcut);
        QVERIFY(!shown->icon().isNull());
    }

    // Each action opens what it stands for; nothing of it is shown before.
    void actionsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("opened");
        QTest::newRow("load") << "loadSettingsAction" << "Load DWAV Panel settings from file";
        QTest::newRow("save, no file yet") << "saveSettingsAction" << "Save DWAV Panel settings to file";
        QTest::newRow("save as") << "saveAsSettingsAction" << "Save DWAV Panel settings to file";
        QTest::newRow("service") << "servicePanelAction" << "ServiceDialog";
        QTest::newRow("calibration") << "calibrationPanelAction" << "CalibrationDialog";
    }

    void actionsOpenTheirWindows()
    {
        QFETCH(QString, action);
        QFETCH(QString, opened);
        DWAVModule demo;
        MainWindow window(&demo);
        auto shownWindows = [&window] {
            QStringList shown;
            for (QWidget *child : window.findChildren<QWidget *>())
                if (child->isWindow() && child->isVisible())
                    shown << (qobject_cast<QFileDialog *>(child) ? child->windowTitle() : child->objectName());
            return shown;
        };
        QCOMPARE(shownWindows(), QStringList());
        window.findChild<QAction *>(action)->trigger();
        QCOMPARE(shownWindows(), QStringList{opened});
    }

    void closeHidesAndKeepsThePanel()
    {
        DWAVModule demo;
        MainWindow window(&demo);
        window.show();
        QSignalSpy closed(&window, &MainWindow::panelClosed);
        window.findChild<QAction *>(QStringLiteral("quitAction"))->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(window.isHidden());
    }

    // A host program opens the manual from the driver's folder beside its own.
    void helpOpensTheManual()
    {
        DWAVModule demo;
        MainWindow window(&demo);
        catcher.urls.clear();
        window.findChild<QAction *>(QStringLiteral("helpAction"))->trigger();
        const QUrl expected = QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                                  + QStringLiteral("/../TVKDWAV/kelvadoc_V2.docx"));
        QCOMPARE(catcher.urls, QList<QUrl>{expected});
    }

    void manualPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("manual");
        const QString standalone = ProgramName::fileName();
        QTest::newRow("standalone program")
            << "/opt/dwav/" + standalone << "/opt/dwav/kelvadoc_V2.docx";
        QTest::newRow("host program") << "/opt/host/host" << "/opt/host/../TVKDWAV/kelvadoc_V2.docx";
        QTest::newRow("standalone name in other letter case")
            << "/opt/x/" + standalone.toUpper() << "/opt/x/../TVKDWAV/kelvadoc_V2.docx";
        QTest::newRow("drive letter")
            << "C:/VXIPNP/WINNT/TVKDWAV/" + standalone << "C:/VXIPNP/WINNT/TVKDWAV/kelvadoc_V2.docx";
    }

    void manualPath()
    {
        QFETCH(QString, program);
        QFETCH(QString, manual);
        QCOMPARE(UserManual::path(program), manual);
        const QUrl url = UserManual::url(program);
        // A drive letter is never taken for the scheme.
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QVERIFY2(url.path().endsWith(manual), qPrintable(url.toString()));
    }

private:
    UrlCatcher catcher;
};

DWAV_TEST_MAIN(TestMainWindowMenus)
#include "tst_mainwindowmenus.moc"
