#include "TestMain.h"

#include "InstrumentConfigurationSearch.h"

#include "BenchSupport.h"
#include "LogCapture.h"
#include "dwav_bench.h"
#include "dwav_visa.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Debug output of the search: the status descriptions of skipped resources.
QStringList g_debugMessages;

void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_debugMessages << message;
}

using Bench::addFault;

QString statusText(ViStatus status)
{
    ViSession rm = VI_NULL;
    viOpenDefaultRM(&rm);
    char text[512] = {};
    viStatusDesc(rm, status, text);
    viClose(rm);
    return QString::fromLatin1(text);
}

// "resource/position" per row, for compact comparisons.
QStringList rows(const InstrumentConfigurationSearch &search)
{
    QStringList out;
    const QStringList types = search.deviceTypes();
    const QStringList resources = search.resourceNames();
    const QList<int> positions = search.positions();
    if (types.size() != resources.size() || types.size() != positions.size())
        return {QStringLiteral("lists differ in length")};
    for (int i = 0; i < types.size(); ++i) {
        if (types.at(i) != QLatin1String("Mezzanine DWAV"))
            out << QStringLiteral("wrong type ") + types.at(i);
        out << resources.at(i) + QLatin1Char('/') + QString::number(positions.at(i));
    }
    return out;
}

using Bench::callsMentioning;

const char vxiCarrier[] =
    "[resource VXI0::5::INSTR]\n"
    "interface = vxi\n"
    "manufacturer = 3702\n"
    "model = 341\n"
    "slot = 5\n"
    "[module VXI0::5::INSTR 3]\n"
    "type = 66\n";

} // namespace

class TestInstrumentSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void carrierTypeNames_data();
    void carrierTypeNames();
    void carrierFromIdn_data();
    void carrierFromIdn();
    void mezzanineTypeNames_data();
    void mezzanineTypeNames();

    void noResources();
    void unloadableBenchFindsNothing();
    void silentSerialResourceIsSkipped();
    void positionsComeInOrder();
    void moduleCodes_data();
    void moduleCodes();
    void idnCarrierWithUnknownCodesIsProbed();
    void idnIsCaseSensitiveAndCodesStillCount();
    void vxiSlotZeroIsSkipped();
    void vxiModelCodeKeepsOnlyLowBits();
    void failingFindNextEndsTheWalk();
    void failingLockSkipsOnlyThatResource();
    void failingAttributeReadsMatchNoCarrier();
    void failingCarrierInitIsDescribed();
    void cyrillicNameIsShownAsItIs();
    void failingPositionQueryIsSkipped();
    void warningFromOpenIsDescribedButResourceStillProbed();
    void everyFailureIsLogged_data();
    void everyFailureIsLogged();
    void progressValuesAndTexts();
    void restartSearchReplacesTheLists();
    void progressDialogFollowsTheSearch();
    void defaultBenchOffersItsModules();

private:
    QtMessageHandler m_previousHandler = nullptr;
};

void TestInstrumentSearch::initTestCase()
{
    m_previousHandler = qInstallMessageHandler(collectDebug);
}

void TestInstrumentSearch::cleanupTestCase()
{
    qInstallMessageHandler(m_previousHandler);
}

void TestInstrumentSearch::init()
{
    QVERIFY(Bench::reset());
    g_debugMessages.clear();
}

void TestInstrumentSearch::cleanup()
{
    dwavbench_clear_faults();
    // Whatever the search went through, it leaves no session open.
    QCOMPARE(dwavbench_open_sessions(), size_t(0));
}

void TestInstrumentSearch::carrierTypeNames_data()
{
    QTest::addColumn<int>("manufacturer");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("type");

    for (int model : {341, 269, 375})
        QTest::addRow("3702/%d", model) << 3702 << model << "Mezzanine Carrier";
    for (int model : {34, 264, 2605, 2994})
        QTest::addRow("0/%d", model) << 0 << model << "Kalvint";
    QTest::newRow("3702 with a Kalvint model") << 3702 << 34 << QString();
    QTest::newRow("0 with a carrier model") << 0 << 341 << QString();
    QTest::newRow("other maker") << 0x0957 << 341 << QString();
    QTest::newRow("unread attributes") << 0xFFFF << 0xFFFF << QString();
    QTest::newRow("unread model") << 3702 << 0x0FFF << QString();
}

