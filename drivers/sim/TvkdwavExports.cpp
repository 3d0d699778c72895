// Session, run control, AWG memory, measurements, tests, calibration and
// texts of the simulated DWAV module (library tvkdwav_32).
#include "Cp1251.h"
#include "ModuleCall.h"

#include <string>

using dwavsim::Args;
using dwavsim::Bench;
using dwavsim::Cp1251;
using dwavsim::ModuleModel;
using dwavsim::onModule;

namespace {

bool isDwav(std::int16_t code)
{
    return code >= 0 && (code & 0x0FFF) == TVKDWAV_MODULE_CODE;
}

// Checks an AWG packet call against the configured set; `chan1`/`chan2`
// tell whether the caller gave the channels' buffers.
ViStatus checkPacket(Bench &bench, ViSession vi, const ModuleModel &m, ViUInt16 chan,
                     ViUInt16 packet, bool chan1, bool chan2, ViUInt32 count)
{
    DWAV_REQUIRE(chan <= 2, 2, "channel choice must be 0, 1 or 2 (both)");
    if (packet >= m.config.numPacks)
        return bench.refuse(vi, TVKDWAV_ERROR_AWG_PACKET,
                            "packet " + std::to_string(packet) + " of " + std::to_string(m.config.numPacks));
    DWAV_REQUIRE(chan == 1 || chan1, 5, "no buffer for channel 1");
    DWAV_REQUIRE(chan == 0 || chan2, 6, "no buffer for channel 2");
    if (count != m.config.numSamples)
        return bench.refuse(vi, TVKDWAV_ERROR_AWG_COUNT,
                            std::to_string(count) + " samples given, "
                                + std::to_string(m.config.numSamples) + " configured");
    const unsigned long long total = static_cast<unsigned long long>(m.config.numPacks) * count;
    if (total > m.profile.awgCapacity)
        return bench.refuse(vi, TVKDWAV_ERROR_AWG_CAPACITY,
                            "the configured set exceeds " + std::to_string(m.profile.awgCapacity) + " samples");
    return VI_SUCCESS;
}

ViStatus checkSamples(Bench &bench, ViSession vi, const ViReal64 *values, ViUInt32 count, int parameter)
{
    for (ViUInt32 k = 0; k < count; ++k) {
        if (!dwavsim::inRange(values[k], -10.0, 10.0))
            return bench.refuse(vi, dwavsim::parameterError(parameter),
                                "sample " + std::to_string(k) + " lies outside -10 to 10 V");
    }
    return VI_SUCCESS;
}

// Every 16-bit code is a level the DAC can put out.
ViStatus checkSamples(Bench &, ViSession, const ViInt16 *, ViUInt32, int)
{
    return VI_SUCCESS;
}

Args packetArgs(ViSession vi, ViUInt16 chan, ViUInt16 packet, ViUInt16 reserved, ViUInt32 count)
{
    return Args().session("vi", vi).u("chan", chan).u("packet", packet).u("reserved", reserved)
        .u("count", count);
}

// One packet into the AWG memory, as volts or as codes.
template <typename T>
ViStatus writePacket(const char *function, ViSession vi, ViUInt16 chan, ViUInt16 packet,
                     ViUInt16 reserved, const T *chan1, const T *chan2, ViUInt32 count)
{
    Args args = packetArgs(vi, chan, packet, reserved, count);
    // The buffer of a channel the packet leaves alone may be shorter than
    // count: only whether there is one is shown.
    if (chan != 1)
        args.values("chan1", chan1, count);
    else
        args.p("chan1", chan1);
    if (chan != 0)
        args.values("chan2", chan2, count);
    else
        args.p("chan2", chan2);
    return onModule(function, vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        ViStatus status = checkPacket(bench, vi, m, chan, packet, chan1, chan2, count);
        if (status >= 0 && chan != 1)
            status = checkSamples(bench, vi, chan1, count, 5);
        if (status >= 0 && chan != 0)
            status = checkSamples(bench, vi, chan2, count, 6);
        if (status < 0)
            return status;
        if (chan != 1)
            m.awgWrite(0, packet, chan1, count);
        if (chan != 0)
            m.awgWrite(1, packet, chan2, count);
        return VI_SUCCESS;
    });
}

