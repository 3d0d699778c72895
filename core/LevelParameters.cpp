#include "LevelParameters.h"

_LevelParameters::_LevelParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("level"), 0.1);
}
