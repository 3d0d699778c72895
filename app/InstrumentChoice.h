#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DWAVModule;
class InstrumentSelectionDialog;

// What the user chose in the selection dialog: one found module, or none
// (DEMO mode). A row that lacks its device type, resource or position is
// incomplete and must not be opened.
class InstrumentChoice
{
public:
    static InstrumentChoice fromDialog(const InstrumentSelectionDialog &dialog);
    // A row beyond the end of a list reads as an empty text, or position -1.
    static InstrumentChoice fromRow(const QStringList &deviceTypes, const QStringList &resourceNames,
                                    const QList<int> &positions, int row);

    bool isDemo() const { return m_row < 0; }
    bool isComplete() const;

    int row() const { return m_row; }
    QString deviceType() const { return m_deviceType; }
    QString resourceName() const { return m_resourceName; }
    int position() const { return m_position; }

    // Marks the module as running in the standalone program when the path
    // names it, opens the carrier position and initialises the module. A
    // module that cannot be opened stays in DEMO mode; the result of the
    // initialisation is returned for whoever wants to know.
    int openModule(DWAVModule &module, const QString &applicationPath) const;

private:
    int m_row = -1;
    QString m_deviceType;
    QString m_resourceName;
    int m_position = -1;
};
