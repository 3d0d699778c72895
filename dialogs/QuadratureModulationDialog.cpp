#include "QuadratureModulationDialog.h"
#include "ui_QuadratureModulationDialog.h"

#include "BindingNames.h"
#include "DWAVCommonParameters.h"
#include "DWAVModule.h"
#include "Dimensions.h"

#include <QIcon>

namespace {

// Pass bands of the half-band filters in their order; the item's place is
// its code, 0 being "Off". The bands are shown as written, untranslated.
const char *const kHB1Bands[] = {"-0,4÷0,4", "0,1÷0,9", "0,6÷1,4", "1,1÷1,9"};
const char *const kHB2Bands[] = {"-0,25÷0,25", "0÷0,5", "0,25÷0,75", "0,5÷1",
                                 "0,75÷1,25", "1÷1,5", "1,25÷1,75", "1,5÷2"};
const char *const kHB3Bands[] = {"-0,2÷0,2", "0,05÷0,45", "0,3÷0,7", "0,55÷0,95",
                                 "0,8÷1,2", "1,05÷1,45", "1,3÷1,7", "1,55÷1,95"};

template <size_t N>
void fillBands(QComboBox *combo, const QString &off, const char *const (&bands)[N])
{
    combo->clear();
    combo->addItem(off, QVariant(0u));
    for (size_t i = 0; i < N; ++i)
        combo->addItem(QString::fromUtf8(bands[i]), QVariant(uint(i + 1)));
}

QString megaText(long double rate)
{
    return QString::number(double(rate / 1000000.0L), 'f', 0);
}

} // namespace

QuadratureModulationDialog::QuadratureModulationDialog(DWAVModule *module, QWidget *parent)
    : SettingsDialog(module, parent)
    , form(new Ui::QuadratureModulationDialog)
{
    form->setupUi(this);
    setButtonBox(form->buttonBox);
    tagParameterWidgets();
    collectParameterWidgets();
    fillComboBoxes();
    if (DWAVCommonParameters *common = module ? module->commonParameters() : nullptr) {
        common->addWatchedParameter(QStringLiteral("dataSpeed"));
        common->addWatchedParameter(QStringLiteral("sampleFreq"));
        connect(common, SIGNAL(parameterChanged(QString, QVariant)), this,
                SLOT(commonParameterChanged(QString, QVariant)));
    }
    // Locked until the window's first language switch refills the boxes.
    lockParameterWidgets();
    setWindowTitle(tr("Modulator settings"));
    setWindowIcon(QIcon(QStringLiteral(":/images/ViriDidiv-Icon-150x150.png")));
    focusDefaultButton();
    becomeTopLevel(parent);
}

QuadratureModulationDialog::~QuadratureModulationDialog()
{
    delete form;
}

void QuadratureModulationDialog::tagParameterWidgets()
{
    const struct {
        QWidget *widget;
        const char *key;
    } tags[] = {
        {form->useQuadratureModulationCheckBox, "useQM"},
        {form->premodulationCheckBox, "premodul"},
        {form->HB1GroupBox, "HB1"},
        {form->HB2GroupBox, "HB2"},
        {form->HB3GroupBox, "HB3"},
        {form->modulationGroupBox, "modulNCO"},
        {form->modulationDoubleSpinBox, "freqNCO"},
        {form->modulationDimensionComboBox, "freqNCOModifier"},
        {form->attenuateNCOCheckBox, "attenuateNCO"},
        {form->HB1ComboBox, "HB1"},
        {form->HB2ComboBox, "HB2"},
        {form->HB3ComboBox, "HB3"},
        {form->adjustIQGroupBox, "adjustIQ"},
        {form->amplitudeDiffDoubleSpinBox_I, "modulAmplDiff_I"},
        {form->amplitudeDiffDoubleSpinBox_Q, "modulAmplDiff_Q"},
        {form->phaseDiffDoubleSpinBox, "modulPhaseDiff"},
        {form->filterSinXCheckBox, "sinXFilter"},
        {form->invertSideBandCheckBox, "invertSideBand"},
        {form->doubleDataBothChansCheckBox, "doubleDataForBothChans"},
    };
    for (const auto &t : tags) {
        t.widget->setProperty(BindingNames::parameterType, QString::fromLatin1(BindingNames::qmSet));
        t.widget->setProperty(BindingNames::parameterName, QString::fromLatin1(t.key));
    }
}

void QuadratureModulationDialog::fillComboBoxes()
{
    lockParameterWidgets();
    const QString off = tr("Off");
    fillBands(form->HB1ComboBox, off, kHB1Bands);
    fillBands(form->HB2ComboBox, off, kHB2Bands);
    fillBands(form->HB3ComboBox, off, kHB3Bands);

    Dimensions *dimensions = Dimensions::instance();
    const QList<int> multipliers = dimensions->freqDimensions().keys();
    form->modulationDimensionComboBox->clear();
    for (int multiplier : multipliers)
        form->modulationDimensionComboBox->addItem(dimensions->freqUnit(multiplier), QVariant(multiplier));
    showDataSpeed();
    showSampleFreq();
    unlockParameterWidgets();
}

