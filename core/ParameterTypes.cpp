#include "ParameterTypes.h"

#include "HarmonicalParameters.h"
#include "ImpulseParameters.h"
#include "LevelParameters.h"
#include "MultilevelParameters.h"
#include "TriangularParameters.h"

namespace ParameterTypes {

void registerTypes()
{
    // Each qMetaTypeId registers its type on first use and caches the id.
    static const bool registered = [] {
        qMetaTypeId<PointsVector>();
        qMetaTypeId<afgSignalTypes>();
        qMetaTypeId<modulType>();
        qMetaTypeId<awgDataFormat>();
        qMetaTypeId<chanState>();
        qMetaTypeId<HarmonicalParameters>();
        qMetaTypeId<TriangularParameters>();
        qMetaTypeId<ImpulseParameters>();
        qMetaTypeId<LevelParameters>();
        qMetaTypeId<MultilevelParameters>();
        return true;
    }();
    Q_UNUSED(registered)
}

PointsVector pointsFromVariant(const QVariant &value)
{
    registerTypes();
    if (value.userType() == qMetaTypeId<PointsVector>())
        return *static_cast<const PointsVector *>(value.constData());
    PointsVector points;
    QVariant copy = value;
    if (copy.isValid() && copy.convert(qMetaTypeId<PointsVector>()))
        points = *static_cast<const PointsVector *>(copy.constData());
    return points;
}

} // namespace ParameterTypes
