#include "AFGParameters.h"
#include "AWGParameters.h"
#include "ConfigureBench.h"
#include "DWAVChanParameters.h"
#include "DWAVQMParameters.h"
#include "PointTables.h"

#include "TestMain.h"
#include "tvkdwav_32.h"

#include <vector>

namespace {

const QString afgSet = QStringLiteral("DWAV_AFGParameters");
const QString commonSet = QStringLiteral("DWAV_CommonParameters");
const QString qmSet = QStringLiteral("DWAV_QMParameters");

// Writes every value of `values` into a set (or an AFG sub-set), and for
// an AFG sub-set makes that form the channel's signal form.
void apply(DWAVModule &m, const QString &set, const QString &subSet, int chan,
           const QVariantMap &values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        QVERIFY2(m.setParameterValue(set, subSet, it.key(), chan, it.value()) >= 0,
                 qPrintable(it.key()));
    static const QStringList forms = {"harmonicalParameters", "triangularParameters",
                                      "impulseParameters", "levelParameters", "multilevelParameters"};
    if (!subSet.isEmpty())
        QCOMPARE(m.setAFGParameter(chan, QStringLiteral("currentSignalType"),
                                   QVariant::fromValue(afgSignalTypes(forms.indexOf(subSet)))) >= 0,
                 true);
}

} // namespace

class TestConfigureRefusals : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusedBeforeAnythingIsSent_data();
    void refusedBeforeAnythingIsSent();
    void frequencyMultipliersAreUsedAsTheyStand_data();
    void frequencyMultipliersAreUsedAsTheyStand();
    void refusalKeepsConfiguredFlag();
    void valuesThatAreNotSentAreNotRefused();
    void stageRefusesOnItsOwn();

    void moduleTablesFollowDataSpeed_data();
    void moduleTablesFollowDataSpeed();
    void moduleTablesWithoutBuffer();
    void moduleTableRefusalWritesNothing();

    void queriedValueWrittenBackInItsType_data();
    void queriedValueWrittenBackInItsType();
    void queriedValueWithinTolerance();

private:
    std::unique_ptr<ConfigureBench> m_bench;
    DWAVModule &module() { return m_bench->module(); }
};

void TestConfigureRefusals::init()
{
    m_bench.reset(new ConfigureBench);
    QVERIFY(m_bench->ready());
}

void TestConfigureRefusals::cleanup()
{
    m_bench.reset();
}

void TestConfigureRefusals::refusedBeforeAnythingIsSent_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("subSet");
    QTest::addColumn<int>("chan");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QString>("named");

    const QString tri = QStringLiteral("triangularParameters");
    const QString imp = QStringLiteral("impulseParameters");
    const QString har = QStringLiteral("harmonicalParameters");

    QTest::newRow("triangle fall time 0")
        << afgSet << tri << 0 << QVariantMap{{"Tdn", 0.0}} << "fall time 0 s";
    QTest::newRow("triangle fall shorter than a point")
        << afgSet << tri << 1 << QVariantMap{{"Tup", 1.0}, {"TupModifier", 1}, {"Tdn", 1.0}, {"TdnModifier", 1000000000}}
        << "fall time 1e-09 s";
    QTest::newRow("triangle rise negative")
        << afgSet << tri << 0 << QVariantMap{{"Tup", -1.0}} << "rise time -0.001 s";
    QTest::newRow("impulse duty 0 without rise")
        << afgSet << imp << 1 << QVariantMap{{"dutyFactor", 0.0}, {"Tup", 0.0}, {"Tdn", 10.0}}
        << "duty factor 0 % with rise 0 %";
    QTest::newRow("impulse rise and fall above 100")
        << afgSet << imp << 0 << QVariantMap{{"Tup", 60.0}, {"Tdn", 50.0}} << "rise 60 % and fall 50 %";
    QTest::newRow("impulse period 0")
        << afgSet << imp << 0 << QVariantMap{{"T", 0.0}} << "period 0 s";
    QTest::newRow("impulse period negative")
        << afgSet << imp << 1 << QVariantMap{{"T", -5.0}} << "period -0.005 s";
    QTest::newRow("impulse period beyond 32-bit decimation")
        << afgSet << imp << 0 << QVariantMap{{"T", 20000.0}, {"TModifier", 1}} << "period 20000 s";
    QTest::newRow("triangle time unit 0")
        << afgSet << tri << 0 << QVariantMap{{"TupModifier", 0}} << "multiplier 0 of TupModifier";
    QTest::newRow("impulse time unit 7")
        << afgSet << imp << 1 << QVariantMap{{"TModifier", 7}} << "multiplier 7 of TModifier";
    QTest::newRow("unknown signal form")
        << afgSet << QString() << 1 << QVariantMap{{"currentSignalType", 7}} << "Signal form 7 of channel 2";
    QTest::newRow("start delay unit 0")
        << commonSet << QString() << 0 << QVariantMap{{"startDelayModifier", 0}}
        << "multiplier 0 of startDelayModifier";
}

