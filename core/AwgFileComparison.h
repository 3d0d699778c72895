#pragma once

#include <QString>

class QIODevice;

// Compares two AWG data files field by field in file order, with the layout
// and counts of the first: integers must be identical, doubles equal within
// the tolerance. Whole blocks that are byte for byte the same are passed
// over at once; values are looked at one by one only where bytes differ.
class AwgFileComparison
{
public:
    static constexpr double tolerance = 0.0001;
    static constexpr qint64 blockBytes = 8 * 1024 * 1024;

    enum Outcome {
        Match,
        FirstLonger,   // all compared equal, the first file goes on
        SecondLonger,  // the same for the second file
        EndOfData,     // a file ended before the first file's counts were met
        Differ
    };

    struct Result
    {
        Outcome outcome = Match;
        // The two values of a difference, as the report shows them.
        QString first;
        QString second;
    };

    static Result compare(QIODevice *first, QIODevice *second);

    // Bit-for-bit identical values are equal (NaN and infinities too); else
    // both below the tolerance in size, or at most the tolerance apart.
    static bool doublesEqual(double a, double b);
};
