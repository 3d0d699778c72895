#include "AwgFileComparison.h"
#include "AwgFiles.h"
#include "AwgFileHeader.h"
#include "AwgFileReader.h"
#include "AwgFileWriter.h"
#include "TestMain.h"

#include <QBuffer>

#include <cmath>
#include <limits>
#include <vector>

using AwgFiles::bytes;

class TestAwgDataFile : public QObject
{
    Q_OBJECT

private slots:
    void writerLaysOutBothChannelsOfCodes();
    void handWrittenFileOfDoubles();
    void countsComeIntoLimits_data();
    void countsComeIntoLimits();
    void readerStopsWhereTheDataEnds_data();
    void readerStopsWhereTheDataEnds();
    void comparison_data();
    void comparison();
};

void TestAwgDataFile::writerLaysOutBothChannelsOfCodes()
{
    QByteArray file = bytes(2, true, 2);
    QCOMPARE(file.size(), 80);
    QCOMPARE(file.left(5), QByteArray::fromHex("0e76004202"));
    QCOMPARE(file.mid(16, 8), QByteArray::fromHex("000000000064fed4"));  // 0, 0, 100, -300: channel 1 first

    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    AwgFileReader reader(&in);
    AwgFileHeader header;
    QVERIFY(reader.readHeader(&header));
    std::vector<qint16> chan1(8), chan2(8);
    for (int p = 0; p < 2; ++p)
        QCOMPARE(reader.readPacket(header, chan1.data(), chan2.data(), 8), quint64(8));
    QCOMPARE(chan1[7], qint16(1500));  // sample 15
    QCOMPARE(chan2[7], qint16(-4500));
    QVERIFY(!reader.hasMoreData());
}

// Written by hand, not by our writer: big-endian doubles, channel 1 before
// channel 2 within each sample.
void TestAwgDataFile::handWrittenFileOfDoubles()
{
    QByteArray file = QByteArray::fromHex("0e760042" "02000000" "00010001" "00000002"  // both, 1 cycle, 1 packet, 2 samples
                                          "3ff0000000000000" "c004000000000000"  // 1.0, -2.5
                                          "3fe0000000000000" "3f50624dd2f1a9fc"); // 0.5, 0.001
    QBuffer in(&file);
    in.open(QIODevice::ReadOnly);
    AwgFileReader reader(&in);
    AwgFileHeader header;
    QVERIFY(reader.readHeader(&header));
    QCOMPARE(header.numSamples, quint32(2));
    std::vector<double> chan1(2), chan2(2);
    QCOMPARE(reader.readPacket(header, chan1.data(), chan2.data(), 2), quint64(2));
    QCOMPARE(chan1, (std::vector<double>{1.0, 0.5}));
    QCOMPARE(chan2, (std::vector<double>{-2.5, 0.001}));
    QVERIFY(!reader.hasMoreData());

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    AwgFileWriter writer(&out);
    QVERIFY(writer.writeHeader(header) && writer.writePacket(chan1.data(), chan2.data(), 2));
    QCOMPARE(written.toHex(), file.toHex());
}

void TestAwgDataFile::countsComeIntoLimits_data()
{
    QTest::addColumn<uint>("cycles");
    QTest::addColumn<uint>("packs");
    QTest::addColumn<uint>("samples");
    QTest::addColumn<QString>("corrected");
    QTest::addColumn<QStringList>("corrections");
    QTest::newRow("in limits") << 5u << 3u << 16u << "5 3 16" << QStringList();
    QTest::newRow("no packets") << 1u << 0u << 8u << "1 1 8" << QStringList{"1 small 0 1"};
    QTest::newRow("sixty million samples") << 1u << 1u << 60000000u << "1 1 50000000"
                                           << QStringList{"2 big 60000000 50000000"};
    QTest::newRow("all out") << 0u << 9000u << 7u << "1 8192 8"
                             << QStringList{"0 small 0 1", "1 big 9000 8192", "2 small 7 8"};
}

