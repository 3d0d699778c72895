#pragma once

// Big-endian file values to and from host values, one at a time for the
// loops that spread or gather the channels of a sample, and in bulk for a
// run of values of one channel.

#include <QtEndian>

#include <cstring>

namespace AwgSampleOrder {

inline void fromFile(const uchar *in, double &value)
{
    const quint64 bits = qFromBigEndian<quint64>(in);
    std::memcpy(&value, &bits, sizeof value);
}

inline void fromFile(const uchar *in, qint16 &value)
{
    value = qFromBigEndian<qint16>(in);
}

inline void toFile(double value, uchar *out)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToBigEndian(bits, out);
}

inline void toFile(qint16 value, uchar *out)
{
    qToBigEndian(value, out);
}

// The unsigned integer of a value's width, for the bulk conversions.
template <typename T>
using Bits = typename std::conditional<sizeof(T) == 8, quint64, quint16>::type;

template <typename T>
inline void manyFromFile(const void *in, qsizetype count, T *out)
{
    qFromBigEndian<Bits<T>>(in, count, out);
}

template <typename T>
inline void manyToFile(const T *in, qsizetype count, void *out)
{
    qToBigEndian<Bits<T>>(in, count, out);
}

} // namespace AwgSampleOrder
