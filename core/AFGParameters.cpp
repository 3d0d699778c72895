#include "AFGParameters.h"

AFGParameters::AFGParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
    , m_harmonical(-1, nullptr)
    , m_triangular(-1, nullptr)
    , m_impulse(-1, nullptr)
    , m_level(-1, nullptr)
    , m_multilevel(-1, nullptr, 0, 0)
{
    insertParameter(QStringLiteral("harmonicalParameters"), QVariant::fromValue(m_harmonical));
    insertParameter(QStringLiteral("triangularParameters"), QVariant::fromValue(m_triangular));
    insertParameter(QStringLiteral("impulseParameters"), QVariant::fromValue(m_impulse));
    insertParameter(QStringLiteral("levelParameters"), QVariant::fromValue(m_level));
    insertParameter(QStringLiteral("multilevelParameters"), QVariant::fromValue(m_multilevel));
    insertParameter(QStringLiteral("currentSignalType"), QVariant::fromValue(AfgHarmonic));
}
