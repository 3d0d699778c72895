#include "ModuleModel.h"

#include "Cp1251.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace dwavsim {

namespace {

const double fullScaleVolts = 10.0;
// The module warms up while it generates and cools down when idle.
const double heatUpSeconds = 120.0;
const double coolDownSeconds = 300.0;

#if defined(__GNUC__)
std::string format(const char *pattern, ...) __attribute__((format(printf, 1, 2)));
#endif
std::string format(const char *pattern, ...)
{
    char buffer[1024];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

std::string cp(const std::string &utf8)
{
    return Cp1251::fromUtf8(utf8);
}

} // namespace

ModuleModel::ModuleModel(const ModuleProfile &moduleProfile, int position, std::uint64_t nowNs)
    : profile(moduleProfile), m_position(position), m_heatUpdatedNs(nowNs)
{
    std::memset(&calibration, 0, sizeof calibration);
    calibration.signature = 0x31415744u; // "DWA1"
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 2; ++r) {
            calibration.auxDac[c][r] = static_cast<std::uint16_t>(0x7F00 + 0x10 * c + 0x40 * r + position);
            calibration.dacGain[c][r] = static_cast<std::uint16_t>(0x01F0 + 0x08 * c + 0x20 * r);
        }
        calibration.nOffset[c] = static_cast<std::uint16_t>(0x00FF + c);
        calibration.kOffset[c] = 1.0 + 0.0012 * (c + 1);
    }
    for (int i = 0; i < 4; ++i) {
        calibration.adcOffset[i] = 0.0011 * (i + 1) - 0.002;
        calibration.adcRange[i] = 1.0 + 0.0005 * i;
    }
    std::strncpy(reinterpret_cast<char *>(calibration.reserved), profile.serial.c_str(),
                 sizeof calibration.reserved - 1);
    flash = calibration;
    calibrationDate = "15.03.2026";
}

void ModuleModel::resetConfiguration(std::uint64_t nowNs)
{
    stop(nowNs);
    const std::uint16_t oldPacks = config.numPacks;
    const std::uint32_t oldSamples = config.numSamples;
    config = Config();
    awgLayoutChanged(oldPacks, oldSamples);
}

// ---- Run state -----------------------------------------------------------

void ModuleModel::advance(std::uint64_t nowNs)
{
    if (nowNs > m_heatUpdatedNs) {
        const double dt = (nowNs - m_heatUpdatedNs) * 1e-9;
        if (m_run == Run::Generating)
            m_heat += (1.0 - m_heat) * (1.0 - std::exp(-dt / heatUpSeconds));
        else
            m_heat -= m_heat * (1.0 - std::exp(-dt / coolDownSeconds));
        m_heatUpdatedNs = nowNs;
    }
    if (m_run == Run::Awaiting && m_eventScheduled && nowNs >= m_eventAtNs) {
        m_eventScheduled = false;
        trigger(m_eventAtNs);
    }
    if (m_run == Run::Delay && nowNs >= m_delayEndNs)
        m_run = Run::Generating;
}

void ModuleModel::trigger(std::uint64_t atNs)
{
    if (config.startDelay > 0.0) {
        m_run = Run::Delay;
        m_delayEndNs = atNs + static_cast<std::uint64_t>(config.startDelay * 1e9);
    } else {
        m_run = Run::Generating;
    }
}

void ModuleModel::start(std::uint64_t nowNs)
{
    advance(nowNs);
    m_eventScheduled = false;
    if (config.startSource == 0) {
        trigger(nowNs);
    } else {
        m_run = Run::Awaiting;
        if (config.startSource >= 2 && profile.externalEventMs >= 0) {
            m_eventScheduled = true;
            m_eventAtNs = nowNs + static_cast<std::uint64_t>(profile.externalEventMs) * 1000000u;
        }
    }
    advance(nowNs);
}

void ModuleModel::programStart(std::uint64_t nowNs)
{
    advance(nowNs);
    if (m_run == Run::Idle || m_run == Run::Awaiting) {
        m_eventScheduled = false;
        trigger(nowNs);
    }
    advance(nowNs);
}

bool ModuleModel::externalEvent(std::uint64_t nowNs)
{
    advance(nowNs);
    if (m_run != Run::Awaiting || config.startSource < 2)
        return false;
    m_eventScheduled = false;
    trigger(nowNs);
    advance(nowNs);
    return true;
}

