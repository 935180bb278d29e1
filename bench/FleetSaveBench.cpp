// qlx700ctl fleet save against one qlx700-sim process serving N devices over TCP, beside
// N single `qlx700ctl save` runs one after the other. Prints the wall time of each and the
// fleet run's peak memory (maximum resident set). Usage: bench_fleet_save [N...]
// (default 100 and 1000; the sequential runs only for N up to 100).
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string kCtl = QLX700_BINARY_DIR "/cli/qlx700ctl";
const std::string kSim = QLX700_BINARY_DIR "/sim/qlx700-sim";

struct Run {
    int status = -1;
    double seconds = 0;
    long maxRssKb = 0;
};

pid_t spawn(const std::vector<std::string>& argv, int outFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

Run runToEnd(const std::vector<std::string>& argv, int outFd)
{
    Run r;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = spawn(argv, outFd);
    int status = 0;
    rusage usage{};
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.maxRssKb = usage.ru_maxrss;
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

// Starts the simulator with `count` devices and returns their TCP ports.
std::vector<std::string> startFleet(int count, pid_t& sim)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    sim = spawn({kSim, "--model", "T", "--count", std::to_string(count), "--tcp", "127.0.0.1:0"}, fds[1]);
    close(fds[1]);
    FILE* out = fdopen(fds[0], "r");
    std::vector<std::string> ports;
    char line[256];
    while (static_cast<int>(ports.size()) < count && std::fgets(line, sizeof line, out) != nullptr) {
        const std::string text = line;
        ports.push_back(text.substr(text.rfind(':') + 1, text.find_last_not_of("\n") - text.rfind(':')));
    }
    std::fclose(out);
    return ports;
}

void bench(int count, const fs::path& folder, int devNull)
{
    pid_t sim = -1;
    const std::vector<std::string> ports = startFleet(count, sim);
    if (static_cast<int>(ports.size()) != count) {
        std::printf("%d devices: the simulator did not start them\n", count);
        return;
    }
    const fs::path list = folder / ("fleet" + std::to_string(count) + ".csv");
    {
        std::ofstream out(list);
        out << "name,link,model,address,password_env\n";
        for (int i = 0; i < count; ++i)
            out << "dev" << i << ",tcp:127.0.0.1:" << ports[i] << ",T,,\n";
    }
    const fs::path dir = folder / ("out" + std::to_string(count));
    const Run fleet = runToEnd({kCtl, "fleet", "save", list.string(), "--out", dir.string()}, devNull);
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        files += entry.path().extension() == ".conf" ? 1 : 0;
    std::printf("%4d devices, fleet save (16 jobs): %7.2f s, peak memory %6.1f MB, status %d, %zu files\n", count,
                fleet.seconds, static_cast<double>(fleet.maxRssKb) / 1024.0, fleet.status, files);
    if (count <= 100) {
        double sequential = 0;
        int failed = 0;
        for (int i = 0; i < count; ++i) {
            const Run single = runToEnd({kCtl, "--tcp", "127.0.0.1:" + ports[i], "--password", "QWKZ", "save",
                                         (folder / ("single" + std::to_string(i) + ".conf")).string()},
                                        devNull);
            sequential += single.seconds;
            failed += single.status == 0 ? 0 : 1;
        }
        std::printf("%4d devices, %d single saves in turn: %7.2f s (%d failed), fleet %.1fx faster\n", count, count,
                    sequential, failed, sequential / fleet.seconds);
    }
    kill(sim, SIGTERM);
    waitpid(sim, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    // Every simulated device holds a listener, a connection and a wake-up pipe.
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
    setenv("QLX700_PASSWORD", "QWKZ", 1);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        const int n = std::atoi(argv[i]);
        if (n > 0)
            counts.push_back(n);
    }
    if (counts.empty())
        counts = {100, 1000};
    const fs::path folder = fs::temp_directory_path() / ("qlx700-fleet-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const int devNull = ::open("/dev/null", O_WRONLY);
    for (const int n : counts)
        bench(n, folder, devNull);
    ::close(devNull);
    fs::remove_all(folder);
    return 0;
}
