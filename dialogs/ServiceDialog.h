#pragma once

#include <QDialog>
#include <QFuture>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QVector>

#include <atomic>

class DWAVModule;
class QButtonGroup;
class QMessageBox;
class QTimer;

namespace Ui {
class ServiceDialog;
}

// The service panel of one module position: the module's self tests run one
// after another on a pool thread, with connection prompts and a time-stamped
// test protocol; the ADC reading; the instrument, driver and panel versions.
//
// Threads: a run works on a snapshot taken on the GUI thread when it starts
// and never touches a widget; it reports through the queued signals
// testFinished and showMessage and waits for a prompt on an atomic flag. At
// most one run is under way; stopAndWait() must be called (the destructor
// does) before the module goes. The end of the application object asks
// every run to stop, since no prompt can be answered after it.
class ServiceDialog : public QDialog
{
    Q_OBJECT

public:
    // Test types: the TestType of the check boxes, the testType of the
    // signals and the type the module runs.
    enum TestType {
        SelfTest = 0,
        OkOffTest = 1,
        RamTest = 2,
        AfgChan1Test = 3,
        AfgChan2Test = 4,
        // testFinished with this type ends a run.
        RunFinished = 5
    };

    struct PlannedTest {
        int type = SelfTest;
        QString name;
        QString prompt;  // empty: the test needs no connection
    };
    // What one run does, in run order.
    struct TestPlan {
        QVector<PlannedTest> tests;
        QVariantList ramArguments;  // start, kilo-samples, mode, read only
    };

    explicit ServiceDialog(DWAVModule *module, QWidget *parent = nullptr);
    ~ServiceDialog() override;

    void retranslate();

    // The test task; runs only on the pool, started by the run button.
    int runTests(const TestPlan &plan);

    // Asks a run to stop (a prompt wait ends at once, no further test starts)
    // and waits until the task has returned.
    void stopAndWait();
    // Asks a run to stop after its current test, without waiting.
    void requestStop();
    bool isRunning() const;

protected:
    void hideEvent(QHideEvent *event) override;

signals:
    void testFinished(int testType, int testResult, QString message);
    void showMessage(QString testName, QString message);

private slots:
    void on_pollPushButton_clicked();
    void on_pollPushButton_toggled(bool checked);
    void on_cyclePollingCheckBox_toggled(bool checked);
    void on_saveTestProtocolPushButton_clicked();
    void on_copyTestProtocolPushButton_clicked();
    void on_clearTestProtocolPushButton_clicked();
    void on_runTestsPushButton_clicked();
    void on_cycleTestsCheckBox_toggled(bool checked);
    void on_runTestsPushButton_toggled(bool checked);
    void onTestFinished(int tstType, int testResult, QString message);
    void onShowMessage(QString testName, QString message);

private:
    void startRun();
    TestPlan takeSnapshot() const;
    QString testName(int type) const;
    QString testPrompt(int type) const;
    void appendEntry(const QString &text);
    void saveTestProtocol(const QString &fileName);
    void fillComboBoxes();
    void tagTestCheckBoxes();
    void setupButtonGroups();
    void updateInfoTable();
    void setInfoItem(int column, const QString &text, bool highlighted = false);

    int mezNum = -1;
    Ui::ServiceDialog *ui = nullptr;
    QButtonGroup *testGroup = nullptr;
    QButtonGroup *adcGroup = nullptr;
    DWAVModule *module = nullptr;
    QTimer *pollTimer = nullptr;
    QTimer *testTimer = nullptr;
    QFuture<int> testFuture;
    std::atomic<bool> waitingForPrompt{false};
    std::atomic<bool> stopRequested{false};
    QString versionMessage;
    // The connection prompt being shown, closed when its run ends first.
    QPointer<QMessageBox> promptBox;
};
