#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// The 16-byte header of an AWG data file (".vwf"), big-endian: two
// identification words, the channel choice, output mode, start mode and
// sample format as bytes, then the cycle, packet and sample counts. The body
// follows directly: every packet, each sample with channel 1 before
// channel 2, values as doubles or as the DAC's signed 16-bit codes.
struct AwgFileHeader
{
    // The four byte fields the loader checks, in file order.
    enum Field { Chan, AwgMode, AwgStartMode, DataFormat };
    enum Count { Cycles, Packs, Samples };

    // A count brought into the AWG page's limits.
    struct Correction
    {
        Count count;
        bool tooBig;
        quint32 found;
        quint32 limit;
    };

    static constexpr int size = 16;
    static constexpr quint16 firstWordValue = 3702;
    static constexpr quint16 secondWordValue = 66;
    static constexpr quint32 maxSamples = 50000000;

    quint16 firstWord = firstWordValue;
    quint16 secondWord = secondWordValue;
    quint8 chan = 0;
    quint8 awgMode = 0;
    quint8 awgStartMode = 0;
    quint8 dataFormat = 0;
    quint16 numCycles = 1;
    quint16 numPacks = 1;
    quint32 numSamples = 8;

    void encode(uchar out[size]) const;
    static AwgFileHeader decode(const uchar in[size]);

    quint8 field(Field f) const;
    // chan takes 0, 1 or 2; the other fields 0 or 1.
    static bool isAcceptable(Field f, quint8 value);
    static quint32 minimum(Count c);
    static quint32 maximum(Count c);

    // Brings every count into its limits; the corrections in count order.
    QVector<Correction> clampCounts();

    bool hasChan1() const { return chan == 0 || chan == 2; }
    bool hasChan2() const { return chan == 1 || chan == 2; }
    int valuesPerSample() const { return chan == 2 ? 2 : 1; }
    // Any format but 0 is read as codes, as the comparison does.
    bool isCodes() const { return dataFormat != 0; }
    int valueSize() const { return isCodes() ? 2 : 8; }
    quint64 packetBytes() const;
    quint64 bodyBytes() const;
};
