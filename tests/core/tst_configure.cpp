#include "AFGParameters.h"
#include "ConfigureBench.h"
#include "DWAVChanParameters.h"
#include "HarmonicalParameters.h"
#include "MultilevelParameters.h"
#include "PointTables.h"

#include "TestMain.h"
#include "tvkdwav_32.h"

#include <vector>

namespace {

const QString afgSet = QStringLiteral("DWAV_AFGParameters");

QStringList channelCalls(bool readBack, const QString &state = QStringLiteral("1"))
{
    QStringList calls;
    for (int chan = 0; chan < 2; ++chan) {
        calls << QStringLiteral("tvkdwav_config_chan(output=1, chan=%1, state=%2, range=0, Rn=50, offset=0)")
                     .arg(chan).arg(state);
        if (readBack)
            calls << QStringLiteral("tvkdwav_config_chan_q(chan=%1)").arg(chan);
    }
    return calls;
}

// Clocks, reference, start and mode of a fresh module (no modulator).
QStringList commonCalls(bool readBack)
{
    QStringList calls;
    auto add = [&](const QString &set, const QString &query) {
        calls << set;
        if (readBack)
            calls << query;
    };
    add("tvkdwav_config_sample_freq(sampleFreq=3, dataSpeed=2)", "tvkdwav_config_sample_freq_q()");
    add("tvkdwav_config_source_freq(source=0, outputFreq=0)", "tvkdwav_config_source_freq_q()");
    add("tvkdwav_config_start(startSource=0, eventForm=0, delay=0)", "tvkdwav_config_start_q()");
    add("tvkdwav_config_mode(mode=1)", "tvkdwav_config_mode_q()");
    return calls;
}

QStringList harmonicCalls(int chan, bool readBack)
{
    QStringList calls;
    auto add = [&](const QString &set, const char *query) {
        calls << set.arg(chan);
        if (readBack)
            calls << QStringLiteral("%1(chan=%2)").arg(QLatin1String(query)).arg(chan);
    };
    add("tvkdwav_config_afg(chan=%1, ampl=0, freq=0.06, phase=0)", "tvkdwav_config_afg_q");
    add("tvkdwav_config_afg_gen(chan=%1, genMode=0)", "tvkdwav_config_afg_gen_q");
    add("tvkdwav_config_afg_signal(chan=%1, levelLimit=0, upperLimit=0, lowerLimit=0, offset=0)",
        "tvkdwav_config_afg_signal_q");
    add("tvkdwav_config_afg_modul(chan=%1, modulType=0, modulFreq=0, modulIndex=0, freqDev=0, phaseDev=0)",
        "tvkdwav_config_afg_modul_q");
    return calls;
}

// The one call of a function in a list of calls, or an empty text.
QString callOf(const QStringList &calls, const QString &function)
{
    const QStringList found = calls.filter(QRegularExpression(QStringLiteral("^%1\\(").arg(function)));
    return found.size() == 1 ? found.first() : QString();
}

} // namespace

class TestConfigure : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsInOrder_data();
    void defaultsInOrder();
    void bothChannelsOff();
    void modulatorWhenUsed();
    void referenceOutputOffSendsZero_data();
    void referenceOutputOffSendsZero();
    void startDelayInSeconds_data();
    void startDelayInSeconds();
    void harmonicUnitsAndWholeIndex_data();
    void harmonicUnitsAndWholeIndex();
    void failingCallStopsEverythingAfterIt();
    void configuredFlagSurvivesFailure();
    void workingCopiesStoredBackOnlyWithReadBack();
    void readBackDifferenceLoggedAndWrittenBack();
    void pointTablesReachTheModule();
    void levelSendsOneValue();
    void multilevelTable_data();
    void multilevelTable();
    void awgMode();

private:
    std::unique_ptr<ConfigureBench> m_bench;
    DWAVModule &module() { return m_bench->module(); }
};

void TestConfigure::init()
{
    m_bench.reset(new ConfigureBench);
    QVERIFY(m_bench->ready());
}

void TestConfigure::cleanup()
{
    m_bench.reset();
}

void TestConfigure::defaultsInOrder_data()
{
    QTest::addColumn<bool>("readBack");
    QTest::newRow("read-back off") << false;
    QTest::newRow("read-back on") << true;
}

