#pragma once

#include <QString>
#include <QUrl>

// Where the user manual lies. The standalone program keeps it in its own
// folder; a host program finds it in the driver's installation folder,
// "../TVKDWAV" beside the host's folder.
class UserManual
{
public:
    // The manual's path for a program at applicationFilePath ("/" separators).
    // Only a path ending exactly (letter case included) in the standalone
    // program's file name counts as the standalone program here.
    static QString path(const QString &applicationFilePath);

    // The same path as a local-file URL, so that a Windows drive letter is
    // never taken for a URL scheme.
    static QUrl url(const QString &applicationFilePath);
};
