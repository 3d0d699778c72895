#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>

#include "dwav_visa.h"

class QSettings;
class Logger;
class IParameter;
class DWAVChanParameters;
class DWAVCommonParameters;
class DWAVQMParameters;
class AFGParameters;
class AWGParameters;

// The one object through which the panel reaches the DWAV module at one
// mezzanine position: it owns the parameter sets, the driver sessions, the
// device state and the last error. Windows and dialogs are given a pointer to
// it and never own it.
//
// Threads: the module lives on the GUI thread. The service and calibration
// tasks call it from a pool thread while the GUI thread polls; only the last
// status, the last error and the self-test result are guarded (driver calls
// are not serialised).
class DWAVModule : public QObject
{
    Q_OBJECT

public:
    enum DeviceState {
        DeviceClosed = 1,      // closed or not initialised (DEMO mode)
        DeviceInitialized = 2,
        DeviceConfigured = 3,
        DeviceStarted = 4
    };
    Q_ENUM(DeviceState)

    enum { ChannelCount = 2 };

    explicit DWAVModule(QObject *parent = nullptr);
    ~DWAVModule() override;

    // ---- Lifecycle (DWAVModule.cpp) -------------------------------------
    void createParameters();
    int setInitParams(ViSession carrier, ushort mezNum, ushort idQuery, ushort resetDevice,
                      void *hostHandle);
    int initCarrier(const QString &resource, ushort idQuery, ushort resetDevice, ushort mezNum);
    int initialize();
    int checkAlreadyInitialized();
    int performInit();
    int performConnect();
    void setState(DeviceState s);

    // State-keeping layer: refused with -1 (and no driver call) in state 1.
    int configure();
    int start();
    int stop();
    int reset();
    int close();

    bool checkPassword(const QString &typed) const;

    // ---- Accessors --------------------------------------------------------
    ViSession moduleSession() const { return m_moduleSession; }
    ViSession carrierSession() const { return m_carrierSession; }
    void setModuleSession(ViSession session) { m_moduleSession = session; }
    int setCarrierSession(ViSession session);
    QString name() const { return m_name; }
    QString type() const { return m_type; }
    QString base() const { return m_base; }
    QString path() const { return m_path; }
    QString lastErrorMessage() const;
    // Counts the texts stored as last error, so that a reader can tell a
    // text set since it last looked from one left by an earlier failure.
    quint64 lastErrorSerial() const;
    QString selfTestText() const;
    qint16 selfTestCode() const;
    void setSelfTestText(const QString &text);
    void setSelfTestCode(qint16 code);
    DeviceState state() const { return m_state; }
    int lastStatus() const;
    void setLastStatus(int status);
    void setGenerating(bool on) { m_generating = on; }
    bool isGenerating() const { return m_generating; }
    void setConfigured(bool on) { m_configured = on; }
    bool isConfigured() const { return m_configured; }
    void setInitialized(bool on) { m_initialized = on; }
    bool isInitialized() const { return m_initialized; }
    bool autoConfig() const { return m_autoConfig; }
    int currentPanelTabIndex() const { return m_currentPanelTabIndex; }
    QString awgLoadingFilePath() const { return m_AWGLoadingFilePath; }
    QString awgSavingFilePath() const { return m_AWGSavingFilePath; }
    bool querySettingsParameters() const { return m_querySettingsParameters; }
    void setMode(ushort mode) { m_mode = mode; }
    ushort mode() const { return m_mode; }
    void setStandaloneProgram(bool on) { m_standaloneProgram = on; }
    bool isStandaloneProgram() const { return m_standaloneProgram; }
    int mezNum() const { return m_mezNum; }
    ushort idQuery() const { return m_idQuery; }
    ushort resetDevice() const { return m_resetDevice; }

    // ---- Driver operations and error reporting (DWAVModule.cpp) ----------
    void errorMessage(int status);
    void setLastError(const QString &text, int status);
    void reportStatus(int status);

    int performStart();
    int programStart();
    int performStop();
    int performReset();
    int performClose();

    int getSFstate(bool *state);
    int getLockDetect(bool *lockDetect);
    int askADC(double *value, ushort input);
    int getTemperature(double *t1, double *t2);
    int checkState(int *runState);

    int driverRevision(QString &driverRevision, QString &instrumentRevision);
    int carrierRevision(QString &driverRevision, QString &instrumentRevision);
    QString compareVersions();

