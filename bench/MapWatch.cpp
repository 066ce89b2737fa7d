#include "MapWatch.h"

#include <QDeadlineTimer>

#include <cstdlib>
#include <memory>

#include <poll.h>

namespace {

struct TFree {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename Reply>
using TReplyPtr = std::unique_ptr<Reply, TFree>;

}  // namespace

TMapWatch::TMapWatch(const QString &display)
    : m_connection(xcb_connect(display.toLocal8Bit().constData(), nullptr))
{
    if (xcb_connection_has_error(m_connection))
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const TReplyPtr<xcb_generic_error_t> error(
        xcb_request_check(m_connection, xcb_change_window_attributes_checked(m_connection, root, XCB_CW_EVENT_MASK, &events)));
    // Qt names its process on each window with this property.
    const char name[] = "_NET_WM_PID";
    const TReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, sizeof name - 1, name), nullptr));
    if (error || !atom)
        return;
    m_netWmPid = atom->atom;
    m_root = root;
}

TMapWatch::~TMapWatch()
{
    xcb_disconnect(m_connection);
}

std::optional<qint64> TMapWatch::WaitForWindowOf(qint64 pid, const QElapsedTimer &clock, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    pollfd server{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (!deadline.hasExpired()) {
        while (const TReplyPtr<xcb_generic_event_t> event{xcb_poll_for_event(m_connection)}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const qint64 mappedNs = clock.nsecsElapsed();
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (!map->override_redirect && WindowPid(map->window) == pid)
                return mappedNs;
        }
        if (xcb_connection_has_error(m_connection))
            return std::nullopt;
        ::poll(&server, 1, int(deadline.remainingTime()));
    }
    return std::nullopt;
}

qint64 TMapWatch::WindowPid(xcb_window_t window) const
{
    const TReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, m_netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(uint32_t))
        return -1;
    return *static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
}
