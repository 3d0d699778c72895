#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "BindingNames.h"
#include "CalibrationDialog.h"
#include "CommonWidgetFunctions.h"
#include "DWAVModule.h"
#include "Logger.h"
#include "ParameterTypes.h"
#include "ServiceDialog.h"

#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

namespace {

const char *const kParameterType = BindingNames::parameterType;
const char *const kSubParameterType = BindingNames::subParameterType;
const char *const kParameterName = BindingNames::parameterName;
const char *const kParameterValue = BindingNames::parameterValue;
const char *const kParameterConstValue = BindingNames::parameterConstValue;

void tag(QWidget *widget, const char *set, const char *subSet, const char *key)
{
    widget->setProperty(kParameterType, QString::fromLatin1(set));
    if (subSet)
        widget->setProperty(kSubParameterType, QString::fromLatin1(subSet));
    widget->setProperty(kParameterName, QString::fromLatin1(key));
}

// The number a spin box shows, or an invalid value for any other widget.
QVariant shownNumber(QWidget *widget)
{
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        return spin->value();
    if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(widget))
        return doubleSpin->value();
    return QVariant();
}

} // namespace

MainWindow::MainWindow(DWAVModule *module, QWidget *parent)
    : QMainWindow(parent)
    , form(new Ui::MainWindow)
    , module(module)
{
    // The form connects the by-name slots first, so an edited value is in the
    // module before the binding's on_performConfig() runs for the same change.
    form->setupUi(this);
    position = module->mezNum();

    tagParameterWidgets();
    CommonWidgetFunctions *binding = CommonWidgetFunctions::instance();
    binding->setConfigReceiver(this);
    binding->connectParameterWidgets(this, &boundWidgets);
    binding->setConfigReceiver(nullptr);

    connect(form->AWGLoadingFilePathLineEdit, SIGNAL(textEdited(QString)),
            module, SLOT(setAWGLoadingFilePath(QString)));
    connect(form->AWGSavingFilePathLineEdit, SIGNAL(textEdited(QString)),
            module, SLOT(setAWGSavingFilePath(QString)));
    createSettingsDialogs();
    calibrationDialog = new CalibrationDialog(module, this);
    serviceDialog = new ServiceDialog(module, this);

    // Start on the multilevel form with LFM chosen; the refresh below then
    // selects the module's values, running the slots of every selector whose
    // item changes, so pages and enabled widgets follow the module.
    initComboBoxes();
    lockParameterWidgets();
    form->chan1SignalFormComboBox->setCurrentIndex(4);
    form->chan2SignalFormComboBox->setCurrentIndex(4);
    form->chan1HarmonicModulTypeComboBox->setCurrentIndex(3);
    form->chan2HarmonicModulTypeComboBox->setCurrentIndex(3);
    unlockParameterWidgets();

    on_showAFGPagePushButton_clicked();
    updateWidgets(true, false);

    createActions();
    createStatusBar();
    createMenus();
    // The language action starts as English, so the panel starts in Russian.
    // The switch retranslates the dialogs too, which keep their widgets
    // locked until then.
    switchLanguage();

    pollingTimer = new QTimer(this);
    connect(pollingTimer, SIGNAL(timeout()), this, SLOT(onTimeoutEvent()));

    updateWindowTitle();

    // The dialogs' defaults reach the module at every panel creation.
    restoreSettingsDialogDefaults();

    setStartButtonState(0);
    move(20, 20);

    if (module->isInitialized()) {
        pollingTimer->start(100);
        Logger::instance(position)->status(tr("DWAV is initialized."), QString());
    } else {
        setStateIcon(9, tr("Error"));
        Logger::instance(position)
            ->status(tr("Not managed to initialize DWAV, error: '%1'. The panel is in DEMO mode.")
                         .arg(module->lastErrorMessage()),
                     QString());
    }
}

MainWindow::~MainWindow()
{
    pollingTimer->stop();
    // A test or calibration still running on the pool calls the module:
    // it has to end before the module's session goes.
    serviceDialog->stopAndWait();
    calibrationDialog->stopAndWait();
    releaseModule();
    Logger *logger = Logger::instance(position);
    logger->setMessageLabel(nullptr);
    logger->setIconLabel(nullptr);
    delete form;
}

