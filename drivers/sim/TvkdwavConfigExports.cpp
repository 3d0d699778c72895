// Configuration calls of the simulated DWAV module (library tvkdwav_32):
// every value is checked as the module checks it, kept, and given back by
// the matching query.
#include "ModuleCall.h"

#include <algorithm>

using dwavsim::Args;
using dwavsim::Bench;
using dwavsim::ModuleModel;
using dwavsim::answer;
using dwavsim::inRange;
using dwavsim::onModule;
using dwavsim::out;

namespace {

const double maxFrequency = 600e6;
const double maxLevel = 10.0;

bool flag(ViUInt16 value)
{
    return value <= 1;
}

} // namespace

extern "C" {

ViStatus _VI_FUNC tvkdwav_config_chan(ViSession vi, ViUInt16 output, ViUInt16 chan, ViUInt16 state,
                                      ViUInt16 range, ViReal64 Rn, ViReal64 offset)
{
    const Args args = Args().session("vi", vi).u("output", output).u("chan", chan).u("state", state)
                          .u("range", range).d("Rn", Rn).d("offset", offset);
    return onModule("tvkdwav_config_chan", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(output), 2, "output must be 0 or 1");
        DWAV_REQUIRE(chan <= 1, 3, "channel must be 0 or 1");
        DWAV_REQUIRE(flag(state), 4, "channel state must be 0 or 1");
        DWAV_REQUIRE(range <= 2, 5, "range code must be 0 to 2");
        DWAV_REQUIRE(Rn > 0.0 && Rn <= 1e12, 6, "load resistance must be above 0 Ohm");
        DWAV_REQUIRE(inRange(offset, -maxLevel, maxLevel), 7, "offset must be -10 to 10 V");
        ModuleModel::Channel &c = m.config.chan[chan];
        c.output = output;
        c.state = state;
        c.range = range;
        c.Rn = Rn;
        c.offset = offset;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_chan_q(ViSession vi, ViPUInt16 output, ViUInt16 chan, ViPUInt16 state,
                                        ViPUInt16 range, ViPReal64 Rn, ViPReal64 offset)
{
    return onModule("tvkdwav_config_chan_q", vi, Args().session("vi", vi).u("chan", chan),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 3, "channel must be 0 or 1");
        const ModuleModel::Channel &c = m.config.chan[chan];
        return answer(bench, vi, out(2, output, c.output), out(4, state, c.state), out(5, range, c.range),
                      out(6, Rn, c.Rn), out(7, offset, c.offset));
    });
}

