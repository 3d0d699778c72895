#pragma once

#include "AwgFileHeader.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// Writes an AWG data file to any device: the header, then packet after
// packet, gathered from the channel buffers and turned to big-endian in
// large blocks.
class AwgFileWriter
{
public:
    static constexpr qint64 blockBytes = 8 * 1024 * 1024;

    explicit AwgFileWriter(QIODevice *device);

    bool writeHeader(const AwgFileHeader &header);
    // Writes `count` samples: the channel 1 value when chan1 is given, then
    // the channel 2 value when chan2 is given. False when a write fails.
    bool writePacket(const double *chan1, const double *chan2, quint32 count);
    bool writePacket(const qint16 *chan1, const qint16 *chan2, quint32 count);

    QString errorString() const;

private:
    template <typename T>
    bool writeValues(const T *chan1, const T *chan2, quint32 count);
    bool put(const char *data, qint64 bytes);

    QIODevice *m_device;
    QByteArray m_block;
};
