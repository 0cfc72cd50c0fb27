// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as the user sees it: from the moment the program is started to the moment the
// X server maps its window with the given title. Watches the root window's children, so
// the time is the server's view, not the program's.
//   startup_probe <runs> <title> <program> [args...]
// Prints the time of each run in ms, one a line. Each run is then ended as a user ends it,
// by closing the window (killed only when it does not go within 5 s), so that every start
// finds its files as a properly closed program left them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

bool hasTitle(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    bool match = false;
    if (XFetchName(display, window, &name) && name) {
        match = std::strcmp(name, title) == 0;
        XFree(name);
    }
    return match;
}

// What a window manager sends when the user closes a window.
void closeWindow(Display *display, Window window)
{
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe <runs> <title> <program> [args...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char *title = argv[2];
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    for (int run = 0; run < runs; ++run) {
        // Events of the previous run are dropped.
        while (XPending(display)) {
            XEvent stale;
            XNextEvent(display, &stale);
        }
        const double start = nowMs();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[3], argv + 3);
            _exit(127);
        }
        double mapped = -1;
        Window window = 0;
        const int fd = ConnectionNumber(display);
        while (mapped < 0 && nowMs() - start < 10000) {
            if (!XPending(display)) {
                fd_set fds;
                FD_ZERO(&fds);
                FD_SET(fd, &fds);
                timeval tv{0, 100000};
                select(fd + 1, &fds, nullptr, nullptr, &tv);
                continue;
            }
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && hasTitle(display, event.xmap.window, title)) {
                mapped = nowMs();
                window = event.xmap.window;
            }
        }
        if (window)
            closeWindow(display, window);
        const double closing = nowMs();
        while (waitpid(child, nullptr, WNOHANG) == 0) {
            if (nowMs() - closing > 5000) {
                kill(child, SIGKILL);
                waitpid(child, nullptr, 0);
                break;
            }
            usleep(10000);
        }
        if (mapped < 0) {
            std::fprintf(stderr, "run %d: window not mapped within 10 s\n", run);
            return 1;
        }
        std::printf("%.2f\n", mapped - start);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
