#pragma once

#include "DWAVQMParameters.h"
#include "SettingsDialog.h"

class QAbstractButton;
class QComboBox;

namespace Ui {
class QuadratureModulationDialog;
}

// The I/Q modulator drawn as a block diagram from the RAM data to the two
// DAC outputs: premodulation, half-band filters, NCO, sin(x)/x filter, I/Q
// adjustment and options. Shows the data speed and sampling frequency of
// the module's common set as they change.
class QuadratureModulationDialog : public SettingsDialog
{
    Q_OBJECT

public:
    explicit QuadratureModulationDialog(DWAVModule *module, QWidget *parent = nullptr);
    ~QuadratureModulationDialog() override;

    void retranslate() override;

public slots:
    // The module's common set reports a watched key; its current rate is
    // shown (the value itself is not used).
    void commonParameterChanged(QString paramName, QVariant value);

private slots:
    void on_useQuadratureModulationCheckBox_toggled(bool checked);
    void on_premodulationCheckBox_toggled(bool checked);
    void on_HB1ComboBox_currentIndexChanged(int index);
    void on_modulationGroupBox_toggled(bool state);
    void on_attenuateNCOCheckBox_toggled(bool checked);
    void on_modulationDoubleSpinBox_editingFinished();
    void on_modulationDimensionComboBox_currentIndexChanged(int index);
    void on_HB2ComboBox_currentIndexChanged(int index);
    void on_HB3ComboBox_currentIndexChanged(int index);
    void on_adjustIQGroupBox_toggled(bool state);
    void on_amplitudeDiffDoubleSpinBox_I_editingFinished();
    void on_amplitudeDiffDoubleSpinBox_Q_editingFinished();
    void on_phaseDiffDoubleSpinBox_editingFinished();
    void on_filterSinXCheckBox_toggled(bool checked);
    void on_invertSideBandCheckBox_toggled(bool checked);
    void on_doubleDataBothChansCheckBox_toggled(bool checked);
    void on_buttonBox_clicked(QAbstractButton *button);

protected:
    IParameter *pendingSet(int index) override;
    IParameter *defaultSet(int index) override;
    IParameter *moduleSet(int index) const override;
    void writeToModule(int index, const QString &key, const QVariant &value) override;

private:
    void tagParameterWidgets();
    void fillComboBoxes();
    void showDataSpeed();
    void showSampleFreq();
    void store(const char *key, const QVariant &value);
    void storeItemData(const char *key, const QComboBox *combo);

    Ui::QuadratureModulationDialog *form;
    DWAVQMParameters pending;
    DWAVQMParameters defaults;
};
