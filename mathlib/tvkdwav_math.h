/* Conversion between a DWAV channel's output voltage and the signed 16-bit
 * code of its digital-to-analogue converter, for callers that prepare AWG
 * data themselves. Plain C with the calling convention of the Windows system
 * interfaces, so any language that can call a DLL can use it. */
#ifndef TVKDWAV_MATH_H
#define TVKDWAV_MATH_H

#if defined(_WIN32)
#define TVKDWAV_MATH_CALL __stdcall
#if defined(TVKDWAV_MATH_BUILDING)
#define TVKDWAV_MATH_EXPORT __declspec(dllexport)
#else
#define TVKDWAV_MATH_EXPORT __declspec(dllimport)
#endif
#else
#define TVKDWAV_MATH_CALL
#define TVKDWAV_MATH_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The DAC code for the output voltage Uout with the channel's gain
 * coefficient Kout. Uout * Kout must lie in [-1.0, 1.0); outside that range,
 * and for a product that is not a number, the result saturates at -32768 for
 * a negative Uout and at 32767 otherwise. The code is truncated toward zero.
 * mvi, the caller's instrument session, is not used. */
TVKDWAV_MATH_EXPORT short TVKDWAV_MATH_CALL get_DACCODE(unsigned long mvi, double Uout, double Kout);

/* The output voltage of the code dacCODE with the gain coefficient Kout.
 * mvi is not used. */
TVKDWAV_MATH_EXPORT double TVKDWAV_MATH_CALL get_Uout(unsigned long mvi, short dacCODE, double Kout);

typedef short(TVKDWAV_MATH_CALL *get_DACCODE_fn)(unsigned long, double, double);
typedef double(TVKDWAV_MATH_CALL *get_Uout_fn)(unsigned long, short, double);

#ifdef __cplusplus
}
#endif

#endif
