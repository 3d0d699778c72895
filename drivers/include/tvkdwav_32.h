/*
 * Module driver tvkdwav_32 of the DWAV two-channel signal generator.
 *
 * Every call but tvkdwav_init takes the module session first and returns
 * a status: negative an error, 0 success, positive a warning
 * (VXIplug&play). Channel numbers are 0 (channel 1, I) and 1 (channel 2, Q).
 * Times are in seconds, frequencies in hertz, levels in volts.
 * A query (_q) fills its out-parameters in the order of the matching
 * configuration call's arguments.
 */
#ifndef TVKDWAV_32_H
#define TVKDWAV_32_H

#include "dwav_visa.h"

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Module type code reported by the carrier for a DWAV module. */
#define TVKDWAV_MODULE_CODE 66

/* Sizes of the buffers the calls fill (zero-terminated texts). */
#define TVKDWAV_ERROR_MESSAGE_BUFLEN 256
#define TVKDWAV_REVISION_BUFLEN 128
#define TVKDWAV_SELF_TEST_BUFLEN 1024
#define TVKDWAV_TEST_MESSAGE_BUFLEN 2048
#define TVKDWAV_CALIBRATION_MESSAGE_BUFLEN 512
#define TVKDWAV_CALIBRATION_DATE_BUFLEN 32
#define TVKDWAV_AFG_MAX_POINTS 1024

/* Run states reported by tvkdwav_state; any other value means generating. */
#define TVKDWAV_STATE_IDLE 0
#define TVKDWAV_STATE_AWAITS_EVENT 1
#define TVKDWAV_STATE_DELAY 2
#define TVKDWAV_STATE_GENERATING 3

/* Statuses of this driver (the VXIplug&play instrument range). */
#define TVKDWAV_ERROR_OFFSET (_VI_ERROR + 0x3FFC0800L)
#define TVKDWAV_ERROR_NOT_CONNECTED (TVKDWAV_ERROR_OFFSET + 0x01L)
#define TVKDWAV_ERROR_NO_MODULE (TVKDWAV_ERROR_OFFSET + 0x02L)
#define TVKDWAV_ERROR_NOT_DWAV (TVKDWAV_ERROR_OFFSET + 0x03L)
#define TVKDWAV_ERROR_CARRIER_MISMATCH (TVKDWAV_ERROR_OFFSET + 0x04L)
#define TVKDWAV_ERROR_MODULE_BUSY (TVKDWAV_ERROR_OFFSET + 0x05L)
#define TVKDWAV_ERROR_NOT_GENERATING (TVKDWAV_ERROR_OFFSET + 0x06L)
#define TVKDWAV_ERROR_AWG_PACKET (TVKDWAV_ERROR_OFFSET + 0x10L)
#define TVKDWAV_ERROR_AWG_COUNT (TVKDWAV_ERROR_OFFSET + 0x11L)
#define TVKDWAV_ERROR_AWG_CAPACITY (TVKDWAV_ERROR_OFFSET + 0x12L)
#define TVKDWAV_ERROR_AWG_EMPTY (TVKDWAV_ERROR_OFFSET + 0x13L)
#define TVKDWAV_ERROR_AWG_MODE (TVKDWAV_ERROR_OFFSET + 0x14L)
#define TVKDWAV_ERROR_CALIBRATION (TVKDWAV_ERROR_OFFSET + 0x20L)
#define TVKDWAV_ERROR_FLASH (TVKDWAV_ERROR_OFFSET + 0x21L)
/* The multimeter library needed by the channel calibration is missing. */
#define TVKDWAV_ERROR_NO_MULTIMETER (TVKDWAV_ERROR_OFFSET + 0x414L)
#define TVKDWAV_WARN_OFFSET ((ViStatus)0x3FFC0800L)
#define TVKDWAV_WARN_VERSIONS_DIFFER (TVKDWAV_WARN_OFFSET + 0x01L)

