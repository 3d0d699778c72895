#include "ServiceDialog.h"
#include "ui_ServiceDialog.h"

#include "DWAVModule.h"
#include "Logger.h"
#include "PanelMessageBox.h"
#include "UserFile.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QHideEvent>
#include <QSaveFile>
#include <QSet>
#include <QTableWidgetItem>
#include <QThread>
#include <QTimer>
#include <QtConcurrent>

namespace {

const char *const kTestType = "TestType";
const char *const kPanelVersion = "1.0.1";
const int kPromptPollMs = 100;
const int kTestCycleMs = 10000;
const int kAdcPollMs = 1000;

QString timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH-mm-ss: "));
}

// The service panels alive in the process; touched on the GUI thread only.
Q_GLOBAL_STATIC(QSet<ServiceDialog *>, liveDialogs)

// A host may end its QApplication while a run waits for a prompt that no
// event loop can answer any more, and the application's end waits for the
// pool that runs it. Ending the application therefore stops every run as
// a closed panel does: only the driver call under way is waited for.
void stopRunsAtApplicationEnd()
{
    if (liveDialogs.exists())
        for (ServiceDialog *dialog : qAsConst(*liveDialogs))
            dialog->requestStop();
}

} // namespace

ServiceDialog::ServiceDialog(DWAVModule *module, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ServiceDialog)
    , module(module)
{
    ui->setupUi(this);
    mezNum = module->mezNum();
    fillComboBoxes();
    tagTestCheckBoxes();
    testGroup = new QButtonGroup(ui->TestsGroupBox);
    adcGroup = new QButtonGroup(ui->InputADCGroupBox);
    setupButtonGroups();
    ui->ADCChan1RadioButton->setChecked(true);

    // Queued even when the task runs on this thread (a wait for a task the
    // pool has not started yet runs it here), so results keep their order.
    connect(this, &ServiceDialog::testFinished, this, &ServiceDialog::onTestFinished,
            Qt::QueuedConnection);
    connect(this, &ServiceDialog::showMessage, this, &ServiceDialog::onShowMessage,
            Qt::QueuedConnection);

    setWindowTitle(tr("Service panel"));
    if (parent)
        setStyleSheet(parent->styleSheet());
    // A module that never opened has no driver session to ask.
    if (module->isInitialized())
        versionMessage = module->compareVersions();
    updateInfoTable();
    setWindowFlags(Qt::Window);

    liveDialogs->insert(this);
    // Each application object calls its routines once; the same routine is
    // not queued twice.
    qRemovePostRoutine(&stopRunsAtApplicationEnd);
    qAddPostRoutine(&stopRunsAtApplicationEnd);
}

ServiceDialog::~ServiceDialog()
{
    if (liveDialogs.exists())
        liveDialogs->remove(this);
    stopAndWait();
    delete ui;
}

void ServiceDialog::retranslate()
{
    ui->retranslateUi(this);
    fillComboBoxes();
    updateInfoTable();
    setWindowTitle(tr("Service panel"));
}

void ServiceDialog::tagTestCheckBoxes()
{
    ui->selfTestCheckBox->setProperty(kTestType, int(SelfTest));
    ui->OkOff_1CheckBox->setProperty(kTestType, int(OkOffTest));
    ui->RAMTestCheckBox->setProperty(kTestType, int(RamTest));
    ui->testAFGChan1CheckBox->setProperty(kTestType, int(AfgChan1Test));
    ui->testAFGChan2CheckBox->setProperty(kTestType, int(AfgChan2Test));
}

// The order in which the check boxes join their group is the run order.
void ServiceDialog::setupButtonGroups()
{
    testGroup->setExclusive(false);
    testGroup->addButton(ui->selfTestCheckBox);
    testGroup->addButton(ui->OkOff_1CheckBox);
    testGroup->addButton(ui->RAMTestCheckBox);
    testGroup->addButton(ui->testAFGChan1CheckBox);
    testGroup->addButton(ui->testAFGChan2CheckBox);

    adcGroup->addButton(ui->ADCChan1RadioButton, 0);
    adcGroup->addButton(ui->ADCChan2RadioButton, 1);
    adcGroup->addButton(ui->ADCControlRadioButton, 2);
    adcGroup->addButton(ui->ADCControl15RadioButton, 3);
}

void ServiceDialog::fillComboBoxes()
{
    QComboBox *box = ui->RAMTestComboBox;
    const int index = box->currentIndex();
    box->clear();
    box->addItem(tr("Running 0"), 0u);
    box->addItem(tr("Running 1"), 1u);
    box->addItem(tr("Address 16 bits"), 2u);
    box->addItem(tr("Address 32 bits"), 3u);
    box->setCurrentIndex(index < 0 ? 0 : index);
}

QString ServiceDialog::testName(int type) const
{
    switch (type) {
    case SelfTest: return tr("Selftest");
    case OkOffTest: return tr("Test OK Off 1");
    case RamTest: return tr("RAM Test");
    case AfgChan1Test: return tr("AFG Test channel 1");
    case AfgChan2Test: return tr("AFG Test channel 2");
    default: return QString();
    }
}

