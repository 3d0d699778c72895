#include "InstrumentChoice.h"

#include "DWAVModule.h"
#include "InstrumentSelectionDialog.h"
#include "ProgramName.h"

InstrumentChoice InstrumentChoice::fromDialog(const InstrumentSelectionDialog &dialog)
{
    return fromRow(dialog.deviceTypes(), dialog.resourceNames(), dialog.positions(),
                   dialog.selectedRow());
}

InstrumentChoice InstrumentChoice::fromRow(const QStringList &deviceTypes,
                                           const QStringList &resourceNames,
                                           const QList<int> &positions, int row)
{
    InstrumentChoice choice;
    choice.m_row = row < 0 ? -1 : row;
    if (row >= 0) {
        choice.m_deviceType = deviceTypes.value(row);
        choice.m_resourceName = resourceNames.value(row);
        choice.m_position = positions.value(row, -1);
    }
    return choice;
}

bool InstrumentChoice::isComplete() const
{
    return !isDemo() && !m_deviceType.isEmpty() && !m_resourceName.isEmpty() && m_position >= 0;
}

int InstrumentChoice::openModule(DWAVModule &module, const QString &applicationPath) const
{
    module.setStandaloneProgram(ProgramName::isStandalonePath(applicationPath));
    // A carrier that did not open has told why; initialising the module on
    // it would only bury that under a complaint about an invalid session.
    const int carrierResult = module.initCarrier(m_resourceName, 1, 1, ushort(m_position));
    if (carrierResult < 0)
        return carrierResult;
    return module.initialize();
}
