#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

// Base of every parameter set: a fixed collection of keys, each holding a
// QVariant. The subclass constructor inserts the keys with their defaults;
// nothing here ever adds a key. Sets are copied by value; a copy watches no
// key.
class IParameter : public QObject
{
    Q_OBJECT

public:
    typedef QHash<QString, QVariant> ParameterTable;

    explicit IParameter(int mezNum = -1, QObject *parent = nullptr);
    IParameter(const IParameter &other);
    // Takes the position and the values; the parent and the watched keys
    // stay those of this set, as with a copy made by assign().
    IParameter &operator=(const IParameter &other);
    ~IParameter() override;

    int mezNum() const { return m_mezNum; }

    // An unknown key gives an invalid value and a line in the log file.
    QVariant getParameter(const QString &name) const;

    // -1: unknown key or null value (set unchanged); 1: value equal to the
    // stored one (nothing stored, nothing emitted); 0: stored, and
    // parameterChanged emitted when the key is watched.
    int setParameter(const QString &name, const QVariant &value);

    ParameterTable parameters() const { return m_parameters; }

    int addWatchedParameter(const QString &name);
    int removeWatchedParameter(const QString &name);
    QStringList watchedParameters() const { return m_watched; }

    // True when every key of this set holds the same value in the other
    // one; keys only the other set has are not looked at.
    virtual bool isEqual(const IParameter &other) const;
    // Replaces this set's keys and values by the other's. Position, parent
    // and watched keys stay; nothing is emitted.
    virtual IParameter &assign(const IParameter &other);

signals:
    void parameterChanged(QString paramName, QVariant value);

protected:
    // Used by the subclass constructors to lay down their keys.
    void insertParameter(const QString &name, const QVariant &value);

private:
    int m_mezNum;
    ParameterTable m_parameters;
    QStringList m_watched;
};
