// The AFG page of the main window: the selectors of signal form, modulation
// and units, and the slots that copy each edited value into the channel's
// AFG set. Nothing here reaches the device; configuration sends the values.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AFGParameters.h"
#include "DWAVModule.h"
#include "Dimensions.h"
#include "MultilevelPointsFile.h"
#include "ParameterTypes.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>

namespace {

const QString harmonicGroup = QStringLiteral("harmonicalParameters");
const QString triangularGroup = QStringLiteral("triangularParameters");
const QString impulseGroup = QStringLiteral("impulseParameters");
const QString levelGroup = QStringLiteral("levelParameters");

// The sub-set held by a value: the value itself when it holds the type, else
// what the standard conversion makes of it, else a default sub-set.
template<typename Set>
Set subSetOf(const QVariant &value)
{
    const int type = qMetaTypeId<Set>();
    if (value.userType() == type)
        return value.value<Set>();
    QVariant converted = value;
    if (converted.isValid() && converted.convert(type))
        return converted.value<Set>();
    return Set(-1, nullptr);
}

template<typename Set>
void editSubSet(DWAVModule *module, int chan, const QString &group, const QVariantMap &values)
{
    Set set = subSetOf<Set>(module->afgParameter(chan, group));
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        set.setParameter(it.key(), it.value());
    module->setAFGParameter(chan, group, QVariant::fromValue(set));
}

// Fills a unit selector with the units in ascending multiplier.
void fillUnits(QComboBox *combo, const QMap<int, QString> &units)
{
    combo->clear();
    for (auto it = units.constBegin(); it != units.constEnd(); ++it)
        combo->addItem(it.value(), it.key());
}

} // namespace

void MainWindow::storeAfgValues(int chan, const QString &group, const QVariantMap &values)
{
    ParameterTypes::registerTypes();
    switch (AFGParameters::subSetForm(group)) {
    case AfgHarmonic: editSubSet<HarmonicalParameters>(module, chan, group, values); break;
    case AfgTriangular: editSubSet<TriangularParameters>(module, chan, group, values); break;
    case AfgImpulse: editSubSet<ImpulseParameters>(module, chan, group, values); break;
    case AfgLevel: editSubSet<LevelParameters>(module, chan, group, values); break;
    case AfgMultilevel: editSubSet<MultilevelParameters>(module, chan, group, values); break;
    default: break;
    }
}

void MainWindow::storeAfgValue(int chan, const QString &group, const QString &key,
                               const QVariant &value)
{
    storeAfgValues(chan, group, QVariantMap{{key, value}});
}

void MainWindow::lockParameterWidgets()
{
    for (QWidget *widget : qAsConst(boundWidgets)) {
        widget->setUpdatesEnabled(false);
        widget->blockSignals(true);
    }
}

void MainWindow::unlockParameterWidgets()
{
    for (QWidget *widget : qAsConst(boundWidgets)) {
        widget->setUpdatesEnabled(true);
        widget->blockSignals(false);
    }
}

void MainWindow::initComboBoxes()
{
    lockParameterWidgets();

    static const struct {
        const char *text;
        int value;
    } forms[] = {
        {QT_TR_NOOP("Harmonic"), AfgHarmonic},
        {QT_TR_NOOP("Triangular"), AfgTriangular},
        {QT_TR_NOOP("Impulse"), AfgImpulse},
        {QT_TR_NOOP("Level"), AfgLevel},
        {QT_TR_NOOP("Multilevel"), AfgMultilevel},
    };
    // The modulation items stand in the operator's order, not by value.
    static const struct {
        const char *text;
        int value;
    } modulations[] = {
        {QT_TR_NOOP("Off"), ModulOff}, {QT_TR_NOOP("AM"), ModulAM}, {QT_TR_NOOP("FM"), ModulFM},
        {QT_TR_NOOP("LFM"), ModulLFM}, {QT_TR_NOOP("PM"), ModulPM}, {QT_TR_NOOP("FT"), ModulFT},
    };
    ParameterTypes::registerTypes();
    for (QComboBox *combo : {form->chan1SignalFormComboBox, form->chan2SignalFormComboBox}) {
        combo->clear();
        for (const auto &item : forms)
            combo->addItem(tr(item.text), QVariant::fromValue(afgSignalTypes(item.value)));
    }
    for (QComboBox *combo : {form->chan1HarmonicModulTypeComboBox, form->chan2HarmonicModulTypeComboBox}) {
        combo->clear();
        for (const auto &item : modulations)
            combo->addItem(tr(item.text), QVariant::fromValue(modulType(item.value)));
    }

    for (int chan = 0; chan < 2; ++chan) {
        pointsCountSpinBox(chan)->setRange(0, MultilevelPointsFile::maxPoints);
        QTableWidget *table = pointsTable(chan);
        table->setColumnCount(1);
        table->setHorizontalHeaderLabels({tr("Level U, V")});
        table->horizontalHeader()->setStretchLastSection(true);
    }

    const QMap<int, QString> timeUnits = Dimensions::instance()->timeDimensions();
    for (QComboBox *combo : {form->chan1TriangularTupComboBox, form->chan1TriangularTdnComboBox,
                             form->chan1ImpulseTComboBox, form->chan2TriangularTupComboBox,
                             form->chan2TriangularTdnComboBox, form->chan2ImpulseTComboBox})
        fillUnits(combo, timeUnits);
    const QMap<int, QString> freqUnits = Dimensions::instance()->freqDimensions();
    for (QComboBox *combo : {form->chan1HarmonicFreqDimComboBox, form->chan1HarmonicModulFreqDimComboBox,
                             form->chan1HarmonicFreqDevDimComboBox, form->chan2HarmonicFreqDimComboBox,
                             form->chan2HarmonicModulFreqDimComboBox, form->chan2HarmonicFreqDevDimComboBox})
        fillUnits(combo, freqUnits);

    unlockParameterWidgets();
}

