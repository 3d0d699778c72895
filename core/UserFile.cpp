#include "UserFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace UserFile {

bool isReadable(const QString &path)
{
    // QFileInfo follows links and calls only regular files "files".
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool isSaveTarget(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    // A dangling link is no place to save to either.
    return target.exists() ? target.isFile() : !target.isSymLink();
}

bool canSave(const QString &path)
{
    if (!isSaveTarget(path))
        return false;
    const QFileInfo target(path);
    if (target.exists())
        return target.isWritable();
    const QFileInfo folder(target.absolutePath());
    return folder.isDir() && folder.isWritable();
}

bool openForSave(QSaveFile &file)
{
    if (!isSaveTarget(file.fileName()))
        return false;
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly);
}

bool commit(QSaveFile &file, QString *error)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!openForSave(file)) {
        if (error)
            *error = isSaveTarget(path) ? file.errorString() : QStringLiteral("not a regular file");
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return commit(file, error);
}

} // namespace UserFile
