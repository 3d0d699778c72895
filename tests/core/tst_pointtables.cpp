#include "PointTables.h"

#include "TestMain.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using PointTables::Grid;

namespace {

constexpr double Sentinel = 12345.0;

// Exactly the module's buffer size on the heap, so that a write past the end
// is caught by the address sanitizer, and filled with a value no table holds.
std::vector<double> freshBuffer()
{
    return std::vector<double>(PointTables::MaxPoints, Sentinel);
}

bool untouched(const std::vector<double> &buf)
{
    for (double v : buf)
        if (v != Sentinel)
            return false;
    return true;
}

// A period as the panel computes it from a typed value and its unit.
double typed(double value, double unitsPerSecond)
{
    return value * (1.0 / unitsPerSecond);
}

bool near(double a, double b, double eps = 1e-12)
{
    return std::fabs(a - b) <= eps;
}

} // namespace

class TestPointTables : public QObject
{
    Q_OBJECT

private slots:
    void gridForPeriod_data();
    void gridForPeriod();
    void gridRefusesBadPeriods_data();
    void gridRefusesBadPeriods();

    void defaultTriangle();
    void asymmetricTriangle();
    void triangleWithoutRiseFallsFromThePeak();
    void triangleRefusals_data();
    void triangleRefusals();

    void defaultImpulse();
    void impulseTrapezoid();
    void impulseFillingTheWholeTable();
    void impulseWithoutHighPart();
    void impulseRefusals_data();
    void impulseRefusals();

    void typedSplitsKeepTheirPoints();
};

void TestPointTables::gridForPeriod_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("period");
    QTest::addColumn<uint>("decimation");
    QTest::addColumn<uint>("count");

    QTest::newRow("default triangle") << 300e6 << 0.002 << 586u << 1024u;
    QTest::newRow("default impulse") << 300e6 << 0.001 << 293u << 1024u;
    QTest::newRow("slowest rate, 1 s") << 75e6 << 1.0 << 73243u << 1024u;
    QTest::newRow("fits without decimation") << 300e6 << 1000 / 300e6 << 1u << 1000u;
    QTest::newRow("needs decimation 2") << 300e6 << 2000 / 300e6 << 2u << 1000u;
    QTest::newRow("75 clocks") << 150e6 << 0.5e-6 << 1u << 75u;
    QTest::newRow("3 clocks, raised to 10") << 300e6 << 1e-8 << 1u << 10u;
    QTest::newRow("far below one clock") << 75e6 << 1e-15 << 1u << 10u;
    // Typed periods that are a whole number of clocks, or a half for the
    // rounding of the count, though their binary value lies just beside it.
    QTest::newRow("2 x 0.384 ms typed") << 300e6 << 2 * typed(0.384, 1e3) << 225u << 1024u;
    QTest::newRow("2 x 1.536 ms typed") << 300e6 << 2 * typed(1.536, 1e3) << 900u << 1024u;
    QTest::newRow("0.79 us typed, 118.5 clocks") << 150e6 << typed(0.79, 1e6) << 1u << 119u;
    // A decimation above 2^31 must still be carried as unsigned 32 bits.
    QTest::newRow("7000 s at 600 MS/s") << 600e6 << 7000.0 << 4101562500u << 1024u;
}

void TestPointTables::gridForPeriod()
{
    QFETCH(double, rate);
    QFETCH(double, period);
    QFETCH(uint, decimation);
    QFETCH(uint, count);

    Grid g;
    QCOMPARE(PointTables::grid(rate, period, &g), QString());
    QCOMPARE(g.decimation, quint32(decimation));
    QCOMPARE(g.count, quint32(count));
    QCOMPARE(g.pointPeriod, double(decimation) / rate);
    QVERIFY(g.count >= PointTables::MinPoints && g.count <= PointTables::MaxPoints);
}

void TestPointTables::gridRefusesBadPeriods_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("period");
    QTest::addColumn<QString>("named");

    QTest::newRow("zero") << 300e6 << 0.0 << "0 s";
    QTest::newRow("negative") << 300e6 << -0.001 << "-0.001 s";
    QTest::newRow("NaN") << 300e6 << std::nan("") << "nan s";
    QTest::newRow("infinite") << 300e6 << std::numeric_limits<double>::infinity() << "inf s";
    QTest::newRow("decimation beyond 32 bits") << 600e6 << 8000.0 << "8000 s";
}

void TestPointTables::gridRefusesBadPeriods()
{
    QFETCH(double, rate);
    QFETCH(double, period);
    QFETCH(QString, named);

    Grid g;
    g.decimation = 77;
    g.count = 77;
    const QString reason = PointTables::grid(rate, period, &g);
    QVERIFY2(reason.contains(named), qPrintable(reason));
    QCOMPARE(g.decimation, 77u);
    QCOMPARE(g.count, 77u);
}