QString ServiceDialog::testPrompt(int type) const
{
    switch (type) {
    case OkOffTest:
        return tr("Connect following connectors via cables SMB-SMB:\n - SF OUT with SF IN\n"
                  " - I/CH1 with START\n - Q/CH2 with CONTROL");
    case AfgChan1Test:
    case AfgChan2Test:
        return tr("Connect \"CH%1\" output of DWAV with inputs \"HI\" and \"LO\" of multimeter "
                  "Agilent 3458A via cable SMB-QRV310")
            .arg(type == AfgChan1Test ? 1 : 2);
    default:
        return QString();
    }
}

// ---- Runs ------------------------------------------------------------------

// The check boxes and parameter widgets belong to this thread: a run gets
// what they show at its start and never looks at them again.
ServiceDialog::TestPlan ServiceDialog::takeSnapshot() const
{
    TestPlan plan;
    const QList<QAbstractButton *> buttons = testGroup->buttons();
    for (QAbstractButton *button : buttons) {
        if (!button->isChecked())
            continue;
        PlannedTest test;
        test.type = button->property(kTestType).toInt();
        test.name = testName(test.type);
        test.prompt = testPrompt(test.type);
        plan.tests.append(test);
    }
    plan.ramArguments = {uint(ui->RAMTestInitialAddressSpinBox->value()),
                         uint(ui->RAMTestNumSamplesSpinBox->value()),
                         ui->RAMTestComboBox->currentData().toUInt(),
                         ui->RAMTestReadOnlyCheckBox->isChecked()};
    return plan;
}

void ServiceDialog::on_runTestsPushButton_clicked()
{
    // In cycle mode the click that releases the button ends the cycle
    // (on_runTestsPushButton_toggled); it starts nothing.
    if (ui->runTestsPushButton->isCheckable() && !ui->runTestsPushButton->isChecked())
        return;
    startRun();
}

void ServiceDialog::startRun()
{
    if (testFuture.isRunning())
        return;
    if (!module->isInitialized()) {
        appendEntry(tr("Tests cannot be started because DWAV was not initialized!\n"));
        return;
    }
    // Only here: a stop asked for while the last run was ending must still
    // end that run, and must not be undone by anything the run reports.
    stopRequested = false;
    testFuture = QtConcurrent::run(this, &ServiceDialog::runTests, takeSnapshot());
    appendEntry(tr("Tests started...\n"));
}

int ServiceDialog::runTests(const TestPlan &plan)
{
    int result = 0;
    for (const PlannedTest &test : plan.tests) {
        if (stopRequested)
            break;
        if (!test.prompt.isEmpty()) {
            waitingForPrompt = true;
            emit showMessage(test.name, test.prompt);
            while (waitingForPrompt && !stopRequested) {
                QThread::yieldCurrentThread();
                QThread::msleep(kPromptPollMs);
            }
        }
        // A test skipped by a stop ran nothing, so it has no result to report.
        if (stopRequested)
            break;
        QString message;
        result = module->runServiceTest(uint(test.type), &message,
                                        test.type == RamTest ? &plan.ramArguments : nullptr);
        emit testFinished(test.type, result, message);
    }
    emit testFinished(RunFinished, 0, QString());
    return result;
}

void ServiceDialog::requestStop()
{
    stopRequested = true;
}

void ServiceDialog::stopAndWait()
{
    if (testTimer)
        testTimer->stop();
    requestStop();
    testFuture.waitForFinished();
}

bool ServiceDialog::isRunning() const
{
    return testFuture.isRunning();
}

void ServiceDialog::onShowMessage(QString testName, QString message)
{
    // The run has already left this prompt behind.
    if (stopRequested)
        return;
    promptBox = PanelMessageBox::open(this, QMessageBox::Information, testName, message,
                                      [this] { waitingForPrompt = false; });
}

void ServiceDialog::onTestFinished(int tstType, int testResult, QString message)
{
    if (tstType >= SelfTest && tstType <= AfgChan2Test) {
        // A negative result word reads as its 64-bit two's complement.
        const QString code = QString::number(quint64(qint64(testResult)), 16);
        appendEntry(testName(tstType) + tr(" has finished. Result code - %1\n").arg(code)
                    + tr("Test message - ") + message + QLatin1Char('\n'));
        return;
    }
    // A run stopped during a prompt leaves its box without a purpose.
    if (promptBox)
        promptBox->close();
    appendEntry(tr("All tests finished.\n"));
}

void ServiceDialog::on_cycleTestsCheckBox_toggled(bool checked)
{
    ui->runTestsPushButton->setCheckable(checked);
    if (!checked && testTimer)
        testTimer->stop();
}

