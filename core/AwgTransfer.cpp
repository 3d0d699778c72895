#include "AwgTransfer.h"

#include "AwgFileReader.h"
#include "AwgFileWriter.h"
#include "Logger.h"
#include "UserFile.h"

#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QSaveFile>

#include <memory>
#include <new>

namespace {

const ViUInt16 packetReserved = 1;

ViStatus writePacket(ViSession s, ViUInt16 chan, ViUInt16 p, const double *c1, const double *c2,
                     ViUInt32 n)
{
    return tvkdwav_awg_writePacket(s, chan, p, packetReserved, c1, c2, n);
}

ViStatus writePacket(ViSession s, ViUInt16 chan, ViUInt16 p, const qint16 *c1, const qint16 *c2,
                     ViUInt32 n)
{
    return tvkdwav_awg_writePacket_codes(s, chan, p, packetReserved, c1, c2, n);
}

ViStatus readPacket(ViSession s, ViUInt16 chan, ViUInt16 p, double *c1, double *c2, ViUInt32 n)
{
    return tvkdwav_awg_readPacket(s, chan, p, packetReserved, c1, c2, n);
}

ViStatus readPacket(ViSession s, ViUInt16 chan, ViUInt16 p, qint16 *c1, qint16 *c2, ViUInt32 n)
{
    return tvkdwav_awg_readPacket_codes(s, chan, p, packetReserved, c1, c2, n);
}

QString traced(double value)
{
    return QString::number(value, 'g', 10);
}

QString traced(qint16 code)
{
    return QString::number(quint16(code), 16);
}

// One packet's buffer for a channel the layout holds; for the other, room
// for `unused` values (none when 0).
template <typename T>
bool allocate(std::unique_ptr<T[]> &buffer, bool wanted, quint32 count, quint32 unused = 0)
{
    if (wanted)
        buffer.reset(new (std::nothrow) T[count]);
    else if (unused)
        buffer.reset(new (std::nothrow) T[unused]());
    return (!wanted && !unused) || buffer;
}

} // namespace

AwgTransfer::AwgTransfer(ViSession moduleSession, int position)
    : m_session(moduleSession)
    , m_logger(Logger::instance(position))
{
}

QString AwgTransfer::returnedStatus(ViSession session, int status)
{
    char text[TVKBASE_ERROR_MESSAGE_BUFLEN] = {};
    tvkbase_error_message(session, status, text);
    text[sizeof text - 1] = '\0';
    // Signed: a minus sign and the digits of the magnitude.
    const QString hex = status < 0 ? QLatin1Char('-') + QString::number(-qint64(status), 16)
                                   : QString::number(status, 16);
    return QStringLiteral("Returned status (%1) Message: %2").arg(hex, QString::fromLocal8Bit(text));
}

template <typename T>
int AwgTransfer::loadPackets(AwgFileReader &reader, const AwgFileHeader &layout)
{
    const quint32 count = layout.numSamples;
    // A driver may not take a null buffer even for the channel it leaves
    // alone: that one gets room for a single value.
    std::unique_ptr<T[]> chan1;
    std::unique_ptr<T[]> chan2;
    if (!allocate(chan1, layout.hasChan1(), count, 1) || !allocate(chan2, layout.hasChan2(), count, 1)) {
        m_stop = OutOfMemory;
        return VI_ERROR_ALLOC;
    }
    for (quint32 p = 0; p < layout.numPacks; ++p) {
        const quint64 samples = reader.readPacket(layout, chan1.get(), chan2.get(), count);
        if (samples != count) {
            m_logger->log(QStringLiteral("Number of samples read (%1) != numSamples (%2)!!!")
                              .arg(samples * quint64(layout.valuesPerSample()))
                              .arg(count),
                          QStringLiteral("AWGLoadFromFile"));
            m_stop = DataEnded;
            return VI_ERROR_FILE_IO;
        }
        const ViStatus status = writePacket(m_session, layout.chan, ViUInt16(p), chan1.get(),
                                            chan2.get(), count);
        if (status != 0)
            return status;
    }
    return 0;
}

