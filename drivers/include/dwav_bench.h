/*
 * Control of the simulated bench, for tests and tools only. The panel
 * never includes this header: it talks to the bench through the ordinary
 * VISA and driver calls, as it would to real instruments.
 *
 * Functions that can fail return 0 on success and -1 on failure; those
 * with an `error` buffer then put a one-line reason there (it may be null).
 * Modules are named by their carrier's resource name and their position
 * (1 to 8); a null resource means every module of the bench.
 */
#ifndef DWAV_BENCH_H
#define DWAV_BENCH_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- The bench as a whole --------------------------------------------- */

/* Back to the start-up bench: the file named by DWAV_BENCH or the built-in
 * one, faults from the bench file and DWAV_BENCH_FAULTS, no latency, an
 * empty journal, every session closed, every module in its power-on state.
 * Also clears a load error, so viOpenDefaultRM works again afterwards. */
int dwavbench_reset(char *error, size_t errorSize);
/* The built-in bench, ignoring DWAV_BENCH and DWAV_BENCH_FAULTS. */
void dwavbench_load_default(void);
/* Replace the bench by a description (format in the README).
 * On failure the bench is left unusable as a bad DWAV_BENCH file leaves
 * it: viOpenDefaultRM then fails, until the next successful load/reset. */
int dwavbench_load_file(const char *path, char *error, size_t errorSize);
int dwavbench_load_text(const char *text, char *error, size_t errorSize);
/* The reason the current bench could not be loaded, or "" when it works. */
const char *dwavbench_load_error(void);

/* Bench-wide options by the bench file's keys of [bench] (for example
 * "multimeter" "no", "latency_us" "200"). */
int dwavbench_set_option(const char *key, const char *value, char *error, size_t errorSize);
/* Module options by the bench file's keys of [module] (for example
 * "versions_differ" "yes", "self_test" "fail", "awg_capacity" "4096"). */
int dwavbench_set_module_option(const char *resource, int position, const char *key,
                                const char *value, char *error, size_t errorSize);
void dwavbench_set_multimeter(int present);

/* ---- Faults ------------------------------------------------------------ */

/* `function` is a call's exported name; `nth` counts calls of that
 * function from now on (1 = the next call), 0 = every call. A negative
 * status makes the call do nothing and return it; a positive one lets the
 * call work and returns the warning in place of success. */
int dwavbench_add_fault(const char *function, unsigned long nth, int32_t status,
                        char *error, size_t errorSize);
/* Adds every fault of a list in the DWAV_BENCH_FAULTS syntax
 * ("name[@n]:status, ..."); nothing is added when any entry is bad. */
int dwavbench_add_faults(const char *list, char *error, size_t errorSize);
void dwavbench_clear_faults(void);
/* Whether `function` names a call of the bench (1) or not (0). */
int dwavbench_is_function(const char *function);

/* ---- Timing ------------------------------------------------------------ */

/* Added to every call (0 = none). The bench sleeps outside its lock. A
 * change reaches the calls still waiting out their latency too, so a long
 * latency holds a call until the test sets a shorter one. */
void dwavbench_set_latency_us(unsigned long microseconds);
/* Added to the calls of one function, on top of the common latency. */
int dwavbench_set_function_latency_us(const char *function, unsigned long microseconds,
                                      char *error, size_t errorSize);
/* Calls of `function` (null: of any function) begun and not yet returned,
 * latency included: how a test knows that another thread has reached a
 * call, where the journal only shows the calls that have ended. */
size_t dwavbench_calls_in_flight(const char *function);

/* ---- Events ------------------------------------------------------------ */

/* The external start event (start input or carrier) reaches the module:
 * a module awaiting it starts its delay countdown or generation. Returns
 * the number of modules that were waiting. */
int dwavbench_external_event(const char *resource, int position);

/* ---- Journal ----------------------------------------------------------- */

typedef struct dwavbench_call {
    uint64_t sequence;      /* 1 for the first call after a clear */
    uint64_t time_ns;       /* monotonic clock when the call returned */
    int32_t status;         /* what the call returned */
    char function[48];      /* exported name */
    char arguments[464];    /* "name=value, ..." of the inputs, cut to fit */
} dwavbench_call;

size_t dwavbench_journal_count(void);
/* Entry i (0 = oldest): 0 on success, -1 when i is out of range. */
int dwavbench_journal_entry(size_t i, dwavbench_call *entry);
/* Entry i as the line written to DWAV_BENCH_JOURNAL (no line feed):
 * "<time_ns> <function>(<arguments>) -> <status> (0x<hex>)". Returns the
 * length of the whole line (it is cut to fit `size`), -1 when out of range. */
int dwavbench_journal_line(size_t i, char *buffer, size_t size);
/* Calls of `function` in the journal. */
size_t dwavbench_journal_count_of(const char *function);
void dwavbench_journal_clear(void);

/* ---- Looking inside ---------------------------------------------------- */

/* Sessions of any kind currently open (resource managers, find lists,
 * instrument, carrier and module sessions). */
size_t dwavbench_open_sessions(void);
/* A module's stored value by name; names in the README (for
 * example "chan0.range", "sampleFreq", "afg1.freq", "numSamples",
 * "runState", "temperature1", "flashSaves"). */
int dwavbench_module_value(const char *resource, int position, const char *key,
                           double *value);
/* The point table of a channel: copies at most `capacity` values and
 * returns how many the module holds, -1 for an unknown module. */
int dwavbench_module_points(const char *resource, int position, int chan, double *points,
                            int capacity);
/* The module's calibration record as held now, and as stored in flash. */
int dwavbench_module_calibration(const char *resource, int position, void *record136,
                                 int fromFlash);

#ifdef __cplusplus
}
#endif

#endif /* DWAV_BENCH_H */
