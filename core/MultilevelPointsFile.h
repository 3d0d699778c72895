#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The multilevel points file: plain text, one level in volts per line, a line
// feed between lines and none after the last. Levels are read and written in
// the C number format (decimal point "."), whatever the process's locale, so
// that a table typed on one desktop loads alike on any other.
namespace MultilevelPointsFile {

constexpr double minLevel = -10.0;
constexpr double maxLevel = 10.0;
constexpr int maxPoints = 1024;

// A level in volts from a line or a cell: the whole text, white space around
// it allowed, must be a number in minLevel ... maxLevel.
bool parseLevel(const QString &text, double *level);

// The text a cell shows for a level: 'g' format with 10 significant digits.
QString levelText(double level);

// Reads at most maxPoints levels from at most 64 MiB of the file; lines that
// are no level, or longer than 4096 bytes, are skipped. False when the file is
// no regular file or cannot be opened (levels then left empty).
bool read(const QString &path, QVector<double> *levels);

// Writes the lines, each encoded as ISO-8859-1, as UserFile::save does: a
// failure leaves any earlier file as it was. False on any failure.
bool write(const QString &path, const QStringList &lines);

} // namespace MultilevelPointsFile
