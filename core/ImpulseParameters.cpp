#include "ImpulseParameters.h"

_ImpulseParameters::_ImpulseParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("Uup"), 0.1);
    insertParameter(QStringLiteral("Udn"), -0.1);
    insertParameter(QStringLiteral("Tup"), 0.001);
    insertParameter(QStringLiteral("Tdn"), 0.001);
    insertParameter(QStringLiteral("T"), 1.0);
    insertParameter(QStringLiteral("TModifier"), 1000);
    insertParameter(QStringLiteral("dutyFactor"), 50.0);
}
