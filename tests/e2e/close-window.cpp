// Asks an X11 window to close, as a window manager's close button does: a
// WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. The end-to-end test runs
// without a window manager, so it sends that message itself.
//
// usage: e2e_close_window <window id>   (DISPLAY names the X server)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    char *end = nullptr;
    const unsigned long window = std::strtoul(argv[1], &end, 0);
    if (*end != '\0' || window == 0 || window > UINT32_MAX) {
        std::fprintf(stderr, "not a window id: %s\n", argv[1]);
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        xcb_disconnect(connection);
        return 1;
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = internAtom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = internAtom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;

    const xcb_void_cookie_t cookie = xcb_send_event_checked(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                                                            reinterpret_cast<const char *>(&message));
    xcb_generic_error_t *error = xcb_request_check(connection, cookie);
    const bool sent = error == nullptr && message.type != XCB_ATOM_NONE && message.data.data32[0] != XCB_ATOM_NONE;
    if (error) {
        std::fprintf(stderr, "X error %d while sending WM_DELETE_WINDOW\n", int(error->error_code));
        std::free(error);
    }
    xcb_disconnect(connection);
    return sent ? 0 : 1;
}
