// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/types.h>
#include <xcb/xcb.h>

// Looks at another process's windows on the X display, as a window manager would, and asks
// them to close the way a window manager does. For tests and benchmarks that start the
// real program.
class XClient {
public:
    XClient() : connection_(xcb_connect(nullptr, nullptr)) {
        if (!ok())
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        pidAtom_ = Atom("_NET_WM_PID");
        protocolsAtom_ = Atom("WM_PROTOCOLS");
        deleteWindowAtom_ = Atom("WM_DELETE_WINDOW");
    }
    ~XClient() { xcb_disconnect(connection_); }
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool ok() const { return xcb_connection_has_error(connection_) == 0; }

    // A viewable top-level window of the process, or XCB_WINDOW_NONE.
    xcb_window_t windowOf(pid_t pid) {
        auto* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr);
        if (tree == nullptr)
            return XCB_WINDOW_NONE;
        xcb_window_t found = XCB_WINDOW_NONE;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && found == XCB_WINDOW_NONE; ++i) {
            if (belongsTo(children[i], pid) && viewable(children[i]))
                found = children[i];
        }
        free(tree);
        return found;
    }

    // Painted once most of a horizontal strip across the window is no longer the black of
    // the empty screen.
    bool painted(xcb_window_t window) {
        auto* image = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 250, 600, 1, ~0u),
            nullptr);
        if (image == nullptr)
            return false;
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image));
        const int count = xcb_get_image_data_length(image) / 4;
        const auto lit = std::count_if(pixels, pixels + count,
                                       [](std::uint32_t p) { return (p & 0xffffff) != 0; });
        free(image);
        return count > 0 && lit * 2 > count;
    }

    // The class part of the window's WM_CLASS, by which taskbars find its desktop entry.
    std::string windowClass(xcb_window_t window) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
            nullptr);
        std::string result;
        if (reply != nullptr) {
            // Two strings, each ending in a zero byte: the instance name, then the class.
            const auto* value = static_cast<const char*>(xcb_get_property_value(reply));
            const std::string both(value,
                                   static_cast<std::size_t>(xcb_get_property_value_length(reply)));
            const std::size_t split = both.find('\0');
            if (split != std::string::npos)
                result = both.substr(split + 1, both.find('\0', split + 1) - split - 1);
        }
        free(reply);
        return result;
    }

    // Where the window asks to stand, and whether that is the corner of the frame a window
    // manager puts around it (north-west gravity) or of the window itself (static gravity).
    struct Placement {
        int x = 0;
        int y = 0;
        bool frameCorner = false;
    };
    Placement placement(xcb_window_t window) {
        Placement result;
        auto* translated = xcb_translate_coordinates_reply(
            connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr);
        if (translated != nullptr) {
            result.x = translated->dst_x;
            result.y = translated->dst_y;
        }
        free(translated);
        // WM_NORMAL_HINTS: 18 numbers, the flags first and the gravity last.
        auto* hints = xcb_get_property_reply(connection_,
                                             xcb_get_property(connection_, 0, window,
                                                              XCB_ATOM_WM_NORMAL_HINTS,
                                                              XCB_ATOM_WM_SIZE_HINTS, 0, 18),
                                             nullptr);
        if (hints != nullptr && xcb_get_property_value_length(hints) == 18 * 4) {
            const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(hints));
            constexpr std::uint32_t kGravityGiven = 1u << 9;
            result.frameCorner =
                (values[0] & kGravityGiven) && values[17] == XCB_GRAVITY_NORTH_WEST;
        }
        free(hints);
        return result;
    }

    // The window that has the keyboard focus.
    xcb_window_t focusedWindow() {
        auto* reply =
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
        const xcb_window_t result = reply != nullptr ? reply->focus : xcb_window_t{XCB_WINDOW_NONE};
        free(reply);
        return result;
    }

    // Takes the keyboard focus from every window, as a click on another program's does.
    void takeFocus() {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, root_, XCB_CURRENT_TIME);
        xcb_flush(connection_);
    }

    bool isViewable(xcb_window_t window) { return viewable(window); }

    // What a window manager does when the user minimises the window: it takes the window off
    // the screen and marks it iconic.
    void minimise(xcb_window_t window) {
        const xcb_atom_t wmState = Atom("WM_STATE");
        const std::uint32_t iconic[] = {3, XCB_WINDOW_NONE};
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, wmState, wmState, 32, 2,
                            iconic);
        xcb_unmap_window(connection_, window);
        xcb_flush(connection_);
    }

    // What a window manager sends when the user clicks the close box.
    void requestClose(xcb_window_t window) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = protocolsAtom_;
        event.data.data32[0] = deleteWindowAtom_;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection_);
    }

private:
    xcb_atom_t Atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return atom;
    }

    bool belongsTo(xcb_window_t window, pid_t pid) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        bool matches = false;
        if (reply != nullptr && xcb_get_property_value_length(reply) == 4)
            matches = *static_cast<std::uint32_t*>(xcb_get_property_value(reply)) ==
                      static_cast<std::uint32_t>(pid);
        free(reply);
        return matches;
    }

    bool viewable(xcb_window_t window) {
        auto* attributes = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr);
        const bool result =
            attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        return result;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
    xcb_atom_t protocolsAtom_ = XCB_ATOM_NONE;
    xcb_atom_t deleteWindowAtom_ = XCB_ATOM_NONE;
};
