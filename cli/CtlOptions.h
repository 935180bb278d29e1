#pragma once

#include "link/SerialLinkSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the command line asked for.
struct CtlOptions {
    enum class Link { None, Serial, Udp, Tcp };
    Link link = Link::None;
    std::string serialPath;
    SerialLinkSettings serial;
    int address = 1;
    std::string host;
    std::uint16_t port = 43101;
    std::string localAddress;
    std::optional<int> model;
    std::optional<std::string> password;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;
    int count = 0; // monitor --count
};

// Parses argv[1..]; on a usage error returns nullopt and sets `error`.
std::optional<CtlOptions> parseCtlOptions(const std::vector<std::string>& args, std::string& error);

// Parses a whole decimal or 0x-prefixed number within [low, high].
std::optional<long> parseNumber(const std::string& text, long low, long high);