void TestInstrumentSearch::carrierTypeNames()
{
    QFETCH(int, manufacturer);
    QFETCH(int, model);
    QFETCH(QString, type);
    QCOMPARE(InstrumentConfigurationSearch::carrierTypeName(ushort(manufacturer), ushort(model)), type);
}

void TestInstrumentSearch::carrierFromIdn_data()
{
    QTest::addColumn<int>("manufacturer");
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("idn");
    QTest::addColumn<QString>("type");

    QTest::newRow("TVKBASE anywhere") << 1 << 2 << "KALVINT,TVKBASE-LAN,1,1.0" << "Kalvint";
    QTest::newRow("TVKBASE wins over codes") << 3702 << 341 << "X,TVKBASE" << "Kalvint";
    QTest::newRow("lower case is no carrier") << 1 << 2 << "kalvint,tvkbase,1" << QString();
    QTest::newRow("codes when no TVKBASE") << 3702 << 269 << "ACME,DMM" << "Mezzanine Carrier";
    QTest::newRow("empty reply, Kalvint codes") << 0 << 2994 << QString() << "Kalvint";
    QTest::newRow("nothing") << 5 << 6 << "ACME,DMM" << QString();
}

void TestInstrumentSearch::carrierFromIdn()
{
    QFETCH(int, manufacturer);
    QFETCH(int, model);
    QFETCH(QString, idn);
    QFETCH(QString, type);
    QCOMPARE(InstrumentConfigurationSearch::carrierTypeNameFromIdn(ushort(manufacturer), ushort(model), idn),
             type);
}

void TestInstrumentSearch::mezzanineTypeNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("dwav");

    QTest::newRow("66") << 66 << true;
    QTest::newRow("0x1042") << 0x1042 << true;
    QTest::newRow("0x7042") << 0x7042 << true;
    QTest::newRow("0x8042 as a word") << 0x8042 << false;
    QTest::newRow("0x8042 as signed") << int(qint16(0x8042)) << false;
    QTest::newRow("0xF042") << 0xF042 << false;
    QTest::newRow("0x0043") << 0x0043 << false;
    QTest::newRow("65") << 65 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("past 16 bits") << 0x10042 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestInstrumentSearch::mezzanineTypeNames()
{
    QFETCH(int, code);
    QFETCH(bool, dwav);
    QCOMPARE(InstrumentConfigurationSearch::mezzanineTypeName(code),
             dwav ? QString("Mezzanine DWAV") : QString());
}

void TestInstrumentSearch::noResources()
{
    QVERIFY(Bench::load("[bench]\nmultimeter = yes\n"));
    InstrumentConfigurationSearch search(nullptr);
    QVERIFY(search.deviceTypes().isEmpty());
    QVERIFY(search.resourceNames().isEmpty());
    QVERIFY(search.positions().isEmpty());

    QSignalSpy progress(&search, &InstrumentConfigurationSearch::operationProgressChanged);
    QSignalSpy texts(&search, &InstrumentConfigurationSearch::operationTextChanged);
    QSignalSpy names(&search, &InstrumentConfigurationSearch::operationNameChanged);
    search.restartSearch();
    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0).at(0).toInt(), 0);
    QCOMPARE(texts.count(), 0);
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toString(), QString("Search connected devices..."));
    QVERIFY(rows(search).isEmpty());
    QCOMPARE(dwavbench_journal_count_of("viOpen"), size_t(0));
}

void TestInstrumentSearch::unloadableBenchFindsNothing()
{
    char error[256] = {};
    QVERIFY(dwavbench_load_text("[nonsense", error, sizeof error) != 0);
    dwavbench_journal_clear();
    InstrumentConfigurationSearch search(nullptr);
    QVERIFY(rows(search).isEmpty());
    QCOMPARE(dwavbench_journal_count_of("viFindRsrc"), size_t(0));
}

