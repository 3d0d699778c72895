#include "DWAVModule.h"

#include "AFGParameters.h"
#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"
#include "DriverCall.h"
#include "DriverCodec.h"
#include "Logger.h"

#include "dwav_visa.h"
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QMutexLocker>

#include <cstring>

namespace {

// The driver's error texts are zero-terminated inside a buffer of this size.
constexpr int errorTextSize = 256;
// The module type code a carrier reports for a DWAV module.
constexpr ViInt16 dwavModuleCode = 66;
// viGetAttribute(VI_ATTR_RSRC_NAME) fills a buffer of this size.
constexpr int resourceNameSize = 256;
constexpr int revisionSize = 128;

} // namespace

DWAVModule::DWAVModule(QObject *parent)
    : QObject(parent),
      m_mezNum(-1),
      m_idQuery(0),
      m_resetDevice(0),
      m_hostHandle(nullptr),
      m_commonParameters(nullptr),
      m_qmParameters(nullptr),
      m_awgParameters(nullptr),
      m_mode(1),
      m_autoConfig(false),
      m_currentPanelTabIndex(0),
      m_querySettingsParameters(false),
      m_generating(false),
      m_configured(false),
      m_initialized(false),
      m_accessCode(QStringLiteral("glomix")),
      m_name(tr("DWAV Module")),
      m_type(tr("DWAV")),
      m_base(QStringLiteral("VXI")),
      m_selfTestCode(0),
      m_moduleSession(0),
      m_carrierSession(0),
      m_lastStatus(0),
      m_state(DeviceClosed),
      m_standaloneProgram(false)
{
    // The state travels in signals that may be queued across threads.
    qRegisterMetaType<DWAVModule::DeviceState>();
    setState(DeviceClosed);
    createParameters();
    m_mode = 1;
}

// The sets are children of the module and go with it; no session is closed
// here (the window closes it before the module is destroyed).
DWAVModule::~DWAVModule() = default;

void DWAVModule::releaseParameters()
{
    if (m_chanParameters.size() == ChannelCount) {
        for (DWAVChanParameters *set : qAsConst(m_chanParameters))
            set->deleteLater();
    }
    m_chanParameters.clear();
    if (m_commonParameters)
        m_commonParameters->deleteLater();
    m_commonParameters = nullptr;
    if (m_qmParameters)
        m_qmParameters->deleteLater();
    m_qmParameters = nullptr;
    if (m_afgParameters.size() == ChannelCount) {
        for (AFGParameters *set : qAsConst(m_afgParameters))
            set->deleteLater();
    }
    m_afgParameters.clear();
    if (m_awgParameters)
        m_awgParameters->deleteLater();
    m_awgParameters = nullptr;
}

// Windows and dialogs keep pointers to the sets, so this runs before they are
// built; each set carries the current position for its messages.
void DWAVModule::createParameters()
{
    releaseParameters();
    m_chanParameters.append(new DWAVChanParameters(false, m_mezNum, this));
    m_chanParameters.append(new DWAVChanParameters(true, m_mezNum, this));
    m_commonParameters = new DWAVCommonParameters(m_mezNum, this);
    m_qmParameters = new DWAVQMParameters(m_mezNum, this);
    m_afgParameters.append(new AFGParameters(m_mezNum, this));
    m_afgParameters.append(new AFGParameters(m_mezNum, this));
    m_awgParameters = new AWGParameters(m_mezNum, this);
}

int DWAVModule::setInitParams(ViSession carrier, ushort mezNum, ushort idQuery, ushort resetDevice,
                              void *hostHandle)
{
    m_carrierSession = carrier;
    m_mezNum = mezNum;
    m_idQuery = idQuery;
    m_resetDevice = resetDevice;
    m_hostHandle = hostHandle;
    createParameters();
    if (carrier == 0)
        return 0;

    char resource[resourceNameSize];
    std::memset(resource, 0, sizeof resource);
    DWAV_DRIVER_CALL(viGetAttribute(carrier, VI_ATTR_RSRC_NAME, resource), "setInitParams");
    m_path = DriverCodec::decode(resource, int(sizeof resource));
    return 0;
}