/*
 * Calibration record, 136 bytes, little-endian. Index [chan][range]:
 * chan 0 channel 1 (I), 1 channel 2 (Q); range 0 the 1 V output range,
 * 1 the 10 V range. ADC inputs: 0 channel 1 at 50 Ohm, 1 channel 2 at
 * 50 Ohm, 2 the control input 1:1, 3 the control input 1:5 (100 kOhm).
 */
typedef struct tvkdwav_CalibrationData {
    ViUInt32 signature;       /* 0: record mark and layout version */
    ViUInt16 auxDac[2][2];    /* 4: AUX DAC code per chan and range */
    ViUInt16 dacGain[2][2];   /* 12: DAC gain code per chan and range */
    ViUInt16 nOffset[2];      /* 20: N OFFSET code per chan */
    ViReal64 kOffset[2];      /* 24: K OFFSET per chan */
    ViReal64 adcOffset[4];    /* 40: ADC offset per input */
    ViReal64 adcRange[4];     /* 72: ADC range per input */
    ViUInt8 reserved[32];     /* 104: kept as the module stores it */
} tvkdwav_CalibrationData;

#define TVKDWAV_CALIBRATION_DATA_SIZE 136

#ifdef __cplusplus
static_assert(sizeof(tvkdwav_CalibrationData) == TVKDWAV_CALIBRATION_DATA_SIZE,
              "calibration record must be 136 bytes");
static_assert(offsetof(tvkdwav_CalibrationData, auxDac) == 4, "auxDac at 4");
static_assert(offsetof(tvkdwav_CalibrationData, dacGain) == 12, "dacGain at 12");
static_assert(offsetof(tvkdwav_CalibrationData, nOffset) == 20, "nOffset at 20");
static_assert(offsetof(tvkdwav_CalibrationData, kOffset) == 24, "kOffset at 24");
static_assert(offsetof(tvkdwav_CalibrationData, adcOffset) == 40, "adcOffset at 40");
static_assert(offsetof(tvkdwav_CalibrationData, adcRange) == 72, "adcRange at 72");
static_assert(offsetof(tvkdwav_CalibrationData, reserved) == 104, "reserved at 104");
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
_Static_assert(sizeof(tvkdwav_CalibrationData) == TVKDWAV_CALIBRATION_DATA_SIZE,
               "calibration record must be 136 bytes");
_Static_assert(offsetof(tvkdwav_CalibrationData, kOffset) == 24, "kOffset at 24");
_Static_assert(offsetof(tvkdwav_CalibrationData, reserved) == 104, "reserved at 104");
#endif

/* ---- Session ---------------------------------------------------------- */

/* Opens the driver on the carrier named by `resource` (Latin-1). */
ViStatus _VI_FUNC tvkdwav_init(ViConstRsrc resource, ViUInt16 idQuery, ViUInt16 reset,
                               ViPSession session);
/* Binds the session to the module at `position` (1 to 8) of the carrier
 * open as `carrierSession` (a tvkbase_32 or VISA session). */
ViStatus _VI_FUNC tvkdwav_connect(ViSession session, ViSession carrierSession,
                                  ViUInt16 position, ViUInt16 idQuery, ViUInt16 reset);
ViStatus _VI_FUNC tvkdwav_close(ViSession session);

/* ---- Run control ------------------------------------------------------ */

ViStatus _VI_FUNC tvkdwav_start(ViSession session);
ViStatus _VI_FUNC tvkdwav_prog_start(ViSession session);
ViStatus _VI_FUNC tvkdwav_stop(ViSession session);
ViStatus _VI_FUNC tvkdwav_reset(ViSession session);
/* *runState: TVKDWAV_STATE_*; *remaining: while the start delay counts
 * down, the milliseconds left, otherwise 0. */
ViStatus _VI_FUNC tvkdwav_state(ViSession session, ViPUInt16 runState, ViPInt32 remaining);

/* ---- Configuration and queries ---------------------------------------- */

/* output 0/1, state 0/1, range 0 "1 V", 1 "10 V", 2 "1 V diff.";
 * load resistance Rn > 0 ohm, offset -10 to 10 V. */