void TestInstrumentSearch::silentSerialResourceIsSkipped()
{
    QVERIFY(Bench::load(QByteArray("[resource ASRL1::COM1::INSTR]\n"
                                    "interface = asrl\n"
                                    "idn = KALVINT,TVKBASE,1,1\n"
                                    "answers_idn = no\n"
                                    "[module ASRL1::COM1::INSTR 1]\n"
                                    "type = 66\n")
                         + vxiCarrier));
    InstrumentConfigurationSearch search(nullptr);
    // The silent one is skipped; the walk goes on to the next resource.
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    QCOMPARE(g_debugMessages, QStringList{statusText(VI_ERROR_TMO)});
    QCOMPARE(callsMentioning("tvkbase_init", "ASRL1"), 0);
    // The lock taken for the question was given back.
    QCOMPARE(dwavbench_journal_count_of("viLock"), size_t(1));
    QCOMPARE(dwavbench_journal_count_of("viUnlock"), size_t(1));
}

void TestInstrumentSearch::positionsComeInOrder()
{
    QVERIFY(Bench::load("[resource VXI0::9::INSTR]\n"
                         "interface = vxi\n"
                         "manufacturer = 3702\n"
                         "model = 375\n"
                         "slot = 9\n"
                         "[module VXI0::9::INSTR 7]\n"
                         "type = 66\n"
                         "[module VXI0::9::INSTR 4]\n"
                         "type = 44\n"
                         "[module VXI0::9::INSTR 5]\n"
                         "present = no\n"
                         "[module VXI0::9::INSTR 2]\n"
                         "type = 66\n"));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(search.resourceNames(), (QStringList{"VXI0::9::INSTR", "VXI0::9::INSTR"}));
    QCOMPARE(search.positions(), (QList<int>{2, 7}));
    QCOMPARE(search.deviceTypes(), (QStringList{"Mezzanine DWAV", "Mezzanine DWAV"}));
    // Every position was asked once, and the carrier was closed again.
    QCOMPARE(dwavbench_journal_count_of("tvkbase_m_type_q"), size_t(8));
    QCOMPARE(dwavbench_journal_count_of("tvkbase_close"), size_t(1));
    QVERIFY(g_debugMessages.isEmpty());
}

void TestInstrumentSearch::moduleCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("found");

    QTest::newRow("0x1042") << "0x1042" << true;
    QTest::newRow("66") << "66" << true;
    QTest::newRow("0x8042") << "0x8042" << false;
    QTest::newRow("0x0043") << "0x0043" << false;
    QTest::newRow("0x0000") << "0" << false;
}

void TestInstrumentSearch::moduleCodes()
{
    QFETCH(QString, code);
    QFETCH(bool, found);
    QVERIFY(Bench::load("[resource GPIB0::7::INSTR]\n"
                         "interface = gpib\n"
                         "idn = KALVINT,TVKBASE,7,1\n"
                         "[module GPIB0::7::INSTR 6]\n"
                         "type = " + code.toLatin1() + "\n"));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), found ? QStringList{"GPIB0::7::INSTR/6"} : QStringList());
}

void TestInstrumentSearch::idnCarrierWithUnknownCodesIsProbed()
{
    QVERIFY(Bench::load("[resource TCPIP0::10.1.2.3::inst0::INSTR]\n"
                         "interface = tcpip\n"
                         "manufacturer = 4660\n"
                         "model = 999\n"
                         "idn = SOMEONE,TVKBASE-LAN,0001,3.1\n"
                         "[module TCPIP0::10.1.2.3::inst0::INSTR 1]\n"
                         "type = 66\n"
                         "[resource USB0::0x1234::0x0001::X1::INSTR]\n"
                         "interface = usb\n"
                         "manufacturer = 4660\n"
                         "model = 1\n"
                         "idn = OTHER,SCOPE,1,1\n"
                         "carrier = yes\n"
                         "[module USB0::0x1234::0x0001::X1::INSTR 1]\n"
                         "type = 66\n"));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"TCPIP0::10.1.2.3::inst0::INSTR/1"});
    // The instrument that is no carrier by any sign is never opened as one.
    QCOMPARE(callsMentioning("tvkbase_init", "USB0"), 0);
    QCOMPARE(callsMentioning("tvkbase_init", "TCPIP0"), 1);
}

void TestInstrumentSearch::idnIsCaseSensitiveAndCodesStillCount()
{
    QVERIFY(Bench::load("[resource USB0::0x0001::0x0001::A::INSTR]\n"
                         "interface = usb\n"
                         "manufacturer = 1\n"
                         "model = 1\n"
                         "idn = kalvint,tvkbase,1,1\n"
                         "[module USB0::0x0001::0x0001::A::INSTR 1]\n"
                         "type = 66\n"
                         "[resource USB0::0x0000::0x0A2D::B::INSTR]\n"
                         "interface = usb\n"
                         "manufacturer = 0\n"
                         "model = 2605\n"
                         "idn = ACME,OLD,1,1\n"
                         "[module USB0::0x0000::0x0A2D::B::INSTR 8]\n"
                         "type = 66\n"));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"USB0::0x0000::0x0A2D::B::INSTR/8"});
}

