// The carrier driver of the simulated chassis (library tvkbase_32).
#include "Bench.h"
#include "Cp1251.h"

#include "tvkbase_32.h"

using dwavsim::Args;
using dwavsim::Bench;

extern "C" {

ViStatus _VI_FUNC tvkbase_init(ViConstRsrc resource, ViUInt16 idQuery, ViUInt16 reset,
                               ViPSession session)
{
    Bench &bench = Bench::instance();
    const Args args = Args().s("resource", resource).u("idQuery", idQuery).u("reset", reset);
    return bench.call("tvkbase_init", args, [&]() -> ViStatus {
        return bench.openOnCarrier(resource, Bench::Kind::Carrier,
                                   idQuery ? VI_ERROR_FAIL_ID_QUERY : TVKBASE_ERROR_NOT_CARRIER, session);
    });
}

ViStatus _VI_FUNC tvkbase_m_type_q(ViSession session, ViInt16 position, ViPInt16 present,
                                   ViPInt16 moduleType)
{
    Bench &bench = Bench::instance();
    const Args args = Args().session("vi", session).i("position", position);
    return bench.call("tvkbase_m_type_q", args, [&]() -> ViStatus {
        const Bench::Session *s = bench.session(session);
        if (!s || (s->kind != Bench::Kind::Carrier && s->kind != Bench::Kind::Instrument))
            return VI_ERROR_INV_OBJECT;
        dwavsim::ResourceProfile *profile = bench.resource(s->resource.c_str());
        if (!profile || !profile->carrier)
            return TVKBASE_ERROR_NOT_CARRIER;
        if (position < TVKBASE_FIRST_POSITION || position > TVKBASE_LAST_POSITION)
            return VI_ERROR_PARAMETER2;
        if (!present)
            return VI_ERROR_PARAMETER3;
        if (!moduleType)
            return VI_ERROR_PARAMETER4;
        const auto it = profile->modules.find(position);
        const bool occupied = it != profile->modules.end() && it->second.present;
        *present = occupied ? 1 : 0;
        *moduleType = occupied ? it->second.typeCode : 0;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkbase_revision_query(ViSession session, ViChar driverRevision[],
                                         ViChar instrumentRevision[])
{
    Bench &bench = Bench::instance();
    return bench.call("tvkbase_revision_query", Args().session("vi", session), [&]() -> ViStatus {
        // The panel asks with its module session; any open session on a
        // carrier is answered.
        const Bench::Session *s = bench.session(session);
        if (!s || s->kind == Bench::Kind::ResourceManager || s->kind == Bench::Kind::FindList)
            return VI_ERROR_INV_OBJECT;
        if (!driverRevision)
            return VI_ERROR_PARAMETER2;
        if (!instrumentRevision)
            return VI_ERROR_PARAMETER3;
        dwavsim::Cp1251::copy(dwavsim::Cp1251::fromUtf8("tvkbase_32 2.0.1 (стенд)"), driverRevision,
                              TVKBASE_REVISION_BUFLEN);
        dwavsim::Cp1251::copy(dwavsim::Cp1251::fromUtf8("Носитель TVKBASE, ревизия Б, ПЛИС 1.9"),
                              instrumentRevision, TVKBASE_REVISION_BUFLEN);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC tvkbase_error_message(ViSession session, ViStatus status, ViChar message[])
{
    Bench &bench = Bench::instance();
    const Args args = Args().session("vi", session).i("status", status);
    return bench.call("tvkbase_error_message", args, [&]() -> ViStatus {
        if (!message)
            return VI_ERROR_PARAMETER3;
        return bench.statusText(session, status, message, TVKBASE_ERROR_MESSAGE_BUFLEN);
    });
}

ViStatus _VI_FUNC tvkbase_close(ViSession session)
{
    Bench &bench = Bench::instance();
    return bench.call("tvkbase_close", Args().session("vi", session), [&]() {
        return bench.closeDriverSession(session, Bench::Kind::Carrier);
    });
}

} // extern "C"
