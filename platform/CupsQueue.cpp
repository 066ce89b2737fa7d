#include "CupsQueue.h"

#include <cups/cups.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace CupsQueue {

namespace {

struct DestDeleter {
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestDeleter>;

DestPtr NamedDest(const QString &queue)
{
    return DestPtr(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), nullptr));
}

// Asks the queue's capabilities; nothing when the queue cannot be reached.
std::optional<int> AskDest(const QString &queue,
                           const std::function<std::optional<int>(cups_dest_t *, cups_dinfo_t *)> &ask)
{
    const DestPtr dest = NamedDest(queue);
    if (!dest)
        return std::nullopt;
    cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get());
    if (!info)
        return std::nullopt;
    std::optional<int> answer = ask(dest.get(), info);
    cupsFreeDestInfo(info);
    return answer;
}

}  // namespace

Presence LookUp(const QString &queue)
{
    if (NamedDest(queue))
        return Presence::Present;
    return cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? Presence::Missing : Presence::Unknown;
}

std::optional<int> DefaultResolutionDpi(const QString &queue)
{
    return AskDest(queue, [](cups_dest_t *dest, cups_dinfo_t *info) -> std::optional<int> {
        ipp_attribute_t *attr = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
        if (!attr)
            return std::nullopt;
        int yres = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int xres = ippGetResolution(attr, 0, &yres, &units);
        if (xres <= 0)
            return std::nullopt;
        return units == IPP_RES_PER_CM ? (xres * 254 + 50) / 100 : xres;
    });
}

int MaximumCopies(const QString &queue)
{
    const auto most = AskDest(queue, [](cups_dest_t *dest, cups_dinfo_t *info) -> std::optional<int> {
        ipp_attribute_t *attr = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_COPIES);
        if (!attr)
            return std::nullopt;
        int upper = 1;
        ippGetRange(attr, 0, &upper);
        return upper;
    });
    return std::max(1, most.value_or(1));
}

std::optional<QString> LastRefusal()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    // The error display adds the closing full stop itself.
    QString reason = QString::fromUtf8(cupsLastErrorString());
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    // With the scheduler gone, all libcups has to say is why the connection
    // failed ("No such file or directory"), which alone would puzzle anyone.
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_ERROR_INTERNAL || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QStringLiteral("The print system does not answer (%1)").arg(reason);
    return reason;
}

}  // namespace CupsQueue
