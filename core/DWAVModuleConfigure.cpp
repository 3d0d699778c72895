// Sending the whole content of the parameter sets to the module, in the one
// order the driver expects, with an optional read-back of every value. A
// failing driver call stops the sequence; what was sent before it stays in
// the device. A read-back difference is only logged (and written back into
// the set): it never stops the sequence.

#include "DWAVModule.h"

#include "AFGParameters.h"
#include "AWGParameters.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"
#include "Dimensions.h"
#include "DriverCall.h"
#include "HarmonicalParameters.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "Logger.h"
#include "MultilevelParameters.h"
#include "PointTables.h"
#include "TriangularParameters.h"

#include "tvkdwav_32.h"

#include <cmath>

namespace {

const QString queryKey = QStringLiteral("Query parameters on config");

// Values the panel refuses to send are reported with the status a driver
// gives for a bad parameter, so the caller sees an ordinary failure.
constexpr ViStatus refusedStatus = VI_ERROR_INV_PARAMETER;

QString harmonicalKey() { return AFGParameters::subSetKey(AfgHarmonic); }
QString triangularKey() { return AFGParameters::subSetKey(AfgTriangular); }
QString impulseKey() { return AFGParameters::subSetKey(AfgImpulse); }
QString levelKey() { return AFGParameters::subSetKey(AfgLevel); }
QString multilevelKey() { return AFGParameters::subSetKey(AfgMultilevel); }

ViUInt16 u16(const QVariant &v)
{
    return ViUInt16(v.toUInt());
}

ViUInt16 flag(const QVariant &v)
{
    return v.toBool() ? 1 : 0;
}

// The index goes out as a whole number. QVariant::toUInt rounds a double
// (12.7 would become 13), so truncate it here and keep the 16-bit cut.
double wholeIndex(const QVariant &v)
{
    const double t = std::trunc(v.toDouble());
    if (!(std::fabs(t) < 9.0e18))
        return 0.0;
    return double(ViUInt16(quint64(qint64(t))));
}

// A time multiplier outside the unit table (0 when a settings file lacked
// the key) would be divided by; such a value is refused before anything is
// sent. Empty when the multiplier is known. Frequencies are multiplied, so
// their multipliers are used as they stand.
QString timeModifierRefusal(const IParameter &set, const char *key)
{
    const int multiplier = set.getParameter(QLatin1String(key)).toInt();
    if (!Dimensions::instance()->timeUnit(multiplier).isEmpty())
        return QString();
    return DWAVModule::tr("Time unit multiplier %1 of %2 is not a known unit")
        .arg(multiplier)
        .arg(QLatin1String(key));
}

double timeFactor(const IParameter &set, const char *key)
{
    return Dimensions::instance()->timeFactor(set.getParameter(QLatin1String(key)).toInt());
}

double freqFactor(const IParameter &set, const char *key)
{
    return Dimensions::instance()->freqFactor(set.getParameter(QLatin1String(key)).toInt());
}

// Empty for the five forms the panel sends.
QString unknownFormRefusal(afgSignalTypes form, int chan)
{
    if (form >= AfgHarmonic && form <= AfgMultilevel)
        return QString();
    return DWAVModule::tr("Signal form %1 of channel %2 is not known").arg(int(form)).arg(chan + 1);
}

QString triangularRefusal(const TriangularParameters &t)
{
    QString reason = timeModifierRefusal(t, "TupModifier");
    if (reason.isEmpty())
        reason = timeModifierRefusal(t, "TdnModifier");
    return reason;
}

QString impulseRefusal(const ImpulseParameters &p)
{
    return timeModifierRefusal(p, "TModifier");
}

int refuse(DWAVModule *module, const QString &reason)
{
    module->setLastStatus(refusedStatus);
    module->setLastError(reason, refusedStatus);
    return refusedStatus;
}

// The point tables of the two computed forms from their sub-sets, times
// in seconds; with a null table only the count and period are worked out.
int triangleTable(DWAVModule *module, const TriangularParameters &t, double *table, double *dt,
                  quint32 *n)
{
    return module->calcTrianglePoints(
        t.getParameter(QStringLiteral("Uup")).toDouble(),
        t.getParameter(QStringLiteral("Tup")).toDouble() * timeFactor(t, "TupModifier"),
        t.getParameter(QStringLiteral("Udn")).toDouble(),
        t.getParameter(QStringLiteral("Tdn")).toDouble() * timeFactor(t, "TdnModifier"), table,
        dt, n);
}

int impulseTable(DWAVModule *module, const ImpulseParameters &p, double *table, double *dt,
                 quint32 *n)
{
    return module->calcImpulsePoints(
        p.getParameter(QStringLiteral("Uup")).toDouble(),
        p.getParameter(QStringLiteral("Tup")).toDouble(),
        p.getParameter(QStringLiteral("Udn")).toDouble(),
        p.getParameter(QStringLiteral("Tdn")).toDouble(),
        p.getParameter(QStringLiteral("dutyFactor")).toDouble(),
        p.getParameter(QStringLiteral("T")).toDouble() * timeFactor(p, "TModifier"), table, dt, n);
}

// The read-back value in the type the set holds under that key, then
// stored; -1 when there is no set, no write-back or no such key.
int writeBack(const QString &name, const QVariant &value, IParameter *set, bool writeBackOn)
{
    if (!set || !writeBackOn)
        return -1;
    const QVariant current = set->getParameter(name);
    if (!current.isValid())
        return -1;
    return set->setParameter(name, DWAVModule::parameterFromSettings(current, value));
}

} // namespace

