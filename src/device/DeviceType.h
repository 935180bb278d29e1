#pragma once

// The device type selects the register map, the screens, the file layout and the
// settings keys.
enum DeviceType : int {
    kQLX700T = 0,
    kQLX700P = 1,
    kQLX700R = 2,
    kQLX700IRR = 3,
    kQLX700C = 4,
};

constexpr int kDeviceTypeCount = 5;

// Values of register 2002 that identify each model.
enum : int {
    kSignatureT = 23847,
    kSignatureTMembrane = 15012,
    kSignatureP = 10146,
    kSignatureR = 58202,
    kSignatureIRR = 15226,
    kSignatureC = 18447,
};