void TestConfigureRefusals::refusedBeforeAnythingIsSent()
{
    QFETCH(QString, set);
    QFETCH(QString, subSet);
    QFETCH(int, chan);
    QFETCH(QVariantMap, values);
    QFETCH(QString, named);

    DWAVModule &m = module();
    apply(m, set, subSet, chan, values);
    m.setQuerySettingsParameters(true);
    m_bench->clear();

    const int result = m.configure();
    QCOMPARE(result, int(VI_ERROR_INV_PARAMETER));
    QCOMPARE(ConfigureBench::calls(), QStringList());
    QCOMPARE(m.lastStatus(), int(VI_ERROR_INV_PARAMETER));
    QVERIFY2(m.lastErrorMessage().contains(named), qPrintable(m.lastErrorMessage()));
    QVERIFY(!m.isConfigured());
    QCOMPARE(m.state(), DWAVModule::DeviceInitialized);

    // Reported as every failure is: located, then described.
    const QStringList critical = m_bench->messages(LoggerCritical);
    QVERIFY2(critical.size() >= 2, qPrintable(critical.join('\n')));
    QVERIFY2(critical.filter(named).size() == 1, qPrintable(critical.join('\n')));
    QVERIFY(critical.first().startsWith(QStringLiteral("(DWAVModule:")));
    QVERIFY2(critical.filter(QRegularExpression("^\\(DWAVModule:\\d+:performConfigure\\)$")).size() == 1,
             qPrintable(critical.join('\n')));
}

void TestConfigureRefusals::frequencyMultipliersAreUsedAsTheyStand_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QString>("sent");

    const QString har = QStringLiteral("harmonicalParameters");
    QTest::newRow("frequency unit 7") << har << QVariantMap{{"freq", 2.0}, {"freqModifier", 7}}
                                      << "tvkdwav_config_afg(chan=0, ampl=0, freq=14, ";
    QTest::newRow("modulation frequency unit 3")
        << har << QVariantMap{{"modulFreq", 5.0}, {"modulFreqModifier", 3}} << ", modulFreq=15, ";
    QTest::newRow("NCO frequency unit 7") << qmSet << QVariantMap{{"useQM", true}, {"freqNCO", 5.0}, {"freqNCOModifier", 7}}
                                          << ", freqNCO=35)";
}

// Frequencies are multiplied, never divided: a multiplier the unit table
// lacks is sent as it stands.
void TestConfigureRefusals::frequencyMultipliersAreUsedAsTheyStand()
{
    QFETCH(QString, set);
    QFETCH(QVariantMap, values);
    QFETCH(QString, sent);
    DWAVModule &m = module();
    if (set == qmSet)
        apply(m, qmSet, QString(), 0, values);
    else
        apply(m, afgSet, set, 0, values);
    QCOMPARE(m.configure(), 0);
    QVERIFY2(ConfigureBench::calls().filter(sent).size() == 1, qPrintable(ConfigureBench::calls().join('\n')));
}

void TestConfigureRefusals::refusalKeepsConfiguredFlag()
{
    DWAVModule &m = module();
    QCOMPARE(m.configure(), 0);
    apply(m, afgSet, "triangularParameters", 0, {{"Tdn", 0.0}});
    m_bench->clear();
    QVERIFY(m.configure() < 0);
    QCOMPARE(ConfigureBench::calls(), QStringList());
    QVERIFY(m.isConfigured());
    QCOMPARE(m.state(), DWAVModule::DeviceConfigured);

    // Mended, it goes out.
    apply(m, afgSet, "triangularParameters", 0, {{"Tdn", 0.5}});
    QCOMPARE(m.configure(), 0);
    QVERIFY(ConfigureBench::calls().filter("tvkdwav_afg_setData(chan=0").size() == 1);
}

void TestConfigureRefusals::valuesThatAreNotSentAreNotRefused()
{
    DWAVModule &m = module();
    // Channel 2 is off: its broken triangle is never computed.
    apply(m, afgSet, "triangularParameters", 1, {{"Tdn", 0.0}, {"TupModifier", 0}});
    m.setChanParameter(1, QStringLiteral("chanState"), QVariant::fromValue(ChanOff));
    // Channel 1 shows its harmonic form; its impulse values wait unused.
    apply(m, afgSet, "impulseParameters", 0, {{"T", 0.0}});
    m.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgHarmonic));
    // The modulator is not used, so its unit is not either.
    m.setQMParameter(QStringLiteral("freqNCOModifier"), 0);
    QCOMPARE(m.configure(), 0);

    // In AWG mode no AFG form is sent at all.
    m.setChanParameter(1, QStringLiteral("chanState"), QVariant::fromValue(ChanOn));
    m.setMode(0);
    m_bench->clear();
    QCOMPARE(m.configure(), 0);
    QVERIFY(ConfigureBench::calls().filter("afg").isEmpty());
}

