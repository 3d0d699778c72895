// Built-in tests and calibration of the module. The service and calibration
// dialogs call these from a pool thread while the GUI thread keeps polling,
// so results travel only through return values, the guarded last status and
// error, and the Logger.

#include "DWAVModule.h"

#include "DriverCall.h"
#include "Logger.h"

#include "tvkdwav_32.h"

#include <cstring>

namespace {

constexpr int selfTestTextSize = 1024;
constexpr int testTextSize = 2048;
constexpr int calibrationDateSize = 32;

// RAM test arguments, in this order.
enum RamArgument { RamStart, RamKiloSamples, RamMode, RamReadOnly, RamArgumentCount };

} // namespace

int DWAVModule::selfTest()
{
    char buffer[selfTestTextSize];
    std::memset(buffer, 0, sizeof buffer);
    ViInt16 result = 0;
    const ViStatus status = tvkdwav_self_test(m_moduleSession, &result, buffer);

    QString text = fromCp1251(buffer, sizeof buffer);
    // A call that failed ran no test, so its zero result word means nothing;
    // say why it failed instead of reporting a pass.
    if (status < 0 && text.isEmpty())
        text = driverText(status);
    if (status != 0 || result != 0)
        logger()->warning(tr("Selftest error:") + text);
    else
        logger()->status(tr("Selftest passed without errors."));

    {
        QMutexLocker lock(&m_errorLock);
        m_selfTestText = text;
        m_selfTestCode = result;
    }
    if (status < 0)
        return status;
    return result;
}

int DWAVModule::runServiceTest(uint testType, QString *text, const QVariantList *args)
{
    QString unused;
    if (!text)
        text = &unused;

    char buffer[testTextSize];
    std::memset(buffer, 0, sizeof buffer);
    ViInt16 result = 0;
    ViStatus status = 0;

    switch (testType) {
    case 0: {
        const int outcome = selfTest();
        *text = selfTestText();
        return outcome;
    }
    case 1:
        status = tvkdwav_test_OK_Off1(m_moduleSession, &result, buffer);
        break;
    case 2: {
        const int count = args ? args->size() : 0;
        if (count != RamArgumentCount) {
            *text = tr("The RAM test needs %1 arguments (start address, size, mode, read only), "
                       "got %2; the test was not run.")
                        .arg(int(RamArgumentCount))
                        .arg(count);
            logger()->warning(*text);
            return -1;
        }
        bool startOk = false, sizeOk = false, modeOk = false;
        const uint start = args->at(RamStart).toUInt(&startOk);
        const uint kiloSamples = args->at(RamKiloSamples).toUInt(&sizeOk);
        const uint mode = args->at(RamMode).toUInt(&modeOk);
        if (!startOk || !sizeOk || !modeOk || kiloSamples > 0xFFFF || mode > 0xFFFF) {
            *text = tr("The RAM test arguments are not valid numbers; the test was not run.");
            logger()->warning(*text);
            return -1;
        }
        status = tvkdwav_test_RAM(m_moduleSession, start, ViUInt16(kiloSamples), ViUInt16(mode),
                                  args->at(RamReadOnly).toBool() ? 1 : 0, &result, buffer);
        break;
    }
    case 3:
    case 4:
        status = tvkdwav_test_AFG(m_moduleSession, 0, testType == 3 ? 0 : 1, &result, buffer);
        break;
    default:
        *text = tr("Unknown service test %1; nothing was run.").arg(testType);
        logger()->warning(*text);
        return -1;
    }

    *text = fromCp1251(buffer, sizeof buffer);
    // Only this call's own failure belongs under the test's message; an
    // older error would make a passed test look failed. The text is kept
    // here, not read back: the GUI thread's polling may replace the last
    // error meanwhile.
    if (status != 0) {
        const QString error = driverText(status);
        setLastError(error, status);
        *text += QLatin1Char('\n') + error;
    }
    if (status < 0)
        return status;
    return result;
}

int DWAVModule::getCalibrationData(void *record)
{
    if (!record)
        return -1;
    DWAV_DRIVER_CALL(tvkdwav_get_calibration_data(
                         m_moduleSession, static_cast<tvkdwav_CalibrationData *>(record)),
                     "getCalibrationData");
    return 0;
}

int DWAVModule::calibrate(ushort chan, void *record)
{
    if (!record || !checkChannel(chan, "DWAVModule::calibrate"))
        return -1;
    return finishCalibration(tvkdwav_calibrate(m_moduleSession, 0, chan), __LINE__, "calibrate",
                             record);
}

int DWAVModule::calibrateADC(void *record, char *message)
{
    if (!record || !message)
        return -1;
    return finishCalibration(tvkdwav_calibrate_ADC(m_moduleSession, message), __LINE__,
                             "calibrateADC", record);
}

// After a calibration run (status from the driver call at the given line):
// a good run brings the new coefficients into the record. Statuses go back
// unchanged: the calibration dialog turns some of them (a missing
// multimeter library) into messages of its own.
//
// The outcome stays in this function: the last status is shared with the
// GUI thread, whose polling may overwrite it while a calibration runs here
// on the pool.
int DWAVModule::finishCalibration(ViStatus status, int line, const char *operation, void *record)
{
    int outcome = status;
    setLastStatus(outcome);
    if (status < 0) {
        reportLocation(line, operation);
    } else {
        const int readLine = __LINE__ + 1;
        outcome = getCalibrationData(record);
        setLastStatus(outcome);
        if (outcome < 0)
            reportLocation(readLine, operation);
    }
    errorMessage(outcome);
    return outcome;
}

int DWAVModule::stopCalibration()
{
    DWAV_DRIVER_CALL(tvkdwav_stop_calibration(m_moduleSession), "stopCalibration");
    return 0;
}

int DWAVModule::saveCalibrationData()
{
    DWAV_DRIVER_CALL(tvkdwav_save_CalibrationData_ToFlash(m_moduleSession), "saveCalibrationData");
    return 0;
}

int DWAVModule::loadCalibrationData()
{
    DWAV_DRIVER_CALL(tvkdwav_load_CalibrationData_FromFlash(m_moduleSession),
                     "loadCalibrationData");
    return 0;
}

int DWAVModule::calibrationDate(QString &date)
{
    date.clear();
    char buffer[calibrationDateSize];
    std::memset(buffer, 0, sizeof buffer);
    DWAV_DRIVER_CALL(tvkdwav_get_calibration_date(m_moduleSession, buffer), "calibrationDate");
    date = fromCp1251(buffer, sizeof buffer);
    return 0;
}

int DWAVModule::selfTestAndMarkInitialized()
{
    const int result = selfTest();
    if (result == 0)
        setState(DeviceInitialized);
    return result;
}
