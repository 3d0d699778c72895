#include "UserManual.h"

#include "ProgramName.h"

namespace {

const char *const kManual = "kelvadoc_V2.docx";

} // namespace

QString UserManual::path(const QString &applicationFilePath)
{
    const QString folder = applicationFilePath.left(applicationFilePath.lastIndexOf(QLatin1Char('/')));
    const QString relative = applicationFilePath.endsWith(ProgramName::fileName(), Qt::CaseSensitive)
        ? QStringLiteral("/%1").arg(QLatin1String(kManual))
        : QStringLiteral("/../TVKDWAV/%1").arg(QLatin1String(kManual));
    return folder + relative;
}

QUrl UserManual::url(const QString &applicationFilePath)
{
    return QUrl::fromLocalFile(path(applicationFilePath));
}
