#include "AFGParameters.h"
#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"

#include "TestMain.h"

#include <memory>

namespace {

// One expected entry of a set: its value and the type it is stored with.
struct Expected
{
    QString key;
    QVariant value;
};

std::unique_ptr<IParameter> makeSet(const QString &name, QObject *parent)
{
    if (name == QLatin1String("chan1"))
        return std::make_unique<DWAVChanParameters>(false, 3, parent);
    if (name == QLatin1String("chan2"))
        return std::make_unique<DWAVChanParameters>(true, 3, parent);
    if (name == QLatin1String("chanBlank"))
        return std::make_unique<DWAVChanParameters>();
    if (name == QLatin1String("common"))
        return std::make_unique<DWAVCommonParameters>(3, parent);
    if (name == QLatin1String("qm"))
        return std::make_unique<DWAVQMParameters>(3, parent);
    if (name == QLatin1String("awg"))
        return std::make_unique<AWGParameters>(3, parent);
    if (name == QLatin1String("afg"))
        return std::make_unique<AFGParameters>(3, parent);
    if (name == QLatin1String("harmonic"))
        return std::make_unique<_HarmonicalParameters>();
    if (name == QLatin1String("triangular"))
        return std::make_unique<_TriangularParameters>();
    if (name == QLatin1String("impulse"))
        return std::make_unique<_ImpulseParameters>();
    if (name == QLatin1String("level"))
        return std::make_unique<_LevelParameters>();
    if (name == QLatin1String("multilevel"))
        return std::make_unique<_MultilevelParameters>();
    return nullptr;
}

QVariant u(uint v) { return QVariant(v); }
QVariant i(int v) { return QVariant(v); }
QVariant d(double v) { return QVariant(v); }
QVariant b(bool v) { return QVariant(v); }

} // namespace

Q_DECLARE_METATYPE(QList<Expected>)

class TestParameterSets : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void moduleSetsBelongToTheirModule();

    void subSetsStoredInTheirOwnTypes();
    void castOfAnInvalidValueGivesDefaults_data();
    void castOfAnInvalidValueGivesDefaults();
    void multilevelPointsSurviveTheRoundTrip();
    void storingAChangedSubSetIsAChange();
    void keysOfOneSetAreUnknownToAnother();
};

void TestParameterSets::defaults_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QList<Expected>>("expected");

    const QString empty;
    QTest::newRow("channel 1") << "chan1" << QList<Expected>{
        {"chan", i(0)}, {"chanState", QVariant::fromValue(ChanOn)}, {"range", u(0)},
        {"offset", d(0.0)}, {"Rn", d(50.0)}};
    QTest::newRow("channel 2") << "chan2" << QList<Expected>{
        {"chan", i(1)}, {"chanState", QVariant::fromValue(ChanOn)}, {"range", u(0)},
        {"offset", d(0.0)}, {"Rn", d(50.0)}};
    QTest::newRow("blank channel") << "chanBlank" << QList<Expected>{
        {"chan", u(0)}, {"chanState", QVariant::fromValue(ChanOn)}, {"range", u(0)},
        {"offset", d(0.0)}, {"Rn", d(50.0)}};
    QTest::newRow("common") << "common" << QList<Expected>{
        {"dataSpeed", u(2)}, {"sampleFreq", u(3)}, {"SF_source", u(0)}, {"SF_state", u(0)},
        {"SF_output_freq", u(2)}, {"startSource", u(0)}, {"startDelay", d(0.0)},
        {"startDelayModifier", i(1000)}, {"startEventForm", u(0)}};
    QTest::newRow("quadrature") << "qm" << QList<Expected>{
        {"HB1", u(0)}, {"HB2", u(0)}, {"HB3", u(0)}, {"modulNCO", b(false)},
        {"attenuateNCO", b(false)}, {"freqNCO", d(0.0)}, {"freqNCOModifier", i(1000000)},
        {"premodul", b(false)}, {"sinXFilter", b(false)}, {"invertSideBand", b(false)},
        {"doubleDataForBothChans", b(false)}, {"adjustIQ", b(false)}, {"modulAmplDiff_I", d(0.0)},
        {"modulAmplDiff_Q", d(0.0)}, {"modulPhaseDiff", d(0.0)}, {"useQM", b(false)}};
    QTest::newRow("awg") << "awg" << QList<Expected>{
        {"awgMode", u(0)}, {"awgStartMode", u(0)}, {"dataFormat", QVariant::fromValue(AwgDataDouble)},
        {"numCycles", u(1)}, {"numPacks", u(1)}, {"numSamples", u(8)}, {"chan", u(0)},
        {"dataFilePath", QVariant(empty)}};
    QTest::newRow("harmonic") << "harmonic" << QList<Expected>{
        {"ampl", d(0.0)}, {"freq", d(0.06)}, {"freqModifier", i(1)}, {"phase", d(0.0)},
        {"levelLimit", b(false)}, {"upperLimit", d(0.0)}, {"lowerLimit", d(0.0)},
        {"offset", d(0.0)}, {"modulType", QVariant::fromValue(ModulOff)}, {"modulFreq", d(0.0)},
        {"modulFreqModifier", i(1)}, {"modulIndex", d(0.0)}, {"freqDev", d(0.0)},
        {"freqDevModifier", i(1)}, {"phaseDev", d(0.0)}};
    QTest::newRow("triangular") << "triangular" << QList<Expected>{
        {"Uup", d(0.1)}, {"Udn", d(-0.1)}, {"Tup", d(1.0)}, {"TupModifier", i(1000)},
        {"Tdn", d(1.0)}, {"TdnModifier", i(1000)}};
    QTest::newRow("impulse") << "impulse" << QList<Expected>{
        {"Uup", d(0.1)}, {"Udn", d(-0.1)}, {"Tup", d(0.001)}, {"Tdn", d(0.001)},
        {"T", d(1.0)}, {"TModifier", i(1000)}, {"dutyFactor", d(50.0)}};
    QTest::newRow("level") << "level" << QList<Expected>{{"level", d(0.1)}};
    QTest::newRow("multilevel") << "multilevel" << QList<Expected>{
        {"nPoints", u(0)}, {"T", u(0)}, {"points", QVariant::fromValue(PointsVector())},
        {"dataFilePath", QVariant(empty)}};
}

