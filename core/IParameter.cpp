#include "IParameter.h"

#include "Logger.h"

IParameter::IParameter(int mezNum, QObject *parent)
    : QObject(parent)
    , m_mezNum(mezNum)
{
}

// A copy watches nothing: the watched keys belong to whoever listens to the
// original set.
IParameter::IParameter(const IParameter &other)
    : QObject(other.parent())
    , m_mezNum(other.m_mezNum)
    , m_parameters(other.m_parameters)
{
}

IParameter &IParameter::operator=(const IParameter &other)
{
    if (this != &other) {
        m_mezNum = other.m_mezNum;
        m_parameters = other.m_parameters;
    }
    return *this;
}

IParameter::~IParameter() = default;

QVariant IParameter::getParameter(const QString &name) const
{
    const auto it = m_parameters.constFind(name);
    if (it == m_parameters.constEnd()) {
        Logger::instance(m_mezNum)->log(QStringLiteral("Invalid getting parameter name! - %1").arg(name),
                                        QStringLiteral("IParameter::getParameter"));
        return QVariant();
    }
    return it.value();
}

int IParameter::setParameter(const QString &name, const QVariant &value)
{
    auto it = m_parameters.find(name);
    if (it == m_parameters.end()) {
        Logger::instance(m_mezNum)->log(QStringLiteral("Invalid setting parameter name! - %1").arg(name),
                                        QStringLiteral("IParameter::setParameter"));
        return -1;
    }
    if (it.value() == value)
        return 1;
    if (!value.isValid()) {
        Logger::instance(m_mezNum)->log(QStringLiteral("Invalid setting parameter: value is null! - %1").arg(name),
                                        QStringLiteral("IParameter::setParameter"));
        return -1;
    }
    it.value() = value;
    if (m_watched.contains(name))
        emit parameterChanged(name, value);
    return 0;
}

int IParameter::addWatchedParameter(const QString &name)
{
    if (m_watched.contains(name))
        return -1;
    m_watched.append(name);
    return 0;
}

int IParameter::removeWatchedParameter(const QString &name)
{
    if (m_watched.removeAll(name) == 0)
        return -1;
    return 0;
}

bool IParameter::isEqual(const IParameter &other) const
{
    for (auto it = m_parameters.constBegin(); it != m_parameters.constEnd(); ++it) {
        if (it.value() != other.getParameter(it.key()))
            return false;
    }
    return true;
}

IParameter &IParameter::assign(const IParameter &other)
{
    if (this == &other)
        return *this;
    // Read through getParameter so that the result is exactly what the other
    // set would answer key by key.
    ParameterTable table;
    const ParameterTable source = other.m_parameters;
    for (auto it = source.constBegin(); it != source.constEnd(); ++it)
        table.insert(it.key(), other.getParameter(it.key()));
    m_parameters = table;
    return *this;
}

void IParameter::insertParameter(const QString &name, const QVariant &value)
{
    m_parameters.insert(name, value);
}
