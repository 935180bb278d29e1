#include "settings/CalibrationStore.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

void expectDefaults(const CalibrationCurve& c)
{
    EXPECT_EQ(c.Gain, 1.0f);
    EXPECT_EQ(c.Offset, 0.0f);
    EXPECT_EQ(c.PointCount, 0);
    for (int i = 0; i < CalibrationCurve::kMaxPoints; ++i) {
        EXPECT_EQ(c.X[static_cast<std::size_t>(i)], 0.0f);
        EXPECT_EQ(c.Y[static_cast<std::size_t>(i)], 0.0f);
    }
}

} // namespace

TEST(CalibrationStore, DeviceWithoutFileGetsTheDefaults)
{
    TempFolder tmp;
    CalibrationStore store;
    CalibrationRecord r;
    r.RtdInputs[2].Gain = 5.0f;
    r.Res127 = 1.0f;
    std::string error;
    ASSERT_TRUE(store.load(r, 55, tmp.path(), error));
    EXPECT_EQ(r.SerialNumber, 1);
    EXPECT_EQ(r.Res127, 12700.0f);
    for (const auto* group : {&r.CurrentOutputs, &r.CurrentOutputs1_5mA}) {
        for (const CalibrationCurve& c : *group)
            expectDefaults(c);
    }
    for (const CalibrationCurve& c : r.RtdInputs)
        expectDefaults(c);
    for (const CalibrationCurve& c : r.CurrentInputs)
        expectDefaults(c);
    EXPECT_FALSE(std::filesystem::exists(tmp / "calib55.ini"));
}

TEST(CalibrationStore, CommaFileLoadsItsRealsAndClampsCounts)
{
    TempFolder tmp;
    std::filesystem::copy_file(kFixtures / "calib_comma.ini", tmp / "calib1234.ini");
    CalibrationStore store;
    CalibrationRecord r;
    std::string error;
    ASSERT_TRUE(store.load(r, 1234, tmp.path(), error));
    EXPECT_EQ(r.SerialNumber, 1234);
    EXPECT_EQ(r.Res127, 12704.0f); // a real, rounded
    const CalibrationCurve& out2 = r.CurrentOutputs[1];
    EXPECT_EQ(out2.Gain, 1.0025f);
    EXPECT_EQ(out2.Offset, -0.0125f);
    EXPECT_EQ(out2.PointCount, 3);
    EXPECT_EQ(out2.Y[2], 20.05f);
    EXPECT_EQ(out2.X[39], 7.5f); // pairs beyond the count still load
    expectDefaults(r.CurrentOutputs1_5mA[1]);
    EXPECT_EQ(r.RtdInputs[5].Gain, 0.998f);
    EXPECT_EQ(r.RtdInputs[5].Offset, 0.0015f);
    EXPECT_EQ(r.RtdInputs[5].PointCount, 40);
    EXPECT_EQ(r.CurrentInputs[0].Gain, 1.01f);
    EXPECT_EQ(r.CurrentInputs[0].PointCount, 0);

    // Saved again, every real is written with a point.
    ASSERT_TRUE(store.save(r, 1234, tmp.path(), error)) << error;
    const std::string text = TempFolder::read(tmp / "calib1234.ini");
    EXPECT_EQ(text.find(','), std::string::npos);
    EXPECT_NE(text.find("SaidaCorrenteGanho=1.0025\r\n"), std::string::npos);
    EXPECT_NE(text.find("Res127=12704\r\n"), std::string::npos);
}

TEST(CalibrationStore, Res127ReadsAsARoundedReal)
{
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {{"12700.6", 12701.0f}, {"12700,4", 12700.0f}, {"12698", 12698.0f}, {"12700.5", 12700.0f},
                          {"abc", 12700.0f}, {"", 12700.0f}};
    for (const Case& c : cases) {
        TempFolder tmp;
        TempFolder::write(tmp / "calib1.ini", std::string("[CalibSection]\nRes127=") + c.text + "\n");
        CalibrationStore store;
        CalibrationRecord r;
        std::string error;
        ASSERT_TRUE(store.load(r, 1, tmp.path(), error));
        EXPECT_EQ(r.Res127, c.value) << c.text;
    }
}