void ModuleModel::stop(std::uint64_t nowNs)
{
    advance(nowNs);
    m_run = Run::Idle;
    m_eventScheduled = false;
}

std::uint16_t ModuleModel::runState(std::uint64_t nowNs, std::int32_t *remainingMs)
{
    advance(nowNs);
    std::int32_t remaining = 0;
    std::uint16_t state = TVKDWAV_STATE_IDLE;
    switch (m_run) {
    case Run::Idle:
        break;
    case Run::Awaiting:
        state = TVKDWAV_STATE_AWAITS_EVENT;
        break;
    case Run::Delay:
        state = TVKDWAV_STATE_DELAY;
        remaining = static_cast<std::int32_t>((m_delayEndNs - nowNs + 999999u) / 1000000u);
        break;
    case Run::Generating:
        state = TVKDWAV_STATE_GENERATING;
        break;
    }
    if (remainingMs)
        *remainingMs = remaining;
    return state;
}

void ModuleModel::temperatures(std::uint64_t nowNs, double &t1, double &t2)
{
    advance(nowNs);
    // A slow ripple keeps the readings from looking frozen.
    const double ripple = 0.05 * std::sin(nowNs * 1e-9 / 7.0 + m_position);
    t1 = 31.5 + 0.3 * m_position + 9.0 * m_heat + ripple;
    t2 = 27.0 + 0.2 * m_position + 5.5 * m_heat - ripple / 2.0;
}

double ModuleModel::adc(std::uint16_t input, std::uint64_t nowNs)
{
    advance(nowNs);
    double level = 0.0;
    if (input < 2) {
        const Channel &chan = config.chan[input];
        if (m_run == Run::Generating && chan.state && chan.output) {
            level = chan.offset;
            const Afg &afg = config.afg[input];
            if (config.mode == 1 && afg.genMode == 1 && !afg.points.empty())
                level += afg.points.front();
        }
    }
    // Nothing is wired to the control inputs on the bench: they read 0 V
    // plus their offset.
    return level * calibration.adcRange[input] + calibration.adcOffset[input];
}

// ---- AWG memory -----------------------------------------------------------

std::int16_t ModuleModel::codeOf(double volts)
{
    double scaled = std::trunc(volts / fullScaleVolts * 32768.0);
    if (scaled > 32767.0)
        scaled = 32767.0;
    if (scaled < -32768.0)
        scaled = -32768.0;
    return static_cast<std::int16_t>(scaled);
}

double ModuleModel::voltsOf(std::int16_t code)
{
    return code * fullScaleVolts / 32768.0;
}

void ModuleModel::awgLayoutChanged(std::uint16_t oldPacks, std::uint32_t oldSamples)
{
    (void)oldPacks;
    for (auto &memory : m_awg) {
        if (config.numSamples != oldSamples) {
            memory.clear();
            continue;
        }
        for (auto it = memory.begin(); it != memory.end();) {
            if (it->first >= config.numPacks)
                it = memory.erase(it);
            else
                ++it;
        }
    }
}

void ModuleModel::awgWrite(int chan, std::uint16_t packet, const double *volts, std::uint32_t count)
{
    Packet &p = m_awg[chan][packet];
    p.codes = false;
    p.raw.clear();
    p.raw.shrink_to_fit();
    p.volts.assign(volts, volts + count);
}

void ModuleModel::awgWrite(int chan, std::uint16_t packet, const std::int16_t *codes,
                           std::uint32_t count)
{
    Packet &p = m_awg[chan][packet];
    p.codes = true;
    p.volts.clear();
    p.volts.shrink_to_fit();
    p.raw.assign(codes, codes + count);
}

void ModuleModel::sample(const Packet &p, std::size_t k, double &volts)
{
    volts = p.codes ? voltsOf(p.raw[k]) : p.volts[k];
}

void ModuleModel::sample(const Packet &p, std::size_t k, std::int16_t &code)
{
    code = p.codes ? p.raw[k] : codeOf(p.volts[k]);
}

