#include "CommonSettingsDialog.h"
#include "ui_CommonSettingsDialog.h"

#include "BindingNames.h"
#include "CommonWidgetFunctions.h"
#include "DWAVModule.h"
#include "Dimensions.h"
#include "Logger.h"
#include "MainWindow.h"

#include <QIcon>

namespace {

// Codes of the driver; the rates are shown as numbers and not translated.
const char *const kRates[] = {"75", "150", "300", "600", "1200"};
const int kDataSpeedCount = 4;
const int kSampleFreqCount = 5;

// Output frequency codes start at 1: code 0 means no output.
const char *const kOutputFrequencies[] = {
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "5 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "10 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "20 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "25 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "30 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "40 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "50 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "60 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "75 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "100 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "150 MHz"),
    QT_TRANSLATE_NOOP("CommonSettingsDialog", "300 MHz"),
};

const char *const kGreenLamp = ":/images/Radio_button_green_1.svg";
const char *const kRedLamp = ":/images/Radio_button_red_1.svg";

} // namespace

CommonSettingsDialog::CommonSettingsDialog(DWAVModule *module, QWidget *parent)
    : SettingsDialog(module, parent)
    , form(new Ui::CommonSettingsDialog)
{
    form->setupUi(this);
    setButtonBox(form->buttonBox);
    tagParameterWidgets();
    collectParameterWidgets();
    fillComboBoxes();
    // Locked until the window's first language switch retranslates us.
    lockParameterWidgets();
    setWindowTitle(tr("Synchronization settings"));
    setWindowIcon(QIcon(QStringLiteral(":/images/crystal/32px/1431631270_blockdevice.png")));
    focusDefaultButton();
    mainWindow = qobject_cast<MainWindow *>(parent);
    becomeTopLevel(parent);
}

CommonSettingsDialog::~CommonSettingsDialog()
{
    delete form;
}

void CommonSettingsDialog::tagParameterWidgets()
{
    const struct {
        QWidget *widget;
        const char *key;
        int constant;  // the value a radio button stands for, -1 for none
    } tags[] = {
        {form->settingsDataSpeedComboBox, "dataSpeed", -1},
        {form->settingsSamplingFrequencyComboBox, "sampleFreq", -1},
        {form->settingsInnerFRSourceRadioButton, "SF_source", 0},
        {form->settingsOuterFRSourceRadioButton, "SF_source", 1},
        {form->SFOutputGroupBox, "SF_state", -1},
        {form->sf_output_value_comboBox, "SF_output_freq", -1},
        {form->programStartSourceRadioButton, "startSource", 0},
        {form->programCommandStartSourceRadioButton, "startSource", 1},
        {form->inputStartSourceRadioButton, "startSource", 2},
        {form->NMStartSourceRadioButton, "startSource", 3},
        {form->startDelayDoubleSpinBox, "startDelay", -1},
        {form->startDelayDimensionComboBox, "startDelayModifier", -1},
        {form->frontEventTypeRadioButton, "startEventForm", 0},
        {form->cutEventTypeRadioButton, "startEventForm", 1},
    };
    for (const auto &t : tags) {
        t.widget->setProperty(BindingNames::parameterType, QString::fromLatin1(BindingNames::commonSet));
        t.widget->setProperty(BindingNames::parameterName, QString::fromLatin1(t.key));
        if (t.constant >= 0)
            t.widget->setProperty(BindingNames::parameterConstValue, QVariant(uint(t.constant)));
    }
}

void CommonSettingsDialog::fillComboBoxes()
{
    lockParameterWidgets();
    form->settingsDataSpeedComboBox->clear();
    for (int code = 0; code < kDataSpeedCount; ++code)
        form->settingsDataSpeedComboBox->addItem(QString::fromLatin1(kRates[code]), QVariant(uint(code)));
    form->settingsSamplingFrequencyComboBox->clear();
    for (int code = 0; code < kSampleFreqCount; ++code)
        form->settingsSamplingFrequencyComboBox->addItem(QString::fromLatin1(kRates[code]), QVariant(uint(code)));
    form->sf_output_value_comboBox->clear();
    uint code = 1;
    for (const char *text : kOutputFrequencies)
        form->sf_output_value_comboBox->addItem(tr(text), QVariant(code++));
    form->sf_output_value_comboBox->setCurrentIndex(1);

    Dimensions *dimensions = Dimensions::instance();
    const QList<int> multipliers = dimensions->timeDimensions().keys();
    form->startDelayDimensionComboBox->clear();
    for (int multiplier : multipliers)
        form->startDelayDimensionComboBox->addItem(dimensions->timeUnit(multiplier), QVariant(multiplier));
    unlockParameterWidgets();
}

