#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Starts Kelvaro and its yardsticks in turn on the X display in $DISPLAY (each a program or a
// script that execs it, such as Wine with a Windows program),
// timing each from exec to the map of its top-level window, and reading its resident and
// proportional set size at that moment.
// Usage: startup_bench RUNS KELVARO YARDSTICK...

namespace {

using Clock = std::chrono::steady_clock;

struct Sample
{
    double milliseconds;
    long rssKiB;
    long pssKiB;
};

long statusField(pid_t pid, const std::string &file, const std::string &field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(field.size()));
    }
    return -1;
}

Sample startOnce(Display *display, const char *program)
{
    XSync(display, True); // forget the events of the previous run
    std::array<char *, 2> argv {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            break;
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    const Sample sample {elapsed.count(), statusField(pid, "status", "VmRSS:"),
                         statusField(pid, "smaps_rollup", "Pss:")};
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians
{
    double milliseconds, rssKiB, pssKiB;
};

Medians medians(const std::vector<Sample> &samples)
{
    std::vector<double> ms;
    std::vector<double> rss;
    std::vector<double> pss;
    for (const Sample &s : samples) {
        ms.push_back(s.milliseconds);
        rss.push_back(static_cast<double>(s.rssKiB));
        pss.push_back(static_cast<double>(s.pssKiB));
    }
    return {median(ms), median(rss), median(pss)};
}

// The median of the run-by-run ratios: each pair of runs shares the machine's load at the time.
double pairedRatio(const std::vector<Sample> &kelvaro, const std::vector<Sample> &yardstick)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < kelvaro.size(); ++i)
        ratios.push_back(kelvaro[i].milliseconds / yardstick[i].milliseconds);
    return median(ratios);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: startup_bench RUNS KELVARO YARDSTICK...\n", stderr);
        return 2;
    }
    const int runs = std::stoi(argv[1]);
    const std::vector<const char *> programs(argv + 2, argv + argc);
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("startup_bench: no X display; run it under xvfb-run\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<std::vector<Sample>> samples(programs.size());
    for (const char *program : programs)
        startOnce(display, program); // warms the caches for all alike, uncounted
    // Every other run takes the programs in the reverse order: a program started after another
    // starts faster, which would count against the first.
    for (int i = 0; i < runs; ++i) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = i % 2 == 0 ? k : programs.size() - 1 - k;
            samples[p].push_back(startOnce(display, programs[p]));
        }
    }
    std::printf("median of %d runs     start-up ms   RSS KiB   PSS KiB   ratios Kelvaro/this"
                "   paired start-up ratio\n",
                runs);
    const Medians kelvaro = medians(samples[0]);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const Medians m = medians(samples[p]);
        std::printf(
            "%-22s %11.1f %9.0f %9.0f   %.3f %.3f %.3f   %.3f\n",
            std::string(programs[p]).substr(std::string(programs[p]).rfind('/') + 1).c_str(),
            m.milliseconds, m.rssKiB, m.pssKiB, kelvaro.milliseconds / m.milliseconds,
            kelvaro.rssKiB / m.rssKiB, kelvaro.pssKiB / m.pssKiB,
            pairedRatio(samples[0], samples[p]));
    }
    XCloseDisplay(display);
    return 0;
}
