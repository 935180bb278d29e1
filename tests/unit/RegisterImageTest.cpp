#include "device/DeviceType.h"
#include "device/RegisterImage.h"

#include <gtest/gtest.h>

TEST(RegisterImage, RegulatorSetsOfTheR)
{
    RegisterImage img;
    img.setDeviceType(kQLX700R);
    img.storeRegisterValue(45, 33);  // set 2, parameter 5: the raise time
    img.storeRegisterValue(52, 77);  // 52 mod 20 = 12: unused
    img.storeRegisterValue(165, 9);  // set 8 does not exist
    img.storeRegisterValue(1, 1150); // set 0, the nominal voltage
    EXPECT_EQ(img.regulatorSet(2, 5), 33);
    EXPECT_EQ(img.registerValue(52), 0);
    EXPECT_EQ(img.registerValue(165), 0);
    EXPECT_EQ(img.regulatorSet(0, 1), 1150);
    EXPECT_EQ(img.regulatorSet(8, 5), 0);
    EXPECT_EQ(img.regulatorSet(0, 12), 0);
}

TEST(RegisterImage, MultiRegisterValuesAndTexts)
{
    RegisterImage img;
    img.setDeviceType(kQLX700IRR);
    img.storeRegisterValue(1700, 0x0132);
    img.storeRegisterValue(1701, 0xC0A8);
    EXPECT_EQ(img.IpAddr(), 0xC0A80132u);
    EXPECT_EQ(img.registerValue(1701), 0xC0A8);

    img.storeRegisterValue(1720, 0x6261);
    img.storeRegisterValue(1721, 0x0063);
    EXPECT_EQ(img.text(reg::common::WifiSsid), "abc");

    img.storeRegisterValue(2501, 0x1170);
    img.storeRegisterValue(2502, 0x8001);
    EXPECT_EQ(img.SerialNumber(), 70000);

    img.storeRegisterValue(1780, 0xFFBF);
    EXPECT_EQ(img.WifiSignal(), -65);
}

TEST(RegisterImage, IrrRecordWindowYieldsAll72Bytes)
{
    RegisterImage img;
    img.setDeviceType(kQLX700IRR);
    for (int r = 4002; r <= 4037; ++r)
        img.storeRegisterValue(r, 0x4100 + (r - 4002)); // low byte 0 at every other place
    const std::string raw = img.rawText(reg::IRR::RecordText);
    ASSERT_EQ(raw.size(), 72u);
    EXPECT_EQ(raw[0], '\0');
    EXPECT_EQ(raw[1], 'A');
    EXPECT_EQ(static_cast<unsigned char>(raw[70]), 35u);
    EXPECT_EQ(img.text(reg::IRR::RecordText), ""); // the text getter stops at the first zero
}

TEST(RegisterImage, GettersOutsideTheirBlock)
{
    RegisterImage img;
    img.setDeviceType(kQLX700T);
    for (int i = 0; i < 10; ++i)
        img.storeRegisterValue(1 + i, 100 + i);
    EXPECT_EQ(img.value(reg::T::SetPointRTD, 9), 109);
    EXPECT_EQ(img.value(reg::T::SetPointRTD, 10), 0);
    EXPECT_EQ(img.value(reg::T::SetPointRTD, -1), 0);
    img.storeRegisterValue(1600, 'Q');
    EXPECT_EQ(img.Password(0), 'Q');
    EXPECT_EQ(img.Password(4), 'A');
    EXPECT_EQ(img.Password(-1), 'A');
    img.storeRegisterValue(3999, 5); // unmapped on the T
    EXPECT_EQ(img.registerValue(3999), 0);
    img.storeRegisterValue(70000, 5);
    EXPECT_EQ(img.registerValue(70000), 0);
}

TEST(RegisterImage, PClearsTheWireOffset)
{
    RegisterImage img;
    img.setDeviceType(kQLX700P);
    img.storeRegisterValue(0x8001, 7);
    EXPECT_EQ(img.value(reg::P::BusAddress, 0), 7);
    EXPECT_EQ(img.registerValue(1), 7);
    EXPECT_EQ(img.registerValue(0x8001), 7);
}

TEST(RegisterImage, EachModelMapsSharedNumbersToItsOwnFields)
{
    RegisterImage img;
    img.setDeviceType(kQLX700T);
    img.storeRegisterValue(601, 1);     // relay 1
    img.storeRegisterValue(1720, 1234); // maxima time stamp, not Wi-Fi
    img.setDeviceType(kQLX700R);
    img.storeRegisterValue(601, 14);    // clock hour
    EXPECT_EQ(img.Clock(0), 14);
    EXPECT_EQ(img.value(reg::T::RelayStates, 0), 1);
    EXPECT_EQ(img.value(reg::T::MaximaTimestamps, 10), 1234);
    EXPECT_EQ(img.value(reg::common::WifiSsid, 0), 0);

    img.setDeviceType(kQLX700P);
    img.storeRegisterValue(0x8000 + 601, 1); // relay 1 of the P
    img.storeRegisterValue(0x8000 + 401, 9); // clock hour of the P
    EXPECT_EQ(img.value(reg::P::RelayStates, 0), 1);
    EXPECT_EQ(img.Clock(0), 9);

    // The C shares the position fields of the R but has its own 707.
    img.setDeviceType(kQLX700R);
    img.storeRegisterValue(707, 1);
    img.storeRegisterValue(702, 33);
    img.setDeviceType(kQLX700C);
    img.storeRegisterValue(707, 2);
    EXPECT_EQ(img.registerValue(702), 33);
    EXPECT_EQ(img.value(reg::C::ReadingMode), 2);
    EXPECT_EQ(img.value(reg::R::PositionReadingOff), 1);
}

TEST(RegisterImage, ClearForgetsEverything)
{
    RegisterImage img;
    img.setDeviceType(kQLX700T);
    img.storeRegisterValue(1600, 'Q');
    img.storeRegisterValue(201, 2);
    img.clear();
    EXPECT_EQ(img.registerValue(1600), 0);
    EXPECT_EQ(img.registerValue(201), 0);
}