void CommonSettingsDialog::retranslate()
{
    form->retranslateUi(this);
    fillComboBoxes();
    applyParameters();
    updateWidgets(false);
    setWindowTitle(tr("Synchronization settings"));
}

IParameter *CommonSettingsDialog::pendingSet(int)
{
    return &pending;
}

IParameter *CommonSettingsDialog::defaultSet(int)
{
    return &defaults;
}

IParameter *CommonSettingsDialog::moduleSet(int) const
{
    return module->commonParameters();
}

void CommonSettingsDialog::writeToModule(int, const QString &key, const QVariant &value)
{
    module->setCommonParameter(key, value);
}

void CommonSettingsDialog::updateStatusLamps()
{
    bool sfOn = false;
    bool locked = false;
    // Without a driver session there is nothing to read; the lamps stay red.
    if (module && module->isInitialized()) {
        module->getSFstate(&sfOn);
        module->getLockDetect(&locked);
    }
    showLamp(form->SFStateIndicatorLabel, sfOn);
    showLamp(form->LockDetectIndicatorLabel, locked);
}

void CommonSettingsDialog::showLamp(QLabel *lamp, bool on)
{
    lamp->setPixmap(CommonWidgetFunctions::svgPixmap(QLatin1String(on ? kGreenLamp : kRedLamp), QSize(20, 20)));
}

void CommonSettingsDialog::storeChoice(bool checked, const char *key, int value)
{
    if (checked)
        pending.setParameter(QLatin1String(key), value);
}

void CommonSettingsDialog::storeItemData(const char *key, const QComboBox *combo)
{
    pending.setParameter(QLatin1String(key), combo->currentData(Qt::UserRole));
}

void CommonSettingsDialog::on_programStartSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startSource", 0);
}

void CommonSettingsDialog::on_programCommandStartSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startSource", 1);
}

void CommonSettingsDialog::on_inputStartSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startSource", 2);
}

void CommonSettingsDialog::on_NMStartSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startSource", 3);
}

void CommonSettingsDialog::on_frontEventTypeRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startEventForm", 0);
}

void CommonSettingsDialog::on_cutEventTypeRadioButton_toggled(bool checked)
{
    storeChoice(checked, "startEventForm", 1);
}

void CommonSettingsDialog::on_settingsInnerFRSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "SF_source", 0);
}

void CommonSettingsDialog::on_settingsOuterFRSourceRadioButton_toggled(bool checked)
{
    storeChoice(checked, "SF_source", 1);
}

void CommonSettingsDialog::on_SFOutputGroupBox_toggled(bool checked)
{
    pending.setParameter(QStringLiteral("SF_state"), checked ? 1u : 0u);
}

void CommonSettingsDialog::on_startDelayDoubleSpinBox_editingFinished()
{
    pending.setParameter(QStringLiteral("startDelay"), form->startDelayDoubleSpinBox->value());
}

void CommonSettingsDialog::on_startDelayDimensionComboBox_currentIndexChanged(int)
{
    storeItemData("startDelayModifier", form->startDelayDimensionComboBox);
}

void CommonSettingsDialog::on_settingsDataSpeedComboBox_currentIndexChanged(int)
{
    storeItemData("dataSpeed", form->settingsDataSpeedComboBox);
}

void CommonSettingsDialog::on_settingsSamplingFrequencyComboBox_currentIndexChanged(int)
{
    storeItemData("sampleFreq", form->settingsSamplingFrequencyComboBox);
}

void CommonSettingsDialog::on_sf_output_value_comboBox_currentIndexChanged(int)
{
    storeItemData("SF_output_freq", form->sf_output_value_comboBox);
}

void CommonSettingsDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    handleButton(button);
}

void CommonSettingsDialog::on_programStartPushButton_clicked()
{
    // What is checked on screen counts, applied or not.
    if (form->programCommandStartSourceRadioButton->isChecked()) {
        if (mainWindow)
            mainWindow->programStart();
        return;
    }
    Logger::instance(position)->critical(
        tr("To start DWAV by command please check \"Command start\" radio button."),
        tr("Cannot start DWAV by command"));
}
