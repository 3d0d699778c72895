#include "DWAVModule.h"
#include "DWAVPanelData.h"
#include "MainWindow.h"
#include "TestMain.h"

#include <QPointer>

// The panel record between a window and the host's flag, on a module in
// DEMO mode (never initialised, so no driver session is involved).
class TestDWAVPanelData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
    }

    void flagFollowsTheWindow()
    {
        DWAVModule module;
        auto *window = new MainWindow(&module, nullptr);
        int flag = -7;
        {
            DWAVPanelData record(&module, window, -1, &flag);
            QCOMPARE(flag, 1);
            QCOMPARE(record.initResult(), -1);
            window->show();
            window->close();
            QCOMPARE(flag, 0);
            QVERIFY(window->isHidden());
            record.setVisibleFlag(1);
            QCOMPARE(flag, 1);
            // The close-panel action closes the window the same way.
            window->show();
            window->close();
            QCOMPARE(flag, 0);
        }
        delete window;
    }

    // The record hands its window to the event loop; the window must still
    // be there until the loop runs the deletion.
    void destructionSchedulesTheWindowsDeletion()
    {
        DWAVModule module;
        QPointer<MainWindow> window = new MainWindow(&module, nullptr);
        auto *record = new DWAVPanelData(&module, window, -1, nullptr);
        delete record;
        QVERIFY(!window.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // A window destroyed directly (closing or unloading) must not be
    // deleted a second time by its record.
    void windowDestroyedFirstIsNotDeletedAgain()
    {
        DWAVModule module;
        auto *window = new MainWindow(&module, nullptr);
        auto *record = new DWAVPanelData(&module, window, -1, nullptr);
        delete window;
        QVERIFY(!record->window());
        delete record;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto *second = new MainWindow(&module, nullptr);
        DWAVPanelData other(&module, second, -1, nullptr);
        QCOMPARE(other.takeWindow(), second);
        QVERIFY(!other.window());
        delete second;
    }
};

DWAV_TEST_MAIN(TestDWAVPanelData)
#include "tst_dwavpaneldata.moc"