void TestConfigure::defaultsInOrder()
{
    QFETCH(bool, readBack);
    module().setQuerySettingsParameters(readBack);

    QCOMPARE(module().configure(), 0);
    QCOMPARE(ConfigureBench::calls(),
             channelCalls(readBack) + commonCalls(readBack) + harmonicCalls(0, readBack)
                 + harmonicCalls(1, readBack));
    QVERIFY(module().isConfigured());
    QCOMPARE(module().state(), DWAVModule::DeviceConfigured);
    QCOMPARE(module().lastStatus(), 0);

    if (!readBack) {
        QVERIFY(m_bench->queryMessages().isEmpty());
        return;
    }
    // Every query is named once, and the device kept every value.
    QCOMPARE(m_bench->queryMessages(),
             QStringList({"Querying tvkdwav_config_chan_q for chan 0",
                          "Querying tvkdwav_config_chan_q for chan 1",
                          "Querying tvkdwav_config_sample_freq_q",
                          "Querying tvkdwav_config_source_freq_q",
                          "Querying tvkdwav_config_start_q", "Querying tvkdwav_config_mode_q",
                          "Querying tvkdwav_config_afg_q for chan 0",
                          "Querying tvkdwav_config_afg_gen_q for chan 0",
                          "Querying tvkdwav_config_afg_signal_q for chan 0",
                          "Querying tvkdwav_config_afg_modul_q for chan 0",
                          "Querying tvkdwav_config_afg_q for chan 1",
                          "Querying tvkdwav_config_afg_gen_q for chan 1",
                          "Querying tvkdwav_config_afg_signal_q for chan 1",
                          "Querying tvkdwav_config_afg_modul_q for chan 1"}));
    QCOMPARE(m_bench->messages(LoggerCritical), QStringList());
}

void TestConfigure::bothChannelsOff()
{
    for (int chan = 0; chan < 2; ++chan)
        QCOMPARE(module().setChanParameter(chan, QStringLiteral("chanState"), QVariant::fromValue(ChanOff)), 0);
    QCOMPARE(module().configure(), 0);
    QCOMPARE(ConfigureBench::calls(), channelCalls(false, QStringLiteral("0")) + commonCalls(false));
    QVERIFY(module().isConfigured());
}

void TestConfigure::modulatorWhenUsed()
{
    DWAVModule &m = module();
    m.setQMParameter(QStringLiteral("HB1"), 1u);
    m.setQMParameter(QStringLiteral("HB2"), 2u);
    m.setQMParameter(QStringLiteral("HB3"), 4u);
    m.setQMParameter(QStringLiteral("modulNCO"), true);
    m.setQMParameter(QStringLiteral("freqNCO"), 12.5);
    m.setQMParameter(QStringLiteral("freqNCOModifier"), 1000000);
    m.setQMParameter(QStringLiteral("premodul"), true);
    m.setQMParameter(QStringLiteral("invertSideBand"), true);
    m.setQMParameter(QStringLiteral("adjustIQ"), true);
    m.setQMParameter(QStringLiteral("modulAmplDiff_I"), 0.05);
    m.setQMParameter(QStringLiteral("modulAmplDiff_Q"), -0.025);
    m.setQMParameter(QStringLiteral("modulPhaseDiff"), 1.5);

    // Not used: nothing of it is sent, queries included.
    m.setQuerySettingsParameters(true);
    QCOMPARE(m.configure(), 0);
    for (const char *f : {"tvkdwav_config_filters", "tvkdwav_config_NCO", "tvkdwav_config_QS",
                          "tvkdwav_adjust_chans", "tvkdwav_config_filters_q", "tvkdwav_config_NCO_q",
                          "tvkdwav_config_QS_q", "tvkdwav_adjust_chans_q"})
        QCOMPARE(dwavbench_journal_count_of(f), size_t(0));

    m_bench->clear();
    m.setQMParameter(QStringLiteral("useQM"), true);
    QCOMPARE(m.configure(), 0);
    const QStringList calls = ConfigureBench::calls();
    // Between the reference and the start, each with its query.
    const int first = calls.indexOf("tvkdwav_config_source_freq_q()") + 1;
    QCOMPARE(calls.mid(first, 9),
             QStringList({"tvkdwav_config_filters(HB1=1, HB2=2, HB3=4)", "tvkdwav_config_filters_q()",
                          "tvkdwav_config_NCO(modulNCO=1, attenuateNCO=0, freqNCO=12500000)",
                          "tvkdwav_config_NCO_q()",
                          "tvkdwav_config_QS(premodul=1, sinXFilter=0, invertSideBand=1, doubleData=0)",
                          "tvkdwav_config_QS_q()",
                          "tvkdwav_adjust_chans(adjustIQ=1, amplDiffI=0.05, amplDiffQ=-0.025, phaseDiff=1.5)",
                          "tvkdwav_adjust_chans_q()",
                          "tvkdwav_config_start(startSource=0, eventForm=0, delay=0)"}));
    // The NCO frequency came back as sent and compares equal in MHz.
    QVERIFY2(m_bench->queryMessages().filter(QStringLiteral("!=")).isEmpty(),
             qPrintable(m_bench->queryMessages().join('\n')));
    QCOMPARE(m.qmParameter(QStringLiteral("freqNCO")).toDouble(), 12.5);
}