TEST(CalibrationStore, SaveWritesEverySectionAndKeyInOrder)
{
    TempFolder tmp;
    CalibrationStore store;
    CalibrationRecord r;
    std::string error;
    ASSERT_TRUE(store.load(r, 3, tmp.path(), error));
    r.RtdInputs[0].X[0] = 100.25f;
    r.RtdInputs[0].Y[39] = -3.5f;
    ASSERT_TRUE(store.save(r, 7, tmp.path(), error)) << error;
    EXPECT_FALSE(std::filesystem::exists(tmp / "calib3.ini"));
    IniFile file(tmp / "calib7.ini");
    ASSERT_TRUE(file.load(error));
    std::vector<std::string> sections{"CalibSection"};
    for (int k = 1; k <= 4; ++k)
        sections.push_back("CalibCorr" + std::to_string(k));
    for (int k = 1; k <= 6; ++k)
        sections.push_back("CalibRTD" + std::to_string(k));
    for (int k = 1; k <= 3; ++k)
        sections.push_back("CalibEntrCorr" + std::to_string(k));
    EXPECT_EQ(file.sectionNames(), sections);
    EXPECT_EQ(file.keys("CalibSection"), (std::vector<std::string>{"NumSerie", "Res127"}));

    std::vector<std::string> rtd{"Ganho", "Offset", "NumPontos"};
    for (int n = 1; n <= 40; ++n) {
        rtd.push_back("X" + std::to_string(n));
        rtd.push_back("Y" + std::to_string(n));
    }
    EXPECT_EQ(file.keys("CalibRTD1"), rtd);
    EXPECT_EQ(file.keys("CalibEntrCorr3"), rtd);
    const auto corr = file.keys("CalibCorr4");
    ASSERT_EQ(corr.size(), 2u * 83u);
    EXPECT_EQ(corr[0], "SaidaCorrenteGanho");
    EXPECT_EQ(corr[2], "SaidaCorrenteNumPontos");
    EXPECT_EQ(corr[3], "SaidaCorrenteX1");
    EXPECT_EQ(corr[82], "SaidaCorrenteY40");
    EXPECT_EQ(corr[83], "SaidaCorrenteGanho0_1");
    EXPECT_EQ(corr[85], "SaidaCorrente0_1NumPontos");
    EXPECT_EQ(corr[86], "SaidaCorrente0_1X1");
    EXPECT_EQ(file.readString("CalibRTD1", "X1", ""), "100.25");
    EXPECT_EQ(file.readString("CalibRTD1", "Y40", ""), "-3.5");
    EXPECT_EQ(file.readString("CalibSection", "Res127", ""), "12700");
}

TEST(CalibrationStore, SavingForAnotherDeviceNeverTouchesTheWrongFile)
{
    TempFolder tmp;
    TempFolder::write(tmp / "calib10.ini", "[CalibRTD1]\nGanho=2\n");
    CalibrationStore store;
    CalibrationRecord r;
    std::string error;
    ASSERT_TRUE(store.load(r, 10, tmp.path(), error)); // Load(A)
    EXPECT_EQ(r.RtdInputs[0].Gain, 2.0f);
    r.RtdInputs[0].Gain = 3.0f;
    ASSERT_TRUE(store.save(r, 20, tmp.path(), error)); // Save(B)
    EXPECT_EQ(store.rememberedSerial(), 20);
    ASSERT_TRUE(store.load(r, 10, tmp.path(), error)); // Load(A) reads A again
    EXPECT_EQ(r.RtdInputs[0].Gain, 2.0f);
    r.RtdInputs[0].Gain = 4.0f;
    ASSERT_TRUE(store.save(r, 10, tmp.path(), error)); // Save(A)

    IniFile a(tmp / "calib10.ini");
    IniFile b(tmp / "calib20.ini");
    ASSERT_TRUE(a.load(error));
    ASSERT_TRUE(b.load(error));
    EXPECT_EQ(a.readString("CalibRTD1", "Ganho", ""), "4");
    EXPECT_EQ(b.readString("CalibRTD1", "Ganho", ""), "3");
}

TEST(CalibrationStore, SaveKeepsForeignKeysAndReportsFailure)
{
    TempFolder tmp;
    TempFolder::write(tmp / "calib5.ini", "[Notes]\nwho=lab\n[CalibRTD1]\nExtra=1\n");
    CalibrationStore store;
    CalibrationRecord r;
    std::string error;
    ASSERT_TRUE(store.save(r, 5, tmp.path(), error));
    IniFile file(tmp / "calib5.ini");
    ASSERT_TRUE(file.load(error));
    EXPECT_EQ(file.readString("Notes", "who", ""), "lab");
    EXPECT_EQ(file.readString("CalibRTD1", "Extra", ""), "1");

    std::filesystem::create_directory(tmp / "calib6.ini");
    error.clear();
    EXPECT_FALSE(store.save(r, 6, tmp.path(), error));
    EXPECT_NE(error.find("calib6.ini"), std::string::npos) << error;
}

TEST(CalibrationStore, ProcessWideRecordUsesTheDataFolder)
{
    std::string error;
    ASSERT_TRUE(LoadCalibration(4242, &error)) << error;
    Calibration().CurrentInputs[2].Offset = 0.25f;
    ASSERT_TRUE(SaveCalibration(4242, &error)) << error;
    IniFile file(std::filesystem::path(std::getenv("QLX700_DATA_DIR")) / "calib4242.ini");
    ASSERT_TRUE(file.load(error));
    EXPECT_EQ(file.readString("CalibEntrCorr3", "Offset", ""), "0.25");
}
