#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Output settings of one channel: keys chan, chanState, range, offset, Rn.
class DWAVChanParameters : public IParameter
{
    Q_OBJECT

public:
    // A set of a real channel: chan false is channel 1, true channel 2.
    DWAVChanParameters(bool chan, int mezNum, QObject *parent = nullptr);
    // A blank set (chan 0) that is meant to be filled with assign().
    explicit DWAVChanParameters(int mezNum = -1, QObject *parent = nullptr);
    DWAVChanParameters(const DWAVChanParameters &other) = default;
    DWAVChanParameters &operator=(const DWAVChanParameters &other) = default;
    ~DWAVChanParameters() override = default;

private:
    void insertDefaults(const QVariant &chan);
};