ViStatus _VI_FUNC tvkdwav_config_sample_freq(ViSession vi, ViUInt16 sampleFreq, ViUInt16 dataSpeed)
{
    const Args args = Args().session("vi", vi).u("sampleFreq", sampleFreq).u("dataSpeed", dataSpeed);
    return onModule("tvkdwav_config_sample_freq", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(sampleFreq <= 4, 2, "sampling frequency code must be 0 to 4");
        DWAV_REQUIRE(dataSpeed <= 3, 3, "data rate code must be 0 to 3");
        m.config.sampleFreq = sampleFreq;
        m.config.dataSpeed = dataSpeed;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_sample_freq_q(ViSession vi, ViPUInt16 sampleFreq, ViPUInt16 dataSpeed)
{
    return onModule("tvkdwav_config_sample_freq_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, sampleFreq, c.sampleFreq), out(3, dataSpeed, c.dataSpeed));
    });
}

ViStatus _VI_FUNC tvkdwav_config_source_freq(ViSession vi, ViUInt16 source, ViUInt16 outputFreq)
{
    const Args args = Args().session("vi", vi).u("source", source).u("outputFreq", outputFreq);
    return onModule("tvkdwav_config_source_freq", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(source <= 1, 2, "reference source must be 0 (inner) or 1 (outer)");
        DWAV_REQUIRE(outputFreq <= 12, 3, "output frequency code must be 0 (off) to 12");
        m.config.sfSource = source;
        m.config.sfOutputFreq = outputFreq;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_source_freq_q(ViSession vi, ViPUInt16 source, ViPUInt16 outputFreq,
                                               ViPUInt16 outputState, ViPUInt16 lockDetect)
{
    return onModule("tvkdwav_config_source_freq_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        // The bench's reference always locks.
        return answer(bench, vi, out(2, source, c.sfSource), out(3, outputFreq, c.sfOutputFreq),
                      out(4, outputState, c.sfOutputFreq != 0 ? 1 : 0), out(5, lockDetect, 1));
    });
}

ViStatus _VI_FUNC tvkdwav_config_filters(ViSession vi, ViUInt16 HB1, ViUInt16 HB2, ViUInt16 HB3)
{
    const Args args = Args().session("vi", vi).u("HB1", HB1).u("HB2", HB2).u("HB3", HB3);
    return onModule("tvkdwav_config_filters", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        // HB1 has four bands, HB2 and HB3 eight each (code 0 is off).
        DWAV_REQUIRE(HB1 <= 4, 2, "HB1 band code must be 0 to 4");
        DWAV_REQUIRE(HB2 <= 8, 3, "HB2 band code must be 0 to 8");
        DWAV_REQUIRE(HB3 <= 8, 4, "HB3 band code must be 0 to 8");
        m.config.hb[0] = HB1;
        m.config.hb[1] = HB2;
        m.config.hb[2] = HB3;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_filters_q(ViSession vi, ViPUInt16 HB1, ViPUInt16 HB2, ViPUInt16 HB3)
{
    return onModule("tvkdwav_config_filters_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, HB1, c.hb[0]), out(3, HB2, c.hb[1]), out(4, HB3, c.hb[2]));
    });
}

ViStatus _VI_FUNC tvkdwav_config_NCO(ViSession vi, ViUInt16 modulNCO, ViUInt16 attenuateNCO,
                                     ViReal64 freqNCO)
{
    const Args args = Args().session("vi", vi).u("modulNCO", modulNCO).u("attenuateNCO", attenuateNCO)
                          .d("freqNCO", freqNCO);
    return onModule("tvkdwav_config_NCO", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(modulNCO), 2, "NCO modulation must be 0 or 1");
        DWAV_REQUIRE(flag(attenuateNCO), 3, "NCO attenuation must be 0 or 1");
        DWAV_REQUIRE(inRange(freqNCO, 0.0, maxFrequency), 4, "NCO frequency must be 0 to 600 MHz");
        m.config.modulNCO = modulNCO;
        m.config.attenuateNCO = attenuateNCO;
        m.config.freqNCO = freqNCO;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_NCO_q(ViSession vi, ViPUInt16 modulNCO, ViPUInt16 attenuateNCO,
                                       ViPReal64 freqNCO)
{
    return onModule("tvkdwav_config_NCO_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, modulNCO, c.modulNCO), out(3, attenuateNCO, c.attenuateNCO),
                      out(4, freqNCO, c.freqNCO));
    });
}

ViStatus _VI_FUNC tvkdwav_config_QS(ViSession vi, ViUInt16 premodul, ViUInt16 sinXFilter,
                                    ViUInt16 invertSideBand, ViUInt16 doubleDataForBothChans)
{
    const Args args = Args().session("vi", vi).u("premodul", premodul).u("sinXFilter", sinXFilter)
                          .u("invertSideBand", invertSideBand).u("doubleData", doubleDataForBothChans);
    return onModule("tvkdwav_config_QS", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(premodul), 2, "pre-modulation must be 0 or 1");
        DWAV_REQUIRE(flag(sinXFilter), 3, "sin(x)/x filter must be 0 or 1");
        DWAV_REQUIRE(flag(invertSideBand), 4, "side band inversion must be 0 or 1");
        DWAV_REQUIRE(flag(doubleDataForBothChans), 5, "data doubling must be 0 or 1");
        m.config.premodul = premodul;
        m.config.sinXFilter = sinXFilter;
        m.config.invertSideBand = invertSideBand;
        m.config.doubleData = doubleDataForBothChans;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_QS_q(ViSession vi, ViPUInt16 premodul, ViPUInt16 sinXFilter,
                                      ViPUInt16 invertSideBand, ViPUInt16 doubleDataForBothChans)
{
    return onModule("tvkdwav_config_QS_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, premodul, c.premodul), out(3, sinXFilter, c.sinXFilter),
                      out(4, invertSideBand, c.invertSideBand), out(5, doubleDataForBothChans, c.doubleData));
    });
}

ViStatus _VI_FUNC tvkdwav_adjust_chans(ViSession vi, ViUInt16 adjustIQ, ViReal64 amplDiffI,
                                       ViReal64 amplDiffQ, ViReal64 phaseDiff)
{
    const Args args = Args().session("vi", vi).u("adjustIQ", adjustIQ).d("amplDiffI", amplDiffI)
                          .d("amplDiffQ", amplDiffQ).d("phaseDiff", phaseDiff);
    return onModule("tvkdwav_adjust_chans", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(adjustIQ), 2, "I/Q adjustment must be 0 or 1");
        DWAV_REQUIRE(inRange(amplDiffI, -0.1, 0.1), 3, "I amplitude correction must be -0.1 to 0.1");
        DWAV_REQUIRE(inRange(amplDiffQ, -0.1, 0.1), 4, "Q amplitude correction must be -0.1 to 0.1");
        DWAV_REQUIRE(inRange(phaseDiff, -3.5, 3.5), 5, "phase correction must be -3.5 to 3.5");
        m.config.adjustIQ = adjustIQ;
        m.config.amplDiffI = amplDiffI;
        m.config.amplDiffQ = amplDiffQ;
        m.config.phaseDiff = phaseDiff;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_adjust_chans_q(ViSession vi, ViPUInt16 adjustIQ, ViPReal64 amplDiffI,
                                         ViPReal64 amplDiffQ, ViPReal64 phaseDiff)
{
    return onModule("tvkdwav_adjust_chans_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, adjustIQ, c.adjustIQ), out(3, amplDiffI, c.amplDiffI),
                      out(4, amplDiffQ, c.amplDiffQ), out(5, phaseDiff, c.phaseDiff));
    });
}

