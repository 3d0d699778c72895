#include "Dimensions.h"

#include "TestMain.h"

#include <QTranslator>

namespace {

// Stands in for a loaded Russian catalogue: translates only the unit names
// asked for in the "Dimensions" context.
class UnitTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "Dimensions") != 0)
            return QString();
        static const QHash<QString, QString> names{
            {QStringLiteral("s"), QStringLiteral("\u0441")},
            {QStringLiteral("ms"), QStringLiteral("\u043c\u0441")},
            {QStringLiteral("\u00b5s"), QStringLiteral("\u043c\u043a\u0441")},
            {QStringLiteral("ns"), QStringLiteral("\u043d\u0441")},
            {QStringLiteral("Hz"), QStringLiteral("\u0413\u0446")},
            {QStringLiteral("kHz"), QStringLiteral("\u043a\u0413\u0446")},
            {QStringLiteral("MHz"), QStringLiteral("\u041c\u0413\u0446")},
        };
        return names.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestDimensions : public QObject
{
    Q_OBJECT

private slots:
    void tables();
    void factors_data();
    void factors();
    void unitNames_data();
    void unitNames();
    void factorsOfUnitNames_data();
    void factorsOfUnitNames();
    void refillAfterLanguageSwitch();
};

void TestDimensions::tables()
{
    const QMap<int, QString> time = Dimensions::instance()->timeDimensions();
    QCOMPARE(time.keys(), (QList<int>{1, 1000, 1000000, 1000000000}));
    QCOMPARE(time.values(), (QStringList{"s", "ms", QString(QChar(0x00B5)) + "s", "ns"}));

    const QMap<int, QString> freq = Dimensions::instance()->freqDimensions();
    QCOMPARE(freq.keys(), (QList<int>{1, 1000, 1000000}));
    QCOMPARE(freq.values(), (QStringList{"Hz", "kHz", "MHz"}));

    // Not the Greek letter mu, which looks the same.
    QVERIFY(!time.value(1000000).contains(QChar(0x03BC)));
}

void TestDimensions::factors_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("freq");

    QTest::newRow("1") << 1 << 1.0 << 1.0;
    QTest::newRow("1000") << 1000 << 0.001 << 1000.0;
    QTest::newRow("1000000") << 1000000 << 1e-6 << 1000000.0;
    QTest::newRow("1000000000") << 1000000000 << 1e-9 << 1e9;
    // Multipliers not in a table still convert by their number.
    QTest::newRow("7") << 7 << 1.0 / 7 << 7.0;
    // A settings file without the key leaves 0; it must not turn values
    // into infinities on their way to the driver.
    QTest::newRow("0 from a damaged file") << 0 << 1.0 << 1.0;
    QTest::newRow("negative") << -1000 << 1.0 << 1.0;
}

void TestDimensions::factors()
{
    QFETCH(int, multiplier);
    QFETCH(double, time);
    QFETCH(double, freq);
    QCOMPARE(Dimensions::instance()->timeFactor(multiplier), time);
    QCOMPARE(Dimensions::instance()->freqFactor(multiplier), freq);
}

void TestDimensions::unitNames_data()
{
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("freq");

    QTest::newRow("1") << 1 << "s" << "Hz";
    QTest::newRow("1000") << 1000 << "ms" << "kHz";
    QTest::newRow("1000000") << 1000000 << QString(QChar(0x00B5)) + "s" << "MHz";
    QTest::newRow("1000000000") << 1000000000 << "ns" << QString();
    QTest::newRow("7") << 7 << QString() << QString();
    QTest::newRow("0") << 0 << QString() << QString();
}

void TestDimensions::unitNames()
{
    QFETCH(int, multiplier);
    QFETCH(QString, time);
    QFETCH(QString, freq);
    QCOMPARE(Dimensions::instance()->timeUnit(multiplier), time);
    QCOMPARE(Dimensions::instance()->freqUnit(multiplier), freq);
}

void TestDimensions::factorsOfUnitNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("freq");

    QTest::newRow("s") << "s" << 1.0 << 1.0;
    QTest::newRow("ms") << "ms" << 0.001 << 1.0;
    QTest::newRow("micro") << QString(QChar(0x00B5)) + "s" << 1e-6 << 1.0;
    QTest::newRow("ns") << "ns" << 1e-9 << 1.0;
    QTest::newRow("kHz") << "kHz" << 1.0 << 1000.0;
    QTest::newRow("MHz") << "MHz" << 1.0 << 1e6;
    QTest::newRow("Greek mu is unknown") << QString(QChar(0x03BC)) + "s" << 1.0 << 1.0;
    QTest::newRow("unknown") << "fortnights" << 1.0 << 1.0;
    QTest::newRow("empty") << QString() << 1.0 << 1.0;
}

void TestDimensions::factorsOfUnitNames()
{
    QFETCH(QString, name);
    QFETCH(double, time);
    QFETCH(double, freq);
    QCOMPARE(Dimensions::instance()->timeFactorOfUnit(name), time);
    QCOMPARE(Dimensions::instance()->freqFactorOfUnit(name), freq);
}

void TestDimensions::refillAfterLanguageSwitch()
{
    Dimensions *dims = Dimensions::instance();
    UnitTranslator russian;
    QVERIFY(QCoreApplication::installTranslator(&russian));

    // The tables keep their old names until they are filled again.
    QCOMPARE(dims->timeUnit(1000), QStringLiteral("ms"));
    dims->fillDimensions();

    const QMap<int, QString> time = dims->timeDimensions();
    QCOMPARE(time.keys(), (QList<int>{1, 1000, 1000000, 1000000000}));
    QCOMPARE(time.value(1000000), QStringLiteral("\u043c\u043a\u0441"));
    QCOMPARE(dims->freqUnit(1000), QStringLiteral("\u043a\u0413\u0446"));
    QCOMPARE(dims->freqDimensions().size(), 3);
    QCOMPARE(dims->timeFactorOfUnit(QStringLiteral("\u043c\u0441")), 0.001);
    // The untranslated names no longer match.
    QCOMPARE(dims->timeFactorOfUnit(QStringLiteral("ms")), 1.0);

    QCoreApplication::removeTranslator(&russian);
    dims->fillDimensions();
    QCOMPARE(dims->timeUnit(1000), QStringLiteral("ms"));
    QCOMPARE(dims->freqUnit(1000000), QStringLiteral("MHz"));
}

DWAV_TEST_CORE_MAIN(TestDimensions)
#include "tst_dimensions.moc"