void TestParameterSets::defaults()
{
    QFETCH(QString, set);
    QFETCH(QList<Expected>, expected);

    const std::unique_ptr<IParameter> params = makeSet(set, nullptr);
    QVERIFY(params);
    const IParameter::ParameterTable table = params->parameters();
    QCOMPARE(table.size(), expected.size());
    for (const Expected &e : expected) {
        QVERIFY2(table.contains(e.key), qPrintable(e.key));
        const QVariant stored = table.value(e.key);
        QVERIFY2(stored.userType() == e.value.userType(),
                 qPrintable(e.key + QStringLiteral(": ") + QString::fromLatin1(stored.typeName())));
        if (e.value.userType() == qMetaTypeId<PointsVector>())
            QVERIFY(ParameterTypes::pointsFromVariant(stored).empty());
        else
            QVERIFY2(stored == e.value, qPrintable(e.key));
    }
}

void TestParameterSets::moduleSetsBelongToTheirModule()
{
    QObject module;
    for (const char *name : {"chan1", "chan2", "common", "qm", "awg", "afg"}) {
        std::unique_ptr<IParameter> set = makeSet(QLatin1String(name), &module);
        QCOMPARE(set->parent(), &module);
        QCOMPARE(set->mezNum(), 3);
        QVERIFY(set->watchedParameters().isEmpty());
    }
    _HarmonicalParameters sub;
    QCOMPARE(sub.mezNum(), -1);
    QCOMPARE(sub.parent(), nullptr);
}

void TestParameterSets::subSetsStoredInTheirOwnTypes()
{
    AFGParameters afg(1);
    const IParameter::ParameterTable table = afg.parameters();
    QCOMPARE(table.size(), 6);
    QCOMPARE(QString::fromLatin1(table.value("harmonicalParameters").typeName()), QStringLiteral("HarmonicalParameters"));
    QCOMPARE(QString::fromLatin1(table.value("triangularParameters").typeName()), QStringLiteral("TriangularParameters"));
    QCOMPARE(QString::fromLatin1(table.value("impulseParameters").typeName()), QStringLiteral("ImpulseParameters"));
    QCOMPARE(QString::fromLatin1(table.value("levelParameters").typeName()), QStringLiteral("LevelParameters"));
    QCOMPARE(QString::fromLatin1(table.value("multilevelParameters").typeName()), QStringLiteral("MultilevelParameters"));
    QCOMPARE(table.value("currentSignalType").value<afgSignalTypes>(), AfgHarmonic);
    QCOMPARE(QString::fromLatin1(table.value("currentSignalType").typeName()), QStringLiteral("afgSignalTypes"));

    // Each stored sub-set carries the defaults of its form.
    QVERIFY(qvariant_cast<_HarmonicalParameters>(table.value("harmonicalParameters")).isEqual(_HarmonicalParameters()));
    QVERIFY(qvariant_cast<_TriangularParameters>(table.value("triangularParameters")).isEqual(_TriangularParameters()));
    QVERIFY(qvariant_cast<_ImpulseParameters>(table.value("impulseParameters")).isEqual(_ImpulseParameters()));
    QVERIFY(qvariant_cast<_LevelParameters>(table.value("levelParameters")).isEqual(_LevelParameters()));
    QCOMPARE(qvariant_cast<_MultilevelParameters>(table.value("multilevelParameters")).parameters().size(), 4);
    QVERIFY(!qvariant_cast<_ImpulseParameters>(table.value("impulseParameters")).isEqual(_TriangularParameters()));
}