int DWAVModule::checkQueriedValue(const QString &name, double value, double configured,
                                  IParameter *set, bool writeBackOn, double tolerance)
{
    if (value == configured)
        return 0;
    if (tolerance != 0.0 && std::fabs(value - configured) <= tolerance)
        return 1;
    logger()->log(QStringLiteral("%1: %2 != %3")
                      .arg(name, QString::number(value, 'g', 6),
                           QString::number(configured, 'g', 6)),
                  queryKey);
    return writeBack(name, value, set, writeBackOn);
}

int DWAVModule::checkQueriedValue(const QString &name, unsigned long value,
                                  unsigned long configured, IParameter *set, bool writeBackOn,
                                  unsigned long tolerance)
{
    Q_UNUSED(tolerance)
    if (value == configured)
        return 0;
    logger()->log(QStringLiteral("%1: %2 != %3").arg(name).arg(value).arg(configured), queryKey);
    return writeBack(name, qulonglong(value), set, writeBackOn);
}

int DWAVModule::checkQueriedValue(const QString &name, unsigned short value,
                                  unsigned short configured, IParameter *set, bool writeBackOn,
                                  unsigned short tolerance)
{
    Q_UNUSED(tolerance)
    if (value == configured)
        return 0;
    logger()->log(QStringLiteral("%1: %2 != %3").arg(name).arg(value).arg(configured), queryKey);
    return writeBack(name, uint(value), set, writeBackOn);
}

int DWAVModule::performConfigure()
{
    // Values that cannot be sent are refused before the first call, so a
    // refused configuration leaves the device as it was.
    const bool afgMode = m_mode == 1;
    QString reason = timeModifierRefusal(*m_commonParameters, "startDelayModifier");
    for (int i = 0; afgMode && reason.isEmpty() && i < ChannelCount; ++i) {
        const QVariant state = m_chanParameters[i]->getParameter(QStringLiteral("chanState"));
        if (ParameterTypes::enumFromVariant<chanState>(state) == 0)
            continue;
        AFGParameters *afg = m_afgParameters[i];
        const auto form = ParameterTypes::enumFromVariant<afgSignalTypes>(
            afg->getParameter(QStringLiteral("currentSignalType")));
        double dt = 0.0;
        quint32 n = 0;
        int status = 0;
        if (form == AfgTriangular) {
            const auto t = qvariant_cast<TriangularParameters>(afg->getParameter(triangularKey()));
            reason = triangularRefusal(t);
            if (reason.isEmpty())
                status = triangleTable(this, t, nullptr, &dt, &n);
        } else if (form == AfgImpulse) {
            const auto p = qvariant_cast<ImpulseParameters>(afg->getParameter(impulseKey()));
            reason = impulseRefusal(p);
            if (reason.isEmpty())
                status = impulseTable(this, p, nullptr, &dt, &n);
        }
        reason = reason.isEmpty() ? unknownFormRefusal(form, i) : reason;
        // Without a table the point computations answer -1 after a good
        // check; only their refusals count here, and those are reported.
        if (status < -1) {
            reportLocation(__LINE__, "performConfigure");
            return status;
        }
    }
    if (!reason.isEmpty()) {
        reportLocation(__LINE__, "performConfigure");
        return refuse(this, reason);
    }

    int status = configChannels();
    if (status < 0) {
        reportLocation(__LINE__, "performConfigure");
        return status;
    }
    status = configCommonParameters();
    if (status < 0) {
        reportLocation(__LINE__, "performConfigure");
        return status;
    }

    DWAV_DRIVER_CALL(tvkdwav_config_mode(m_moduleSession, m_mode), "performConfigure");
    if (m_querySettingsParameters) {
        ViUInt16 mode = m_mode;
        DWAV_DRIVER_CALL(tvkdwav_config_mode_q(m_moduleSession, &mode), "performConfigure");
        logger()->log(QStringLiteral("Querying tvkdwav_config_mode_q"), queryKey);
        checkQueriedValue(QStringLiteral("mode"), ushort(mode), ushort(m_mode));
    }

    if (afgMode) {
        for (int i = 0; i < ChannelCount; ++i) {
            const QVariant state = m_chanParameters[i]->getParameter(QStringLiteral("chanState"));
            if (ParameterTypes::enumFromVariant<chanState>(state) == 0)
                continue;
            status = configAFG(i);
            if (status < 0) {
                reportLocation(__LINE__, "performConfigure");
                return status;
            }
        }
    } else {
        status = configAWG();
        if (status < 0) {
            reportLocation(__LINE__, "performConfigure");
            return status;
        }
    }

    m_configured = true;
    return 0;
}

