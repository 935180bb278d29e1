// The membrane variant: the fault detection window opened from the general page.
#include "ThermalGeneralPageFixture.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "settings/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

class ThermalGeneralPageMembrane : public ::testing::Test, public ThermalGeneralPageFixture {
protected:
    void SetUp() override
    {
        startSim("T-membrane");
        ASSERT_TRUE(connect());
        ASSERT_TRUE(page.state().membraneTestVisible);
        page.setTimerEnabled(true);
    }
    // Opens the window from the page and runs `steps` while it is shown.
    void whileWindowShown(const std::function<void(FaultDetectionWindow&)>& steps)
    {
        bool shown = false;
        ui.faultDetectionWindow = [&](FaultDetectionWindow& window) {
            shown = true;
            EXPECT_FALSE(page.timerEnabled());
            steps(window);
        };
        page.membraneTestClicked();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(page.timerEnabled());
    }
};

} // namespace

TEST_F(ThermalGeneralPageMembrane, ParametersGoAsOneClampedBlock)
{
    whileWindowShown([&](FaultDetectionWindow& window) {
        EXPECT_EQ(window.values()[0], "12.0"); // 10 periods of 1.2 s
        EXPECT_EQ(window.values()[6], "1.5");
        const char* typed[] = {"30", "1500", "-5", "10", "2000", "7", "12.34"};
        for (int row = 1; row <= 7; ++row)
            window.setValue(row, typed[row - 1]);
        window.sendClicked();
        const int expected[] = {25, 1200, 0, 8, 1440, 7, 123};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(1202 + i)), expected[i]) << "row " << i + 1;

        window.setValue(7, "250");
        window.sendClicked();
        EXPECT_EQ(sim->reg(1208), 2000);

        const std::uint64_t before = sim->requestCount();
        window.setValue(3, "abc");
        window.sendClicked();
        EXPECT_EQ(sim->requestCount(), before);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Valor inválido: abc"});
    });
}

TEST_F(ThermalGeneralPageMembrane, TickShowsAndRecordsTheTest)
{
    files.answer = folder / "rec.txt";
    whileWindowShown([&](FaultDetectionWindow& window) {
        sim->setReg(1209, 4);
        sim->setReg(1210, 0x0000);
        sim->setReg(1211, 0x7FC0); // NaN
        sim->setReg(510, 1750);
        window.recordingToggled(true);
        ASSERT_TRUE(window.recording());
        window.tick();
        EXPECT_EQ(window.stateText(), "Estado:  Medição");
        EXPECT_EQ(window.resultText(), "Result:  0.00000");
        EXPECT_EQ(window.measurementText(), "Medida Atual:  25.0");

        sim->setReg(1209, 5);
        sim->setReg(1211, 0x3F40); // 0.75
        window.tick();
        window.tick();
        const std::vector<std::string> expected{"Estado:  Medição",     "Medida Atual:  25.0", "Estado:  Tempo Morto",
                                                "Result:  0.75000",     "Medida Atual:  25.0", "Medida Atual:  25.0"};
        EXPECT_EQ(window.lines(), expected);
        std::string text;
        for (const std::string& line : expected)
            text += line + "\r\n";
        // Windows-1252, as every text file of the tool: "Medição" is one byte a letter.
        EXPECT_EQ(TempFolder::read(folder / "rec.txt"), utf8ToCp1252(text));
        EXPECT_NE(TempFolder::read(folder / "rec.txt").find("Medi\xE7\xE3o"), std::string::npos);
    });
    EXPECT_EQ(settings.record().LastFaultDetectionPath, (folder / "rec.txt").string());
}

TEST_F(ThermalGeneralPageMembrane, ATickFiringInsideATickIsSkipped)
{
    files.answer = folder / "rec.txt";
    whileWindowShown([&](FaultDetectionWindow& window) {
        sim->setReg(1209, 2);
        window.recordingToggled(true);
        pump.duringWait = [&] { window.tick(); };
        window.tick();
        EXPECT_FALSE(pump.duringWait);
        const std::vector<std::string> expected{"Estado:  Estímulo", window.measurementText()};
        EXPECT_EQ(window.lines(), expected);
    });
}

TEST_F(ThermalGeneralPageMembrane, RecordingStopsAtTheFirstWriteFailure)
{
    files.answer = folder / "missing" / "rec.txt";
    whileWindowShown([&](FaultDetectionWindow& window) {
        window.recordingToggled(true);
        window.tick();
        EXPECT_FALSE(window.recording());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text.rfind("A gravação foi interrompida: ", 0), 0u);
        window.tick();
        EXPECT_EQ(ui.messages.size(), 1u);
    });
}
