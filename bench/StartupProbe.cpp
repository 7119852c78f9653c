// Starts a program and reports, from the moment it was started, when its window titled TITLE
// was mapped and when it was first drawn into, then its resident memory once it has been idle
// for IDLE_MS, and the processor time it used in all. The window system tells both moments
// itself (structure and damage events), so nothing is polled and the program needs no help.
// Each `-k KEY TITLE` then presses KEY (an X key name, with "ctrl+" for the Control key) in the
// window last drawn, half a second after it was, as a player would, and reports how long the
// window TITLE took from the key to its first drawing.
//
//   startup_probe [-k KEY TITLE]... TITLE IDLE_MS PROGRAM [ARGUMENTS...]
//   prints: mapped_ms=12.3 shown_ms=14.5 cpu_ms=30.1 rss_kib=45678 [keys_ms=250.2,61.7]
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int TimeoutMs = 30000;
constexpr int SettleMs = 500; // a window drawn, the time before a player presses a key in it

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0; // a window may vanish between its notice and our question about it
}

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool HasTitle(Display* display, Window window, const std::string& title) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr)
        return false;
    const bool same = title == name;
    XFree(name);
    return same;
}

std::optional<long> ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

bool Exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// Ends the program and gives the processor time it used, user and system, in milliseconds.
double Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Moments {
    double mapped = -1;
    double shown = -1;
    bool exited = false;  // the program ended on its own and has been reaped
    Window window = None; // the window drawn
};

// Waits for the window to be mapped and then drawn into.
bool Watch(Display* display, int damageEvent, pid_t pid, const std::string& title,
           Clock::time_point start, Moments& moments) {
    std::set<Window> mapped;
    moments.mapped = moments.shown = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (MsSince(start) < TimeoutMs) {
        if (XPending(display) == 0) {
            if ((moments.exited = Exited(pid)))
                return false;
            poll(&connection, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Every new top-level window is watched for drawing from its birth.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && HasTitle(display, event.xmap.window, title)) {
            mapped.insert(event.xmap.window);
            if (moments.mapped < 0)
                moments.mapped = MsSince(start);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
            if (mapped.count(damage.drawable) != 0) {
                moments.shown = MsSince(start);
                moments.window = damage.drawable;
                return true;
            }
        }
    }
    return false;
}

struct KeyStep {
    std::string key;   // "space", "ctrl+l"
    std::string title; // the window it brings up
};

// Gives `window` the keyboard and presses `key` in it, through the XTEST extension.
bool PressKey(Display* display, Window window, const std::string& key) {
    const std::string ctrl = "ctrl+";
    const bool withCtrl = key.rfind(ctrl, 0) == 0;
    const KeySym sym = XStringToKeysym(key.c_str() + (withCtrl ? ctrl.size() : 0));
    const KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
    if (code == 0)
        return false;
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    if (withCtrl)
        XTestFakeKeyEvent(display, control, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (withCtrl)
        XTestFakeKeyEvent(display, control, False, CurrentTime);
    XFlush(display);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<KeyStep> steps;
    int first = 1;
    while (argc - first >= 3 && std::strcmp(argv[first], "-k") == 0) {
        steps.push_back({argv[first + 1], argv[first + 2]});
        first += 3;
    }
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: %s [-k KEY TITLE]... TITLE IDLE_MS PROGRAM [ARGUMENTS...]\n",
                     argv[0]);
        return 2;
    }
    const std::string title = argv[first];
    const int idleMs = std::atoi(argv[first + 1]);
    char** program = argv + first + 2;

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the display has no DAMAGE extension\n");
        return 1;
    }
    int unused = 0;
    if (!steps.empty() && !XTestQueryExtension(display, &unused, &unused, &unused, &unused)) {
        std::fprintf(stderr, "the display has no XTEST extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    // The program's own output would only get in the way of the report.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, program[0], &quiet, nullptr, program, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program[0], std::strerror(spawned));
        return 1;
    }

    Moments moments;
    if (!Watch(display, damageEvent, pid, title, start, moments)) {
        std::fprintf(stderr, "no window \"%s\" was shown\n", title.c_str());
        if (!moments.exited)
            Stop(pid);
        return 1;
    }
    const Moments started = moments;
    std::string keys;
    for (const KeyStep& step : steps) {
        std::this_thread::sleep_for(std::chrono::milliseconds(SettleMs));
        const Clock::time_point pressed = Clock::now();
        if (!PressKey(display, moments.window, step.key) ||
            !Watch(display, damageEvent, pid, step.title, pressed, moments)) {
            std::fprintf(stderr, "%s brought up no window \"%s\"\n", step.key.c_str(),
                         step.title.c_str());
            if (!moments.exited)
                Stop(pid);
            return 1;
        }
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.1f", moments.shown);
        keys += (keys.empty() ? " keys_ms=" : ",") + std::string(ms);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    const std::optional<long> rss = ResidentKib(pid);
    const double cpuMs = Stop(pid);
    XCloseDisplay(display);
    if (!rss) {
        std::fprintf(stderr, "the program ended before its memory was read\n");
        return 1;
    }
    std::printf("mapped_ms=%.1f shown_ms=%.1f cpu_ms=%.1f rss_kib=%ld%s\n", started.mapped,
                started.shown, cpuMs, *rss, keys.c_str());
    return 0;
}
