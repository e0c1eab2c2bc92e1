// Start-up time and peak memory of our program against the floor program, measured from outside
// on an X server, the two alternating in one run.
//
// Time: from just before the process is spawned to the X server reporting the first top-level
// window of that process mapped (a MapNotify on the root window, selected before the spawn, so
// nothing is polled and nothing can be missed).
// Memory: the process's peak resident set (ru_maxrss from wait4). Once its window is mapped the
// program is left to paint and fall idle, then ended with SIGKILL: our program answers a close
// with its closing window, so neither program is asked to close, and both die the same way.
//
// Each program runs with a private HOME, XDG folders and runtime folder, and a fake xdg-open first
// in PATH, so the user's own settings and browser are never touched. The folders live for the
// whole run: after the warm-up our program finds its stored date, as on any day after the first,
// and its update reminder asks nothing. The lock file a killed instance leaves behind is removed
// after each run, as a program that ends normally removes it.
//
// Usage: bench_startup [--runs N] [--display :N] [OURS FLOOR]
// Without --display it starts its own Xvfb on a free display.
#include "Summary.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;

constexpr double MapTimeoutMs = 20000;
// A program counts as idle once it has used no CPU for this long after its window was mapped.
constexpr double IdleQuietMs = 60;
constexpr double IdleTimeoutMs = 5000;

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
    const timespec ts{0, static_cast<long>(ms * 1e6)};
    nanosleep(&ts, nullptr);
}

[[noreturn]] void Fail(const std::string &message) {
    std::fprintf(stderr, "bench_startup: %s\n", message.c_str());
    std::exit(1);
}

pid_t Spawn(const std::vector<std::string> &args, const std::vector<std::string> &env,
            posix_spawn_file_actions_t *actions) {
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const std::string &var : env)
        envp.push_back(const_cast<char *>(var.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), envp.data());
    if (error != 0)
        Fail("cannot start " + args[0] + ": " + std::strerror(error));
    return pid;
}

std::vector<std::string> CurrentEnvironment() {
    std::vector<std::string> env;
    for (char **var = environ; *var; ++var)
        env.emplace_back(*var);
    return env;
}

// A private Xvfb; -displayfd lets the server pick a free display and say which once it listens.
class Xvfb {
public:
    Xvfb() {
        int fds[2];
        if (pipe(fds) != 0)
            Fail("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        pid_ = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-nolisten", "tcp", "-screen",
                      "0", "1280x1024x24"},
                     CurrentEnvironment(), &actions);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (number.empty())
            Fail("Xvfb did not start (is the xvfb package installed?)");
        display_ = ":" + number;
    }
    ~Xvfb() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Xvfb(const Xvfb &) = delete;
    Xvfb &operator=(const Xvfb &) = delete;
    const std::string &display() const { return display_; }

private:
    pid_t pid_ = 0;
    std::string display_;
};

