#include "DWAVCommonParameters.h"

DWAVCommonParameters::DWAVCommonParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    insertParameter(QStringLiteral("dataSpeed"), 2u);
    insertParameter(QStringLiteral("sampleFreq"), 3u);
    insertParameter(QStringLiteral("SF_source"), 0u);
    insertParameter(QStringLiteral("SF_state"), 0u);
    insertParameter(QStringLiteral("SF_output_freq"), 2u);
    insertParameter(QStringLiteral("startSource"), 0u);
    insertParameter(QStringLiteral("startDelay"), 0.0);
    insertParameter(QStringLiteral("startDelayModifier"), 1000);
    insertParameter(QStringLiteral("startEventForm"), 0u);
}
