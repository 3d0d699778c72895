#include "Dimensions.h"

#include <QMutexLocker>

Dimensions *Dimensions::instance()
{
    static Dimensions dimensions;
    return &dimensions;
}

Dimensions::Dimensions()
{
    fillDimensions();
}

void Dimensions::fillDimensions()
{
    QMap<int, QString> time;
    time.insert(1, tr("s"));
    time.insert(1000, tr("ms"));
    time.insert(1000000, tr("µs"));
    time.insert(1000000000, tr("ns"));

    QMap<int, QString> freq;
    freq.insert(1, tr("Hz"));
    freq.insert(1000, tr("kHz"));
    freq.insert(1000000, tr("MHz"));

    QMutexLocker locker(&m_mutex);
    m_time = time;
    m_freq = freq;
}

QMap<int, QString> Dimensions::timeDimensions() const
{
    QMutexLocker locker(&m_mutex);
    return m_time;
}

QMap<int, QString> Dimensions::freqDimensions() const
{
    QMutexLocker locker(&m_mutex);
    return m_freq;
}

QString Dimensions::timeUnit(int multiplier) const
{
    QMutexLocker locker(&m_mutex);
    return m_time.value(multiplier);
}

QString Dimensions::freqUnit(int multiplier) const
{
    QMutexLocker locker(&m_mutex);
    return m_freq.value(multiplier);
}

double Dimensions::timeFactor(int multiplier) const
{
    if (multiplier <= 0)
        return 1.0;
    return 1.0 / multiplier;
}

double Dimensions::freqFactor(int multiplier) const
{
    if (multiplier <= 0)
        return 1.0;
    return multiplier;
}

double Dimensions::timeFactorOfUnit(const QString &name) const
{
    QMutexLocker locker(&m_mutex);
    for (auto it = m_time.constBegin(); it != m_time.constEnd(); ++it) {
        if (it.value() == name)
            return 1.0 / it.key();
    }
    return 1.0;
}

double Dimensions::freqFactorOfUnit(const QString &name) const
{
    QMutexLocker locker(&m_mutex);
    for (auto it = m_freq.constBegin(); it != m_freq.constEnd(); ++it) {
        if (it.value() == name)
            return it.key();
    }
    return 1.0;
}
