#pragma once

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>

// The time and frequency units of the panel, keyed by multiplier: the number
// of units in one second, or the number of hertz in one unit. One instance
// per process; fillDimensions() runs again after a language switch so that
// unit selectors filled afterwards show the new names.
class Dimensions : public QObject
{
    Q_OBJECT

public:
    static Dimensions *instance();

    void fillDimensions();

    QMap<int, QString> timeDimensions() const;
    QMap<int, QString> freqDimensions() const;

    // Empty when the table has no such multiplier.
    QString timeUnit(int multiplier) const;
    QString freqUnit(int multiplier) const;

    // Seconds per unit and hertz per unit. A multiplier of 0 or less, which
    // only a damaged settings file can hold, counts as the base unit.
    double timeFactor(int multiplier) const;
    double freqFactor(int multiplier) const;

    // The factor of a unit given by name; 1 for a name not in the table.
    double timeFactorOfUnit(const QString &name) const;
    double freqFactorOfUnit(const QString &name) const;

private:
    Dimensions();
    Q_DISABLE_COPY(Dimensions)

    mutable QMutex m_mutex;
    QMap<int, QString> m_time;
    QMap<int, QString> m_freq;
};
