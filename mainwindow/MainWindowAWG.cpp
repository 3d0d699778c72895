// The AWG page's data operations: load a data file into the module, save the
// module's AWG memory to a data file, compare the two files.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AwgFileComparison.h"
#include "AwgFileHeader.h"
#include "AwgFileReader.h"
#include "AwgTransfer.h"
#include "DWAVModule.h"
#include "Logger.h"
#include "ParameterTypes.h"
#include "UserFile.h"

#include <QFile>
#include <QRadioButton>
#include <QSpinBox>

#include <utility>

namespace {

const char *const fieldMessages[] = {
    "Chan configuration error",
    "Output mode configuration error",
    "Start mode configuration error",
    "Data format configuration error",
};

const char *const countNames[] = {"CYCL", "PACK", "SAMP"};

const char *const fieldKeys[] = {"chan", "awgMode", "awgStartMode", "dataFormat"};

// The value a field's radio button slot stores.
QVariant fieldValue(AwgFileHeader::Field field, quint8 value)
{
    if (field == AwgFileHeader::DataFormat) {
        ParameterTypes::registerTypes();
        return QVariant::fromValue(awgDataFormat(value));
    }
    return int(value);
}

} // namespace

QRadioButton *MainWindow::awgFieldButton(int field, int value) const
{
    QRadioButton *const buttons[4][3] = {
        {form->AWGChan1RadioButton, form->AWGChan2RadioButton, form->AWGBothChansRadioButton},
        {form->AWGCircularModeRadioButton, form->AWGContinuousModeRadioButton, nullptr},
        {form->AWGWholeSequenceRadioButton, form->AWGEachPacketRadioButton, nullptr},
        {form->AWGDataFormatDoubleRadioButton, form->AWGDataFormatUInt16RadioButton, nullptr},
    };
    return buttons[field][value];
}

// Puts the header on the page and into the module's AWG set, field by field
// as the file is checked; false (after its message) at a field out of range.
// The binding's automatic configuration is held back meanwhile: the load
// configures once, with every value of the header in place.
bool MainWindow::applyAWGHeader(AwgFileHeader &header)
{
    Logger *logger = Logger::instance(position);
    ++refreshDepth;
    const struct Release {
        int &depth;
        ~Release() { --depth; }
    } release{refreshDepth};

    for (int f = AwgFileHeader::Chan; f <= AwgFileHeader::DataFormat; ++f) {
        const auto field = AwgFileHeader::Field(f);
        const quint8 value = header.field(field);
        if (!AwgFileHeader::isAcceptable(field, value)) {
            logger->critical(QString::fromLatin1(fieldMessages[f]),
                             QStringLiteral("Load of AWG data failed - file format is unacceptable"));
            return false;
        }
        awgFieldButton(f, value)->setChecked(true);
        // A button that was checked already runs no slot; store it anyway.
        module->setAWGParameter(QLatin1String(fieldKeys[f]), fieldValue(field, value));
    }

    const auto corrections = header.clampCounts();
    for (const AwgFileHeader::Correction &c : corrections) {
        const QString name = QLatin1String(countNames[c.count]);
        const QString text = c.tooBig ? QStringLiteral("%1 = %2 is too big! Setting to %3!")
                                      : QStringLiteral("%1 = %2 is too small! Setting to %3!");
        logger->log(text.arg(name).arg(c.found).arg(c.limit), QStringLiteral("Loading AWG data warning"));
    }
    form->AWGNumCyclesSpinBox->setValue(header.numCycles);
    form->AWGNumPackagesSpinBox->setValue(header.numPacks);
    form->AWGNumSamplesSpinBox->setValue(int(header.numSamples));
    module->setAWGParameter(QStringLiteral("numCycles"), int(header.numCycles));
    module->setAWGParameter(QStringLiteral("numPacks"), int(header.numPacks));
    module->setAWGParameter(QStringLiteral("numSamples"), uint(header.numSamples));
    return true;
}

void MainWindow::on_AWGLoadFromFilePushButton_clicked()
{
    Logger *logger = Logger::instance(position);
    const QString failedKey = QStringLiteral("Loading AWG data failed");
    const QString path = form->AWGLoadingFilePathLineEdit->text();
    if (path.isEmpty()) {
        logger->critical(QStringLiteral("File name is not specified"), failedKey);
        return;
    }
    QFile file(path);
    if (!UserFile::isReadable(path) || !file.open(QIODevice::ReadOnly)) {
        logger->critical(QStringLiteral("Cannot open file %1!").arg(path), failedKey);
        return;
    }
    module->setAWGParameter(QStringLiteral("dataFilePath"), path);

    AwgFileReader reader(&file);
    AwgFileHeader header;
    if (!reader.readHeader(&header)) {
        logger->critical(QStringLiteral("The file holds %1 bytes, fewer than the %2 bytes of its header")
                             .arg(file.size())
                             .arg(AwgFileHeader::size),
                         QStringLiteral("Load of AWG data failed - file format is unacceptable"));
        return;
    }
    if (!applyAWGHeader(header))
        return;

    // Nothing is sent for a file that cannot fill every packet it claims.
    const quint64 expected = AwgFileHeader::size + header.bodyBytes();
    if (quint64(file.size()) < expected) {
        logger->critical(QStringLiteral("The file holds %1 bytes, but its header needs %2 bytes; nothing was loaded")
                             .arg(file.size())
                             .arg(expected),
                         failedKey);
        return;
    }

    const int configured = module->configure();
    if (configured != 0) {
        logger->status(QStringLiteral("Load of AWG points failed: configuration finished with errors!"));
        // A module in DEMO mode has no driver to explain the refusal.
        if (!module->isInitialized())
            logger->critical(QStringLiteral("DWAV is not initialized"), failedKey);
        else
            logger->critical(AwgTransfer::returnedStatus(module->moduleSession(), configured));
        return;
    }
    AwgTransfer(module->moduleSession(), position).load(reader, header);
}