    // ---- Self tests and calibration (DWAVModuleService.cpp) --------------
    int selfTest();
    // testType: 0 self test, 1 OK-off, 2 RAM, 3/4 AFG of channel 1/2. The RAM
    // test needs exactly four arguments: start address, size in kilo-samples,
    // test mode, read only. An unknown type or missing/short arguments runs
    // nothing and gives a non-zero result with a message in *text.
    int runServiceTest(uint testType, QString *text, const QVariantList *args = nullptr);
    int getCalibrationData(void *record);
    int calibrate(ushort chan, void *record);
    int calibrateADC(void *record, char *message);
    int stopCalibration();
    int saveCalibrationData();
    int loadCalibrationData();
    int calibrationDate(QString &date);
    int selfTestAndMarkInitialized();

    // ---- Configuration sequence (DWAVModuleConfigure.cpp) ----------------
    int performConfigure();
    int configChannels();
    int configCommonParameters();
    int configAWG();
    int configAFG(int chan);
    int configHarmonicalAFG(int chan);
    int configTriangleAFG(int chan);
    int configImpulseAFG(int chan);
    int configLevelAFG(int chan);
    int configMultilevelAFG(int chan);
    int checkQueriedValue(const QString &name, double value, double configured,
                          IParameter *set = nullptr, bool writeBack = true, double tolerance = 0.0);
    int checkQueriedValue(const QString &name, unsigned long value, unsigned long configured,
                          IParameter *set = nullptr, bool writeBack = true,
                          unsigned long tolerance = 0);
    int checkQueriedValue(const QString &name, unsigned short value, unsigned short configured,
                          IParameter *set = nullptr, bool writeBack = true,
                          unsigned short tolerance = 0);

    // AFG point tables: Tup/Tdn of the triangle in seconds; the impulse's
    // Tup, Tdn and duty in percent of the period T (seconds). table holds
    // 1024 values; dt and n are written first.
    int calcTrianglePoints(double Uup, double Tup, double Udn, double Tdn, double *table,
                           double *dt, quint32 *n);
    int calcImpulsePoints(double Uup, double Tup, double Udn, double Tdn, double duty, double T,
                          double *table, double *dt, quint32 *n);

    // ---- Panel settings file (DWAVModuleSettings.cpp) --------------------
    int saveSettings(const QString &filePath);
    int loadSettings(const QString &filePath);
    void writeParameterSettings(QSettings &settings, IParameter *set, const QString &key);
    void readParameterSettings(QSettings &settings, IParameter *set, const QString &key);
    static QVariant parameterFromSettings(const QVariant &prototype, const QVariant &stored);
    template <typename T>
    void saveParameterGroup(const QString &subSetName, QSettings &settings, int chan);
    template <typename T>
    void loadParameterGroup(const QString &subSetName, QSettings &settings, int chan);
    // Every parameter group of the file in its order, written or read.
    void walkParameterGroups(QSettings &settings, bool saving);

    // ---- Parameter access (DWAVModuleAccess.cpp) -------------------------
    // Channel indexes are 0 and 1; any other index is refused (null pointer,
    // invalid value or -1) with a logged message.
    DWAVChanParameters *chanParameters(int chan) const;
    DWAVCommonParameters *commonParameters() const { return m_commonParameters; }
    DWAVQMParameters *qmParameters() const { return m_qmParameters; }
    AFGParameters *afgParameters(int chan) const;
    AWGParameters *awgParameters() const { return m_awgParameters; }

    QVariant chanParameter(int chan, const QString &key) const;
    QVariant commonParameter(const QString &key) const;
    QVariant qmParameter(const QString &key) const;
    QVariant afgParameter(int chan, const QString &key) const;
    QVariant awgParameter(const QString &key) const;
    QVariant parameterFromSet(IParameter *set, const QString &key) const;

    int setChanParameter(int chan, const QString &key, const QVariant &value);
    int setCommonParameter(const QString &key, const QVariant &value);
    int setQMParameter(const QString &key, const QVariant &value);
    int setAFGParameter(int chan, const QString &key, const QVariant &value);
    int setAWGParameter(const QString &key, const QVariant &value);
    int setParameterIfExists(IParameter *set, const QString &key, const QVariant &value);

    long double dataSpeed() const;
    long double sampleFreq() const;