ViStatus _VI_FUNC tvkdwav_config_chan(ViSession session, ViUInt16 output, ViUInt16 chan,
                                      ViUInt16 state, ViUInt16 range, ViReal64 Rn,
                                      ViReal64 offset);
ViStatus _VI_FUNC tvkdwav_config_chan_q(ViSession session, ViPUInt16 output, ViUInt16 chan,
                                        ViPUInt16 state, ViPUInt16 range, ViPReal64 Rn,
                                        ViPReal64 offset);

/* sampleFreq 0 to 4 (75 ... 1200 MHz), dataSpeed 0 to 3 (75 ... 600 MS/s). */
ViStatus _VI_FUNC tvkdwav_config_sample_freq(ViSession session, ViUInt16 sampleFreq,
                                             ViUInt16 dataSpeed);
ViStatus _VI_FUNC tvkdwav_config_sample_freq_q(ViSession session, ViPUInt16 sampleFreq,
                                               ViPUInt16 dataSpeed);

/* source 0 inner, 1 outer; outputFreq 0 (output off) or 1 to 12. The query
 * also reports the output state and the lock detector. */
ViStatus _VI_FUNC tvkdwav_config_source_freq(ViSession session, ViUInt16 source,
                                             ViUInt16 outputFreq);
ViStatus _VI_FUNC tvkdwav_config_source_freq_q(ViSession session, ViPUInt16 source,
                                               ViPUInt16 outputFreq, ViPUInt16 outputState,
                                               ViPUInt16 lockDetect);

/* Half-band filter band codes 0 (off) to 4. */
ViStatus _VI_FUNC tvkdwav_config_filters(ViSession session, ViUInt16 HB1, ViUInt16 HB2,
                                         ViUInt16 HB3);
ViStatus _VI_FUNC tvkdwav_config_filters_q(ViSession session, ViPUInt16 HB1, ViPUInt16 HB2,
                                           ViPUInt16 HB3);

/* NCO modulation and attenuation 0/1; frequency 0 to 600 MHz. */
ViStatus _VI_FUNC tvkdwav_config_NCO(ViSession session, ViUInt16 modulNCO,
                                     ViUInt16 attenuateNCO, ViReal64 freqNCO);
ViStatus _VI_FUNC tvkdwav_config_NCO_q(ViSession session, ViPUInt16 modulNCO,
                                       ViPUInt16 attenuateNCO, ViPReal64 freqNCO);

/* Quadrature modulator switches, each 0/1. */
ViStatus _VI_FUNC tvkdwav_config_QS(ViSession session, ViUInt16 premodul, ViUInt16 sinXFilter,
                                    ViUInt16 invertSideBand, ViUInt16 doubleDataForBothChans);
ViStatus _VI_FUNC tvkdwav_config_QS_q(ViSession session, ViPUInt16 premodul,
                                      ViPUInt16 sinXFilter, ViPUInt16 invertSideBand,
                                      ViPUInt16 doubleDataForBothChans);

/* I/Q adjustment: amplitude corrections -0.1 to 0.1, phase -3.5 to 3.5. */
ViStatus _VI_FUNC tvkdwav_adjust_chans(ViSession session, ViUInt16 adjustIQ,
                                       ViReal64 amplDiffI, ViReal64 amplDiffQ,
                                       ViReal64 phaseDiff);
ViStatus _VI_FUNC tvkdwav_adjust_chans_q(ViSession session, ViPUInt16 adjustIQ,
                                         ViPReal64 amplDiffI, ViPReal64 amplDiffQ,
                                         ViPReal64 phaseDiff);

/* startSource 0 program, 1 program command, 2 the start input, 3 the
 * carrier; eventForm 0 front, 1 cut; delay 0 to 1000 s. */
ViStatus _VI_FUNC tvkdwav_config_start(ViSession session, ViUInt16 startSource,
                                       ViUInt16 eventForm, ViReal64 delay);
ViStatus _VI_FUNC tvkdwav_config_start_q(ViSession session, ViPUInt16 startSource,
                                         ViPUInt16 eventForm, ViPReal64 delay);

