#include "ProgramName.h"

QString ProgramName::fileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("p_dwav.exe");
#else
    return QStringLiteral("p_dwav");
#endif
}

bool ProgramName::isStandalonePath(const QString &applicationPath)
{
    return applicationPath.endsWith(fileName(), Qt::CaseInsensitive);
}