int DWAVModule::initCarrier(const QString &resource, ushort idQuery, ushort resetDevice,
                            ushort mezNum)
{
    checkAlreadyInitialized();
    if (m_carrierSession != 0) {
        viClose(m_carrierSession);
        m_carrierSession = 0;
    }
    ViSession carrier = 0;
    const QByteArray name = DriverCodec::encode(resource);
    const int callLine = __LINE__ + 1;
    const ViStatus status = tvkbase_init(name.constData(), idQuery, resetDevice, &carrier);
    setLastStatus(status);
    if (status < 0) {
        m_mezNum = -1;
        m_path.clear();
        // Told in the carrier driver's words: the module driver knows
        // nothing of a carrier that never opened.
        reportLocation(callLine, "initCarrier");
        setLastError(carrierText(status), status);
    } else {
        m_carrierSession = carrier;
        m_mezNum = mezNum;
        m_path = resource;
    }
    m_idQuery = idQuery;
    m_resetDevice = resetDevice;
    createParameters();
    return status;
}

int DWAVModule::initialize()
{
    if (checkAlreadyInitialized() == 1)
        return 0;

    DeviceState newState = DeviceClosed;
    int result = performInit();
    if (result >= 0) {
        result = performConnect();
        newState = result >= 0 ? DeviceInitialized : DeviceClosed;
    }
    setState(newState);
    // A failing step has already been described; asking again also turns the
    // -1 of a missing or foreign module into the driver's own text, but only
    // when the driver has one: the module's own message must not be lost.
    if (result != 0) {
        const QString text = driverText(result);
        if (!text.isEmpty())
            setLastError(text, result);
    }
    return result;
}

int DWAVModule::checkAlreadyInitialized()
{
    if (m_moduleSession == 0)
        return 0;
    if (m_state != DeviceClosed && performReset() == 0) {
        logger()->log(tr("%1 already initialized").arg(m_name));
        setState(DeviceInitialized);
        return 1;
    }
    const int result = close();
    if (result != 0) {
        logger()->log(QStringLiteral("Device wasn't closed clearly"), QStringLiteral("Warning"));
        return result;
    }
    return 0;
}

int DWAVModule::performInit()
{
    ViInt16 present = 0;
    ViInt16 code = 0;
    DWAV_DRIVER_CALL(tvkbase_m_type_q(m_carrierSession, ViInt16(m_mezNum), &present, &code),
                     "performInit");

    if (present == 0) {
        const QString text = tr("Module %1 not found at %2 slot").arg(m_name).arg(m_mezNum);
        logger()->critical(text, m_name);
        setLastError(text, 0);
        return -1;
    }
    // The whole word, signed: a code with revision bits is no module this
    // panel drives, even where the instrument search lists it.
    if (code != dwavModuleCode) {
        const QString text = tr("Module at %1 slot isn't %2, found module has module code %3")
                                 .arg(m_mezNum)
                                 .arg(m_name)
                                 .arg(code);
        logger()->critical(text, m_name);
        setLastError(text, 0);
        return -1;
    }

    ViSession session = 0;
    QByteArray resource = DriverCodec::encode(m_path);
    DWAV_DRIVER_CALL(tvkdwav_init(resource.data(), 1, 1, &session), "performInit");
    m_moduleSession = session;
    return 0;
}

int DWAVModule::performConnect()
{
    DWAV_DRIVER_CALL(tvkdwav_connect(m_moduleSession, m_carrierSession, ViUInt16(m_mezNum),
                                     m_idQuery, m_resetDevice), "performConnect");
    return 0;
}

void DWAVModule::setState(DeviceState s)
{
    if (s == m_state)
        return;
    m_state = s;
    emit stateChanged(s);
    if (s == DeviceInitialized) {
        m_initialized = true;
        const QString error = lastErrorMessage();
        logger()->status(error.isEmpty() ? tr("DWAV is initialized!") : error);
    } else if (s == DeviceClosed) {
        m_initialized = false;
    }
}

int DWAVModule::configure()
{
    if (m_state == DeviceClosed)
        return -1;
    const int result = performConfigure();
    if (result == 0)
        setState(DeviceConfigured);
    return result;
}

int DWAVModule::start()
{
    if (m_state == DeviceClosed)
        return -1;
    const int result = performStart();
    if (result == 0)
        setState(DeviceStarted);
    return result;
}

int DWAVModule::stop()
{
    if (m_state == DeviceClosed)
        return -1;
    const int result = performStop();
    if (result == 0)
        setState(DeviceInitialized);
    return result;
}

