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
    // Times a read that got no answer, or a damaged one, is sent again (--retries).
    int retries = 2;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> arguments;
    int count = 0; // monitor --count
    int giveUp = 60; // monitor --give-up, seconds
    bool strict = false; // load --strict
    bool reset = false;  // maxima --reset
    std::string outDir;  // fleet save --out
    int jobs = 16;       // fleet --jobs
};

// Parses argv[1..]; on a usage error returns nullopt and sets `error`.
std::optional<CtlOptions> parseCtlOptions(const std::vector<std::string>& args, std::string& error);

// "8N1", "8E1", "8O1" or "8N2" into `s`; false for anything else.
bool parseFormat(const std::string& text, SerialLinkSettings& s);
// "HOST" or "HOST:PORT" into o.host and o.port; false for an empty host or a bad port.
bool parseHostPort(const std::string& text, CtlOptions& o);

// Parses a whole decimal number within [low, high]; leading zeros are decimal, never
// octal. With `hexAllowed` a 0x-prefixed hexadecimal number is taken too (register
// numbers and values, where device documents use it).
std::optional<long> parseNumber(const std::string& text, long low, long high, bool hexAllowed = false);
