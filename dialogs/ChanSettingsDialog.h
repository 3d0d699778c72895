#pragma once

#include "DWAVChanParameters.h"
#include "SettingsDialog.h"

class QAbstractButton;

namespace Ui {
class ChanSettingsDialog;
}

// Output settings of both channels: on/off, range, offset and load
// resistance. Switching a channel on or off is passed to the main window at
// once (chan1StateChanged / chan2StateChanged), which stores it in the
// module; everything else waits in the pending sets.
class ChanSettingsDialog : public SettingsDialog
{
    Q_OBJECT

public:
    explicit ChanSettingsDialog(DWAVModule *module, QWidget *parent = nullptr);
    ~ChanSettingsDialog() override;

    void retranslate() override;

signals:
    void chan1StateChanged(bool state);
    void chan2StateChanged(bool state);

public slots:
    void on_chan1StateChanged(bool state);
    void on_chan2StateChanged(bool state);

private slots:
    void on_chan1SettingsGroupBox_toggled(bool state);
    void on_rangeChan1ComboBox_currentIndexChanged(int index);
    void on_offsetChan1DoubleSpinBox_editingFinished();
    void on_RnChan1DoubleSpinBox_editingFinished();
    void on_chan2SettingsGroupBox_toggled(bool state);
    void on_rangeChan2ComboBox_currentIndexChanged(int index);
    void on_offsetChan2DoubleSpinBox_editingFinished();
    void on_RnChan2DoubleSpinBox_editingFinished();
    // Replaces the default set of channel index chan (0 or 1); neither the
    // module nor the widgets change.
    void setDefaultChanParameters(int chan, const DWAVChanParameters &chanParameters);
    void on_buttonBox_clicked(QAbstractButton *button);

protected:
    int setCount() const override { return 2; }
    IParameter *pendingSet(int index) override;
    IParameter *defaultSet(int index) override;
    IParameter *moduleSet(int index) const override;
    void writeToModule(int index, const QString &key, const QVariant &value) override;

private:
    void tagParameterWidgets();
    void fillRangeComboBoxes();
    // Only the 10 V range takes an offset.
    void enableOffset(int chan);
    void storeChanState(int chan, bool state);
    void storeRange(int chan);

    Ui::ChanSettingsDialog *form;
    DWAVChanParameters pending[2];
    DWAVChanParameters defaults[2];
};
