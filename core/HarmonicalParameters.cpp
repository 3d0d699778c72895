#include "HarmonicalParameters.h"

_HarmonicalParameters::_HarmonicalParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("ampl"), 0.0);
    insertParameter(QStringLiteral("freq"), 0.06);
    insertParameter(QStringLiteral("freqModifier"), 1);
    insertParameter(QStringLiteral("phase"), 0.0);
    insertParameter(QStringLiteral("levelLimit"), false);
    insertParameter(QStringLiteral("upperLimit"), 0.0);
    insertParameter(QStringLiteral("lowerLimit"), 0.0);
    insertParameter(QStringLiteral("offset"), 0.0);
    insertParameter(QStringLiteral("modulType"), QVariant::fromValue(ModulOff));
    insertParameter(QStringLiteral("modulFreq"), 0.0);
    insertParameter(QStringLiteral("modulFreqModifier"), 1);
    insertParameter(QStringLiteral("modulIndex"), 0.0);
    insertParameter(QStringLiteral("freqDev"), 0.0);
    insertParameter(QStringLiteral("freqDevModifier"), 1);
    insertParameter(QStringLiteral("phaseDev"), 0.0);
}