void TestConfigure::referenceOutputOffSendsZero_data()
{
    QTest::addColumn<uint>("state");
    QTest::addColumn<QString>("sent");
    QTest::newRow("output off") << 0u << "tvkdwav_config_source_freq(source=1, outputFreq=0)";
    QTest::newRow("output on") << 1u << "tvkdwav_config_source_freq(source=1, outputFreq=7)";
}

void TestConfigure::referenceOutputOffSendsZero()
{
    QFETCH(uint, state);
    QFETCH(QString, sent);
    module().setCommonParameter(QStringLiteral("SF_source"), 1u);
    module().setCommonParameter(QStringLiteral("SF_output_freq"), 7u);
    module().setCommonParameter(QStringLiteral("SF_state"), state);
    module().setQuerySettingsParameters(true);

    QCOMPARE(module().configure(), 0);
    QCOMPARE(callOf(ConfigureBench::calls(), "tvkdwav_config_source_freq"), sent);
    // The code read back is the one sent; the chosen code is kept.
    QVERIFY(m_bench->queryMessages().filter(QStringLiteral("!=")).isEmpty());
    QCOMPARE(module().commonParameter(QStringLiteral("SF_output_freq")).toUInt(), 7u);
}

void TestConfigure::startDelayInSeconds_data()
{
    QTest::addColumn<double>("delay");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QString>("sent");
    QTest::newRow("5 ms") << 5.0 << 1000 << "delay=0.005";
    QTest::newRow("250 us") << 250.0 << 1000000 << "delay=0.00025";
    QTest::newRow("2 s") << 2.0 << 1 << "delay=2";
    QTest::newRow("7 ns") << 7.0 << 1000000000 << "delay=7e-09";
    QTest::newRow("0.3 ms") << 0.3 << 1000 << "delay=0.0003";
}

void TestConfigure::startDelayInSeconds()
{
    QFETCH(double, delay);
    QFETCH(int, modifier);
    QFETCH(QString, sent);
    module().setCommonParameter(QStringLiteral("startDelay"), delay);
    module().setCommonParameter(QStringLiteral("startDelayModifier"), modifier);
    module().setQuerySettingsParameters(true);

    QCOMPARE(module().configure(), 0);
    QCOMPARE(callOf(ConfigureBench::calls(), "tvkdwav_config_start"),
             QStringLiteral("tvkdwav_config_start(startSource=0, eventForm=0, %1)").arg(sent));
    // The same seconds come back and compare equal in the key's unit.
    QVERIFY2(m_bench->queryMessages().filter(QStringLiteral("startDelay")).isEmpty(),
             qPrintable(m_bench->queryMessages().join('\n')));
    QCOMPARE(module().commonParameter(QStringLiteral("startDelay")).toDouble(), delay);
}

void TestConfigure::harmonicUnitsAndWholeIndex_data()
{
    QTest::addColumn<double>("index");
    QTest::addColumn<QString>("sentIndex");
    QTest::newRow("12.7") << 12.7 << "modulIndex=12";
    QTest::newRow("99.99") << 99.99 << "modulIndex=99";
    QTest::newRow("0.5") << 0.5 << "modulIndex=0";
    QTest::newRow("100") << 100.0 << "modulIndex=100";
}