void TestInstrumentSearch::vxiSlotZeroIsSkipped()
{
    QVERIFY(Bench::load(QByteArray("[resource VXI0::0::INSTR]\n"
                                    "interface = vxi\n"
                                    "manufacturer = 3702\n"
                                    "model = 341\n"
                                    "slot = 0\n"
                                    "[module VXI0::0::INSTR 1]\n"
                                    "type = 66\n")
                         + vxiCarrier));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    QCOMPARE(callsMentioning("tvkbase_init", "VXI0::0::INSTR"), 0);
    // Skipping slot 0 is no failure: nothing to describe.
    QVERIFY(g_debugMessages.isEmpty());
    // VXI resources are identified by their codes, never asked *IDN?.
    QCOMPARE(dwavbench_journal_count_of("viQueryf"), size_t(0));
    QCOMPARE(dwavbench_journal_count_of("viLock"), size_t(0));
}

void TestInstrumentSearch::vxiModelCodeKeepsOnlyLowBits()
{
    QVERIFY(Bench::load("[resource GPIB-VXI0::24::INSTR]\n"
                         "interface = gpib-vxi\n"
                         "manufacturer = 3702\n"
                         "model = 0xF10D\n"   // 269 with revision bits above
                         "slot = 2\n"
                         "[module GPIB-VXI0::24::INSTR 5]\n"
                         "type = 66\n"));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"GPIB-VXI0::24::INSTR/5"});
}

void TestInstrumentSearch::failingFindNextEndsTheWalk()
{
    QVERIFY(Bench::load(QByteArray(vxiCarrier)
                         + "[resource VXI0::6::INSTR]\n"
                           "interface = vxi\n"
                           "manufacturer = 3702\n"
                           "model = 341\n"
                           "slot = 6\n"
                           "[module VXI0::6::INSTR 1]\n"
                           "type = 66\n"
                           "[resource VXI0::7::INSTR]\n"
                           "interface = vxi\n"
                           "manufacturer = 3702\n"
                           "model = 341\n"
                           "slot = 7\n"
                           "[module VXI0::7::INSTR 1]\n"
                           "type = 66\n"));
    QVERIFY(addFault("viFindNext", 2, VI_ERROR_RSRC_NFOUND));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), (QStringList{"VXI0::5::INSTR/3", "VXI0::6::INSTR/1"}));
    QCOMPARE(dwavbench_journal_count_of("viFindNext"), size_t(2));
    QCOMPARE(dwavbench_journal_count_of("viOpen"), size_t(2));
}

void TestInstrumentSearch::failingLockSkipsOnlyThatResource()
{
    QVERIFY(Bench::load(QByteArray("[resource TCPIP0::10.0.0.9::inst0::INSTR]\n"
                                    "interface = tcpip\n"
                                    "idn = KALVINT,TVKBASE,9,1\n"
                                    "[module TCPIP0::10.0.0.9::inst0::INSTR 4]\n"
                                    "type = 66\n")
                         + vxiCarrier));
    QVERIFY(addFault("viLock", 1, VI_ERROR_RSRC_LOCKED));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    // No question without the lock, and nothing to unlock.
    QCOMPARE(dwavbench_journal_count_of("viQueryf"), size_t(0));
    QCOMPARE(dwavbench_journal_count_of("viUnlock"), size_t(0));
    // The lock's status is not the resource's: the open went well.
    QVERIFY(g_debugMessages.isEmpty());

    // Once the lock is free again the carrier is found.
    search.restartSearch();
    QCOMPARE(rows(search), (QStringList{"TCPIP0::10.0.0.9::inst0::INSTR/4", "VXI0::5::INSTR/3"}));
}

