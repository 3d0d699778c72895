#include "AwgFileWriter.h"

#include "AwgSampleOrder.h"

#include <QIODevice>

AwgFileWriter::AwgFileWriter(QIODevice *device)
    : m_device(device)
{
}

bool AwgFileWriter::put(const char *data, qint64 bytes)
{
    while (bytes > 0) {
        const qint64 written = m_device->write(data, bytes);
        if (written <= 0)
            return false;
        data += written;
        bytes -= written;
    }
    return true;
}

bool AwgFileWriter::writeHeader(const AwgFileHeader &header)
{
    uchar bytes[AwgFileHeader::size];
    header.encode(bytes);
    return put(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

template <typename T>
bool AwgFileWriter::writeValues(const T *chan1, const T *chan2, quint32 count)
{
    const qint64 width = sizeof(T);
    const int perSample = (chan1 ? 1 : 0) + (chan2 ? 1 : 0);
    if (perSample == 0)
        return true;
    const qint64 sampleBytes = perSample * width;
    const quint32 perBlock = quint32(blockBytes / sampleBytes);
    const qint64 blockSize = qint64(qMin(count, perBlock)) * sampleBytes;
    if (m_block.size() < blockSize)
        m_block.resize(int(blockSize));
    uchar *block = reinterpret_cast<uchar *>(m_block.data());

    for (quint64 done = 0; done < count;) {
        const quint32 n = quint32(qMin<quint64>(count - done, perBlock));
        if (perSample == 1) {
            AwgSampleOrder::manyToFile((chan1 ? chan1 : chan2) + done, n, block);
        } else {
            uchar *out = block;
            const T *in1 = chan1 + done;
            const T *in2 = chan2 + done;
            for (quint32 k = 0; k < n; ++k, out += sampleBytes) {
                AwgSampleOrder::toFile(in1[k], out);
                AwgSampleOrder::toFile(in2[k], out + width);
            }
        }
        if (!put(m_block.constData(), n * sampleBytes))
            return false;
        done += n;
    }
    return true;
}

bool AwgFileWriter::writePacket(const double *chan1, const double *chan2, quint32 count)
{
    return writeValues(chan1, chan2, count);
}

bool AwgFileWriter::writePacket(const qint16 *chan1, const qint16 *chan2, quint32 count)
{
    return writeValues(chan1, chan2, count);
}

QString AwgFileWriter::errorString() const
{
    return m_device->errorString();
}
