// The membrane variant: the fault test form opened from the general frame.
#include "FrameConfGeralFixture.h"
#include "settings/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

class FrameConfGeralMembrane : public ::testing::Test, public FrameConfGeralFixture {
protected:
    void SetUp() override
    {
        startSim("T-membrane");
        typePassword("QWKZ");
        ASSERT_TRUE(connectSerial());
        ASSERT_TRUE(frame.state().BitBtn1Visible);
        frame.setTimerEnabled(true);
    }
    // Opens the form from the frame and runs `steps` while it is shown.
    void withForm(const std::function<void(TFormDetectFalhaParam&)>& steps)
    {
        bool shown = false;
        ui.detectFalha = [&](TFormDetectFalhaParam& form) {
            shown = true;
            EXPECT_FALSE(frame.timerEnabled());
            steps(form);
        };
        frame.BitBtn1Click();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(frame.timerEnabled());
    }
};

} // namespace

TEST_F(FrameConfGeralMembrane, ParametersGoAsOneClampedBlock)
{
    withForm([&](TFormDetectFalhaParam& form) {
        EXPECT_EQ(form.valores()[0], "12.0"); // 10 periods of 1.2 s
        EXPECT_EQ(form.valores()[6], "1.5");
        const char* typed[] = {"30", "1500", "-5", "10", "2000", "7", "12.34"};
        for (int row = 1; row <= 7; ++row)
            form.setValor(row, typed[row - 1]);
        form.bbEnviaClick();
        const int expected[] = {25, 1200, 0, 8, 1440, 7, 123};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(1202 + i)), expected[i]) << "row " << i + 1;

        form.setValor(7, "250");
        form.bbEnviaClick();
        EXPECT_EQ(sim->reg(1208), 2000);

        const std::uint64_t before = sim->requestCount();
        form.setValor(3, "abc");
        form.bbEnviaClick();
        EXPECT_EQ(sim->requestCount(), before);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Valor inválido: abc"});
    });
}

TEST_F(FrameConfGeralMembrane, TickShowsAndRecordsTheTest)
{
    files.answer = folder / "rec.txt";
    withForm([&](TFormDetectFalhaParam& form) {
        sim->setReg(1209, 4);
        sim->setReg(1210, 0x0000);
        sim->setReg(1211, 0x7FC0); // NaN
        sim->setReg(510, 1750);
        form.sbSalvarClick(true);
        ASSERT_TRUE(form.recording());
        form.timerUpdate();
        EXPECT_EQ(form.pnEstado(), "Estado:  Medição");
        EXPECT_EQ(form.pnResult(), "Result:  0.00000");
        EXPECT_EQ(form.pnMedida(), "Medida Atual:  25.0");

        sim->setReg(1209, 5);
        sim->setReg(1211, 0x3F40); // 0.75
        form.timerUpdate();
        form.timerUpdate();
        const std::vector<std::string> expected{"Estado:  Medição",     "Medida Atual:  25.0", "Estado:  Tempo Morto",
                                                "Result:  0.75000",     "Medida Atual:  25.0", "Medida Atual:  25.0"};
        EXPECT_EQ(form.lines(), expected);
        std::string text;
        for (const std::string& line : expected)
            text += line + "\r\n";
        // Windows-1252, as every text file of the tool: "Medição" is one byte a letter.
        EXPECT_EQ(TempFolder::read(folder / "rec.txt"), utf8ToCp1252(text));
        EXPECT_NE(TempFolder::read(folder / "rec.txt").find("Medi\xE7\xE3o"), std::string::npos);
    });
    EXPECT_EQ(settings.record().DetectFalhaSave, (folder / "rec.txt").string());
}

TEST_F(FrameConfGeralMembrane, ATickFiringInsideATickIsSkipped)
{
    files.answer = folder / "rec.txt";
    withForm([&](TFormDetectFalhaParam& form) {
        sim->setReg(1209, 2);
        form.sbSalvarClick(true);
        pump.duringWait = [&] { form.timerUpdate(); };
        form.timerUpdate();
        EXPECT_FALSE(pump.duringWait);
        const std::vector<std::string> expected{"Estado:  Estímulo", form.pnMedida()};
        EXPECT_EQ(form.lines(), expected);
    });
}

TEST_F(FrameConfGeralMembrane, RecordingStopsAtTheFirstWriteFailure)
{
    files.answer = folder / "missing" / "rec.txt";
    withForm([&](TFormDetectFalhaParam& form) {
        form.sbSalvarClick(true);
        form.timerUpdate();
        EXPECT_FALSE(form.recording());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text.rfind("A gravação foi interrompida: ", 0), 0u);
        form.timerUpdate();
        EXPECT_EQ(ui.messages.size(), 1u);
    });
}
