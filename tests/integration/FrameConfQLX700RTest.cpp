// The regulator configuration page against the simulated regulator.
#include "PageLinkFixture.h"
#include "screens/regulator/FrameConfQLX700RF.h"
#include "screens/regulator/RegulatorControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FrameConfQLX700R : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void SetUp() override
    {
        open("R", GetParam());
        frame.AtivarFrame(comm, 0);
    }
    std::size_t control(const std::string& name) const
    {
        const auto& cs = regulatorControls();
        for (std::size_t i = 0; i < cs.size(); ++i) {
            if (cs[i].name == name)
                return i;
        }
        throw std::invalid_argument(name);
    }
    const std::string& text(const std::string& name) const { return frame.controls().values()[control(name)].text; }
    // Types into one edit and leaves it.
    void type(const std::string& name, const std::string& value)
    {
        frame.setText(control(name), value);
        frame.editExit();
    }

    TFrameConfQLX700R frame{ui, pump};
};

std::string linkName(const ::testing::TestParamInfo<PageLinkFixture::Link>& info)
{
    return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Serial";
}

} // namespace

TEST_P(FrameConfQLX700R, OpeningReadsTheSettingsAndShowsThem)
{
    for (int reg : {201, 205, 401, 405, 501, 503, 701, 708})
        EXPECT_TRUE(comm.received(reg)) << reg;
    EXPECT_EQ(text("edUR"), "0.0") << "250 is 0 V";
    EXPECT_EQ(text("edRelacaoTP"), std::to_string(sim->reg(403)));
    EXPECT_EQ(text("edCorrenteNominal"), "5.0");
    EXPECT_EQ(frame.controls().values()[control("rgTipoLdc")].selected, 0);
    EXPECT_EQ(frame.controls().values()[control("rgDesligaMedida")].selected, 0);
}

TEST_P(FrameConfQLX700R, DecimalFieldsRoundAndRefuseOutsideTheirRange)
{
    struct Case {
        const char* field;
        const char* typed;
        int reg;
        int written; // -1: refused, the register keeps its value
    };
    for (const Case& c : {Case{"edUR", "-2,5", 202, 225}, Case{"edUR", "25.04", 202, 500}, Case{"edUR", "25.05", 202, -1},
                          Case{"edZ", "0", 204, 0}, Case{"edZ", "-0.05", 204, -1}, Case{"edZ", "2.25", 204, 22},
                          Case{"edCorrenteNominal", "0.1", 405, 1}, Case{"edCorrenteNominal", "10.04", 405, 100},
                          Case{"edRelacaoTP", "0", 403, -1}, Case{"edRelacaoTP", "12.5", 403, -1},
                          Case{"edPosMax", "50", 706, 50}}) {
        ui.messages.clear();
        const int before = sim->reg(static_cast<std::uint16_t>(c.reg));
        type(c.field, c.typed);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.written < 0 ? before : c.written)
            << c.field << " " << c.typed;
        EXPECT_EQ(ui.messages.size(), c.written < 0 ? 1u : 0u) << c.field << " " << c.typed;
    }
    // The page shows what the device holds.
    EXPECT_EQ(text("edUR"), "25.0");
    EXPECT_EQ(text("edCorrenteNominal"), "10.0");
}

TEST_P(FrameConfQLX700R, InvalidFieldsGiveOneMessageEachInTableOrderAndTheValidOnesAreWritten)
{
    frame.setText(control("edRelacaoTC"), "0");
    frame.setText(control("edUX"), "30");
    frame.setText(control("edSubtensao"), "42");
    frame.editExit();
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor Ux inválido. Deve ser um valor entre -25.0 e 25.0.",
                                                           "Relação TC inválida. Deve ser um inteiro entre 1 e 9999."}));
    EXPECT_EQ(sim->reg(501), 42);
    EXPECT_EQ(pump.pauses.back().count(), 300);
    // The refused fields show the device's values again.
    EXPECT_EQ(text("edUX"), "0.0");
    EXPECT_EQ(text("edRelacaoTC"), std::to_string(sim->reg(404)));
}

TEST_P(FrameConfQLX700R, AnUnchangedPageSendsNothing)
{
    const std::uint64_t before = sim->writeCount();
    frame.editExit();
    frame.radioClick(control("rgTipoLdc"), 0);
    EXPECT_EQ(sim->writeCount(), before);
    EXPECT_TRUE(ui.messages.empty());

    frame.radioClick(control("rgTipoConexao"), 2);
    EXPECT_EQ(sim->reg(402), 2);
}

TEST_P(FrameConfQLX700R, ARefusedWriteIsReported)
{
    sim->setFaults(refusal());
    type("edMaxComp", "7");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(205), 20);
    sim->setFaults("");
    frame.AtualizarTela();
    EXPECT_EQ(text("edMaxComp"), "20");
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfQLX700R,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp), linkName);
