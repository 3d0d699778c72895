#pragma once

#include "tvkdwav_32.h"

#include <QDialog>
#include <QFuture>
#include <QString>

#include <atomic>

class DWAVModule;
class QButtonGroup;
class QTableWidget;

namespace Ui {
class CalibrationDialog;
}

// The calibration panel of one module position: the calibration
// coefficients in a table, their flash copy read and written, and the
// calibration of either channel (on the pool, with the multimeter the module
// driver drives) or of the ADC (on the GUI thread). Writing the flash and
// calibrating are unlocked by the access code; calibration runs only in the
// standalone program.
//
// Threads: a channel calibration fills a record of its own; the dialog's
// record, which the table shows and the flash and ADC actions use, is only
// touched on the GUI thread, and takes the task's record once the task has
// returned. While the task runs, the flash and ADC actions are refused.
class CalibrationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalibrationDialog(DWAVModule *module, QWidget *parent = nullptr);
    ~CalibrationDialog() override;

    void retranslate();

    // The channel calibration task (chan 0 is 1/I, 1 is 2/Q); runs only on
    // the pool, started by the start button.
    int runCalibration(ushort chan);

    // Asks the module driver to end a running channel calibration and waits
    // until the task has returned.
    void stopAndWait();
    bool isCalibrating() const;

signals:
    void calibrationFinished(uint chan);

private slots:
    void on_checkPasswordPushButton_clicked();
    void on_readROMPushButton_clicked();
    void on_writeROMPushButton_clicked();
    void on_startCalibrationPushButton_clicked();
    void calibrationChanSelected();
    void on_calibrationPasswordLineEdit_editingFinished();
    void on_copyLogPushButton_clicked();
    void on_clearLogPushButton_clicked();
    void onCalibrationFinished(uint chan);

private:
    bool refuseWhileCalibrating();
    void startChannelCalibration(ushort chan);
    void calibrateADC();
    void refreshAfterFlashAccess(int result, const QString &succeeded, const QString &failed);
    void appendEntry(const QString &text, bool stamped = true);
    void buildCalibrationTable(QTableWidget *table, QButtonGroup *group);
    void addCalibrationRow(QTableWidget *table, QButtonGroup *group, int row, int column,
                           const QString &text, int rowSpan = 1, int columnSpan = 1);
    void setTableItem(QTableWidget *table, int row, int column, const QString &text);
    void showChanCoefficients(int chan);
    void showADCCoefficients();

    int mezNum = -1;
    Ui::CalibrationDialog *ui = nullptr;
    QButtonGroup *chanGroup = nullptr;
    DWAVModule *module = nullptr;
    bool accessGranted = false;
    QFuture<int> calibrationFuture;
    // Asked by stopAndWait; a task that starts after it calibrates nothing.
    std::atomic<bool> stopRequested{false};
    tvkdwav_CalibrationData calibrationRecord;
    // Written only by the running channel task.
    tvkdwav_CalibrationData taskRecord;
    int chan1Row = 0;
    int rowsPerChan = 6;
    int adcRow = 12;
};
