#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Settings of the multilevel signal form: a table of up to 1024 levels, each
// held for T nanoseconds. The levels live under the "points" key; the member
// only supplies the initial empty table.
class _MultilevelParameters : public IParameter
{
    Q_OBJECT

public:
    explicit _MultilevelParameters(int mezNum = -1, QObject *parent = nullptr,
                                   uint nPoints = 0, uint T = 0);
    _MultilevelParameters(const _MultilevelParameters &other) = default;
    _MultilevelParameters &operator=(const _MultilevelParameters &other) = default;
    ~_MultilevelParameters() override = default;

private:
    PointsVector m_points;
};

typedef _MultilevelParameters MultilevelParameters;
Q_DECLARE_METATYPE(MultilevelParameters)