int DWAVModule::configChannels()
{
    for (int i = 0; i < ChannelCount; ++i) {
        DWAVChanParameters *set = m_chanParameters[i];
        const int stateValue = ParameterTypes::enumFromVariant<chanState>(
            set->getParameter(QStringLiteral("chanState")));
        const ViUInt16 chan = u16(set->getParameter(QStringLiteral("chan")));
        const ViUInt16 state = stateValue != 0 ? 1 : 0;
        const ViUInt16 range = u16(set->getParameter(QStringLiteral("range")));
        const double offset = set->getParameter(QStringLiteral("offset")).toDouble();
        const double Rn = set->getParameter(QStringLiteral("Rn")).toDouble();

        DWAV_DRIVER_CALL(tvkdwav_config_chan(m_moduleSession, 1, chan, state, range, Rn, offset),
                         "configChannels");
        if (!m_querySettingsParameters)
            continue;

        ViUInt16 qOutput = 1, qState = state, qRange = range;
        double qRn = Rn, qOffset = offset;
        DWAV_DRIVER_CALL(tvkdwav_config_chan_q(m_moduleSession, &qOutput, chan, &qState, &qRange,
                                               &qRn, &qOffset), "configChannels");
        logger()->log(QStringLiteral("Querying tvkdwav_config_chan_q for chan %1").arg(chan),
                      queryKey);
        // The set has no keys named chan_output and state: those differences
        // are reported but cannot be written back.
        checkQueriedValue(QStringLiteral("chan_output"), ushort(qOutput), ushort(1), set);
        checkQueriedValue(QStringLiteral("state"), ushort(qState), ushort(stateValue), set);
        checkQueriedValue(QStringLiteral("range"), ushort(qRange), ushort(range), set);
        checkQueriedValue(QStringLiteral("Rn"), qRn, Rn, set);
        checkQueriedValue(QStringLiteral("offset"), qOffset, offset, set);
    }
    return 0;
}

