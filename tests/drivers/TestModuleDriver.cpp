// The module driver on the simulated chassis: opening and connecting,
// every configuration call and its query, and the refusals of values a
// module cannot take.
#include "BenchFixture.h"
#include "TestMain.h"

#include <functional>
#include <vector>

namespace {

struct Refusal
{
    const char *name;
    std::function<ViStatus(ViSession)> call;
    ViStatus status;
    const char *reason;
};

const std::vector<Refusal> &refusals()
{
    static const double points[3] = {0.5, 11.0, -0.5};
    static const std::vector<Refusal> table = {
        {"range code 3", [](ViSession vi) { return tvkdwav_config_chan(vi, 1, 0, 1, 3, 50.0, 0.0); },
         VI_ERROR_PARAMETER5, "range code must be 0 to 2"},
        {"channel 2", [](ViSession vi) { return tvkdwav_config_chan(vi, 1, 2, 1, 0, 50.0, 0.0); },
         VI_ERROR_PARAMETER3, "channel must be 0 or 1"},
        {"zero load", [](ViSession vi) { return tvkdwav_config_chan(vi, 1, 0, 1, 0, 0.0, 0.0); },
         VI_ERROR_PARAMETER6, "load resistance"},
        {"offset above 10 V", [](ViSession vi) { return tvkdwav_config_chan(vi, 1, 1, 1, 1, 50.0, 10.5); },
         VI_ERROR_PARAMETER7, "offset must be -10 to 10 V"},
        {"offset NaN", [](ViSession vi) { return tvkdwav_config_chan(vi, 1, 1, 1, 1, 50.0, std::nan("")); },
         VI_ERROR_PARAMETER7, "offset"},
        {"sampling code 5", [](ViSession vi) { return tvkdwav_config_sample_freq(vi, 5, 0); },
         VI_ERROR_PARAMETER2, "sampling frequency code"},
        {"data rate code 4", [](ViSession vi) { return tvkdwav_config_sample_freq(vi, 0, 4); },
         VI_ERROR_PARAMETER3, "data rate code"},
        {"output frequency 13", [](ViSession vi) { return tvkdwav_config_source_freq(vi, 0, 13); },
         VI_ERROR_PARAMETER3, "output frequency code"},
        {"filter code 9", [](ViSession vi) { return tvkdwav_config_filters(vi, 0, 9, 0); },
         VI_ERROR_PARAMETER3, "HB2"},
        {"HB1 code 5", [](ViSession vi) { return tvkdwav_config_filters(vi, 5, 0, 0); },
         VI_ERROR_PARAMETER2, "HB1"},
        {"NCO beyond 600 MHz", [](ViSession vi) { return tvkdwav_config_NCO(vi, 1, 0, 600.5e6); },
         VI_ERROR_PARAMETER4, "NCO frequency"},
        {"switch value 2", [](ViSession vi) { return tvkdwav_config_QS(vi, 0, 2, 0, 0); },
         VI_ERROR_PARAMETER3, "sin(x)/x"},
        {"phase correction 4", [](ViSession vi) { return tvkdwav_adjust_chans(vi, 1, 0.0, 0.0, 4.0); },
         VI_ERROR_PARAMETER5, "phase correction"},
        {"start source 4", [](ViSession vi) { return tvkdwav_config_start(vi, 4, 0, 0.0); },
         VI_ERROR_PARAMETER2, "start source"},
        {"negative delay", [](ViSession vi) { return tvkdwav_config_start(vi, 0, 0, -0.001); },
         VI_ERROR_PARAMETER4, "start delay"},
        {"mode 2", [](ViSession vi) { return tvkdwav_config_mode(vi, 2); }, VI_ERROR_PARAMETER2, "mode"},
        {"no cycles", [](ViSession vi) { return tvkdwav_config_awg(vi, 0, 0, 0, 1, 8); },
         VI_ERROR_PARAMETER4, "cycles"},
        {"8193 packets", [](ViSession vi) { return tvkdwav_config_awg(vi, 0, 0, 1, 8193, 8); },
         VI_ERROR_PARAMETER5, "packets"},
        {"7 samples", [](ViSession vi) { return tvkdwav_config_awg(vi, 0, 0, 1, 1, 7); },
         VI_ERROR_PARAMETER6, "samples per packet"},
        {"beyond the memory", [](ViSession vi) { return tvkdwav_config_awg(vi, 0, 0, 1, 8192, 50000000); },
         TVKDWAV_ERROR_AWG_CAPACITY, "exceed 8388608 samples"},
        {"amplitude 10.01 V", [](ViSession vi) { return tvkdwav_config_afg(vi, 0, 10.01, 1e3, 0.0); },
         VI_ERROR_PARAMETER3, "amplitude"},
        {"zero frequency", [](ViSession vi) { return tvkdwav_config_afg(vi, 0, 1.0, 0.0, 0.0); },
         VI_ERROR_PARAMETER4, "frequency"},
        {"generator mode 2", [](ViSession vi) { return tvkdwav_config_afg_gen(vi, 1, 2); },
         VI_ERROR_PARAMETER3, "generator mode"},
        {"lower limit -11 V", [](ViSession vi) { return tvkdwav_config_afg_signal(vi, 0, 1, 1.0, -11.0, 0.0); },
         VI_ERROR_PARAMETER5, "lower limit"},
        {"modulation type 6", [](ViSession vi) { return tvkdwav_config_afg_modul(vi, 0, 6, 0, 0, 0, 0); },
         VI_ERROR_PARAMETER3, "modulation type"},
        {"modulation index 101", [](ViSession vi) { return tvkdwav_config_afg_modul(vi, 0, 2, 1e3, 101, 0, 0); },
         VI_ERROR_PARAMETER5, "modulation index"},
        {"1025 points", [](ViSession vi) {
             static double many[1025] = {};
             return tvkdwav_afg_setData(vi, 0, many, 1025, 1e-6); },
         VI_ERROR_PARAMETER4, "at most 1024 points"},
        {"zero period", [](ViSession vi) { return tvkdwav_afg_setData(vi, 0, points, 2, 0.0); },
         VI_ERROR_PARAMETER5, "period"},
        {"negative period", [](ViSession vi) { return tvkdwav_afg_setData(vi, 0, points, 1, -1.0); },
         VI_ERROR_PARAMETER5, "period"},
        {"point above 10 V", [](ViSession vi) { return tvkdwav_afg_setData(vi, 1, points, 3, 1e-6); },
         VI_ERROR_PARAMETER3, "point 1 lies outside"},
        {"no point buffer", [](ViSession vi) { return tvkdwav_afg_setData(vi, 1, nullptr, 3, 1e-6); },
         VI_ERROR_PARAMETER3, "no point buffer"},
        {"ADC input 4", [](ViSession vi) { double v; return tvkdwav_ask_adc(vi, 4, &v); },
         VI_ERROR_PARAMETER2, "ADC input"},
        {"query without buffer", [](ViSession vi) { ViUInt16 a; return tvkdwav_config_filters_q(vi, &a, nullptr, &a); },
         VI_ERROR_PARAMETER3, "no buffer"},
    };
    return table;
}

} // namespace

