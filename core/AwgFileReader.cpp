#include "AwgFileReader.h"

#include "AwgSampleOrder.h"

#include <QIODevice>

AwgFileReader::AwgFileReader(QIODevice *device)
    : m_device(device)
{
}

qint64 AwgFileReader::fill(char *dest, qint64 bytes)
{
    qint64 done = 0;
    while (done < bytes) {
        const qint64 got = m_device->read(dest + done, qMin(bytes - done, blockBytes));
        if (got < 0) {
            m_failed = true;
            break;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

bool AwgFileReader::readHeader(AwgFileHeader *header)
{
    uchar bytes[AwgFileHeader::size];
    if (fill(reinterpret_cast<char *>(bytes), sizeof bytes) != qint64(sizeof bytes))
        return false;
    *header = AwgFileHeader::decode(bytes);
    return true;
}

template <typename T>
quint64 AwgFileReader::readValues(const AwgFileHeader &layout, T *chan1, T *chan2, quint32 count)
{
    const qint64 width = sizeof(T);
    if (layout.valuesPerSample() == 1) {
        // One channel: its values lie one after the other, so they go
        // straight into its buffer and are turned round there.
        T *values = layout.hasChan1() ? chan1 : chan2;
        const quint64 whole = quint64(fill(reinterpret_cast<char *>(values), qint64(count) * width)) / width;
        AwgSampleOrder::manyFromFile(values, qsizetype(whole), values);
        return whole;
    }

    const qint64 sampleBytes = 2 * width;
    const quint32 perBlock = quint32(blockBytes / sampleBytes);
    const qint64 blockSize = qint64(qMin(count, perBlock)) * sampleBytes;
    if (m_block.size() < blockSize)
        m_block.resize(int(blockSize));
    quint64 done = 0;
    while (done < count) {
        const quint32 wanted = quint32(qMin<quint64>(count - done, perBlock));
        const qint64 got = fill(m_block.data(), wanted * sampleBytes);
        const quint32 whole = quint32(got / sampleBytes);
        const uchar *in = reinterpret_cast<const uchar *>(m_block.constData());
        T *out1 = chan1 + done;
        T *out2 = chan2 + done;
        for (quint32 k = 0; k < whole; ++k, in += sampleBytes) {
            AwgSampleOrder::fromFile(in, out1[k]);
            AwgSampleOrder::fromFile(in + width, out2[k]);
        }
        done += whole;
        if (whole < wanted)
            break;
    }
    return done;
}

quint64 AwgFileReader::readPacket(const AwgFileHeader &layout, double *chan1, double *chan2,
                                  quint32 count)
{
    return readValues(layout, chan1, chan2, count);
}

quint64 AwgFileReader::readPacket(const AwgFileHeader &layout, qint16 *chan1, qint16 *chan2,
                                  quint32 count)
{
    return readValues(layout, chan1, chan2, count);
}

bool AwgFileReader::hasMoreData() const
{
    return !m_device->atEnd();
}

QString AwgFileReader::errorString() const
{
    return m_device->errorString();
}
