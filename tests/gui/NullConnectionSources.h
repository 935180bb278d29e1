#pragma once

#include "app/ConnectionSources.h"

// Connection sources with nothing in them: no serial ports, no local addresses, no
// names to resolve (demo devices can still be added).
class NullConnectionSources {
public:
    ConnectionSources sources{ports_, addresses_, resolver_};

private:
    class NoPorts final : public SerialPortSource {
    public:
        std::vector<SerialPortEntry> ports() override { return {}; }
    };
    class NoAddresses final : public LocalAddressSource {
    public:
        std::vector<std::string> addresses() override { return {}; }
    };
    class NoResolver final : public HostResolver {
    public:
        HostResolution resolve(const std::string&, int) override { return {}; }
    };
    NoPorts ports_;
    NoAddresses addresses_;
    NoResolver resolver_;
};