void TestParameterSets::castOfAnInvalidValueGivesDefaults_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("invalid") << QVariant();
    QTest::newRow("misspelt key") << AFGParameters().getParameter(QStringLiteral("impulsParameters"));
    QTest::newRow("another sub-set") << AFGParameters().getParameter(QStringLiteral("levelParameters"));
    QTest::newRow("a number") << QVariant(12);
}

void TestParameterSets::castOfAnInvalidValueGivesDefaults()
{
    QFETCH(QVariant, value);
    const _ImpulseParameters impulse = qvariant_cast<_ImpulseParameters>(value);
    const IParameter::ParameterTable table = impulse.parameters();
    QCOMPARE(table.size(), 7);
    QCOMPARE(table.value("Uup").toDouble(), 0.1);
    QCOMPARE(table.value("Udn").toDouble(), -0.1);
    QCOMPARE(table.value("Tup").toDouble(), 0.001);
    QCOMPARE(table.value("Tdn").toDouble(), 0.001);
    QCOMPARE(table.value("T").toDouble(), 1.0);
    QCOMPARE(table.value("TModifier").toInt(), 1000);
    QCOMPARE(table.value("dutyFactor").toDouble(), 50.0);
}

void TestParameterSets::multilevelPointsSurviveTheRoundTrip()
{
    AFGParameters afg(2);
    _MultilevelParameters multi = qvariant_cast<_MultilevelParameters>(afg.getParameter("multilevelParameters"));
    QVERIFY(ParameterTypes::pointsFromVariant(multi.getParameter("points")).empty());

    const PointsVector points{-1.5, 0.0, 2.25, 10.0};
    QCOMPARE(multi.setParameter("points", QVariant::fromValue(points)), 0);
    QCOMPARE(multi.setParameter("nPoints", uint(points.size())), 0);
    QCOMPARE(multi.setParameter("T", 125.0), 0);
    QCOMPARE(afg.setParameter("multilevelParameters", QVariant::fromValue(multi)), 0);

    const _MultilevelParameters again = qvariant_cast<_MultilevelParameters>(afg.getParameter("multilevelParameters"));
    QCOMPARE(ParameterTypes::pointsFromVariant(again.getParameter("points")), points);
    QCOMPARE(again.getParameter("nPoints").toUInt(), 4u);
    QCOMPARE(again.getParameter("T").toDouble(), 125.0);

    // A copy owns its table: changing it leaves the stored one alone.
    _MultilevelParameters copy(again);
    PointsVector changed = ParameterTypes::pointsFromVariant(copy.getParameter("points"));
    changed[0] = 9.0;
    changed.push_back(1.0);
    copy.setParameter("points", QVariant::fromValue(changed));
    QCOMPARE(ParameterTypes::pointsFromVariant(again.getParameter("points")), points);
    const _MultilevelParameters stored = qvariant_cast<_MultilevelParameters>(afg.getParameter("multilevelParameters"));
    QCOMPARE(ParameterTypes::pointsFromVariant(stored.getParameter("points")), points);
}

void TestParameterSets::storingAChangedSubSetIsAChange()
{
    AFGParameters afg(1);
    const QVariant held = afg.getParameter("harmonicalParameters");
    // The very value that is held is no change.
    QCOMPARE(afg.setParameter("harmonicalParameters", held), 1);

    _HarmonicalParameters harmonic = qvariant_cast<_HarmonicalParameters>(held);
    QCOMPARE(afg.setParameter("harmonicalParameters", QVariant::fromValue(harmonic)), 0);

    harmonic.setParameter("ampl", 2.5);
    harmonic.setParameter("modulType", QVariant::fromValue(ModulFM));
    QCOMPARE(afg.setParameter("harmonicalParameters", QVariant::fromValue(harmonic)), 0);
    const _HarmonicalParameters back = qvariant_cast<_HarmonicalParameters>(afg.getParameter("harmonicalParameters"));
    QCOMPARE(back.getParameter("ampl").toDouble(), 2.5);
    QCOMPARE(ParameterTypes::enumFromVariant<modulType>(back.getParameter("modulType")), ModulFM);

    // A whole set copied by value shares the stored sub-sets, so it compares
    // equal; a freshly built one does not.
    AFGParameters copy(afg);
    QVERIFY(copy.isEqual(afg));
    QVERIFY(!AFGParameters(1).isEqual(afg));
}

void TestParameterSets::keysOfOneSetAreUnknownToAnother()
{
    DWAVCommonParameters common(1);
    QCOMPARE(common.setParameter("chanState", QVariant::fromValue(ChanOff)), -1);
    QCOMPARE(common.parameters().size(), 9);

    AFGParameters afg(1);
    QCOMPARE(afg.setParameter("ampl", 1.0), -1);
    QCOMPARE(afg.setParameter("currentSignalType", QVariant::fromValue(AfgMultilevel)), 0);
    QCOMPARE(ParameterTypes::enumFromVariant<afgSignalTypes>(afg.getParameter("currentSignalType")), AfgMultilevel);
}

DWAV_TEST_CORE_MAIN(TestParameterSets)
#include "tst_parametersets.moc"