// One packet out of the AWG memory, as volts or as codes.
template <typename T>
ViStatus readPacket(const char *function, ViSession vi, ViUInt16 chan, ViUInt16 packet,
                    ViUInt16 reserved, T *chan1, T *chan2, ViUInt32 count)
{
    Args args = packetArgs(vi, chan, packet, reserved, count);
    args.p("chan1", chan1).p("chan2", chan2);
    return onModule(function, vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        const ViStatus status = checkPacket(bench, vi, m, chan, packet, chan1, chan2, count);
        if (status < 0)
            return status;
        if (chan != 1)
            m.awgRead(0, packet, chan1, count);
        if (chan != 0)
            m.awgRead(1, packet, chan2, count);
        return VI_SUCCESS;
    });
}

ViStatus command(const char *function, ViSession vi, void (ModuleModel::*act)(std::uint64_t))
{
    return onModule(function, vi, Args().session("vi", vi), [&](Bench &bench, ModuleModel &m) {
        (m.*act)(bench.now());
        return VI_SUCCESS;
    });
}

// Hands a module test's result word and its message to the caller;
// `resultParameter` is the place of the result among the call's parameters,
// the message follows it.
template <typename Test>
ViStatus report(Bench &bench, ViSession vi, int resultParameter, ViPInt16 result, ViChar message[],
                std::size_t size, Test test)
{
    DWAV_REQUIRE(result, resultParameter, "no buffer for the result");
    DWAV_REQUIRE(message, resultParameter + 1, "no buffer for the message");
    std::string text;
    *result = test(text);
    Cp1251::copy(text, message, size);
    return VI_SUCCESS;
}

} // namespace

extern "C" {

// ---- Session -------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_init(ViConstRsrc resource, ViUInt16 idQuery, ViUInt16 reset,
                               ViPSession session)
{
    Bench &bench = Bench::instance();
    const Args args = Args().s("resource", resource).u("idQuery", idQuery).u("reset", reset);
    return bench.call("tvkdwav_init", args, [&]() -> ViStatus {
        return bench.openOnCarrier(resource, Bench::Kind::Module, VI_ERROR_FAIL_ID_QUERY, session);
    });
}