void MainWindow::on_AWGSaveToFilePushButton_clicked()
{
    Logger *logger = Logger::instance(position);
    const QString failedKey = QStringLiteral("Saving AWG data to file failed");
    const QString path = form->AWGSavingFilePathLineEdit->text();
    // Everything is checked before the file is touched.
    if (!UserFile::isSaveTarget(path)) {
        logger->critical(QStringLiteral("Cannot open file %1!").arg(path), failedKey);
        return;
    }
    if (!module->isInitialized()) {
        logger->critical(QStringLiteral("DWAV is not initialized"), failedKey);
        return;
    }
    AwgFileHeader header;
    const uint chan = module->awgParameter(QStringLiteral("chan")).toUInt();
    const uint format = module->awgParameter(QStringLiteral("dataFormat")).toUInt();
    // The codes the saved file would carry are held to the rule the loader
    // checks them by.
    const std::pair<AwgFileHeader::Field, uint> codes[] = {{AwgFileHeader::Chan, chan},
                                                           {AwgFileHeader::DataFormat, format}};
    for (const auto &[field, code] : codes) {
        if (code > 0xff || !AwgFileHeader::isAcceptable(field, quint8(code))) {
            logger->critical(QString::fromLatin1(fieldMessages[field]), failedKey);
            return;
        }
    }
    header.chan = quint8(chan);
    header.dataFormat = quint8(format);
    header.awgMode = quint8(module->awgParameter(QStringLiteral("awgMode")).toUInt());
    header.awgStartMode = quint8(module->awgParameter(QStringLiteral("awgStartMode")).toUInt());
    header.numCycles = quint16(module->awgParameter(QStringLiteral("numCycles")).toUInt());
    header.numPacks = quint16(module->awgParameter(QStringLiteral("numPacks")).toUInt());
    // At most this many samples per packet are transferred; the header says
    // what the file holds.
    header.numSamples = qMin(module->awgParameter(QStringLiteral("numSamples")).toUInt(),
                             AwgFileHeader::maxSamples);
    AwgTransfer(module->moduleSession(), position).save(path, header);
}

void MainWindow::on_AWGCompareFilesPushButton_clicked()
{
    Logger *logger = Logger::instance(position);
    const QString failedKey = QStringLiteral("Comparison of AWG data files failed");
    const QString firstPath = form->AWGLoadingFilePathLineEdit->text();
    const QString secondPath = form->AWGSavingFilePathLineEdit->text();
    QFile first(firstPath);
    if (!UserFile::isReadable(firstPath) || !first.open(QIODevice::ReadOnly)) {
        logger->critical(QStringLiteral("Cannot open file %1!").arg(firstPath), failedKey);
        return;
    }
    QFile second(secondPath);
    if (!UserFile::isReadable(secondPath) || !second.open(QIODevice::ReadOnly)) {
        logger->critical(QStringLiteral("Cannot open file %1!").arg(secondPath), failedKey);
        return;
    }

    const AwgFileComparison::Result result = AwgFileComparison::compare(&first, &second);
    const QString key = QStringLiteral("File comparison");
    const QString stepKey = QStringLiteral("readFromDataStreamsAndCompare");
    switch (result.outcome) {
    case AwgFileComparison::EndOfData: {
        Logger::FileLoggingScope loud(logger, true);
        logger->critical(QStringLiteral("Data stream has reached the end before the whole claimed data was read!"), stepKey);
        logger->status(QStringLiteral("Error: end of file reached before comparison ended"), key);
        break;
    }
    case AwgFileComparison::Differ: {
        Logger::FileLoggingScope loud(logger, true);
        logger->critical(QStringLiteral("Data comparison failed: data1 (%1) != data2 (%2)").arg(result.first, result.second),
                         stepKey);
        logger->status(QStringLiteral("Files are NOT match!"), key);
        break;
    }
    case AwgFileComparison::FirstLonger:
        logger->status(QStringLiteral("%1 file size is bigger than expected").arg(firstPath), key);
        break;
    case AwgFileComparison::SecondLonger:
        logger->status(QStringLiteral("%1 file size is bigger than expected").arg(secondPath), key);
        break;
    case AwgFileComparison::Match:
        logger->status(QStringLiteral("Files MATCH!"), key);
        break;
    }
}