void TestInstrumentSearch::failingAttributeReadsMatchNoCarrier()
{
    // A Kalvint carrier by its codes alone (its *IDN? names no TVKBASE),
    // and a GPIB instrument, which has no codes to read at all.
    QVERIFY(Bench::load("[resource USB0::0x0000::0x0022::C::INSTR]\n"
                         "interface = usb\n"
                         "manufacturer = 0\n"
                         "model = 34\n"
                         "idn = KALVINT,MEZ,1,1\n"
                         "[module USB0::0x0000::0x0022::C::INSTR 1]\n"
                         "type = 66\n"
                         "[resource GPIB0::11::INSTR]\n"
                         "interface = gpib\n"
                         "idn = KALVINT,MEZ,1,1\n"
                         "carrier = yes\n"
                         "[module GPIB0::11::INSTR 1]\n"
                         "type = 66\n"));
    {
        InstrumentConfigurationSearch search(nullptr);
        QCOMPARE(rows(search), QStringList{"USB0::0x0000::0x0022::C::INSTR/1"});
        QCOMPARE(callsMentioning("tvkbase_init", "GPIB0"), 0);
    }

    // Reads: interface type, interface number, manufacturer, model.
    dwavbench_journal_clear();
    QVERIFY(addFault("viGetAttribute", 3, VI_ERROR_NSUP_ATTR));
    QVERIFY(addFault("viGetAttribute", 4, VI_ERROR_NSUP_ATTR));
    {
        InstrumentConfigurationSearch search(nullptr);
        QVERIFY(rows(search).isEmpty());
        QCOMPARE(dwavbench_journal_count_of("tvkbase_init"), size_t(0));
    }

    // An unread interface type is no interface at all.
    dwavbench_clear_faults();
    dwavbench_journal_clear();
    QVERIFY(addFault("viGetAttribute", 1, VI_ERROR_NSUP_ATTR));
    {
        InstrumentConfigurationSearch search(nullptr);
        QCOMPARE(dwavbench_journal_count_of("viQueryf"), size_t(1));
        QVERIFY(rows(search).isEmpty());
    }
}

void TestInstrumentSearch::failingCarrierInitIsDescribed()
{
    QVERIFY(Bench::load(QByteArray(vxiCarrier)
                         + "[resource VXI0::8::INSTR]\n"
                           "interface = vxi\n"
                           "manufacturer = 3702\n"
                           "model = 341\n"
                           "slot = 8\n"
                           "[module VXI0::8::INSTR 2]\n"
                           "type = 66\n"));
    QVERIFY(addFault("tvkbase_init", 1, VI_ERROR_IO));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::8::INSTR/2"});
    QCOMPARE(g_debugMessages, QStringList{statusText(VI_ERROR_IO)});
    // No session of the failed carrier to close.
    QCOMPARE(dwavbench_journal_count_of("tvkbase_close"), size_t(1));
}

void TestInstrumentSearch::everyFailureIsLogged_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<ViStatus>("status");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("searchFailed");

    const QString vxi = QStringLiteral("\"VXI0::3::INSTR\"");
    QTest::newRow("resource manager") << QByteArray("viOpenDefaultRM") << ViStatus(VI_ERROR_SYSTEM_ERROR)
                                      << "viOpenDefaultRM failed for \"\"" << true;
    QTest::newRow("search") << QByteArray("viFindRsrc") << ViStatus(VI_ERROR_SYSTEM_ERROR)
                            << "viFindRsrc failed for \"?*[0-9]?*::?*::INSTR\"" << true;
    QTest::newRow("open") << QByteArray("viOpen") << ViStatus(VI_ERROR_IO) << "viOpen failed for " + vxi
                          << false;
    QTest::newRow("lock") << QByteArray("viLock") << ViStatus(VI_ERROR_RSRC_LOCKED)
                          << "viLock failed for \"TCPIP0::192.168.1.40::inst0::INSTR\"" << false;
    QTest::newRow("silent instrument") << QByteArray() << ViStatus(VI_ERROR_TMO)
                                       << "viQueryf failed for \"USB0::0x0957::0x1796::MY5600123::INSTR\""
                                       << false;
    QTest::newRow("carrier") << QByteArray("tvkbase_init") << ViStatus(VI_ERROR_IO)
                             << "tvkbase_init failed for " + vxi << false;
    QTest::newRow("position") << QByteArray("tvkbase_m_type_q") << ViStatus(VI_ERROR_IO)
                              << "tvkbase_m_type_q failed for \"VXI0::3::INSTR, position 1\"" << false;
    // The VXI carrier's reads: interface type, number, slot, mainframe,
    // manufacturer, model.
    QTest::newRow("interface type") << QByteArray("viGetAttribute@1") << ViStatus(VI_ERROR_NSUP_ATTR)
                                    << "viGetAttribute(VI_ATTR_INTF_TYPE) failed for " + vxi << false;
    QTest::newRow("manufacturer") << QByteArray("viGetAttribute@5") << ViStatus(VI_ERROR_NSUP_ATTR)
                                  << "viGetAttribute(VI_ATTR_MANF_ID) failed for " + vxi << false;
    QTest::newRow("model code") << QByteArray("viGetAttribute@6") << ViStatus(VI_ERROR_NSUP_ATTR)
                                << "viGetAttribute(VI_ATTR_MODEL_CODE) failed for " + vxi << false;
}

