// Steering the bench: faults, bench files and the environment, the journal,
// latency, and use from two threads at once.
#include "BenchFixture.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include <sys/stat.h>

class TestBenchControl : public QObject
{
    Q_OBJECT

private:
    static QString probe()
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath("dwavbench_probe");
    }

    // Runs the probe with the given environment; returns its exit code.
    static int runProbe(const QStringList &environment, QByteArray &out, QByteArray &err)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : environment)
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        process.setProcessEnvironment(env);
        process.start(probe(), QStringList());
        if (!process.waitForFinished(60000))
            return -100;
        out = process.readAllStandardOutput();
        err = process.readAllStandardError();
        return process.exitCode();
    }

private slots:
    void init()
    {
        BenchFixture::freshBench();
    }

    void cleanup()
    {
        BenchFixture::freshBench();
    }

    void faultFiresOnTheNthCallOnly()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        char error[256];
        QCOMPARE(dwavbench_add_fault("tvkdwav_stop", 2, ViStatus(0xBFFF0011), error, sizeof error), 0);
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(0xBFFF0011));
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_journal_count_of("tvkdwav_stop"), size_t(3));
        dwavbench_call call;
        QCOMPARE(dwavbench_journal_entry(dwavbench_journal_count() - 2, &call), 0);
        QCOMPARE(QByteArray(call.function), QByteArray("tvkdwav_stop"));
        QCOMPARE(call.status, int32_t(0xBFFF0011));
        BenchFixture::close(m);
    }

    void negativeFaultDoesNothingPositiveLetsTheCallWork()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        char error[256];
        QCOMPARE(dwavbench_add_faults("tvkdwav_config_mode@1:-1073807339; tvkdwav_config_mode@2:0x3FFC0801",
                                      error, sizeof error), 0);
        QCOMPARE(tvkdwav_config_mode(m.module, 0), ViStatus(VI_ERROR_TMO));
        ViUInt16 mode = 9;
        QCOMPARE(tvkdwav_config_mode_q(m.module, &mode), ViStatus(VI_SUCCESS));
        QCOMPARE(mode, ViUInt16(1));
        QCOMPARE(tvkdwav_config_mode(m.module, 0), ViStatus(0x3FFC0801));
        QCOMPARE(tvkdwav_config_mode_q(m.module, &mode), ViStatus(VI_SUCCESS));
        QCOMPARE(mode, ViUInt16(0));
        // A refusal of the module itself is not turned into the warning.
        QCOMPARE(dwavbench_add_fault("tvkdwav_config_mode", 0, 0x3FFC0801, error, sizeof error), 0);
        QCOMPARE(tvkdwav_config_mode(m.module, 5), ViStatus(VI_ERROR_PARAMETER2));
        QCOMPARE(tvkdwav_config_mode(m.module, 1), ViStatus(0x3FFC0801));
        dwavbench_clear_faults();
        QCOMPARE(tvkdwav_config_mode(m.module, 1), ViStatus(VI_SUCCESS));
        BenchFixture::close(m);
    }

    void faultOnEveryCallOfVisa()
    {
        char error[256];
        QCOMPARE(dwavbench_add_fault("viOpen", 0, VI_ERROR_RSRC_BUSY, error, sizeof error), 0);
        ViSession rm = VI_NULL, vi = VI_NULL;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(viOpen(rm, "GPIB0::22::INSTR", VI_NULL, 0, &vi), ViStatus(VI_ERROR_RSRC_BUSY));
        viClose(rm);
    }

    void badFaultListsAreRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown function") << QByteArray("tvkdwav_stop:-1, tvkdwav_halt:-1")
                                          << "unknown function 'tvkdwav_halt'";
        QTest::newRow("no status") << QByteArray("tvkdwav_stop") << "is not name[@n]:status";
        QTest::newRow("status not a number") << QByteArray("tvkdwav_stop:bad") << "is not a 32-bit number";
        QTest::newRow("status too wide") << QByteArray("tvkdwav_stop:0x1FFFFFFFF") << "is not a 32-bit number";
        QTest::newRow("call zero") << QByteArray("tvkdwav_stop@0:-1") << "is not a positive number";
        QTest::newRow("call negative") << QByteArray("tvkdwav_stop@-2:-1") << "is not a positive number";
        QTest::newRow("no name") << QByteArray("@2:-1") << "names no function";
    }

    void badFaultListsAreRefusedWhole()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, reason);
        char error[256] = {};
        QCOMPARE(dwavbench_add_faults(list.constData(), error, sizeof error), -1);
        QVERIFY2(QString::fromLatin1(error).contains(reason), error);
        QVERIFY(!QByteArray(error).contains('\n'));
        // Nothing of the list was taken, not even its good entries.
        BenchFixture::Module m = BenchFixture::open(2);
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        BenchFixture::close(m);
        QCOMPARE(dwavbench_add_fault("tvkdwav_halt", 1, -1, error, sizeof error), -1);
        QCOMPARE(dwavbench_is_function("tvkdwav_halt"), 0);
        QCOMPARE(dwavbench_is_function("viQueryf"), 1);
    }

    void faultsFromTheEnvironment()
    {
        qputenv("DWAV_BENCH_FAULTS", "tvkbase_init@*:0xBFFF0015");
        char error[256];
        QCOMPARE(dwavbench_reset(error, sizeof error), 0);
        ViSession carrier = VI_NULL;
        QCOMPARE(tvkbase_init(BenchFixture::vxiCarrier(), 1, 1, &carrier), ViStatus(VI_ERROR_TMO));
        QCOMPARE(tvkbase_init(BenchFixture::vxiCarrier(), 1, 1, &carrier), ViStatus(VI_ERROR_TMO));

        ViSession rm = VI_NULL;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        qputenv("DWAV_BENCH_FAULTS", "tvkbase_init:-1,,nonsense");
        QCOMPARE(dwavbench_reset(error, sizeof error), -1);
        // Nothing of the old chassis stays open.
        QCOMPARE(dwavbench_open_sessions(), size_t(0));
        QVERIFY2(QByteArray(error).startsWith("DWAV_BENCH_FAULTS: "), error);
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_ERROR_INV_SETUP));
        QCOMPARE(QByteArray(dwavbench_load_error()), QByteArray(error));
    }

    void benchTextsWithFaults_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown section") << QByteArray("[chassis]\n") << "line 1: unknown section";
        QTest::newRow("unclosed section") << QByteArray("\n[bench\n") << "line 2: section header";
        QTest::newRow("module before resource") << QByteArray("[module VXI0::1::INSTR 1]\n")
                                                << "comes before its [resource] section";
        QTest::newRow("position 9") << QByteArray("[resource VXI0::1::INSTR]\n[module VXI0::1::INSTR 9]\n")
                                    << "line 2: module position '9' is not 1 to 8";
        QTest::newRow("same resource twice") << QByteArray("[resource A::1::INSTR]\n[resource a::1::instr]\n")
                                             << "described twice";
        QTest::newRow("not a resource name") << QByteArray("[resource printer]\n") << "no VISA resource name";
        QTest::newRow("resource name too long") << "[resource VXI0::" + QByteArray(250, '7') + "::INSTR]\n"
                                                << "longer than 255 characters";
        QTest::newRow("unknown key") << QByteArray("[resource VXI0::1::INSTR]\ncolour = red\n")
                                     << "line 2: unknown resource key 'colour'";
        QTest::newRow("bad interface") << QByteArray("[resource VXI0::1::INSTR]\ninterface = firewire\n")
                                       << "'interface' takes";
        QTest::newRow("no equals sign") << QByteArray("[bench]\nmultimeter\n") << "is not key = value";
        // A binary file's line is quoted as printable text.
        QTest::newRow("binary line") << QByteArray("[bench]\n\x01\xfe\x7f" "abc\r\n")
                                     << "line 2: '\\x01\\xFE\\x7Fabc' is not key = value";
        QTest::newRow("key outside a section") << QByteArray("# start\nlatency_us = 5\n") << "outside any section";
        QTest::newRow("bad boolean") << QByteArray("[bench]\nmultimeter = perhaps\n") << "yes or no";
        QTest::newRow("bad module type") << QByteArray("[resource V::1::INSTR]\n[module V::1::INSTR 1]\ntype = 70000\n")
                                         << "16-bit module type code";
        QTest::newRow("bad fault") << QByteArray("[bench]\nfaults = viOpen@x:-1\n") << "call number 'x'";
        QTest::newRow("text after a header") << QByteArray("[bench] multimeter = no\n")
                                             << "line 1: 'multimeter = no' follows the section header";
    }

    // A comment may follow a section header; a bad line of any length is
    // quoted back only by its start.
    void commentsAndLongLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        const QByteArray huge(1 << 20, 'x');
        QTest::newRow("comments after headers")
            << QByteArray("[resource VXI0::1::INSTR] # the carrier\ninterface = vxi\n"
                          "[module VXI0::1::INSTR 2] ; a DWAV\n[bench]#\n") << 0;
        QTest::newRow("long line without '='") << "[bench]\n" + huge + "\n" << -1;
        QTest::newRow("long unknown key") << "[bench]\n" + huge + " = 1\n" << -1;
        QTest::newRow("long bad value") << "[bench]\nmultimeter = " + huge + "\n" << -1;
        QTest::newRow("long section") << "[" + huge + "]\n" << -1;
    }

    void commentsAndLongLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        char error[512] = {};
        QCOMPARE(dwavbench_load_text(text.constData(), error, sizeof error), result);
        QVERIFY2(std::strlen(dwavbench_load_error()) < 200, dwavbench_load_error());
        if (result == 0) {
            BenchFixture::Module m = BenchFixture::open(2, "VXI0::1::INSTR");
            QVERIFY(m.module != VI_NULL);
            BenchFixture::close(m);
        }
    }

    void benchTextsWithFaults()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        char error[512] = {};
        QCOMPARE(dwavbench_load_text(text.constData(), error, sizeof error), -1);
        QVERIFY2(QString::fromLatin1(error).contains(reason), error);
        QVERIFY(!QByteArray(error).contains('\n'));
        ViSession rm = 5;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_ERROR_INV_SETUP));
        QCOMPARE(rm, ViSession(VI_NULL));
        ViSession carrier = VI_NULL;
        QVERIFY(tvkbase_init(BenchFixture::vxiCarrier(), 1, 1, &carrier) < 0);
        // A good description brings the chassis back.
        dwavbench_load_default();
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_SUCCESS));
        viClose(rm);
    }

    void exampleBenchFilesLoad_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("carrier");
        QTest::addColumn<int>("position");
        QTest::newRow("two carriers") << "two-carriers.bench" << QByteArray("VXI0::5::INSTR") << 7;
        QTest::newRow("troubled module") << "troubled-module.bench" << QByteArray("VXI0::12::INSTR") << 1;
    }

    void exampleBenchFilesLoad()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, carrier);
        QFETCH(int, position);
        const QByteArray path = QFile::encodeName(QStringLiteral(DWAV_BENCH_EXAMPLES "/") + file);
        char error[512] = {};
        QCOMPARE(dwavbench_load_file(path.constData(), error, sizeof error), 0);
        BenchFixture::Module m = BenchFixture::open(position, carrier.constData());
        QVERIFY(m.module != VI_NULL);
        QCOMPARE(tvkdwav_close(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkbase_close(m.carrier), ViStatus(VI_SUCCESS));
    }

    void troubledExampleShowsItsTroubles()
    {
        const QByteArray path = QFile::encodeName(QStringLiteral(DWAV_BENCH_EXAMPLES "/troubled-module.bench"));
        char error[512] = {};
        QCOMPARE(dwavbench_load_file(path.constData(), error, sizeof error), 0);
        BenchFixture::Module m = BenchFixture::open(1, "VXI0::12::INSTR");
        QVERIFY(m.module != VI_NULL);
        QVERIFY(tvkdwav_cmpVersions(m.module) > 0);
        QCOMPARE(tvkdwav_calibrate(m.module, 0, 0), ViStatus(TVKDWAV_ERROR_NO_MULTIMETER));
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_stop(m.module), ViStatus(0xBFFF0011));
        ViInt16 present = 0, code = 0;
        QCOMPARE(tvkbase_m_type_q(m.carrier, 6, &present, &code), ViStatus(VI_SUCCESS));
        QCOMPARE(code, ViInt16(-32702));
        BenchFixture::close(m);
        dwavbench_set_latency_us(0);
    }

    void missingBenchFile()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("absent.bench"));
        char error[512] = {};
        QCOMPARE(dwavbench_load_file(path.constData(), error, sizeof error), -1);
        QVERIFY2(QByteArray(error).contains("cannot read the bench file"), error);
        ViSession rm = VI_NULL;
        QCOMPARE(viOpenDefaultRM(&rm), ViStatus(VI_ERROR_FILE_ACCESS));
    }

    void environmentBenchInAProcessOfItsOwn_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("stderrText");
        QTest::newRow("good file") << "[resource PXI0::4::INSTR]\ninterface = pxi\ncarrier = yes\n" << 0
                                   << "viOpenDefaultRM 0" << "";
        QTest::newRow("malformed file") << "[resource PXI0::4::INSTR]\nslot = many\n" << 1
                                        << QString("viOpenDefaultRM %1").arg(long(VI_ERROR_INV_SETUP))
                                        << "line 2: 'slot' takes a 16-bit number, not 'many'";
        const QString refused = QString("viOpenDefaultRM %1").arg(long(VI_ERROR_FILE_ACCESS));
        const QString unread = QStringLiteral("cannot read the bench file");
        QTest::newRow("missing file") << QString() << 1 << refused << unread;
        QTest::newRow("a folder") << "<folder>" << 1 << refused << unread;
        // Neither may hold the start: a pipe waits for a writer, a device never ends.
        QTest::newRow("a named pipe") << "<pipe>" << 1 << refused << unread;
        QTest::newRow("a device") << "/dev/zero" << 1 << refused << unread;
        QTest::newRow("over 16 MiB") << "<huge>" << 1 << refused << "is larger than 16 MiB";
    }

    void environmentBenchInAProcessOfItsOwn()
    {
        QFETCH(QString, content);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        QFETCH(QString, stderrText);
        QTemporaryDir dir;
        QString path = dir.filePath("chassis.bench");
        if (content == QLatin1String("<folder>")) {
            QVERIFY(QDir(dir.path()).mkdir("chassis.bench"));
        } else if (content == QLatin1String("<pipe>")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (content == QLatin1String("<huge>")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(16 * 1024 * 1024 + 1));
        } else if (content.startsWith(QLatin1Char('/'))) {
            path = content;
        } else if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toLatin1());
        }
        const QString journal = dir.filePath("calls.log");
        QByteArray out, err;
        QCOMPARE(runProbe({"DWAV_BENCH=" + path, "DWAV_BENCH_FAULTS=", "DWAV_BENCH_JOURNAL=" + journal}, out, err),
                 exitCode);
        QCOMPARE(QString::fromLatin1(out).section('\n', 0, 0), firstLine);
        if (stderrText.isEmpty()) {
            QCOMPARE(err, QByteArray());
            QVERIFY(out.contains("PXI0::4::INSTR"));
        } else {
            // One line when the bench is first called, one more for the
            // failing viOpenDefaultRM; the same reason both times.
            const QList<QByteArray> lines = err.trimmed().split('\n');
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0], lines[1]);
            QVERIFY2(lines[0].startsWith("dwav bench: ") && lines[0].contains(stderrText.toLatin1()), err);
        }
        // Every call of the probe is in the journal file, one per line.
        QFile log(journal);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> calls = log.readAll().trimmed().split('\n');
        QVERIFY(calls.first().contains(" viOpenDefaultRM(vi=buffer) -> "));
        if (exitCode == 0) {
            QVERIFY(calls.last().contains(" viClose(vi=0x"));
            QVERIFY(calls.last().endsWith("-> 0 (0x00000000)"));
            bool sawCarrier = false;
            for (const QByteArray &line : calls)
                sawCarrier = sawCarrier || line.contains("tvkbase_init(resource=\"PXI0::4::INSTR\", idQuery=1, reset=1) -> 0");
            QVERIFY(sawCarrier);
        }
    }

    void unwritableJournalIsReportedNotFatal_data()
    {
        QTest::addColumn<QString>("journal");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "/nonexistent-dir/calls.log" << "cannot open the journal file";
        // A pipe would hold the start until a reader came; a device keeps nothing.
        QTest::newRow("named pipe") << "<pipe>" << "is no regular file";
        QTest::newRow("device") << "/dev/null" << "is no regular file";
    }

    void unwritableJournalIsReportedNotFatal()
    {
        QFETCH(QString, journal);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (journal == QLatin1String("<pipe>")) {
            journal = dir.filePath("calls.log");
            QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
        }
        QByteArray out, err;
        QCOMPARE(runProbe({"DWAV_BENCH=", "DWAV_BENCH_FAULTS=", "DWAV_BENCH_JOURNAL=" + journal}, out, err), 0);
        QVERIFY2(err.startsWith("dwav bench: DWAV_BENCH_JOURNAL: ") && err.contains(reason.toLatin1()), err);
        QCOMPARE(err.count('\n'), 1);
        QVERIFY(out.contains("VXI0::3::INSTR"));
    }

    void journalRecordsArgumentsStatusAndTime()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        dwavbench_journal_clear();
        QCOMPARE(dwavbench_journal_count(), size_t(0));
        QCOMPARE(tvkdwav_config_chan(m.module, 1, 1, 1, 2, 75.0, -1.5), ViStatus(VI_SUCCESS));
        QCOMPARE(tvkdwav_config_afg(m.module, 0, 1.0, 0.0, 0.0), ViStatus(VI_ERROR_PARAMETER4));
        const double points[6] = {0.5, -0.5, 1, 2, 3, 4};
        QCOMPARE(tvkdwav_afg_setData(m.module, 1, points, 6, 1e-6), ViStatus(VI_SUCCESS));
        QCOMPARE(dwavbench_journal_count(), size_t(3));

        dwavbench_call first, second, third;
        QCOMPARE(dwavbench_journal_entry(0, &first), 0);
        QCOMPARE(dwavbench_journal_entry(1, &second), 0);
        QCOMPARE(dwavbench_journal_entry(2, &third), 0);
        QCOMPARE(dwavbench_journal_entry(3, &third), -1);
        QCOMPARE(first.sequence, uint64_t(1));
        QCOMPARE(third.sequence, uint64_t(3));
        QVERIFY(first.time_ns <= second.time_ns && second.time_ns <= third.time_ns);
        QCOMPARE(QByteArray(first.function), QByteArray("tvkdwav_config_chan"));
        QCOMPARE(QByteArray(first.arguments),
                 QString::asprintf("vi=0x%X, output=1, chan=1, state=1, range=2, Rn=75, offset=-1.5",
                                   unsigned(m.module)).toLatin1());
        QCOMPARE(second.status, int32_t(VI_ERROR_PARAMETER4));
        QVERIFY(QByteArray(third.arguments).contains("points=[0.5 -0.5 1 2 ...], count=6, period=1e-06"));

        char line[1024];
        const int length = dwavbench_journal_line(1, line, sizeof line);
        QCOMPARE(length, int(std::strlen(line)));
        QVERIFY2(QByteArray(line).endsWith(") -> -1074003964 (0xBFFC0004)"), line);
        QVERIFY(QByteArray(line).startsWith(QByteArray::number(qulonglong(second.time_ns)) + " tvkdwav_config_afg("));
        // A short buffer gets the start of the line and the full length.
        char shortLine[8];
        QCOMPARE(dwavbench_journal_line(1, shortLine, sizeof shortLine), length);
        QCOMPARE(QByteArray(shortLine), QByteArray(line).left(7));
        QCOMPARE(dwavbench_journal_line(99, line, sizeof line), -1);

        BenchFixture::close(m);
        QCOMPARE(Bench::lastLine().contains("tvkbase_close("), true);
    }

    void latencyIsAddedPerFunction()
    {
        char error[256];
        QCOMPARE(dwavbench_set_function_latency_us("tvkdwav_state", 200, error, sizeof error), 0);
        QCOMPARE(dwavbench_set_function_latency_us("tvkdwav_nap", 200, error, sizeof error), -1);
        QVERIFY(QByteArray(error).contains("unknown function 'tvkdwav_nap'"));
        dwavbench_set_latency_us(100);
        BenchFixture::Module m = BenchFixture::open(2);
        ViUInt16 state = 9;
        QCOMPARE(tvkdwav_state(m.module, &state, nullptr), ViStatus(VI_SUCCESS));
        QCOMPARE(state, ViUInt16(0));
        BenchFixture::close(m);
    }

    // Tests wait on the in-flight count and hold calls with a long latency
    // that a later, shorter one ends.
    void heldCallIsInFlightUntilLetGo()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        char error[256];
        QCOMPARE(dwavbench_set_function_latency_us("tvkdwav_state", 30000000, error, sizeof error), 0);
        std::thread caller([&m] {
            ViUInt16 state;
            tvkdwav_state(m.module, &state, nullptr);
        });
        // No check may return before the caller is joined.
        const bool held = QTest::qWaitFor([] { return dwavbench_calls_in_flight("tvkdwav_state") == 1; });
        const size_t inFlight = dwavbench_calls_in_flight(nullptr);
        const ViStatus meanwhile = tvkdwav_stop(m.module);
        const size_t returned = dwavbench_journal_count_of("tvkdwav_state");
        dwavbench_set_function_latency_us("tvkdwav_state", 0, error, sizeof error);
        const bool letGo = QTest::qWaitFor([] { return dwavbench_calls_in_flight(nullptr) == 0; });
        caller.join();
        QVERIFY(held);
        QCOMPARE(inFlight, size_t(1));
        QCOMPARE(meanwhile, ViStatus(VI_SUCCESS));
        QCOMPARE(returned, size_t(0));
        QVERIFY(letGo);
        QCOMPARE(dwavbench_journal_count_of("tvkdwav_state"), size_t(1));
        BenchFixture::close(m);
    }

    void twoThreadsShareTheModule()
    {
        BenchFixture::Module m = BenchFixture::open(2);
        dwavbench_set_latency_us(20);
        dwavbench_journal_clear();
        std::atomic<int> failures{0};
        const int rounds = 300;
        // One thread configures and reads back, as a pool task does, while
        // the other polls like the window's timer.
        std::thread worker([&] {
            for (int k = 0; k < rounds; ++k) {
                const double offset = (k % 20) * 0.5 - 5.0;
                if (tvkdwav_config_chan(m.module, 1, 1, 1, 1, 50.0, offset) != VI_SUCCESS)
                    ++failures;
                ViUInt16 output, state, range;
                double Rn, back;
                if (tvkdwav_config_chan_q(m.module, &output, 1, &state, &range, &Rn, &back) != VI_SUCCESS)
                    ++failures;
            }
        });
        std::thread poller([&] {
            for (int k = 0; k < rounds; ++k) {
                ViUInt16 state;
                double t1, t2;
                if (tvkdwav_state(m.module, &state, nullptr) != VI_SUCCESS)
                    ++failures;
                if (tvkdwav_get_temperature(m.module, &t1, &t2) != VI_SUCCESS)
                    ++failures;
            }
        });
        worker.join();
        poller.join();
        dwavbench_set_latency_us(0);
        QCOMPARE(failures.load(), 0);
        QCOMPARE(dwavbench_journal_count(), size_t(4 * rounds));
        QCOMPARE(dwavbench_journal_count_of("tvkdwav_get_temperature"), size_t(rounds));
        double offset = 0;
        QCOMPARE(dwavbench_module_value(BenchFixture::vxiCarrier(), 2, "chan1.offset", &offset), 0);
        QCOMPARE(offset, ((rounds - 1) % 20) * 0.5 - 5.0);
        BenchFixture::close(m);
    }
};

DWAV_TEST_CORE_MAIN(TestBenchControl)
#include "TestBenchControl.moc"
