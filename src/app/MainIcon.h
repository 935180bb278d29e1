#pragma once

#include <array>
#include <cstddef>

// The page icons of the left column (images) and their captions (labels). The two
// current output images share one label.
enum class MainImage : int {
    General,
    SetPoints,
    Parallelism,
    RegulatorSets,
    SerialPorts,
    CurrentOutputs,
    OptionalCurrentOutputs,
    Events,
    DeviceSettings,
    Calibration,
};
constexpr int kMainImageCount = 10;

enum class MainLabel : int {
    General,
    SetPoints,
    Parallelism,
    RegulatorSets,
    SerialPorts,
    CurrentOutputs,
    Events,
    DeviceSettings,
    Calibration,
};
constexpr int kMainLabelCount = 9;

// Tops of an icon slot: the image and its label under it.
struct IconSlot {
    int imageTop;
    int labelTop;
};
constexpr std::array<IconSlot, 6> kIconSlots{{{12, 80}, {110, 176}, {208, 275}, {306, 373}, {404, 466}, {502, 572}}};

// The label and page of each image.
struct MainImageInfo {
    MainLabel label;
    int pageNumber;
    int slot; // 0-based starting slot
};
constexpr std::array<MainImageInfo, kMainImageCount> kMainImages{{
    {MainLabel::General, 0, 0},
    {MainLabel::SetPoints, 1, 1},
    {MainLabel::Parallelism, 6, 1},
    {MainLabel::RegulatorSets, 8, 1},
    {MainLabel::SerialPorts, 2, 2},
    {MainLabel::CurrentOutputs, 3, 3},
    {MainLabel::CurrentOutputs, 3, 3},
    {MainLabel::Events, 4, 4},
    {MainLabel::DeviceSettings, 7, 4},
    {MainLabel::Calibration, 5, 5},
}};

constexpr const MainImageInfo& imageInfo(MainImage image)
{
    return kMainImages[static_cast<std::size_t>(image)];
}