ViStatus _VI_FUNC tvkdwav_connect(ViSession vi, ViSession carrierSession, ViUInt16 position,
                                  ViUInt16 idQuery, ViUInt16 reset)
{
    Bench &bench = Bench::instance();
    const Args args = Args().session("vi", vi).session("carrier", carrierSession).u("position", position)
                          .u("idQuery", idQuery).u("reset", reset);
    return bench.call("tvkdwav_connect", args, [&]() -> ViStatus {
        Bench::Session *s = bench.session(vi);
        if (!s || s->kind != Bench::Kind::Module)
            return VI_ERROR_INV_OBJECT;
        const Bench::Session *carrier = bench.session(carrierSession);
        DWAV_REQUIRE(carrier && (carrier->kind == Bench::Kind::Carrier
                                 || carrier->kind == Bench::Kind::Instrument),
                     2, "no open carrier session");
        if (!dwavsim::sameName(carrier->resource, s->resource))
            return bench.refuse(vi, TVKDWAV_ERROR_CARRIER_MISMATCH,
                                "driver opened on " + s->resource + ", carrier session on " + carrier->resource);
        DWAV_REQUIRE(position >= 1 && position <= 8, 3, "position must be 1 to 8");
        const dwavsim::ResourceProfile *profile = bench.resource(s->resource.c_str());
        const auto it = profile ? profile->modules.find(position) : decltype(profile->modules.end())();
        if (!profile || it == profile->modules.end() || !it->second.present)
            return bench.refuse(vi, TVKDWAV_ERROR_NO_MODULE, "position " + std::to_string(position) + " is empty");
        if (idQuery && !isDwav(it->second.typeCode))
            return bench.refuse(vi, TVKDWAV_ERROR_NOT_DWAV,
                                "module type code " + std::to_string(it->second.typeCode));
        ModuleModel *m = bench.model(s->resource, position);
        if (!m)
            return bench.refuse(vi, TVKDWAV_ERROR_NO_MODULE, "position " + std::to_string(position) + " is empty");
        s->position = position;
        s->connected = true;
        if (reset)
            m->resetConfiguration(bench.now());
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_close(ViSession vi)
{
    Bench &bench = Bench::instance();
    return bench.call("tvkdwav_close", Args().session("vi", vi), [&]() {
        return bench.closeDriverSession(vi, Bench::Kind::Module);
    });
}

// ---- Run control -------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_start(ViSession vi)
{
    return command("tvkdwav_start", vi, &ModuleModel::start);
}

ViStatus _VI_FUNC tvkdwav_prog_start(ViSession vi)
{
    return command("tvkdwav_prog_start", vi, &ModuleModel::programStart);
}

ViStatus _VI_FUNC tvkdwav_stop(ViSession vi)
{
    return command("tvkdwav_stop", vi, &ModuleModel::stop);
}

ViStatus _VI_FUNC tvkdwav_reset(ViSession vi)
{
    return command("tvkdwav_reset", vi, &ModuleModel::resetConfiguration);
}

ViStatus _VI_FUNC tvkdwav_state(ViSession vi, ViPUInt16 runState, ViPInt32 remaining)
{
    return onModule("tvkdwav_state", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(runState, 2, "no buffer for the run state");
        std::int32_t left = 0;
        *runState = m.runState(bench.now(), &left);
        if (remaining)
            *remaining = left;
        return VI_SUCCESS;
    });
}

// ---- AWG memory ----------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_awg_writePacket(ViSession vi, ViUInt16 chan, ViUInt16 packet, ViUInt16 reserved,
                                          const ViReal64 *chan1, const ViReal64 *chan2, ViUInt32 count)
{
    return writePacket("tvkdwav_awg_writePacket", vi, chan, packet, reserved, chan1, chan2, count);
}

ViStatus _VI_FUNC tvkdwav_awg_readPacket(ViSession vi, ViUInt16 chan, ViUInt16 packet, ViUInt16 reserved,
                                         ViReal64 *chan1, ViReal64 *chan2, ViUInt32 count)
{
    return readPacket("tvkdwav_awg_readPacket", vi, chan, packet, reserved, chan1, chan2, count);
}

ViStatus _VI_FUNC tvkdwav_awg_writePacket_codes(ViSession vi, ViUInt16 chan, ViUInt16 packet,
                                                ViUInt16 reserved, const ViInt16 *chan1,
                                                const ViInt16 *chan2, ViUInt32 count)
{
    return writePacket("tvkdwav_awg_writePacket_codes", vi, chan, packet, reserved, chan1, chan2, count);
}

ViStatus _VI_FUNC tvkdwav_awg_readPacket_codes(ViSession vi, ViUInt16 chan, ViUInt16 packet,
                                               ViUInt16 reserved, ViInt16 *chan1, ViInt16 *chan2,
                                               ViUInt32 count)
{
    return readPacket("tvkdwav_awg_readPacket_codes", vi, chan, packet, reserved, chan1, chan2, count);
}

// ---- Measurements ----------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_ask_adc(ViSession vi, ViUInt16 input, ViPReal64 value)
{
    return onModule("tvkdwav_ask_adc", vi, Args().session("vi", vi).u("input", input),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(input <= 3, 2, "ADC input must be 0 to 3");
        DWAV_REQUIRE(value, 3, "no buffer for the value");
        *value = m.adc(input, bench.now());
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_get_temperature(ViSession vi, ViPReal64 temperature1, ViPReal64 temperature2)
{
    return onModule("tvkdwav_get_temperature", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(temperature1, 2, "no buffer for the first temperature");
        DWAV_REQUIRE(temperature2, 3, "no buffer for the second temperature");
        m.temperatures(bench.now(), *temperature1, *temperature2);
        return VI_SUCCESS;
    });
}

// ---- Tests ------------------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_self_test(ViSession vi, ViPInt16 result, ViChar message[])
{
    return onModule("tvkdwav_self_test", vi, Args().session("vi", vi), [&](Bench &bench, ModuleModel &m) {
        return report(bench, vi, 2, result, message, TVKDWAV_SELF_TEST_BUFLEN,
                      [&](std::string &text) { return m.selfTest(text); });
    });
}

ViStatus _VI_FUNC tvkdwav_test_OK_Off1(ViSession vi, ViPInt16 result, ViChar message[])
{
    return onModule("tvkdwav_test_OK_Off1", vi, Args().session("vi", vi), [&](Bench &bench, ModuleModel &m) {
        return report(bench, vi, 2, result, message, TVKDWAV_TEST_MESSAGE_BUFLEN,
                      [&](std::string &text) { return m.okOffTest(text); });
    });
}

ViStatus _VI_FUNC tvkdwav_test_RAM(ViSession vi, ViUInt32 startAddress, ViUInt16 kiloSamples, ViUInt16 mode,
                                   ViUInt16 readOnly, ViPInt16 result, ViChar message[])
{
    const Args args = Args().session("vi", vi).hex("start", startAddress).u("kiloSamples", kiloSamples)
                          .u("mode", mode).u("readOnly", readOnly);
    return onModule("tvkdwav_test_RAM", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        const unsigned long long end = static_cast<unsigned long long>(startAddress)
                                       + static_cast<unsigned long long>(kiloSamples) * 1024u;
        DWAV_REQUIRE(startAddress < m.profile.awgCapacity, 2, "start address beyond the AWG memory");
        DWAV_REQUIRE(kiloSamples >= 1 && end <= m.profile.awgCapacity, 3,
                     "the tested block must lie within the AWG memory");
        DWAV_REQUIRE(mode <= 3, 4, "test mode must be 0 to 3");
        DWAV_REQUIRE(readOnly <= 1, 5, "read only must be 0 or 1");
        return report(bench, vi, 6, result, message, TVKDWAV_TEST_MESSAGE_BUFLEN, [&](std::string &text) {
            return m.ramTest(startAddress, kiloSamples, mode, readOnly, text);
        });
    });
}

ViStatus _VI_FUNC tvkdwav_test_AFG(ViSession vi, ViUInt16 reserved, ViUInt16 chan, ViPInt16 result,
                                   ViChar message[])
{
    const Args args = Args().session("vi", vi).u("reserved", reserved).u("chan", chan);
    return onModule("tvkdwav_test_AFG", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 3, "channel must be 0 or 1");
        DWAV_REQUIRE(result, 4, "no buffer for the result");
        DWAV_REQUIRE(message, 5, "no buffer for the message");
        // The AFG test measures with the multimeter, like the calibration.
        if (!bench.description().multimeter)
            return bench.refuse(vi, TVKDWAV_ERROR_NO_MULTIMETER, "");
        return report(bench, vi, 4, result, message, TVKDWAV_TEST_MESSAGE_BUFLEN,
                      [&](std::string &text) { return m.afgTest(chan, text); });
    });
}

