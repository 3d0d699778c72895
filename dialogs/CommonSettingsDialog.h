#pragma once

#include "DWAVCommonParameters.h"
#include "SettingsDialog.h"

class MainWindow;
class QAbstractButton;
class QComboBox;
class QLabel;

namespace Ui {
class CommonSettingsDialog;
}

// Synchronisation settings: data speed, sampling frequency, the source and
// output of the synchronisation frequency, the start source, delay and event
// form; two lamps for the SF state and capture; start by command.
class CommonSettingsDialog : public SettingsDialog
{
    Q_OBJECT

public:
    explicit CommonSettingsDialog(DWAVModule *module, QWidget *parent = nullptr);
    ~CommonSettingsDialog() override;

    void retranslate() override;
    // Reads the SF state and capture from the module: green when on, red
    // when off or unreadable.
    void updateStatusLamps();

private slots:
    void on_programStartSourceRadioButton_toggled(bool checked);
    void on_programCommandStartSourceRadioButton_toggled(bool checked);
    void on_NMStartSourceRadioButton_toggled(bool checked);
    void on_inputStartSourceRadioButton_toggled(bool checked);
    void on_frontEventTypeRadioButton_toggled(bool checked);
    void on_cutEventTypeRadioButton_toggled(bool checked);
    void on_startDelayDoubleSpinBox_editingFinished();
    void on_startDelayDimensionComboBox_currentIndexChanged(int index);
    void on_settingsDataSpeedComboBox_currentIndexChanged(int index);
    void on_settingsSamplingFrequencyComboBox_currentIndexChanged(int index);
    void on_settingsInnerFRSourceRadioButton_toggled(bool checked);
    void on_settingsOuterFRSourceRadioButton_toggled(bool checked);
    void on_SFOutputGroupBox_toggled(bool checked);
    void on_buttonBox_clicked(QAbstractButton *button);
    void on_programStartPushButton_clicked();
    void on_sf_output_value_comboBox_currentIndexChanged(int index);

protected:
    IParameter *pendingSet(int index) override;
    IParameter *defaultSet(int index) override;
    IParameter *moduleSet(int index) const override;
    void writeToModule(int index, const QString &key, const QVariant &value) override;

private:
    void tagParameterWidgets();
    void fillComboBoxes();
    // A radio button stores its value only when it becomes checked; the
    // newly checked partner stores its own.
    void storeChoice(bool checked, const char *key, int value);
    void storeItemData(const char *key, const QComboBox *combo);
    static void showLamp(QLabel *lamp, bool on);

    Ui::CommonSettingsDialog *form;
    DWAVCommonParameters pending;
    DWAVCommonParameters defaults;
    MainWindow *mainWindow = nullptr;
};