void TestConfigure::harmonicUnitsAndWholeIndex()
{
    QFETCH(double, index);
    QFETCH(QString, sentIndex);
    DWAVModule &m = module();
    auto set = [&m](const char *key, const QVariant &value) {
        QCOMPARE(m.setParameterValue(afgSet, QStringLiteral("harmonicalParameters"), QLatin1String(key), 1, value), 0);
    };
    set("ampl", 2.5);
    set("freq", 1.5);
    set("freqModifier", 1000);
    set("phase", -90.0);
    set("modulType", QVariant::fromValue(ModulAM));
    set("modulFreq", 3.0);
    set("modulFreqModifier", 1000000);
    set("modulIndex", index);
    set("freqDev", 20.0);
    set("freqDevModifier", 1000);
    set("phaseDev", 45.0);
    m.setQuerySettingsParameters(true);

    QCOMPARE(m.configure(), 0);
    const QStringList calls = ConfigureBench::calls();
    QCOMPARE(calls.filter("tvkdwav_config_afg(chan=1").value(0),
             QStringLiteral("tvkdwav_config_afg(chan=1, ampl=2.5, freq=1500, phase=-90)"));
    QCOMPARE(calls.filter("tvkdwav_config_afg_modul(chan=1").value(0),
             QStringLiteral("tvkdwav_config_afg_modul(chan=1, modulType=2, modulFreq=3000000, %1, "
                            "freqDev=20000, phaseDev=45)").arg(sentIndex));
    // The index is read back but not compared, so it keeps its fraction;
    // every other value compares equal in its own unit.
    QVERIFY2(m_bench->queryMessages().filter(QStringLiteral("!=")).isEmpty(),
             qPrintable(m_bench->queryMessages().join('\n')));
    QCOMPARE(m.parameterValue(afgSet, "harmonicalParameters", "modulIndex", 1).toDouble(), index);
    QCOMPARE(m.parameterValue(afgSet, "harmonicalParameters", "freq", 1).toDouble(), 1.5);
}

void TestConfigure::failingCallStopsEverythingAfterIt()
{
    QVERIFY(ConfigureBench::addFault("tvkdwav_config_chan", 2, VI_ERROR_IO));
    module().setQuerySettingsParameters(true);
    module().setChanParameter(0, QStringLiteral("range"), 1u);
    module().setChanParameter(1, QStringLiteral("range"), 1u);

    QCOMPARE(module().configure(), int(VI_ERROR_IO));
    QStringList expected = channelCalls(true).mid(0, 3);
    expected.replaceInStrings(QStringLiteral("range=0"), QStringLiteral("range=1"));
    QCOMPARE(ConfigureBench::calls(), expected);
    // Channel 1 stays configured in the module; channel 2 was never set.
    double range0 = -1.0, range1 = -1.0;
    QCOMPARE(dwavbench_module_value(ConfigureBench::carrier(), ConfigureBench::position, "chan0.range", &range0), 0);
    QCOMPARE(dwavbench_module_value(ConfigureBench::carrier(), ConfigureBench::position, "chan1.range", &range1), 0);
    QCOMPARE(range0, 1.0);
    QCOMPARE(range1, 0.0);
    QCOMPARE(ConfigureBench::lastStatus("tvkdwav_config_chan"), qint32(VI_ERROR_IO));
    QCOMPARE(module().lastStatus(), int(VI_ERROR_IO));
    QVERIFY(!module().isConfigured());
    QCOMPARE(module().state(), DWAVModule::DeviceInitialized);

    // Located where it failed, described by the driver, located again by
    // the sequence.
    const QStringList critical = m_bench->messages(LoggerCritical);
    QCOMPARE(critical.size(), 3);
    QVERIFY2(critical[0].contains(QRegularExpression("^\\(DWAVModule:\\d+:configChannels\\)$")),
             qPrintable(critical[0]));
    QCOMPARE(critical[1], module().lastErrorMessage());
    QVERIFY(!critical[1].isEmpty());
    QVERIFY2(critical[2].contains(QRegularExpression("^\\(DWAVModule:\\d+:performConfigure\\)$")),
             qPrintable(critical[2]));
}

void TestConfigure::configuredFlagSurvivesFailure()
{
    QCOMPARE(module().configure(), 0);
    QVERIFY(module().isConfigured());

    // Channel 1 goes out, the start fails later on.
    m_bench->clear();
    QVERIFY(ConfigureBench::addFault("tvkdwav_config_start", 1, VI_ERROR_TMO));
    QCOMPARE(module().configure(), int(VI_ERROR_TMO));
    const QStringList calls = ConfigureBench::calls();
    QCOMPARE(calls.last(), QStringLiteral("tvkdwav_config_start(startSource=0, eventForm=0, delay=0)"));
    QVERIFY(calls.filter("tvkdwav_config_mode").isEmpty());
    QVERIFY(module().isConfigured());
    QCOMPARE(module().state(), DWAVModule::DeviceConfigured);
}

