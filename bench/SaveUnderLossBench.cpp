// How often `qlx700ctl save` succeeds on a line that loses replies: the simulator drops
// each reply with probability 2 % (--faults drop=0.02), as a long RS-485 run or a noisy
// radio link does, and the command runs N times on each link with the default read
// retries, then with none. Every saved file is compared with one saved before the
// faults were switched on: a run counts as good only when it exits 0 and its file is
// identical but for the time it was made. The goal is a rate (at least 99 of 100 with retries), not a time.
//
//   bench_save_under_loss [RUNS]      (100 by default)
#include "CtlCommand.h"
#include "SimServer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct LossyLink {
    const char* name;
    std::vector<std::string> options;
};

// The file without the time it was made, which every save writes anew.
std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto at = text.find("DateTimeGenerated=");
    if (at != std::string::npos)
        text.erase(at, text.find('\n', at) - at);
    return text;
}

int save(const LossyLink& link, const std::string& retries, const std::filesystem::path& file)
{
    std::vector<std::string> args{"qlx700ctl", "--retries", retries};
    args.insert(args.end(), link.options.begin(), link.options.end());
    args.insert(args.end(), {"--model", "T", "--password", "QWKZ", "save", file.string()});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    std::ostringstream out;
    std::ostringstream err;
    std::filesystem::remove(file);
    return runCtl(static_cast<int>(argv.size()), argv.data(), out, err);
}

struct Tally {
    int good = 0;
    int failed = 0;
    int different = 0;
    std::vector<double> seconds;
};

Tally measureSaves(qlxsim::SimServer& sim, const LossyLink& link, const std::string& retries, int runs,
              const std::filesystem::path& folder)
{
    sim.setFaults("");
    const auto reference = folder / "reference.conf";
    if (save(link, "0", reference) != 0) {
        std::fprintf(stderr, "%s: the fault-free save failed\n", link.name);
        std::exit(1);
    }
    const std::string expected = readAll(reference);
    sim.setFaults("drop=0.02");
    Tally tally;
    const auto file = folder / "lossy.conf";
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const int status = save(link, retries, file);
        tally.seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (status != 0)
            ++tally.failed;
        else if (readAll(file) != expected)
            ++tally.different;
        else
            ++tally.good;
    }
    return tally;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const auto folder = std::filesystem::temp_directory_path() / ("qlx700-loss-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ::setenv("QLX700_DATA_DIR", folder.c_str(), 1);

    auto sim = qlxsim::SimServer::start({.model = "T", .seed = 7}, {.serial = true, .udp = true, .tcp = true});
    const std::vector<LossyLink> links{
        {"serial", {"--serial", sim->serialPath()}},
        {"udp", {"--udp", "127.0.0.1:" + std::to_string(sim->udpPort())}},
        {"tcp", {"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())}},
    };
    std::printf("%-7s %-8s %5s %5s %7s %9s %9s %9s\n", "link", "retries", "runs", "good", "rate", "failed",
                "differ", "median s");
    std::fflush(stdout);
    for (const char* retries : {"2", "0"}) {
        for (const LossyLink& link : links) {
            Tally t = measureSaves(*sim, link, retries, runs, folder);
            std::sort(t.seconds.begin(), t.seconds.end());
            std::printf("%-7s %-8s %5d %5d %6.1f%% %9d %9d %9.2f\n", link.name, retries, runs, t.good,
                        100.0 * t.good / runs, t.failed, t.different, t.seconds[t.seconds.size() / 2]);
            std::fflush(stdout);
        }
    }
    std::filesystem::remove_all(folder);
    return 0;
}