void TestConfigureRefusals::stageRefusesOnItsOwn()
{
    // Called without the sequence's own check in front of it.
    DWAVModule &m = module();
    apply(m, afgSet, "triangularParameters", 0, {{"Tdn", 0.0}});
    m_bench->clear();
    QCOMPARE(m.configTriangleAFG(0), int(VI_ERROR_INV_PARAMETER));
    QCOMPARE(ConfigureBench::calls(), QStringList());
    const QStringList critical = m_bench->messages(LoggerCritical);
    QCOMPARE(critical.size(), 3);
    QVERIFY(critical[0].contains(QRegularExpression("^\\(DWAVModule:\\d+:calcTrianglePoints\\)$")));
    QVERIFY(critical[1].contains(QStringLiteral("fall time 0 s")));
    QVERIFY(critical[2].contains(QRegularExpression("^\\(DWAVModule:\\d+:configTriangleAFG\\)$")));

    apply(m, afgSet, "impulseParameters", 1, {{"TModifier", 0}});
    m_bench->clear();
    QCOMPARE(m.configAFG(1), int(VI_ERROR_INV_PARAMETER));
    QCOMPARE(ConfigureBench::calls(), QStringList());
    QVERIFY(m.lastErrorMessage().contains(QStringLiteral("multiplier 0 of TModifier")));
    QVERIFY(m_bench->messages(LoggerCritical).last().contains(QRegularExpression(":configAFG\\)$")));

    QCOMPARE(m.setAFGParameter(0, QStringLiteral("currentSignalType"), 9), 0);
    m_bench->clear();
    QCOMPARE(m.configAFG(0), int(VI_ERROR_INV_PARAMETER));
    QCOMPARE(ConfigureBench::calls(), QStringList());
    QVERIFY(m.lastErrorMessage().contains(QStringLiteral("Signal form 9 of channel 1")));
}

void TestConfigureRefusals::moduleTablesFollowDataSpeed_data()
{
    QTest::addColumn<uint>("dataSpeed");
    QTest::addColumn<double>("rate");
    QTest::addColumn<uint>("decimation");
    QTest::addColumn<uint>("count");
    QTest::newRow("75 MS/s") << 0u << 75e6 << 147u << 1020u;
    QTest::newRow("300 MS/s") << 2u << 300e6 << 586u << 1024u;
    QTest::newRow("600 MS/s") << 3u << 600e6 << 1172u << 1024u;
    QTest::newRow("unknown code") << 9u << 75e6 << 147u << 1020u;
}

void TestConfigureRefusals::moduleTablesFollowDataSpeed()
{
    QFETCH(uint, dataSpeed);
    QFETCH(double, rate);
    QFETCH(uint, decimation);
    QFETCH(uint, count);
    module().setCommonParameter(QStringLiteral("dataSpeed"), dataSpeed);

    std::vector<double> table(PointTables::MaxPoints, 99.0);
    double dt = 0.0;
    quint32 n = 0;
    QCOMPARE(module().calcTrianglePoints(0.1, 0.001, -0.1, 0.001, table.data(), &dt, &n), 0);
    QCOMPARE(n, quint32(count));
    QCOMPARE(dt, double(decimation) / rate);
    QCOMPARE(table[0], -0.1);
    QCOMPARE(table[count / 2], 0.1);
    for (quint32 i = count; i < PointTables::MaxPoints; ++i)
        QCOMPARE(table[i], 99.0);
}

void TestConfigureRefusals::moduleTablesWithoutBuffer()
{
    double dt = 0.0;
    quint32 n = 0;
    QCOMPARE(module().calcTrianglePoints(0.1, 0.001, -0.1, 0.001, nullptr, &dt, &n), -1);
    QCOMPARE(n, 1024u);
    QCOMPARE(dt, 586 / 300e6);

    dt = 0.0;
    n = 0;
    QCOMPARE(module().calcImpulsePoints(0.1, 0.001, -0.1, 0.001, 50.0, 0.001, nullptr, &dt, &n), -1);
    QCOMPARE(n, 1024u);
    QCOMPARE(dt, 293 / 300e6);
    QCOMPARE(module().lastErrorMessage(), QString());
}

