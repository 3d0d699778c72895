#include "CalibrationDialog.h"
#include "ui_CalibrationDialog.h"

#include "DWAVModule.h"
#include "DriverCodec.h"
#include "Logger.h"
#include "PanelMessageBox.h"
#include "ProgramName.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidgetItem>
#include <QtConcurrent>

#include <cstring>

namespace {

const int kColumns = 5;
const int kRows = 20;
const int kCoefficientColumn = 4;
const int kAdcInputs = 4;

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH-mm-ss: "));
}

// Codes are shown as the module keeps them, in upper-case hexadecimal.
QString codeText(quint16 code)
{
    return QString::number(code, 16).toUpper();
}

QString valueText(double value)
{
    return QString::number(value, 'g', 6);
}

// The driver's message, up to its first zero byte.
QString driverMessage(const char *buffer, int size)
{
    return DriverCodec::decode(buffer, size);
}

} // namespace

CalibrationDialog::CalibrationDialog(DWAVModule *module, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CalibrationDialog)
    , module(module)
{
    ui->setupUi(this);
    std::memset(&calibrationRecord, 0, sizeof calibrationRecord);
    std::memset(&taskRecord, 0, sizeof taskRecord);
    // A module that never opened has no record to read, and its failure
    // would replace the initialisation error that the window reports.
    if (module->isInitialized())
        module->getCalibrationData(&calibrationRecord);
    mezNum = module->mezNum();
    accessGranted = false;
    ui->writeROMPushButton->setEnabled(false);
    chanGroup = new QButtonGroup(ui->serviceCalibrationTableWidget);
    buildCalibrationTable(ui->serviceCalibrationTableWidget, chanGroup);
    ui->calibrationPasswordLineEdit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    setWindowTitle(tr("Calibration panel"));
    // Queued even when the task runs on this thread (a wait for a task the
    // pool has not started yet runs it here): the slot waits for the task.
    connect(this, &CalibrationDialog::calibrationFinished, this,
            &CalibrationDialog::onCalibrationFinished, Qt::QueuedConnection);
    if (parent)
        setStyleSheet(parent->styleSheet());
    setWindowFlags(Qt::Window);
}

CalibrationDialog::~CalibrationDialog()
{
    stopAndWait();
    delete ui;
}

void CalibrationDialog::retranslate()
{
    ui->retranslateUi(this);
    buildCalibrationTable(ui->serviceCalibrationTableWidget, chanGroup);
    setWindowTitle(tr("Calibration panel"));
}

void CalibrationDialog::stopAndWait()
{
    // A task still queued in a busy pool is taken by the wait below and run
    // here; it must then end at once instead of calibrating during a close.
    stopRequested = true;
    if (calibrationFuture.isRunning())
        module->stopCalibration();
    calibrationFuture.waitForFinished();
}

bool CalibrationDialog::isCalibrating() const
{
    return calibrationFuture.isRunning();
}

// ---- Access ----------------------------------------------------------------

void CalibrationDialog::on_checkPasswordPushButton_clicked()
{
    accessGranted = module->checkPassword(ui->calibrationPasswordLineEdit->text());
    ui->writeROMPushButton->setEnabled(accessGranted);
    if (!accessGranted || chanGroup->checkedId() != -1)
        ui->startCalibrationPushButton->setEnabled(accessGranted);
}

void CalibrationDialog::calibrationChanSelected()
{
    ui->startCalibrationPushButton->setEnabled(accessGranted);
    ui->startCalibrationPushButton->setFocus();
}

void CalibrationDialog::on_calibrationPasswordLineEdit_editingFinished()
{
    ui->checkPasswordPushButton->setFocus();
}

// ---- Flash -------------------------------------------------------------------

bool CalibrationDialog::refuseWhileCalibrating()
{
    if (!calibrationFuture.isRunning())
        return false;
    appendEntry(tr("Calibration is in progress. Wait for it finished..."), false);
    return true;
}

void CalibrationDialog::on_readROMPushButton_clicked()
{
    if (refuseWhileCalibrating())
        return;
    refreshAfterFlashAccess(module->loadCalibrationData(),
                            tr("Calibration data was successfully loaded from EEPROM"),
                            tr("Loading calibration data from EEPROM failed"));
}

void CalibrationDialog::on_writeROMPushButton_clicked()
{
    if (!accessGranted || refuseWhileCalibrating())
        return;
    refreshAfterFlashAccess(module->saveCalibrationData(),
                            tr("Calibration data was successfully saved to EEPROM"),
                            tr("Saving calibration data to EEPROM failed"));
}

// Whatever the flash did, the table shows what the module holds now.
void CalibrationDialog::refreshAfterFlashAccess(int result, const QString &succeeded,
                                                const QString &failed)
{
    appendEntry(result != 0 ? failed : succeeded);
    tvkdwav_CalibrationData record = calibrationRecord;
    if (module->getCalibrationData(&record) != 0)
        return;
    calibrationRecord = record;
    showChanCoefficients(0);
    showChanCoefficients(1);
    showADCCoefficients();
}