// While the button is held down, every tick starts a run unless one is
// still under way; releasing it ends the cycle and the run in progress.
void ServiceDialog::on_runTestsPushButton_toggled(bool checked)
{
    if (checked) {
        if (!testTimer) {
            testTimer = new QTimer(this);
            connect(testTimer, &QTimer::timeout, this, &ServiceDialog::startRun);
        }
        if (!testTimer->isActive())
            testTimer->start(kTestCycleMs);
        return;
    }
    if (testTimer)
        testTimer->stop();
    requestStop();
}

// A closed panel must not go on testing or prompting unseen: closing it
// releases both held buttons, which ends the two cycles and the run in
// progress. A window the system hides (minimised) keeps them.
void ServiceDialog::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous()) {
        ui->runTestsPushButton->setChecked(false);
        ui->pollPushButton->setChecked(false);
    }
    QDialog::hideEvent(event);
}

// ---- ADC -------------------------------------------------------------------

void ServiceDialog::on_pollPushButton_clicked()
{
    double value = 0.0;
    const int input = adcGroup->checkedId();
    // A refused reading has no value; an old one must not stay on show.
    if (input >= 0 && module->askADC(&value, ushort(input)) == 0)
        ui->ADCVoltageLineEdit->setText(QString::number(value, 'g', 6));
    else
        ui->ADCVoltageLineEdit->clear();
}

void ServiceDialog::on_pollPushButton_toggled(bool checked)
{
    if (!checked) {
        if (pollTimer)
            pollTimer->stop();
        return;
    }
    if (!pollTimer) {
        pollTimer = new QTimer(this);
        connect(pollTimer, &QTimer::timeout, this, &ServiceDialog::on_pollPushButton_clicked);
    }
    pollTimer->start(kAdcPollMs);
}

void ServiceDialog::on_cyclePollingCheckBox_toggled(bool checked)
{
    ui->pollPushButton->setCheckable(checked);
    if (!checked && pollTimer)
        pollTimer->stop();
}

// ---- Information table -------------------------------------------------------

void ServiceDialog::updateInfoTable()
{
    QTableWidget *table = ui->serviceVersionsTableWidget;
    table->clearContents();
    table->setColumnCount(4);
    table->setRowCount(1);
    table->setHorizontalHeaderLabels(
        {tr("Instrument"), tr("Driver"), tr("Panel"), tr("Calibration date")});
    table->horizontalHeader()->setStretchLastSection(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);

    QString driverRevision;
    QString instrumentRevision;
    QString date;
    if (module->isInitialized()) {
        module->driverRevision(driverRevision, instrumentRevision);
        module->calibrationDate(date);
    }
    setInfoItem(0, instrumentRevision, !versionMessage.isEmpty());
    setInfoItem(1, driverRevision);
    setInfoItem(2, QString::fromLatin1(kPanelVersion));
    setInfoItem(3, date);
    table->resizeRowsToContents();
    table->resizeColumnsToContents();
}

void ServiceDialog::setInfoItem(int column, const QString &text, bool highlighted)
{
    QTableWidget *table = ui->serviceVersionsTableWidget;
    QTableWidgetItem *item = table->item(0, column);
    if (item) {
        item->setText(text);
    } else {
        item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        table->setItem(0, column, item);
    }
    if (highlighted) {
        item->setForeground(Qt::red);
        item->setToolTip(versionMessage);
    }
}

// ---- Protocol --------------------------------------------------------------

void ServiceDialog::appendEntry(const QString &text)
{
    ui->testResultsPlainTextEdit->appendPlainText(timeStamp() + text);
}

void ServiceDialog::on_copyTestProtocolPushButton_clicked()
{
    ui->testResultsPlainTextEdit->selectAll();
    ui->testResultsPlainTextEdit->copy();
}

void ServiceDialog::on_clearTestProtocolPushButton_clicked()
{
    ui->testResultsPlainTextEdit->clear();
}

void ServiceDialog::on_saveTestProtocolPushButton_clicked()
{
    auto *dialog = new QFileDialog(this, tr("Save points to file"), QString(),
                                   QStringLiteral("Text files (*.txt)"));
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &ServiceDialog::saveTestProtocol);
    dialog->show();
}

void ServiceDialog::saveTestProtocol(const QString &fileName)
{
    QString name = fileName;
    if (!name.endsWith(QLatin1String(".txt")))
        name += QLatin1String(".txt");
    Logger *logger = Logger::instance(mezNum);
    // Written aside and put in place whole, so a failed write keeps an
    // earlier protocol of the same name as it was.
    QSaveFile file(name);
    if (!UserFile::openForSave(file)) {
        logger->critical(tr("Couldn't open file %1").arg(name), tr("Saving tests protocol failed"));
        return;
    }
    const QByteArray bytes = ui->testResultsPlainTextEdit->toPlainText().toLocal8Bit();
    // A full disk must not pass for a saved protocol.
    if (file.write(bytes) != bytes.size() || !UserFile::commit(file))
        logger->critical(tr("Couldn't write file %1").arg(name), tr("Saving tests protocol failed"));
}