ViStatus _VI_FUNC tvkdwav_config_start(ViSession vi, ViUInt16 startSource, ViUInt16 eventForm,
                                       ViReal64 delay)
{
    const Args args = Args().session("vi", vi).u("startSource", startSource).u("eventForm", eventForm)
                          .d("delay", delay);
    return onModule("tvkdwav_config_start", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(startSource <= 3, 2, "start source must be 0 to 3");
        DWAV_REQUIRE(flag(eventForm), 3, "event form must be 0 (front) or 1 (cut)");
        DWAV_REQUIRE(inRange(delay, 0.0, 1000.0), 4, "start delay must be 0 to 1000 s");
        m.config.startSource = startSource;
        m.config.eventForm = eventForm;
        m.config.startDelay = delay;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_start_q(ViSession vi, ViPUInt16 startSource, ViPUInt16 eventForm,
                                         ViPReal64 delay)
{
    return onModule("tvkdwav_config_start_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, startSource, c.startSource), out(3, eventForm, c.eventForm),
                      out(4, delay, c.startDelay));
    });
}

ViStatus _VI_FUNC tvkdwav_config_mode(ViSession vi, ViUInt16 mode)
{
    return onModule("tvkdwav_config_mode", vi, Args().session("vi", vi).u("mode", mode),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(mode), 2, "mode must be 1 (AFG) or 0 (AWG)");
        m.config.mode = mode;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_mode_q(ViSession vi, ViPUInt16 mode)
{
    return onModule("tvkdwav_config_mode_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, mode, c.mode));
    });
}

