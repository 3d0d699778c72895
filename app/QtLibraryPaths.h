#pragma once

#include <QString>
#include <QStringList>

// Qt's plug-ins (platform integration, image formats, icon engines) are found
// through the library path list. The run-time is installed once per machine
// in a folder that the installer records in the user's settings; the
// instrument-driver installation folder is the fallback.

// The installer's settings: organisation and application that name the key
// HKEY_CURRENT_USER\Software\Velmora\QtDistrib on Windows.
extern const char *const qtDistribOrganization;
extern const char *const qtDistribApplication;
extern const char *const qtDistribInstallDirKey;

// The Qt folder from the installer's value, else from the first environment
// entry (in "name=value" form) that contains "VXIPNPPATH=" anywhere; empty
// when neither gives one.
QString qtDistribDirectory(const QString &installDir, const QStringList &environment);

// The library path list for a Qt folder: ".", the folder and its three
// plug-in folders. A non-empty qtPluginsPath that is not in the list yet is
// added after them, so that a Qt living in the system's folders still finds
// its own plug-ins.
QStringList qtLibraryPathList(const QString &dir, const QString &qtPluginsPath = QString());

// The list for this machine as it is now: the installer's value from the
// user's native settings store, else the process environment.
QStringList systemQtLibraryPathList();

// Sets Qt's library paths once per process; later calls do nothing.
void setupQtLibraryPaths();