void QuadratureModulationDialog::retranslate()
{
    form->retranslateUi(this);
    fillComboBoxes();
    applyParameters();
    updateWidgets(false);
    setWindowTitle(tr("Modulator settings"));
}

void QuadratureModulationDialog::showDataSpeed()
{
    if (module)
        form->dataSpeedLineEdit->setText(megaText(module->dataSpeed()));
}

void QuadratureModulationDialog::showSampleFreq()
{
    if (module)
        form->samplFreqLineEdit->setText(megaText(module->sampleFreq()));
}

void QuadratureModulationDialog::commonParameterChanged(QString paramName, QVariant)
{
    if (paramName.compare(QLatin1String("dataSpeed"), Qt::CaseInsensitive) == 0)
        showDataSpeed();
    else if (paramName.compare(QLatin1String("sampleFreq"), Qt::CaseInsensitive) == 0)
        showSampleFreq();
}

IParameter *QuadratureModulationDialog::pendingSet(int)
{
    return &pending;
}

IParameter *QuadratureModulationDialog::defaultSet(int)
{
    return &defaults;
}

IParameter *QuadratureModulationDialog::moduleSet(int) const
{
    return module->qmParameters();
}

void QuadratureModulationDialog::writeToModule(int, const QString &key, const QVariant &value)
{
    module->setQMParameter(key, value);
}

void QuadratureModulationDialog::store(const char *key, const QVariant &value)
{
    pending.setParameter(QLatin1String(key), value);
}

void QuadratureModulationDialog::storeItemData(const char *key, const QComboBox *combo)
{
    store(key, combo->currentData(Qt::UserRole));
}

void QuadratureModulationDialog::on_useQuadratureModulationCheckBox_toggled(bool checked)
{
    store("useQM", checked);
    form->QMGroupBox->setEnabled(checked);
    form->useQMWarningPictureLabel->setVisible(checked);
    form->useQMWarningLabel->setVisible(checked);
}

void QuadratureModulationDialog::on_premodulationCheckBox_toggled(bool checked)
{
    store("premodul", checked);
}

void QuadratureModulationDialog::on_HB1ComboBox_currentIndexChanged(int)
{
    storeItemData("HB1", form->HB1ComboBox);
}

void QuadratureModulationDialog::on_HB2ComboBox_currentIndexChanged(int)
{
    storeItemData("HB2", form->HB2ComboBox);
}

void QuadratureModulationDialog::on_HB3ComboBox_currentIndexChanged(int)
{
    storeItemData("HB3", form->HB3ComboBox);
}

void QuadratureModulationDialog::on_modulationGroupBox_toggled(bool state)
{
    store("modulNCO", state);
}

void QuadratureModulationDialog::on_attenuateNCOCheckBox_toggled(bool checked)
{
    store("attenuateNCO", checked);
}

void QuadratureModulationDialog::on_modulationDoubleSpinBox_editingFinished()
{
    store("freqNCO", form->modulationDoubleSpinBox->value());
}

void QuadratureModulationDialog::on_modulationDimensionComboBox_currentIndexChanged(int)
{
    store("freqNCOModifier", form->modulationDimensionComboBox->currentData(Qt::UserRole).toInt());
}

void QuadratureModulationDialog::on_adjustIQGroupBox_toggled(bool state)
{
    store("adjustIQ", state);
}

void QuadratureModulationDialog::on_amplitudeDiffDoubleSpinBox_I_editingFinished()
{
    store("modulAmplDiff_I", form->amplitudeDiffDoubleSpinBox_I->value());
}

void QuadratureModulationDialog::on_amplitudeDiffDoubleSpinBox_Q_editingFinished()
{
    store("modulAmplDiff_Q", form->amplitudeDiffDoubleSpinBox_Q->value());
}

void QuadratureModulationDialog::on_phaseDiffDoubleSpinBox_editingFinished()
{
    store("modulPhaseDiff", form->phaseDiffDoubleSpinBox->value());
}

void QuadratureModulationDialog::on_filterSinXCheckBox_toggled(bool checked)
{
    store("sinXFilter", checked);
}

void QuadratureModulationDialog::on_invertSideBandCheckBox_toggled(bool checked)
{
    store("invertSideBand", checked);
}

void QuadratureModulationDialog::on_doubleDataBothChansCheckBox_toggled(bool checked)
{
    store("doubleDataForBothChans", checked);
}

void QuadratureModulationDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    handleButton(button);
}
