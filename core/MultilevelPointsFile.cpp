#include "MultilevelPointsFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCodec>

namespace MultilevelPointsFile {

bool parseLevel(const QString &text, double *level)
{
    // QString::toDouble reads the C format alone and allows surrounding white
    // space; a NaN fails both comparisons below.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= minLevel && value <= maxLevel))
        return false;
    *level = value;
    return true;
}

QString levelText(double level)
{
    return QString::number(level, 'g', 10);
}

bool read(const QString &path, QVector<double> *levels)
{
    levels->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (levels->size() < maxPoints && !file.atEnd()) {
        const QByteArray line = file.readLine();
        // A NUL byte ends the line's text, as it would a C string.
        const int nul = line.indexOf('\0');
        const QString text = QString::fromUtf8(nul < 0 ? line : line.left(nul));
        double level = 0;
        if (parseLevel(text, &level))
            levels->append(level);
    }
    return true;
}

bool write(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
    const QByteArray bytes = latin1->fromUnicode(lines.join(QLatin1Char('\n')));
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace MultilevelPointsFile
