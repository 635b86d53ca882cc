// SPDX-License-Identifier: MIT
#include "app/startup_notification.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace app {

#if QT_CONFIG(xcb)
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const QByteArray& name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(name.size()), name.constData()),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A value with a blank, a quote or a backslash is quoted, those two escaped.
QByteArray Quoted(QByteArray value) {
    if (!value.contains(' ') && !value.contains('"') && !value.contains('\\'))
        return value;
    value.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + value + '"';
}

} // namespace
#endif

void EndStartupNotification([[maybe_unused]] const QByteArray& id) {
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (id.isEmpty() || !x11)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The message goes to the root window in pieces of 20 bytes, the first of one type, the
    // others of another, the last ending in a zero byte.
    const QByteArray message = "remove: ID=" + Quoted(id);
    xcb_client_message_event_t piece{};
    piece.response_type = XCB_CLIENT_MESSAGE;
    piece.format = 8;
    piece.window = root;
    piece.type = Atom(connection, QByteArrayLiteral("_NET_STARTUP_INFO_BEGIN"));
    const xcb_atom_t following = Atom(connection, QByteArrayLiteral("_NET_STARTUP_INFO"));
    const qsizetype length = message.size() + 1;
    for (qsizetype sent = 0; sent < length; sent += sizeof piece.data.data8) {
        std::fill(std::begin(piece.data.data8), std::end(piece.data.data8), 0);
        std::copy_n(message.constData() + sent,
                    std::min<qsizetype>(length - sent, sizeof piece.data.data8), piece.data.data8);
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&piece));
        piece.type = following;
    }
    xcb_flush(connection);
#endif
}

} // namespace app
