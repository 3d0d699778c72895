#pragma once

#include "IParameter.h"

// Synchronisation, clock and start settings of the module.
class DWAVCommonParameters : public IParameter
{
    Q_OBJECT

public:
    explicit DWAVCommonParameters(int mezNum = -1, QObject *parent = nullptr);
    DWAVCommonParameters(const DWAVCommonParameters &other) = default;
    DWAVCommonParameters &operator=(const DWAVCommonParameters &other) = default;
    ~DWAVCommonParameters() override = default;
};