int DWAVModule::configCommonParameters()
{
    DWAVCommonParameters *c = m_commonParameters;
    DWAVQMParameters *q = m_qmParameters;
    auto common = [c](const char *key) { return c->getParameter(QLatin1String(key)); };
    auto qm = [q](const char *key) { return q->getParameter(QLatin1String(key)); };

    // 1. Clocks.
    const ViUInt16 sampleFreq = u16(common("sampleFreq"));
    const ViUInt16 dataSpeed = u16(common("dataSpeed"));
    DWAV_DRIVER_CALL(tvkdwav_config_sample_freq(m_moduleSession, sampleFreq, dataSpeed),
                     "configCommonParameters");
    if (m_querySettingsParameters) {
        ViUInt16 qSampleFreq = sampleFreq, qDataSpeed = dataSpeed;
        DWAV_DRIVER_CALL(tvkdwav_config_sample_freq_q(m_moduleSession, &qSampleFreq, &qDataSpeed),
                         "configCommonParameters");
        logger()->log(QStringLiteral("Querying tvkdwav_config_sample_freq_q"), queryKey);
        checkQueriedValue(QStringLiteral("sampleFreq"), ushort(qSampleFreq), ushort(sampleFreq), c);
        checkQueriedValue(QStringLiteral("dataSpeed"), ushort(qDataSpeed), ushort(dataSpeed), c);
    }

    // 2. Reference source; an output that is off goes out as frequency code 0.
    const ViUInt16 source = u16(common("SF_source"));
    const bool outputOn = common("SF_state").toUInt() != 0;
    const ViUInt16 outputFreq = outputOn ? u16(common("SF_output_freq")) : 0;
    DWAV_DRIVER_CALL(tvkdwav_config_source_freq(m_moduleSession, source, outputFreq),
                     "configCommonParameters");
    if (m_querySettingsParameters) {
        ViUInt16 qSource = source, qOutputFreq = outputFreq, qState = outputOn ? 1 : 0, qLock = 0;
        DWAV_DRIVER_CALL(tvkdwav_config_source_freq_q(m_moduleSession, &qSource, &qOutputFreq,
                                                      &qState, &qLock), "configCommonParameters");
        logger()->log(QStringLiteral("Querying tvkdwav_config_source_freq_q"), queryKey);
        checkQueriedValue(QStringLiteral("SF_source"), ushort(qSource), ushort(source), c);
        // While the output is off the code sent is 0, not the chosen one;
        // writing a read-back there would lose the user's choice.
        checkQueriedValue(QStringLiteral("SF_output_freq"), ushort(qOutputFreq),
                          ushort(outputFreq), outputOn ? c : nullptr);
    }

    if (qm("useQM").toBool()) {
        // 3. Half-band filters.
        const ViUInt16 hb1 = u16(qm("HB1")), hb2 = u16(qm("HB2")), hb3 = u16(qm("HB3"));
        DWAV_DRIVER_CALL(tvkdwav_config_filters(m_moduleSession, hb1, hb2, hb3),
                         "configCommonParameters");
        if (m_querySettingsParameters) {
            ViUInt16 qHb1 = hb1, qHb2 = hb2, qHb3 = hb3;
            DWAV_DRIVER_CALL(tvkdwav_config_filters_q(m_moduleSession, &qHb1, &qHb2, &qHb3),
                             "configCommonParameters");
            logger()->log(QStringLiteral("Querying tvkdwav_config_filters_q"), queryKey);
            checkQueriedValue(QStringLiteral("HB1"), ushort(qHb1), ushort(hb1), q);
            checkQueriedValue(QStringLiteral("HB2"), ushort(qHb2), ushort(hb2), q);
            checkQueriedValue(QStringLiteral("HB3"), ushort(qHb3), ushort(hb3), q);
        }

        // 4. NCO, its frequency in hertz.
        const ViUInt16 modulNCO = flag(qm("modulNCO"));
        const ViUInt16 attenuateNCO = flag(qm("attenuateNCO"));
        const double ncoFactor = freqFactor(*q, "freqNCOModifier");
        const double freqNCO = qm("freqNCO").toDouble() * ncoFactor;
        DWAV_DRIVER_CALL(tvkdwav_config_NCO(m_moduleSession, modulNCO, attenuateNCO, freqNCO),
                         "configCommonParameters");
        if (m_querySettingsParameters) {
            ViUInt16 qModul = modulNCO, qAttenuate = attenuateNCO;
            double qFreq = freqNCO;
            DWAV_DRIVER_CALL(tvkdwav_config_NCO_q(m_moduleSession, &qModul, &qAttenuate, &qFreq),
                             "configCommonParameters");
            logger()->log(QStringLiteral("Querying tvkdwav_config_NCO_q"), queryKey);
            checkQueriedValue(QStringLiteral("modulNCO"), ushort(qModul), ushort(modulNCO), q);
            checkQueriedValue(QStringLiteral("attenuateNCO"), ushort(qAttenuate),
                              ushort(attenuateNCO), q);
            checkQueriedValue(QStringLiteral("freqNCO"), qFreq / ncoFactor, freqNCO / ncoFactor,
                              q);
        }

        // 5. Quadrature modulator switches.
        const ViUInt16 premodul = flag(qm("premodul"));
        const ViUInt16 sinXFilter = flag(qm("sinXFilter"));
        const ViUInt16 invertSideBand = u16(qm("invertSideBand"));
        const ViUInt16 doubleData = flag(qm("doubleDataForBothChans"));
        DWAV_DRIVER_CALL(tvkdwav_config_QS(m_moduleSession, premodul, sinXFilter, invertSideBand,
                                           doubleData), "configCommonParameters");
        if (m_querySettingsParameters) {
            ViUInt16 qPremodul = premodul, qSinX = sinXFilter, qInvert = invertSideBand,
                     qDouble = doubleData;
            DWAV_DRIVER_CALL(tvkdwav_config_QS_q(m_moduleSession, &qPremodul, &qSinX, &qInvert,
                                                 &qDouble), "configCommonParameters");
            logger()->log(QStringLiteral("Querying tvkdwav_config_QS_q"), queryKey);
            checkQueriedValue(QStringLiteral("premodul"), ushort(qPremodul), ushort(premodul), q);
            checkQueriedValue(QStringLiteral("sinXFilter"), ushort(qSinX), ushort(sinXFilter), q);
            checkQueriedValue(QStringLiteral("invertSideBand"), ushort(qInvert),
                              ushort(invertSideBand), q);
            checkQueriedValue(QStringLiteral("doubleDataForBothChans"), ushort(qDouble),
                              ushort(doubleData), q);
        }

        // 6. I/Q adjustment.
        const ViUInt16 adjustIQ = flag(qm("adjustIQ"));
        const double amplI = qm("modulAmplDiff_I").toDouble();
        const double amplQ = qm("modulAmplDiff_Q").toDouble();
        const double phase = qm("modulPhaseDiff").toDouble();
        DWAV_DRIVER_CALL(tvkdwav_adjust_chans(m_moduleSession, adjustIQ, amplI, amplQ, phase),
                         "configCommonParameters");
        if (m_querySettingsParameters) {
            ViUInt16 qAdjust = adjustIQ;
            double qAmplI = amplI, qAmplQ = amplQ, qPhase = phase;
            DWAV_DRIVER_CALL(tvkdwav_adjust_chans_q(m_moduleSession, &qAdjust, &qAmplI, &qAmplQ,
                                                    &qPhase), "configCommonParameters");
            logger()->log(QStringLiteral("Querying tvkdwav_adjust_chans_q"), queryKey);
            checkQueriedValue(QStringLiteral("adjustIQ"), ushort(qAdjust), ushort(adjustIQ), q);
            checkQueriedValue(QStringLiteral("modulAmplDiff_I"), qAmplI, amplI, q);
            checkQueriedValue(QStringLiteral("modulAmplDiff_Q"), qAmplQ, amplQ, q);
            checkQueriedValue(QStringLiteral("modulPhaseDiff"), qPhase, phase, q);
        }
    }

    // 7. Start, its delay in seconds.
    const QString refused = timeModifierRefusal(*c, "startDelayModifier");
    if (!refused.isEmpty()) {
        reportLocation(__LINE__, "configCommonParameters");
        return refuse(this, refused);
    }
    const ViUInt16 startSource = u16(common("startSource"));
    const ViUInt16 eventForm = u16(common("startEventForm"));
    const double delayFactor = timeFactor(*c, "startDelayModifier");
    const double delay = common("startDelay").toDouble() * delayFactor;
    DWAV_DRIVER_CALL(tvkdwav_config_start(m_moduleSession, startSource, eventForm, delay),
                     "configCommonParameters");
    if (m_querySettingsParameters) {
        ViUInt16 qSource = startSource, qForm = eventForm;
        double qDelay = delay;
        DWAV_DRIVER_CALL(tvkdwav_config_start_q(m_moduleSession, &qSource, &qForm, &qDelay),
                         "configCommonParameters");
        logger()->log(QStringLiteral("Querying tvkdwav_config_start_q"), queryKey);
        checkQueriedValue(QStringLiteral("startSource"), ushort(qSource), ushort(startSource), c);
        checkQueriedValue(QStringLiteral("startEventForm"), ushort(qForm), ushort(eventForm), c);
        // Both sides in the key's unit, converted the same way, so that a
        // device that keeps the seconds exactly compares equal.
        checkQueriedValue(QStringLiteral("startDelay"), qDelay / delayFactor, delay / delayFactor,
                          c);
    }
    return 0;
}

