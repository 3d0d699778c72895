#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QVariant>

class CalibrationDialog;
class DWAVModule;
class QCloseEvent;
class QLabel;
class QPushButton;
class QTimer;
class ServiceDialog;

namespace Ui {
class MainWindow;
}

// The soft front panel of one module position. The window is given its
// module and never owns it; destroying the window closes the module's
// driver session.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(DWAVModule *module, QWidget *parent = nullptr);
    ~MainWindow() override;

    // State indicator of the status bar: code picks the icon (0 to 12).
    void setStateIcon(unsigned code, const QString &text);
    // 0 idle "Start", 1 generating "Stop", 2 waiting for a command,
    // 3 delay running; the property decides what a press does.
    void setStartButtonState(int code);
    int startGeneration();
    int stopGeneration();
    // Start by command, asked for by the synchronisation settings.
    int programStart();
    // Brings every bound widget back in line with the module.
    void updateWidgets(bool setSpinBoxMinimum, bool withPanelSettings);

signals:
    void chan1StateChanged(bool state);
    void chan2StateChanged(bool state);
    void panelClosed();

public slots:
    void on_chan1StateChanged(bool state);
    void on_chan2StateChanged(bool state);
    void on_performConfig();

private slots:
    void on_AWGNumCyclesSpinBox_editingFinished();
    void on_AWGNumPackagesSpinBox_editingFinished();
    void on_AWGNumSamplesSpinBox_editingFinished();
    void on_AWGCircularModeRadioButton_toggled(bool checked);
    void on_AWGContinuousModeRadioButton_toggled(bool checked);
    void on_AWGWholeSequenceRadioButton_toggled(bool checked);
    void on_AWGEachPacketRadioButton_toggled(bool checked);
    void on_AWGBothChansRadioButton_toggled(bool checked);
    void on_AWGChan1RadioButton_toggled(bool checked);
    void on_AWGChan2RadioButton_toggled(bool checked);
    void on_AWGDataFormatDoubleRadioButton_toggled(bool checked);
    void on_AWGDataFormatUInt16RadioButton_toggled(bool checked);
    void on_resetDWAVPushButton_clicked();
    void on_configDWAVPushButton_clicked();
    void on_autoConfigCheckBox_toggled(bool checked);
    void on_queryConfigParametersCheckBox_toggled(bool checked);
    void on_startDWAVPushButton_clicked();
    void on_chan1FunctionGeneratorGroupBox_toggled(bool state);
    void on_chan2FunctionGeneratorGroupBox_toggled(bool state);
    void on_showAFGPagePushButton_clicked();
    void on_showAWGPagePushButton_clicked();
    void onTimeoutEvent();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void tagParameterWidgets();
    void createStatusBar();
    void checkInstrumentVersion();
    void updateTemperatureLabels();
    int updateGenerationState();
    void showGeneratorPage(int page);
    void storeChanState(int chan, bool state);
    void storeAWGChoice(const QString &key, const QVariant &value);

    int position = -1;
    Ui::MainWindow *form = nullptr;
    DWAVModule *module = nullptr;
    QPushButton *stateIndicator = nullptr;
    QLabel *messageLabel = nullptr;
    QLabel *iconLabel = nullptr;
    QLabel *tcontValueLabel = nullptr;
    QLabel *tcontCaptionLabel = nullptr;
    QLabel *tcardValueLabel = nullptr;
    QLabel *tcardCaptionLabel = nullptr;
    QList<QWidget *> boundWidgets;
    QTimer *pollingTimer = nullptr;
    bool versionChecked = false;
    // Service and calibration panels; each may run a task of its own on
    // the pool, which must end before the module is torn down.
    CalibrationDialog *calibrationDialog = nullptr;
    ServiceDialog *serviceDialog = nullptr;
    // Non-zero while the window itself puts module values into its widgets;
    // the change signals this fires must not configure the module.
    int refreshDepth = 0;
};