void TestPointTables::defaultTriangle()
{
    auto buf = freshBuffer();
    Grid g;
    QCOMPARE(PointTables::triangle(300e6, 0.1, 0.001, -0.1, 0.001, buf.data(), &g), QString());
    QCOMPARE(g.decimation, 586u);
    QCOMPARE(g.count, 1024u);
    QCOMPARE(g.pointPeriod, 586 / 300e6);

    const double step = 0.2 / 512;
    QCOMPARE(buf[0], -0.1);
    QVERIFY(near(buf[256], 0.0));
    QVERIFY(near(buf[511], 0.1 - step));
    QCOMPARE(buf[512], 0.1);
    QVERIFY(near(buf[768], 0.0));
    // The last point is one fall step above the bottom; the next period
    // starts at the bottom again.
    QVERIFY(near(buf[1023], -0.1 + step));
    for (int i = 1; i <= 512; ++i)
        QVERIFY2(buf[i] > buf[i - 1], qPrintable(QString::number(i)));
    for (int i = 513; i < 1024; ++i)
        QVERIFY2(buf[i] < buf[i - 1], qPrintable(QString::number(i)));
}

void TestPointTables::asymmetricTriangle()
{
    auto buf = freshBuffer();
    Grid g;
    // Rise 3 ms, fall 1 ms: three quarters of the table rise.
    QCOMPARE(PointTables::triangle(300e6, 1.0, 0.003, 0.0, 0.001, buf.data(), &g), QString());
    QCOMPARE(g.decimation, 1172u);
    QCOMPARE(g.count, 1024u);
    QCOMPARE(buf[768], 1.0);
    QVERIFY(near(buf[767], 1.0 - 1.0 / 768));
    QVERIFY(near(buf[769], 1.0 - 1.0 / 256));
    QVERIFY(near(buf[1023], 1.0 / 256));
}

void TestPointTables::triangleWithoutRiseFallsFromThePeak()
{
    auto buf = freshBuffer();
    Grid g;
    QCOMPARE(PointTables::triangle(300e6, 1.0, 0.0, -1.0, 0.002, buf.data(), &g), QString());
    QCOMPARE(g.count, 1024u);
    QCOMPARE(buf[0], 1.0);
    QVERIFY(near(buf[1], 1.0 - 2.0 / 1024));
    QVERIFY(near(buf[1023], -1.0 + 2.0 / 1024));
}

void TestPointTables::triangleRefusals_data()
{
    QTest::addColumn<double>("Tup");
    QTest::addColumn<double>("Tdn");
    QTest::addColumn<QString>("named");

    QTest::newRow("fall time 0") << 0.001 << 0.0 << "fall time 0 s";
    QTest::newRow("fall too short for one point") << 0.001 << 1e-9 << "fall time 1e-09 s";
    QTest::newRow("no period at all") << 0.0 << 0.0 << "period 0 s";
    QTest::newRow("negative rise") << -0.001 << 0.002 << "rise time -0.001 s";
    QTest::newRow("negative fall") << 0.002 << -0.001 << "fall time -0.001 s";
    QTest::newRow("NaN rise") << std::nan("") << 0.001 << "rise time nan s";
    QTest::newRow("period too long") << 5000.0 << 5000.0 << "period 10000 s";
}

void TestPointTables::triangleRefusals()
{
    QFETCH(double, Tup);
    QFETCH(double, Tdn);
    QFETCH(QString, named);

    auto buf = freshBuffer();
    Grid g;
    const QString reason = PointTables::triangle(600e6, 0.1, Tup, -0.1, Tdn, buf.data(), &g);
    QVERIFY2(reason.contains(named), qPrintable(reason));
    QVERIFY(untouched(buf));
    QCOMPARE(g.count, 0u);
}

void TestPointTables::defaultImpulse()
{
    auto buf = freshBuffer();
    Grid g;
    QCOMPARE(PointTables::impulse(300e6, 0.1, 0.001, -0.1, 0.001, 50.0, 0.001, buf.data(), &g),
             QString());
    QCOMPARE(g.decimation, 293u);
    QCOMPARE(g.count, 1024u);
    QCOMPARE(g.pointPeriod, 293 / 300e6);
    for (int i = 0; i < 512; ++i)
        QCOMPARE(buf[i], 0.1);
    for (int i = 512; i < 1024; ++i)
        QCOMPARE(buf[i], -0.1);
}

void TestPointTables::impulseTrapezoid()
{
    auto buf = freshBuffer();
    Grid g;
    // 1024 points, 512 high: rise and fall of 51 + 51 points each, top 410.
    QCOMPARE(PointTables::impulse(300e6, 1.0, 10.0, -1.0, 10.0, 50.0, 0.001, buf.data(), &g),
             QString());
    QCOMPARE(g.count, 1024u);
    const double step = 2.0 / 102;
    QCOMPARE(buf[0], -1.0);
    QVERIFY(near(buf[51], -1.0 + 51 * step));
    QVERIFY(near(buf[101], -1.0 + 101 * step));
    for (int i = 102; i < 512; ++i)
        QCOMPARE(buf[i], 1.0);
    QVERIFY(near(buf[512], 1.0 - step));
    QVERIFY(near(buf[613], -1.0, 1e-9));
    for (int i = 614; i < 1024; ++i)
        QCOMPARE(buf[i], -1.0);
}

