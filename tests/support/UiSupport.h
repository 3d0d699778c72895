#pragma once

// Widgets by name, the non-modal file dialogs the panel opens, and the
// small files the tests hand to them.

#include <QFile>
#include <QFileDialog>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace UiTest {

template <typename T>
T *child(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no widget %s", name);
    return found;
}

// The file dialog `parent` has open, or null.
inline QFileDialog *openFileDialog(const QObject *parent)
{
    for (QFileDialog *dialog : parent->findChildren<QFileDialog *>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}

// Chooses `path` in that dialog as the user would; false when none is open.
inline bool chooseFile(const QObject *parent, const QString &path)
{
    QFileDialog *dialog = openFileDialog(parent);
    if (!dialog)
        return false;
    emit dialog->fileSelected(path);
    dialog->close();
    return true;
}

// Rows of the names a save is given ("chosen") and the file it writes
// ("written"), for saves that add their ending when the name lacks it.
inline void endingRows(const char *ending)
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    const QString e = QLatin1String(ending), upper = e.toUpper();
    QTest::newRow("ending appended") << QStringLiteral("file") << QStringLiteral("file") + e;
    QTest::newRow("ending kept") << QStringLiteral("file") + e << QStringLiteral("file") + e;
    QTest::newRow("ending compared with case") << QStringLiteral("file") + upper << QStringLiteral("file") + upper + e;
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A file's bytes, empty when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A named pipe: opening it for reading waits until some writer comes.
inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// While one lives, no file of this process grows past `bytes`, as if the
// disk were full: a write beyond it fails instead of ending the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_signal)(int) = nullptr;
};

} // namespace UiTest
