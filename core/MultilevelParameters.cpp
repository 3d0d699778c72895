#include "MultilevelParameters.h"

_MultilevelParameters::_MultilevelParameters(int mezNum, QObject *parent, uint nPoints, uint T)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("nPoints"), nPoints);
    insertParameter(QStringLiteral("T"), T);
    insertParameter(QStringLiteral("points"), QVariant::fromValue(m_points));
    insertParameter(QStringLiteral("dataFilePath"), QString());
}
