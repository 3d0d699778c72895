#pragma once

#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QFile;
class QLabel;
class QRecursiveMutex;

// What a message is and therefore where it goes: types 0 to 3 reach the
// status bar, the console and the log file; a plain message only the file.
enum LoggerMessageType : int {
    LoggerInfo = 0,
    LoggerWarning = 1,
    LoggerCritical = 2,
    LoggerFatal = 3,
    LoggerPlain = 4
};
Q_DECLARE_METATYPE(LoggerMessageType)

// The message sink of one mezzanine position. Every position has its own
// instance (and so its own status-bar labels); all of them append to the same
// log file in the working directory.
class Logger : public QObject
{
    Q_OBJECT

public:
    // Index 0 serves the application itself, 1 to 8 the mezzanine positions.
    static constexpr int instanceCount = 9;
    static constexpr qint64 maxLogFileSize = 268435456;

    static QString logFileName();
    static QString prefix(LoggerMessageType type);
    static QString iconPath(LoggerMessageType type);

    // The instance of a position; below 0 gives 0, above the last the last.
    static Logger *instance(int index);

    ~Logger() override;

    // The main window hands over its status-bar labels and takes them back
    // (nullptr) before they are destroyed. The labels are only ever touched
    // on their own (GUI) thread.
    void setMessageLabel(QLabel *label);
    void setIconLabel(QLabel *label);

    void setFileLoggingEnabled(bool enabled);
    bool isFileLoggingEnabled() const;
    // Whether a message of this type reaches anything at all: a plain one
    // with file logging off reaches only whoever listens to logged(), so a
    // caller can skip building millions of them.
    bool isObserved(LoggerMessageType type) const;

    // Switches file logging on or off for as long as it lives, then puts
    // back what was there, on every way out.
    class FileLoggingScope
    {
    public:
        FileLoggingScope(Logger *logger, bool enabled)
            : m_logger(logger)
            , m_was(logger->isFileLoggingEnabled())
        {
            logger->setFileLoggingEnabled(enabled);
        }
        ~FileLoggingScope() { m_logger->setFileLoggingEnabled(m_was); }
        FileLoggingScope(const FileLoggingScope &) = delete;
        FileLoggingScope &operator=(const FileLoggingScope &) = delete;

    private:
        Logger *m_logger;
        bool m_was;
    };

    void openLogFile();
    void closeLogFile();

    // Writes one message (already carrying its key) according to its type.
    void writeMessage(const QString &message, LoggerMessageType type);

public slots:
    void log(const QString &message, const QString &key = QString());
    void info(const QString &message, const QString &key = QString());
    void warning(const QString &message, const QString &key = QString());
    void critical(const QString &message, const QString &key = QString());
    void fatal(const QString &message, const QString &key = QString());
    void status(const QString &message, const QString &key = QString());

signals:
    void logged(QString message, LoggerMessageType type);

private:
    Logger();
    Q_DISABLE_COPY(Logger)

    static QString withKey(const QString &message, const QString &key);
    void showOnLabels(const QString &message, LoggerMessageType type);
    void applyToLabels(quint64 sequence, const QString &message, LoggerMessageType type);

    QRecursiveMutex *m_mutex = nullptr;
    // Open only while messages can go to it; each line is written to it
    // directly, so a failed write holds nothing back for the next one.
    QFile *m_file = nullptr;
    QPointer<QLabel> m_messageLabel;
    QPointer<QLabel> m_iconLabel;
    bool m_fileLogging = true;

    // Messages from worker threads reach the labels later than messages
    // written on the GUI thread; the sequence keeps a late one from
    // overwriting a newer text.
    quint64 m_labelSequence = 0;  // under the mutex
    quint64 m_shownSequence = 0;  // GUI thread only
};
