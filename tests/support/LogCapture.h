#pragma once

// Every message one position's Logger sends while the capture lives.

#include "Logger.h"

#include <QSignalSpy>
#include <QStringList>

class LogCapture
{
public:
    explicit LogCapture(int position)
        : m_spy((qRegisterMetaType<LoggerMessageType>(), Logger::instance(position)),
                &Logger::logged)
    {
    }

    // Messages of one type, oldest first.
    QStringList of(LoggerMessageType type) const
    {
        QStringList texts;
        for (const QList<QVariant> &call : m_spy) {
            if (call.at(1).value<LoggerMessageType>() == type)
                texts << call.at(0).toString();
        }
        return texts;
    }
    QStringList all() const
    {
        QStringList texts;
        for (const QList<QVariant> &call : m_spy)
            texts << call.at(0).toString();
        return texts;
    }
    int count() const { return m_spy.count(); }
    void clear() { m_spy.clear(); }

private:
    QSignalSpy m_spy;
};
