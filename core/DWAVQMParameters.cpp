#include "DWAVQMParameters.h"

DWAVQMParameters::DWAVQMParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    insertParameter(QStringLiteral("HB1"), 0u);
    insertParameter(QStringLiteral("HB2"), 0u);
    insertParameter(QStringLiteral("HB3"), 0u);
    insertParameter(QStringLiteral("modulNCO"), false);
    insertParameter(QStringLiteral("attenuateNCO"), false);
    insertParameter(QStringLiteral("freqNCO"), 0.0);
    insertParameter(QStringLiteral("freqNCOModifier"), 1000000);
    insertParameter(QStringLiteral("premodul"), false);
    insertParameter(QStringLiteral("sinXFilter"), false);
    insertParameter(QStringLiteral("invertSideBand"), false);
    insertParameter(QStringLiteral("doubleDataForBothChans"), false);
    insertParameter(QStringLiteral("adjustIQ"), false);
    insertParameter(QStringLiteral("modulAmplDiff_I"), 0.0);
    insertParameter(QStringLiteral("modulAmplDiff_Q"), 0.0);
    insertParameter(QStringLiteral("modulPhaseDiff"), 0.0);
    insertParameter(QStringLiteral("useQM"), false);
}
