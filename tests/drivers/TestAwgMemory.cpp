// AWG memory of the simulated module: packets round-trip in the format they
// were written, checked against the configured set, channel by channel.
#include "BenchFixture.h"
#include "TestMain.h"

#include <vector>

class TestAwgMemory : public QObject
{
    Q_OBJECT

private:
    BenchFixture::Module m;

    static std::vector<double> ramp(std::size_t count, double start)
    {
        std::vector<double> values(count);
        for (std::size_t k = 0; k < count; ++k)
            values[k] = start + 0.001 * double(k);
        return values;
    }

private slots:
    void init()
    {
        BenchFixture::freshBench();
        m = BenchFixture::open(2);
        QVERIFY(m.module != VI_NULL);
        QCOMPARE(tvkdwav_config_mode(m.module, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_awg(m.module, 0, 0, 1, 3, 16), ViStatus(VI_SUCCESS));
    }

    void cleanup()
    {
        BenchFixture::close(m);
    }

    void doublesRoundTrip_data()
    {
        QTest::addColumn<int>("chan");
        QTest::newRow("channel 1") << 0;
        QTest::newRow("channel 2") << 1;
        QTest::newRow("both") << 2;
    }

    void doublesRoundTrip()
    {
        QFETCH(int, chan);
        const ViUInt16 c = ViUInt16(chan);
        for (ViUInt16 packet = 0; packet < 3; ++packet) {
            const std::vector<double> one = ramp(16, -5.0 + packet);
            const std::vector<double> two = ramp(16, 3.0 - packet);
            QCOMPARE(tvkdwav_awg_writePacket(m.module, c, packet, 1, chan != 1 ? one.data() : nullptr,
                                             chan != 0 ? two.data() : nullptr, 16),
                     ViStatus(VI_SUCCESS));
        }
        for (ViUInt16 packet = 0; packet < 3; ++packet) {
            std::vector<double> one(16, 99.0), two(16, 99.0);
            QCOMPARE(tvkdwav_awg_readPacket(m.module, c, packet, 1, one.data(), two.data(), 16), ViStatus(VI_SUCCESS));
            // What was never written reads as zeros; what was not asked for
            // is not touched.
            const std::vector<double> expectedOne = chan != 1 ? ramp(16, -5.0 + packet) : std::vector<double>(16, 99.0);
            const std::vector<double> expectedTwo = chan != 0 ? ramp(16, 3.0 - packet) : std::vector<double>(16, 99.0);
            QCOMPARE(one, expectedOne);
            QCOMPARE(two, expectedTwo);
        }
    }

    void codesRoundTripUnchanged()
    {
        std::vector<ViInt16> one(16), two(16);
        for (int k = 0; k < 16; ++k) {
            one[std::size_t(k)] = ViInt16(32767 - k * 4099);
            two[std::size_t(k)] = ViInt16(-32768 + k * 4099);
        }
        QCOMPARE(tvkdwav_awg_writePacket_codes(m.module, 2, 2, 1, one.data(), two.data(), 16), ViStatus(VI_SUCCESS));
        std::vector<ViInt16> backOne(16), backTwo(16);
        QCOMPARE(tvkdwav_awg_readPacket_codes(m.module, 2, 2, 1, backOne.data(), backTwo.data(), 16), ViStatus(VI_SUCCESS));
        QCOMPARE(backOne, one);
        QCOMPARE(backTwo, two);
    }

    void otherFormatIsConvertedAtFullScale()
    {
        std::vector<double> volts = {0.0, 5.0, -10.0, 9.99997, -2.5, 0.0, 0.0, 0.0,
                                     0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0};
        QCOMPARE(tvkdwav_awg_writePacket(m.module, 0, 0, 1, volts.data(), nullptr, 16), ViStatus(VI_SUCCESS));
        std::vector<ViInt16> codes(16);
        QCOMPARE(tvkdwav_awg_readPacket_codes(m.module, 0, 0, 1, codes.data(), nullptr, 16), ViStatus(VI_SUCCESS));
        QCOMPARE(codes[0], ViInt16(0));
        QCOMPARE(codes[1], ViInt16(16384));
        QCOMPARE(codes[2], ViInt16(-32768));
        QCOMPARE(codes[3], ViInt16(32767));
        QCOMPARE(codes[4], ViInt16(-8192));
        std::vector<ViInt16> written(16, ViInt16(-16384));
        QCOMPARE(tvkdwav_awg_writePacket_codes(m.module, 1, 1, 1, nullptr, written.data(), 16), ViStatus(VI_SUCCESS));
        std::vector<double> back(16);
        QCOMPARE(tvkdwav_awg_readPacket(m.module, 1, 1, 1, nullptr, back.data(), 16), ViStatus(VI_SUCCESS));
        QCOMPARE(back[0], -5.0);
    }

    void packetsMustFitTheConfiguredSet_data()
    {
        QTest::addColumn<int>("chan");
        QTest::addColumn<int>("packet");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("chan1");
        QTest::addColumn<bool>("chan2");
        QTest::addColumn<ViStatus>("status");
        QTest::newRow("packet beyond the set") << 0 << 3 << 16 << true << false << ViStatus(TVKDWAV_ERROR_AWG_PACKET);
        QTest::newRow("fewer samples") << 0 << 0 << 15 << true << false << ViStatus(TVKDWAV_ERROR_AWG_COUNT);
        QTest::newRow("more samples") << 2 << 0 << 17 << true << true << ViStatus(TVKDWAV_ERROR_AWG_COUNT);
        QTest::newRow("channel choice 3") << 3 << 0 << 16 << true << true << ViStatus(VI_ERROR_PARAMETER2);
        QTest::newRow("no buffer for channel 1") << 0 << 0 << 16 << false << true << ViStatus(VI_ERROR_PARAMETER5);
        QTest::newRow("no buffer for channel 2") << 2 << 0 << 16 << true << false << ViStatus(VI_ERROR_PARAMETER6);
    }

    void packetsMustFitTheConfiguredSet()
    {
        QFETCH(int, chan);
        QFETCH(int, packet);
        QFETCH(int, count);
        QFETCH(bool, chan1);
        QFETCH(bool, chan2);
        QFETCH(ViStatus, status);
        std::vector<double> one(32, 1.0), two(32, 2.0);
        std::vector<ViInt16> codes(32, 7);
        const ViUInt16 c = ViUInt16(chan), p = ViUInt16(packet);
        const ViUInt32 n = ViUInt32(count);
        QCOMPARE(tvkdwav_awg_writePacket(m.module, c, p, 1, chan1 ? one.data() : nullptr,
                                         chan2 ? two.data() : nullptr, n), status);
        QCOMPARE(tvkdwav_awg_readPacket(m.module, c, p, 1, chan1 ? one.data() : nullptr,
                                        chan2 ? two.data() : nullptr, n), status);
        QCOMPARE(tvkdwav_awg_writePacket_codes(m.module, c, p, 1, chan1 ? codes.data() : nullptr,
                                               chan2 ? codes.data() : nullptr, n), status);
        QCOMPARE(tvkdwav_awg_readPacket_codes(m.module, c, p, 1, chan1 ? codes.data() : nullptr,
                                              chan2 ? codes.data() : nullptr, n), status);
        QCOMPARE(one, std::vector<double>(32, 1.0));
        double stored = -1;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "awgPackets0", &stored), 0);
        QCOMPARE(stored, 0.0);
    }

    void samplesOutsideTheRangeAreRefused()
    {
        std::vector<double> one(16, 0.0);
        one[9] = -10.5;
        QCOMPARE(tvkdwav_awg_writePacket(m.module, 0, 0, 1, one.data(), nullptr, 16), ViStatus(VI_ERROR_PARAMETER5));
        QVERIFY(Bench::driverText(VI_ERROR_PARAMETER5, m.module).contains(QLatin1String("sample 9")));
        double stored = -1;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "awgPackets0", &stored), 0);
        QCOMPARE(stored, 0.0);
    }

    void capacityComesFromTheBench()
    {
        char error[256];
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 2, "awg_capacity", "64", error, sizeof error), 0);
        QCOMPARE(tvkdwav_config_awg(m.module, 0, 0, 1, 4, 16), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_awg(m.module, 0, 0, 1, 5, 16), ViStatus(TVKDWAV_ERROR_AWG_CAPACITY));
        // The refused set leaves the last accepted one.
        ViUInt16 mode, start, cycles, packs = 0;
        ViUInt32 samples = 0;
        QCOMPARE(tvkdwav_config_awg_q(m.module, &mode, &start, &cycles, &packs, &samples), ViStatus(VI_SUCCESS));
        QCOMPARE(packs, ViUInt16(4));
        QCOMPARE(samples, ViUInt32(16));
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 2, "awg_capacity", "4", error, sizeof error), -1);
    }

    void newLayoutDropsOldPackets()
    {
        const std::vector<double> one = ramp(16, 1.0);
        QCOMPARE(tvkdwav_awg_writePacket(m.module, 0, 0, 1, one.data(), nullptr, 16), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_awg_writePacket(m.module, 0, 2, 1, one.data(), nullptr, 16), ViStatus(VI_SUCCESS));
        double stored = 0;
        // Fewer packets of the same length keep the packets that still fit.
        QCOMPARE(tvkdwav_config_awg(m.module, 0, 0, 1, 2, 16), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "awgPackets0", &stored), 0);
        QCOMPARE(stored, 1.0);
        std::vector<double> back(16);
        QCOMPARE(tvkdwav_awg_readPacket(m.module, 0, 0, 1, back.data(), nullptr, 16), ViStatus(VI_SUCCESS));
        QCOMPARE(back, one);
        // Another packet length starts afresh.
        QCOMPARE(tvkdwav_config_awg(m.module, 0, 0, 1, 2, 24), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "awgPackets0", &stored), 0);
        QCOMPARE(stored, 0.0);
    }
};

DWAV_TEST_CORE_MAIN(TestAwgMemory)
#include "TestAwgMemory.moc"
