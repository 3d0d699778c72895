// Reading and writing single keys of the module's parameter sets: by set,
// by set name (the widget tags and the settings-file groups), and between a
// tagged widget and the module. Nothing here touches the device.

#include "DWAVModule.h"

#include "AFGParameters.h"
#include "AWGParameters.h"
#include "BindingNames.h"
#include "DWAVChanParameters.h"
#include "DWAVCommonParameters.h"
#include "DWAVQMParameters.h"
#include "HarmonicalParameters.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "Logger.h"
#include "MultilevelParameters.h"
#include "PointTables.h"
#include "TriangularParameters.h"

namespace {

const QString chanSetName = QLatin1String(BindingNames::chanSet);
const QString commonSetName = QLatin1String(BindingNames::commonSet);
const QString qmSetName = QLatin1String(BindingNames::qmSet);
const QString afgSetName = QLatin1String(BindingNames::afgSet);
const QString awgSetName = QLatin1String(BindingNames::awgSet);

const char *const typeProperty = BindingNames::parameterType;
const char *const nameProperty = BindingNames::parameterName;
const char *const subTypeProperty = BindingNames::subParameterType;
const char *const valueProperty = BindingNames::parameterValue;

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The sub-sets are stored whole under their key; a change is made on a copy
// that is then stored back.
template <typename T>
QVariant withSubSetValue(const QVariant &stored, const QString &key, const QVariant &value)
{
    T subSet = qvariant_cast<T>(stored);
    subSet.setParameter(key, value);
    return QVariant::fromValue(subSet);
}

template <typename T>
QVariant subSetValue(const QVariant &stored, const QString &key)
{
    return qvariant_cast<T>(stored).getParameter(key);
}

} // namespace

bool DWAVModule::checkChannel(int chan, const char *operation) const
{
    if (chan >= 0 && chan < ChannelCount)
        return true;
    logger()->log(tr("Channel index %1 is out of range (0 or 1 expected)").arg(chan),
                  QString::fromLatin1(operation));
    return false;
}

DWAVChanParameters *DWAVModule::chanParameters(int chan) const
{
    if (!checkChannel(chan, "DWAVModule::chanParameters") || chan >= m_chanParameters.size())
        return nullptr;
    return m_chanParameters.at(chan);
}

AFGParameters *DWAVModule::afgParameters(int chan) const
{
    if (!checkChannel(chan, "DWAVModule::afgParameters") || chan >= m_afgParameters.size())
        return nullptr;
    return m_afgParameters.at(chan);
}

QVariant DWAVModule::parameterFromSet(IParameter *set, const QString &key) const
{
    return set ? set->getParameter(key) : QVariant();
}

QVariant DWAVModule::chanParameter(int chan, const QString &key) const
{
    return parameterFromSet(chanParameters(chan), key);
}

QVariant DWAVModule::commonParameter(const QString &key) const
{
    return parameterFromSet(m_commonParameters, key);
}

QVariant DWAVModule::qmParameter(const QString &key) const
{
    return parameterFromSet(m_qmParameters, key);
}

QVariant DWAVModule::afgParameter(int chan, const QString &key) const
{
    return parameterFromSet(afgParameters(chan), key);
}

QVariant DWAVModule::awgParameter(const QString &key) const
{
    return parameterFromSet(m_awgParameters, key);
}

int DWAVModule::setChanParameter(int chan, const QString &key, const QVariant &value)
{
    DWAVChanParameters *set = chanParameters(chan);
    return set ? set->setParameter(key, value) : -1;
}

int DWAVModule::setCommonParameter(const QString &key, const QVariant &value)
{
    return m_commonParameters ? m_commonParameters->setParameter(key, value) : -1;
}

int DWAVModule::setQMParameter(const QString &key, const QVariant &value)
{
    return m_qmParameters ? m_qmParameters->setParameter(key, value) : -1;
}

// Callers of the AFG and AWG setters only ask whether the value was taken.
int DWAVModule::setAFGParameter(int chan, const QString &key, const QVariant &value)
{
    AFGParameters *set = afgParameters(chan);
    if (!set)
        return -1;
    return set->setParameter(key, value) == 0 ? 0 : 1;
}

int DWAVModule::setAWGParameter(const QString &key, const QVariant &value)
{
    if (!m_awgParameters)
        return -1;
    return m_awgParameters->setParameter(key, value) == 0 ? 0 : 1;
}

int DWAVModule::setParameterIfExists(IParameter *set, const QString &key, const QVariant &value)
{
    if (!set || !set->parameters().contains(key))
        return -1;
    return set->setParameter(key, value);
}

