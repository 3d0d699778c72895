// Run state of the simulated module: start sources, the start delay, start
// by command and by the external event, stop and reset; temperatures, ADC
// and the version check.
#include "BenchFixture.h"
#include "TestMain.h"

class TestModuleRunState : public QObject
{
    Q_OBJECT

private:
    BenchFixture::Module m;

    ViUInt16 state(ViInt32 *remaining = nullptr)
    {
        ViUInt16 runState = 0xFFFF;
        ViInt32 left = -1;
        if (tvkdwav_state(m.module, &runState, &left) != VI_SUCCESS)
            return 0xFFFF;
        if (remaining)
            *remaining = left;
        return runState;
    }

private slots:
    void init()
    {
        BenchFixture::freshBench();
        m = BenchFixture::open(7);
        QVERIFY(m.module != VI_NULL);
    }

    void cleanup()
    {
        BenchFixture::close(m);
    }

    void startSources_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("afterStart");
        QTest::addColumn<int>("afterCommand");
        QTest::addColumn<int>("afterEvent");
        // The command starts from any waiting state; the event only starts
        // a module that waits for the start input or the carrier.
        QTest::newRow("program") << 0 << TVKDWAV_STATE_GENERATING << TVKDWAV_STATE_GENERATING
                                 << TVKDWAV_STATE_GENERATING;
        QTest::newRow("program command") << 1 << TVKDWAV_STATE_AWAITS_EVENT << TVKDWAV_STATE_GENERATING
                                         << TVKDWAV_STATE_AWAITS_EVENT;
        QTest::newRow("start input") << 2 << TVKDWAV_STATE_AWAITS_EVENT << TVKDWAV_STATE_GENERATING
                                     << TVKDWAV_STATE_GENERATING;
        QTest::newRow("carrier") << 3 << TVKDWAV_STATE_AWAITS_EVENT << TVKDWAV_STATE_GENERATING
                                 << TVKDWAV_STATE_GENERATING;
    }

    void startSources()
    {
        QFETCH(int, source);
        QFETCH(int, afterStart);
        QFETCH(int, afterCommand);
        QFETCH(int, afterEvent);
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_IDLE));
        QCOMPARE(tvkdwav_config_start(m.module, ViUInt16(source), 0, 0.0), ViStatus(VI_SUCCESS));

        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(int(state()), afterStart);
        QCOMPARE(tvkdwav_prog_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(int(state()), afterCommand);
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_IDLE));

        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        const int waiting = dwavbench_external_event(BenchFixture::vxiCarrier(), 7);
        QCOMPARE(waiting, afterEvent == afterStart ? 0 : 1);
        QCOMPARE(int(state()), afterEvent);
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_IDLE));
    }

    void eventReachesOnlyTheNamedModule()
    {
        BenchFixture::Module other = BenchFixture::open(2);
        QVERIFY(other.module != VI_NULL);
        QCOMPARE(tvkdwav_config_start(m.module, 2, 0, 0.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_start(other.module, 2, 0, 0.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(other.module), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_external_event(BenchFixture::vxiCarrier(), 2), 1);
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_AWAITS_EVENT));
        // A null resource reaches every module still waiting.
        QCOMPARE(dwavbench_external_event(nullptr, 0), 1);
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_GENERATING));
        BenchFixture::close(other);
    }

    void startDelayCountsDownBeforeGenerating()
    {
        QCOMPARE(tvkdwav_config_start(m.module, 0, 0, 1000.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        ViInt32 remaining = 0;
        QCOMPARE(state(&remaining), ViUInt16(TVKDWAV_STATE_DELAY));
        QVERIFY(remaining > 0);
        QVERIFY(remaining <= 1000000);
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(&remaining), ViUInt16(TVKDWAV_STATE_IDLE));
        QCOMPARE(remaining, ViInt32(0));

        // After a command start the delay counts down too.
        QCOMPARE(tvkdwav_config_start(m.module, 1, 0, 1000.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_AWAITS_EVENT));
        QCOMPARE(tvkdwav_prog_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_DELAY));
    }

    void configuredEventArrivesByItself()
    {
        char error[256];
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 7, "external_event_ms", "0", error,
                                             sizeof error), 0);
        QCOMPARE(tvkdwav_config_start(m.module, 2, 1, 0.0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_GENERATING));
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 7, "external_event_ms", "soon", error,
                                             sizeof error), -1);
        QVERIFY(QByteArray(error).contains("external_event_ms"));
    }

    void resetStopsGeneration()
    {
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_GENERATING));
        QCOMPARE(tvkdwav_reset(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(state(), ViUInt16(TVKDWAV_STATE_IDLE));
        ViUInt16 runState = 0;
        QCOMPARE(tvkdwav_state(m.module, nullptr, nullptr), ViStatus(VI_ERROR_PARAMETER2));
        QCOMPARE(tvkdwav_state(m.module, &runState, nullptr), ViStatus(VI_SUCCESS));
    }

    void temperaturesArePlausible()
    {
        double t1 = 0, t2 = 0;
        QCOMPARE(tvkdwav_get_temperature(m.module, &t1, &t2), ViStatus(VI_SUCCESS));
        QVERIFY2(t1 > 15.0 && t1 < 70.0, qPrintable(QString::number(t1)));
        QVERIFY2(t2 > 15.0 && t2 < 70.0, qPrintable(QString::number(t2)));
        double stored = 0;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 7, "temperature1", &stored), 0);
        QVERIFY(stored > 15.0 && stored < 70.0);
        QCOMPARE(tvkdwav_get_temperature(m.module, &t1, nullptr), ViStatus(VI_ERROR_PARAMETER3));
    }

    void temperaturesRiseWhileGenerating()
    {
        // However little time passes between two readings, a generating
        // module has warmed up in between; the latency makes sure some does.
        dwavbench_set_latency_us(500);
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        double last1 = 0, last2 = 0;
        QCOMPARE(tvkdwav_get_temperature(m.module, &last1, &last2), ViStatus(VI_SUCCESS));
        for (int k = 0; k < 5; ++k) {
            double t1 = 0, t2 = 0;
            QCOMPARE(tvkdwav_get_temperature(m.module, &t1, &t2), ViStatus(VI_SUCCESS));
            QVERIFY2(t1 > last1 && t2 > last2, qPrintable(QString("%1 %2 after %3 %4").arg(t1).arg(t2).arg(last1).arg(last2)));
            QVERIFY(t1 - last1 < 1.0);
            last1 = t1;
            last2 = t2;
        }
        dwavbench_set_latency_us(0);
    }

    void adcReadsTheChannelOutput()
    {
        const double level = 2.0;
        QCOMPARE(tvkdwav_config_chan(m.module, 1, 0, 1, 1, 50.0, 0.5), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_afg_gen(m.module, 0, 1), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_afg_setData(m.module, 0, &level, 1, 0.0), ViStatus(VI_SUCCESS));
        double idle = 0, generating = 0;
        QCOMPARE(tvkdwav_ask_adc(m.module, 0, &idle), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_start(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_ask_adc(m.module, 0, &generating), ViStatus(VI_SUCCESS));
        QVERIFY(qAbs(idle) < 0.01);
        QVERIFY2(qAbs(generating - 2.5) < 0.05, qPrintable(QString::number(generating)));
        QCOMPARE(tvkdwav_ask_adc(m.module, 3, &idle), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_ask_adc(m.module, 0, nullptr), ViStatus(VI_ERROR_PARAMETER3));
    }

    void versionsFitUnlessTheBenchSaysOtherwise()
    {
        QCOMPARE(tvkdwav_cmpVersions(m.module), ViStatus(VI_SUCCESS));
        char error[256];
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 7, "versions_differ", "yes", error,
                                             sizeof error), 0);
        const ViStatus status = tvkdwav_cmpVersions(m.module);
        QVERIFY(status > 0);
        QCOMPARE(status, ViStatus(TVKDWAV_WARN_VERSIONS_DIFFER));
        QVERIFY(Bench::driverText(status, m.module).contains(QLatin1String("versions differ")));
    }

    void revisionsNameTheModule()
    {
        char driver[TVKDWAV_REVISION_BUFLEN], instrument[TVKDWAV_REVISION_BUFLEN];
        QCOMPARE(tvkdwav_revision_query(m.module, driver, instrument), ViStatus(VI_SUCCESS));
        QCOMPARE(BenchFixture::cp1251(driver), QString::fromUtf8("tvkdwav_32 1.4.2 (стенд)"));
        QCOMPARE(BenchFixture::cp1251(instrument), QString::fromUtf8("Модуль DWAV № DW-0212, ПЛИС 3.07, ПО 1.12"));
    }
};

DWAV_TEST_CORE_MAIN(TestModuleRunState)
#include "TestModuleRunState.moc"
