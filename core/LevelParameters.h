#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Settings of the constant level signal form.
class _LevelParameters : public IParameter
{
    Q_OBJECT

public:
    explicit _LevelParameters(int mezNum = -1, QObject *parent = nullptr);
    _LevelParameters(const _LevelParameters &other) = default;
    _LevelParameters &operator=(const _LevelParameters &other) = default;
    ~_LevelParameters() override = default;
};

typedef _LevelParameters LevelParameters;
Q_DECLARE_METATYPE(LevelParameters)
