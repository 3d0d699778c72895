#include "BenchSupport.h"
#include "TestMain.h"

#include "DWAVModule.h"
#include "InstrumentChoice.h"
#include "ProgramName.h"

#include "dwav_bench.h"

class TestStandaloneChoice : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void programFileName();
    void standalonePath_data();
    void standalonePath();

    void rowFromLists_data();
    void rowFromLists();

    void openedModuleIsInitialisedAndMarked();
    void moduleUnderAnotherNameIsNotMarked();
    void failingCarrierLeavesPositionUnset();
    void moduleCodes_data();
    void moduleCodes();
};

void TestStandaloneChoice::init()
{
    QVERIFY(Bench::reset());
}

void TestStandaloneChoice::programFileName()
{
#ifdef Q_OS_WIN
    QCOMPARE(ProgramName::fileName(), QString("p_dwav.exe"));
#else
    QCOMPARE(ProgramName::fileName(), QString("p_dwav"));
#endif
}

void TestStandaloneChoice::standalonePath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("standalone");

    const QString name = ProgramName::fileName();
    QTest::newRow("bare name") << name << true;
    QTest::newRow("full path") << "/opt/dwav/bin/" + name << true;
    QTest::newRow("upper case copy") << "C:/Tools/" + name.toUpper() << true;
    QTest::newRow("mixed case") << "./" + name.left(2).toUpper() + name.mid(2) << true;
    QTest::newRow("other program") << QString("/usr/bin/host_app") << false;
    QTest::newRow("name inside a folder") << "/opt/" + name + "/run" << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("name with a suffix") << name + ".bak" << false;
#ifndef Q_OS_WIN
    // The path is taken as the process received it: a Windows name is not
    // this platform's program.
    QTest::newRow("windows name elsewhere") << QString("p_dwav.exe") << false;
#else
    QTest::newRow("without extension") << QString("C:/bin/p_dwav") << false;
#endif
}

void TestStandaloneChoice::standalonePath()
{
    QFETCH(QString, path);
    QFETCH(bool, standalone);
    QCOMPARE(ProgramName::isStandalonePath(path), standalone);
}

void TestStandaloneChoice::rowFromLists_data()
{
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QStringList>("resources");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("position");

    const QStringList types{"Mezzanine DWAV", "Mezzanine DWAV"};
    const QStringList resources{"VXI0::3::INSTR", "TCPIP0::10.0.0.5::INSTR"};
    const QList<int> positions{2, 7};

    QTest::newRow("no row: demo mode") << types << resources << positions << -1
                                       << true << false << QString() << -1;
    QTest::newRow("first row") << types << resources << positions << 0
                               << false << true << "VXI0::3::INSTR" << 2;
    QTest::newRow("second row") << types << resources << positions << 1
                                << false << true << "TCPIP0::10.0.0.5::INSTR" << 7;
    QTest::newRow("row past every list") << types << resources << positions << 2
                                         << false << false << QString() << -1;
    QTest::newRow("missing device type") << QStringList{"Mezzanine DWAV", ""} << resources
                                         << positions << 1 << false << false
                                         << "TCPIP0::10.0.0.5::INSTR" << 7;
    QTest::newRow("missing resource") << types << QStringList{"VXI0::3::INSTR"} << positions << 1
                                      << false << false << QString() << 7;
    QTest::newRow("missing position") << types << resources << QList<int>{2} << 1
                                      << false << false << "TCPIP0::10.0.0.5::INSTR" << -1;
    QTest::newRow("negative position") << types << resources << QList<int>{2, -3} << 1
                                       << false << false << "TCPIP0::10.0.0.5::INSTR" << -3;
    QTest::newRow("position 0 is complete") << types << resources << QList<int>{0, 7} << 0
                                            << false << true << "VXI0::3::INSTR" << 0;
}

void TestStandaloneChoice::rowFromLists()
{
    QFETCH(QStringList, types);
    QFETCH(QStringList, resources);
    QFETCH(QList<int>, positions);
    QFETCH(int, row);
    QFETCH(bool, demo);
    QFETCH(bool, complete);
    QFETCH(QString, resource);
    QFETCH(int, position);

    const InstrumentChoice choice = InstrumentChoice::fromRow(types, resources, positions, row);
    QCOMPARE(choice.isDemo(), demo);
    QCOMPARE(choice.isComplete(), complete);
    QCOMPARE(choice.resourceName(), resource);
    QCOMPARE(choice.position(), position);
}

