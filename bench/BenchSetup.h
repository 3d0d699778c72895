#pragma once

// The bench the benchmarks run on: one carrier with one DWAV module at
// position 1, no latency, no faults; the module opened as the host would.

#include "DWAVModule.h"

#include "dwav_bench.h"
#include "tvkbase_32.h"

#include <cstdio>
#include <string>

namespace BenchSetup {

const char *const carrier = "VXI0::4::INSTR";
const int position = 1;

// `moduleLines` go into the module's section of the bench file.
inline bool open(DWAVModule &module, const std::string &moduleLines = std::string())
{
    const std::string text = "[bench]\n"
                             "latency_us = 0\n"
                             "[resource VXI0::4::INSTR]\n"
                             "interface = vxi\n"
                             "manufacturer = 3702\n"
                             "model = 341\n"
                             "slot = 4\n"
                             "idn = KALVINT,TVKBASE-VXI,0400,2.4\n"
                             "carrier = yes\n"
                             "[module VXI0::4::INSTR 1]\n"
                             "serial = DW-B001\n"
                             + moduleLines;
    char error[256] = {0};
    if (dwavbench_load_text(text.c_str(), error, sizeof error) != 0) {
        std::fprintf(stderr, "bench: %s\n", error);
        return false;
    }
    dwavbench_clear_faults();
    dwavbench_set_latency_us(0);

    ViSession carrierSession = 0;
    if (tvkbase_init(carrier, 1, 1, &carrierSession) < 0) {
        std::fprintf(stderr, "no carrier\n");
        return false;
    }
    module.setInitParams(carrierSession, position, 0, 0, nullptr);
    if (module.initialize() != 0) {
        std::fprintf(stderr, "the module did not initialise\n");
        return false;
    }
    return true;
}

} // namespace BenchSetup