int DWAVModule::configAWG()
{
    AWGParameters *w = m_awgParameters;
    const ViUInt16 awgMode = u16(w->getParameter(QStringLiteral("awgMode")));
    const ViUInt16 startMode = u16(w->getParameter(QStringLiteral("awgStartMode")));
    const ViUInt16 cycles = u16(w->getParameter(QStringLiteral("numCycles")));
    const ViUInt16 packs = u16(w->getParameter(QStringLiteral("numPacks")));
    const ViUInt32 samples = w->getParameter(QStringLiteral("numSamples")).toUInt();
    DWAV_DRIVER_CALL(tvkdwav_config_awg(m_moduleSession, awgMode, startMode, cycles,
                                        packs, samples), "configAWG");
    if (m_querySettingsParameters) {
        ViUInt16 qMode = awgMode, qStart = startMode, qCycles = cycles, qPacks = packs;
        ViUInt32 qSamples = samples;
        DWAV_DRIVER_CALL(tvkdwav_config_awg_q(m_moduleSession, &qMode, &qStart,
                                              &qCycles, &qPacks, &qSamples), "configAWG");
        logger()->log(QStringLiteral("Querying tvkdwav_config_awg_q"), queryKey);
        checkQueriedValue(QStringLiteral("awgMode"), ushort(qMode), ushort(awgMode), w);
        checkQueriedValue(QStringLiteral("awgStartMode"), ushort(qStart), ushort(startMode), w);
        checkQueriedValue(QStringLiteral("numCycles"), ushort(qCycles), ushort(cycles), w);
        checkQueriedValue(QStringLiteral("numPacks"), ushort(qPacks), ushort(packs), w);
        checkQueriedValue(QStringLiteral("numSamples"), static_cast<unsigned long>(qSamples),
                          static_cast<unsigned long>(samples), w);
    }
    return 0;
}

