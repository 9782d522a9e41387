// Times a program from exec to its first top-level window being mapped on
// the X server named by DISPLAY, then ends it. Prints microseconds.
//
//   map_timer PROGRAM [ARGS...]

#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct XcbDisconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, XcbDisconnect> connection(
        xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()) != 0) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    // Map notifications of the root's children are the new top-level windows.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.get(), root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.get());

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("map_timer: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("map_timer: fork");
        return 2;
    }

    long long micros = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection.get())) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                            !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        std::free(event);
        if (mapped) {
            micros = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (micros < 0) {
        std::fprintf(stderr, "map_timer: lost the X connection before a window was mapped\n");
        return 1;
    }
    std::printf("%lld\n", micros);
    return 0;
}