class TestModuleDriver : public QObject
{
    Q_OBJECT

private:
    BenchFixture::Module m;

private slots:
    void init()
    {
        BenchFixture::freshBench();
        m = BenchFixture::open(2);
        QVERIFY(m.module != VI_NULL);
    }

    void cleanup()
    {
        BenchFixture::close(m);
        QCOMPARE(dwavbench_open_sessions(), size_t(0));
    }

    void connectNeedsADwavModuleOnTheSameCarrier_data()
    {
        QTest::addColumn<QByteArray>("driverResource");
        QTest::addColumn<QByteArray>("carrierResource");
        QTest::addColumn<int>("position");
        QTest::addColumn<ViStatus>("status");
        const QByteArray vxi = BenchFixture::vxiCarrier();
        const QByteArray lan = BenchFixture::lanCarrier();
        QTest::newRow("DWAV at 7") << vxi << vxi << 7 << ViStatus(VI_SUCCESS);
        QTest::newRow("DWAV on the network carrier") << lan << lan << 1 << ViStatus(VI_SUCCESS);
        QTest::newRow("empty position") << vxi << vxi << 3 << ViStatus(TVKDWAV_ERROR_NO_MODULE);
        QTest::newRow("foreign module") << vxi << vxi << 4 << ViStatus(TVKDWAV_ERROR_NOT_DWAV);
        QTest::newRow("position 9") << vxi << vxi << 9 << ViStatus(VI_ERROR_PARAMETER3);
        QTest::newRow("other carrier") << vxi << lan << 1 << ViStatus(TVKDWAV_ERROR_CARRIER_MISMATCH);
    }