template <typename T>
void ModuleModel::awgReadAs(int chan, std::uint16_t packet, T *values, std::uint32_t count) const
{
    const auto it = m_awg[chan].find(packet);
    const std::size_t held = it == m_awg[chan].end() ? 0
                             : it->second.codes   ? it->second.raw.size()
                                                  : it->second.volts.size();
    for (std::uint32_t k = 0; k < count; ++k) {
        T value = 0;
        if (k < held)
            sample(it->second, k, value);
        values[k] = value;
    }
}

void ModuleModel::awgRead(int chan, std::uint16_t packet, double *volts, std::uint32_t count) const
{
    awgReadAs(chan, packet, volts, count);
}

void ModuleModel::awgRead(int chan, std::uint16_t packet, std::int16_t *codes, std::uint32_t count) const
{
    awgReadAs(chan, packet, codes, count);
}

// ---- Calibration ------------------------------------------------------------

std::string ModuleModel::today()
{
    const std::time_t now = std::time(nullptr);
    const std::tm *local = std::localtime(&now);
    char buffer[32] = "01.01.2026";
    if (local)
        std::strftime(buffer, sizeof buffer, "%d.%m.%Y", local);
    return buffer;
}

void ModuleModel::calibrateChannel(int chan)
{
    // The multimeter finds the channel a little off its old coefficients.
    for (int r = 0; r < 2; ++r) {
        calibration.auxDac[chan][r] = static_cast<std::uint16_t>(calibration.auxDac[chan][r] + 3 - 2 * r);
        calibration.dacGain[chan][r] = static_cast<std::uint16_t>(calibration.dacGain[chan][r] + 1);
    }
    calibration.nOffset[chan] = static_cast<std::uint16_t>(calibration.nOffset[chan] + 1);
    calibration.kOffset[chan] = 1.0 + 0.0007 * (chan + 1);
    calibrationDate = today();
}

std::string ModuleModel::calibrateAdc()
{
    for (int i = 0; i < 4; ++i) {
        calibration.adcOffset[i] = 0.0004 * (i + 1) - 0.0009;
        calibration.adcRange[i] = 1.0002 + 0.0003 * i;
    }
    calibrationDate = today();
    return cp(format("Калибровка АЦП завершена: смещение входа «Контроль» %.4f В, диапазон %.4f",
                     calibration.adcOffset[2], calibration.adcRange[2]));
}

// ---- Tests -------------------------------------------------------------------

std::int16_t ModuleModel::selfTest(std::string &message) const
{
    if (profile.selfTestPasses) {
        message = cp(format("Самотестирование модуля DWAV (позиция %d): ошибок не обнаружено", m_position));
        return 0;
    }
    message = cp(format("Самотестирование модуля DWAV (позиция %d): нет ответа ПЛИС канала 2 (код 4)",
                        m_position));
    return 4;
}

std::int16_t ModuleModel::okOffTest(std::string &message) const
{
    if (profile.okOffTestPasses) {
        message = cp("Тест ОК-выкл. 1: выходные ключи обоих каналов исправны");
        return 0;
    }
    message = cp("Тест ОК-выкл. 1: канал 1 не отключается от выхода");
    return 1;
}

std::int16_t ModuleModel::ramTest(std::uint32_t start, std::uint16_t kiloSamples, std::uint16_t mode,
                                  std::uint16_t readOnly, std::string &message) const
{
    static const char *const modes[] = {"бегущий 0", "бегущий 1", "адрес 16 бит", "адрес 32 бит"};
    const std::uint32_t end = start + static_cast<std::uint32_t>(kiloSamples) * 1024u - 1u;
    const std::string head = format("Тест ОЗУ (%s%s): адреса 0x%08X–0x%08X, %u К отсчётов: ",
                                    modes[mode], readOnly ? ", только чтение" : "",
                                    static_cast<unsigned>(start), static_cast<unsigned>(end),
                                    static_cast<unsigned>(kiloSamples));
    if (profile.ramTestPasses) {
        message = cp(head + "ошибок нет");
        return 0;
    }
    message = cp(head + format("ошибка по адресу 0x%08X, записано 0x5555, прочитано 0x5575",
                               static_cast<unsigned>(start + 0x40u)));
    return 2;
}

std::int16_t ModuleModel::afgTest(int chan, std::string &message) const
{
    if (profile.afgTestPasses) {
        message = cp(format("Тест АФГ канала %d: амплитуда и частота в допуске", chan + 1));
        return 0;
    }
    message = cp(format("Тест АФГ канала %d: амплитуда вне допуска (измерено 0,93 В, ожидалось 1,00 В)",
                        chan + 1));
    return 3;
}

