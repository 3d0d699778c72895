#include "TestMain.h"
#include "tvkdwav_math.h"

#include <QLibrary>

#include <limits>

// Loaded by its base name from the build's folder and called through its
// exported names, as an outside caller does.
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
        QVERIFY(toCode && toVolts);
    }

    void code_data()
    {
        QTest::addColumn<double>("uout");
        QTest::addColumn<double>("kout");
        QTest::addColumn<int>("expected");
        QTest::newRow("half scale") << 0.5 << 1.0 << 16384;
        QTest::newRow("lower end included") << -1.0 << 1.0 << -32768;
        QTest::newRow("just below upper end") << 0.99999 << 1.0 << 32767;
        QTest::newRow("truncated, not rounded") << 0.3 << 2.0 << 19660;
        QTest::newRow("negative truncated toward zero") << -0.3 << 2.0 << -19660;
        QTest::newRow("upper end excluded") << 1.0 << 1.0 << 32767;
        QTest::newRow("far below") << -2.0 << 1.0 << -32768;
        QTest::newRow("limit by the voltage's sign") << 2.0 << -1.0 << 32767;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0 << 32767;
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
        QTest::newRow("zero coefficient") << -100 << 0.0 << -std::numeric_limits<double>::infinity();
    }

    void volts()
    {
        QFETCH(int, code);
        QFETCH(double, kout);
        QFETCH(double, expected);
        QCOMPARE(toVolts(0ul, short(code), kout), expected);
    }

private:
    QLibrary library;
    get_DACCODE_fn toCode = nullptr;
    get_Uout_fn toVolts = nullptr;
};

DWAV_TEST_CORE_MAIN(TestDacMath)
#include "tst_dacmath.moc"
