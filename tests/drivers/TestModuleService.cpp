// Self tests, service tests and calibration of the simulated module: the
// record layout, flash, the multimeter, and the Windows-1251 texts.
#include "BenchFixture.h"
#include "TestMain.h"

#include <cstddef>
#include <cstring>

class TestModuleService : public QObject
{
    Q_OBJECT

private:
    BenchFixture::Module m;

    static tvkdwav_CalibrationData recordOf(const char *resource, int position, bool flash)
    {
        tvkdwav_CalibrationData record;
        std::memset(&record, 0xAB, sizeof record);
        dwavbench_module_calibration(resource, position, &record, flash ? 1 : 0);
        return record;
    }

private slots:
    void init()
    {
        BenchFixture::freshBench();
        m = BenchFixture::open(2);
        QVERIFY(m.module != VI_NULL);
    }

    void cleanup()
    {
        BenchFixture::close(m);
    }

    void recordLayoutIsTheModulesBlock()
    {
        QCOMPARE(sizeof(tvkdwav_CalibrationData), std::size_t(136));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, auxDac), std::size_t(4));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, dacGain), std::size_t(12));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, nOffset), std::size_t(20));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, kOffset), std::size_t(24));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, adcOffset), std::size_t(40));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, adcRange), std::size_t(72));
        QCOMPARE(offsetof(tvkdwav_CalibrationData, reserved), std::size_t(104));

        // Read as raw bytes, the fields stand where a reader of the block
        // by offsets expects them: index 2 * chan + range.
        unsigned char raw[136];
        std::memset(raw, 0xEE, sizeof raw);
        QCOMPARE(tvkdwav_get_calibration_data(m.module, reinterpret_cast<tvkdwav_CalibrationData *>(raw)),
                 ViStatus(VI_SUCCESS));
        const tvkdwav_CalibrationData record = recordOf(BenchFixture::vxiCarrier(), 2, false);
        ViUInt16 code = 0;
        std::memcpy(&code, raw + 4 + 2 * (2 * 1 + 0), 2);
        QCOMPARE(code, record.auxDac[1][0]);
        std::memcpy(&code, raw + 12 + 2 * (2 * 0 + 1), 2);
        QCOMPARE(code, record.dacGain[0][1]);
        double value = 0;
        std::memcpy(&value, raw + 24 + 8, 8);
        QCOMPARE(value, record.kOffset[1]);
        std::memcpy(&value, raw + 72 + 3 * 8, 8);
        QCOMPARE(value, record.adcRange[3]);
        // Plausible coefficients, and the bytes the panel does not read.
        QVERIFY(record.kOffset[0] > 0.9 && record.kOffset[0] < 1.1);
        QVERIFY(record.adcRange[2] > 0.9 && record.adcRange[2] < 1.1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(raw + 104)), QByteArray("DW-0211"));
        QCOMPARE(tvkdwav_get_calibration_data(m.module, nullptr), ViStatus(VI_ERROR_PARAMETER2));
    }

    void calibrationNeedsTheMultimeter()
    {
        dwavbench_set_multimeter(0);
        const tvkdwav_CalibrationData before = recordOf(BenchFixture::vxiCarrier(), 2, false);
        const ViStatus status = tvkdwav_calibrate(m.module, 0, 1);
        QCOMPARE(status, ViStatus(0xBFFC0C14));
        QCOMPARE(status, ViStatus(-1074000876));
        QVERIFY(Bench::driverText(status, m.module).contains(QLatin1String("hp3458a.dll")));
        const tvkdwav_CalibrationData after = recordOf(BenchFixture::vxiCarrier(), 2, false);
        QCOMPARE(std::memcmp(&before, &after, sizeof before), 0);

        dwavbench_set_multimeter(1);
        QCOMPARE(tvkdwav_calibrate(m.module, 0, 1), ViStatus(VI_SUCCESS));
        const tvkdwav_CalibrationData calibrated = recordOf(BenchFixture::vxiCarrier(), 2, false);
        QVERIFY(calibrated.kOffset[1] != before.kOffset[1]);
        QCOMPARE(calibrated.kOffset[0], before.kOffset[0]);
        QCOMPARE(tvkdwav_calibrate(m.module, 0, 2), ViStatus(VI_ERROR_PARAMETER3));
        QCOMPARE(tvkdwav_stop_calibration(m.module), ViStatus(VI_SUCCESS));
    }

    void flashKeepsTheRecordForTheProcess()
    {
        const tvkdwav_CalibrationData factory = recordOf(BenchFixture::vxiCarrier(), 2, true);
        QCOMPARE(tvkdwav_calibrate(m.module, 0, 0), ViStatus(VI_SUCCESS));
        tvkdwav_CalibrationData changed;
        QCOMPARE(tvkdwav_get_calibration_data(m.module, &changed), ViStatus(VI_SUCCESS));
        QVERIFY(changed.kOffset[0] != factory.kOffset[0]);

        // Loading drops the unsaved calibration.
        QCOMPARE(tvkdwav_load_CalibrationData_FromFlash(m.module), ViStatus(VI_SUCCESS));
        tvkdwav_CalibrationData loaded;
        QCOMPARE(tvkdwav_get_calibration_data(m.module, &loaded), ViStatus(VI_SUCCESS));
        QCOMPARE(std::memcmp(&loaded, &factory, sizeof loaded), 0);

        QCOMPARE(tvkdwav_calibrate(m.module, 0, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_save_CalibrationData_ToFlash(m.module), ViStatus(VI_SUCCESS));
        const tvkdwav_CalibrationData saved = recordOf(BenchFixture::vxiCarrier(), 2, true);
        QCOMPARE(saved.kOffset[0], changed.kOffset[0]);
        double saves = 0;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "flashSaves", &saves), 0);
        QCOMPARE(saves, 1.0);

        // Another session on the same module sees the same flash.
        BenchFixture::close(m);
        m = BenchFixture::open(2);
        QCOMPARE(tvkdwav_load_CalibrationData_FromFlash(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_get_calibration_data(m.module, &loaded), ViStatus(VI_SUCCESS));
        QCOMPARE(loaded.kOffset[0], changed.kOffset[0]);
        // The other module keeps its own.
        QCOMPARE(recordOf(BenchFixture::vxiCarrier(), 7, true).kOffset[0], factory.kOffset[0]);
    }

    void calibrationDateFollowsTheLastCalibration()
    {
        char date[TVKDWAV_CALIBRATION_DATE_BUFLEN];
        QCOMPARE(tvkdwav_get_calibration_date(m.module, date), ViStatus(VI_SUCCESS));
        QCOMPARE(QByteArray(date), QByteArray("15.03.2026"));
        QCOMPARE(tvkdwav_calibrate(m.module, 0, 0), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_get_calibration_date(m.module, date), ViStatus(VI_SUCCESS));
        QCOMPARE(QByteArray(date), QDate::currentDate().toString("dd.MM.yyyy").toLatin1());
    }

    void adcCalibrationGivesItsMessage()
    {
        char message[TVKDWAV_CALIBRATION_MESSAGE_BUFLEN] = {};
        QCOMPARE(tvkdwav_calibrate_ADC(m.module, message), ViStatus(VI_SUCCESS));
        const QString text = BenchFixture::cp1251(message);
        QVERIFY2(text.startsWith(QString::fromUtf8("Калибровка АЦП завершена")), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("«Контроль»")));
        tvkdwav_CalibrationData record;
        QCOMPARE(tvkdwav_get_calibration_data(m.module, &record), ViStatus(VI_SUCCESS));
        QVERIFY(text.contains(QString::number(record.adcOffset[2], 'f', 4)));

        char error[256];
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 2, "calibrate_adc", "fail", error,
                                             sizeof error), 0);
        QCOMPARE(tvkdwav_calibrate_ADC(m.module, message), ViStatus(TVKDWAV_ERROR_CALIBRATION));
        QVERIFY(BenchFixture::cp1251(message).contains(QString::fromUtf8("не выполнена")));
        QCOMPARE(tvkdwav_calibrate_ADC(m.module, nullptr), ViStatus(VI_ERROR_PARAMETER2));
    }

    void testsPassOrFailAsTheBenchSays_data()
    {
        QTest::addColumn<QByteArray>("option");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<int>("test");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<int>("failedResult");
        QTest::newRow("self test passes") << QByteArray("self_test") << true << 0
                                          << QString::fromUtf8("ошибок не обнаружено") << 0;
        QTest::newRow("self test fails") << QByteArray("self_test") << false << 0
                                         << QString::fromUtf8("нет ответа ПЛИС") << 4;
        QTest::newRow("OK-off passes") << QByteArray("test_ok_off1") << true << 1
                                       << QString::fromUtf8("ключи обоих каналов исправны") << 0;
        QTest::newRow("OK-off fails") << QByteArray("test_ok_off1") << false << 1
                                      << QString::fromUtf8("не отключается") << 1;
        QTest::newRow("RAM passes") << QByteArray("test_ram") << true << 2
                                    << QString::fromUtf8("адрес 16 бит, только чтение): адреса 0x00001000–0x00004FFF, 16 К отсчётов: ошибок нет") << 0;
        QTest::newRow("RAM fails") << QByteArray("test_ram") << false << 2
                                   << QString::fromUtf8("ошибка по адресу 0x00001040") << 2;
        QTest::newRow("AFG passes") << QByteArray("test_afg") << true << 3
                                    << QString::fromUtf8("Тест АФГ канала 2: амплитуда и частота в допуске") << 0;
        QTest::newRow("AFG fails") << QByteArray("test_afg") << false << 3
                                   << QString::fromUtf8("амплитуда вне допуска") << 3;
    }

    void testsPassOrFailAsTheBenchSays()
    {
        QFETCH(QByteArray, option);
        QFETCH(bool, passes);
        QFETCH(int, test);
        QFETCH(QString, fragment);
        QFETCH(int, failedResult);
        char error[256];
        QCOMPARE(dwavbench_set_module_option(BenchFixture::vxiCarrier(), 2, option.constData(),
                                             passes ? "pass" : "fail", error, sizeof error), 0);
        ViInt16 result = -7;
        char message[TVKDWAV_TEST_MESSAGE_BUFLEN] = {};
        ViStatus status = VI_SUCCESS;
        switch (test) {
        case 0: status = tvkdwav_self_test(m.module, &result, message); break;
        case 1: status = tvkdwav_test_OK_Off1(m.module, &result, message); break;
        case 2: status = tvkdwav_test_RAM(m.module, 0x1000, 16, 2, 1, &result, message); break;
        default: status = tvkdwav_test_AFG(m.module, 0, 1, &result, message); break;
        }
        QCOMPARE(status, ViStatus(VI_SUCCESS));
        QCOMPARE(int(result), failedResult);
        const QString text = BenchFixture::cp1251(message);
        QVERIFY2(text.contains(fragment), qPrintable(text));
        // The texts are Windows-1251 bytes, not UTF-8.
        QVERIFY(QByteArray(message) != text.toUtf8());
    }

    void ramTestChecksItsBlock_data()
    {
        QTest::addColumn<ViUInt32>("start");
        QTest::addColumn<int>("kilo");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("readOnly");
        QTest::addColumn<ViStatus>("status");
        QTest::newRow("whole memory") << ViUInt32(0) << 8192 << 3 << 0 << ViStatus(VI_SUCCESS);
        QTest::newRow("start beyond") << ViUInt32(8388608) << 1 << 0 << 0 << ViStatus(VI_ERROR_PARAMETER2);
        QTest::newRow("no samples") << ViUInt32(0) << 0 << 0 << 0 << ViStatus(VI_ERROR_PARAMETER3);
        QTest::newRow("past the end") << ViUInt32(8388000) << 1 << 0 << 0 << ViStatus(VI_ERROR_PARAMETER3);
        QTest::newRow("mode 4") << ViUInt32(0) << 1 << 4 << 0 << ViStatus(VI_ERROR_PARAMETER4);
        QTest::newRow("read only 2") << ViUInt32(0) << 1 << 0 << 2 << ViStatus(VI_ERROR_PARAMETER5);
    }

    void ramTestChecksItsBlock()
    {
        QFETCH(ViUInt32, start);
        QFETCH(int, kilo);
        QFETCH(int, mode);
        QFETCH(int, readOnly);
        QFETCH(ViStatus, status);
        ViInt16 result = -7;
        char message[TVKDWAV_TEST_MESSAGE_BUFLEN] = {};
        QCOMPARE(tvkdwav_test_RAM(m.module, start, ViUInt16(kilo), ViUInt16(mode), ViUInt16(readOnly), &result, message),
                 status);
        QCOMPARE(result, ViInt16(status < 0 ? -7 : 0));
    }

    void afgTestNeedsTheMultimeter()
    {
        dwavbench_set_multimeter(0);
        ViInt16 result = -7;
        char message[TVKDWAV_TEST_MESSAGE_BUFLEN] = {};
        QCOMPARE(tvkdwav_test_AFG(m.module, 0, 0, &result, message), ViStatus(TVKDWAV_ERROR_NO_MULTIMETER));
        QCOMPARE(result, ViInt16(-7));
        QCOMPARE(tvkdwav_self_test(m.module, &result, nullptr), ViStatus(VI_ERROR_PARAMETER3));
    }
};

DWAV_TEST_CORE_MAIN(TestModuleService)
#include "TestModuleService.moc"