// Private HOME, XDG folders and runtime folder, and a fake xdg-open that only records.
class Sandbox {
public:
    explicit Sandbox(const std::string &display) {
        std::string pattern = (fs::temp_directory_path() / "bench_startup.XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            Fail("cannot make a temporary folder");
        root_ = pattern;
        for (const char *dir : {"home", "config", "data", "cache", "state", "bin"})
            fs::create_directory(root_ / dir);
        fs::create_directory(runtime());
        fs::permissions(runtime(), fs::perms::owner_all, fs::perm_options::replace);
        const fs::path open = root_ / "bin" / "xdg-open";
        std::ofstream(open) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \""
                            << (root_ / "opened").string() << "\"\n";
        fs::permissions(open, fs::perms::owner_all, fs::perm_options::replace);

        for (const std::string &var : CurrentEnvironment()) {
            const std::string name = var.substr(0, var.find('='));
            // The program's own environment decides nothing of what is measured, the user's
            // session bus included, which would make the figures depend on the desktop running.
            if (name == "HOME" || name == "PATH" || name == "DISPLAY" ||
                name.rfind("XDG_", 0) == 0 || name.rfind("QT_", 0) == 0 ||
                name == "DBUS_SESSION_BUS_ADDRESS" || name == "SESSION_MANAGER" ||
                name == "WAYLAND_DISPLAY")
                continue;
            env_.push_back(var);
        }
        const char *path = std::getenv("PATH");
        env_.push_back("PATH=" + (root_ / "bin").string() + ":" + (path ? path : "/usr/bin:/bin"));
        env_.push_back("HOME=" + (root_ / "home").string());
        env_.push_back("XDG_CONFIG_HOME=" + (root_ / "config").string());
        env_.push_back("XDG_DATA_HOME=" + (root_ / "data").string());
        env_.push_back("XDG_CACHE_HOME=" + (root_ / "cache").string());
        env_.push_back("XDG_STATE_HOME=" + (root_ / "state").string());
        env_.push_back("XDG_RUNTIME_DIR=" + runtime().string());
        env_.push_back("DISPLAY=" + display);
        env_.push_back("QT_QPA_PLATFORM=xcb");
        // No session bus: otherwise the toolkit would start one for the display and, through it,
        // the accessibility services, whose start-up would swamp what is measured.
        env_.push_back("DBUS_SESSION_BUS_ADDRESS=unix:path=" + (root_ / "no-bus").string());
    }
    ~Sandbox() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    const std::vector<std::string> &environment() const { return env_; }

    // What a killed program leaves in the runtime folder (its single-instance lock) goes, as a
    // program that ends normally would remove it itself.
    void clearRuntime() const {
        for (const fs::directory_entry &entry : fs::directory_iterator(runtime()))
            fs::remove_all(entry.path());
    }

    bool browserOpened() const { return fs::exists(root_ / "opened"); }

private:
    fs::path runtime() const { return root_ / "runtime"; }
    fs::path root_;
    std::vector<std::string> env_;
};

class XConnection {
public:
    explicit XConnection(const std::string &display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_))
            Fail("cannot connect to X display " + display);
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        // Every top-level window that is mapped is reported on the root window.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(connection_, screen->root,
                                                                        XCB_CW_EVENT_MASK, &mask);
        if (xcb_generic_error_t *error = xcb_request_check(connection_, cookie)) {
            free(error);
            Fail("cannot watch the root window");
        }
        pidAtom_ = internAtom("_NET_WM_PID");
    }
    ~XConnection() { xcb_disconnect(connection_); }
    XConnection(const XConnection &) = delete;
    XConnection &operator=(const XConnection &) = delete;

    // Waits for a top-level window of `pid` to be mapped and returns the time it was reported, or
    // nothing when the process died or the wait timed out.
    std::optional<double> waitForMap(pid_t pid, double deadline) {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const bool ordinary = mapped && !map->override_redirect;
                const xcb_window_t window = mapped ? map->window : 0;
                free(event);
                if (!ordinary)
                    continue;
                const double when = NowMs();
                if (belongsTo(window, pid))
                    return when;
            }
            if (xcb_connection_has_error(connection_))
                Fail("lost the connection to the X server");
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return std::nullopt;
            const double left = deadline - NowMs();
            if (left <= 0)
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min(left, 200.0)) + 1);
        }
    }

    // Drops the events of windows gone with their process, after a round trip that makes sure
    // the server has sent them all.
    void drain() {
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
            free(event);
    }

private:
    xcb_atom_t internAtom(const char *name) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        free(reply);
        return atom;
    }

    // A window without _NET_WM_PID is taken as the child's: nothing else runs on this display.
    bool belongsTo(xcb_window_t window, pid_t pid) {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        bool mine = true;
        if (reply && xcb_get_property_value_length(reply) == 4)
            mine = *static_cast<const uint32_t *>(xcb_get_property_value(reply)) ==
                   static_cast<uint32_t>(pid);
        free(reply);
        return mine;
    }

    xcb_connection_t *connection_ = nullptr;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

// Nanoseconds the process has run on a CPU, from the scheduler's own account.
long long CpuTimeNs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/schedstat");
    long long ns = -1;
    stat >> ns;
    return ns;
}

