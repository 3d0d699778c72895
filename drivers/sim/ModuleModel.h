#pragma once

#include "BenchDescription.h"
#include "tvkdwav_32.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dwavsim {

// One DWAV module: every configured value, the point tables, the AWG
// memory, the calibration record and its flash copy, the run state and the
// temperatures. Calls arrive with the bench's lock held; times are the
// bench's monotonic nanoseconds.
class ModuleModel
{
public:
    struct Channel
    {
        std::uint16_t output = 0;
        std::uint16_t state = 0;
        std::uint16_t range = 0;
        double Rn = 50.0;
        double offset = 0.0;
    };
    struct Afg
    {
        double ampl = 0.0;
        double freq = 1000.0;
        double phase = 0.0;
        std::uint16_t genMode = 0;
        std::uint16_t levelLimit = 0;
        double upperLimit = 0.0;
        double lowerLimit = 0.0;
        double offset = 0.0;
        std::uint16_t modulType = 0;
        double modulFreq = 0.0;
        double modulIndex = 0.0;
        double freqDev = 0.0;
        double phaseDev = 0.0;
        std::vector<double> points;
        double period = 0.0;
    };
    struct Config
    {
        Channel chan[2];
        std::uint16_t sampleFreq = 3;
        std::uint16_t dataSpeed = 2;
        std::uint16_t sfSource = 0;
        std::uint16_t sfOutputFreq = 0;
        std::uint16_t hb[3] = {0, 0, 0};
        std::uint16_t modulNCO = 0;
        std::uint16_t attenuateNCO = 0;
        double freqNCO = 0.0;
        std::uint16_t premodul = 0;
        std::uint16_t sinXFilter = 0;
        std::uint16_t invertSideBand = 0;
        std::uint16_t doubleData = 0;
        std::uint16_t adjustIQ = 0;
        double amplDiffI = 0.0;
        double amplDiffQ = 0.0;
        double phaseDiff = 0.0;
        std::uint16_t startSource = 0;
        std::uint16_t eventForm = 0;
        double startDelay = 0.0;
        std::uint16_t mode = 1;
        std::uint16_t awgMode = 0;
        std::uint16_t awgStartMode = 0;
        std::uint16_t numCycles = 1;
        std::uint16_t numPacks = 1;
        std::uint32_t numSamples = 8;
        Afg afg[2];
    };

    ModuleModel(const ModuleProfile &profile, int position, std::uint64_t nowNs);

    ModuleProfile profile;
    Config config;

    // The configuration back to its power-on values; generation stops.
    void resetConfiguration(std::uint64_t nowNs);

    // ---- Run state
    void start(std::uint64_t nowNs);
    void programStart(std::uint64_t nowNs);
    // True when the module was waiting for the event.
    bool externalEvent(std::uint64_t nowNs);
    void stop(std::uint64_t nowNs);
    std::uint16_t runState(std::uint64_t nowNs, std::int32_t *remainingMs);
    void temperatures(std::uint64_t nowNs, double &t1, double &t2);
    double adc(std::uint16_t input, std::uint64_t nowNs);

    // ---- AWG memory
    // Drops what no longer fits a new packet layout.
    void awgLayoutChanged(std::uint16_t oldPacks, std::uint32_t oldSamples);
    // A packet is kept in the format it was written (volts or codes) and
    // read in either; what was never written reads as 0.
    void awgWrite(int chan, std::uint16_t packet, const double *volts, std::uint32_t count);
    void awgWrite(int chan, std::uint16_t packet, const std::int16_t *codes, std::uint32_t count);
    void awgRead(int chan, std::uint16_t packet, double *volts, std::uint32_t count) const;
    void awgRead(int chan, std::uint16_t packet, std::int16_t *codes, std::uint32_t count) const;
    static std::int16_t codeOf(double volts);
    static double voltsOf(std::int16_t code);

    // ---- Calibration
    tvkdwav_CalibrationData calibration;
    tvkdwav_CalibrationData flash;
    std::string calibrationDate;
    unsigned long flashSaves = 0;
    void calibrateChannel(int chan);
    std::string calibrateAdc();

    // ---- Tests (texts in Windows-1251)
    std::int16_t selfTest(std::string &message) const;
    std::int16_t okOffTest(std::string &message) const;
    std::int16_t ramTest(std::uint32_t start, std::uint16_t kiloSamples, std::uint16_t mode,
                         std::uint16_t readOnly, std::string &message) const;
    std::int16_t afgTest(int chan, std::string &message) const;
    std::string instrumentRevision() const;

    // A stored value by name, for the control API.
    bool value(const std::string &key, std::uint64_t nowNs, double &out);

private:
    enum class Run { Idle, Awaiting, Delay, Generating };
    struct Packet
    {
        bool codes = false;
        std::vector<double> volts;
        std::vector<std::int16_t> raw;
    };

    template <typename T>
    void awgReadAs(int chan, std::uint16_t packet, T *values, std::uint32_t count) const;
    static void sample(const Packet &p, std::size_t k, double &volts);
    static void sample(const Packet &p, std::size_t k, std::int16_t &code);

    void trigger(std::uint64_t atNs);
    void advance(std::uint64_t nowNs);
    static std::string today();

    int m_position;
    Run m_run = Run::Idle;
    std::uint64_t m_delayEndNs = 0;
    std::uint64_t m_eventAtNs = 0;
    bool m_eventScheduled = false;
    double m_heat = 0.0;
    std::uint64_t m_heatUpdatedNs = 0;
    std::map<std::uint16_t, Packet> m_awg[2];
};

} // namespace dwavsim
