#include "AFGParameters.h"
#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "ParameterTypes.h"

#include "TestMain.h"

#include <QSequentialIterable>

class TestParameterTypes : public QObject
{
    Q_OBJECT

private slots:
    void registeredNames_data();
    void registeredNames();
    void registeredOnceHoweverManySets();
    void enumerationsReadAsNumbers_data();
    void enumerationsReadAsNumbers();
    void enumerationsFromStoredValues_data();
    void enumerationsFromStoredValues();
    void enumerationComparesWithItsNumber();
    void pointsAreASequence();
    void pointsFromOtherValues();
};

void TestParameterTypes::registeredNames_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("enumeration");

    QTest::newRow("harmonic") << qMetaTypeId<_HarmonicalParameters>() << QByteArray("HarmonicalParameters") << false;
    QTest::newRow("triangular") << qMetaTypeId<_TriangularParameters>() << QByteArray("TriangularParameters") << false;
    QTest::newRow("impulse") << qMetaTypeId<_ImpulseParameters>() << QByteArray("ImpulseParameters") << false;
    QTest::newRow("level") << qMetaTypeId<_LevelParameters>() << QByteArray("LevelParameters") << false;
    QTest::newRow("multilevel") << qMetaTypeId<_MultilevelParameters>() << QByteArray("MultilevelParameters") << false;
    QTest::newRow("points") << qMetaTypeId<PointsVector>() << QByteArray("PointsVector") << false;
    QTest::newRow("afgSignalTypes") << qMetaTypeId<afgSignalTypes>() << QByteArray("afgSignalTypes") << true;
    QTest::newRow("modulType") << qMetaTypeId<modulType>() << QByteArray("modulType") << true;
    QTest::newRow("awgDataFormat") << qMetaTypeId<awgDataFormat>() << QByteArray("awgDataFormat") << true;
    QTest::newRow("chanState") << qMetaTypeId<chanState>() << QByteArray("chanState") << true;
}

void TestParameterTypes::registeredNames()
{
    QFETCH(int, id);
    QFETCH(QByteArray, name);
    QFETCH(bool, enumeration);

    QVERIFY(id >= QMetaType::User);
    QCOMPARE(QMetaType::type(name.constData()), id);
    QCOMPARE(QByteArray(QMetaType::typeName(id)), name);
    QCOMPARE(bool(QMetaType::typeFlags(id) & QMetaType::IsEnumeration), enumeration);
    if (enumeration)
        QCOMPARE(QMetaType::sizeOf(id), 4);

    // The registered construct operation builds a usable default value.
    QVariant made(id, nullptr);
    QVERIFY(made.isValid());
    QCOMPARE(made.userType(), id);
}

void TestParameterTypes::registeredOnceHoweverManySets()
{
    const int harmonic = qMetaTypeId<_HarmonicalParameters>();
    const int state = qMetaTypeId<chanState>();
    for (int n = 0; n < 20; ++n) {
        AFGParameters afg(n);
        DWAVChanParameters chan(bool(n % 2), n);
        QCOMPARE(afg.getParameter("harmonicalParameters").userType(), harmonic);
        QCOMPARE(chan.getParameter("chanState").userType(), state);
    }
    QCOMPARE(QMetaType::type("HarmonicalParameters"), harmonic);
    QCOMPARE(QMetaType::type("chanState"), state);
}

void TestParameterTypes::enumerationsReadAsNumbers_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("number");

    QTest::newRow("chanState off") << QVariant::fromValue(ChanOff) << 0;
    QTest::newRow("chanState on") << QVariant::fromValue(ChanOn) << 1;
    QTest::newRow("multilevel form") << QVariant::fromValue(AfgMultilevel) << 4;
    QTest::newRow("FT modulation") << QVariant::fromValue(ModulFT) << 5;
    QTest::newRow("DAC codes") << QVariant::fromValue(AwgDataDacCodes) << 1;
    QTest::newRow("default modulation") << AFGParameters().getParameter("currentSignalType") << 0;
}

