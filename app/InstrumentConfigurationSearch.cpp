#include "InstrumentConfigurationSearch.h"

#include "DriverCodec.h"
#include "Logger.h"

#include "dwav_visa.h"
#include "tvkbase_32.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProgressDialog>

namespace {

const char resourceExpression[] = "?*[0-9]?*::?*::INSTR";

// Starting values for attribute reads: a read that fails leaves them as they
// are, and none of them may make a resource look like a carrier.
constexpr ViUInt16 noInterface = 0;
constexpr ViUInt16 noManufacturer = 0xFFFF;
constexpr ViUInt16 noModel = 0xFFFF;

constexpr int descriptorSize = VI_FIND_BUFLEN;
constexpr int idnReplySize = 512;
constexpr int statusTextSize = 512;

void processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace

InstrumentConfigurationSearch::InstrumentConfigurationSearch(QWidget *parent)
    : QWidget(parent)
{
    QProgressDialog progress(tr("Searching devices..."), QString(), 0, 100, parent);
    progress.setWindowTitle(tr("Please wait while searching connected devices..."));
    progress.setModal(true);
    processEvents();

    const QMetaObject::Connection value = connect(this, &InstrumentConfigurationSearch::operationProgressChanged,
                                                  &progress, &QProgressDialog::setValue);
    const QMetaObject::Connection label = connect(this, &InstrumentConfigurationSearch::operationTextChanged,
                                                  &progress, &QProgressDialog::setLabelText);
    const QMetaObject::Connection title = connect(this, &InstrumentConfigurationSearch::operationNameChanged,
                                                  &progress, &QWidget::setWindowTitle);
    progress.show();
    processEvents();

    restartSearch();

    disconnect(value);
    disconnect(label);
    disconnect(title);
    progress.close();
    processEvents();
}

QStringList InstrumentConfigurationSearch::deviceTypes() const
{
    return m_deviceTypes;
}

QStringList InstrumentConfigurationSearch::resourceNames() const
{
    return m_resourceNames;
}

QList<int> InstrumentConfigurationSearch::positions() const
{
    return m_positions;
}

QString InstrumentConfigurationSearch::failure() const
{
    return m_failure;
}

QString InstrumentConfigurationSearch::logFailure(const QString &resource, const char *call,
                                                  ViStatus status, ViSession session,
                                                  bool carrierCall)
{
    char text[statusTextSize] = {};
    if (carrierCall)
        tvkbase_error_message(session, status, text);
    else
        viStatusDesc(session, status, text);
    const QString description = DriverCodec::decode(text, statusTextSize);
    const QString line = tr("Instrument search: %1 failed for \"%2\" with status 0x%3: %4")
                             .arg(QString::fromLatin1(call), resource,
                                  QString::number(quint32(status), 16), description);
    Logger::instance(0)->log(line);
    return line;
}

void InstrumentConfigurationSearch::restartSearch()
{
    m_failure.clear();
    m_deviceTypes.clear();
    m_resourceNames.clear();
    m_positions.clear();
    search();
}

QString InstrumentConfigurationSearch::carrierTypeName(ushort manufacturer, ushort model)
{
    if (manufacturer == 3702 && (model == 341 || model == 269 || model == 375))
        return QStringLiteral("Mezzanine Carrier");
    if (manufacturer == 0 && (model == 34 || model == 264 || model == 2605 || model == 2994))
        return QStringLiteral("Kalvint");
    return QString();
}

QString InstrumentConfigurationSearch::carrierTypeNameFromIdn(ushort manufacturer, ushort model,
                                                              const QString &idn)
{
    if (idn.contains(QLatin1String("TVKBASE"), Qt::CaseSensitive))
        return QStringLiteral("Kalvint");
    return carrierTypeName(manufacturer, model);
}

QString InstrumentConfigurationSearch::mezzanineTypeName(int code)
{
    // The upper bits may carry a hardware revision; a word that is negative
    // as 16 bits is no DWAV module.
    if (code < 0 || code > 0x7FFF || (code & 0x0FFF) != 66)
        return QString();
    return QStringLiteral("Mezzanine DWAV");
}

void InstrumentConfigurationSearch::search()
{
    emit operationProgressChanged(0);
    emit operationNameChanged(tr("Search connected devices..."));

    // A VISA that cannot search at all must not look like a chassis without
    // modules: the failure is kept for the selection step to tell.
    ViSession resourceManager = VI_NULL;
    ViStatus status = viOpenDefaultRM(&resourceManager);
    if (status < VI_SUCCESS) {
        logFailure(QString(), "viOpenDefaultRM", status, resourceManager);
        m_failure = tr("The VISA resource manager could not be opened (status 0x%1).")
                        .arg(QString::number(quint32(status), 16));
        return;
    }

    ViFindList findList = VI_NULL;
    ViUInt32 count = 0;
    char descriptor[descriptorSize] = {};
    status = viFindRsrc(resourceManager, resourceExpression, &findList, &count, descriptor);
    if (status < VI_SUCCESS) {
        // Nothing matching is an answer, not a failure.
        if (status != VI_ERROR_RSRC_NFOUND) {
            logFailure(QString::fromLatin1(resourceExpression), "viFindRsrc", status, resourceManager);
            m_failure = tr("The VISA search for instruments failed (status 0x%1).")
                            .arg(QString::number(quint32(status), 16));
        }
        viClose(resourceManager);
        return;
    }
    processEvents();

    for (ViUInt32 i = 0; i < count; ++i) {
        if (i > 0) {
            status = viFindNext(findList, descriptor);
            if (status < VI_SUCCESS) {
                logFailure(QString::fromLatin1(resourceExpression), "viFindNext", status, findList);
                break;
            }
        }
        descriptor[descriptorSize - 1] = '\0';
        const QString resource = DriverCodec::decode(descriptor, descriptorSize);
        const int progress = int(qint64(i) * 100 / qint64(count));

        emit operationProgressChanged(progress);
        emit operationTextChanged(tr("Check device: %1").arg(resource));
        processEvents();

        ViSession session = VI_NULL;
        status = viOpen(resourceManager, descriptor, VI_NULL, 0, &session);
        if (status < VI_SUCCESS) {
            logFailure(resource, "viOpen", status, resourceManager);
            continue;
        }
        processEvents();

        // A refused read leaves the starting value, which is no carrier's;
        // it is logged like every other failure of the search.
        auto readAttribute = [&](ViAttr attribute, const char *call, void *value) {
            const ViStatus read = viGetAttribute(session, attribute, value);
            if (read < VI_SUCCESS)
                logFailure(resource, call, read, session);
        };
        ViUInt16 interfaceType = noInterface;
        ViUInt16 interfaceNumber = 0;
        readAttribute(VI_ATTR_INTF_TYPE, "viGetAttribute(VI_ATTR_INTF_TYPE)", &interfaceType);
        viGetAttribute(session, VI_ATTR_INTF_NUM, &interfaceNumber);

        QString carrierType;
        if (interfaceType == VI_INTF_GPIB || interfaceType == VI_INTF_ASRL
            || interfaceType == VI_INTF_TCPIP || interfaceType == VI_INTF_USB) {
            const ViStatus locked = viLock(session, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL);
            if (locked < VI_SUCCESS)
                logFailure(resource, "viLock", locked, session);
            if (locked >= VI_SUCCESS) {
                // A talkative instrument must not write past the reply
                // buffer: the read is bounded by the format's width, with a
                // spare byte whether or not the library counts the
                // terminating zero in it, and the text is cut at 511.
                char reply[idnReplySize + 1] = {};
                status = viQueryf(session, "*IDN?\n", "%512t", reply);
                reply[idnReplySize - 1] = '\0';
                const QString idn = QString::fromUtf8(reply);
                processEvents();
                viUnlock(session);
                if (status < VI_SUCCESS)
                    logFailure(resource, "viQueryf", status, session);
                if (status >= VI_SUCCESS) {
                    ViUInt16 manufacturer = noManufacturer;
                    ViUInt16 model = noModel;
                    readAttribute(VI_ATTR_MANF_ID, "viGetAttribute(VI_ATTR_MANF_ID)", &manufacturer);
                    readAttribute(VI_ATTR_MODEL_CODE, "viGetAttribute(VI_ATTR_MODEL_CODE)", &model);
                    carrierType = carrierTypeNameFromIdn(manufacturer, model & 0x0FFF, idn);
                }
            }
        } else if (interfaceType == VI_INTF_VXI || interfaceType == VI_INTF_GPIB_VXI) {
            ViInt16 slot = 0;
            status = viGetAttribute(session, VI_ATTR_SLOT, &slot);
            if (status != VI_SUCCESS)
                logFailure(resource, "viGetAttribute(VI_ATTR_SLOT)", status, session);
            if (status == VI_SUCCESS && slot != 0) {
                ViInt16 mainframe = 0;
                ViUInt16 manufacturer = noManufacturer;
                ViUInt16 model = noModel;
                viGetAttribute(session, VI_ATTR_MAINFRAME_LA, &mainframe);
                readAttribute(VI_ATTR_MANF_ID, "viGetAttribute(VI_ATTR_MANF_ID)", &manufacturer);
                readAttribute(VI_ATTR_MODEL_CODE, "viGetAttribute(VI_ATTR_MODEL_CODE)", &model);
                carrierType = carrierTypeName(manufacturer, model & 0x0FFF);
            }
        }

        if (!carrierType.isEmpty()) {
            ViSession carrier = VI_NULL;
            const QByteArray name = QByteArray(descriptor);
            status = tvkbase_init(name.constData(), 1, 1, &carrier);
            if (status < VI_SUCCESS)
                logFailure(resource, "tvkbase_init", status, VI_NULL, true);
            if (status >= VI_SUCCESS) {
                processEvents();
                probeCarrier(resource, progress, carrier);
                tvkbase_close(carrier);
                processEvents();
            }
        }

        if (status != VI_SUCCESS) {
            char text[statusTextSize] = {};
            viStatusDesc(session, status, text);
            qDebug().noquote() << DriverCodec::decode(text, statusTextSize);
        }
        viClose(session);
    }

    viClose(findList);
    // The search opened this session and nothing else holds it.
    viClose(resourceManager);
}

void InstrumentConfigurationSearch::probeCarrier(const QString &descriptor, int progress, ViSession carrier)
{
    for (int position = TVKBASE_FIRST_POSITION; position <= TVKBASE_LAST_POSITION; ++position) {
        emit operationProgressChanged(progress);
        emit operationTextChanged(
            tr("Check device: %1, position: %2").arg(descriptor, QString::number(position)));

        ViInt16 present = 0;
        ViInt16 code = -1;
        const ViStatus status = tvkbase_m_type_q(carrier, ViInt16(position), &present, &code);
        if (status < VI_SUCCESS)
            logFailure(tr("%1, position %2").arg(descriptor, QString::number(position)),
                       "tvkbase_m_type_q", status, carrier, true);
        if (status < VI_SUCCESS || present == 0)
            continue;
        processEvents();
        const QString type = mezzanineTypeName(code);
        if (!type.isEmpty()) {
            m_deviceTypes.append(type);
            m_resourceNames.append(descriptor);
            m_positions.append(position);
        }
    }
}
