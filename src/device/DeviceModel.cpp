#include "device/DeviceModel.h"

#include "device/DeviceType.h"

#include <array>

namespace {

constexpr std::array<std::string_view, kDeviceTypeCount> kNames{"QLX700-T", "QLX700-P", "QLX700-R", "QLX700-IRR", "QLX700-C"};
constexpr std::array<std::string_view, kDeviceTypeCount> kShort{"T", "P", "R", "IRR", "C"};

} // namespace

std::string_view modelName(int deviceType)
{
    return deviceType >= 0 && deviceType < kDeviceTypeCount ? kNames[static_cast<std::size_t>(deviceType)] : "?";
}

std::string_view modelShortName(int deviceType)
{
    return deviceType >= 0 && deviceType < kDeviceTypeCount ? kShort[static_cast<std::size_t>(deviceType)] : "?";
}

std::optional<int> deviceTypeFromShortName(std::string_view name)
{
    for (int t = 0; t < kDeviceTypeCount; ++t) {
        const std::string_view s = kShort[static_cast<std::size_t>(t)];
        if (s.size() == name.size()) {
            bool same = true;
            for (std::size_t i = 0; i < s.size(); ++i)
                same = same && (s[i] == name[i] || s[i] == (name[i] & ~0x20));
            if (same)
                return t;
        }
    }
    return std::nullopt;
}

std::optional<int> deviceTypeFromSignature(int signature)
{
    switch (signature) {
    case kSignatureT:
    case kSignatureTMembrane: return kQLX700T;
    case kSignatureP: return kQLX700P;
    case kSignatureR: return kQLX700R;
    case kSignatureIRR: return kQLX700IRR;
    case kSignatureC: return kQLX700C;
    default: return std::nullopt;
    }
}

bool signatureMatches(int deviceType, int signature)
{
    const auto type = deviceTypeFromSignature(signature);
    return type && *type == deviceType;
}

std::string signatureModelName(int signature)
{
    if (signature == kSignatureTMembrane)
        return "membrane-variant QLX700-T";
    const auto type = deviceTypeFromSignature(signature);
    return type ? std::string(modelName(*type)) : std::string();
}
