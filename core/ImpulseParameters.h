#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Settings of the impulse signal form; rise and fall are percentages of the period.
class _ImpulseParameters : public IParameter
{
    Q_OBJECT

public:
    explicit _ImpulseParameters(int mezNum = -1, QObject *parent = nullptr);
    _ImpulseParameters(const _ImpulseParameters &other) = default;
    _ImpulseParameters &operator=(const _ImpulseParameters &other) = default;
    ~_ImpulseParameters() override = default;
};

typedef _ImpulseParameters ImpulseParameters;
Q_DECLARE_METATYPE(ImpulseParameters)
