#pragma once

#include "IParameter.h"
#include "ParameterTypes.h"

// Settings of the triangular signal form.
class _TriangularParameters : public IParameter
{
    Q_OBJECT

public:
    explicit _TriangularParameters(int mezNum = -1, QObject *parent = nullptr);
    _TriangularParameters(const _TriangularParameters &other) = default;
    _TriangularParameters &operator=(const _TriangularParameters &other) = default;
    ~_TriangularParameters() override = default;
};

typedef _TriangularParameters TriangularParameters;
Q_DECLARE_METATYPE(TriangularParameters)
