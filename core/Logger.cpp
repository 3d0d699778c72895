#include "Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMetaMethod>
#include <QMutexLocker>
#include <QPainter>
#include <QPixmap>
#include <QRecursiveMutex>
#include <QSvgRenderer>
#include <QThread>

#include <atomic>
#include <cstdio>

namespace {

QPixmap renderIcon(const QString &path)
{
    const QSize size(20, 20);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    return QPixmap::fromImage(image);
}

} // namespace

QString Logger::logFileName()
{
    return QStringLiteral("DWAV_messages.log");
}

QString Logger::prefix(LoggerMessageType type)
{
    switch (type) {
    case LoggerInfo:
        return QStringLiteral("(II) ");
    case LoggerWarning:
        return QStringLiteral("(WW) ");
    case LoggerCritical:
        return QStringLiteral("(EE) ");
    case LoggerFatal:
        return QStringLiteral("(FF) ");
    default:
        return QString();
    }
}

QString Logger::iconPath(LoggerMessageType type)
{
    switch (type) {
    case LoggerWarning:
        return QStringLiteral(":/images/dialog-warning.svg");
    case LoggerCritical:
        return QStringLiteral(":/images/dialog-error.svg");
    case LoggerFatal:
        return QStringLiteral(":/images/process-stop.svg");
    default:
        return QStringLiteral(":/images/preferences-desktop-notification.svg");
    }
}

Logger *Logger::instance(int index)
{
    // All instances are made together, so the size check of the shared log
    // file happens before any of them has written to it.
    static Logger loggers[instanceCount];
    static const bool prepared = [] {
        qRegisterMetaType<LoggerMessageType>("LoggerMessageType");
        // Whatever thread asks first, the instances belong to the
        // application's thread, like the windows that show their messages.
        QCoreApplication *app = QCoreApplication::instance();
        if (app && app->thread() != QThread::currentThread()) {
            for (Logger &logger : loggers)
                logger.moveToThread(app->thread());
        }
        return true;
    }();
    Q_UNUSED(prepared)

    if (index < 0)
        index = 0;
    if (index >= instanceCount)
        index = instanceCount - 1;
    return &loggers[index];
}

Logger::Logger()
    : m_mutex(new QRecursiveMutex)
{
    openLogFile();
}

Logger::~Logger()
{
    closeLogFile();
    delete m_mutex;
}

void Logger::setMessageLabel(QLabel *label)
{
    QMutexLocker locker(m_mutex);
    m_messageLabel = label;
}

void Logger::setIconLabel(QLabel *label)
{
    QMutexLocker locker(m_mutex);
    m_iconLabel = label;
}

void Logger::setFileLoggingEnabled(bool enabled)
{
    QMutexLocker locker(m_mutex);
    m_fileLogging = enabled;
}

bool Logger::isFileLoggingEnabled() const
{
    QMutexLocker locker(m_mutex);
    return m_fileLogging;
}

bool Logger::isObserved(LoggerMessageType type) const
{
    if (type != LoggerPlain)
        return true;
    {
        QMutexLocker locker(m_mutex);
        if (m_fileLogging && m_file && m_file->isOpen())
            return true;
    }
    return isSignalConnected(QMetaMethod::fromSignal(&Logger::logged));
}

void Logger::openLogFile()
{
    QMutexLocker locker(m_mutex);
    closeLogFile();
    m_file = new QFile(logFileName());
    // Opening a named pipe for writing waits until some reader comes, which
    // would hold the panel's start for good; a device or a folder is no log
    // either. Such a name leaves the run without a log file.
    const QFileInfo existing(logFileName());
    if (existing.exists() && !existing.isFile()) {
        static std::atomic<bool> told{false};
        if (!told.exchange(true)) {
            const QByteArray note = "(WW) " + QFile::encodeName(logFileName())
                + " is not a regular file: messages are not written to a log file\n";
            std::fwrite(note.constData(), 1, size_t(note.size()), stdout);
            std::fflush(stdout);
        }
        return;
    }
    if (m_file->size() > maxLogFileSize)
        m_file->remove();
    m_file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

void Logger::closeLogFile()
{
    QMutexLocker locker(m_mutex);
    delete m_file;
    m_file = nullptr;
}

QString Logger::withKey(const QString &message, const QString &key)
{
    if (key.isEmpty())
        return message;
    return key + QStringLiteral(": ") + message;
}

void Logger::writeMessage(const QString &message, LoggerMessageType type)
{
    QMutexLocker locker(m_mutex);

    if (type <= LoggerFatal)
        showOnLabels(message, type);

    if (type != LoggerPlain) {
        const QByteArray line = prefix(type).toLocal8Bit() + message.toLocal8Bit() + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    }

    if (m_fileLogging && m_file && m_file->isOpen()) {
        // The file holds the local 8-bit bytes of the text. A write that
        // fails (a full disk) loses this line only: nothing is kept back,
        // and the next message is tried afresh.
        m_file->write(prefix(type).toLatin1() + message.toLocal8Bit() + '\n');
    }

    emit logged(message, type);
}

void Logger::showOnLabels(const QString &message, LoggerMessageType type)
{
    QLabel *label = m_messageLabel.data();
    if (!label)
        return;
    const quint64 sequence = ++m_labelSequence;
    if (label->thread() == QThread::currentThread()) {
        applyToLabels(sequence, message, type);
        return;
    }
    // Widgets may only be touched on their own thread: a message from a
    // worker reaches the labels through the GUI thread's event loop. The
    // label is the context, so the call is dropped if the label goes first.
    QMetaObject::invokeMethod(
        label, [this, sequence, message, type] { applyToLabels(sequence, message, type); },
        Qt::QueuedConnection);
}

void Logger::applyToLabels(quint64 sequence, const QString &message, LoggerMessageType type)
{
    QMutexLocker locker(m_mutex);
    if (sequence < m_shownSequence)
        return;
    m_shownSequence = sequence;
    if (QLabel *label = m_messageLabel.data())
        label->setText(message);
    if (QLabel *icon = m_iconLabel.data())
        icon->setPixmap(renderIcon(iconPath(type)));
}

void Logger::log(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerPlain);
}

void Logger::info(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerPlain);
}

void Logger::warning(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerWarning);
}

void Logger::critical(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerCritical);
}

void Logger::fatal(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerFatal);
}

void Logger::status(const QString &message, const QString &key)
{
    writeMessage(withKey(message, key), LoggerInfo);
}
