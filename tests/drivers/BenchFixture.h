#pragma once

#include "BenchSupport.h"
#include "dwav_bench.h"
#include "tvkbase_32.h"
#include "tvkdwav_32.h"

#include <QByteArray>
#include <QString>
#include <QTextCodec>
#include <QtTest>

// Helpers shared by the driver tests: a fresh built-in bench, an open
// module of the built-in VXI carrier, and decoding of the module's texts.
namespace BenchFixture {

inline const char *vxiCarrier()
{
    return "VXI0::3::INSTR";
}

inline const char *lanCarrier()
{
    return "TCPIP0::192.168.1.40::inst0::INSTR";
}

// The built-in bench, whatever the environment holds.
inline void freshBench()
{
    qputenv("DWAV_BENCH", "");
    qputenv("DWAV_BENCH_FAULTS", "");
    qputenv("DWAV_BENCH_JOURNAL", "");
    char error[256] = "unset";
    QCOMPARE(dwavbench_reset(error, sizeof error), 0);
    QCOMPARE(QByteArray(error), QByteArray());
}

struct Module
{
    ViSession carrier = VI_NULL;
    ViSession module = VI_NULL;
};

// Opens the carrier and the module driver at `position`, as the panel does.
inline Module open(int position = 2, const char *resource = vxiCarrier())
{
    Module m;
    if (tvkbase_init(resource, 1, 1, &m.carrier) < 0)
        return m;
    if (tvkdwav_init(resource, 1, 1, &m.module) < 0)
        return m;
    if (tvkdwav_connect(m.module, m.carrier, static_cast<ViUInt16>(position), 1, 1) < 0) {
        tvkdwav_close(m.module);
        m.module = VI_NULL;
    }
    return m;
}

// Closes what open() opened.
inline void close(Module &m)
{
    tvkdwav_close(m.module);
    tvkbase_close(m.carrier);
    m = Module();
}

inline QString cp1251(const char *text)
{
    return QTextCodec::codecForName("Windows-1251")->toUnicode(text);
}

} // namespace BenchFixture