// Generator mode of a channel: 0 the synthesiser (harmonic form), 1 the
// point table (every other form). The operation names the form's stage.
int DWAVModule::configGeneratorMode(ViUInt16 c, ViUInt16 genMode, const char *operation,
                                    IParameter *set)
{
    DWAV_DRIVER_CALL(tvkdwav_config_afg_gen(m_moduleSession, c, genMode), operation);
    if (m_querySettingsParameters) {
        ViUInt16 qGen = genMode;
        DWAV_DRIVER_CALL(tvkdwav_config_afg_gen_q(m_moduleSession, c, &qGen), operation);
        logger()->log(QStringLiteral("Querying tvkdwav_config_afg_gen_q for chan %1").arg(c),
                      queryKey);
        checkQueriedValue(QStringLiteral("genMode"), ushort(qGen), ushort(genMode), set);
    }
    return 0;
}

int DWAVModule::configAFG(int chan)
{
    if (!checkChannel(chan, "configAFG"))
        return -1;
    const auto form = ParameterTypes::enumFromVariant<afgSignalTypes>(
        m_afgParameters[chan]->getParameter(QStringLiteral("currentSignalType")));
    int status = 0;
    switch (form) {
    case AfgHarmonic: status = configHarmonicalAFG(chan); break;
    case AfgTriangular: status = configTriangleAFG(chan); break;
    case AfgImpulse: status = configImpulseAFG(chan); break;
    case AfgLevel: status = configLevelAFG(chan); break;
    case AfgMultilevel: status = configMultilevelAFG(chan); break;
    default:
        // A form this panel does not know (for example from a settings
        // file) cannot be sent; configuring without it would report a
        // channel as configured that was not.
        reportLocation(__LINE__, "configAFG");
        return refuse(this, unknownFormRefusal(form, chan));
    }
    if (status < 0)
        reportLocation(__LINE__, "configAFG");
    return status;
}

