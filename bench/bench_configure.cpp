// How much the panel adds to a configuration: the module's whole
// configuration sequence with read-back, on the bench without latency,
// against a loop that makes the very same driver calls directly.
//
//     bench_configure [configurations per run]

#include "AFGParameters.h"
#include "BenchSetup.h"
#include "DWAVModule.h"
#include "Logger.h"
#include "PointTables.h"

#include "dwav_bench.h"
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// The journal entries of the calls made since the last clear, as text.
std::vector<std::string> journal()
{
    std::vector<std::string> calls;
    const size_t count = dwavbench_journal_count();
    for (size_t i = 0; i < count; ++i) {
        dwavbench_call entry;
        if (dwavbench_journal_entry(i, &entry) == 0)
            calls.push_back(std::string(entry.function) + "(" + entry.arguments + ")");
    }
    return calls;
}

// Runs `body` `count` times in batches, clearing the bench's journal
// between batches (outside the timing) so it never has to drop entries;
// returns the mean time of one run in microseconds.
double timePerRun(int count, const std::function<bool()> &body)
{
    using Clock = std::chrono::steady_clock;
    const int batch = 100;
    Clock::duration total{};
    for (int done = 0; done < count;) {
        dwavbench_journal_clear();
        const int n = std::min(batch, count - done);
        const auto start = Clock::now();
        for (int i = 0; i < n; ++i)
            if (!body()) {
                std::fprintf(stderr, "a configuration failed\n");
                std::exit(1);
            }
        total += Clock::now() - start;
        done += n;
    }
    return std::chrono::duration<double, std::micro>(total).count() / count;
}

// Every driver call of one configuration with read-back, made directly
// with the values the module sends for its sets as they stand in `form`.
struct DirectConfiguration
{
    ViSession s = 0;
    bool tables = false;
    std::vector<double> table[2];
    ViUInt32 count[2] = {0, 0};
    double period[2] = {0.0, 0.0};

    bool run() const
    {
        bool ok = true;
        auto call = [&ok](ViStatus status) { ok = ok && status >= 0; };
        ViUInt16 a, b, c, d;
        double x, y, z, w;
        for (ViUInt16 chan = 0; chan < 2; ++chan) {
            call(tvkdwav_config_chan(s, 1, chan, 1, 0, 50.0, 0.0));
            a = 1, b = 1, c = 0, x = 50.0, y = 0.0;
            call(tvkdwav_config_chan_q(s, &a, chan, &b, &c, &x, &y));
        }
        call(tvkdwav_config_sample_freq(s, 3, 2));
        a = 3, b = 2;
        call(tvkdwav_config_sample_freq_q(s, &a, &b));
        call(tvkdwav_config_source_freq(s, 0, 0));
        a = 0, b = 0, c = 0, d = 0;
        call(tvkdwav_config_source_freq_q(s, &a, &b, &c, &d));
        call(tvkdwav_config_filters(s, 0, 0, 0));
        a = 0, b = 0, c = 0;
        call(tvkdwav_config_filters_q(s, &a, &b, &c));
        call(tvkdwav_config_NCO(s, 0, 0, 0.0));
        a = 0, b = 0, x = 0.0;
        call(tvkdwav_config_NCO_q(s, &a, &b, &x));
        call(tvkdwav_config_QS(s, 0, 0, 0, 0));
        a = 0, b = 0, c = 0, d = 0;
        call(tvkdwav_config_QS_q(s, &a, &b, &c, &d));
        call(tvkdwav_adjust_chans(s, 0, 0.0, 0.0, 0.0));
        a = 0, x = 0.0, y = 0.0, z = 0.0;
        call(tvkdwav_adjust_chans_q(s, &a, &x, &y, &z));
        call(tvkdwav_config_start(s, 0, 0, 0.0));
        a = 0, b = 0, x = 0.0;
        call(tvkdwav_config_start_q(s, &a, &b, &x));
        call(tvkdwav_config_mode(s, 1));
        a = 1;
        call(tvkdwav_config_mode_q(s, &a));
        for (ViUInt16 chan = 0; chan < 2; ++chan) {
            if (tables) {
                call(tvkdwav_config_afg_gen(s, chan, 1));
                a = 1;
                call(tvkdwav_config_afg_gen_q(s, chan, &a));
                call(tvkdwav_afg_setData(s, chan, table[chan].data(), ViUInt16(count[chan]),
                                         period[chan]));
                continue;
            }
            call(tvkdwav_config_afg(s, chan, 0.0, 0.06, 0.0));
            x = 0.0, y = 0.06, z = 0.0;
            call(tvkdwav_config_afg_q(s, chan, &x, &y, &z));
            call(tvkdwav_config_afg_gen(s, chan, 0));
            a = 0;
            call(tvkdwav_config_afg_gen_q(s, chan, &a));
            call(tvkdwav_config_afg_signal(s, chan, 0, 0.0, 0.0, 0.0));
            a = 0, x = 0.0, y = 0.0, z = 0.0;
            call(tvkdwav_config_afg_signal_q(s, chan, &a, &x, &y, &z));
            call(tvkdwav_config_afg_modul(s, chan, 0, 0.0, 0.0, 0.0, 0.0));
            a = 0, x = 0.0, y = 0.0, z = 0.0, w = 0.0;
            call(tvkdwav_config_afg_modul_q(s, chan, &a, &x, &y, &z, &w));
        }
        return ok;
    }
};

