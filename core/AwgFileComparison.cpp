#include "AwgFileComparison.h"

#include "AwgFileHeader.h"
#include "AwgSampleOrder.h"

#include <QByteArray>
#include <QIODevice>

#include <cmath>
#include <cstring>

namespace {

qint64 fill(QIODevice *device, char *dest, qint64 bytes)
{
    qint64 done = 0;
    while (done < bytes) {
        const qint64 got = device->read(dest + done, bytes - done);
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

quint64 unsignedAt(const uchar *p, int width)
{
    switch (width) {
    case 1: return *p;
    case 2: return qFromBigEndian<quint16>(p);
    default: return qFromBigEndian<quint32>(p);
    }
}

AwgFileComparison::Result outcome(AwgFileComparison::Outcome o, const QString &first = QString(),
                                  const QString &second = QString())
{
    AwgFileComparison::Result r;
    r.outcome = o;
    r.first = first;
    r.second = second;
    return r;
}

// The first differing value among `count` values of the two blocks, or -1.
qint64 firstDifference(const uchar *a, const uchar *b, qint64 count, bool codes)
{
    const int width = codes ? 2 : 8;
    for (qint64 k = 0; k < count; ++k, a += width, b += width) {
        if (std::memcmp(a, b, size_t(width)) == 0)
            continue;
        if (codes)
            return k;
        double x, y;
        AwgSampleOrder::fromFile(a, x);
        AwgSampleOrder::fromFile(b, y);
        if (!AwgFileComparison::doublesEqual(x, y))
            return k;
    }
    return -1;
}

QString shown(const uchar *value, bool codes)
{
    if (codes)
        return QString::number(qFromBigEndian<quint16>(value));
    double x;
    AwgSampleOrder::fromFile(value, x);
    return QString::number(x);
}

} // namespace

bool AwgFileComparison::doublesEqual(double a, double b)
{
    if (std::memcmp(&a, &b, sizeof a) == 0)
        return true;
    if (std::fabs(a) < tolerance && std::fabs(b) < tolerance)
        return true;
    return std::fabs(a - b) <= tolerance;
}

AwgFileComparison::Result AwgFileComparison::compare(QIODevice *first, QIODevice *second)
{
    uchar head1[AwgFileHeader::size];
    uchar head2[AwgFileHeader::size];
    const qint64 got1 = fill(first, reinterpret_cast<char *>(head1), sizeof head1);
    const qint64 got2 = fill(second, reinterpret_cast<char *>(head2), sizeof head2);
    // Identification words, the four byte fields, the two 16-bit counts and
    // the sample count, each compared as an unsigned number of its width.
    static const int widths[] = {2, 2, 1, 1, 1, 1, 2, 2, 4};
    int offset = 0;
    for (int width : widths) {
        if (offset + width > got1 || offset + width > got2)
            return outcome(EndOfData);
        const quint64 a = unsignedAt(head1 + offset, width);
        const quint64 b = unsignedAt(head2 + offset, width);
        if (a != b)
            return outcome(Differ, QString::number(a), QString::number(b));
        offset += width;
    }

    const AwgFileHeader layout = AwgFileHeader::decode(head1);
    const bool codes = layout.isCodes();
    const qint64 width = layout.valueSize();
    quint64 valuesLeft = quint64(layout.numPacks) * layout.numSamples * quint64(layout.valuesPerSample());
    const qint64 perBlock = blockBytes / width;
    // No larger than what the first file can still hold.
    quint64 blockValues = qMin<quint64>(valuesLeft, quint64(perBlock));
    if (!first->isSequential())
        blockValues = qMin<quint64>(blockValues, quint64(qMax<qint64>(first->size() - first->pos(), 0)) / width + 1);
    QByteArray block1(int(blockValues * width), Qt::Uninitialized);
    QByteArray block2(block1.size(), Qt::Uninitialized);
    while (valuesLeft > 0) {
        const qint64 wanted = qint64(qMin<quint64>(valuesLeft, blockValues));
        const qint64 read1 = fill(first, block1.data(), wanted * width);
        const qint64 read2 = fill(second, block2.data(), wanted * width);
        const qint64 common = qMin(read1, read2) / width;
        const uchar *a = reinterpret_cast<const uchar *>(block1.constData());
        const uchar *b = reinterpret_cast<const uchar *>(block2.constData());
        if (std::memcmp(a, b, size_t(common * width)) != 0) {
            const qint64 k = firstDifference(a, b, common, codes);
            if (k >= 0)
                return outcome(Differ, shown(a + k * width, codes), shown(b + k * width, codes));
        }
        if (common < wanted)
            return outcome(EndOfData);
        valuesLeft -= quint64(wanted);
    }

    if (!first->atEnd())
        return outcome(FirstLonger);
    if (!second->atEnd())
        return outcome(SecondLonger);
    return outcome(Match);
}