int DWAVModule::configHarmonicalAFG(int chan)
{
    if (!checkChannel(chan, "configHarmonicalAFG"))
        return -1;
    AFGParameters *afg = m_afgParameters[chan];
    HarmonicalParameters h = qvariant_cast<HarmonicalParameters>(afg->getParameter(harmonicalKey()));
    auto value = [&h](const char *key) { return h.getParameter(QLatin1String(key)); };
    const ViUInt16 c = u16(m_chanParameters[chan]->getParameter(QStringLiteral("chan")));
    const bool query = m_querySettingsParameters;

    // 1. Amplitude, frequency in hertz, phase.
    const double ampl = value("ampl").toDouble();
    const double freqFactorH = freqFactor(h, "freqModifier");
    const double freq = value("freq").toDouble() * freqFactorH;
    const double phase = value("phase").toDouble();
    DWAV_DRIVER_CALL(tvkdwav_config_afg(m_moduleSession, c, ampl, freq, phase),
                     "configHarmonicalAFG");
    if (query) {
        double qAmpl = ampl, qFreq = freq, qPhase = phase;
        DWAV_DRIVER_CALL(tvkdwav_config_afg_q(m_moduleSession, c, &qAmpl, &qFreq, &qPhase),
                         "configHarmonicalAFG");
        logger()->log(QStringLiteral("Querying tvkdwav_config_afg_q for chan %1").arg(c), queryKey);
        checkQueriedValue(QStringLiteral("ampl"), qAmpl, ampl, &h);
        checkQueriedValue(QStringLiteral("freq"), qFreq / freqFactorH, freq / freqFactorH, &h);
        checkQueriedValue(QStringLiteral("phase"), qPhase, phase, &h);
    }

    // 2. The synthesiser generates this form.
    if (const int status = configGeneratorMode(c, 0, "configHarmonicalAFG", &h))
        return status;

    // 3. Level limits and offset.
    const ViUInt16 levelLimit = flag(value("levelLimit"));
    const double upper = value("upperLimit").toDouble();
    const double lower = value("lowerLimit").toDouble();
    const double offset = value("offset").toDouble();
    DWAV_DRIVER_CALL(tvkdwav_config_afg_signal(m_moduleSession, c, levelLimit,
                                               upper, lower, offset), "configHarmonicalAFG");
    if (query) {
        ViUInt16 qLimit = levelLimit;
        double qUpper = upper, qLower = lower, qOffset = offset;
        DWAV_DRIVER_CALL(tvkdwav_config_afg_signal_q(m_moduleSession, c, &qLimit, &qUpper, &qLower,
                                                     &qOffset), "configHarmonicalAFG");
        logger()->log(QStringLiteral("Querying tvkdwav_config_afg_signal_q for chan %1").arg(c),
                      queryKey);
        checkQueriedValue(QStringLiteral("levelLimit"), ushort(qLimit), ushort(levelLimit), &h);
        checkQueriedValue(QStringLiteral("upperLimit"), qUpper, upper, &h);
        checkQueriedValue(QStringLiteral("lowerLimit"), qLower, lower, &h);
        checkQueriedValue(QStringLiteral("offset"), qOffset, offset, &h);
    }

    // 4. Modulation, frequencies in hertz.
    const ViUInt16 type = ViUInt16(ParameterTypes::enumFromVariant<modulType>(value("modulType")));
    const double modulFactor = freqFactor(h, "modulFreqModifier");
    const double modulFreq = value("modulFreq").toDouble() * modulFactor;
    const double index = wholeIndex(value("modulIndex"));
    const double devFactor = freqFactor(h, "freqDevModifier");
    const double freqDev = value("freqDev").toDouble() * devFactor;
    const double phaseDev = value("phaseDev").toDouble();
    DWAV_DRIVER_CALL(tvkdwav_config_afg_modul(m_moduleSession, c, type, modulFreq, index, freqDev,
                                              phaseDev), "configHarmonicalAFG");
    if (query) {
        ViUInt16 qType = type;
        double qModulFreq = modulFreq, qIndex = index, qFreqDev = freqDev, qPhaseDev = phaseDev;
        DWAV_DRIVER_CALL(tvkdwav_config_afg_modul_q(m_moduleSession, c, &qType, &qModulFreq,
                                                    &qIndex, &qFreqDev, &qPhaseDev),
                         "configHarmonicalAFG");
        logger()->log(QStringLiteral("Querying tvkdwav_config_afg_modul_q for chan %1").arg(c),
                      queryKey);
        checkQueriedValue(QStringLiteral("modulType"), ushort(qType), ushort(type), &h);
        checkQueriedValue(QStringLiteral("modulFreq"), qModulFreq / modulFactor,
                          modulFreq / modulFactor, &h);
        checkQueriedValue(QStringLiteral("freqDev"), qFreqDev / devFactor, freqDev / devFactor,
                          &h);
        checkQueriedValue(QStringLiteral("phaseDev"), qPhaseDev, phaseDev, &h);

        // 5. Keep what the device reported.
        afg->setParameter(harmonicalKey(), QVariant::fromValue(h));
    }
    return 0;
}

int DWAVModule::configTriangleAFG(int chan)
{
    if (!checkChannel(chan, "configTriangleAFG"))
        return -1;
    const auto t = qvariant_cast<TriangularParameters>(
        m_afgParameters[chan]->getParameter(triangularKey()));
    const QString refused = triangularRefusal(t);
    if (!refused.isEmpty()) {
        reportLocation(__LINE__, "configTriangleAFG");
        return refuse(this, refused);
    }
    double table[PointTables::MaxPoints];
    double dt = 0.0;
    quint32 n = 0;
    if (const int status = triangleTable(this, t, table, &dt, &n)) {
        reportLocation(__LINE__, "configTriangleAFG");
        return status;
    }
    return sendPointTable(chan, table, n, dt, "configTriangleAFG");
}