// Nothing the search skips goes unrecorded: resource, call, status and
// text reach the log file.
void TestInstrumentSearch::everyFailureIsLogged()
{
    QFETCH(QByteArray, fault);
    QFETCH(ViStatus, status);
    QFETCH(QString, logged);
    QFETCH(bool, searchFailed);
    const QList<QByteArray> call = fault.split('@');  // function[@nth call]
    if (!fault.isEmpty())
        QVERIFY(addFault(call.at(0).constData(), call.value(1, "1").toULong(), status));
    LogCapture log(0);
    InstrumentConfigurationSearch search(nullptr);
    const QString line = QStringLiteral("Instrument search: ") + logged
                         + QStringLiteral(" with status 0x%1: %2")
                               .arg(QString::number(quint32(status), 16), statusText(status));
    QVERIFY2(log.of(LoggerPlain).contains(line), qPrintable(log.all().join('\n') + "\nwanted: " + line));
    QCOMPARE(search.failure().isEmpty(), !searchFailed);
}

// Names arrive in Windows-1251; one that holds "%2" is shown as it is.
void TestInstrumentSearch::cyrillicNameIsShownAsItIs()
{
    QVERIFY(Bench::load("[resource TCPIP0::\xCA\xD0%2::inst0::INSTR]\n"
                        "interface = tcpip\n"
                        "idn = KALVINT,TVKBASE,1,1\n"
                        "carrier = yes\n"
                        "[module TCPIP0::\xCA\xD0%2::inst0::INSTR 4]\n"
                        "type = 66\n"));
    QVERIFY(addFault("tvkbase_m_type_q", 1, VI_ERROR_IO));
    LogCapture log(0);
    InstrumentConfigurationSearch search(nullptr);
    const QString name = QStringLiteral("TCPIP0::\u041a\u0420%2::inst0::INSTR");
    QCOMPARE(rows(search), QStringList{name + QStringLiteral("/4")});
    const QString failed = QStringLiteral("tvkbase_m_type_q failed for \"%1, position 1\"").arg(name);
    QVERIFY2(!log.of(LoggerPlain).filter(failed).isEmpty(), qPrintable(log.all().join('\n')));
}

void TestInstrumentSearch::failingPositionQueryIsSkipped()
{
    QVERIFY(Bench::load("[resource VXI0::5::INSTR]\n"
                         "interface = vxi\n"
                         "manufacturer = 3702\n"
                         "model = 341\n"
                         "slot = 5\n"
                         "[module VXI0::5::INSTR 1]\n"
                         "type = 66\n"
                         "[module VXI0::5::INSTR 2]\n"
                         "type = 66\n"));
    QVERIFY(addFault("tvkbase_m_type_q", 1, VI_ERROR_TMO));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/2"});
    QCOMPARE(dwavbench_journal_count_of("tvkbase_m_type_q"), size_t(8));
    // A position that does not answer is only skipped.
    QVERIFY(g_debugMessages.isEmpty());
}

void TestInstrumentSearch::warningFromOpenIsDescribedButResourceStillProbed()
{
    QVERIFY(Bench::load(vxiCarrier));
    QVERIFY(addFault("viOpen", 1, VI_SUCCESS_NESTED_SHARED));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    // The slot read replaced the open's warning, so nothing is reported.
    QVERIFY(g_debugMessages.isEmpty());

    dwavbench_journal_clear();
    QVERIFY(addFault("tvkbase_init", 1, VI_SUCCESS_MAX_CNT));
    search.restartSearch();
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    QCOMPARE(g_debugMessages, QStringList{statusText(VI_SUCCESS_MAX_CNT)});
}