    void connectNeedsADwavModuleOnTheSameCarrier()
    {
        QFETCH(QByteArray, driverResource);
        QFETCH(QByteArray, carrierResource);
        QFETCH(int, position);
        QFETCH(ViStatus, status);
        ViSession carrier = VI_NULL, module = VI_NULL;
        QCOMPARE(tvkbase_init(carrierResource.constData(), 1, 1, &carrier), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_init(driverResource.constData(), 1, 1, &module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_connect(module, carrier, ViUInt16(position), 1, 1), status);
        ViUInt16 mode = 9;
        QCOMPARE(tvkdwav_config_mode_q(module, &mode),
                 status < 0 ? ViStatus(TVKDWAV_ERROR_NOT_CONNECTED) : ViStatus(VI_SUCCESS));
        if (status < 0)
            QVERIFY(!Bench::driverText(status, module).isEmpty());
        QCOMPARE(tvkdwav_close(module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkbase_close(carrier), ViStatus(VI_SUCCESS));
    }

    void connectAcceptsAVisaCarrierSession()
    {
        ViSession rm = VI_NULL, carrier = VI_NULL, module = VI_NULL;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        QCOMPARE(viOpen(rm, BenchFixture::vxiCarrier(), VI_NULL, 0, &carrier), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_init(BenchFixture::vxiCarrier(), 1, 1, &module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_connect(module, carrier, 7, 1, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_close(module), ViStatus(VI_SUCCESS));
        QCOMPARE(viClose(rm), ViStatus(VI_SUCCESS));
    }

    void initRefusesWhatIsNoCarrier()
    {
        ViSession module = 99;
        QCOMPARE(tvkdwav_init("GPIB0::22::INSTR", 1, 1, &module), ViStatus(VI_ERROR_FAIL_ID_QUERY));
        QCOMPARE(module, ViSession(VI_NULL));
        QCOMPARE(tvkdwav_init("VXI0::1::INSTR", 1, 1, &module), ViStatus(VI_ERROR_RSRC_NFOUND));
        QCOMPARE(tvkdwav_init(nullptr, 1, 1, &module), ViStatus(VI_ERROR_PARAMETER1));
    }

    void callsOnClosedOrZeroSessionsFail()
    {
        QCOMPARE(tvkdwav_start(VI_NULL), ViStatus(VI_ERROR_INV_OBJECT));
        QCOMPARE(tvkdwav_close(VI_NULL), ViStatus(VI_ERROR_INV_OBJECT));
        // A carrier session is no module session.
        QCOMPARE(tvkdwav_stop(m.carrier), ViStatus(VI_ERROR_INV_OBJECT));
        const ViSession old = m.module;
        QCOMPARE(tvkdwav_close(old), ViStatus(VI_SUCCESS));
        ViUInt16 state = 0;
        QCOMPARE(tvkdwav_state(old, &state, nullptr), ViStatus(VI_ERROR_INV_OBJECT));
        // A new session never gets the number of a closed one.
        tvkbase_close(m.carrier);
        m = BenchFixture::open(2);
        QVERIFY(m.module != old);
        QCOMPARE(tvkdwav_state(old, &state, nullptr), ViStatus(VI_ERROR_INV_OBJECT));
    }

    void everySetQueryPairRoundTrips()
    {
        const ViSession vi = m.module;
        for (ViUInt16 chan = 0; chan < 2; ++chan) {
            QCOMPARE(tvkdwav_config_chan(vi, 1, chan, ViUInt16(1 - chan), ViUInt16(chan + 1), 75.5 + chan, -2.25 * (chan + 1)),
                     ViStatus(VI_SUCCESS));
            QCOMPARE(tvkdwav_config_afg(vi, chan, 2.5 + chan, 1.25e6 * (chan + 1), -45.0 * (chan + 1)), ViStatus(VI_SUCCESS));
            QCOMPARE(tvkdwav_config_afg_gen(vi, chan, ViUInt16(1 - chan)), ViStatus(VI_SUCCESS));
            QCOMPARE(tvkdwav_config_afg_signal(vi, chan, 1, 4.0 - chan, -3.0 - chan, 0.125 * (chan + 1)), ViStatus(VI_SUCCESS));
            QCOMPARE(tvkdwav_config_afg_modul(vi, chan, ViUInt16(2 + chan), 1e3 * (chan + 1), 12.0 + chan, 5e3 * (chan + 1),
                                              30.0 + chan),
                     ViStatus(VI_SUCCESS));
        }
        QCOMPARE(tvkdwav_config_sample_freq(vi, 4, 1), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_source_freq(vi, 1, 12), ViStatus(VI_SUCCESS));
        // The highest bands the modulator dialog offers.
        QCOMPARE(tvkdwav_config_filters(vi, 4, 8, 8), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_NCO(vi, 1, 1, 125.5e6), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_QS(vi, 1, 0, 1, 1), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_adjust_chans(vi, 1, 0.05, -0.025, -1.5), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_start(vi, 2, 1, 0.005), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_mode(vi, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_awg(vi, 1, 1, 65535, 16, 4096), ViStatus(VI_SUCCESS));

        for (ViUInt16 chan = 0; chan < 2; ++chan) {
            ViUInt16 output = 7, state = 7, range = 7;
            double Rn = -1, offset = -1;
            QCOMPARE(tvkdwav_config_chan_q(vi, &output, chan, &state, &range, &Rn, &offset), ViStatus(VI_SUCCESS));
            QCOMPARE(output, ViUInt16(1));
            QCOMPARE(state, ViUInt16(1 - chan));
            QCOMPARE(range, ViUInt16(chan + 1));
            QCOMPARE(Rn, 75.5 + chan);
            QCOMPARE(offset, -2.25 * (chan + 1));
            double ampl = 0, freq = 0, phase = 0;
            QCOMPARE(tvkdwav_config_afg_q(vi, chan, &ampl, &freq, &phase), ViStatus(VI_SUCCESS));
            QCOMPARE(ampl, 2.5 + chan);
            QCOMPARE(freq, 1.25e6 * (chan + 1));
            QCOMPARE(phase, -45.0 * (chan + 1));
            ViUInt16 genMode = 7;
            QCOMPARE(tvkdwav_config_afg_gen_q(vi, chan, &genMode), ViStatus(VI_SUCCESS));
            QCOMPARE(genMode, ViUInt16(1 - chan));
            ViUInt16 levelLimit = 7;
            double upper = 0, lower = 0, signalOffset = 0;
            QCOMPARE(tvkdwav_config_afg_signal_q(vi, chan, &levelLimit, &upper, &lower, &signalOffset), ViStatus(VI_SUCCESS));
            QCOMPARE(levelLimit, ViUInt16(1));
            QCOMPARE(upper, 4.0 - chan);
            QCOMPARE(lower, -3.0 - chan);
            QCOMPARE(signalOffset, 0.125 * (chan + 1));
            ViUInt16 type = 7;
            double modulFreq = 0, index = 0, deviation = 0, phaseDev = 0;
            QCOMPARE(tvkdwav_config_afg_modul_q(vi, chan, &type, &modulFreq, &index, &deviation, &phaseDev),
                     ViStatus(VI_SUCCESS));
            QCOMPARE(type, ViUInt16(2 + chan));
            QCOMPARE(modulFreq, 1e3 * (chan + 1));
            QCOMPARE(index, 12.0 + chan);
            QCOMPARE(deviation, 5e3 * (chan + 1));
            QCOMPARE(phaseDev, 30.0 + chan);
        }
        ViUInt16 a = 0, b = 0, c = 0, d = 0;
        ViUInt32 samples = 0;
        double x = 0, y = 0, z = 0;
        QCOMPARE(tvkdwav_config_sample_freq_q(vi, &a, &b), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(4));
        QCOMPARE(b, ViUInt16(1));
        QCOMPARE(tvkdwav_config_source_freq_q(vi, &a, &b, &c, &d), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(1));
        QCOMPARE(b, ViUInt16(12));
        QCOMPARE(c, ViUInt16(1));
        QCOMPARE(tvkdwav_config_filters_q(vi, &a, &b, &c), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(4));
        QCOMPARE(b, ViUInt16(8));
        QCOMPARE(c, ViUInt16(8));
        QCOMPARE(tvkdwav_config_NCO_q(vi, &a, &b, &x), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(1));
        QCOMPARE(b, ViUInt16(1));
        QCOMPARE(x, 125.5e6);
        QCOMPARE(tvkdwav_config_QS_q(vi, &a, &b, &c, &d), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(1));
        QCOMPARE(b, ViUInt16(0));
        QCOMPARE(c, ViUInt16(1));
        QCOMPARE(d, ViUInt16(1));
        QCOMPARE(tvkdwav_adjust_chans_q(vi, &a, &x, &y, &z), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(1));
        QCOMPARE(x, 0.05);
        QCOMPARE(y, -0.025);
        QCOMPARE(z, -1.5);
        QCOMPARE(tvkdwav_config_start_q(vi, &a, &b, &x), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(2));
        QCOMPARE(b, ViUInt16(1));
        QCOMPARE(x, 0.005);
        QCOMPARE(tvkdwav_config_mode_q(vi, &a), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(0));
        QCOMPARE(tvkdwav_config_awg_q(vi, &a, &b, &c, &d, &samples), ViStatus(VI_SUCCESS));
        QCOMPARE(a, ViUInt16(1));
        QCOMPARE(b, ViUInt16(1));
        QCOMPARE(c, ViUInt16(65535));
        QCOMPARE(d, ViUInt16(16));
        QCOMPARE(samples, ViUInt32(4096));

        // The values live in the module, not in the session.
        double stored = 0;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "chan1.Rn", &stored), 0);
        QCOMPARE(stored, 76.5);
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "freqNCO", &stored), 0);
        QCOMPARE(stored, 125.5e6);
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 7, "mode", &stored), 0);
        QCOMPARE(stored, 1.0);
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "noSuchValue", &stored), -1);
    }

    void sourceFrequencyOffReportsOutputOff()
    {
        QCOMPARE(tvkdwav_config_source_freq(m.module, 0, 0), ViStatus(VI_SUCCESS));
        ViUInt16 source = 9, frequency = 9, state = 9, lock = 9;
        QCOMPARE(tvkdwav_config_source_freq_q(m.module, &source, &frequency, &state, &lock), ViStatus(VI_SUCCESS));
        QCOMPARE(frequency, ViUInt16(0));
        QCOMPARE(state, ViUInt16(0));
        QCOMPARE(lock, ViUInt16(1));
    }

    void pointTablesRoundTrip()
    {
        double points[1024];
        for (int k = 0; k < 1024; ++k)
            points[k] = -10.0 + 20.0 * k / 1023.0;
        QCOMPARE(tvkdwav_config_afg_gen(m.module, 1, 1), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_afg_setData(m.module, 1, points, 1024, 2.5e-9), ViStatus(VI_SUCCESS));
        ViUInt16 count = 0;
        double period = 0;
        // The panel asks without a buffer.
        QCOMPARE(tvkdwav_afg_getData(m.module, 1, nullptr, &count, &period), ViStatus(VI_SUCCESS));
        QCOMPARE(count, ViUInt16(1024));
        QCOMPARE(period, 2.5e-9);
        std::vector<double> back(TVKDWAV_AFG_MAX_POINTS, 99.0);
        QCOMPARE(tvkdwav_afg_getData(m.module, 1, back.data(), &count, &period), ViStatus(VI_SUCCESS));
        for (int k = 0; k < 1024; ++k)
            QCOMPARE(back[k], points[k]);
        // Channel 1 is untouched; a single level needs no period.
        QCOMPARE(tvkdwav_afg_getData(m.module, 0, nullptr, &count, &period), ViStatus(VI_SUCCESS));
        QCOMPARE(count, ViUInt16(0));
        const double level = -3.5;
        QCOMPARE(tvkdwav_afg_setData(m.module, 0, &level, 1, 0.0), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_module_points(BenchFixture::vxiCarrier(), 2, 0, back.data(), 4), 1);
        QCOMPARE(back[0], -3.5);
        // An empty table clears the channel's table.
        QCOMPARE(tvkdwav_afg_setData(m.module, 1, nullptr, 0, 0.0), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_module_points(BenchFixture::vxiCarrier(), 2, 1, nullptr, 0), 0);
    }

    void resetReturnsToPowerOnValues()
    {
        QCOMPARE(tvkdwav_config_sample_freq(m.module, 0, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_chan(m.module, 1, 0, 1, 1, 600.0, 1.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_reset(m.module), ViStatus(VI_SUCCESS));
        ViUInt16 sample = 0, speed = 0;
        QCOMPARE(tvkdwav_config_sample_freq_q(m.module, &sample, &speed), ViStatus(VI_SUCCESS));
        QCOMPARE(sample, ViUInt16(3));
        QCOMPARE(speed, ViUInt16(2));
        ViUInt16 output = 9, state = 9, range = 9;
        double Rn = 0, offset = 9;
        QCOMPARE(tvkdwav_config_chan_q(m.module, &output, 0, &state, &range, &Rn, &offset), ViStatus(VI_SUCCESS));
        QCOMPARE(range, ViUInt16(0));
        QCOMPARE(Rn, 50.0);
        QCOMPARE(offset, 0.0);
    }

    void refusalsKeepTheStoredValue_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t k = 0; k < refusals().size(); ++k)
            QTest::newRow(refusals()[k].name) << int(k);
    }

    void refusalsKeepTheStoredValue()
    {
        QFETCH(int, index);
        const Refusal &refusal = refusals()[std::size_t(index)];
        double before = 0;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "chan1.offset", &before), 0);
        const ViStatus status = refusal.call(m.module);
        QCOMPARE(status, refusal.status);
        const QString text = Bench::driverText(status, m.module);
        QVERIFY2(text.contains(QLatin1String(refusal.reason)), qPrintable(text));
        if (refusal.status != TVKDWAV_ERROR_AWG_CAPACITY)
            QVERIFY2(text.startsWith(QStringLiteral("Parameter ")), qPrintable(text));
        // The same status from another session has the plain text.
        QVERIFY(!Bench::driverText(status, VI_NULL).contains(QLatin1String(refusal.reason)));
        double after = 1;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "chan1.offset", &after), 0);
        QCOMPARE(after, before);
    }

    void errorMessageTexts()
    {
        char text[TVKDWAV_ERROR_MESSAGE_BUFLEN];
        QCOMPARE(tvkdwav_error_message(m.module, TVKDWAV_ERROR_NO_MULTIMETER, text), ViStatus(VI_SUCCESS));
        QVERIFY(QByteArray(text).contains("hp3458a.dll"));
        QCOMPARE(tvkdwav_error_message(VI_NULL, ViStatus(0xBFFF0011), text), ViStatus(VI_SUCCESS));
        QVERIFY(QByteArray(text).contains("not present"));
        // A caller's own -1 is no driver status: no text, so its own stands.
        QCOMPARE(tvkdwav_error_message(m.module, -1, text), ViStatus(VI_WARN_UNKNOWN_STATUS));
        QCOMPARE(QByteArray(text), QByteArray());
        QCOMPARE(tvkdwav_error_message(m.module, -1, nullptr), ViStatus(VI_ERROR_PARAMETER3));
    }
};

DWAV_TEST_CORE_MAIN(TestModuleDriver)
#include "TestModuleDriver.moc"