std::string ModuleModel::instrumentRevision() const
{
    return cp("Модуль DWAV № " + (profile.serial.empty() ? std::string("б/н") : profile.serial)
              + ", ПЛИС 3.07, ПО 1.12");
}

// ---- Looking inside ------------------------------------------------------------

bool ModuleModel::value(const std::string &key, std::uint64_t nowNs, double &out)
{
    const Config &c = config;
    if (key.size() > 6 && (key.compare(0, 4, "chan") == 0 || key.compare(0, 3, "afg") == 0)) {
        const bool isChan = key.compare(0, 4, "chan") == 0;
        const std::size_t digit = isChan ? 4 : 3;
        if (key[digit] != '0' && key[digit] != '1')
            return false;
        if (key[digit + 1] != '.')
            return false;
        const int i = key[digit] - '0';
        const std::string field = key.substr(digit + 2);
        if (isChan) {
            const Channel &ch = c.chan[i];
            if (field == "output") out = ch.output;
            else if (field == "state") out = ch.state;
            else if (field == "range") out = ch.range;
            else if (field == "Rn") out = ch.Rn;
            else if (field == "offset") out = ch.offset;
            else return false;
            return true;
        }
        const Afg &a = c.afg[i];
        if (field == "ampl") out = a.ampl;
        else if (field == "freq") out = a.freq;
        else if (field == "phase") out = a.phase;
        else if (field == "genMode") out = a.genMode;
        else if (field == "levelLimit") out = a.levelLimit;
        else if (field == "upperLimit") out = a.upperLimit;
        else if (field == "lowerLimit") out = a.lowerLimit;
        else if (field == "offset") out = a.offset;
        else if (field == "modulType") out = a.modulType;
        else if (field == "modulFreq") out = a.modulFreq;
        else if (field == "modulIndex") out = a.modulIndex;
        else if (field == "freqDev") out = a.freqDev;
        else if (field == "phaseDev") out = a.phaseDev;
        else if (field == "nPoints") out = static_cast<double>(a.points.size());
        else if (field == "period") out = a.period;
        else return false;
        return true;
    }
    const struct { const char *name; double value; } table[] = {
        {"sampleFreq", double(c.sampleFreq)}, {"dataSpeed", double(c.dataSpeed)},
        {"SF_source", double(c.sfSource)}, {"SF_output_freq", double(c.sfOutputFreq)},
        {"HB1", double(c.hb[0])}, {"HB2", double(c.hb[1])}, {"HB3", double(c.hb[2])},
        {"modulNCO", double(c.modulNCO)}, {"attenuateNCO", double(c.attenuateNCO)},
        {"freqNCO", c.freqNCO}, {"premodul", double(c.premodul)},
        {"sinXFilter", double(c.sinXFilter)}, {"invertSideBand", double(c.invertSideBand)},
        {"doubleDataForBothChans", double(c.doubleData)}, {"adjustIQ", double(c.adjustIQ)},
        {"modulAmplDiff_I", c.amplDiffI}, {"modulAmplDiff_Q", c.amplDiffQ},
        {"modulPhaseDiff", c.phaseDiff}, {"startSource", double(c.startSource)},
        {"startEventForm", double(c.eventForm)}, {"startDelay", c.startDelay},
        {"mode", double(c.mode)}, {"awgMode", double(c.awgMode)},
        {"awgStartMode", double(c.awgStartMode)}, {"numCycles", double(c.numCycles)},
        {"numPacks", double(c.numPacks)}, {"numSamples", double(c.numSamples)},
        {"flashSaves", double(flashSaves)},
    };
    for (const auto &entry : table) {
        if (key == entry.name) {
            out = entry.value;
            return true;
        }
    }
    if (key == "runState") {
        out = runState(nowNs, nullptr);
        return true;
    }
    if (key == "temperature1" || key == "temperature2") {
        double t1 = 0.0;
        double t2 = 0.0;
        temperatures(nowNs, t1, t2);
        out = key == "temperature1" ? t1 : t2;
        return true;
    }
    if (key == "awgPackets0" || key == "awgPackets1") {
        out = static_cast<double>(m_awg[key.back() - '0'].size());
        return true;
    }
    return false;
}

} // namespace dwavsim
