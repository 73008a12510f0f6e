// Starts a program under X and measures its start: the CPU time of all its
// threads and the wall time from fork to the moment its first top-level
// window is mapped; after a settling pause its resident and private dirty
// memory and its thread count. Prints one line:
//   <cpu ms> <wall ms> <rss KiB> <private dirty KiB> <threads>
//   start_maaler <settle ms> <program> [arguments...]
// With --efter <ms since the epoch> first, it waits instead for the first
// window the program maps at or after that wall-clock moment (an alarm
// window at its minute) and prints the milliseconds from that moment.
// The program is ended by SIGTERM afterwards. run.sh calls this for the
// program and the baseline in turn, so both meet the same machine load.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

double realMs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double monoMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Run time of every thread alive, in ms, from the scheduler's nanoseconds
// (the tick counts of /proc/<pid>/stat are 10 ms coarse).
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR *d = opendir(tasks.c_str())) {
        while (dirent *e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream f(tasks + "/" + e->d_name + "/schedstat");
            double run = 0;
            if (f >> run)
                ns += run;
        }
        closedir(d);
    }
    return ns / 1e6;
}

// The value of a "Key:  value kB" line, summed over all lines with that key.
long procField(pid_t pid, const char *file, const char *key)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    long sum = 0;
    const size_t n = std::strlen(key);
    while (std::getline(f, line)) {
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':')
            sum += std::atol(line.c_str() + n + 1);
    }
    return sum;
}

// The process id a client put on its window (_NET_WM_PID), or 0.
pid_t windowPid(xcb_connection_t *c, xcb_window_t w, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    pid_t pid = 0;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(r)));
    std::free(r);
    return pid;
}

} // namespace

int main(int argc, char **argv)
{
    double efter = -1;
    if (argc > 2 && std::strcmp(argv[1], "--efter") == 0) {
        efter = std::atof(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s [--efter <epoch ms>] <settle ms> <program> [args...]\n",
                     argv[0]);
        return 2;
    }
    int settleMs = std::atoi(argv[1]);
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 11, "_NET_WM_PID"), nullptr);
    const xcb_atom_t pidAtom = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(atom);
    xcb_flush(c);

    const double t0 = monoMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    double cpu = -1;
    double wall = -1;
    pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
    const double graense = efter < 0 ? 60000 : efter - realMs() + monoMs() - t0 + 60000;
    while (wall < 0 && monoMs() - t0 < graense) {
        xcb_generic_event_t *e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c) || waitpid(pid, nullptr, WNOHANG) == pid)
                break;
            poll(&p, 1, 100);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (!m->override_redirect && windowPid(c, m->window, pidAtom) == pid) {
                if (efter < 0) {
                    wall = monoMs() - t0;
                    cpu = cpuMs(pid);
                } else if (realMs() >= efter) {
                    wall = realMs() - efter;
                }
            }
        }
        std::free(e);
    }
    if (wall < 0) {
        std::fprintf(stderr, "%s mapped no window\n", argv[2]);
        kill(pid, SIGKILL);
        return 1;
    }
    if (efter >= 0) {
        std::printf("%.1f\n", wall);
        settleMs = 0;
    }
    usleep(useconds_t(settleMs) * 1000);
    const long rss = procField(pid, "status", "VmRSS");
    const long dirty = procField(pid, "smaps_rollup", "Private_Dirty");
    const long threads = procField(pid, "status", "Threads");
    if (efter < 0)
        std::printf("%.1f %.1f %ld %ld %ld\n", cpu, wall, rss, dirty, threads);

    kill(pid, SIGTERM);
    for (int i = 0; i < 50 && waitpid(pid, nullptr, WNOHANG) != pid; ++i)
        usleep(100000);
    if (kill(pid, 0) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(c);
    return 0;
}
