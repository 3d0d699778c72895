// Reading and writing the module's parameters by set, by set name and
// sub-set, and through the binding properties of real widgets.

#include "DWAVModule.h"

#include "DWAVCommonParameters.h"
#include "Logger.h"
#include "TestMain.h"

#include <QDoubleSpinBox>
#include <QFile>

namespace {

QString logFile()
{
    QFile file(Logger::logFileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

void tag(QObject *widget, const QString &set, const QString &key, const QString &subSet = QString())
{
    widget->setProperty("DWAV_ParameterType", set);
    widget->setProperty("DWAV_ParameterName", key);
    if (!subSet.isEmpty())
        widget->setProperty("DWAV_SubParameterType", subSet);
}

} // namespace

class TestDwavModuleAccess : public QObject
{
    Q_OBJECT

private slots:
    void setNamesIgnoreCase_data();
    void setNamesIgnoreCase();
    void unknownSetName();
    void subSetsAreStoredWhole_data();
    void subSetsAreStoredWhole();
    void unknownSubSetChangesNothing();
    void setterResults();
    void outOfRangeChannelsAreRefused_data();
    void outOfRangeChannelsAreRefused();
    void rates_data();
    void rates();
    void widgetOfChannelTwo_data();
    void widgetOfChannelTwo();
    void widgetWithoutValue();
    void widgetWithoutTags();
    void widgetOfUnknownSetGetsNoValue();
};

void TestDwavModuleAccess::setNamesIgnoreCase_data()
{
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("channel, lower") << "dwav_chanparameters" << "offset" << QVariant(1.25);
    QTest::newRow("channel, upper") << "DWAV_CHANPARAMETERS" << "offset" << QVariant(-2.5);
    QTest::newRow("common, mixed") << "Dwav_CommonParameters" << "startDelay" << QVariant(5.0);
    QTest::newRow("modulation") << "dwav_qmparameters" << "freqNCO" << QVariant(12.5);
    QTest::newRow("AFG") << "DWAV_afgPARAMETERS" << "currentSignalType" << QVariant(3);
    QTest::newRow("AWG") << "dwav_AWGparameters" << "numCycles" << QVariant(17u);
}

void TestDwavModuleAccess::setNamesIgnoreCase()
{
    QFETCH(QString, setName);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    DWAVModule module;
    QCOMPARE(module.setParameterValue(setName, QString(), key, 1, value), 0);
    QCOMPARE(module.parameterValue(setName, QString(), key, 1).toDouble(), value.toDouble());
    QCOMPARE(module.parameterValue(setName.toUpper(), QString(), key, 1).toDouble(),
             value.toDouble());
    // The same value again is no change.
    QCOMPARE(module.setParameterValue(setName, QString(), key, 1, value), 1);
    if (setName.compare(QLatin1String("DWAV_ChanParameters"), Qt::CaseInsensitive) == 0) {
        QCOMPARE(module.chanParameter(1, key).toDouble(), value.toDouble());
        QVERIFY(module.chanParameter(0, key).toDouble() != value.toDouble());
    }
}

void TestDwavModuleAccess::unknownSetName()
{
    DWAVModule module;
    QCOMPARE(module.setParameterValue(QStringLiteral("DWAV_Chan"), QString(),
                                      QStringLiteral("offset"), 0, 1.0),
             -1);
    QVERIFY(!module.parameterValue(QStringLiteral("DWAV_Parameters"), QString(),
                                   QStringLiteral("offset"), 0)
                 .isValid());
    QCOMPARE(module.chanParameter(0, QStringLiteral("offset")).toDouble(), 0.0);
}

void TestDwavModuleAccess::subSetsAreStoredWhole_data()
{
    QTest::addColumn<QString>("subSet");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("value");
    QTest::newRow("harmonic") << "harmonicalParameters" << "ampl" << 2.5;
    QTest::newRow("harmonic, other case") << "HARMONICALparameters" << "phase" << 45.0;
    QTest::newRow("triangle") << "triangularParameters" << "Uup" << 0.7;
    QTest::newRow("impulse") << "impulseParameters" << "dutyFactor" << 25.0;
    QTest::newRow("level") << "levelparameters" << "level" << -1.5;
    QTest::newRow("multilevel") << "multilevelParameters" << "T" << 40.0;
}

void TestDwavModuleAccess::subSetsAreStoredWhole()
{
    QFETCH(QString, subSet);
    QFETCH(QString, key);
    QFETCH(double, value);
    DWAVModule module;
    const QString afg = QStringLiteral("DWAV_AFGParameters");
    const double before = module.parameterValue(afg, subSet, key, 0).toDouble();
    QVERIFY(before != value);

    QCOMPARE(module.setParameterValue(afg, subSet, key, 1, value), 0);
    QCOMPARE(module.parameterValue(afg, subSet, key, 1).toDouble(), value);
    QCOMPARE(module.parameterValue(afg, subSet, key, 0).toDouble(), before);
    // The other keys of the sub-set survive the round trip.
    QCOMPARE(module.parameterValue(afg, subSet, key, 1).toDouble(),
             module.parameterValue(afg, subSet.toLower(), key, 1).toDouble());
}

void TestDwavModuleAccess::unknownSubSetChangesNothing()
{
    DWAVModule module;
    const QString afg = QStringLiteral("DWAV_AFGParameters");
    const QVariant before = module.afgParameter(0, QStringLiteral("harmonicalParameters"));
    QCOMPARE(module.setParameterValue(afg, QStringLiteral("sawtoothParameters"),
                                      QStringLiteral("ampl"), 0, 3.0),
             -1);
    QVERIFY(!module.parameterValue(afg, QStringLiteral("sawtoothParameters"),
                                   QStringLiteral("ampl"), 0)
                 .isValid());
    QCOMPARE(module.parameterValue(afg, QStringLiteral("harmonicalParameters"),
                                   QStringLiteral("ampl"), 0)
                 .toDouble(),
             0.0);
    QCOMPARE(module.afgParameter(0, QStringLiteral("harmonicalParameters")).userType(),
             before.userType());
}

void TestDwavModuleAccess::setterResults()
{
    DWAVModule module;
    QCOMPARE(module.setChanParameter(0, QStringLiteral("nosuchkey"), 1), -1);
    QCOMPARE(module.setQMParameter(QStringLiteral("useQM"), true), 0);
    QCOMPARE(module.setQMParameter(QStringLiteral("useQM"), true), 1);
    // The AFG and AWG setters only say whether the value was taken.
    QCOMPARE(module.setAWGParameter(QStringLiteral("nosuchkey"), 1), 1);
    QCOMPARE(module.setAWGParameter(QStringLiteral("numPacks"), 4u), 0);
    QCOMPARE(module.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant()), 1);
    // setParameterIfExists tells a missing key from a refused value.
    QCOMPARE(module.setParameterIfExists(module.commonParameters(), QStringLiteral("nokey"), 1),
             -1);
    QCOMPARE(module.setParameterIfExists(nullptr, QStringLiteral("dataSpeed"), 1), -1);
    QCOMPARE(module.setParameterIfExists(module.commonParameters(), QStringLiteral("dataSpeed"),
                                         QVariant()),
             -1);
}

void TestDwavModuleAccess::outOfRangeChannelsAreRefused_data()
{
    QTest::addColumn<int>("chan");
    QTest::newRow("-1") << -1;
    QTest::newRow("2") << 2;
    QTest::newRow("1000") << 1000;
}

void TestDwavModuleAccess::outOfRangeChannelsAreRefused()
{
    QFETCH(int, chan);
    DWAVModule module;
    const QString logBefore = logFile();
    const QString offset = QStringLiteral("offset");
    QVERIFY(!module.chanParameters(chan));
    QVERIFY(!module.afgParameters(chan));
    QVERIFY(!module.chanParameter(chan, offset).isValid());
    QVERIFY(!module.afgParameter(chan, QStringLiteral("currentSignalType")).isValid());
    QCOMPARE(module.setChanParameter(chan, offset, 1.0), -1);
    QCOMPARE(module.setAFGParameter(chan, QStringLiteral("currentSignalType"), 2), -1);
    QCOMPARE(module.setParameterValue(QStringLiteral("DWAV_ChanParameters"), QString(), offset,
                                      chan, 1.0),
             -1);
    QCOMPARE(module.setParameterValue(QStringLiteral("DWAV_AFGParameters"),
                                      QStringLiteral("levelParameters"), QStringLiteral("level"),
                                      chan, 1.0),
             -1);
    QVERIFY(!module.parameterValue(QStringLiteral("DWAV_AFGParameters"),
                                   QStringLiteral("levelParameters"), QStringLiteral("level"), chan)
                 .isValid());
    QCOMPARE(module.chanParameter(0, offset).toDouble(), 0.0);
    QCOMPARE(module.chanParameter(1, offset).toDouble(), 0.0);

    const QString written = logFile().mid(logBefore.size());
    QVERIFY2(written.count(QStringLiteral("Channel index %1 is out of range").arg(chan)) >= 9,
             qPrintable(written));
}

void TestDwavModuleAccess::rates_data()
{
    QTest::addColumn<uint>("code");
    QTest::addColumn<double>("dataSpeed");
    QTest::addColumn<double>("sampleFreq");
    QTest::newRow("0") << 0u << 75e6 << 75e6;
    QTest::newRow("1") << 1u << 150e6 << 150e6;
    QTest::newRow("2") << 2u << 300e6 << 300e6;
    QTest::newRow("3") << 3u << 600e6 << 600e6;
    QTest::newRow("4") << 4u << 75e6 << 1200e6;
    QTest::newRow("7") << 7u << 75e6 << 75e6;
}

void TestDwavModuleAccess::rates()
{
    QFETCH(uint, code);
    QFETCH(double, dataSpeed);
    QFETCH(double, sampleFreq);
    DWAVModule module;
    module.setCommonParameter(QStringLiteral("dataSpeed"), code);
    module.setCommonParameter(QStringLiteral("sampleFreq"), code);
    QCOMPARE(double(module.dataSpeed()), dataSpeed);
    QCOMPARE(double(module.sampleFreq()), sampleFreq);
}

void TestDwavModuleAccess::widgetOfChannelTwo_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("chan");
    QTest::newRow("chan2") << "chan2HarmonicAmplDoubleSpinBox" << 1;
    QTest::newRow("CHAN2") << "CHAN2HarmonicAmplDoubleSpinBox" << 1;
    QTest::newRow("Chan2 inside") << "harmonicChan2AmplDoubleSpinBox" << 1;
    QTest::newRow("chan1") << "chan1HarmonicAmplDoubleSpinBox" << 0;
    QTest::newRow("no channel") << "harmonicAmplDoubleSpinBox" << 0;
    QTest::newRow("chan 2 with blank") << "chan 2Ampl" << 0;
}