// ---- Calibration --------------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_calibrate(ViSession vi, ViUInt16 reserved, ViUInt16 chan)
{
    const Args args = Args().session("vi", vi).u("reserved", reserved).u("chan", chan);
    return onModule("tvkdwav_calibrate", vi, args, [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(chan <= 1, 3, "channel must be 0 or 1");
        if (!bench.description().multimeter)
            return bench.refuse(vi, TVKDWAV_ERROR_NO_MULTIMETER, "");
        m.calibrateChannel(chan);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_calibrate_ADC(ViSession vi, ViChar message[])
{
    return onModule("tvkdwav_calibrate_ADC", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(message, 2, "no buffer for the message");
        if (!m.profile.adcCalibrationPasses) {
            Cp1251::copy(Cp1251::fromUtf8("Калибровка АЦП не выполнена: нет сигнала на входе «Контроль»"),
                         message, TVKDWAV_CALIBRATION_MESSAGE_BUFLEN);
            return bench.refuse(vi, TVKDWAV_ERROR_CALIBRATION, "no signal at the control input");
        }
        Cp1251::copy(m.calibrateAdc(), message, TVKDWAV_CALIBRATION_MESSAGE_BUFLEN);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_stop_calibration(ViSession vi)
{
    return onModule("tvkdwav_stop_calibration", vi, Args().session("vi", vi),
                    [&](Bench &, ModuleModel &) { return VI_SUCCESS; });
}

ViStatus _VI_FUNC tvkdwav_get_calibration_data(ViSession vi, tvkdwav_CalibrationData *record)
{
    return onModule("tvkdwav_get_calibration_data", vi, Args().session("vi", vi).p("record", record),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(record, 2, "no calibration record");
        *record = m.calibration;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_save_CalibrationData_ToFlash(ViSession vi)
{
    return onModule("tvkdwav_save_CalibrationData_ToFlash", vi, Args().session("vi", vi),
                    [&](Bench &, ModuleModel &m) {
        m.flash = m.calibration;
        ++m.flashSaves;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_load_CalibrationData_FromFlash(ViSession vi)
{
    return onModule("tvkdwav_load_CalibrationData_FromFlash", vi, Args().session("vi", vi),
                    [&](Bench &, ModuleModel &m) {
        m.calibration = m.flash;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_get_calibration_date(ViSession vi, ViChar date[])
{
    return onModule("tvkdwav_get_calibration_date", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(date, 2, "no buffer for the date");
        Cp1251::copy(m.calibrationDate, date, TVKDWAV_CALIBRATION_DATE_BUFLEN);
        return VI_SUCCESS;
    });
}

// ---- Revisions and texts ---------------------------------------------------------------------

ViStatus _VI_FUNC tvkdwav_revision_query(ViSession vi, ViChar driverRevision[], ViChar instrumentRevision[])
{
    return onModule("tvkdwav_revision_query", vi, Args().session("vi", vi),
                    [&](Bench &bench, ModuleModel &m) -> ViStatus {
        DWAV_REQUIRE(driverRevision, 2, "no buffer for the driver revision");
        DWAV_REQUIRE(instrumentRevision, 3, "no buffer for the instrument revision");
        Cp1251::copy(Cp1251::fromUtf8("tvkdwav_32 1.4.2 (стенд)"), driverRevision, TVKDWAV_REVISION_BUFLEN);
        Cp1251::copy(m.instrumentRevision(), instrumentRevision, TVKDWAV_REVISION_BUFLEN);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_cmpVersions(ViSession vi)
{
    return onModule("tvkdwav_cmpVersions", vi, Args().session("vi", vi), [&](Bench &, ModuleModel &m) {
        return m.profile.versionsDiffer ? TVKDWAV_WARN_VERSIONS_DIFFER : VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkdwav_error_message(ViSession vi, ViStatus status, ViChar message[])
{
    Bench &bench = Bench::instance();
    return bench.call("tvkdwav_error_message", Args().session("vi", vi).i("status", status), [&]() -> ViStatus {
        // Texts are given for any session, even none: a caller asks after
        // its init or connect failed.
        if (!message)
            return VI_ERROR_PARAMETER3;
        return bench.statusText(vi, status, message, TVKDWAV_ERROR_MESSAGE_BUFLEN);
    });
}

} // extern "C"
