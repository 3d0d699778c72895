#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Settings of the harmonic signal form, with its modulation.
class _HarmonicalParameters : public IParameter
{
    Q_OBJECT

public:
    explicit _HarmonicalParameters(int mezNum = -1, QObject *parent = nullptr);
    _HarmonicalParameters(const _HarmonicalParameters &other) = default;
    _HarmonicalParameters &operator=(const _HarmonicalParameters &other) = default;
    ~_HarmonicalParameters() override = default;
};

typedef _HarmonicalParameters HarmonicalParameters;
Q_DECLARE_METATYPE(HarmonicalParameters)