void TestParameterTypes::enumerationsReadAsNumbers()
{
    QFETCH(QVariant, value);
    QFETCH(int, number);

    bool ok = false;
    QCOMPARE(value.toInt(&ok), number);
    QVERIFY(ok);
    ok = false;
    QCOMPARE(value.toUInt(&ok), uint(number));
    QVERIFY(ok);
    QCOMPARE(value.toBool(), number != 0);
    QCOMPARE(value.toDouble(), double(number));
    QCOMPARE(value.toLongLong(), qlonglong(number));
    QCOMPARE(value.toULongLong(), qulonglong(number));
    QCOMPARE(value.toString(), QString::number(number));
    QVERIFY(value.canConvert<int>());
}

void TestParameterTypes::enumerationsFromStoredValues_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("own type") << QVariant::fromValue(AfgLevel) << 3;
    QTest::newRow("int") << QVariant(2) << 2;
    QTest::newRow("uint") << QVariant(4u) << 4;
    QTest::newRow("text of a settings file") << QVariant(QStringLiteral("1")) << 1;
    QTest::newRow("bool from a check box") << QVariant(true) << 1;
    QTest::newRow("invalid") << QVariant() << 0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("harmonic")) << 0;
}

void TestParameterTypes::enumerationsFromStoredValues()
{
    QFETCH(QVariant, value);
    QFETCH(int, expected);
    QCOMPARE(int(ParameterTypes::enumFromVariant<afgSignalTypes>(value)), expected);
    QCOMPARE(int(ParameterTypes::enumFromVariant<chanState>(value)), expected);
}

void TestParameterTypes::enumerationComparesWithItsNumber()
{
    // Widgets hand back plain numbers; an equal number is no change.
    DWAVChanParameters chan(false, 1);
    QCOMPARE(chan.setParameter("chanState", 1), 1);
    QCOMPARE(chan.setParameter("chanState", 1u), 1);
    QCOMPARE(chan.getParameter("chanState").userType(), qMetaTypeId<chanState>());
    QCOMPARE(chan.setParameter("chanState", 0), 0);
    QCOMPARE(chan.getParameter("chanState").toUInt(), 0u);

    AWGParameters awg(1);
    QCOMPARE(awg.setParameter("dataFormat", QVariant::fromValue(AwgDataDouble)), 1);
    QCOMPARE(awg.setParameter("dataFormat", QVariant::fromValue(AwgDataDacCodes)), 0);
    QCOMPARE(awg.getParameter("dataFormat").toInt(), 1);
}

void TestParameterTypes::pointsAreASequence()
{
    const PointsVector points{0.5, -0.25, 3.0};
    const QVariant value = QVariant::fromValue(points);
    QCOMPARE(QByteArray(value.typeName()), QByteArray("PointsVector"));
    QVERIFY(value.canConvert<QVariantList>());

    const QSequentialIterable iterable = value.value<QSequentialIterable>();
    QCOMPARE(iterable.size(), 3);
    QList<double> walked;
    for (const QVariant &v : iterable)
        walked << v.toDouble();
    QCOMPARE(walked, (QList<double>{0.5, -0.25, 3.0}));
    QCOMPARE(value.value<QVariantList>().size(), 3);

    QCOMPARE(ParameterTypes::pointsFromVariant(value), points);
    QCOMPARE(qvariant_cast<PointsVector>(value), points);
}

void TestParameterTypes::pointsFromOtherValues()
{
    QVERIFY(ParameterTypes::pointsFromVariant(QVariant()).empty());
    QVERIFY(ParameterTypes::pointsFromVariant(QVariant(3.0)).empty());
    QVERIFY(ParameterTypes::pointsFromVariant(QVariant(QStringLiteral("1;2"))).empty());
    QVERIFY(qvariant_cast<PointsVector>(QVariant()).empty());
}

DWAV_TEST_CORE_MAIN(TestParameterTypes)
#include "tst_parametertypes.moc"
