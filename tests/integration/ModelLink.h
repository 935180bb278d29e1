#pragma once

#include "device/DeviceModel.h"
#include "device/DeviceType.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The parameter of the tests that run once per model and link: the device type, over
// TCP or over the serial line.
struct ModelLink {
    int type;
    bool tcp;
};

inline std::string modelLinkName(const ::testing::TestParamInfo<ModelLink>& info)
{
    return std::string(modelShortName(info.param.type)) + (info.param.tcp ? "_Tcp" : "_Serial");
}

// Every model over the serial line, then every model over TCP.
inline auto everyModelAndLink()
{
    std::vector<ModelLink> all;
    for (bool tcp : {false, true})
        for (int type : {kQLX700T, kQLX700P, kQLX700R, kQLX700IRR, kQLX700C})
            all.push_back({type, tcp});
    return ::testing::ValuesIn(all);
}