void TestInstrumentSearch::progressValuesAndTexts()
{
    QVERIFY(Bench::load(QByteArray("[resource GPIB0::1::INSTR]\n"
                                    "interface = gpib\n"
                                    "idn = ACME,DMM\n"
                                    "[resource GPIB0::2::INSTR]\n"
                                    "interface = gpib\n"
                                    "idn = ACME,DMM\n"
                                    "[resource GPIB0::3::INSTR]\n"
                                    "interface = gpib\n"
                                    "idn = ACME,DMM\n")
                         + vxiCarrier));
    InstrumentConfigurationSearch search(nullptr);
    QSignalSpy progress(&search, &InstrumentConfigurationSearch::operationProgressChanged);
    QSignalSpy texts(&search, &InstrumentConfigurationSearch::operationTextChanged);
    search.restartSearch();

    QList<int> values;
    for (const QList<QVariant> &args : qAsConst(progress))
        values << args.at(0).toInt();
    QList<int> expected{0, 0, 25, 50, 75};
    for (int position = 1; position <= 8; ++position)
        expected << 75;
    QCOMPARE(values, expected);

    QStringList shown;
    for (const QList<QVariant> &args : qAsConst(texts))
        shown << args.at(0).toString();
    QStringList expectedTexts{"Check device: GPIB0::1::INSTR", "Check device: GPIB0::2::INSTR",
                              "Check device: GPIB0::3::INSTR", "Check device: VXI0::5::INSTR"};
    for (int position = 1; position <= 8; ++position)
        expectedTexts << QString("Check device: VXI0::5::INSTR, position: %1").arg(position);
    QCOMPARE(shown, expectedTexts);
}

void TestInstrumentSearch::restartSearchReplacesTheLists()
{
    QVERIFY(Bench::load(vxiCarrier));
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    search.restartSearch();
    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    // search() alone adds to what is there.
    search.search();
    QCOMPARE(rows(search), (QStringList{"VXI0::5::INSTR/3", "VXI0::5::INSTR/3"}));

    QVERIFY(Bench::load("[bench]\n"));
    search.restartSearch();
    QVERIFY(rows(search).isEmpty());
}

void TestInstrumentSearch::progressDialogFollowsTheSearch()
{
    QVERIFY(Bench::load(vxiCarrier));
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    // The search processes events between its steps; a zero timer looks at
    // the progress dialog each time it does.
    QStringList seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &owner, [&] {
        const auto dialogs = owner.findChildren<QProgressDialog *>();
        for (QProgressDialog *d : dialogs) {
            seen << QString("%1|%2|%3|%4").arg(d->windowTitle(), d->labelText())
                        .arg(d->isModal()).arg(d->isVisible());
            // Without a cancel button nobody can break the search off.
            if (!d->findChildren<QPushButton *>().isEmpty())
                seen << "cancel button";
        }
    });
    poll.start(0);
    InstrumentConfigurationSearch search(&owner);
    poll.stop();

    QCOMPARE(rows(search), QStringList{"VXI0::5::INSTR/3"});
    QVERIFY(!seen.isEmpty());
    QVERIFY2(!seen.contains("cancel button"), qPrintable(seen.join('\n')));
    bool sawPosition = false;
    for (const QString &s : qAsConst(seen)) {
        // Shown and modal while it reports a position of the carrier.
        if (s.startsWith("Search connected devices...|Check device: VXI0::5::INSTR, position: ")
            && s.endsWith("|1|1"))
            sawPosition = true;
    }
    QVERIFY2(sawPosition, qPrintable(seen.join('\n')));
    // Closed and gone once the constructor returns.
    QVERIFY(owner.findChildren<QProgressDialog *>().isEmpty());
}

void TestInstrumentSearch::defaultBenchOffersItsModules()
{
    dwavbench_load_default();
    dwavbench_journal_clear();
    InstrumentConfigurationSearch search(nullptr);
    QCOMPARE(rows(search), (QStringList{"VXI0::3::INSTR/2", "VXI0::3::INSTR/7",
                                        "TCPIP0::192.168.1.40::inst0::INSTR/1"}));
}

DWAV_TEST_MAIN(TestInstrumentSearch)
#include "tst_instrumentsearch.moc"