// The form's items stand in the order of the signal-form values, so the
// index is the value.
void MainWindow::showSignalForm(int chan, int index)
{
    if (index < 0)
        return;  // an emptied selector
    (chan == 0 ? form->chan1FGStackedWidget : form->chan2FGStackedWidget)->setCurrentIndex(index);
    ParameterTypes::registerTypes();
    module->setAFGParameter(chan, QStringLiteral("currentSignalType"),
                            QVariant::fromValue(afgSignalTypes(index)));
}

void MainWindow::on_chan1SignalFormComboBox_currentIndexChanged(int index)
{
    showSignalForm(0, index);
}

void MainWindow::on_chan2SignalFormComboBox_currentIndexChanged(int index)
{
    showSignalForm(1, index);
}

void MainWindow::applyModulationType(int chan)
{
    const bool first = chan == 0;
    QComboBox *combo = first ? form->chan1HarmonicModulTypeComboBox : form->chan2HarmonicModulTypeComboBox;
    QStackedWidget *pages =
        first ? form->chan1HarmonicModulationStackedWidget : form->chan2HarmonicModulationStackedWidget;

    bool known = false;
    const int value = combo->currentData().toInt(&known);
    known = known && value >= ModulOff && value <= ModulFT;
    const modulType type = known ? modulType(value) : ModulOff;
    ParameterTypes::registerTypes();
    storeAfgValue(chan, harmonicGroup, QStringLiteral("modulType"), QVariant::fromValue(type));

    const bool on = type != ModulOff;
    pages->setEnabled(on);
    (first ? form->chan1HarmonicModulFreqDoubleSpinBox : form->chan2HarmonicModulFreqDoubleSpinBox)->setEnabled(on);
    (first ? form->chan1HarmonicModulFreqDimComboBox : form->chan2HarmonicModulFreqDimComboBox)->setEnabled(on);
    if (!known)
        return;

    // Page 0 the modulation index, 1 the frequency deviation, 2 the phase
    // deviation; "Off" leaves the last page in view.
    switch (type) {
    case ModulAM: pages->setCurrentIndex(0); break;
    case ModulLFM:
    case ModulFM:
    case ModulFT: pages->setCurrentIndex(1); break;
    case ModulPM: pages->setCurrentIndex(2); break;
    case ModulOff: break;
    }
}

void MainWindow::on_chan1HarmonicModulTypeComboBox_currentIndexChanged(int)
{
    applyModulationType(0);
}

void MainWindow::on_chan2HarmonicModulTypeComboBox_currentIndexChanged(int)
{
    applyModulationType(1);
}

