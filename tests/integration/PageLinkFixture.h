#pragma once

#include "../unit/AppScriptedUi.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceModel.h"
#include "support/RecordingPump.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

// A page's logic on a scripted Ui, on a link to a simulated device of the model
// opened the way a general page leaves it: over the serial-port button, the USB
// button (the same port, but the device's serial settings stay editable) or TCP.
class PageLinkFixture {
public:
    enum class Link { SerialButton, UsbButton, Tcp };

    // The name of a parameterised test's link: Serial, Usb or Tcp.
    static std::string linkName(const ::testing::TestParamInfo<Link>& info)
    {
        switch (info.param) {
        case Link::SerialButton: return "Serial";
        case Link::UsbButton: return "Usb";
        case Link::Tcp: return "Tcp";
        }
        return "Link";
    }

    void open(const std::string& model, Link link)
    {
        const bool tcp = link == Link::Tcp;
        sim = qlxsim::SimServer::start({.model = model}, {.serial = !tcp, .tcp = tcp});
        comm.setDeviceType(deviceTypeFromShortName(model).value());
        if (tcp) {
            if (!comm.openTcp("127.0.0.1", "", sim->tcpPort()))
                throw std::runtime_error("no TCP link");
            pump.runUntil([this] { return comm.connected() || comm.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
        } else {
            comm.openSerial(sim->serialPath(), {}, link == Link::SerialButton);
        }
        if (!comm.connected())
            throw std::runtime_error("no link to the simulated " + model);
    }

    // A device that refuses writes: over the serial line one that answers but does
    // not keep the value (the read-back finds the old one); over TCP one that answers
    // writes with an error status.
    std::string refusal() const { return comm.asynchronous() ? "exception=4" : "ignore-writes"; }

    ScriptedUi ui;
    RecordingPump pump;
    DeviceLink comm{pump};
    std::unique_ptr<qlxsim::SimServer> sim;
};