// A reset keeps the state: the module stays initialised, and the caller
// decides what a reset means for the panel.
int DWAVModule::reset()
{
    if (m_state == DeviceClosed)
        return -1;
    return performReset();
}

int DWAVModule::close()
{
    const int result = performClose();
    setState(DeviceClosed);
    m_moduleSession = 0;
    return result;
}

bool DWAVModule::checkPassword(const QString &typed) const
{
    return typed == m_accessCode;
}

int DWAVModule::setCarrierSession(ViSession session)
{
    int result = 0;
    if (m_carrierSession != 0)
        result = viClose(m_carrierSession);
    m_carrierSession = session;
    return result;
}

QString DWAVModule::lastErrorMessage() const
{
    QMutexLocker lock(&m_errorLock);
    return m_lastError;
}

quint64 DWAVModule::lastErrorSerial() const
{
    QMutexLocker lock(&m_errorLock);
    return m_lastErrorSerial;
}

QString DWAVModule::selfTestText() const
{
    QMutexLocker lock(&m_errorLock);
    return m_selfTestText;
}

qint16 DWAVModule::selfTestCode() const
{
    QMutexLocker lock(&m_errorLock);
    return m_selfTestCode;
}

void DWAVModule::setSelfTestText(const QString &text)
{
    QMutexLocker lock(&m_errorLock);
    m_selfTestText = text;
}

void DWAVModule::setSelfTestCode(qint16 code)
{
    QMutexLocker lock(&m_errorLock);
    m_selfTestCode = code;
}

int DWAVModule::lastStatus() const
{
    QMutexLocker lock(&m_errorLock);
    return m_lastStatus;
}

void DWAVModule::setLastStatus(int status)
{
    QMutexLocker lock(&m_errorLock);
    m_lastStatus = status;
}

Logger *DWAVModule::logger() const
{
    return Logger::instance(m_mezNum);
}

// ---- Failure convention ---------------------------------------------------

void DWAVModule::reportLocation(int line, const char *operation)
{
    logger()->critical(QStringLiteral("(DWAVModule:%1:%2)")
                           .arg(line)
                           .arg(QString::fromLatin1(operation)));
}

int DWAVModule::reportFailure(int line, const char *operation, int status)
{
    reportLocation(line, operation);
    errorMessage(status);
    return status;
}

QString DWAVModule::driverText(int status) const
{
    char text[errorTextSize];
    std::memset(text, 0, sizeof text);
    tvkdwav_error_message(m_moduleSession, status, text);
    // A driver that fills the whole buffer leaves no terminating zero.
    return QString::fromLocal8Bit(text, int(qstrnlen(text, sizeof text)));
}

QString DWAVModule::carrierText(int status) const
{
    char text[TVKBASE_ERROR_MESSAGE_BUFLEN];
    std::memset(text, 0, sizeof text);
    tvkbase_error_message(m_carrierSession, status, text);
    return QString::fromLocal8Bit(text, int(qstrnlen(text, sizeof text)));
}

QString DWAVModule::fromCp1251(const char *buffer, int size)
{
    return DriverCodec::decode(buffer, size);
}

void DWAVModule::errorMessage(int status)
{
    if (status == 0)
        return;
    setLastError(driverText(status), status);
}

void DWAVModule::reportStatus(int status)
{
    errorMessage(status);
}

void DWAVModule::setLastError(const QString &text, int status)
{
    {
        QMutexLocker lock(&m_errorLock);
        m_lastError = text;
        ++m_lastErrorSerial;
    }
    // A driver without a text for a failure still leaves its status in the
    // log file; a text-less success leaves nothing.
    if (text.isEmpty() && status == 0)
        return;
    if (status < 0 && !text.isEmpty())
        logger()->critical(text);
    else if (!text.isEmpty())
        logger()->warning(text);
    // Sign-extended, so a negative status shows all 16 hex digits.
    const QString hex = QString::number(quint64(qint64(status)), 16);
    logger()->log(tr("Returned status (%1) Message: %2").arg(hex, text));
}

// ---- Run control ------------------------------------------------------------

int DWAVModule::performStart()
{
    if (!m_configured) {
        logger()->critical(tr("DWAV is NOT configured! Press \"Configure\" button first."),
                           tr("Program start"));
        return -1;
    }
    DWAV_DRIVER_CALL(tvkdwav_start(m_moduleSession), "performStart");
    m_generating = true;
    return 0;
}

