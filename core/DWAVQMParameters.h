#pragma once

#include "IParameter.h"

// Quadrature modulator settings: half-band filters, NCO and I/Q adjustment.
class DWAVQMParameters : public IParameter
{
    Q_OBJECT

public:
    explicit DWAVQMParameters(int mezNum = -1, QObject *parent = nullptr);
    DWAVQMParameters(const DWAVQMParameters &other) = default;
    DWAVQMParameters &operator=(const DWAVQMParameters &other) = default;
    ~DWAVQMParameters() override = default;
};
