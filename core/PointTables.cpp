#include "PointTables.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace PointTables {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PointTables", text);
}

QString num(double v)
{
    return QString::number(v, 'g', 6);
}

// Typed times and percentages are no exact binary numbers (0.384 ms and
// 18.4 % are not), so a product that the operator meant to be a whole number
// of clocks or points, or the half at which the point count rounds up, lies
// a few parts in 10^16 beside it, and ceil() or trunc() would take the wrong
// side of it. Within a few parts in 10^12 the product counts as the multiple
// of `step` it lies beside.
long double asMeant(long double x, long double step = 1.0L)
{
    const long double meant = std::round(x / step) * step;
    return std::fabs(x - meant) <= std::fabs(x) * 4e-12L ? meant : x;
}

} // namespace

long double sampleRate(uint dataSpeedCode)
{
    switch (dataSpeedCode) {
    case 1: return 150000000.0L;
    case 2: return 300000000.0L;
    case 3: return 600000000.0L;
    default: return 75000000.0L;
    }
}

QString grid(long double rate, double T, Grid *out)
{
    // Written as a negated comparison so that NaN is refused as well.
    if (!(T > 0.0))
        return tr("Signal period %1 s is not a positive time").arg(num(T));
    if (!(rate > 0.0L))
        return tr("Sample rate %1 samples/s is not positive").arg(num(double(rate)));

    const long double clocks = asMeant(rate * static_cast<long double>(T), 0.5L);
    const long double decReal = std::ceil(clocks * 0.0009765625L);
    // The decimation travels as 32 bits; a longer period would wrap it and
    // the count computed from the wrapped value would overrun the table.
    if (!(decReal <= static_cast<long double>(std::numeric_limits<quint32>::max())))
        return tr("Signal period %1 s is too long for the point table at %2 samples/s")
            .arg(num(T), num(double(rate)));

    quint32 dec = static_cast<quint32>(decReal);
    if (dec == 0)
        dec = 1;
    quint32 n = static_cast<quint32>(std::trunc(clocks / dec + 0.5L));
    if (n < MinPoints)
        n = MinPoints;
    // dec is the smallest decimation that fits, so n cannot exceed the
    // table; keep the bound explicit all the same.
    if (n > MaxPoints)
        n = MaxPoints;

    out->decimation = dec;
    out->count = n;
    out->pointPeriod = static_cast<double>(dec / rate);
    return QString();
}

QString triangle(long double rate, double Uup, double Tup, double Udn, double Tdn,
                 double *table, Grid *out)
{
    if (!(Tup >= 0.0))
        return tr("Triangle rise time %1 s is negative").arg(num(Tup));
    if (!(Tdn >= 0.0))
        return tr("Triangle fall time %1 s is negative").arg(num(Tdn));

    const double T = Tup + Tdn;
    Grid g;
    const QString refused = grid(rate, T, &g);
    if (!refused.isEmpty())
        return refused;

    const quint32 n = g.count;
    const long double upReal = std::ceil(asMeant(n * (Tup / T)));
    // The peak sits at index nUp; at nUp == n it would lie beyond the table
    // and the fall would have no points at all.
    if (!(upReal < n))
        return tr("Triangle fall time %1 s is too short: the table of %2 points "
                  "has no point left for the fall")
            .arg(num(Tdn)).arg(n);
    const quint32 nUp = static_cast<quint32>(upReal);

    *out = g;
    if (!table)
        return QString();

    const double span = Uup - Udn;
    table[0] = Udn;
    if (nUp > 0) {
        const double stepUp = span / nUp;
        for (quint32 i = 1; i < nUp; ++i)
            table[i] = table[i - 1] + stepUp;
    }
    table[nUp] = Uup;
    const double stepDn = span / (n - nUp);
    for (quint32 i = nUp + 1; i < n; ++i)
        table[i] = table[i - 1] - stepDn;
    return QString();
}

QString impulse(long double rate, double Uup, double Tup, double Udn, double Tdn,
                double duty, double T, double *table, Grid *out)
{
    if (!(duty >= 0.0 && duty <= 100.0))
        return tr("Impulse duty factor %1 % is outside 0 to 100 %").arg(num(duty));
    if (!(Tup >= 0.0))
        return tr("Impulse rise %1 % is negative").arg(num(Tup));
    if (!(Tdn >= 0.0))
        return tr("Impulse fall %1 % is negative").arg(num(Tdn));
    // Rise and fall both cut into the high part; together they cannot take
    // more than all of it.
    if (!(Tup + Tdn <= 100.0))
        return tr("Impulse rise %1 % and fall %2 % add up to more than 100 % of the period")
            .arg(num(Tup), num(Tdn));

    Grid g;
    const QString refused = grid(rate, T, &g);
    if (!refused.isEmpty())
        return refused;

    const qint64 n = g.count;
    const qint64 nHigh = static_cast<qint64>(std::trunc(asMeant(n * duty / 100.0)));
    const qint64 nLow = n - nHigh;
    const qint64 riseHigh = static_cast<qint64>(std::trunc(asMeant(nHigh * Tup / 100.0)));
    const qint64 riseLow = static_cast<qint64>(std::trunc(asMeant(nLow * Tup / 100.0)));
    const qint64 rise = riseHigh + riseLow;
    const qint64 fallHigh = static_cast<qint64>(std::trunc(asMeant(nHigh * Tdn / 100.0)));
    const qint64 fallLow = static_cast<qint64>(std::trunc(asMeant(nLow * Tdn / 100.0)));
    const qint64 fall = fallHigh + fallLow;
    const qint64 top = nHigh - riseHigh - fallHigh;

    // The fall starts from the point before it; with neither rise nor top
    // that point would lie before the table.
    if (rise + top == 0 && fall > 0)
        return tr("Impulse duty factor %1 % with rise %2 % leaves no point for the fall to start from")
            .arg(num(duty), num(Tup));
    // Cannot happen after the checks above; rounding must still never let
    // the parts run past the table.
    if (nLow < 0 || top < 0 || rise + top + fall > n)
        return tr("Impulse duty factor %1 %, rise %2 % and fall %3 % do not fit the table")
            .arg(num(duty), num(Tup), num(Tdn));

    *out = g;
    if (!table)
        return QString();

    const double span = Uup - Udn;
    table[0] = Udn;
    qint64 i = 1;
    if (rise > 0) {
        const double stepUp = span / rise;
        for (; i < rise; ++i)
            table[i] = table[i - 1] + stepUp;
    }
    for (i = rise; i < rise + top; ++i)
        table[i] = Uup;
    if (fall > 0) {
        const double stepDn = span / fall;
        for (; i < rise + top + fall; ++i)
            table[i] = table[i - 1] - stepDn;
    }
    for (; i < n; ++i)
        table[i] = Udn;
    return QString();
}

} // namespace PointTables