void TestConfigure::workingCopiesStoredBackOnlyWithReadBack()
{
    // A sub-set value stored anew is another object; the same object means
    // the working copy was dropped.
    const QVariant harmonicBefore = module().afgParameter(0, QStringLiteral("harmonicalParameters"));
    QCOMPARE(module().configure(), 0);
    QVERIFY(module().afgParameter(0, QStringLiteral("harmonicalParameters")) == harmonicBefore);

    module().setQuerySettingsParameters(true);
    QCOMPARE(module().configure(), 0);
    QVERIFY(!(module().afgParameter(0, QStringLiteral("harmonicalParameters")) == harmonicBefore));
    QCOMPARE(module().parameterValue(afgSet, "harmonicalParameters", "freq", 0).toDouble(), 0.06);
}

void TestConfigure::readBackDifferenceLoggedAndWrittenBack()
{
    // Channel 1's set addresses driver channel 1 and channel 2's driver
    // channel 0, while the points are read back by channel index: channel
    // 1's read-back meets a table the module holds for the other channel.
    DWAVModule &m = module();
    QCOMPARE(m.setChanParameter(0, QStringLiteral("chan"), 1), 0);
    QCOMPARE(m.setChanParameter(1, QStringLiteral("chan"), 0), 0);
    m.setChanParameter(1, QStringLiteral("chanState"), QVariant::fromValue(ChanOff));
    m.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgMultilevel));
    m.setParameterValue(afgSet, "multilevelParameters", "points", 0,
                        QVariant::fromValue(PointsVector{1.0, -1.0, 0.5}));
    m.setParameterValue(afgSet, "multilevelParameters", "T", 0, 2000.0);
    m.setQuerySettingsParameters(true);

    QCOMPARE(m.configure(), 0);
    QVERIFY(ConfigureBench::calls().contains(
        "tvkdwav_afg_setData(chan=1, points=[1 -1 0.5], count=3, period=2e-06)"));
    QVERIFY(ConfigureBench::calls().contains("tvkdwav_afg_getData(chan=0, points=null)"));
    const QStringList differences = m_bench->queryMessages().filter(QStringLiteral("!="));
    QCOMPARE(differences, QStringList({"N points: 0 != 3", "T: 0 != 2000"}));
    // The sequence went on to the end, and the period the module reported
    // is what the set holds now.
    QVERIFY(m.isConfigured());
    QCOMPARE(m.parameterValue(afgSet, "multilevelParameters", "T", 0).toDouble(), 0.0);
    QCOMPARE(ParameterTypes::pointsFromVariant(m.parameterValue(afgSet, "multilevelParameters", "points", 0)),
             PointsVector({1.0, -1.0, 0.5}));
}

void TestConfigure::pointTablesReachTheModule()
{
    DWAVModule &m = module();
    m.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgTriangular));
    m.setAFGParameter(1, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgImpulse));
    m.setQuerySettingsParameters(true);

    QCOMPARE(m.configure(), 0);
    const QStringList afgCalls = ConfigureBench::calls().mid(commonCalls(true).size() + 4);
    QCOMPARE(afgCalls,
             QStringList({"tvkdwav_config_afg_gen(chan=0, genMode=1)", "tvkdwav_config_afg_gen_q(chan=0)",
                          "tvkdwav_afg_setData(chan=0, points=[-0.1 -0.0996094 -0.0992187 -0.0988281 ...], "
                          "count=1024, period=1.953333333e-06)",
                          "tvkdwav_config_afg_gen(chan=1, genMode=1)", "tvkdwav_config_afg_gen_q(chan=1)",
                          "tvkdwav_afg_setData(chan=1, points=[0.1 0.1 0.1 0.1 ...], count=1024, "
                          "period=9.766666667e-07)"}));

    std::vector<double> expected(PointTables::MaxPoints);
    PointTables::Grid grid;
    QCOMPARE(PointTables::triangle(300e6, 0.1, 0.001, -0.1, 0.001, expected.data(), &grid), QString());
    std::vector<double> held(PointTables::MaxPoints + 8);
    QCOMPARE(dwavbench_module_points(ConfigureBench::carrier(), ConfigureBench::position, 0,
                                     held.data(), int(held.size())), 1024);
    held.resize(1024);
    QVERIFY(held == expected);

    QCOMPARE(PointTables::impulse(300e6, 0.1, 0.001, -0.1, 0.001, 50.0, 0.001, expected.data(), &grid),
             QString());
    held.assign(PointTables::MaxPoints, 0.0);
    QCOMPARE(dwavbench_module_points(ConfigureBench::carrier(), ConfigureBench::position, 1,
                                     held.data(), int(held.size())), 1024);
    QVERIFY(held == expected);
}

