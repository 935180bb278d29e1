// qlx700-sim: a simulated QLX700 device on a pseudo-terminal, UDP and TCP.
#include "SimOptions.h"
#include "SimServer.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

const char* const kTryHelp = "Try 'qlx700-sim --help'.\n";

} // namespace

int main(int argc, char** argv)
{
    qlxsim::SimOptions options;
    try {
        options = qlxsim::SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::cerr << "qlx700-sim: " << e.what() << "\n" << kTryHelp;
        return 2;
    }
    if (options.help) {
        std::cout << qlxsim::SimOptions::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "qlx700-sim " << QLX700_VERSION_TEXT << "\n";
        return 0;
    }

    // Block the stop signals before any thread starts, then wait for one here.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // --count devices differ in their serial numbers, counting up from the model's own.
    std::vector<std::unique_ptr<qlxsim::SimServer>> sims;
    try {
        for (int i = 0; i < options.count; ++i) {
            sims.push_back(qlxsim::SimServer::start(options.config, options.transportsOf(i)));
            if (i > 0) {
                const auto& first = *sims.front();
                const std::uint32_t serial = (static_cast<std::uint32_t>(first.reg(2502)) << 16) + first.reg(2501)
                    + static_cast<std::uint32_t>(i);
                sims.back()->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
                sims.back()->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
            }
        }
    } catch (const std::invalid_argument& e) {
        std::cerr << "qlx700-sim: " << e.what() << "\n" << kTryHelp;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "qlx700-sim: " << e.what() << "\n";
        return 1;
    }
    auto host = [](const std::string& endpoint) { return endpoint.substr(0, endpoint.rfind(':')); };
    for (std::size_t i = 0; i < sims.size(); ++i) {
        const qlxsim::SimServer& sim = *sims[i];
        const qlxsim::SimTransports t = options.transportsOf(static_cast<int>(i));
        if (t.serial)
            std::cout << "listening serial " << (t.serialLink.empty() ? sim.serialPath() : t.serialLink) << "\n";
        if (t.udp)
            std::cout << "listening udp " << host(t.udpEndpoint) << ":" << sim.udpPort() << "\n";
        if (t.tcp)
            std::cout << "listening tcp " << host(t.tcpEndpoint) << ":" << sim.tcpPort() << "\n";
    }
    std::cout.flush();

    int signal = 0;
    sigwait(&stopSignals, &signal);
    for (const auto& sim : sims)
        sim->stop();
    return 0;
}
