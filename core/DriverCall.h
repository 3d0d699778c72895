#pragma once

// Every driver call of DWAVModule: keep the status, and on an error report
// it with the line on which the call is written and leave the operation
// with the status. The call is the macro's first argument, so the line of
// the macro's name is the line of the call.
#define DWAV_DRIVER_CALL(call, operation)                          \
    do {                                                           \
        const ViStatus status_ = (call);                           \
        setLastStatus(status_);                                    \
        if (status_ < 0)                                           \
            return reportFailure(__LINE__, operation, status_);    \
    } while (0)