int AwgTransfer::load(AwgFileReader &reader, const AwgFileHeader &layout)
{
    m_stop = NoStop;
    m_logger->status(QStringLiteral("Please wait..."), QStringLiteral("Loading AWG data"));
    int status;
    {
        Logger::FileLoggingScope quiet(m_logger, false);
        m_logger->log(layout.isCodes() ? QStringLiteral("UInt16") : QStringLiteral("double"),
                      QStringLiteral("Reading AWG data from file, format:"));
        status = layout.isCodes() ? loadPackets<qint16>(reader, layout)
                                  : loadPackets<double>(reader, layout);
    }
    // Failures are reported with file logging back as it was, so that they
    // reach the log file whenever the operator has it on.
    const QString failedKey = QStringLiteral("Loading AWG data failed");
    switch (m_stop) {
    case OutOfMemory:
        m_logger->critical(QStringLiteral("Not enough memory for a packet of %1 samples").arg(layout.numSamples),
                           failedKey);
        return status;
    case DataEnded: {
        Logger::FileLoggingScope loud(m_logger, true);
        m_logger->critical(reader.failed()
                               ? QStringLiteral("Cannot read file: %1").arg(reader.errorString())
                               : QStringLiteral("Data stream has reached the end before the whole claimed data was read!"));
        m_logger->status(QStringLiteral("Load of AWG points failed"));
        return status;
    }
    default:
        break;
    }
    if (status != 0) {
        m_logger->status(QStringLiteral("Load of AWG points failed"));
        m_logger->critical(returnedStatus(m_session, status));
        return status;
    }
    if (reader.hasMoreData())
        m_logger->status(QStringLiteral("Not all points have been stored in the RAM"), QStringLiteral("Warning"));
    m_logger->status(QStringLiteral("Load of AWG points was successfull"));
    return 0;
}

template <typename T>
int AwgTransfer::savePackets(AwgFileWriter &writer, const AwgFileHeader &header)
{
    const quint32 count = qMin(header.numSamples, AwgFileHeader::maxSamples);
    std::unique_ptr<T[]> chan1;
    std::unique_ptr<T[]> chan2;
    if (!allocate(chan1, header.hasChan1(), count) || !allocate(chan2, header.hasChan2(), count)) {
        m_stop = OutOfMemory;
        return VI_ERROR_ALLOC;
    }
    // A line per value is only built when something can see it: with file
    // logging off that is only a listener to the logger's signal.
    const bool traceEachValue = m_logger->isObserved(LoggerPlain);
    for (quint32 p = 0; p < header.numPacks; ++p) {
        const ViStatus status = readPacket(m_session, header.chan, ViUInt16(p), chan1.get(),
                                           chan2.get(), count);
        if (status != 0) {
            m_logger->log(QStringLiteral("Reading AWG points from DWAV failed"));
            return status;
        }
        m_logger->log(QStringLiteral("Writing to file data for chan 1 and chan 2"));
        if (!writer.writePacket(chan1.get(), chan2.get(), count)) {
            m_stop = WriteFailed;
            m_writeError = writer.errorString();
            return VI_ERROR_FILE_IO;
        }
        if (traceEachValue) {
            for (quint32 k = 0; k < count; ++k) {
                if (chan1)
                    m_logger->log(traced(chan1[k]), QStringLiteral("Chan 1 data:"));
                if (chan2)
                    m_logger->log(traced(chan2[k]), QStringLiteral("Chan 2 data:"));
            }
        }
    }
    return 0;
}

int AwgTransfer::save(const QString &path, const AwgFileHeader &header)
{
    m_stop = NoStop;
    const QString failedKey = QStringLiteral("Saving AWG data to file failed");
    QSaveFile file(path);
    if (!UserFile::openForSave(file)) {
        m_logger->critical(QStringLiteral("Cannot open file %1!").arg(path), failedKey);
        return VI_ERROR_FILE_ACCESS;
    }
    AwgFileWriter writer(&file);
    int status = 0;
    if (!writer.writeHeader(header)) {
        m_stop = WriteFailed;
        m_writeError = writer.errorString();
        status = VI_ERROR_FILE_IO;
    } else {
        Logger::FileLoggingScope quiet(m_logger, false);
        if (header.isCodes())
            m_logger->log(QStringLiteral("ViUInt16"),
                          QStringLiteral("Reading AWG data from DWAV and writing it to file, format"));
        else
            m_logger->log(QStringLiteral("double"),
                          QStringLiteral("Reading AWG data from DWAV and writing it to file, format:"));
        status = header.isCodes() ? savePackets<qint16>(writer, header)
                                  : savePackets<double>(writer, header);
    }
    if (status == 0 && !UserFile::commit(file, &m_writeError)) {
        m_stop = WriteFailed;
        status = VI_ERROR_FILE_IO;
    }
    if (status != 0) {
        file.cancelWriting();
        if (m_stop == OutOfMemory)
            m_logger->critical(QStringLiteral("Not enough memory for a packet of %1 samples")
                                   .arg(qMin(header.numSamples, AwgFileHeader::maxSamples)),
                               failedKey);
        else if (m_stop == WriteFailed)
            m_logger->critical(QStringLiteral("Cannot write file %1: %2").arg(path, m_writeError), failedKey);
        // A refused packet read is told in the driver's words, as a refused
        // write is when loading: otherwise its status reaches nobody. The
        // status line then ends on the save's own outcome.
        if (m_stop == NoStop)
            m_logger->critical(returnedStatus(m_session, status));
        m_logger->status(QStringLiteral("Saving AWG points failed"));
        return status;
    }
    m_logger->status(QStringLiteral("Saving AWG points successfull"));
    return 0;
}
