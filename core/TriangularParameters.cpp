#include "TriangularParameters.h"

_TriangularParameters::_TriangularParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("Uup"), 0.1);
    insertParameter(QStringLiteral("Udn"), -0.1);
    insertParameter(QStringLiteral("Tup"), 1.0);
    insertParameter(QStringLiteral("TupModifier"), 1000);
    insertParameter(QStringLiteral("Tdn"), 1.0);
    insertParameter(QStringLiteral("TdnModifier"), 1000);
}