void MainWindow::releaseModule()
{
    // The module needs a moment after the reset before it takes the stop.
    module->reset();
    QThread::msleep(100);
    module->stop();
    module->close();
}

void MainWindow::updateWindowTitle()
{
    if (module->isInitialized())
        // In one step, so a '%' in the resource name is not taken for a marker.
        setWindowTitle(tr("DWAV Panel - %1 at position %2")
                           .arg(module->path(), QString::number(position)));
    else
        setWindowTitle(tr("DWAV Panel - DEMO mode"));
}

void MainWindow::tagParameterWidgets()
{
    const char *afg = BindingNames::afgSet;
    struct AfgTag {
        QWidget *chan1;
        QWidget *chan2;
        const char *subSet;
        const char *key;
    };
    const char *harmonic = "harmonicalParameters";
    const char *triangular = "triangularParameters";
    const char *impulse = "impulseParameters";
    const char *level = "levelParameters";
    const char *multilevel = "multilevelParameters";
    const AfgTag afgTags[] = {
        {form->chan1SignalFormComboBox, form->chan2SignalFormComboBox, nullptr, "currentSignalType"},
        {form->chan1HarmonicAmplDoubleSpinBox, form->chan2HarmonicAmplDoubleSpinBox, harmonic, "ampl"},
        {form->chan1HarmonicFreqDoubleSpinBox, form->chan2HarmonicFreqDoubleSpinBox, harmonic, "freq"},
        {form->chan1HarmonicFreqDimComboBox, form->chan2HarmonicFreqDimComboBox, harmonic, "freqModifier"},
        {form->chan1HarmonicPhaseDoubleSpinBox, form->chan2HarmonicPhaseDoubleSpinBox, harmonic, "phase"},
        {form->chan1LevelLimitsGroupBox, form->chan2LevelLimitsGroupBox, harmonic, "levelLimit"},
        {form->chan1UpperBoundDoubleSpinBox, form->chan2UpperBoundDoubleSpinBox, harmonic, "upperLimit"},
        {form->chan1LowerBoundDoubleSpinBox, form->chan2LowerBoundDoubleSpinBox, harmonic, "lowerLimit"},
        {form->chan1OffsetDoubleSpinBox, form->chan2OffsetDoubleSpinBox, harmonic, "offset"},
        {form->chan1HarmonicModulGroupBox, form->chan2HarmonicModulGroupBox, harmonic, "modulType"},
        {form->chan1HarmonicModulTypeComboBox, form->chan2HarmonicModulTypeComboBox, harmonic, "modulType"},
        {form->chan1HarmonicModulIndexSpinBox, form->chan2HarmonicModulIndexSpinBox, harmonic, "modulIndex"},
        {form->chan1HarmonicFreqDevDoubleSpinBox, form->chan2HarmonicFreqDevDoubleSpinBox, harmonic, "freqDev"},
        {form->chan1HarmonicFreqDevDimComboBox, form->chan2HarmonicFreqDevDimComboBox, harmonic, "freqDevModifier"},
        {form->chan1HarmonicPhaseDevDoubleSpinBox, form->chan2HarmonicPhaseDevDoubleSpinBox, harmonic, "phaseDev"},
        {form->chan1HarmonicModulFreqDoubleSpinBox, form->chan2HarmonicModulFreqDoubleSpinBox, harmonic, "modulFreq"},
        {form->chan1HarmonicModulFreqDimComboBox, form->chan2HarmonicModulFreqDimComboBox, harmonic, "modulFreqModifier"},
        {form->chan1TriangularUupDoubleSpinBox, form->chan2TriangularUupDoubleSpinBox, triangular, "Uup"},
        {form->chan1TriangularTupDoubleSpinBox, form->chan2TriangularTupDoubleSpinBox, triangular, "Tup"},
        {form->chan1TriangularTupComboBox, form->chan2TriangularTupComboBox, triangular, "TupModifier"},
        {form->chan1TriangularUdnDoubleSpinBox, form->chan2TriangularUdnDoubleSpinBox, triangular, "Udn"},
        {form->chan1TriangularTdnDoubleSpinBox, form->chan2TriangularTdnDoubleSpinBox, triangular, "Tdn"},
        {form->chan1TriangularTdnComboBox, form->chan2TriangularTdnComboBox, triangular, "TdnModifier"},
        {form->chan1ImpulseUupDoubleSpinBox, form->chan2ImpulseUupDoubleSpinBox, impulse, "Uup"},
        {form->chan1ImpulseTupDoubleSpinBox, form->chan2ImpulseTupDoubleSpinBox, impulse, "Tup"},
        {form->chan1ImpulseUdnDoubleSpinBox, form->chan2ImpulseUdnDoubleSpinBox, impulse, "Udn"},
        {form->chan1ImpulseTdnDoubleSpinBox, form->chan2ImpulseTdnDoubleSpinBox, impulse, "Tdn"},
        {form->chan1ImpulseTDoubleSpinBox, form->chan2ImpulseTDoubleSpinBox, impulse, "T"},
        {form->chan1ImpulseTComboBox, form->chan2ImpulseTComboBox, impulse, "TModifier"},
        {form->chan1ImpulseDFDoubleSpinBox, form->chan2ImpulseDFDoubleSpinBox, impulse, "dutyFactor"},
        {form->chan1LevelSignalDoubleSpinBox, form->chan2LevelSignalDoubleSpinBox, level, "level"},
        {form->chan1MultilevelNPointsSpinBox, form->chan2MultilevelNPointsSpinBox, multilevel, "nPoints"},
        {form->chan1MultilevelTDoubleSpinBox, form->chan2MultilevelTDoubleSpinBox, multilevel, "T"},
    };
    for (const AfgTag &t : afgTags) {
        tag(t.chan1, afg, t.subSet, t.key);
        tag(t.chan2, afg, t.subSet, t.key);
    }

    const char *awg = BindingNames::awgSet;
    tag(form->AWGNumCyclesSpinBox, awg, nullptr, "numCycles");
    tag(form->AWGNumPackagesSpinBox, awg, nullptr, "numPacks");
    tag(form->AWGNumSamplesSpinBox, awg, nullptr, "numSamples");

    struct RadioTag {
        QWidget *button;
        const char *key;
        QVariant constant;
    };
    ParameterTypes::registerTypes();
    const RadioTag radioTags[] = {
        {form->AWGCircularModeRadioButton, "awgMode", QVariant(0u)},
        {form->AWGContinuousModeRadioButton, "awgMode", QVariant(1u)},
        {form->AWGWholeSequenceRadioButton, "awgStartMode", QVariant(0u)},
        {form->AWGEachPacketRadioButton, "awgStartMode", QVariant(1u)},
        {form->AWGBothChansRadioButton, "chan", QVariant(2u)},
        {form->AWGChan1RadioButton, "chan", QVariant(0u)},
        {form->AWGChan2RadioButton, "chan", QVariant(1u)},
        {form->AWGDataFormatDoubleRadioButton, "dataFormat", QVariant::fromValue(AwgDataDouble)},
        {form->AWGDataFormatUInt16RadioButton, "dataFormat", QVariant::fromValue(AwgDataDacCodes)},
    };
    for (const RadioTag &t : radioTags) {
        tag(t.button, awg, nullptr, t.key);
        t.button->setProperty(kParameterConstValue, t.constant);
    }
}

