#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Files the operator names in a dialog or a line edit: data files, points
// files, settings files, protocols. Only regular files are opened: a named
// pipe would hold the panel in open() until some writer came, and a device
// such as /dev/zero never ends.
namespace UserFile {

// A file to read: an existing regular file (a link to one is fine).
bool isReadable(const QString &path);

// A file to save to: a regular file, or a name that does not exist yet.
bool isSaveTarget(const QString &path);

// Whether a save to `path` can be expected to work, asked without opening
// or emptying anything: an existing file must be writable, a new one needs
// a writable folder.
bool canSave(const QString &path);

// Opens `file` for writing. The new content goes to a file of its own and
// replaces the target only at commit(); in a folder where no such file can
// be made, the target itself is written, as a plain open would.
bool openForSave(QSaveFile &file);

// Puts what was written in place. Qt's own commit() reports success when the
// final flush fails (a full disk under its write buffer), and would then put
// an empty file in place of the old one; here the buffer is flushed first,
// and any failure cancels, leaving the old file as it was.
bool commit(QSaveFile &file, QString *error = nullptr);

// openForSave, write and commit in one.
bool save(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace UserFile