// ---- Calibration -------------------------------------------------------------

void CalibrationDialog::on_startCalibrationPushButton_clicked()
{
    if (!accessGranted)
        return;
    if (!module->isInitialized()) {
        Logger::instance(mezNum)->status(tr("DWAV is not initialized!"),
                                         tr("Cannot start calibration"));
        return;
    }
    if (!module->isStandaloneProgram()) {
        PanelMessageBox::open(
            this, QMessageBox::Critical, tr("Calibration restricted"),
            tr("For calibration please run \"%1\" from panel installation folder.")
                .arg(ProgramName::fileName()));
        return;
    }

    const int block = chanGroup->checkedId();
    if (block != chan1Row && block != rowsPerChan && block != adcRow) {
        appendEntry(tr("To start calibration please check channel in calibration table."), false);
        return;
    }
    if (refuseWhileCalibrating())
        return;

    if (block == adcRow) {
        PanelMessageBox::open(this, QMessageBox::Information, tr("ADC calibration message"),
                              tr("Connect DWAV channel 1 output to \"Контроль\" input on DWAV "
                                 "front module panel with SMB-SMB cable"),
                              [this] { calibrateADC(); });
        return;
    }
    const int chanNumber = block == chan1Row ? 1 : 2;
    PanelMessageBox::open(this, QMessageBox::Information,
                          tr("Channel %1 calibration connection").arg(chanNumber),
                          tr("Connect \"КН%1\" output to \"HI\" and \"LO\" inputs of multimeter "
                             "Agilent 3458A")
                              .arg(chanNumber),
                          [this, chanNumber] { startChannelCalibration(ushort(chanNumber - 1)); });
}

void CalibrationDialog::startChannelCalibration(ushort chan)
{
    if (refuseWhileCalibrating())
        return;
    // The task works on its own copy; the table's record stays with this
    // thread until the task has returned.
    taskRecord = calibrationRecord;
    stopRequested = false;
    calibrationFuture = QtConcurrent::run(this, &CalibrationDialog::runCalibration, chan);
    appendEntry(tr("Calibration started for chan %1...").arg(chan == 0 ? tr("1/I") : tr("2/Q")));
}

int CalibrationDialog::runCalibration(ushort chan)
{
    if (stopRequested)
        return -1;
    const int status = module->calibrate(chan, &taskRecord);
    emit calibrationFinished(chan);
    return status;
}

void CalibrationDialog::onCalibrationFinished(uint chan)
{
    calibrationFuture.waitForFinished();
    if (calibrationFuture.resultCount() == 0)
        return;
    const int result = calibrationFuture.result();
    if (result != 0) {
        appendEntry(module->lastErrorMessage());
        if (result == TVKDWAV_ERROR_NO_MULTIMETER)
            PanelMessageBox::open(
                this, QMessageBox::Critical, tr("Calibration error"),
                tr("Library \"hp3458a.dll\" needed for calibration is not found!\nTo perform "
                   "calibration try executing panel from panel installation folder (e.g. "
                   "C:/VXIPNP/WINNT/TVKDWAV)."));
        return;
    }
    calibrationRecord = taskRecord;
    showChanCoefficients(int(chan));
    appendEntry(tr("Calibration succeeded!"));
}

void CalibrationDialog::calibrateADC()
{
    // Asked for again: a channel calibration may have started while the
    // connection prompt was open.
    if (refuseWhileCalibrating())
        return;
    char message[TVKDWAV_CALIBRATION_MESSAGE_BUFLEN];
    std::memset(message, 0, sizeof message);
    tvkdwav_CalibrationData record = calibrationRecord;
    const int result = module->calibrateADC(&record, message);
    if (result == 0) {
        calibrationRecord = record;
        showADCCoefficients();
    }
    appendEntry(driverMessage(message, int(sizeof message)));
    if (result != 0)
        appendEntry(module->lastErrorMessage());
}

// ---- Log -------------------------------------------------------------------

void CalibrationDialog::appendEntry(const QString &text, bool stamped)
{
    ui->calibrationResultsPlainTextEdit->appendPlainText(stamped ? timeStamp() + text : text);
}

void CalibrationDialog::on_copyLogPushButton_clicked()
{
    ui->calibrationResultsPlainTextEdit->selectAll();
    ui->calibrationResultsPlainTextEdit->copy();
}

void CalibrationDialog::on_clearLogPushButton_clicked()
{
    ui->calibrationResultsPlainTextEdit->clear();
}

// ---- Table -------------------------------------------------------------------