void TestAwgDataFile::countsComeIntoLimits()
{
    QFETCH(uint, cycles);
    QFETCH(uint, packs);
    QFETCH(uint, samples);
    AwgFileHeader header;
    header.numCycles = quint16(cycles);
    header.numPacks = quint16(packs);
    header.numSamples = samples;
    QStringList corrections;
    for (const AwgFileHeader::Correction &c : header.clampCounts())
        corrections << QStringLiteral("%1 %2 %3 %4").arg(c.count).arg(c.tooBig ? "big" : "small").arg(c.found).arg(c.limit);
    QTEST(QStringLiteral("%1 %2 %3").arg(header.numCycles).arg(header.numPacks).arg(header.numSamples),
          "corrected");
    QTEST(corrections, "corrections");
}

void TestAwgDataFile::readerStopsWhereTheDataEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("header");
    QTest::addColumn<quint64>("samples");
    QTest::addColumn<bool>("more");
    const QByteArray whole = bytes(2, false);  // 16 + 8 x 2 x 8 = 144 bytes
    for (int n = 0; n < AwgFileHeader::size; ++n)
        QTest::addRow("%d bytes", n) << whole.left(n) << false << quint64(0) << false;
    QTest::newRow("exact") << whole << true << quint64(8) << false;
    QTest::newRow("one byte extra") << whole + '\0' << true << quint64(8) << true;
    QTest::newRow("one value short") << whole.left(whole.size() - 8) << true << quint64(7) << false;
    QTest::newRow("ends inside a value") << whole.left(whole.size() - 3) << true << quint64(7) << false;
}

void TestAwgDataFile::readerStopsWhereTheDataEnds()
{
    QFETCH(QByteArray, bytes);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    AwgFileReader reader(&in);
    AwgFileHeader header;
    QTEST(reader.readHeader(&header), "header");
    if (bytes.size() < AwgFileHeader::size)
        return;
    std::vector<double> chan1(8), chan2(8);
    QTEST(reader.readPacket(header, chan1.data(), chan2.data(), 8), "samples");
    QTEST(reader.hasMoreData(), "more");
    QCOMPARE(chan2[6], -3.0);
}

void TestAwgDataFile::comparison_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("value1");
    QTest::addColumn<QString>("value2");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QByteArray base = bytes(0, false);
    auto first = [](double value, bool codes = false) { return bytes(codes ? 1 : 0, codes, 1, value); };
    auto row = [](const char *tag, const QByteArray &a, const QByteArray &b, AwgFileComparison::Outcome o,
                  const char *v1 = "", const char *v2 = "") {
        QTest::newRow(tag) << a << b << int(o) << QString::fromLatin1(v1) << QString::fromLatin1(v2);
    };
    row("same", base, base, AwgFileComparison::Match);
    row("0.00005 apart", first(2.0), first(2.00005), AwgFileComparison::Match);
    row("0.00005 against -0.00005", first(5e-5), first(-5e-5), AwgFileComparison::Match);
    row("1.0 against 1.0002", first(1.0), first(1.0002), AwgFileComparison::Differ, "1", "1.0002");
    row("NaN against NaN", first(nan), first(nan), AwgFileComparison::Match);
    row("infinity against itself", first(inf), first(inf), AwgFileComparison::Match);
    row("infinity against -infinity", first(inf), first(-inf), AwgFileComparison::Differ, "inf", "-inf");
    row("chan 0 against 2", base, bytes(2, false), AwgFileComparison::Differ, "0", "2");
    row("code -1 against 0", first(1, true), first(0, true), AwgFileComparison::Differ, "65535", "0");
    row("first longer", base + 'x', base, AwgFileComparison::FirstLonger);
    row("second longer", base, base + 'x', AwgFileComparison::SecondLonger);
    row("second a value short", base, base.left(base.size() - 8), AwgFileComparison::EndOfData);
    row("header cut", base, base.left(9), AwgFileComparison::EndOfData);
}

void TestAwgDataFile::comparison()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QBuffer a(&first), b(&second);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    const AwgFileComparison::Result result = AwgFileComparison::compare(&a, &b);
    QTEST(int(result.outcome), "outcome");
    QTEST(result.first, "value1");
    QTEST(result.second, "value2");
}

DWAV_TEST_CORE_MAIN(TestAwgDataFile)
#include "tst_awgdatafile.moc"