void TestConfigure::levelSendsOneValue()
{
    module().setAFGParameter(1, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgLevel));
    module().setParameterValue(afgSet, "levelParameters", "level", 1, -3.25);
    QCOMPARE(module().configure(), 0);
    QCOMPARE(ConfigureBench::calls().mid(ConfigureBench::calls().size() - 2),
             QStringList({"tvkdwav_config_afg_gen(chan=1, genMode=1)",
                          "tvkdwav_afg_setData(chan=1, points=[-3.25], count=1, period=0)"}));
}

void TestConfigure::multilevelTable_data()
{
    QTest::addColumn<QVariantList>("levels");
    QTest::addColumn<double>("T");
    QTest::addColumn<QString>("sent");
    QTest::newRow("empty") << QVariantList() << 1000.0
                           << "tvkdwav_afg_setData(chan=0, points=null, count=0, period=1e-06)";
    QTest::newRow("three levels") << QVariantList({2.0, -2.0, 0.25}) << 40.0
                                  << "tvkdwav_afg_setData(chan=0, points=[2 -2 0.25], count=3, period=4e-08)";
}

void TestConfigure::multilevelTable()
{
    QFETCH(QVariantList, levels);
    QFETCH(double, T);
    QFETCH(QString, sent);
    PointsVector points;
    for (const QVariant &v : levels)
        points.push_back(v.toDouble());
    DWAVModule &m = module();
    m.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgMultilevel));
    m.setParameterValue(afgSet, "multilevelParameters", "points", 0, QVariant::fromValue(points));
    m.setParameterValue(afgSet, "multilevelParameters", "T", 0, T);
    m.setChanParameter(1, QStringLiteral("chanState"), QVariant::fromValue(ChanOff));
    m.setQuerySettingsParameters(true);

    QCOMPARE(m.configure(), 0);
    QCOMPARE(ConfigureBench::calls().mid(ConfigureBench::calls().size() - 4),
             QStringList({"tvkdwav_config_afg_gen(chan=0, genMode=1)", "tvkdwav_config_afg_gen_q(chan=0)",
                          sent, "tvkdwav_afg_getData(chan=0, points=null)"}));
    QVERIFY2(m_bench->queryMessages().filter(QStringLiteral("!=")).isEmpty(),
             qPrintable(m_bench->queryMessages().join('\n')));
    QCOMPARE(m.parameterValue(afgSet, "multilevelParameters", "T", 0).toDouble(), T);
    std::vector<double> held(PointTables::MaxPoints);
    QCOMPARE(dwavbench_module_points(ConfigureBench::carrier(), ConfigureBench::position, 0,
                                     held.data(), int(held.size())),
             int(points.size()));
}

void TestConfigure::awgMode()
{
    DWAVModule &m = module();
    m.setMode(0);
    m.setAWGParameter(QStringLiteral("awgMode"), 1u);
    m.setAWGParameter(QStringLiteral("numCycles"), 300u);
    m.setAWGParameter(QStringLiteral("numPacks"), 4u);
    m.setAWGParameter(QStringLiteral("numSamples"), 70000u);
    m.setAWGParameter(QStringLiteral("chan"), 2u);
    m.setQuerySettingsParameters(true);

    QCOMPARE(m.configure(), 0);
    const QStringList calls = ConfigureBench::calls();
    QCOMPARE(calls.mid(calls.size() - 4),
             QStringList({"tvkdwav_config_mode(mode=0)", "tvkdwav_config_mode_q()",
                          "tvkdwav_config_awg(awgMode=1, startMode=0, numCycles=300, numPacks=4, "
                          "numSamples=70000)",
                          "tvkdwav_config_awg_q()"}));
    QVERIFY(calls.filter("afg").isEmpty());
    QVERIFY(m_bench->queryMessages().contains("Querying tvkdwav_config_awg_q"));
    QVERIFY(m_bench->queryMessages().filter(QStringLiteral("!=")).isEmpty());
}

DWAV_TEST_CORE_MAIN(TestConfigure)
#include "tst_configure.moc"