void CalibrationDialog::buildCalibrationTable(QTableWidget *table, QButtonGroup *group)
{
    // The selectors of an earlier build leave the group at once (their
    // widgets go later): an old checked one must not choose a block.
    const QList<QAbstractButton *> oldSelectors = group->buttons();
    for (QAbstractButton *selector : oldSelectors)
        group->removeButton(selector);
    for (int row = 0; row < table->rowCount(); ++row)
        table->removeCellWidget(row, 0);
    table->clearContents();
    table->clearSpans();
    table->setColumnCount(kColumns);
    table->setRowCount(kRows);
    table->setHorizontalHeaderLabels({tr("Calibrate"), tr("Chan"), tr("Range/Rn"),
                                      tr("Coefficient type"), tr("Coefficient")});
    table->setSelectionMode(QAbstractItemView::NoSelection);

    chan1Row = 0;
    rowsPerChan = 6;
    addCalibrationRow(table, group, chan1Row, 0, QString(), rowsPerChan);
    addCalibrationRow(table, group, rowsPerChan, 0, QString(), rowsPerChan);
    const QString chanNames[] = {tr("1/I"), tr("2/Q")};
    for (int chan = 0; chan < 2; ++chan) {
        const int first = chan1Row + chan * rowsPerChan;
        addCalibrationRow(table, group, first, 1, chanNames[chan], rowsPerChan);
        addCalibrationRow(table, group, first, 2, tr("1 V"), 2);
        addCalibrationRow(table, group, first + 2, 2, tr("10 V"), rowsPerChan - 2);
    }
    const QString chanTypes[] = {tr("AUX DAC"),  tr("DAC Gain"), tr("N OFFSET"),
                                 tr("K OFFSET"), tr("AUX DAC"),  tr("DAC Gain")};
    for (int chan = 0; chan < 2; ++chan) {
        for (int i = 0; i < rowsPerChan; ++i)
            addCalibrationRow(table, group, chan1Row + chan * rowsPerChan + i, 3, chanTypes[i]);
        showChanCoefficients(chan);
    }

    adcRow = 12;
    addCalibrationRow(table, group, adcRow, 0, QString(), 2 * kAdcInputs);
    const QString inputs[] = {tr("1/I"), tr("2/Q"), tr("Control 1:1"), tr("Control 1:5")};
    const QString loads[] = {tr("50 Ohm"), tr("50 Ohm"), tr("100 kOhm"), tr("100 kOhm")};
    for (int input = 0; input < kAdcInputs; ++input) {
        addCalibrationRow(table, group, adcRow + 2 * input, 1, inputs[input], 2);
        addCalibrationRow(table, group, adcRow + 2 * input, 2, loads[input], 2);
    }
    for (int input = 0; input < kAdcInputs; ++input) {
        addCalibrationRow(table, group, adcRow + 2 * input, 3, tr("ADC Offset"));
        addCalibrationRow(table, group, adcRow + 2 * input + 1, 3, tr("ADC Range"));
    }
    showADCCoefficients();

    table->resizeRowsToContents();
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
}

// A text cell, or with an empty text the block selector: a radio button
// centred in its cell, whose group id is the block's first row.
void CalibrationDialog::addCalibrationRow(QTableWidget *table, QButtonGroup *group, int row,
                                          int column, const QString &text, int rowSpan,
                                          int columnSpan)
{
    if (text.isEmpty()) {
        auto *cell = new QWidget;
        auto *layout = new QHBoxLayout(cell);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *selector = new QRadioButton(cell);
        layout->addWidget(selector, 0, Qt::AlignCenter);
        table->setCellWidget(row, column, cell);
        connect(selector, &QRadioButton::toggled, this, &CalibrationDialog::calibrationChanSelected);
        group->addButton(selector, row);
    } else if (!table->item(row, column)) {
        setTableItem(table, row, column, text);
    }
    if (rowSpan > 1 || columnSpan > 1)
        table->setSpan(row, column, rowSpan, columnSpan);
}

void CalibrationDialog::setTableItem(QTableWidget *table, int row, int column, const QString &text)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table->setItem(row, column, item);
    }
    item->setText(text);
}

void CalibrationDialog::showChanCoefficients(int chan)
{
    if (chan < 0 || chan > 1)
        return;
    QTableWidget *table = ui->serviceCalibrationTableWidget;
    const tvkdwav_CalibrationData &r = calibrationRecord;
    const int first = chan1Row + chan * rowsPerChan;
    const QString texts[] = {codeText(r.auxDac[chan][0]), codeText(r.dacGain[chan][0]),
                             codeText(r.nOffset[chan]),   valueText(r.kOffset[chan]),
                             codeText(r.auxDac[chan][1]), codeText(r.dacGain[chan][1])};
    for (int i = 0; i < rowsPerChan; ++i)
        setTableItem(table, first + i, kCoefficientColumn, texts[i]);
}

void CalibrationDialog::showADCCoefficients()
{
    QTableWidget *table = ui->serviceCalibrationTableWidget;
    for (int input = 0; input < kAdcInputs; ++input) {
        setTableItem(table, adcRow + 2 * input, kCoefficientColumn,
                     valueText(calibrationRecord.adcOffset[input]));
        setTableItem(table, adcRow + 2 * input + 1, kCoefficientColumn,
                     valueText(calibrationRecord.adcRange[input]));
    }
}
