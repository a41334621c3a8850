// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Marvolt developers
// Start-up to the start dialog, timed by the X server: selects
// SubstructureNotify on the root window (run it on an X server with no
// window manager, as bench/startup.sh does), forks and execs each program
// in turn, and takes the moment of the first MapNotify of an 81 x 30 window.
// At that moment it reads the child's CPU time (every thread's, from
// /proc/PID/task/*/schedstat) and resident memory, and the memory again
// once the program has rested a while at its dialog. The programs take
// turns, run after run, so that a busy moment of the machine falls on all
// of them alike; the medians are printed per program.
//
//   marvolt-startup RUNS PROGRAM...
//
// Every start gets a fresh, empty MARVOLT_INI_DIR.

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {
constexpr int kDialogWidth = 81, kDialogHeight = 30;
constexpr auto kRest = std::chrono::milliseconds(1000);
constexpr auto kGiveUp = std::chrono::seconds(10);

using Clock = std::chrono::steady_clock;

struct Start
{
    double mapMs = 0;
    double cpuMs = 0;
    double rssAtMapKb = 0;
    double rssRestingKb = 0;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
}

double cpuMsOf(pid_t pid)
{
    double ns = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream stat((tasks + u'/' + task + QStringLiteral("/schedstat")).toStdString());
        double run = 0;
        if (stat >> run)
            ns += run;
    }
    return ns / 1e6;
}

double rssKbOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6);
    return 0;
}

bool isDialog(xcb_connection_t *x, xcb_window_t window)
{
    xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    const bool dialog = g && g->width == kDialogWidth && g->height == kDialogHeight;
    std::free(g);
    return dialog;
}

std::optional<Start> startOnce(xcb_connection_t *x, const char *program)
{
    QTemporaryDir ini;
    const Clock::time_point t0 = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("MARVOLT_INI_DIR", ini.path().toLocal8Bit().constData(), 1);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    std::optional<Start> start;
    const int fd = xcb_get_file_descriptor(x);
    while (!start && Clock::now() - t0 < kGiveUp) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval wait{0, 100000};
            select(fd + 1, &read, nullptr, nullptr, &wait);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const double at = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (isDialog(x, map->window))
                start = Start{at, cpuMsOf(child), rssKbOf(child), 0};
        }
        std::free(event);
    }
    if (start) {
        std::this_thread::sleep_for(kRest);
        start->rssRestingKb = rssKbOf(child);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return start;
}
}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server on DISPLAY\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<Start>> starts(programs);
    for (int run = 0; run < runs; ++run)
        for (int p = 0; p < programs; ++p)
            if (const std::optional<Start> s = startOnce(x, argv[p + 2]))
                starts[p].push_back(*s);
    for (int p = 0; p < programs; ++p) {
        std::vector<double> map, cpu, rssMap, rssRest;
        for (const Start &s : starts[p])
            map.push_back(s.mapMs), cpu.push_back(s.cpuMs), rssMap.push_back(s.rssAtMapKb), rssRest.push_back(s.rssRestingKb);
        std::printf("%-40s %2zu/%d starts  exec to dialog: median %6.1f ms (min %6.1f)  CPU %6.1f ms  RSS at map %7.0f KB, "
                    "resting %7.0f KB\n",
                    argv[p + 2], map.size(), runs, median(map), map.empty() ? 0 : *std::min_element(map.begin(), map.end()),
                    median(cpu), median(rssMap), median(rssRest));
    }
    xcb_disconnect(x);
    return 0;
}
