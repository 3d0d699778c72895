#include "AWGParameters.h"

AWGParameters::AWGParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("awgMode"), 0u);
    insertParameter(QStringLiteral("awgStartMode"), 0u);
    insertParameter(QStringLiteral("dataFormat"), QVariant::fromValue(m_dataFormat));
    insertParameter(QStringLiteral("numCycles"), 1u);
    insertParameter(QStringLiteral("numPacks"), 1u);
    insertParameter(QStringLiteral("numSamples"), 8u);
    insertParameter(QStringLiteral("chan"), 0u);
    insertParameter(QStringLiteral("dataFilePath"), QString());
}