int DWAVModule::configImpulseAFG(int chan)
{
    if (!checkChannel(chan, "configImpulseAFG"))
        return -1;
    const auto p = qvariant_cast<ImpulseParameters>(
        m_afgParameters[chan]->getParameter(impulseKey()));
    const QString refused = impulseRefusal(p);
    if (!refused.isEmpty()) {
        reportLocation(__LINE__, "configImpulseAFG");
        return refuse(this, refused);
    }
    double table[PointTables::MaxPoints];
    double dt = 0.0;
    quint32 n = 0;
    if (const int status = impulseTable(this, p, table, &dt, &n)) {
        reportLocation(__LINE__, "configImpulseAFG");
        return status;
    }
    return sendPointTable(chan, table, n, dt, "configImpulseAFG");
}

int DWAVModule::configLevelAFG(int chan)
{
    if (!checkChannel(chan, "configLevelAFG"))
        return -1;
    const auto l = qvariant_cast<LevelParameters>(m_afgParameters[chan]->getParameter(levelKey()));
    const double level = l.getParameter(QStringLiteral("level")).toDouble();
    return sendPointTable(chan, &level, 1, 0.0, "configLevelAFG");
}

// Every form but the harmonic one plays a table of levels: the generator
// is switched to the table, then the table goes out.
int DWAVModule::sendPointTable(int chan, const double *table, quint32 n, double dt,
                               const char *operation)
{
    const ViUInt16 c = u16(m_chanParameters[chan]->getParameter(QStringLiteral("chan")));
    if (const int status = configGeneratorMode(c, 1, operation, nullptr))
        return status;
    DWAV_DRIVER_CALL(tvkdwav_afg_setData(m_moduleSession, c, table, ViUInt16(n), dt), operation);
    return 0;
}

int DWAVModule::configMultilevelAFG(int chan)
{
    if (!checkChannel(chan, "configMultilevelAFG"))
        return -1;
    AFGParameters *afg = m_afgParameters[chan];
    MultilevelParameters m = qvariant_cast<MultilevelParameters>(afg->getParameter(multilevelKey()));
    const double T = m.getParameter(QStringLiteral("T")).toDouble();
    const PointsVector points = ParameterTypes::pointsFromVariant(m.getParameter(QStringLiteral("points")));
    const ViUInt16 count = ViUInt16(points.size());
    const double period = T * 1e-9;
    if (const int status = sendPointTable(chan, points.data(), count, period, "configMultilevelAFG"))
        return status;
    if (m_querySettingsParameters) {
        ViUInt16 qCount = count;
        double qPeriod = T;
        DWAV_DRIVER_CALL(tvkdwav_afg_getData(m_moduleSession, ViUInt16(chan), nullptr, &qCount,
                                             &qPeriod), "configMultilevelAFG");
        logger()->log(QStringLiteral("Querying tvkdwav_afg_getData for chan %1").arg(chan),
                      queryKey);
        checkQueriedValue(QStringLiteral("N points"), ushort(qCount), ushort(count));
        // Both sides back in nanoseconds the same way, so that the period
        // sent compares equal when the device keeps it.
        checkQueriedValue(QStringLiteral("T"), qPeriod * 1e9, period * 1e9, &m);
        afg->setParameter(multilevelKey(), QVariant::fromValue(m));
    }
    return 0;
}

int DWAVModule::calcTrianglePoints(double Uup, double Tup, double Udn, double Tdn, double *table,
                                   double *dt, quint32 *n)
{
    PointTables::Grid grid;
    const QString refused = PointTables::triangle(dataSpeed(), Uup, Tup, Udn, Tdn, table, &grid);
    if (!refused.isEmpty()) {
        reportLocation(__LINE__, "calcTrianglePoints");
        return refuse(this, refused);
    }
    if (dt)
        *dt = grid.pointPeriod;
    if (n)
        *n = grid.count;
    return table ? 0 : -1;
}

int DWAVModule::calcImpulsePoints(double Uup, double Tup, double Udn, double Tdn, double duty,
                                  double T, double *table, double *dt, quint32 *n)
{
    PointTables::Grid grid;
    const QString refused =
        PointTables::impulse(dataSpeed(), Uup, Tup, Udn, Tdn, duty, T, table, &grid);
    if (!refused.isEmpty()) {
        reportLocation(__LINE__, "calcImpulsePoints");
        return refuse(this, refused);
    }
    if (dt)
        *dt = grid.pointPeriod;
    if (n)
        *n = grid.count;
    return table ? 0 : -1;
}
