#pragma once

#include <optional>
#include <string>
#include <string_view>

// Names and signatures of the five models.
std::string_view modelName(int deviceType);            // "QLX700-T" ...
std::string_view modelShortName(int deviceType);       // "T", "P", "R", "IRR", "C"
std::optional<int> deviceTypeFromShortName(std::string_view name);
// The device type a signature (register 2002) identifies; nullopt for none.
std::optional<int> deviceTypeFromSignature(int signature);
// The model a signature names, the membrane variant told apart ("membrane-variant
// QLX700-T"); empty for no known model.
std::string signatureModelName(int signature);
// True when the signature belongs to the device type (the T accepts its membrane variant).
bool signatureMatches(int deviceType, int signature);
