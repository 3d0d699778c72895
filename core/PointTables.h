#pragma once

#include <QString>
#include <QtGlobal>

// One period of the triangular and impulse signal forms as a table of levels
// that the module plays back point by point. Pure computations: no module,
// no driver, no allocation; the caller owns the 1024-value buffer.
//
// Every function that can refuse returns an empty text on success and
// otherwise a translated reason that names the offending value. A refused
// computation writes nothing to the table.
namespace PointTables {

// Size of the module's point memory.
constexpr quint32 MaxPoints = 1024;
// Fewer points than this would make a poor wave; short periods get this many.
constexpr quint32 MinPoints = 10;

// How a period is laid out in the point memory.
struct Grid {
    quint32 decimation = 0; // sample clocks per table point
    quint32 count = 0;      // points in the table, MinPoints to MaxPoints
    double pointPeriod = 0.0; // seconds per point (decimation / rate)
};

// Samples per second for the common set's data speed code.
long double sampleRate(uint dataSpeedCode);

// Smallest decimation that fits the period T (seconds) into the table.
// Refuses a period that is not positive or so long that the decimation no
// longer fits 32 bits.
QString grid(long double rate, double T, Grid *out);

// Rise from Udn to Uup over Tup seconds, fall back over Tdn seconds.
// With a null table only the grid is computed.
QString triangle(long double rate, double Uup, double Tup, double Udn, double Tdn,
                 double *table, Grid *out);

// Trapezoid over the period T (seconds): rise Tup %, top, fall Tdn %,
// bottom, with the high part lasting duty % of the period.
// With a null table only the grid is computed.
QString impulse(long double rate, double Uup, double Tup, double Udn, double Tdn,
                double duty, double T, double *table, Grid *out);

} // namespace PointTables
