#include "ChanSettingsDialog.h"
#include "ui_ChanSettingsDialog.h"

#include "BindingNames.h"
#include "DWAVModule.h"

#include <QIcon>

namespace {

// Range items in their order on screen; the value is the driver's code.
const struct {
    const char *text;
    uint value;
} kRanges[] = {
    {QT_TRANSLATE_NOOP("ChanSettingsDialog", "1 V"), 0},
    {QT_TRANSLATE_NOOP("ChanSettingsDialog", "1 V (diff. output)"), 2},
    {QT_TRANSLATE_NOOP("ChanSettingsDialog", "10 V"), 1},
};
const uint kRangeWithOffset = 1;

} // namespace

ChanSettingsDialog::ChanSettingsDialog(DWAVModule *module, QWidget *parent)
    : SettingsDialog(module, parent)
    , form(new Ui::ChanSettingsDialog)
{
    form->setupUi(this);
    setButtonBox(form->buttonBox);
    tagParameterWidgets();
    collectParameterWidgets();
    fillRangeComboBoxes();
    // Locked until the window's first language switch retranslates us.
    lockParameterWidgets();
    for (int chan = 0; chan < 2; ++chan) {
        // Sets of the channel and position, not the blank ones of the members.
        pending[chan].assign(DWAVChanParameters(chan == 1, position));
        defaults[chan].assign(DWAVChanParameters(chan == 1, position));
    }
    setWindowTitle(tr("Channel settings"));
    setWindowIcon(QIcon(QStringLiteral(":/images/crystal/32px/1431631709_switchuser.png")));
    focusDefaultButton();
    enableOffset(0);
    enableOffset(1);
    becomeTopLevel(parent);
}

ChanSettingsDialog::~ChanSettingsDialog()
{
    delete form;
}

void ChanSettingsDialog::tagParameterWidgets()
{
    const struct {
        QWidget *widget;
        const char *key;
    } tags[] = {
        {form->chan1SettingsGroupBox, "chanState"},
        {form->chan2SettingsGroupBox, "chanState"},
        {form->rangeChan1ComboBox, "range"},
        {form->rangeChan2ComboBox, "range"},
        {form->offsetChan1DoubleSpinBox, "offset"},
        {form->offsetChan2DoubleSpinBox, "offset"},
        {form->RnChan1DoubleSpinBox, "Rn"},
        {form->RnChan2DoubleSpinBox, "Rn"},
    };
    for (const auto &t : tags) {
        t.widget->setProperty(BindingNames::parameterType, QString::fromLatin1(BindingNames::chanSet));
        t.widget->setProperty(BindingNames::parameterName, QString::fromLatin1(t.key));
    }
}

void ChanSettingsDialog::fillRangeComboBoxes()
{
    lockParameterWidgets();
    for (QComboBox *combo : {form->rangeChan1ComboBox, form->rangeChan2ComboBox}) {
        combo->clear();
        for (const auto &range : kRanges)
            combo->addItem(tr(range.text), QVariant(range.value));
    }
    unlockParameterWidgets();
}

void ChanSettingsDialog::retranslate()
{
    form->retranslateUi(this);
    fillRangeComboBoxes();
    // The rebuilt combo boxes lost their choice: pending edits go into the
    // module first, so that the refresh shows them again.
    applyParameters();
    updateWidgets(false);
    setWindowTitle(tr("Channel settings"));
}

IParameter *ChanSettingsDialog::pendingSet(int index)
{
    return &pending[index];
}

IParameter *ChanSettingsDialog::defaultSet(int index)
{
    return &defaults[index];
}

IParameter *ChanSettingsDialog::moduleSet(int index) const
{
    return module->chanParameters(index);
}

void ChanSettingsDialog::writeToModule(int index, const QString &key, const QVariant &value)
{
    module->setChanParameter(index, key, value);
}

void ChanSettingsDialog::setDefaultChanParameters(int chan, const DWAVChanParameters &chanParameters)
{
    if (chan == 0 || chan == 1)
        defaults[chan].assign(chanParameters);
}

void ChanSettingsDialog::enableOffset(int chan)
{
    QComboBox *range = chan == 0 ? form->rangeChan1ComboBox : form->rangeChan2ComboBox;
    QDoubleSpinBox *offset = chan == 0 ? form->offsetChan1DoubleSpinBox : form->offsetChan2DoubleSpinBox;
    offset->setEnabled(range->currentData(Qt::UserRole).toUInt() == kRangeWithOffset);
}

void ChanSettingsDialog::storeChanState(int chan, bool state)
{
    ParameterTypes::registerTypes();
    pending[chan].setParameter(QStringLiteral("chanState"), QVariant::fromValue(state ? ChanOn : ChanOff));
    if (chan == 0)
        emit chan1StateChanged(state);
    else
        emit chan2StateChanged(state);
}

void ChanSettingsDialog::storeRange(int chan)
{
    QComboBox *range = chan == 0 ? form->rangeChan1ComboBox : form->rangeChan2ComboBox;
    pending[chan].setParameter(QStringLiteral("range"), range->currentData(Qt::UserRole));
    enableOffset(chan);
}

void ChanSettingsDialog::on_chan1StateChanged(bool state)
{
    // Only a change checks the box, so the echo from the window ends here.
    if (form->chan1SettingsGroupBox->isChecked() != state)
        form->chan1SettingsGroupBox->setChecked(state);
}

void ChanSettingsDialog::on_chan2StateChanged(bool state)
{
    if (form->chan2SettingsGroupBox->isChecked() != state)
        form->chan2SettingsGroupBox->setChecked(state);
}

void ChanSettingsDialog::on_chan1SettingsGroupBox_toggled(bool state)
{
    storeChanState(0, state);
}

void ChanSettingsDialog::on_chan2SettingsGroupBox_toggled(bool state)
{
    storeChanState(1, state);
}

void ChanSettingsDialog::on_rangeChan1ComboBox_currentIndexChanged(int)
{
    storeRange(0);
}

void ChanSettingsDialog::on_rangeChan2ComboBox_currentIndexChanged(int)
{
    storeRange(1);
}

void ChanSettingsDialog::on_offsetChan1DoubleSpinBox_editingFinished()
{
    pending[0].setParameter(QStringLiteral("offset"), form->offsetChan1DoubleSpinBox->value());
}

void ChanSettingsDialog::on_offsetChan2DoubleSpinBox_editingFinished()
{
    pending[1].setParameter(QStringLiteral("offset"), form->offsetChan2DoubleSpinBox->value());
}

void ChanSettingsDialog::on_RnChan1DoubleSpinBox_editingFinished()
{
    pending[0].setParameter(QStringLiteral("Rn"), form->RnChan1DoubleSpinBox->value());
}

void ChanSettingsDialog::on_RnChan2DoubleSpinBox_editingFinished()
{
    pending[1].setParameter(QStringLiteral("Rn"), form->RnChan2DoubleSpinBox->value());
}

void ChanSettingsDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    handleButton(button);
}