/* mode 1 AFG, 0 AWG. */
ViStatus _VI_FUNC tvkdwav_config_mode(ViSession session, ViUInt16 mode);
ViStatus _VI_FUNC tvkdwav_config_mode_q(ViSession session, ViPUInt16 mode);

/* awgMode 0 circular, 1 continuous; startMode 0 whole sequence, 1 each
 * packet; cycles 1 to 65535; packets 1 to 8192; samples 8 to 50000000. */
ViStatus _VI_FUNC tvkdwav_config_awg(ViSession session, ViUInt16 awgMode, ViUInt16 startMode,
                                     ViUInt16 numCycles, ViUInt16 numPacks,
                                     ViUInt32 numSamples);
ViStatus _VI_FUNC tvkdwav_config_awg_q(ViSession session, ViPUInt16 awgMode,
                                       ViPUInt16 startMode, ViPUInt16 numCycles,
                                       ViPUInt16 numPacks, ViPUInt32 numSamples);

/* Harmonic signal: amplitude 0 to 10 V, frequency above 0 up to 600 MHz,
 * phase -360 to 360 degrees. */
ViStatus _VI_FUNC tvkdwav_config_afg(ViSession session, ViUInt16 chan, ViReal64 ampl,
                                     ViReal64 freq, ViReal64 phase);
ViStatus _VI_FUNC tvkdwav_config_afg_q(ViSession session, ViUInt16 chan, ViPReal64 ampl,
                                       ViPReal64 freq, ViPReal64 phase);

/* Generator mode 0 synthesiser (harmonic), 1 point table. */
ViStatus _VI_FUNC tvkdwav_config_afg_gen(ViSession session, ViUInt16 chan, ViUInt16 genMode);
ViStatus _VI_FUNC tvkdwav_config_afg_gen_q(ViSession session, ViUInt16 chan,
                                           ViPUInt16 genMode);

/* Level limiting 0/1, limits and offset -10 to 10 V. */
ViStatus _VI_FUNC tvkdwav_config_afg_signal(ViSession session, ViUInt16 chan,
                                            ViUInt16 levelLimit, ViReal64 upperLimit,
                                            ViReal64 lowerLimit, ViReal64 offset);
ViStatus _VI_FUNC tvkdwav_config_afg_signal_q(ViSession session, ViUInt16 chan,
                                              ViPUInt16 levelLimit, ViPReal64 upperLimit,
                                              ViPReal64 lowerLimit, ViPReal64 offset);

/* modulType 0 off, 1 LFM, 2 AM, 3 FM, 4 PM, 5 FT; modulation frequency and
 * deviation 0 to 600 MHz; index 0 to 100 %; phase deviation -360 to 360. */
ViStatus _VI_FUNC tvkdwav_config_afg_modul(ViSession session, ViUInt16 chan,
                                           ViUInt16 modulType, ViReal64 modulFreq,
                                           ViReal64 modulIndex, ViReal64 freqDev,
                                           ViReal64 phaseDev);
ViStatus _VI_FUNC tvkdwav_config_afg_modul_q(ViSession session, ViUInt16 chan,
                                             ViPUInt16 modulType, ViPReal64 modulFreq,
                                             ViPReal64 modulIndex, ViPReal64 freqDev,
                                             ViPReal64 phaseDev);

/* Point table of a channel: at most 1024 levels of -10 to 10 V, each held
 * for `period` seconds (> 0 when there is more than one point).
 * getData: `points` may be null (count and period only); otherwise it
 * must have room for TVKDWAV_AFG_MAX_POINTS values. */
ViStatus _VI_FUNC tvkdwav_afg_setData(ViSession session, ViUInt16 chan, const ViReal64 *points,
                                      ViUInt16 count, ViReal64 period);
ViStatus _VI_FUNC tvkdwav_afg_getData(ViSession session, ViUInt16 chan, ViReal64 *points,
                                      ViPUInt16 count, ViReal64 *period);

/* ---- AWG memory -------------------------------------------------------- */