void report(const char *what, int count, double panelUs, double directUs)
{
    std::printf("%-34s %7d configurations: panel %9.2f us, direct %9.2f us, ratio %6.2f, "
                "panel overhead %8.2f us per configuration\n",
                what, count, panelUs, directUs, directUs > 0 ? panelUs / directUs : 0.0,
                panelUs - directUs);
}

bool sameCalls(const std::vector<std::string> &a, const std::vector<std::string> &b)
{
    if (a == b)
        return true;
    std::fprintf(stderr, "the direct loop does not make the panel's calls:\n");
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string left = i < a.size() ? a[i] : "-";
        const std::string right = i < b.size() ? b[i] : "-";
        std::fprintf(stderr, "%c %s\n  %s\n", left == right ? ' ' : '*', left.c_str(), right.c_str());
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    // The log file goes into a folder of its own, not where the bench runs.
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    DWAVModule module;
    if (!BenchSetup::open(module))
        return 1;
    module.setQuerySettingsParameters(true);
    module.setQMParameter(QStringLiteral("useQM"), true);

    DirectConfiguration direct;
    direct.s = module.moduleSession();

    // Harmonic form on both channels, every stage with read-back.
    dwavbench_journal_clear();
    if (module.configure() != 0)
        return 1;
    const auto panelCalls = journal();
    dwavbench_journal_clear();
    direct.run();
    if (!sameCalls(panelCalls, journal()))
        return 1;
    timePerRun(count / 10 + 1, [&] { return module.configure() == 0; });
    const double panelHarmonic = timePerRun(count, [&] { return module.configure() == 0; });
    const double directHarmonic = timePerRun(count, [&] { return direct.run(); });

    // Point tables: a triangle on channel 1, an impulse on channel 2.
    module.setAFGParameter(0, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgTriangular));
    module.setAFGParameter(1, QStringLiteral("currentSignalType"), QVariant::fromValue(AfgImpulse));
    direct.tables = true;
    for (int chan = 0; chan < 2; ++chan) {
        direct.table[chan].assign(PointTables::MaxPoints, 0.0);
        PointTables::Grid grid;
        const QString refused =
            chan == 0 ? PointTables::triangle(module.dataSpeed(), 0.1, 0.001, -0.1, 0.001,
                                              direct.table[chan].data(), &grid)
                      : PointTables::impulse(module.dataSpeed(), 0.1, 0.001, -0.1, 0.001, 50.0,
                                             0.001, direct.table[chan].data(), &grid);
        if (!refused.isEmpty())
            return 1;
        direct.count[chan] = grid.count;
        direct.period[chan] = grid.pointPeriod;
    }
    dwavbench_journal_clear();
    if (module.configure() != 0)
        return 1;
    const auto panelTableCalls = journal();
    dwavbench_journal_clear();
    direct.run();
    if (!sameCalls(panelTableCalls, journal()))
        return 1;
    timePerRun(count / 10 + 1, [&] { return module.configure() == 0; });
    const double panelTables = timePerRun(count, [&] { return module.configure() == 0; });
    const double directTables = timePerRun(count, [&] { return direct.run(); });

    report("harmonic, both channels, read-back", count, panelHarmonic, directHarmonic);
    report("triangle and impulse, read-back", count, panelTables, directTables);
    const double worst = std::max(panelHarmonic - directHarmonic, panelTables - directTables);
    std::printf("aim: panel overhead below 1000 us per configuration: %s (%.2f us)\n",
                worst < 1000.0 ? "met" : "NOT met", worst);

    const ViSession carrierSession = module.carrierSession();
    module.close();
    tvkbase_close(carrierSession);
    return 0;
}