    int setParameterValue(const QString &setName, const QString &subSetName, const QString &key,
                          int chan, const QVariant &value);
    QVariant parameterValue(const QString &setName, const QString &subSetName,
                            const QString &key, int chan) const;
    int setParameterFromWidget(QObject *widget);
    int updateWidgetFromParameter(QObject *widget);

signals:
    void stateChanged(DWAVModule::DeviceState state);

public slots:
    void setName(const QString &name) { m_name = name; }
    void setBase(const QString &base) { m_base = base; }
    void setPath(const QString &path) { m_path = path; }
    void setType(const QString &type) { m_type = type; }
    void setAutoConfig(bool state) { m_autoConfig = state; }
    void setCurrentPanelTabIndex(int index) { m_currentPanelTabIndex = index; }
    void setAWGLoadingFilePath(const QString &path) { m_AWGLoadingFilePath = path; }
    void setAWGSavingFilePath(const QString &path) { m_AWGSavingFilePath = path; }
    void setQuerySettingsParameters(bool state) { m_querySettingsParameters = state; }

protected:
    // How every failing driver call is reported, here and in the
    // configuration, settings and service sources:
    //
    //     ViStatus status = tvkdwav_xxx(m_moduleSession, ...);
    //     setLastStatus(status);
    //     if (status < 0)
    //         return reportFailure(__LINE__, "operationName", status);
    //
    // reportFailure logs the critical tag "(DWAVModule:<line>:<operation>)",
    // then asks the driver for its text (errorMessage), which becomes the last
    // error and is logged as critical, followed by the log-file-only line
    // "Returned status (<hex>) Message: <text>"; it returns the status.
    // reportLocation writes the tag alone, for a failure that was already
    // described by an inner call and is only being located again.
    int reportFailure(int line, const char *operation, int status);
    void reportLocation(int line, const char *operation);

    // Refuses an index other than 0 or 1 with a logged message.
    bool checkChannel(int chan, const char *operation) const;

    // The message sink of this module's position.
    Logger *logger() const;
    // The module driver's text for a status, read no further than the
    // driver's buffer; stores nothing.
    QString driverText(int status) const;
    // The carrier driver's text for a status of its own, likewise.
    QString carrierText(int status) const;
    // Texts of the tests, revisions and calibration date arrive in
    // Windows-1251; reads at most size bytes (stops at the first zero).
    static QString fromCp1251(const char *buffer, int size);

    void releaseParameters();

    // The common end of calibrate and calibrateADC, given the status of
    // their driver call and its source line.
    int finishCalibration(ViStatus status, int line, const char *operation, void *record);

    // Switches channel c's generator (0 synthesiser, 1 point table), with
    // its read-back; failures are reported under the given operation.
    int configGeneratorMode(ViUInt16 c, ViUInt16 genMode, const char *operation, IParameter *set);
    // Switches channel index chan to its point table and sends n levels,
    // each held dt seconds.
    int sendPointTable(int chan, const double *table, quint32 n, double dt, const char *operation);

private:
    int m_mezNum;
    ushort m_idQuery;
    ushort m_resetDevice;
    void *m_hostHandle;
    QVector<DWAVChanParameters *> m_chanParameters;
    DWAVCommonParameters *m_commonParameters;
    DWAVQMParameters *m_qmParameters;
    QVector<AFGParameters *> m_afgParameters;
    AWGParameters *m_awgParameters;
    ushort m_mode;
    bool m_autoConfig;
    int m_currentPanelTabIndex;
    QString m_AWGLoadingFilePath;
    QString m_AWGSavingFilePath;
    bool m_querySettingsParameters;
    bool m_generating;
    bool m_configured;
    bool m_initialized;
    QString m_accessCode;
    QString m_name;
    QString m_type;
    QString m_base;
    QString m_path;
    QString m_selfTestText;
    qint16 m_selfTestCode;
    QString m_lastError;
    quint64 m_lastErrorSerial = 0;
    ViSession m_moduleSession;
    ViSession m_carrierSession;
    int m_lastStatus;
    DeviceState m_state;
    bool m_standaloneProgram;

    // While a settings file loads: the keys it lacks, as group/key.
    QStringList *m_absentSettings = nullptr;

    // Guards m_lastError, m_lastErrorSerial, m_lastStatus, m_selfTestText
    // and m_selfTestCode, which the pool thread and the GUI thread both write.
    mutable QMutex m_errorLock;
};
