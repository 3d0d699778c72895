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

// Catches what the panel hands to the desktop instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// Without translation files in the working directory the panel stays in
// its source language.
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

    // A switch rebuilds the same menus and releases the old ones.
    void menusHoldTheActionsInOrder()
    {
        DWAVModule demo;
        MainWindow window(&demo);
        auto layout = [&window] {
            QStringList names;
            for (QAction *entry : window.menuBar()->actions()) {
                names << entry->text();
                for (QAction *a : entry->menu()->actions())
                    names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            }
            return names.join(QLatin1Char(' '));
        };
        const QString expected = "File loadSettingsAction saveSettingsAction saveAsSettingsAction - quitAction "
                                 "Service servicePanelAction calibrationPanelAction languageAction Help helpAction";
        QCOMPARE(layout(), expected);
        // Spelled out, as the platform's Save As key may differ.
        QCOMPARE(window.findChild<QAction *>(QStringLiteral("saveAsSettingsAction"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        window.findChild<QAction *>(QStringLiteral("languageAction"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(layout(), expected);
        QCOMPARE(window.menuBar()->findChildren<QMenu *>().size(), 3);
    }

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
        auto shown = [&window] {
            QStringList windows;
            for (QWidget *child : window.findChildren<QWidget *>())
                if (child->isWindow() && child->isVisible())
                    windows << (qobject_cast<QFileDialog *>(child) ? child->windowTitle() : child->objectName());
            return windows;
        };
        QCOMPARE(shown(), QStringList());
        window.findChild<QAction *>(action)->trigger();
        QCOMPARE(shown(), QStringList{opened});
    }

    // This test program is a host as far as the manual goes.
    void helpOpensTheManual()
    {
        DWAVModule demo;
        MainWindow window(&demo);
        window.findChild<QAction *>(QStringLiteral("helpAction"))->trigger();
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                                               + "/../TVKDWAV/kelvadoc_V2.docx")});
    }

    void manualPath_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("manual");
        const QString standalone = ProgramName::fileName();
        QTest::newRow("standalone") << "/opt/dwav/" + standalone << "/opt/dwav/kelvadoc_V2.docx";
        QTest::newRow("standalone name in other letter case")
            << "/opt/x/" + standalone.toUpper() << "/opt/x/../TVKDWAV/kelvadoc_V2.docx";
        QTest::newRow("drive letter") << "C:/TVKDWAV/" + standalone << "C:/TVKDWAV/kelvadoc_V2.docx";
    }

    void manualPath()
    {
        QFETCH(QString, program);
        QFETCH(QString, manual);
        QCOMPARE(UserManual::path(program), manual);
        // A drive letter is never taken for the scheme.
        const QUrl url = UserManual::url(program);
        QCOMPARE(url.scheme(), QStringLiteral("file"));
        QVERIFY2(url.path().endsWith(manual), qPrintable(url.toString()));
    }

private:
    UrlCatcher catcher;
};

DWAV_TEST_MAIN(TestMainWindowMenus)
#include "tst_mainwindowmenus.moc"
