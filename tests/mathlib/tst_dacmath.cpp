#include "TestMain.h"
#include "tvkdwav_math.h"

#include <QLibrary>
#include <QtTest>

#include <cmath>
#include <limits>

// The library is loaded by its base name from the folder the build puts it
// in, and its functions are looked up by their exported names, as a caller
// that knows nothing of the panel does.
class TestDacMath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        library.setFileName(QCoreApplication::applicationDirPath() + QStringLiteral("/tvkdwav_math"));
        QVERIFY2(library.load(), qPrintable(library.errorString()));
        toCode = reinterpret_cast<get_DACCODE_fn>(library.resolve("get_DACCODE"));
        toVolts = reinterpret_cast<get_Uout_fn>(library.resolve("get_Uout"));
        QVERIFY(toCode);
        QVERIFY(toVolts);
    }

    void code_data()
    {
        QTest::addColumn<double>("uout");
        QTest::addColumn<double>("kout");
        QTest::addColumn<int>("expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("half scale") << 0.5 << 1.0 << 16384;
        QTest::newRow("lower end included") << -1.0 << 1.0 << -32768;
        QTest::newRow("just below upper end") << 0.99999 << 1.0 << 32767;
        QTest::newRow("truncated, not rounded") << 0.3 << 2.0 << 19660;
        QTest::newRow("negative truncated toward zero") << -0.3 << 2.0 << -19660;
        QTest::newRow("zero") << 0.0 << 1.0 << 0;
        QTest::newRow("upper end excluded") << 1.0 << 1.0 << 32767;
        QTest::newRow("far below") << -2.0 << 1.0 << -32768;
        QTest::newRow("limit follows the voltage, not the product") << 2.0 << -1.0 << 32767;
        QTest::newRow("negative voltage, positive product") << -2.0 << -1.0 << -32768;
        QTest::newRow("negative coefficient in range") << 0.25 << -2.0 << -16384;
        QTest::newRow("not a number") << nan << 1.0 << 32767;
        QTest::newRow("zero times infinity") << 0.0 << inf << 32767;
        QTest::newRow("negative zero times infinity") << -0.0 << inf << 32767;
    }

    void code()
    {
        QFETCH(double, uout);
        QFETCH(double, kout);
        QFETCH(int, expected);
        QCOMPARE(int(toCode(12345ul, uout, kout)), expected);
    }

    void volts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("kout");
        QTest::addColumn<double>("expected");
        QTest::newRow("half scale") << 16384 << 1.0 << 0.5;
        QTest::newRow("full negative, gain 2") << -32768 << 2.0 << -0.5;
        QTest::newRow("top code") << 32767 << 1.0 << 32767.0 / 32768.0;
        QTest::newRow("negative coefficient") << 8192 << -0.5 << -0.5;
    }

    void volts()
    {
        QFETCH(int, code);
        QFETCH(double, kout);
        QFETCH(double, expected);
        QCOMPARE(toVolts(0ul, short(code), kout), expected);
    }

    // A zero coefficient divides by zero as IEEE 754 has it.
    void zeroCoefficient()
    {
        QVERIFY(std::isinf(toVolts(0ul, 100, 0.0)) && toVolts(0ul, 100, 0.0) > 0);
        QVERIFY(std::isinf(toVolts(0ul, -100, 0.0)) && toVolts(0ul, -100, 0.0) < 0);
        QVERIFY(std::isnan(toVolts(0ul, 0, 0.0)));
    }

    // Every code read back to volts converts to the same code again.
    void roundTrip()
    {
        for (int c = -32768; c <= 32767; c += 97)
            QCOMPARE(int(toCode(0ul, toVolts(0ul, short(c), 1.25), 1.25)), c);
    }

private:
    QLibrary library;
    get_DACCODE_fn toCode = nullptr;
    get_Uout_fn toVolts = nullptr;
};

DWAV_TEST_CORE_MAIN(TestDacMath)
#include "tst_dacmath.moc"
