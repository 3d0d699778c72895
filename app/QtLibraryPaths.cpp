#include "QtLibraryPaths.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>

#include <atomic>

const char *const qtDistribOrganization = "Velmora";
const char *const qtDistribApplication = "QtDistrib";
const char *const qtDistribInstallDirKey = "QT_DISTRIB_INSTALL_DIR";

namespace {

std::atomic<bool> libraryPathsSet{false};

QString installerQtDirectory()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(qtDistribOrganization),
                       QString::fromLatin1(qtDistribApplication));
    return settings.value(QString::fromLatin1(qtDistribInstallDirKey)).toString();
}

// Where Qt was built to look for its plug-ins. On Windows the run-time comes
// from the installer's folder alone; elsewhere Qt usually lives in the
// system's folders, which the five entries do not name.
QString ownPluginsPath()
{
#ifdef Q_OS_WIN
    return QString();
#else
    return QLibraryInfo::location(QLibraryInfo::PluginsPath);
#endif
}

} // namespace

QString qtDistribDirectory(const QString &installDir, const QStringList &environment)
{
    if (!installDir.isEmpty())
        return installDir;
    const QLatin1String marker("VXIPNPPATH=");
    for (const QString &entry : environment) {
        if (!entry.contains(marker))
            continue;
        // The name may itself contain the marker ("OLD_VXIPNPPATH=x"); the
        // value is what follows the first "=", up to a further one.
        const QStringList parts = entry.split(QLatin1Char('='));
        return parts.value(1) + QLatin1String("winnt/Qt56");
    }
    return QString();
}

QStringList qtLibraryPathList(const QString &dir, const QString &qtPluginsPath)
{
    QStringList paths;
    paths << QStringLiteral(".") << dir << dir + QLatin1String("/imageformats")
          << dir + QLatin1String("/platforms") << dir + QLatin1String("/iconengines");
    if (!qtPluginsPath.isEmpty() && !paths.contains(qtPluginsPath))
        paths << qtPluginsPath;
    return paths;
}

QStringList systemQtLibraryPathList()
{
    QString dir = installerQtDirectory();
    // The environment is only read when the installer left no value.
    if (dir.isEmpty())
        dir = qtDistribDirectory(dir, QProcess::systemEnvironment());
    return qtLibraryPathList(dir, ownPluginsPath());
}

void setupQtLibraryPaths()
{
    if (libraryPathsSet.load())
        return;
    QCoreApplication::setLibraryPaths(systemQtLibraryPathList());
    libraryPathsSet.store(true);
}
