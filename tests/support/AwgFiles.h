#pragma once

// AWG data files for tests, written with the panel's own codec: `packs`
// packets of 8 samples; channel 1 counts up from `first`, channel 2 down
// from -`first` (doubles in volts, codes as whole numbers).

#include "AwgFileHeader.h"
#include "AwgFileWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <vector>

namespace AwgFiles {

inline QByteArray bytes(quint8 chan, bool codes, quint16 packs = 1, double first = 0.0)
{
    AwgFileHeader header;
    header.chan = chan;
    header.dataFormat = codes ? 1 : 0;
    header.numPacks = packs;
    QByteArray out;
    QBuffer device(&out);
    device.open(QIODevice::WriteOnly);
    AwgFileWriter writer(&device);
    writer.writeHeader(header);
    for (int p = 0; p < packs; ++p) {
        std::vector<double> volts1(8), volts2(8);
        std::vector<qint16> codes1(8), codes2(8);
        for (int k = 0; k < 8; ++k) {
            const double step = k + 8 * p;
            volts1[k] = p == 0 && k == 0 ? first : 0.25 * step;
            volts2[k] = p == 0 && k == 0 ? -first : -0.5 * step;
            codes1[k] = qint16(p == 0 && k == 0 ? first : 100 * step);
            codes2[k] = qint16(p == 0 && k == 0 ? -first : -300 * step);
        }
        if (codes)
            writer.writePacket(header.hasChan1() ? codes1.data() : nullptr,
                               header.hasChan2() ? codes2.data() : nullptr, 8);
        else
            writer.writePacket(header.hasChan1() ? volts1.data() : nullptr,
                               header.hasChan2() ? volts2.data() : nullptr, 8);
    }
    return out;
}

// One byte of a file changed.
inline QByteArray patched(QByteArray file, int offset, char value)
{
    file[offset] = value;
    return file;
}

} // namespace AwgFiles
