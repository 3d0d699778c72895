#pragma once

#include "AwgFileHeader.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads an AWG data file packet by packet from any device (a file, or
// memory): large reads, byte order turned in bulk, the two channels of a
// sample spread into their own buffers.
class AwgFileReader
{
public:
    static constexpr qint64 blockBytes = 8 * 1024 * 1024;

    explicit AwgFileReader(QIODevice *device);

    // False when the device ends before the 16 header bytes.
    bool readHeader(AwgFileHeader *header);

    // Reads `count` samples laid out as `layout` says into the buffers of the
    // channels it holds (the other buffer may be null). Returns the number of
    // whole samples read: fewer than `count` only when the data ended or a
    // read failed (see failed()).
    quint64 readPacket(const AwgFileHeader &layout, double *chan1, double *chan2, quint32 count);
    quint64 readPacket(const AwgFileHeader &layout, qint16 *chan1, qint16 *chan2, quint32 count);

    // Whether anything is left after what was read.
    bool hasMoreData() const;
    bool failed() const { return m_failed; }
    QString errorString() const;

private:
    template <typename T>
    quint64 readValues(const AwgFileHeader &layout, T *chan1, T *chan2, quint32 count);
    // Reads up to `bytes` bytes, across short reads; stops at the end.
    qint64 fill(char *dest, qint64 bytes);

    QIODevice *m_device;
    QByteArray m_block;
    bool m_failed = false;
};