// Each editing slot stores its own widget's value under its key in its own
// channel's sub-set; the pair of a row differs only in the channel.
#define DWAV_AFG_SPIN_SLOTS(WIDGET, GROUP, KEY)                                                  \
    void MainWindow::on_chan1##WIDGET##_editingFinished()                                       \
    {                                                                                           \
        storeAfgValue(0, GROUP, QStringLiteral(KEY), form->chan1##WIDGET->value());             \
    }                                                                                           \
    void MainWindow::on_chan2##WIDGET##_editingFinished()                                       \
    {                                                                                           \
        storeAfgValue(1, GROUP, QStringLiteral(KEY), form->chan2##WIDGET->value());             \
    }

// A unit selector stores the multiplier its current item carries.
#define DWAV_AFG_UNIT_SLOTS(WIDGET, GROUP, KEY)                                                  \
    void MainWindow::on_chan1##WIDGET##_currentIndexChanged(int)                                \
    {                                                                                           \
        storeAfgValue(0, GROUP, QStringLiteral(KEY), form->chan1##WIDGET->currentData().toInt()); \
    }                                                                                           \
    void MainWindow::on_chan2##WIDGET##_currentIndexChanged(int)                                \
    {                                                                                           \
        storeAfgValue(1, GROUP, QStringLiteral(KEY), form->chan2##WIDGET->currentData().toInt()); \
    }

DWAV_AFG_SPIN_SLOTS(HarmonicAmplDoubleSpinBox, harmonicGroup, "ampl")
DWAV_AFG_SPIN_SLOTS(HarmonicFreqDoubleSpinBox, harmonicGroup, "freq")
DWAV_AFG_UNIT_SLOTS(HarmonicFreqDimComboBox, harmonicGroup, "freqModifier")
DWAV_AFG_SPIN_SLOTS(HarmonicPhaseDoubleSpinBox, harmonicGroup, "phase")
DWAV_AFG_SPIN_SLOTS(UpperBoundDoubleSpinBox, harmonicGroup, "upperLimit")
DWAV_AFG_SPIN_SLOTS(LowerBoundDoubleSpinBox, harmonicGroup, "lowerLimit")
DWAV_AFG_SPIN_SLOTS(OffsetDoubleSpinBox, harmonicGroup, "offset")
DWAV_AFG_SPIN_SLOTS(HarmonicModulFreqDoubleSpinBox, harmonicGroup, "modulFreq")
DWAV_AFG_UNIT_SLOTS(HarmonicModulFreqDimComboBox, harmonicGroup, "modulFreqModifier")
DWAV_AFG_SPIN_SLOTS(HarmonicModulIndexSpinBox, harmonicGroup, "modulIndex")
DWAV_AFG_SPIN_SLOTS(HarmonicFreqDevDoubleSpinBox, harmonicGroup, "freqDev")
DWAV_AFG_UNIT_SLOTS(HarmonicFreqDevDimComboBox, harmonicGroup, "freqDevModifier")
DWAV_AFG_SPIN_SLOTS(HarmonicPhaseDevDoubleSpinBox, harmonicGroup, "phaseDev")
DWAV_AFG_SPIN_SLOTS(TriangularUupDoubleSpinBox, triangularGroup, "Uup")
DWAV_AFG_SPIN_SLOTS(TriangularTupDoubleSpinBox, triangularGroup, "Tup")
DWAV_AFG_UNIT_SLOTS(TriangularTupComboBox, triangularGroup, "TupModifier")
DWAV_AFG_SPIN_SLOTS(TriangularUdnDoubleSpinBox, triangularGroup, "Udn")
DWAV_AFG_SPIN_SLOTS(TriangularTdnDoubleSpinBox, triangularGroup, "Tdn")
DWAV_AFG_UNIT_SLOTS(TriangularTdnComboBox, triangularGroup, "TdnModifier")
DWAV_AFG_SPIN_SLOTS(ImpulseUupDoubleSpinBox, impulseGroup, "Uup")
DWAV_AFG_SPIN_SLOTS(ImpulseTupDoubleSpinBox, impulseGroup, "Tup")
DWAV_AFG_SPIN_SLOTS(ImpulseUdnDoubleSpinBox, impulseGroup, "Udn")
DWAV_AFG_SPIN_SLOTS(ImpulseTdnDoubleSpinBox, impulseGroup, "Tdn")
DWAV_AFG_SPIN_SLOTS(ImpulseTDoubleSpinBox, impulseGroup, "T")
DWAV_AFG_UNIT_SLOTS(ImpulseTComboBox, impulseGroup, "TModifier")
DWAV_AFG_SPIN_SLOTS(ImpulseDFDoubleSpinBox, impulseGroup, "dutyFactor")
DWAV_AFG_SPIN_SLOTS(LevelSignalDoubleSpinBox, levelGroup, "level")

#undef DWAV_AFG_SPIN_SLOTS
#undef DWAV_AFG_UNIT_SLOTS

// Unchecking keeps the bounds as they are; only the switch is stored.
void MainWindow::on_chan1LevelLimitsGroupBox_toggled(bool state)
{
    storeAfgValue(0, harmonicGroup, QStringLiteral("levelLimit"), state);
}

void MainWindow::on_chan2LevelLimitsGroupBox_toggled(bool state)
{
    storeAfgValue(1, harmonicGroup, QStringLiteral("levelLimit"), state);
}
