#pragma once

#include "Bench.h"
#include "ModuleModel.h"

#include "tvkdwav_32.h"

#include <string>

namespace dwavsim {

// Runs `body` on the connected module behind `vi`, as one journaled call.
template <typename F>
ViStatus onModule(const char *function, ViSession vi, const Args &args, F body)
{
    Bench &bench = Bench::instance();
    return bench.call(function, args, [&]() -> ViStatus {
        ModuleModel *model = nullptr;
        const ViStatus status = bench.module(vi, model);
        if (status < 0)
            return status;
        return body(bench, *model);
    });
}

inline bool inRange(double value, double low, double high)
{
    return value >= low && value <= high; // also refuses NaN
}

// The VXIplug&play status for parameter `n` (the session is parameter 1).
inline ViStatus parameterError(int n)
{
    return VI_ERROR_PARAMETER1 + (n - 1);
}

// One out-parameter of a query: its place among the call's parameters,
// where the caller wants the value, and the value.
template <typename T>
struct Out
{
    int parameter;
    T *pointer;
    T value;
};

template <typename T, typename V>
Out<T> out(int parameter, T *pointer, V value)
{
    return Out<T>{parameter, pointer, static_cast<T>(value)};
}

// Fills a query's out-parameters, or, when the caller gave no buffer for
// one of them, refuses the call naming the first such and writes nothing.
template <typename... T>
ViStatus answer(Bench &bench, ViSession vi, const Out<T> &...outs)
{
    int missing = 0;
    ((missing = missing ? missing : (outs.pointer ? 0 : outs.parameter)), ...);
    if (missing)
        return bench.refuse(vi, parameterError(missing),
                            "no buffer for parameter " + std::to_string(missing));
    ((*outs.pointer = outs.value), ...);
    return VI_SUCCESS;
}

} // namespace dwavsim

// Refuses the call with "parameter n out of range" and a reason that the
// driver's error message adds to its text.
#define DWAV_REQUIRE(condition, n, reason)                                   \
    do {                                                                     \
        if (!(condition))                                                    \
            return bench.refuse(vi, dwavsim::parameterError(n), (reason));   \
    } while (false)
