// The VISA calls of the simulated chassis (library visa32).
#include "Bench.h"
#include "Cp1251.h"
#include "ResourceExpression.h"
#include "StatusText.h"

#include "dwav_visa.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

using dwavsim::Args;
using dwavsim::Bench;

namespace {

const std::size_t replyCapacity = 512;

bool isResourceSession(const Bench::Session *s)
{
    return s && (s->kind == Bench::Kind::Instrument || s->kind == Bench::Kind::Carrier
                 || s->kind == Bench::Kind::Module);
}

std::string command(const char *format)
{
    std::string text = format;
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '%' && k + 1 < text.size() && text[k + 1] == '%') {
            out += '%';
            ++k;
        } else {
            out += text[k];
        }
    }
    while (!out.empty() && std::isspace(static_cast<unsigned char>(out.back())))
        out.pop_back();
    return out;
}

// Reads the reply into the caller's buffer by the read format: "%t" (up to
// the end, at most 511 characters), "%Nt" (at most N - 1) or "%s" / "%Ns"
// (the first word).
ViStatus readReply(const std::string &reply, const char *format, va_list args)
{
    if (!format || format[0] != '%')
        return VI_ERROR_INV_FMT;
    const char *p = format + 1;
    std::size_t width = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)))
        width = width * 10 + static_cast<std::size_t>(*p++ - '0');
    const char conversion = *p++;
    if (*p != '\0' && !(p[0] == '\n' && p[1] == '\0'))
        return VI_ERROR_NSUP_FMT;
    if (conversion != 't' && conversion != 's')
        return VI_ERROR_NSUP_FMT;
    char *buffer = va_arg(args, char *);
    if (!buffer)
        return VI_ERROR_USER_BUF;
    std::string text = reply;
    if (conversion == 's') {
        const std::size_t end = text.find_first_of(" \t\r\n");
        text = text.substr(0, end);
    }
    const std::size_t capacity = width ? width : replyCapacity;
    dwavsim::Cp1251::copy(text, buffer, capacity);
    return VI_SUCCESS;
}

} // namespace