ViStatus _VI_FUNC tvkdwav_config_awg(ViSession vi, ViUInt16 awgMode, ViUInt16 startMode,
                                     ViUInt16 numCycles, ViUInt16 numPacks, ViUInt32 numSamples)
{
    const Args args = Args().session("vi", vi).u("awgMode", awgMode).u("startMode", startMode)
                          .u("numCycles", numCycles).u("numPacks", numPacks).u("numSamples", numSamples);
    return onModule("tvkdwav_config_awg", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(flag(awgMode), 2, "AWG mode must be 0 or 1");
        DWAV_REQUIRE(flag(startMode), 3, "AWG start mode must be 0 or 1");
        DWAV_REQUIRE(numCycles >= 1, 4, "number of cycles must be 1 to 65535");
        DWAV_REQUIRE(numPacks >= 1 && numPacks <= 8192, 5, "number of packets must be 1 to 8192");
        DWAV_REQUIRE(numSamples >= 8 && numSamples <= 50000000u, 6,
                     "samples per packet must be 8 to 50000000");
        const unsigned long long total = static_cast<unsigned long long>(numPacks) * numSamples;
        if (total > m.profile.awgCapacity)
            return bench.refuse(vi, TVKDWAV_ERROR_AWG_CAPACITY,
                                std::to_string(numPacks) + " packets of " + std::to_string(numSamples)
                                    + " samples exceed " + std::to_string(m.profile.awgCapacity)
                                    + " samples per channel");
        const ViUInt16 oldPacks = m.config.numPacks;
        const ViUInt32 oldSamples = m.config.numSamples;
        m.config.awgMode = awgMode;
        m.config.awgStartMode = startMode;
        m.config.numCycles = numCycles;
        m.config.numPacks = numPacks;
        m.config.numSamples = numSamples;
        m.awgLayoutChanged(oldPacks, oldSamples);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_awg_q(ViSession vi, ViPUInt16 awgMode, ViPUInt16 startMode,
                                       ViPUInt16 numCycles, ViPUInt16 numPacks, ViPUInt32 numSamples)
{
    return onModule("tvkdwav_config_awg_q", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) {
        const ModuleModel::Config &c = m.config;
        return answer(bench, vi, out(2, awgMode, c.awgMode), out(3, startMode, c.awgStartMode),
                      out(4, numCycles, c.numCycles), out(5, numPacks, c.numPacks), out(6, numSamples, c.numSamples));
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg(ViSession vi, ViUInt16 chan, ViReal64 ampl, ViReal64 freq,
                                     ViReal64 phase)
{
    const Args args = Args().session("vi", vi).u("chan", chan).d("ampl", ampl).d("freq", freq)
                          .d("phase", phase);
    return onModule("tvkdwav_config_afg", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        DWAV_REQUIRE(inRange(ampl, 0.0, maxLevel), 3, "amplitude must be 0 to 10 V");
        DWAV_REQUIRE(freq > 0.0 && freq <= maxFrequency, 4, "frequency must be above 0 and at most 600 MHz");
        DWAV_REQUIRE(inRange(phase, -360.0, 360.0), 5, "phase must be -360 to 360 degrees");
        ModuleModel::Afg &a = m.config.afg[chan];
        a.ampl = ampl;
        a.freq = freq;
        a.phase = phase;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_q(ViSession vi, ViUInt16 chan, ViPReal64 ampl, ViPReal64 freq,
                                       ViPReal64 phase)
{
    return onModule("tvkdwav_config_afg_q", vi, Args().session("vi", vi).u("chan", chan),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        const ModuleModel::Afg &a = m.config.afg[chan];
        return answer(bench, vi, out(3, ampl, a.ampl), out(4, freq, a.freq), out(5, phase, a.phase));
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_gen(ViSession vi, ViUInt16 chan, ViUInt16 genMode)
{
    const Args args = Args().session("vi", vi).u("chan", chan).u("genMode", genMode);
    return onModule("tvkdwav_config_afg_gen", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        DWAV_REQUIRE(flag(genMode), 3, "generator mode must be 0 (synthesiser) or 1 (point table)");
        m.config.afg[chan].genMode = genMode;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_gen_q(ViSession vi, ViUInt16 chan, ViPUInt16 genMode)
{
    return onModule("tvkdwav_config_afg_gen_q", vi, Args().session("vi", vi).u("chan", chan),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        const ModuleModel::Afg &a = m.config.afg[chan];
        return answer(bench, vi, out(3, genMode, a.genMode));
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_signal(ViSession vi, ViUInt16 chan, ViUInt16 levelLimit,
                                            ViReal64 upperLimit, ViReal64 lowerLimit, ViReal64 offset)
{
    const Args args = Args().session("vi", vi).u("chan", chan).u("levelLimit", levelLimit)
                          .d("upperLimit", upperLimit).d("lowerLimit", lowerLimit).d("offset", offset);
    return onModule("tvkdwav_config_afg_signal", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        DWAV_REQUIRE(flag(levelLimit), 3, "level limiting must be 0 or 1");
        DWAV_REQUIRE(inRange(upperLimit, -maxLevel, maxLevel), 4, "upper limit must be -10 to 10 V");
        DWAV_REQUIRE(inRange(lowerLimit, -maxLevel, maxLevel), 5, "lower limit must be -10 to 10 V");
        DWAV_REQUIRE(inRange(offset, -maxLevel, maxLevel), 6, "offset must be -10 to 10 V");
        ModuleModel::Afg &a = m.config.afg[chan];
        a.levelLimit = levelLimit;
        a.upperLimit = upperLimit;
        a.lowerLimit = lowerLimit;
        a.offset = offset;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_signal_q(ViSession vi, ViUInt16 chan, ViPUInt16 levelLimit,
                                              ViPReal64 upperLimit, ViPReal64 lowerLimit,
                                              ViPReal64 offset)
{
    return onModule("tvkdwav_config_afg_signal_q", vi, Args().session("vi", vi).u("chan", chan),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        const ModuleModel::Afg &a = m.config.afg[chan];
        return answer(bench, vi, out(3, levelLimit, a.levelLimit), out(4, upperLimit, a.upperLimit),
                      out(5, lowerLimit, a.lowerLimit), out(6, offset, a.offset));
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_modul(ViSession vi, ViUInt16 chan, ViUInt16 modulType,
                                           ViReal64 modulFreq, ViReal64 modulIndex, ViReal64 freqDev,
                                           ViReal64 phaseDev)
{
    const Args args = Args().session("vi", vi).u("chan", chan).u("modulType", modulType)
                          .d("modulFreq", modulFreq).d("modulIndex", modulIndex).d("freqDev", freqDev)
                          .d("phaseDev", phaseDev);
    return onModule("tvkdwav_config_afg_modul", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        DWAV_REQUIRE(modulType <= 5, 3, "modulation type must be 0 to 5");
        DWAV_REQUIRE(inRange(modulFreq, 0.0, maxFrequency), 4, "modulation frequency must be 0 to 600 MHz");
        DWAV_REQUIRE(inRange(modulIndex, 0.0, 100.0), 5, "modulation index must be 0 to 100 %");
        DWAV_REQUIRE(inRange(freqDev, 0.0, maxFrequency), 6, "frequency deviation must be 0 to 600 MHz");
        DWAV_REQUIRE(inRange(phaseDev, -360.0, 360.0), 7, "phase deviation must be -360 to 360 degrees");
        ModuleModel::Afg &a = m.config.afg[chan];
        a.modulType = modulType;
        a.modulFreq = modulFreq;
        a.modulIndex = modulIndex;
        a.freqDev = freqDev;
        a.phaseDev = phaseDev;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_config_afg_modul_q(ViSession vi, ViUInt16 chan, ViPUInt16 modulType,
                                             ViPReal64 modulFreq, ViPReal64 modulIndex,
                                             ViPReal64 freqDev, ViPReal64 phaseDev)
{
    return onModule("tvkdwav_config_afg_modul_q", vi, Args().session("vi", vi).u("chan", chan),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        const ModuleModel::Afg &a = m.config.afg[chan];
        return answer(bench, vi, out(3, modulType, a.modulType), out(4, modulFreq, a.modulFreq),
                      out(5, modulIndex, a.modulIndex), out(6, freqDev, a.freqDev), out(7, phaseDev, a.phaseDev));
    });
}

ViStatus _VI_FUNC tvkdwav_afg_setData(ViSession vi, ViUInt16 chan, const ViReal64 *points,
                                      ViUInt16 count, ViReal64 period)
{
    const Args args = Args().session("vi", vi).u("chan", chan).values("points", points, count)
                          .u("count", count).d("period", period);
    return onModule("tvkdwav_afg_setData", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        DWAV_REQUIRE(points || count == 0, 3, "no point buffer");
        DWAV_REQUIRE(count <= TVKDWAV_AFG_MAX_POINTS, 4, "at most 1024 points");
        // A single level needs no period; a table does.
        DWAV_REQUIRE(count <= 1 ? inRange(period, 0.0, 1e6) : (period > 0.0 && period <= 1e6), 5,
                     "point period must be above 0 s");
        for (ViUInt16 k = 0; k < count; ++k) {
            if (!inRange(points[k], -maxLevel, maxLevel))
                return bench.refuse(vi, dwavsim::parameterError(3),
                                    "point " + std::to_string(k) + " lies outside -10 to 10 V");
        }
        ModuleModel::Afg &a = m.config.afg[chan];
        a.points.assign(points, points + count);
        a.period = period;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_afg_getData(ViSession vi, ViUInt16 chan, ViReal64 *points, ViPUInt16 count,
                                      ViReal64 *period)
{
    const Args args = Args().session("vi", vi).u("chan", chan).p("points", points);
    return onModule("tvkdwav_afg_getData", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 2, "channel must be 0 or 1");
        const ModuleModel::Afg &a = m.config.afg[chan];
        const ViStatus status = answer(bench, vi, out(4, count, a.points.size()), out(5, period, a.period));
        if (status == VI_SUCCESS && points)
            std::copy(a.points.begin(), a.points.end(), points);
        return status;
    });
}

} // extern "C"
