// VISA on the simulated chassis: resource search with expressions, *IDN?,
// attributes, locks and sessions.
#include "BenchFixture.h"
#include "TestMain.h"

#include "dwav_visa.h"

#include <QStringList>

class TestVisaSearch : public QObject
{
    Q_OBJECT

private:
    ViSession m_rm = VI_NULL;

    QStringList find(const char *expression, ViStatus *status = nullptr)
    {
        ViFindList list = VI_NULL;
        ViUInt32 count = 0;
        char desc[VI_FIND_BUFLEN] = {};
        const ViStatus s = viFindRsrc(m_rm, expression, &list, &count, desc);
        if (status)
            *status = s;
        QStringList names;
        if (s < 0)
            return names;
        names << QString::fromLatin1(desc);
        for (ViUInt32 k = 1; k < count; ++k) {
            if (viFindNext(list, desc) < 0)
                break;
            names << QString::fromLatin1(desc);
        }
        viClose(list);
        return names;
    }

private slots:
    void init()
    {
        BenchFixture::freshBench();
        QCOMPARE(viOpenDefaultRM(&m_rm), VI_SUCCESS);
        QVERIFY(m_rm != VI_NULL);
    }

    void cleanup()
    {
        viClose(m_rm);
        QCOMPARE(dwavbench_open_sessions(), size_t(0));
    }