void TestStandaloneChoice::openedModuleIsInitialisedAndMarked()
{
    dwavbench_load_default();
    const InstrumentChoice choice = InstrumentChoice::fromRow(
        {"Mezzanine DWAV"}, {"VXI0::3::INSTR"}, {7}, 0);
    DWAVModule module;
    QCOMPARE(choice.openModule(module, "/opt/dwav/" + ProgramName::fileName()), 0);
    QCOMPARE(module.mezNum(), 7);
    QCOMPARE(module.path(), QString("VXI0::3::INSTR"));
    QCOMPARE(module.state(), DWAVModule::DeviceInitialized);
    QVERIFY(module.isStandaloneProgram());
    QCOMPARE(module.idQuery(), ushort(1));
    QCOMPARE(module.resetDevice(), ushort(1));
    module.close();
}

void TestStandaloneChoice::moduleUnderAnotherNameIsNotMarked()
{
    dwavbench_load_default();
    const InstrumentChoice choice = InstrumentChoice::fromRow(
        {"Mezzanine DWAV"}, {"TCPIP0::192.168.1.40::inst0::INSTR"}, {1}, 0);
    DWAVModule module;
    QCOMPARE(choice.openModule(module, "/usr/bin/host_app"), 0);
    QVERIFY(!module.isStandaloneProgram());
    QCOMPARE(module.mezNum(), 1);
    module.close();
}

void TestStandaloneChoice::failingCarrierLeavesPositionUnset()
{
    dwavbench_load_default();
    QVERIFY(Bench::addFault("tvkbase_init", 1, VI_ERROR_RSRC_NFOUND));
    dwavbench_journal_clear();
    const InstrumentChoice choice = InstrumentChoice::fromRow(
        {"Mezzanine DWAV"}, {"VXI0::3::INSTR"}, {2}, 0);
    DWAVModule module;
    QCOMPARE(choice.openModule(module, ProgramName::fileName()), int(VI_ERROR_RSRC_NFOUND));
    QCOMPARE(module.mezNum(), -1);
    QVERIFY(module.path().isEmpty());
    QCOMPARE(module.state(), DWAVModule::DeviceClosed);
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(0));
    // The carrier driver's own words, not a complaint about a session that
    // never existed.
    QCOMPARE(module.lastStatus(), int(VI_ERROR_RSRC_NFOUND));
    QCOMPARE(module.lastErrorMessage(), Bench::driverText(VI_ERROR_RSRC_NFOUND));
    QCOMPARE(dwavbench_journal_count_of("tvkbase_m_type_q"), size_t(0));
    dwavbench_clear_faults();
}

void TestStandaloneChoice::moduleCodes_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("opened");

    // The search offers revision-coded modules; opening one wants 66 exactly.
    QTest::newRow("66") << QByteArray("66") << true;
    QTest::newRow("0x1042 with revision bits") << QByteArray("0x1042") << false;
    QTest::newRow("0x8042") << QByteArray("0x8042") << false;
    QTest::newRow("65") << QByteArray("65") << false;
}

void TestStandaloneChoice::moduleCodes()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, opened);
    char error[256] = {};
    QVERIFY2(dwavbench_load_text("[resource VXI0::5::INSTR]\n"
                                 "interface = vxi\n"
                                 "manufacturer = 3702\n"
                                 "model = 341\n"
                                 "slot = 5\n"
                                 "[module VXI0::5::INSTR 3]\n"
                                 "type = " + code + "\n",
                                 error, sizeof error) == 0,
             error);
    dwavbench_journal_clear();
    const InstrumentChoice choice = InstrumentChoice::fromRow(
        {"Mezzanine DWAV"}, {"VXI0::5::INSTR"}, {3}, 0);
    DWAVModule module;
    const int result = choice.openModule(module, ProgramName::fileName());
    QCOMPARE(result == 0, opened);
    QCOMPARE(module.state(), opened ? DWAVModule::DeviceInitialized : DWAVModule::DeviceClosed);
    QCOMPARE(dwavbench_journal_count_of("tvkdwav_init"), size_t(opened ? 1 : 0));
    // The position is the chosen one either way: only the carrier decides it.
    QCOMPARE(module.mezNum(), 3);
    module.close();
}

DWAV_TEST_CORE_MAIN(TestStandaloneChoice)
#include "tst_standalonechoice.moc"
