#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <mutex>

#include <vector>

// Levels of a multilevel point table, in volts.
class PointsVector : public std::vector<double>
{
public:
    using std::vector<double>::vector;
    PointsVector() = default;
    PointsVector(const std::vector<double> &other) : std::vector<double>(other) {}
};

// Lets a QVariant holding the points be walked as a QSequentialIterable.
namespace QtPrivate {
template<>
struct IsSequentialContainer<PointsVector>
{
    enum { Value = true };
};
} // namespace QtPrivate

Q_DECLARE_METATYPE(PointsVector)

// The enumerations travel in QVariant as 4-byte values of their own type and
// are written to settings files as integers.
enum afgSignalTypes : int {
    AfgHarmonic = 0,
    AfgTriangular = 1,
    AfgImpulse = 2,
    AfgLevel = 3,
    AfgMultilevel = 4
};

enum modulType : int {
    ModulOff = 0,
    ModulLFM = 1,
    ModulAM = 2,
    ModulFM = 3,
    ModulPM = 4,
    ModulFT = 5
};

enum awgDataFormat : int {
    AwgDataDouble = 0,
    AwgDataDacCodes = 1
};

enum chanState : int {
    ChanOff = 0,
    ChanOn = 1
};

namespace ParameterTypes {

// A QVariant of one of the enumerations converts with toInt and toUInt by
// itself; these let it also answer toBool, toDouble, toLongLong, toULongLong
// and toString as the number it is, which the widget binding relies on.
template<typename E>
void registerEnumConverters()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QMetaType::registerConverter<E, bool>([](E e) { return static_cast<int>(e) != 0; });
        QMetaType::registerConverter<E, double>([](E e) { return double(static_cast<int>(e)); });
        QMetaType::registerConverter<E, qlonglong>([](E e) { return qlonglong(static_cast<int>(e)); });
        QMetaType::registerConverter<E, qulonglong>([](E e) { return qulonglong(static_cast<uint>(e)); });
        QMetaType::registerConverter<E, QString>([](E e) { return QString::number(static_cast<int>(e)); });
    });
}

// Registers every type of the parameter sets once per process; harmless to
// call again.
void registerTypes();

} // namespace ParameterTypes

// Like Q_DECLARE_METATYPE, but the first use of the type id also registers
// the conversions above.
#define DWAV_DECLARE_ENUM_METATYPE(TYPE)                                                  \
    template<>                                                                        \
    struct QMetaTypeId<TYPE>                                                          \
    {                                                                                 \
        enum { Defined = 1 };                                                         \
        static int qt_metatype_id()                                                   \
        {                                                                             \
            static QBasicAtomicInt metatype_id = Q_BASIC_ATOMIC_INITIALIZER(0);       \
            if (const int id = metatype_id.loadAcquire())                             \
                return id;                                                            \
            const int newId = qRegisterMetaType<TYPE>(#TYPE, reinterpret_cast<TYPE *>(quintptr(-1))); \
            metatype_id.storeRelease(newId);                                          \
            ParameterTypes::registerEnumConverters<TYPE>();                            \
            return newId;                                                             \
        }                                                                             \
    };

DWAV_DECLARE_ENUM_METATYPE(afgSignalTypes)
DWAV_DECLARE_ENUM_METATYPE(modulType)
DWAV_DECLARE_ENUM_METATYPE(awgDataFormat)
DWAV_DECLARE_ENUM_METATYPE(chanState)

namespace ParameterTypes {

// An enumeration out of a QVariant: its own type as it is, anything that
// reads as an integer (an int, a uint, the text of a settings file) by that
// number, anything else 0.
template<typename E>
E enumFromVariant(const QVariant &value)
{
    registerTypes();
    if (value.userType() == qMetaTypeId<E>())
        return *static_cast<const E *>(value.constData());
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? static_cast<E>(number) : static_cast<E>(0);
}

// The points out of a QVariant; empty when it holds none.
PointsVector pointsFromVariant(const QVariant &value);

} // namespace ParameterTypes