void TestDwavModuleAccess::widgetOfChannelTwo()
{
    QFETCH(QString, objectName);
    QFETCH(int, chan);
    DWAVModule module;
    QDoubleSpinBox box;
    box.setObjectName(objectName);
    tag(&box, QStringLiteral("DWAV_AFGParameters"), QStringLiteral("ampl"),
        QStringLiteral("harmonicalParameters"));
    box.setProperty("DWAV_ParameterValue", 3.5);

    QCOMPARE(module.setParameterFromWidget(&box), 0);
    const QString afg = QStringLiteral("DWAV_AFGParameters");
    const QString harmonic = QStringLiteral("harmonicalParameters");
    QCOMPARE(module.parameterValue(afg, harmonic, QStringLiteral("ampl"), chan).toDouble(), 3.5);
    QCOMPARE(module.parameterValue(afg, harmonic, QStringLiteral("ampl"), 1 - chan).toDouble(), 0.0);

    // Back the other way: the widget's value property follows the module.
    module.setParameterValue(afg, harmonic, QStringLiteral("ampl"), chan, 4.25);
    QCOMPARE(module.updateWidgetFromParameter(&box), 0);
    QCOMPARE(box.property("DWAV_ParameterValue").toDouble(), 4.25);
}

void TestDwavModuleAccess::widgetWithoutValue()
{
    DWAVModule module;
    QDoubleSpinBox box;
    box.setObjectName(QStringLiteral("chan2OffsetDoubleSpinBox"));
    tag(&box, QStringLiteral("DWAV_ChanParameters"), QStringLiteral("offset"));
    module.setChanParameter(1, QStringLiteral("offset"), 0.5);

    QCOMPARE(module.setParameterFromWidget(&box), -1);
    QCOMPARE(module.chanParameter(1, QStringLiteral("offset")).toDouble(), 0.5);

    QCOMPARE(module.updateWidgetFromParameter(&box), 0);
    QCOMPARE(box.property("DWAV_ParameterValue").toDouble(), 0.5);
    QCOMPARE(module.setParameterFromWidget(&box), 1);
}

