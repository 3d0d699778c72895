#include "AwgFileHeader.h"

#include <QtEndian>

void AwgFileHeader::encode(uchar out[size]) const
{
    qToBigEndian(firstWord, out);
    qToBigEndian(secondWord, out + 2);
    out[4] = chan;
    out[5] = awgMode;
    out[6] = awgStartMode;
    out[7] = dataFormat;
    qToBigEndian(numCycles, out + 8);
    qToBigEndian(numPacks, out + 10);
    qToBigEndian(numSamples, out + 12);
}

AwgFileHeader AwgFileHeader::decode(const uchar in[size])
{
    AwgFileHeader h;
    h.firstWord = qFromBigEndian<quint16>(in);
    h.secondWord = qFromBigEndian<quint16>(in + 2);
    h.chan = in[4];
    h.awgMode = in[5];
    h.awgStartMode = in[6];
    h.dataFormat = in[7];
    h.numCycles = qFromBigEndian<quint16>(in + 8);
    h.numPacks = qFromBigEndian<quint16>(in + 10);
    h.numSamples = qFromBigEndian<quint32>(in + 12);
    return h;
}

quint8 AwgFileHeader::field(Field f) const
{
    switch (f) {
    case Chan: return chan;
    case AwgMode: return awgMode;
    case AwgStartMode: return awgStartMode;
    case DataFormat: return dataFormat;
    }
    return 0;
}

bool AwgFileHeader::isAcceptable(Field f, quint8 value)
{
    return value <= (f == Chan ? 2 : 1);
}

quint32 AwgFileHeader::minimum(Count c)
{
    return c == Samples ? 8 : 1;
}

quint32 AwgFileHeader::maximum(Count c)
{
    switch (c) {
    case Cycles: return 65535;
    case Packs: return 8192;
    case Samples: return maxSamples;
    }
    return 0;
}

QVector<AwgFileHeader::Correction> AwgFileHeader::clampCounts()
{
    QVector<Correction> corrections;
    auto clamp = [&corrections](Count c, quint32 value) {
        if (value > maximum(c)) {
            corrections.append({c, true, value, maximum(c)});
            return maximum(c);
        }
        if (value < minimum(c)) {
            corrections.append({c, false, value, minimum(c)});
            return minimum(c);
        }
        return value;
    };
    numCycles = quint16(clamp(Cycles, numCycles));
    numPacks = quint16(clamp(Packs, numPacks));
    numSamples = clamp(Samples, numSamples);
    return corrections;
}

quint64 AwgFileHeader::packetBytes() const
{
    return quint64(numSamples) * quint64(valuesPerSample()) * quint64(valueSize());
}

quint64 AwgFileHeader::bodyBytes() const
{
    // At most 65535 x 2^32 x 16 bytes: fits 64 bits.
    return quint64(numPacks) * packetBytes();
}
