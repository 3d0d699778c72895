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

namespace {

void takeLine(const QByteArray &line, QVector<double> *levels)
{
    if (line.isEmpty())
        return;
    // A NUL byte ends the line's text, as it would a C string.
    const int nul = line.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? line : line.left(nul));
    double level = 0;
    if (parseLevel(text, &level))
        levels->append(level);
}

} // namespace

bool read(const QString &path, QVector<double> *levels)
{
    levels->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // No level needs a long line, and 1024 of them fit in far less than the
    // byte budget: a device without line ends, or a huge file of anything
    // else, is read no further than that instead of holding the panel.
    constexpr int maxLineBytes = 4096;
    constexpr qint64 maxFileBytes = 64 * 1024 * 1024;
    constexpr qint64 blockBytes = 64 * 1024;
    qint64 bytesRead = 0;
    QByteArray line;
    bool skippingLongLine = false;
    while (levels->size() < maxPoints && bytesRead < maxFileBytes) {
        const QByteArray block = file.read(blockBytes);
        if (block.isEmpty())
            break;
        bytesRead += block.size();
        int start = 0;
        while (levels->size() < maxPoints) {
            const int end = block.indexOf('\n', start);
            if (!skippingLongLine)
                line.append(block.constData() + start, (end < 0 ? block.size() : end) - start);
            if (end < 0)
                break;
            takeLine(line, levels);
            line.clear();
            skippingLongLine = false;
            start = end + 1;
        }
        if (line.size() > maxLineBytes) {
            line.clear();
            skippingLongLine = true;
        }
    }
    if (!skippingLongLine && levels->size() < maxPoints)
        takeLine(line, levels);
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