long double DWAVModule::dataSpeed() const
{
    return PointTables::sampleRate(commonParameter(QStringLiteral("dataSpeed")).toUInt());
}

// The sampling frequency codes are those of the data rate, plus 4 for the
// doubled clock.
long double DWAVModule::sampleFreq() const
{
    const uint code = commonParameter(QStringLiteral("sampleFreq")).toUInt();
    return code == 4 ? 1200000000.0L : PointTables::sampleRate(code);
}

int DWAVModule::setParameterValue(const QString &setName, const QString &subSetType,
                                  const QString &key, int chan, const QVariant &value)
{
    if (sameName(setName, chanSetName))
        return setChanParameter(chan, key, value);
    if (sameName(setName, commonSetName))
        return setCommonParameter(key, value);
    if (sameName(setName, qmSetName))
        return setQMParameter(key, value);
    if (sameName(setName, awgSetName))
        return setAWGParameter(key, value);
    if (!sameName(setName, afgSetName))
        return -1;

    if (subSetType.isEmpty())
        return setAFGParameter(chan, key, value);
    const int form = AFGParameters::subSetForm(subSetType);
    if (form < 0 || !checkChannel(chan, "DWAVModule::setParameterValue"))
        return -1;

    const QString subSetName = AFGParameters::subSetKey(form);
    const QVariant stored = afgParameter(chan, subSetName);
    QVariant changed;
    switch (form) {
    case AfgHarmonic:
        changed = withSubSetValue<_HarmonicalParameters>(stored, key, value);
        break;
    case AfgTriangular:
        changed = withSubSetValue<_TriangularParameters>(stored, key, value);
        break;
    case AfgImpulse:
        changed = withSubSetValue<_ImpulseParameters>(stored, key, value);
        break;
    case AfgLevel:
        changed = withSubSetValue<_LevelParameters>(stored, key, value);
        break;
    default:
        changed = withSubSetValue<_MultilevelParameters>(stored, key, value);
        break;
    }
    return setAFGParameter(chan, subSetName, changed);
}

QVariant DWAVModule::parameterValue(const QString &setName, const QString &subSetName,
                                    const QString &key, int chan) const
{
    if (sameName(setName, chanSetName))
        return chanParameter(chan, key);
    if (sameName(setName, commonSetName))
        return commonParameter(key);
    if (sameName(setName, qmSetName))
        return qmParameter(key);
    if (sameName(setName, awgSetName))
        return awgParameter(key);
    if (!sameName(setName, afgSetName))
        return QVariant();

    if (subSetName.isEmpty())
        return afgParameter(chan, key);
    const int form = AFGParameters::subSetForm(subSetName);
    if (form < 0 || !checkChannel(chan, "DWAVModule::parameterValue"))
        return QVariant();

    const QVariant stored = afgParameter(chan, AFGParameters::subSetKey(form));
    switch (form) {
    case AfgHarmonic:
        return subSetValue<_HarmonicalParameters>(stored, key);
    case AfgTriangular:
        return subSetValue<_TriangularParameters>(stored, key);
    case AfgImpulse:
        return subSetValue<_ImpulseParameters>(stored, key);
    case AfgLevel:
        return subSetValue<_LevelParameters>(stored, key);
    default:
        return subSetValue<_MultilevelParameters>(stored, key);
    }
}

namespace {

// Widgets of channel 2 are told apart by their object name alone.
int channelOfWidget(const QObject *widget)
{
    return widget->objectName().contains(QLatin1String("chan2"), Qt::CaseInsensitive) ? 1 : 0;
}

} // namespace

int DWAVModule::setParameterFromWidget(QObject *widget)
{
    if (!widget)
        return -1;
    const QVariant setName = widget->property(typeProperty);
    const QVariant key = widget->property(nameProperty);
    const QVariant value = widget->property(valueProperty);
    if (!setName.isValid() || !key.isValid() || !value.isValid())
        return -1;
    const QString subSetName = widget->property(subTypeProperty).toString();
    return setParameterValue(setName.toString(), subSetName, key.toString(),
                             channelOfWidget(widget), value);
}

int DWAVModule::updateWidgetFromParameter(QObject *widget)
{
    if (!widget)
        return -1;
    const QVariant setName = widget->property(typeProperty);
    const QVariant key = widget->property(nameProperty);
    if (!setName.isValid() || !key.isValid())
        return -1;
    const QString subSetName = widget->property(subTypeProperty).toString();
    widget->setProperty(valueProperty, parameterValue(setName.toString(), subSetName,
                                                      key.toString(), channelOfWidget(widget)));
    return 0;
}