    void expressionsMatchLikeVisa_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {"VXI0::3::INSTR", "TCPIP0::192.168.1.40::inst0::INSTR",
                                 "GPIB0::22::INSTR", "USB0::0x0957::0x1796::MY5600123::INSTR"};
        QTest::newRow("the panel's search") << "?*[0-9]?*::?*::INSTR" << all;
        QTest::newRow("everything") << "?*" << all;
        QTest::newRow("VXI only") << "VXI?*INSTR" << QStringList{"VXI0::3::INSTR"};
        QTest::newRow("case-insensitive") << "vxi0::3::instr" << QStringList{"VXI0::3::INSTR"};
        QTest::newRow("alternatives") << "(GPIB|VXI)?*" << QStringList{"VXI0::3::INSTR", "GPIB0::22::INSTR"};
        QTest::newRow("set of digits") << "GPIB[0-9]::2[0-9]::INSTR" << QStringList{"GPIB0::22::INSTR"};
        QTest::newRow("negated set") << "[^VGU]?*" << QStringList{"TCPIP0::192.168.1.40::inst0::INSTR"};
        QTest::newRow("dot is literal") << "TCPIP0::192?168?*" << QStringList{"TCPIP0::192.168.1.40::inst0::INSTR"};
        QTest::newRow("plus needs one") << "USB0::0x0957::0x1796::MY[A-Z]+::INSTR" << QStringList();
        // Empty alternatives repeated: once a backtracking hang.
        QTest::newRow("repeated empty alternative") << "(?|)+Q" << QStringList();
        QTest::newRow("repeated empty group") << "(()*|?)*INSTR" << all;
        QTest::newRow("254 characters, deeply nested")
            << QString(126, '(') + "?*" + QString(126, ')') << all;
        QTest::newRow("escaped letter") << "\\GPIB0::22::INSTR" << QStringList{"GPIB0::22::INSTR"};
    }

    void expressionsMatchLikeVisa()
    {
        QFETCH(QString, expression);
        QFETCH(QStringList, expected);
        ViStatus status = VI_SUCCESS;
        const QStringList found = find(expression.toLatin1().constData(), &status);
        QCOMPARE(found, expected);
        QCOMPARE(status, expected.isEmpty() ? VI_ERROR_RSRC_NFOUND : VI_SUCCESS);
    }

    void malformedExpressionsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("expression");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("open set") << QByteArray("VXI[0-9");
        QTest::newRow("leading star") << QByteArray("*VXI");
        QTest::newRow("attribute condition") << QByteArray("?*{VI_ATTR_SLOT==3}");
        QTest::newRow("trailing backslash") << QByteArray("VXI\\");
        QTest::newRow("stray parenthesis") << QByteArray("VXI)?*");
        QTest::newRow("unclosed group") << QByteArray("(VXI?*");
        QTest::newRow("repeated repeat") << QByteArray("VXI?**");
        QTest::newRow("reversed range") << QByteArray("GPIB[9-0]?*");
        QTest::newRow("longer than VISA allows") << QByteArray(256, '?');
        QTest::newRow("20000 nested groups") << QByteArray(20000, '(') + "?" + QByteArray(20000, ')');
        QTest::newRow("50000 characters") << QByteArray(50000, 'V');
    }

    void malformedExpressionsAreRefused()
    {
        QFETCH(QByteArray, expression);
        ViFindList list = 77;
        ViUInt32 count = 5;
        QCOMPARE(viFindRsrc(m_rm, expression.constData(), &list, &count, nullptr), VI_ERROR_INV_EXPR);
        QCOMPARE(list, ViFindList(VI_NULL));
        QCOMPARE(count, ViUInt32(0));
    }

    void findNextEndsAfterTheLastResource()
    {
        ViFindList list = VI_NULL;
        ViUInt32 count = 0;
        char desc[VI_FIND_BUFLEN];
        QCOMPARE(viFindRsrc(m_rm, "?*::INSTR", &list, &count, desc), VI_SUCCESS);
        QCOMPARE(count, ViUInt32(4));
        for (int k = 1; k < 4; ++k)
            QCOMPARE(viFindNext(list, desc), VI_SUCCESS);
        QCOMPARE(viFindNext(list, desc), VI_ERROR_RSRC_NFOUND);
        QCOMPARE(viFindRsrc(VI_NULL, "?*", &list, &count, desc), VI_ERROR_INV_OBJECT);
    }

    void identificationQuery_data()
    {
        QTest::addColumn<QByteArray>("resource");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<ViStatus>("status");
        QTest::newRow("VXI carrier") << QByteArray("VXI0::3::INSTR") << "KALVINT,TVKBASE-VXI,0317,2.4\n"
                                     << ViStatus(VI_SUCCESS);
        QTest::newRow("network carrier") << QByteArray("TCPIP0::192.168.1.40::inst0::INSTR")
                                         << "KALVINT,TVKBASE,SN0042,1.2\n" << ViStatus(VI_SUCCESS);
        QTest::newRow("other instrument") << QByteArray("GPIB0::22::INSTR") << "ACME INSTRUMENTS,DMM-7,0,1.05\n"
                                          << ViStatus(VI_SUCCESS);
        QTest::newRow("silent instrument") << QByteArray("USB0::0x0957::0x1796::MY5600123::INSTR") << ""
                                           << ViStatus(VI_ERROR_TMO);
    }

    void identificationQuery()
    {
        QFETCH(QByteArray, resource);
        QFETCH(QString, reply);
        QFETCH(ViStatus, status);
        ViSession vi = VI_NULL;
        QCOMPARE(viOpen(m_rm, resource.constData(), VI_NULL, 0, &vi), VI_SUCCESS);
        QCOMPARE(viLock(vi, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS);
        char buffer[512] = {};
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%t", buffer), status);
        QCOMPARE(QString::fromUtf8(buffer), reply);
        QCOMPARE(viUnlock(vi), VI_SUCCESS);
        QCOMPARE(viUnlock(vi), VI_ERROR_SESN_NLOCKED);
        // Only the identification is answered.
        QCOMPARE(viQueryf(vi, "MEAS:VOLT?\n", "%t", buffer), VI_ERROR_TMO);
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%d", buffer), status < 0 ? status : VI_ERROR_NSUP_FMT);
        QCOMPARE(viClose(vi), VI_SUCCESS);
        QCOMPARE(viClose(vi), VI_ERROR_INV_OBJECT);
    }

    void attributesFollowTheInterface()
    {
        ViSession vxi = VI_NULL;
        QCOMPARE(viOpen(m_rm, "vxi0::3::instr", VI_NULL, 0, &vxi), VI_SUCCESS);
        ViUInt16 type = 0, manufacturer = 0, model = 0;
        ViInt16 slot = 0;
        char name[256] = {};
        QCOMPARE(viGetAttribute(vxi, VI_ATTR_INTF_TYPE, &type), VI_SUCCESS);
        QCOMPARE(type, ViUInt16(VI_INTF_VXI));
        QCOMPARE(viGetAttribute(vxi, VI_ATTR_MANF_ID, &manufacturer), VI_SUCCESS);
        QCOMPARE(manufacturer, ViUInt16(3702));
        QCOMPARE(viGetAttribute(vxi, VI_ATTR_MODEL_CODE, &model), VI_SUCCESS);
        QCOMPARE(model & 0xFFF, 341);
        QCOMPARE(viGetAttribute(vxi, VI_ATTR_SLOT, &slot), VI_SUCCESS);
        QCOMPARE(slot, ViInt16(3));
        QCOMPARE(viGetAttribute(vxi, VI_ATTR_RSRC_NAME, name), VI_SUCCESS);
        QCOMPARE(QByteArray(name), QByteArray("VXI0::3::INSTR"));

        ViSession lan = VI_NULL;
        QCOMPARE(viOpen(m_rm, BenchFixture::lanCarrier(), VI_NULL, 0, &lan), VI_SUCCESS);
        QCOMPARE(viGetAttribute(lan, VI_ATTR_INTF_TYPE, &type), VI_SUCCESS);
        QCOMPARE(type, ViUInt16(VI_INTF_TCPIP));
        slot = 99;
        QCOMPARE(viGetAttribute(lan, VI_ATTR_SLOT, &slot), VI_ERROR_NSUP_ATTR);
        QCOMPARE(slot, ViInt16(99));
        QCOMPARE(viGetAttribute(lan, VI_ATTR_MANF_ID, &manufacturer), VI_ERROR_NSUP_ATTR);
        QCOMPARE(viGetAttribute(lan, 0x12345678u, &manufacturer), VI_ERROR_NSUP_ATTR);
        QCOMPARE(viGetAttribute(VI_NULL, VI_ATTR_INTF_TYPE, &type), VI_ERROR_INV_OBJECT);
    }

    void openRefusesUnknownAndBadNames()
    {
        ViSession vi = 5;
        QCOMPARE(viOpen(m_rm, "GPIB0::9::INSTR", VI_NULL, 0, &vi), VI_ERROR_RSRC_NFOUND);
        QCOMPARE(vi, ViSession(VI_NULL));
        QCOMPARE(viOpen(m_rm, "nonsense", VI_NULL, 0, &vi), VI_ERROR_INV_RSRC_NAME);
        QCOMPARE(viOpen(m_rm, "GPIB0::22::INSTR", 0x40, 0, &vi), VI_ERROR_INV_ACC_MODE);
        QCOMPARE(viOpen(m_rm, "GPIB0::22::INSTR", VI_NULL, 0, nullptr), VI_ERROR_INV_PARAMETER);
    }

    void exclusiveLockKeepsOthersOut()
    {
        ViSession first = VI_NULL, second = VI_NULL;
        QCOMPARE(viOpen(m_rm, "GPIB0::22::INSTR", VI_NULL, 0, &first), VI_SUCCESS);
        QCOMPARE(viOpen(m_rm, "GPIB0::22::INSTR", VI_NULL, 0, &second), VI_SUCCESS);
        QVERIFY(first != second);
        QCOMPARE(viLock(first, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS);
        QCOMPARE(viLock(first, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_SUCCESS_NESTED_EXCLUSIVE);
        char buffer[512];
        QCOMPARE(viQueryf(second, "*IDN?\n", "%t", buffer), VI_ERROR_RSRC_LOCKED);
        QCOMPARE(viLock(second, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_ERROR_RSRC_LOCKED);
        QCOMPARE(viLock(second, 7, 2000, VI_NULL, VI_NULL), VI_ERROR_INV_LOCK_TYPE);
        QCOMPARE(viUnlock(first), VI_SUCCESS_NESTED_EXCLUSIVE);
        QCOMPARE(viUnlock(first), VI_SUCCESS);
        QCOMPARE(viQueryf(second, "*IDN?\n", "%t", buffer), VI_SUCCESS);
        // A shared lock admits other shared locks but no exclusive one.
        QCOMPARE(viLock(second, VI_SHARED_LOCK, 2000, "key", nullptr), VI_SUCCESS);
        QCOMPARE(viLock(first, VI_EXCLUSIVE_LOCK, 2000, VI_NULL, VI_NULL), VI_ERROR_RSRC_LOCKED);
        QCOMPARE(viLock(first, VI_SHARED_LOCK, 2000, "key", nullptr), VI_SUCCESS);
    }

    void closingTheManagerClosesItsSessions()
    {
        ViSession vi = VI_NULL;
        ViFindList list = VI_NULL;
        ViUInt32 count = 0;
        QCOMPARE(viOpen(m_rm, "GPIB0::22::INSTR", VI_NULL, 0, &vi), VI_SUCCESS);
        QCOMPARE(viFindRsrc(m_rm, "?*", &list, &count, nullptr), VI_SUCCESS);
        QCOMPARE(dwavbench_open_sessions(), size_t(3));
        QCOMPARE(viClose(m_rm), VI_SUCCESS);
        QCOMPARE(dwavbench_open_sessions(), size_t(0));
        char buffer[512];
        QCOMPARE(viQueryf(vi, "*IDN?\n", "%t", buffer), VI_ERROR_INV_OBJECT);
        QCOMPARE(viClose(VI_NULL), VI_WARN_NULL_OBJECT);
        QCOMPARE(viOpenDefaultRM(&m_rm), VI_SUCCESS);
    }

    void statusDescriptions_data()
    {
        QTest::addColumn<ViStatus>("status");
        QTest::addColumn<QString>("fragment");
        QTest::addColumn<ViStatus>("result");
        QTest::newRow("time-out") << ViStatus(VI_ERROR_TMO) << "Timeout" << ViStatus(VI_SUCCESS);
        QTest::newRow("not found") << ViStatus(VI_ERROR_RSRC_NFOUND) << "not present" << ViStatus(VI_SUCCESS);
        QTest::newRow("driver status") << ViStatus(TVKDWAV_ERROR_NO_MULTIMETER) << "hp3458a.dll" << ViStatus(VI_SUCCESS);
        // Published numbers, as a caller built against another VISA has them.
        QTest::newRow("invalid format") << ViStatus(-1073807297) << "is invalid" << ViStatus(VI_SUCCESS);
        QTest::newRow("format not supported") << ViStatus(-1073807295) << "not supported" << ViStatus(VI_SUCCESS);
        QTest::newRow("unknown") << ViStatus(0xBFFF7777) << "Unknown status" << ViStatus(VI_WARN_UNKNOWN_STATUS);
    }

    void statusDescriptions()
    {
        QFETCH(ViStatus, status);
        QFETCH(QString, fragment);
        QFETCH(ViStatus, result);
        char text[512] = {};
        QCOMPARE(viStatusDesc(m_rm, status, text), result);
        QVERIFY2(QString::fromLatin1(text).contains(fragment), text);
        // Asked also with a session that has already gone, as after a
        // failed open.
        QCOMPARE(viStatusDesc(0xDEAD, status, text), result);
    }
};

DWAV_TEST_CORE_MAIN(TestVisaSearch)
#include "TestVisaSearch.moc"
