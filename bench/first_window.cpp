// Starts a program on the X display and reports when its first top-level
// window was mapped and first painted, counted from the moment the program
// was started, and its memory once it has sat idle for a while:
//
//   first_window SETTLE_MS PROGRAM [ARGUMENTS...]
//   map_ms=41.2 paint_ms=58.9 rss_kb=30512 pss_kb=12004 width=640 height=480
//
// The display must have a black root window (Xvfb -br): a window maps with
// no background of its own, so it shows black until the program paints it,
// and the first painted pixel in its middle row marks the first paint.
// Only windows of at least kMinimumSide pixels each way count, so helper
// windows a toolkit may map are passed over. The program is ended with
// SIGTERM afterwards.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMinimumSide = 100;
constexpr auto kGiveUpAfter = std::chrono::seconds(20);

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The first number after `key` in a /proc file, or -1.
long ProcValue(const std::string& path, const std::string& key) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line))
        if (line.rfind(key, 0) == 0) return std::strtol(line.c_str() + key.size(), nullptr, 10);
    return -1;
}

template <class T>
std::unique_ptr<T, decltype(&std::free)> Reply(T* reply) {
    return {reply, &std::free};
}

// True once any pixel of the window's middle row is not black.
bool Painted(xcb_connection_t* x, xcb_window_t window, int width, int height) {
    const auto image =
        Reply(xcb_get_image_reply(x,
                                  xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0,
                                                static_cast<int16_t>(height / 2), static_cast<uint16_t>(width), 1, ~0u),
                                  nullptr));
    if (!image) return false;
    const uint8_t* data = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    // 32 bits a pixel at depth 24; the padding byte is not colour.
    for (int i = 0; i + 3 < length; i += 4)
        if (data[i] || data[i + 1] || data[i + 2]) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_window SETTLE_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    // Xvfb may still be taking the last program's connection down.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int attempt = 0; attempt < 20 && xcb_connection_has_error(x); ++attempt) {
        xcb_disconnect(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first_window: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("first_window: exec");
        _exit(127);
    }

    double mapMs = -1, paintMs = -1;
    xcb_window_t window = 0;
    int width = 0, height = 0;
    while (window == 0 && Clock::now() - start < kGiveUpAfter) {
        const auto event = Reply(xcb_poll_for_event(x));
        if (!event) {
            if (xcb_connection_has_error(x)) break;
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "first_window: the program ended before showing a window\n");
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect) continue;
        const auto geometry = Reply(xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr));
        if (!geometry || geometry->width < kMinimumSide || geometry->height < kMinimumSide) continue;
        mapMs = MillisecondsSince(start);
        window = map->window;
        width = geometry->width;
        height = geometry->height;
    }
    while (window != 0 && Clock::now() - start < kGiveUpAfter) {
        if (Painted(x, window, width, height)) {
            paintMs = MillisecondsSince(start);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }

    int status = 0;
    if (paintMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const std::string proc = "/proc/" + std::to_string(child);
        const long rss = ProcValue(proc + "/status", "VmRSS:");
        const long pss = ProcValue(proc + "/smaps_rollup", "Pss:");
        std::printf("map_ms=%.1f paint_ms=%.1f rss_kb=%ld pss_kb=%ld width=%d height=%d\n", mapMs, paintMs, rss, pss,
                    width, height);
    } else {
        std::fprintf(stderr, "first_window: no window was shown and painted\n");
        status = 1;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