/* One packet of the configured AWG set. chan: 0 channel 1, 1 channel 2,
 * 2 both; the buffer of a channel that `chan` does not select is not used
 * and may be null. `count` must equal the configured samples per packet,
 * `packet` lie below the configured number of packets. `reserved` is 1. */
ViStatus _VI_FUNC tvkdwav_awg_writePacket(ViSession session, ViUInt16 chan, ViUInt16 packet,
                                          ViUInt16 reserved, const ViReal64 *chan1,
                                          const ViReal64 *chan2, ViUInt32 count);
ViStatus _VI_FUNC tvkdwav_awg_readPacket(ViSession session, ViUInt16 chan, ViUInt16 packet,
                                         ViUInt16 reserved, ViReal64 *chan1, ViReal64 *chan2,
                                         ViUInt32 count);
/* The same with the DAC's signed 16-bit codes in place of volts (full
 * scale 10 V: -32768 is -10 V, 16384 is 5 V). */
ViStatus _VI_FUNC tvkdwav_awg_writePacket_codes(ViSession session, ViUInt16 chan,
                                                ViUInt16 packet, ViUInt16 reserved,
                                                const ViInt16 *chan1, const ViInt16 *chan2,
                                                ViUInt32 count);
ViStatus _VI_FUNC tvkdwav_awg_readPacket_codes(ViSession session, ViUInt16 chan,
                                               ViUInt16 packet, ViUInt16 reserved,
                                               ViInt16 *chan1, ViInt16 *chan2,
                                               ViUInt32 count);

/* ---- Measurements ------------------------------------------------------ */

/* input 0 channel 1, 1 channel 2, 2 control input, 3 control input 1:5. */
ViStatus _VI_FUNC tvkdwav_ask_adc(ViSession session, ViUInt16 input, ViPReal64 value);
ViStatus _VI_FUNC tvkdwav_get_temperature(ViSession session, ViPReal64 temperature1,
                                          ViPReal64 temperature2);

/* ---- Tests (result 0 = passed; messages Windows-1251) ------------------ */

ViStatus _VI_FUNC tvkdwav_self_test(ViSession session, ViPInt16 result, ViChar message[]);
ViStatus _VI_FUNC tvkdwav_test_OK_Off1(ViSession session, ViPInt16 result, ViChar message[]);
/* mode 0 running 0, 1 running 1, 2 address 16 bits, 3 address 32 bits. */
ViStatus _VI_FUNC tvkdwav_test_RAM(ViSession session, ViUInt32 startAddress,
                                   ViUInt16 kiloSamples, ViUInt16 mode, ViUInt16 readOnly,
                                   ViPInt16 result, ViChar message[]);
ViStatus _VI_FUNC tvkdwav_test_AFG(ViSession session, ViUInt16 reserved, ViUInt16 chan,
                                   ViPInt16 result, ViChar message[]);

/* ---- Calibration ------------------------------------------------------- */

ViStatus _VI_FUNC tvkdwav_calibrate(ViSession session, ViUInt16 reserved, ViUInt16 chan);
ViStatus _VI_FUNC tvkdwav_calibrate_ADC(ViSession session, ViChar message[]);
ViStatus _VI_FUNC tvkdwav_stop_calibration(ViSession session);
ViStatus _VI_FUNC tvkdwav_get_calibration_data(ViSession session,
                                               tvkdwav_CalibrationData *record);
ViStatus _VI_FUNC tvkdwav_save_CalibrationData_ToFlash(ViSession session);
ViStatus _VI_FUNC tvkdwav_load_CalibrationData_FromFlash(ViSession session);
ViStatus _VI_FUNC tvkdwav_get_calibration_date(ViSession session, ViChar date[]);

/* ---- Revisions and texts ----------------------------------------------- */

ViStatus _VI_FUNC tvkdwav_revision_query(ViSession session, ViChar driverRevision[],
                                         ViChar instrumentRevision[]);
/* 0 when driver and instrument versions fit, else a warning status. */
ViStatus _VI_FUNC tvkdwav_cmpVersions(ViSession session);
ViStatus _VI_FUNC tvkdwav_error_message(ViSession session, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif

#endif /* TVKDWAV_32_H */
