#include "DWAVChanParameters.h"

DWAVChanParameters::DWAVChanParameters(bool chan, int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    insertDefaults(int(chan ? 1 : 0));
}

DWAVChanParameters::DWAVChanParameters(int mezNum, QObject *parent)
    : IParameter(mezNum, parent)
{
    insertDefaults(0u);
}

void DWAVChanParameters::insertDefaults(const QVariant &chan)
{
    ParameterTypes::registerTypes();
    insertParameter(QStringLiteral("chan"), chan);
    insertParameter(QStringLiteral("chanState"), QVariant::fromValue(ChanOn));
    insertParameter(QStringLiteral("range"), 0u);
    insertParameter(QStringLiteral("offset"), 0.0);
    insertParameter(QStringLiteral("Rn"), 50.0);
}
