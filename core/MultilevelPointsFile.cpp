#include "MultilevelPointsFile.h"

#include "UserFile.h"

#include <QFile>
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
    if (!UserFile::isReadable(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // No level needs a long line, and 1024 of them fit in far less than the
    // byte budget: a huge file of anything else is read no further than
    // that instead of holding the panel.
    constexpr int maxLineBytes = 4096;
    constexpr qint64 maxFileBytes = 64 * 1024 * 1024;
    constexpr qint64 blockBytes = 64 * 1024;
    qint64 bytesRead = 0;
    QByteArray line;
    bool overLong = false;
    // Takes the next piece of the current line; a line past the limit is
    // dropped whole, wherever the blocks cut it.
    auto append = [&](const char *data, int size) {
        if (overLong || line.size() + size > maxLineBytes) {
            overLong = true;
            line.clear();
        } else {
            line.append(data, size);
        }
    };
    auto endLine = [&] {
        if (!overLong)
            takeLine(line, levels);
        line.clear();
        overLong = false;
    };
    while (levels->size() < maxPoints && bytesRead < maxFileBytes) {
        const QByteArray block = file.read(qMin(blockBytes, maxFileBytes - bytesRead));
        if (block.isEmpty())
            break;
        bytesRead += block.size();
        int start = 0;
        while (levels->size() < maxPoints) {
            const int end = block.indexOf('\n', start);
            append(block.constData() + start, (end < 0 ? block.size() : end) - start);
            if (end < 0)
                break;
            endLine();
            start = end + 1;
        }
    }
    // The last line counts only when the file really ends there; a line cut
    // off by the budget may be the start of a different number.
    if (levels->size() < maxPoints && file.atEnd())
        endLine();
    return true;
}

bool write(const QString &path, const QStringList &lines)
{
    QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
    return UserFile::save(path, latin1->fromUnicode(lines.join(QLatin1Char('\n'))));
}

} // namespace MultilevelPointsFile
