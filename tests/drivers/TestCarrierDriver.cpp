// The carrier driver on the simulated chassis: opening carriers, asking
// the mezzanine positions, revisions and texts.
#include "BenchFixture.h"
#include "TestMain.h"

class TestCarrierDriver : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        BenchFixture::freshBench();
    }

    void cleanup()
    {
        QCOMPARE(dwavbench_open_sessions(), size_t(0));
    }

    void initAcceptsOnlyCarriers_data()
    {
        QTest::addColumn<QByteArray>("resource");
        QTest::addColumn<ViUInt16>("idQuery");
        QTest::addColumn<ViStatus>("status");
        QTest::newRow("VXI carrier") << QByteArray("VXI0::3::INSTR") << ViUInt16(1) << ViStatus(VI_SUCCESS);
        QTest::newRow("network carrier, other case")
            << QByteArray("tcpip0::192.168.1.40::INST0::instr") << ViUInt16(1) << ViStatus(VI_SUCCESS);
        QTest::newRow("no carrier") << QByteArray("GPIB0::22::INSTR") << ViUInt16(1)
                                    << ViStatus(VI_ERROR_FAIL_ID_QUERY);
        QTest::newRow("no carrier, no query") << QByteArray("GPIB0::22::INSTR") << ViUInt16(0)
                                              << ViStatus(TVKBASE_ERROR_NOT_CARRIER);
        QTest::newRow("absent") << QByteArray("VXI0::9::INSTR") << ViUInt16(1) << ViStatus(VI_ERROR_RSRC_NFOUND);
    }

    void initAcceptsOnlyCarriers()
    {
        QFETCH(QByteArray, resource);
        QFETCH(ViUInt16, idQuery);
        QFETCH(ViStatus, status);
        ViSession carrier = 1234;
        QCOMPARE(tvkbase_init(resource.constData(), idQuery, 1, &carrier), status);
        if (status < 0) {
            QCOMPARE(carrier, ViSession(VI_NULL));
            return;
        }
        QVERIFY(carrier != VI_NULL);
        QCOMPARE(tvkbase_close(carrier), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkbase_close(carrier), ViStatus(VI_ERROR_INV_OBJECT));
    }

    void initRefusesMissingArguments()
    {
        ViSession carrier = VI_NULL;
        QCOMPARE(tvkbase_init(nullptr, 1, 1, &carrier), ViStatus(VI_ERROR_PARAMETER1));
        QCOMPARE(tvkbase_init(BenchFixture::vxiCarrier(), 1, 1, nullptr), ViStatus(VI_ERROR_PARAMETER4));
    }

    void positionsReportTheirModules_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("type");
        const int expected[9][2] = {{0, 0}, {0, 0}, {1, 66}, {0, 0}, {1, 44},
                                    {0, 0}, {0, 0}, {1, 66}, {0, 0}};
        for (int p = 1; p <= 8; ++p)
            QTest::addRow("position %d", p) << p << expected[p][0] << expected[p][1];
    }

    void positionsReportTheirModules()
    {
        QFETCH(int, position);
        QFETCH(int, present);
        QFETCH(int, type);
        ViSession carrier = VI_NULL;
        QCOMPARE(tvkbase_init(BenchFixture::vxiCarrier(), 1, 1, &carrier), ViStatus(VI_SUCCESS));
        ViInt16 isPresent = -1, code = -1;
        QCOMPARE(tvkbase_m_type_q(carrier, ViInt16(position), &isPresent, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(int(isPresent), present);
        QCOMPARE(int(code), type);
        tvkbase_close(carrier);
    }

    void positionQueryChecksItsArguments()
    {
        ViSession carrier = VI_NULL;
        QCOMPARE(tvkbase_init(BenchFixture::lanCarrier(), 1, 1, &carrier), ViStatus(VI_SUCCESS));
        ViInt16 present = 0, code = 0;
        QCOMPARE(tvkbase_m_type_q(carrier, 0, &present, &code), ViStatus(VI_ERROR_PARAMETER2));
        QCOMPARE(tvkbase_m_type_q(carrier, 9, &present, &code), ViStatus(VI_ERROR_PARAMETER2));
        QCOMPARE(tvkbase_m_type_q(carrier, -1, &present, &code), ViStatus(VI_ERROR_PARAMETER2));
        QCOMPARE(tvkbase_m_type_q(carrier, 1, nullptr, &code), ViStatus(VI_ERROR_PARAMETER3));
        QCOMPARE(tvkbase_m_type_q(carrier, 1, &present, nullptr), ViStatus(VI_ERROR_PARAMETER4));
        QCOMPARE(tvkbase_m_type_q(carrier, 1, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(int(code), 66);
        tvkbase_close(carrier);
        QCOMPARE(tvkbase_m_type_q(carrier, 1, &present, &code), ViStatus(VI_ERROR_INV_OBJECT));
    }

    void moduleCodesAreGivenAsSixteenBits()
    {
        const char *bench = "[resource VXI0::8::INSTR]\ninterface = vxi\n"
                            "[module VXI0::8::INSTR 1]\ntype = 0x8042\n"
                            "[module VXI0::8::INSTR 2]\ntype = 0x1042\n"
                            "[module VXI0::8::INSTR 3]\npresent = no\n"
                            "[module VXI0::8::INSTR 4]\ntype = 066\n";
        char error[256];
        QCOMPARE(dwavbench_load_text(bench, error, sizeof error), 0);
        ViSession carrier = VI_NULL;
        QCOMPARE(tvkbase_init("VXI0::8::INSTR", 1, 1, &carrier), ViStatus(VI_SUCCESS));
        ViInt16 present = 0, code = 0;
        QCOMPARE(tvkbase_m_type_q(carrier, 1, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(code, ViInt16(-32702));
        QCOMPARE(tvkbase_m_type_q(carrier, 2, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(code, ViInt16(0x1042));
        QCOMPARE(tvkbase_m_type_q(carrier, 3, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(present, ViInt16(0));
        // A leading zero is no octal mark.
        QCOMPARE(tvkbase_m_type_q(carrier, 4, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(code, ViInt16(66));
        tvkbase_close(carrier);
    }

    void revisionsAreWindows1251Texts()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        QVERIFY(m.module != VI_NULL);
        char driver[TVKBASE_REVISION_BUFLEN], instrument[TVKBASE_REVISION_BUFLEN];
        // The panel asks with its module session.
        QCOMPARE(tvkbase_revision_query(m.module, driver, instrument), ViStatus(VI_SUCCESS));
        QVERIFY(QByteArray(driver).startsWith("tvkbase_32 "));
        QCOMPARE(BenchFixture::cp1251(instrument), QString::fromUtf8("Носитель TVKBASE, ревизия Б, ПЛИС 1.9"));
        QCOMPARE(tvkbase_revision_query(m.carrier, driver, nullptr), ViStatus(VI_ERROR_PARAMETER3));
        QCOMPARE(tvkbase_revision_query(VI_NULL, driver, instrument), ViStatus(VI_ERROR_INV_OBJECT));
        BenchFixture::close(m);
    }

    void errorMessagesForAnySession()
    {
        char text[TVKBASE_ERROR_MESSAGE_BUFLEN];
        QCOMPARE(tvkbase_error_message(VI_NULL, VI_ERROR_PARAMETER2, text), ViStatus(VI_SUCCESS));
        QCOMPARE(QByteArray(text), QByteArray("Parameter 2 out of range."));
        QCOMPARE(tvkbase_error_message(VI_NULL, TVKDWAV_ERROR_AWG_COUNT, text), ViStatus(VI_SUCCESS));
        QVERIFY(QByteArray(text).contains("AWG sample count"));
        // Module and carrier statuses never share a number, so each keeps its text.
        QCOMPARE(tvkbase_error_message(VI_NULL, TVKDWAV_ERROR_NOT_CONNECTED, text), ViStatus(VI_SUCCESS));
        QVERIFY2(QByteArray(text).contains("not connected"), text);
        QCOMPARE(tvkbase_error_message(VI_NULL, TVKBASE_ERROR_NOT_CARRIER, text), ViStatus(VI_SUCCESS));
        QVERIFY2(QByteArray(text).contains("not a TVKBASE carrier"), text);
        QCOMPARE(tvkbase_error_message(VI_NULL, ViStatus(0xBFFC0999), text), ViStatus(VI_WARN_UNKNOWN_STATUS));
        QCOMPARE(QByteArray(text), QByteArray("Unknown status code 0xBFFC0999."));
        QCOMPARE(tvkbase_error_message(VI_NULL, 0, nullptr), ViStatus(VI_ERROR_PARAMETER3));
    }
};

DWAV_TEST_CORE_MAIN(TestCarrierDriver)
#include "TestCarrierDriver.moc"
