#pragma once

#include "HarmonicalParameters.h"
#include "IParameter.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "MultilevelParameters.h"
#include "ParameterTypes.h"
#include "TriangularParameters.h"

// Function generator settings of one channel: one sub-set per signal form,
// each stored whole as a QVariant under its own key, and the form that
// configuration sends. Readers take a sub-set out, change the copy and store
// it back.
class AFGParameters : public IParameter
{
    Q_OBJECT

public:
    explicit AFGParameters(int mezNum = -1, QObject *parent = nullptr);
    AFGParameters(const AFGParameters &other) = default;
    AFGParameters &operator=(const AFGParameters &other) = default;
    ~AFGParameters() override = default;

    // The signal form whose sub-set a name means (its key compared ignoring
    // case), as an afgSignalTypes value; -1 for any other name.
    static int subSetForm(const QString &name);
    // The key of a signal form's sub-set; empty for an unknown form.
    static QString subSetKey(int form);

private:
    _HarmonicalParameters m_harmonical;
    _TriangularParameters m_triangular;
    _ImpulseParameters m_impulse;
    _LevelParameters m_level;
    _MultilevelParameters m_multilevel;
};
