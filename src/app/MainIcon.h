#pragma once

#include <array>
#include <cstddef>

// The page icons of the left column (images) and their captions (labels). The two
// current output images share one label.
enum class MainImage : int {
    ConfGerais,
    ConfSetPoint,
    ConfParalelismo,
    ConfConjuntoReg,
    ConfSerial,
    ConfSaidaCorrente,
    ConfSaidaCorrente2,
    Download,
    ConfEquip,
    Calibracao,
};
constexpr int kMainImageCount = 10;

enum class MainLabel : int {
    Geral,
    SetPoint,
    Paralelismo,
    ConjuntoReg,
    Serial,
    ConfSaida,
    Download,
    ConfEquip,
    Calibracao,
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
    int page;
    int slot; // 0-based starting slot
};
constexpr std::array<MainImageInfo, kMainImageCount> kMainImages{{
    {MainLabel::Geral, 0, 0},
    {MainLabel::SetPoint, 1, 1},
    {MainLabel::Paralelismo, 6, 1},
    {MainLabel::ConjuntoReg, 8, 1},
    {MainLabel::Serial, 2, 2},
    {MainLabel::ConfSaida, 3, 3},
    {MainLabel::ConfSaida, 3, 3},
    {MainLabel::Download, 4, 4},
    {MainLabel::ConfEquip, 7, 4},
    {MainLabel::Calibracao, 5, 5},
}};

constexpr const MainImageInfo& imageInfo(MainImage image)
{
    return kMainImages[static_cast<std::size_t>(image)];
}
