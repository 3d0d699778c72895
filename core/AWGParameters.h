#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Arbitrary waveform generator settings of the module.
class AWGParameters : public IParameter
{
    Q_OBJECT

public:
    explicit AWGParameters(int mezNum = -1, QObject *parent = nullptr);
    AWGParameters(const AWGParameters &other) = default;
    AWGParameters &operator=(const AWGParameters &other) = default;
    ~AWGParameters() override = default;

private:
    awgDataFormat m_dataFormat = AwgDataDouble;
};