bool MainWindow::updateWidgets(bool setSpinBoxMinimum, bool withPanelSettings)
{
    ++refreshDepth;
    CommonWidgetFunctions *binding = CommonWidgetFunctions::instance();
    for (QWidget *widget : qAsConst(boundWidgets)) {
        module->updateWidgetFromParameter(widget);
        binding->setWidgetValue(widget, setSpinBoxMinimum);
        // A spin box clamps a value outside its limits (or rounds it to its
        // decimals); the module must then hold and send what is shown.
        const QVariant shown = shownNumber(widget);
        const QVariant held = widget->property(kParameterValue);
        if (shown.isValid() && held.isValid() && shown.toDouble() != held.toDouble()) {
            widget->setProperty(kParameterValue, shown);
            module->setParameterFromWidget(widget);
        }
    }

    bool pointsRead = true;
    if (withPanelSettings)
        pointsRead = refreshPanelSettings();
    // The count box sizes its table at its next editingFinished. The
    // sub-set's nPoints may lag the table (a points load or a cleared cell
    // does not store it), and showing it would cut or pad the levels when
    // focus merely passes through the box.
    for (int chan = 0; chan < 2; ++chan) {
        QSpinBox *count = pointsCountSpinBox(chan);
        QSignalBlocker blocker(count);
        count->setValue(pointsTable(chan)->rowCount());
    }
    --refreshDepth;
    return pointsRead;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    emit panelClosed();
    QMainWindow::closeEvent(event);
}