void TestPointTables::impulseFillingTheWholeTable()
{
    auto buf = freshBuffer();
    Grid g;
    // Duty 100 with rise and fall of 50 % each: no top, no bottom; the ramps
    // use every point and end exactly at the last one. Without a top the
    // fall starts one step below the peak and so ends one step below Udn.
    QCOMPARE(PointTables::impulse(300e6, 1.0, 50.0, 0.0, 50.0, 100.0, 0.001, buf.data(), &g),
             QString());
    QCOMPARE(g.count, 1024u);
    QCOMPARE(buf[0], 0.0);
    QVERIFY(near(buf[511], 511.0 / 512));
    QVERIFY(near(buf[512], 510.0 / 512));
    QVERIFY(near(buf[1023], -1.0 / 512, 1e-9));
}

void TestPointTables::impulseWithoutHighPart()
{
    auto buf = freshBuffer();
    Grid g;
    // Duty 0 with a rise: the fall starts from the last rising point.
    QCOMPARE(PointTables::impulse(300e6, 1.0, 10.0, 0.0, 10.0, 0.0, 0.001, buf.data(), &g),
             QString());
    QCOMPARE(g.count, 1024u);
    QCOMPARE(buf[0], 0.0);
    QVERIFY(near(buf[101], 101.0 / 102));
    QVERIFY(near(buf[102], 101.0 / 102 - 1.0 / 102));
    QVERIFY(near(buf[203], -1.0 / 102, 1e-9));
    for (int i = 204; i < 1024; ++i)
        QCOMPARE(buf[i], 0.0);
}

void TestPointTables::impulseRefusals_data()
{
    QTest::addColumn<double>("Tup");
    QTest::addColumn<double>("Tdn");
    QTest::addColumn<double>("duty");
    QTest::addColumn<double>("period");
    QTest::addColumn<QString>("named");

    QTest::newRow("duty 0, rise 0") << 0.0 << 10.0 << 0.0 << 0.001 << "duty factor 0 % with rise 0 %";
    QTest::newRow("rise and fall above 100") << 60.0 << 50.0 << 50.0 << 0.001 << "rise 60 % and fall 50 %";
    QTest::newRow("duty above 100") << 0.001 << 0.001 << 101.0 << 0.001 << "duty factor 101 %";
    QTest::newRow("negative duty") << 0.001 << 0.001 << -1.0 << 0.001 << "duty factor -1 %";
    QTest::newRow("negative rise") << -1.0 << 0.001 << 50.0 << 0.001 << "rise -1 %";
    QTest::newRow("negative fall") << 0.001 << -1.0 << 50.0 << 0.001 << "fall -1 %";
    QTest::newRow("period 0") << 0.001 << 0.001 << 50.0 << 0.0 << "period 0 s";
    QTest::newRow("negative period") << 0.001 << 0.001 << 50.0 << -0.001 << "period -0.001 s";
    QTest::newRow("period too long") << 0.001 << 0.001 << 50.0 << 1e6 << "period 1e+06 s";
}

void TestPointTables::impulseRefusals()
{
    QFETCH(double, Tup);
    QFETCH(double, Tdn);
    QFETCH(double, duty);
    QFETCH(double, period);
    QFETCH(QString, named);

    auto buf = freshBuffer();
    Grid g;
    const QString reason =
        PointTables::impulse(600e6, 0.1, Tup, -0.1, Tdn, duty, period, buf.data(), &g);
    QVERIFY2(reason.contains(named), qPrintable(reason));
    QVERIFY(untouched(buf));
    QCOMPARE(g.count, 0u);
}

// Typed times and percentages split the table where they were meant to.
void TestPointTables::typedSplitsKeepTheirPoints()
{
    auto buf = freshBuffer();
    Grid g;
    // 10 ns up, 50 ns down: 18 points, the peak at a sixth of them.
    QCOMPARE(PointTables::triangle(300e6, 1.0, typed(0.01, 1e6), 0.0, typed(0.05, 1e6), buf.data(), &g),
             QString());
    QCOMPARE(int(std::find(buf.begin(), buf.end(), 1.0) - buf.begin()), 3);
    // 375 points, 18.4 % of them high.
    QCOMPARE(PointTables::impulse(300e6, 1.0, 0.0, 0.0, 0.0, 18.4, typed(1.25, 1e6), buf.data(), &g),
             QString());
    QCOMPARE(int(std::count(buf.begin(), buf.begin() + g.count, 1.0)), 69);
}

DWAV_TEST_CORE_MAIN(TestPointTables)
#include "tst_pointtables.moc"