int DWAVModule::programStart()
{
    if (!m_configured) {
        logger()->critical(tr("DWAV is NOT configured! Press \"Configure\" button first."),
                           tr("Start by command"));
        return -1;
    }
    DWAV_DRIVER_CALL(tvkdwav_prog_start(m_moduleSession), "programStart");
    m_generating = true;
    return 0;
}

int DWAVModule::performStop()
{
    DWAV_DRIVER_CALL(tvkdwav_stop(m_moduleSession), "performStop");
    m_generating = false;
    return 0;
}

int DWAVModule::performReset()
{
    DWAV_DRIVER_CALL(tvkdwav_reset(m_moduleSession), "performReset");
    m_generating = false;
    m_configured = false;
    return 0;
}

int DWAVModule::performClose()
{
    DWAV_DRIVER_CALL(tvkdwav_close(m_moduleSession), "performClose");
    m_generating = false;
    m_configured = false;
    return 0;
}

// ---- Queries ----------------------------------------------------------------

int DWAVModule::getSFstate(bool *state)
{
    if (!state)
        return -1;
    ViUInt16 source = 0, frequency = 0, sfState = 0, lockDetect = 0;
    DWAV_DRIVER_CALL(tvkdwav_config_source_freq_q(m_moduleSession, &source, &frequency,
                                                  &sfState, &lockDetect), "getSFstate");
    *state = sfState != 0;
    return 0;
}

int DWAVModule::getLockDetect(bool *lockDetect)
{
    if (!lockDetect)
        return -1;
    ViUInt16 source = 0, frequency = 0, sfState = 0, lock = 0;
    DWAV_DRIVER_CALL(tvkdwav_config_source_freq_q(m_moduleSession, &source, &frequency,
                                                  &sfState, &lock), "getLockDetect");
    *lockDetect = lock != 0;
    return 0;
}

int DWAVModule::askADC(double *value, ushort input)
{
    if (!value || m_state == DeviceClosed)
        return -1;
    DWAV_DRIVER_CALL(tvkdwav_ask_adc(m_moduleSession, input, value), "askADC");
    return 0;
}

int DWAVModule::getTemperature(double *t1, double *t2)
{
    if (!t1 || !t2)
        return -1;
    DWAV_DRIVER_CALL(tvkdwav_get_temperature(m_moduleSession, t1, t2), "getTemperature");
    return 0;
}

int DWAVModule::checkState(int *runState)
{
    if (!runState)
        return -1;
    ViUInt16 state = 0;
    ViInt32 second = 0;
    DWAV_DRIVER_CALL(tvkdwav_state(m_moduleSession, &state, &second), "checkState");
    *runState = state;
    return 0;
}

// ---- Revisions and versions -----------------------------------------------

// A refused query leaves both texts empty: what the buffers hold then is
// no revision.
int DWAVModule::driverRevision(QString &driverRevision, QString &instrumentRevision)
{
    driverRevision.clear();
    instrumentRevision.clear();
    char driver[revisionSize];
    char instrument[revisionSize];
    std::memset(driver, 0, sizeof driver);
    std::memset(instrument, 0, sizeof instrument);
    DWAV_DRIVER_CALL(tvkdwav_revision_query(m_moduleSession, driver, instrument), "driverRevision");
    driverRevision = fromCp1251(driver, sizeof driver);
    instrumentRevision = fromCp1251(instrument, sizeof instrument);
    return 0;
}

int DWAVModule::carrierRevision(QString &driverRevision, QString &instrumentRevision)
{
    driverRevision.clear();
    instrumentRevision.clear();
    char driver[revisionSize];
    char instrument[revisionSize];
    std::memset(driver, 0, sizeof driver);
    std::memset(instrument, 0, sizeof instrument);
    DWAV_DRIVER_CALL(tvkbase_revision_query(m_moduleSession, driver, instrument), "carrierRevision");
    driverRevision = fromCp1251(driver, sizeof driver);
    instrumentRevision = fromCp1251(instrument, sizeof instrument);
    return 0;
}

QString DWAVModule::compareVersions()
{
    const ViStatus status = tvkdwav_cmpVersions(m_moduleSession);
    setLastStatus(status);
    if (status == 0)
        return QString();
    errorMessage(status);
    return lastErrorMessage();
}