void MainWindow::on_chan1StateChanged(bool state)
{
    if (form->chan1FunctionGeneratorGroupBox->isChecked() != state)
        form->chan1FunctionGeneratorGroupBox->setChecked(state);
}

void MainWindow::on_chan2StateChanged(bool state)
{
    if (form->chan2FunctionGeneratorGroupBox->isChecked() != state)
        form->chan2FunctionGeneratorGroupBox->setChecked(state);
}

void MainWindow::storeChanState(int chan, bool state)
{
    ParameterTypes::registerTypes();
    module->setChanParameter(chan, QStringLiteral("chanState"),
                             QVariant::fromValue(state ? ChanOn : ChanOff));
}

void MainWindow::on_chan1FunctionGeneratorGroupBox_toggled(bool state)
{
    storeChanState(0, state);
    emit chan1StateChanged(state);
}

void MainWindow::on_chan2FunctionGeneratorGroupBox_toggled(bool state)
{
    storeChanState(1, state);
    emit chan2StateChanged(state);
}

void MainWindow::on_showAFGPagePushButton_clicked()
{
    showGeneratorPage(0);
}

void MainWindow::on_showAWGPagePushButton_clicked()
{
    showGeneratorPage(1);
}

// Page 0 is the function generator (module mode 1), page 1 the arbitrary
// waveform generator (mode 0); the button of the page shown carries a tick.
void MainWindow::showGeneratorPage(int page)
{
    QPushButton *shown = page == 0 ? form->showAFGPagePushButton : form->showAWGPagePushButton;
    QPushButton *other = page == 0 ? form->showAWGPagePushButton : form->showAFGPagePushButton;
    form->signalTypeStackedWidget->setCurrentIndex(page);
    shown->setChecked(true);
    shown->setIcon(QIcon(QStringLiteral(":/images/dialog-ok.svg")));
    other->setChecked(false);
    other->setIcon(QIcon());
    module->setCurrentPanelTabIndex(page);
    module->setMode(page == 0 ? 1 : 0);
}

// AWG settings go straight into the module's AWG set; a radio button stores
// only when it becomes checked, so its partner's uncheck stores nothing.

void MainWindow::on_AWGNumCyclesSpinBox_editingFinished()
{
    module->setAWGParameter(QStringLiteral("numCycles"), form->AWGNumCyclesSpinBox->value());
}

void MainWindow::on_AWGNumPackagesSpinBox_editingFinished()
{
    module->setAWGParameter(QStringLiteral("numPacks"), form->AWGNumPackagesSpinBox->value());
}

void MainWindow::on_AWGNumSamplesSpinBox_editingFinished()
{
    module->setAWGParameter(QStringLiteral("numSamples"), form->AWGNumSamplesSpinBox->value());
}

void MainWindow::storeAWGChoice(const QString &key, const QVariant &value)
{
    module->setAWGParameter(key, value);
}

void MainWindow::on_AWGCircularModeRadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("awgMode"), 0);
}

void MainWindow::on_AWGContinuousModeRadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("awgMode"), 1);
}

void MainWindow::on_AWGWholeSequenceRadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("awgStartMode"), 0);
}

void MainWindow::on_AWGEachPacketRadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("awgStartMode"), 1);
}

void MainWindow::on_AWGBothChansRadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("chan"), 2);
}

void MainWindow::on_AWGChan1RadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("chan"), 0);
}

void MainWindow::on_AWGChan2RadioButton_toggled(bool checked)
{
    if (checked)
        storeAWGChoice(QStringLiteral("chan"), 1);
}

void MainWindow::on_AWGDataFormatDoubleRadioButton_toggled(bool checked)
{
    if (checked) {
        ParameterTypes::registerTypes();
        storeAWGChoice(QStringLiteral("dataFormat"), QVariant::fromValue(AwgDataDouble));
    }
}

void MainWindow::on_AWGDataFormatUInt16RadioButton_toggled(bool checked)
{
    if (checked) {
        ParameterTypes::registerTypes();
        storeAWGChoice(QStringLiteral("dataFormat"), QVariant::fromValue(AwgDataDacCodes));
    }
}