void TestDwavModuleAccess::widgetWithoutTags()
{
    DWAVModule module;
    QDoubleSpinBox box;
    box.setProperty("DWAV_ParameterValue", 1.0);
    QCOMPARE(module.setParameterFromWidget(&box), -1);
    QCOMPARE(module.updateWidgetFromParameter(&box), -1);
    box.setProperty("DWAV_ParameterType", QStringLiteral("DWAV_ChanParameters"));
    QCOMPARE(module.setParameterFromWidget(&box), -1);
    QCOMPARE(module.updateWidgetFromParameter(&box), -1);
    QCOMPARE(box.property("DWAV_ParameterValue").toDouble(), 1.0);
    QCOMPARE(module.setParameterFromWidget(nullptr), -1);
    QCOMPARE(module.updateWidgetFromParameter(nullptr), -1);
}

void TestDwavModuleAccess::widgetOfUnknownSetGetsNoValue()
{
    DWAVModule module;
    QDoubleSpinBox box;
    tag(&box, QStringLiteral("DWAV_Unknown"), QStringLiteral("offset"));
    box.setProperty("DWAV_ParameterValue", 1.0);
    QCOMPARE(module.setParameterFromWidget(&box), -1);
    QCOMPARE(module.updateWidgetFromParameter(&box), 0);
    QVERIFY(!box.property("DWAV_ParameterValue").isValid());
}

DWAV_TEST_MAIN(TestDwavModuleAccess)
#include "tst_dwavmodule_access.moc"