extern "C" {

ViStatus _VI_FUNC viOpenDefaultRM(ViPSession vi)
{
    Bench &bench = Bench::instance();
    return bench.call("viOpenDefaultRM", Args().p("vi", vi), [&]() -> ViStatus {
        if (!vi)
            return VI_ERROR_INV_PARAMETER;
        *vi = VI_NULL;
        if (bench.loadStatus() < 0) {
            bench.reportLoadError();
            return bench.loadStatus();
        }
        Bench::Session session;
        session.kind = Bench::Kind::ResourceManager;
        *vi = bench.open(session);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viFindRsrc(ViSession sesn, ViConstString expr, ViPFindList vi, ViPUInt32 retCnt,
                             ViChar desc[])
{
    Bench &bench = Bench::instance();
    return bench.call("viFindRsrc", Args().session("sesn", sesn).s("expr", expr), [&]() -> ViStatus {
        if (vi)
            *vi = VI_NULL;
        if (retCnt)
            *retCnt = 0;
        const Bench::Session *rm = bench.session(sesn);
        if (!rm || rm->kind != Bench::Kind::ResourceManager)
            return VI_ERROR_INV_OBJECT;
        dwavsim::ResourceExpression expression;
        if (!expr || !expression.compile(expr))
            return VI_ERROR_INV_EXPR;
        Bench::Session list;
        list.kind = Bench::Kind::FindList;
        list.parent = sesn;
        for (const dwavsim::ResourceProfile &resource : bench.description().resources) {
            if (expression.matches(resource.name))
                list.found.push_back(resource.name);
        }
        if (list.found.empty())
            return VI_ERROR_RSRC_NFOUND;
        if (retCnt)
            *retCnt = static_cast<ViUInt32>(list.found.size());
        if (desc)
            dwavsim::Cp1251::copy(list.found.front(), desc, VI_FIND_BUFLEN);
        list.next = 1;
        if (vi)
            *vi = bench.open(list);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viFindNext(ViFindList vi, ViChar desc[])
{
    Bench &bench = Bench::instance();
    return bench.call("viFindNext", Args().session("vi", vi), [&]() -> ViStatus {
        Bench::Session *list = bench.session(vi);
        if (!list || list->kind != Bench::Kind::FindList)
            return VI_ERROR_INV_OBJECT;
        if (list->next >= list->found.size())
            return VI_ERROR_RSRC_NFOUND;
        if (desc)
            dwavsim::Cp1251::copy(list->found[list->next], desc, VI_FIND_BUFLEN);
        ++list->next;
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viOpen(ViSession sesn, ViConstRsrc name, ViAccessMode mode, ViUInt32 timeout,
                         ViPSession vi)
{
    Bench &bench = Bench::instance();
    const Args args = Args().session("sesn", sesn).s("name", name).u("mode", mode).u("timeout", timeout);
    return bench.call("viOpen", args, [&]() -> ViStatus {
        if (!vi)
            return VI_ERROR_INV_PARAMETER;
        *vi = VI_NULL;
        const Bench::Session *rm = bench.session(sesn);
        if (!rm || rm->kind != Bench::Kind::ResourceManager)
            return VI_ERROR_INV_OBJECT;
        if (!name || std::strstr(name, "::") == nullptr)
            return VI_ERROR_INV_RSRC_NAME;
        if (mode != VI_NULL && mode != VI_EXCLUSIVE_LOCK && mode != VI_LOAD_CONFIG
            && mode != (VI_EXCLUSIVE_LOCK | VI_LOAD_CONFIG))
            return VI_ERROR_INV_ACC_MODE;
        const dwavsim::ResourceProfile *resource = bench.resource(name);
        if (!resource)
            return VI_ERROR_RSRC_NFOUND;
        if ((mode & VI_EXCLUSIVE_LOCK) && bench.lockedByOther(0, resource->name, true))
            return VI_ERROR_RSRC_LOCKED;
        Bench::Session session;
        session.kind = Bench::Kind::Instrument;
        session.parent = sesn;
        session.resource = resource->name;
        if (mode & VI_EXCLUSIVE_LOCK)
            session.exclusiveLocks = 1;
        *vi = bench.open(session);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viClose(ViObject vi)
{
    Bench &bench = Bench::instance();
    return bench.call("viClose", Args().session("vi", vi), [&]() -> ViStatus {
        if (vi == VI_NULL)
            return VI_WARN_NULL_OBJECT;
        if (!bench.session(vi))
            return VI_ERROR_INV_OBJECT;
        bench.close(vi);
        return VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viGetAttribute(ViObject vi, ViAttr attrName, void *attrValue)
{
    Bench &bench = Bench::instance();
    return bench.call("viGetAttribute", Args().session("vi", vi).hex("attr", attrName), [&]() -> ViStatus {
        const Bench::Session *s = bench.session(vi);
        if (!s)
            return VI_ERROR_INV_OBJECT;
        if (!attrValue)
            return VI_ERROR_INV_PARAMETER;
        if (!isResourceSession(s)) {
            if (attrName == VI_ATTR_TMO_VALUE) {
                *static_cast<ViUInt32 *>(attrValue) = 2000;
                return VI_SUCCESS;
            }
            return VI_ERROR_NSUP_ATTR;
        }
        const dwavsim::ResourceProfile *resource = bench.resource(s->resource.c_str());
        if (!resource)
            return VI_ERROR_RSRC_NFOUND;
        const ViUInt16 type = resource->interfaceType;
        const bool registerBased = type == VI_INTF_VXI || type == VI_INTF_GPIB_VXI || type == VI_INTF_PXI;
        const bool hasIds = registerBased || type == VI_INTF_USB;
        switch (attrName) {
        case VI_ATTR_RSRC_NAME:
            dwavsim::Cp1251::copy(resource->name, static_cast<char *>(attrValue), 256);
            return VI_SUCCESS;
        case VI_ATTR_INTF_TYPE:
            *static_cast<ViUInt16 *>(attrValue) = type;
            return VI_SUCCESS;
        case VI_ATTR_INTF_NUM:
            *static_cast<ViUInt16 *>(attrValue) = resource->interfaceNumber;
            return VI_SUCCESS;
        case VI_ATTR_TMO_VALUE:
            *static_cast<ViUInt32 *>(attrValue) = 2000;
            return VI_SUCCESS;
        case VI_ATTR_MANF_ID:
            if (!hasIds)
                return VI_ERROR_NSUP_ATTR;
            *static_cast<ViUInt16 *>(attrValue) = resource->manufacturer;
            return VI_SUCCESS;
        case VI_ATTR_MODEL_CODE:
            if (!hasIds)
                return VI_ERROR_NSUP_ATTR;
            *static_cast<ViUInt16 *>(attrValue) = resource->model;
            return VI_SUCCESS;
        case VI_ATTR_SLOT:
            if (!registerBased)
                return VI_ERROR_NSUP_ATTR;
            *static_cast<ViInt16 *>(attrValue) = resource->slot;
            return VI_SUCCESS;
        case VI_ATTR_MAINFRAME_LA:
            if (!registerBased)
                return VI_ERROR_NSUP_ATTR;
            *static_cast<ViInt16 *>(attrValue) = resource->mainframe;
            return VI_SUCCESS;
        default:
            return VI_ERROR_NSUP_ATTR;
        }
    });
}

ViStatus _VI_FUNC viStatusDesc(ViObject vi, ViStatus status, ViChar desc[])
{
    Bench &bench = Bench::instance();
    return bench.call("viStatusDesc", Args().session("vi", vi).i("status", status), [&]() -> ViStatus {
        if (!desc)
            return VI_ERROR_USER_BUF;
        // Like VISA, a description is given also for a session that has
        // already gone: callers ask after a failed open.
        std::string text;
        const bool known = dwavsim::StatusText::describe(status, text);
        if (!known && text.empty()) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "Unknown status code %ld.", static_cast<long>(status));
            text = buffer;
        }
        dwavsim::Cp1251::copy(text, desc, 256);
        return known ? VI_SUCCESS : VI_WARN_UNKNOWN_STATUS;
    });
}

ViStatus _VI_FUNC viLock(ViSession vi, ViAccessMode lockType, ViUInt32 timeout,
                         ViConstKeyId requestedKey, ViChar accessKey[])
{
    Bench &bench = Bench::instance();
    const Args args = Args().session("vi", vi).u("lockType", lockType).u("timeout", timeout)
                          .s("requestedKey", requestedKey);
    return bench.call("viLock", args, [&]() -> ViStatus {
        Bench::Session *s = bench.session(vi);
        if (!isResourceSession(s))
            return VI_ERROR_INV_OBJECT;
        if (lockType != VI_EXCLUSIVE_LOCK && lockType != VI_SHARED_LOCK)
            return VI_ERROR_INV_LOCK_TYPE;
        // An exclusive lock excludes every other lock, a shared one only
        // the exclusive locks of others.
        if (bench.lockedByOther(vi, s->resource, lockType == VI_EXCLUSIVE_LOCK))
            return VI_ERROR_RSRC_LOCKED;
        if (lockType == VI_EXCLUSIVE_LOCK) {
            const bool nested = s->exclusiveLocks > 0;
            ++s->exclusiveLocks;
            return nested ? VI_SUCCESS_NESTED_EXCLUSIVE : VI_SUCCESS;
        }
        const bool nested = s->sharedLocks > 0;
        ++s->sharedLocks;
        if (accessKey)
            dwavsim::Cp1251::copy(requestedKey && *requestedKey ? requestedKey : "dwav-bench-key",
                                  accessKey, 256);
        return nested ? VI_SUCCESS_NESTED_SHARED : VI_SUCCESS;
    });
}

ViStatus _VI_FUNC viUnlock(ViSession vi)
{
    Bench &bench = Bench::instance();
    return bench.call("viUnlock", Args().session("vi", vi), [&]() -> ViStatus {
        Bench::Session *s = bench.session(vi);
        if (!isResourceSession(s))
            return VI_ERROR_INV_OBJECT;
        if (s->exclusiveLocks > 0) {
            --s->exclusiveLocks;
            return s->exclusiveLocks > 0 ? VI_SUCCESS_NESTED_EXCLUSIVE : VI_SUCCESS;
        }
        if (s->sharedLocks > 0) {
            --s->sharedLocks;
            return s->sharedLocks > 0 ? VI_SUCCESS_NESTED_SHARED : VI_SUCCESS;
        }
        return VI_ERROR_SESN_NLOCKED;
    });
}

ViStatus _VI_FUNCC viQueryf(ViSession vi, ViConstString writeFmt, ViConstString readFmt, ...)
{
    Bench &bench = Bench::instance();
    va_list args;
    va_start(args, readFmt);
    const ViStatus status = bench.call("viQueryf", Args().session("vi", vi).s("write", writeFmt).s("read", readFmt),
                                       [&]() -> ViStatus {
        const Bench::Session *s = bench.session(vi);
        if (!isResourceSession(s))
            return VI_ERROR_INV_OBJECT;
        if (!writeFmt || !readFmt)
            return VI_ERROR_INV_FMT;
        const std::string text = command(writeFmt);
        if (text.find('%') != std::string::npos)
            return VI_ERROR_NSUP_FMT;
        if (bench.lockedByOther(vi, s->resource))
            return VI_ERROR_RSRC_LOCKED;
        const dwavsim::ResourceProfile *resource = bench.resource(s->resource.c_str());
        if (!resource)
            return VI_ERROR_RSRC_NFOUND;
        // Only the identification is answered; anything else, and every
        // query to an instrument that stays silent, runs into the time-out.
        std::string upper = text;
        for (char &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!resource->answersIdn || upper != "*IDN?")
            return VI_ERROR_TMO;
        return readReply(resource->idn + "\n", readFmt, args);
    });
    va_end(args);
    return status;
}

} // extern "C"
