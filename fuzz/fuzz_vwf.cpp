// libFuzzer target of the AWG data file codec over in-memory data: the
// reader takes any bytes without reading or allocating past what they hold,
// what it reads writes back to the same bytes, and a file compared with
// itself never differs.

#include "AwgFileComparison.h"
#include "AwgFileHeader.h"
#include "AwgFileReader.h"
#include "AwgFileWriter.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

template <typename T>
void roundTrip(const QByteArray &input, AwgFileReader &reader, const AwgFileHeader &layout,
               bool headerKept)
{
    const quint32 count = layout.numSamples;
    std::unique_ptr<T[]> chan1(layout.hasChan1() ? new T[count] : nullptr);
    std::unique_ptr<T[]> chan2(layout.hasChan2() ? new T[count] : nullptr);
    QByteArray output;
    QBuffer device(&output);
    device.open(QIODevice::WriteOnly);
    AwgFileWriter writer(&device);
    if (!writer.writeHeader(layout))
        std::abort();
    for (quint32 p = 0; p < layout.numPacks; ++p) {
        // The size was checked first, so every packet is there in full.
        if (reader.readPacket(layout, chan1.get(), chan2.get(), count) != count)
            std::abort();
        if (!writer.writePacket(chan1.get(), chan2.get(), count))
            std::abort();
    }
    const int skip = headerKept ? 0 : AwgFileHeader::size;
    if (output.size() > input.size()
        || std::memcmp(output.constData() + skip, input.constData() + skip, size_t(output.size() - skip)) != 0)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    QBuffer device;
    device.setData(input);
    device.open(QIODevice::ReadOnly);
    AwgFileReader reader(&device);
    AwgFileHeader layout;
    if (reader.readHeader(&layout)) {
        bool acceptable = true;
        for (int f = AwgFileHeader::Chan; f <= AwgFileHeader::DataFormat; ++f)
            acceptable = acceptable
                         && AwgFileHeader::isAcceptable(AwgFileHeader::Field(f), layout.field(AwgFileHeader::Field(f)));
        const bool headerKept = layout.clampCounts().isEmpty();
        if (acceptable && quint64(size) >= AwgFileHeader::size + layout.bodyBytes()) {
            if (layout.isCodes())
                roundTrip<qint16>(input, reader, layout, headerKept);
            else
                roundTrip<double>(input, reader, layout, headerKept);
        }
    }

    QBuffer first;
    QBuffer second;
    first.setData(input);
    second.setData(input);
    first.open(QIODevice::ReadOnly);
    second.open(QIODevice::ReadOnly);
    const AwgFileComparison::Outcome same = AwgFileComparison::compare(&first, &second).outcome;
    if (same == AwgFileComparison::Differ || same == AwgFileComparison::SecondLonger)
        std::abort();

    if (size > 0) {
        // The same bytes with the last one changed: any outcome, no fault.
        QByteArray changed(input.constData(), input.size());
        changed[changed.size() - 1] = char(changed.at(changed.size() - 1) ^ 0x5a);
        first.close();
        second.close();
        first.setData(input);
        second.setData(changed);
        first.open(QIODevice::ReadOnly);
        second.open(QIODevice::ReadOnly);
        AwgFileComparison::compare(&first, &second);
    }
    return 0;
}