// After mapping its window a program still paints it; its memory is read once it has gone quiet.
void WaitUntilIdle(pid_t pid) {
    const double deadline = NowMs() + IdleTimeoutMs;
    long long last = CpuTimeNs(pid);
    double quietSince = NowMs();
    while (NowMs() < deadline) {
        SleepMs(5);
        const long long now = CpuTimeNs(pid);
        if (now != last) {
            last = now;
            quietSince = NowMs();
        } else if (NowMs() - quietSince >= IdleQuietMs) {
            return;
        }
    }
}

struct Sample {
    double startMs = 0;
    double rssMiB = 0;
    double cpuMs = 0; // user and system time until killed: less swayed by a busy machine
};

Sample RunOnce(const std::string &program, XConnection &x, const Sandbox &sandbox) {
    x.drain();
    const double start = NowMs();
    const pid_t pid = Spawn({program}, sandbox.environment(), nullptr);
    const std::optional<double> mapped = x.waitForMap(pid, start + MapTimeoutMs);
    if (mapped)
        WaitUntilIdle(pid);
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    sandbox.clearRuntime();
    if (!mapped)
        Fail(program + " showed no window");
    const auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {*mapped - start, static_cast<double>(usage.ru_maxrss) / 1024.0,
            ms(usage.ru_utime) + ms(usage.ru_stime)};
}

void PrintTable(const char *title, const Summary &ours, const Summary &floor) {
    std::printf("%s\n", title);
    std::printf("  %-6s %9s %9s %9s\n", "", "median", "min", "max");
    std::printf("  %-6s %9.2f %9.2f %9.2f\n", "ours", ours.median, ours.min, ours.max);
    std::printf("  %-6s %9.2f %9.2f %9.2f\n", "floor", floor.median, floor.min, floor.max);
    std::printf("  ours/floor (medians): %.3f\n", ours.median / floor.median);
}

struct Options {
    int runs = 30;
    std::string display;
    std::string ours = ZT_OURS_PROGRAM;
    std::string floor = ZT_FLOOR_PROGRAM;
};

Options Parse(int argc, char **argv) {
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--display" && i + 1 < argc)
            options.display = argv[++i];
        else if (arg.rfind("--", 0) == 0)
            Fail("usage: bench_startup [--runs N] [--display :N] [OURS FLOOR]");
        else
            programs.push_back(arg);
    }
    if (programs.size() == 2) {
        options.ours = programs[0];
        options.floor = programs[1];
    } else if (!programs.empty()) {
        Fail("name both programs, ours first, or neither");
    }
    return options;
}

} // namespace

int main(int argc, char **argv) {
    const Options options = Parse(argc, argv);
    std::unique_ptr<Xvfb> server;
    std::string display = options.display;
    if (display.empty()) {
        server = std::make_unique<Xvfb>();
        display = server->display();
    }
    XConnection x(display);
    const Sandbox sandbox(display);

    // The warm-up fills the file cache and lets our program store its first date.
    RunOnce(options.ours, x, sandbox);
    RunOnce(options.floor, x, sandbox);

    std::vector<double> oursStart, floorStart, oursRss, floorRss, oursCpu, floorCpu;
    for (int run = 0; run < options.runs; ++run) {
        // Alternating which goes first keeps any drift from favouring either.
        const bool oursFirst = run % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isOurs = (turn == 0) == oursFirst;
            const Sample sample = RunOnce(isOurs ? options.ours : options.floor, x, sandbox);
            (isOurs ? oursStart : floorStart).push_back(sample.startMs);
            (isOurs ? oursRss : floorRss).push_back(sample.rssMiB);
            (isOurs ? oursCpu : floorCpu).push_back(sample.cpuMs);
        }
    }
    if (sandbox.browserOpened())
        Fail("a program opened a web page during the runs");

    std::printf("%d runs of each, alternating, after one warm-up each, on display %s\n",
                options.runs, display.c_str());
    PrintTable("time to first window mapped (ms)", Summarise(oursStart), Summarise(floorStart));
    PrintTable("peak resident memory (MiB)", Summarise(oursRss), Summarise(floorRss));
    PrintTable("CPU time, start to idle (ms)", Summarise(oursCpu), Summarise(floorCpu));
    return 0;
}