void TestConfigureRefusals::moduleTableRefusalWritesNothing()
{
    std::vector<double> table(PointTables::MaxPoints, 99.0);
    double dt = -1.0;
    quint32 n = 7;
    QCOMPARE(module().calcImpulsePoints(0.1, 0.0, -0.1, 10.0, 0.0, 0.001, table.data(), &dt, &n),
             int(VI_ERROR_INV_PARAMETER));
    QCOMPARE(n, 7u);
    QCOMPARE(dt, -1.0);
    for (double v : table)
        QCOMPARE(v, 99.0);
    QVERIFY(module().lastErrorMessage().contains(QStringLiteral("duty factor 0 % with rise 0 %")));

    QCOMPARE(module().calcTrianglePoints(0.1, 0.001, -0.1, -0.001, table.data(), &dt, &n),
             int(VI_ERROR_INV_PARAMETER));
    for (double v : table)
        QCOMPARE(v, 99.0);
}

void TestConfigureRefusals::queriedValueWrittenBackInItsType_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // d: double, s: unsigned short, l: unsigned long
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("configured");
    QTest::addColumn<bool>("writeBack");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QVariant>("after");  // invalid: not looked at

    QTest::newRow("double") << "chan" << "Rn" << "d" << 75.0 << 50.0 << true << 0
                            << "Rn: 75 != 50" << QVariant(75.0);
    QTest::newRow("six digits") << "chan" << "offset" << "d" << 0.1234567 << 0.1 << true << 0
                                << "offset: 0.123457 != 0.1" << QVariant(0.1234567);
    QTest::newRow("unsigned") << "chan" << "range" << "s" << 2.0 << 0.0 << true << 0
                              << "range: 2 != 0" << QVariant(2u);
    QTest::newRow("enumeration") << "chan" << "chanState" << "s" << 0.0 << 1.0 << true << 0
                                 << "chanState: 0 != 1" << QVariant::fromValue(ChanOff);
    QTest::newRow("flag") << "qm" << "modulNCO" << "s" << 1.0 << 0.0 << true << 0
                          << "modulNCO: 1 != 0" << QVariant(true);
    QTest::newRow("32 bits") << "awg" << "numSamples" << "l" << 4000000000.0 << 8.0 << true << 0
                             << "numSamples: 4000000000 != 8" << QVariant(4000000000u);
    QTest::newRow("no such key") << "chan" << "chan_output" << "s" << 0.0 << 1.0 << true << -1
                                 << "chan_output: 0 != 1" << QVariant();
    QTest::newRow("no set") << "" << "mode" << "s" << 0.0 << 1.0 << true << -1
                            << "mode: 0 != 1" << QVariant();
    QTest::newRow("write-back off") << "chan" << "Rn" << "d" << 75.0 << 60.0 << false << -1
                                    << "Rn: 75 != 60" << QVariant(50.0);
    QTest::newRow("set already holds it") << "chan" << "Rn" << "d" << 50.0 << 49.0 << true << 1
                                          << "Rn: 50 != 49" << QVariant(50.0);
    QTest::newRow("equal") << "chan" << "Rn" << "d" << 50.0 << 50.0 << true << 0
                           << "" << QVariant(50.0);
}

void TestConfigureRefusals::queriedValueWrittenBackInItsType()
{
    QFETCH(QString, set);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(double, value);
    QFETCH(double, configured);
    QFETCH(bool, writeBack);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QVariant, after);

    DWAVModule &m = module();
    IParameter *target = nullptr;
    if (set == QLatin1String("chan"))
        target = m.chanParameters(0);
    else if (set == QLatin1String("qm"))
        target = m.qmParameters();
    else if (set == QLatin1String("awg"))
        target = m.awgParameters();

    int got = 0;
    if (kind == QLatin1String("d"))
        got = m.checkQueriedValue(name, value, configured, target, writeBack);
    else if (kind == QLatin1String("s"))
        got = m.checkQueriedValue(name, ushort(value), ushort(configured), target, writeBack);
    else
        got = m.checkQueriedValue(name, static_cast<unsigned long>(value),
                                  static_cast<unsigned long>(configured), target, writeBack);
    QCOMPARE(got, result);

    const QStringList messages = m_bench->queryMessages();
    QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});

    if (after.isValid()) {
        const QVariant held = target->getParameter(name);
        QCOMPARE(held.userType(), after.userType());
        QCOMPARE(held.toString(), after.toString());
    }
}

void TestConfigureRefusals::queriedValueWithinTolerance()
{
    DWAVModule &m = module();
    IParameter *chan = m.chanParameters(0);
    QCOMPARE(m.checkQueriedValue(QStringLiteral("Rn"), 50.0004, 50.0, chan, true, 0.001), 1);
    QCOMPARE(m.checkQueriedValue(QStringLiteral("Rn"), 50.01, 50.0, chan, true, 0.001), 0);
    QCOMPARE(m_bench->queryMessages(), QStringList{"Rn: 50.01 != 50"});
    QCOMPARE(chan->getParameter(QStringLiteral("Rn")).toDouble(), 50.01);
}

DWAV_TEST_CORE_MAIN(TestConfigureRefusals)
#include "tst_configurerefusals.moc"
