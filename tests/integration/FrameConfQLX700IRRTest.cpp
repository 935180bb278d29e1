// The QLX700-IRR's irrigation settings page against the simulated controller over its
// pseudo-terminal and TCP: what it shows of each cycle, the entry rules, which
// registers a send writes, and what it leaves alone.
#include "PageLinkFixture.h"
#include "screens/irrigation/FrameConfQLX700IRRF.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kErroEnvio = "Erro no envio do comando.";

class FrameConfQLX700IRRTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage()
    {
        open("IRR", GetParam());
        frame.AtivarFrame(comm, 0);
    }
    void type(IrrEdit edit, const std::string& text)
    {
        frame.setEdit(edit, text);
        frame.edInicioHExit();
    }
    const std::string& shown(IrrEdit e) const { return frame.state().edits[static_cast<std::size_t>(e)]; }
    int checked(IrrCheck c) const { return frame.state().checks[static_cast<std::size_t>(c)]; }
    int selected(IrrRadio r) const { return frame.state().radios[static_cast<std::size_t>(r)]; }

    TFrameConfQLX700IRR frame{ui, pump};
};

TEST_P(FrameConfQLX700IRRTest, OpeningShowsEveryFieldOfTheFirstCycle)
{
    open("IRR", GetParam());
    const std::pair<int, int> device[] = {{1, 6 * 60 + 5}, {11, 45},  {21, 0b10101}, {31, 1234}, {32, 1},  {101, 1},
                                          {102, 125},      {103, 60}, {104, 15},     {105, 30},   {106, 7},  {201, 0},
                                          {202, 0},        {203, 25}, {204, 1},      {205, 10},   {206, 500}, {207, 48},
                                          {208, 1},        {209, 1},  {210, 20},     {213, 1},    {214, 0}};
    for (const auto& [reg, value] : device)
        sim->setReg(static_cast<std::uint16_t>(reg), static_cast<std::uint16_t>(value));
    const std::uint64_t before = sim->requestCount();
    frame.AtivarFrame(comm, 0);
    // 1 (5), 11 (5), 21 (5), 31 (2), 101 (6), 201 (10) and the inversions 213 (2): one
    // request each on the serial line, one frame of seven reads over TCP, and no write.
    EXPECT_EQ(sim->requestCount() - before, comm.asynchronous() ? 1u : 7u);
    EXPECT_EQ(sim->writeCount(), 0u);

    const std::pair<IrrEdit, const char*> edits[] = {
        {IrrEdit::InicioH, "06"},           {IrrEdit::InicioM, "05"},           {IrrEdit::Duracao, "45"},
        {IrrEdit::HidrometroMax, "1234"},   {IrrEdit::ManualDuracao, "20"},     {IrrEdit::PressaoFundoEscala, "12.5"},
        {IrrEdit::PressaoMaxima, "6.0"},    {IrrEdit::PressaoMinima, "1.5"},    {IrrEdit::TimerPressaoMaxima, "30"},
        {IrrEdit::TimerPressaoMinima, "7"}, {IrrEdit::HidrometroFator, "2.5"},  {IrrEdit::PluviometroFator, "1.0"},
        {IrrEdit::PluviometroMaximo, "500"}, {IrrEdit::PluviometroPeriodo, "48"}};
    for (const auto& [edit, text] : edits)
        EXPECT_EQ(shown(edit), text) << static_cast<int>(edit);
    const std::pair<IrrCheck, int> checks[] = {
        {IrrCheck::Ramal1, 1},          {IrrCheck::Ramal2, 0},             {IrrCheck::Ramal3, 1},
        {IrrCheck::Ramal4, 0},          {IrrCheck::Ramal5, 1},             {IrrCheck::BloquearConsumo, 1},
        {IrrCheck::HidrometroHabilita, 0}, {IrrCheck::PluviometroHabilita, 1}, {IrrCheck::Pt100Habilita, 1}};
    for (const auto& [check, value] : checks)
        EXPECT_EQ(checked(check), value) << static_cast<int>(check);
    EXPECT_EQ(frame.state().radios, (std::array<int, kIrrRadioCount>{1, 1, 0, 1, 0}));
    EXPECT_EQ(frame.state().cbCiclo, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfQLX700IRRTest, ChoosingACycleShowsItsRegistersWithoutReading)
{
    open("IRR", GetParam());
    for (int c = 0; c < 5; ++c) {
        sim->setReg(static_cast<std::uint16_t>(1 + c), static_cast<std::uint16_t>(60 * (c + 1) + c));
        sim->setReg(static_cast<std::uint16_t>(11 + c), static_cast<std::uint16_t>(10 + c));
        sim->setReg(static_cast<std::uint16_t>(21 + c), static_cast<std::uint16_t>(1 << c));
    }
    frame.AtivarFrame(comm, 0);
    const std::uint64_t requests = sim->requestCount();
    // None selected shows the first cycle; an item past the last shows the last.
    const struct {
        int item;
        int cycle;
        const char* hour;
        const char* minute;
        const char* duration;
        IrrCheck branch;
    } cases[] = {{2, 2, "03", "02", "12", IrrCheck::Ramal3},
                 {-1, 0, "01", "00", "10", IrrCheck::Ramal1},
                 {4, 4, "05", "04", "14", IrrCheck::Ramal5},
                 {7, 4, "05", "04", "14", IrrCheck::Ramal5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        frame.cbCicloSelect(c.item);
        EXPECT_EQ(frame.cycle(), c.cycle);
        EXPECT_EQ(frame.state().cbCiclo, c.cycle);
        EXPECT_EQ(shown(IrrEdit::InicioH), c.hour);
        EXPECT_EQ(shown(IrrEdit::InicioM), c.minute);
        EXPECT_EQ(shown(IrrEdit::Duracao), c.duration);
        for (int b = 0; b < kIrrBranchCount; ++b)
            EXPECT_EQ(checked(static_cast<IrrCheck>(b)), static_cast<IrrCheck>(b) == c.branch ? 1 : 0);
    }
    EXPECT_EQ(sim->requestCount(), requests);
}

TEST_P(FrameConfQLX700IRRTest, TheStartTimeGoesToTheSelectedCycle)
{
    openPage();
    const std::uint16_t first = sim->reg(1);
    frame.cbCicloSelect(2);
    frame.setEdit(IrrEdit::InicioH, "6");
    type(IrrEdit::InicioM, "30");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(sim->reg(3), 390);
    EXPECT_EQ(sim->reg(1), first);
    EXPECT_EQ(shown(IrrEdit::InicioH), "06");
    EXPECT_EQ(shown(IrrEdit::InicioM), "30");
}

TEST_P(FrameConfQLX700IRRTest, AnInvalidEntryIsReportedAndOnlyItsRegisterIsSkipped)
{
    open("IRR", GetParam());
    const std::uint16_t start = 8 * 60 + 15;
    sim->setReg(3, start);
    frame.AtivarFrame(comm, 0);
    frame.cbCicloSelect(2);
    frame.setEdit(IrrEdit::InicioH, "07");
    frame.setEdit(IrrEdit::InicioM, "75");
    frame.setEdit(IrrEdit::Duracao, "90");
    frame.setEdit(IrrEdit::PressaoMaxima, "12");
    type(IrrEdit::PluviometroPeriodo, "72");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor inválido: 75", "Valor inválido: 12"}));
    EXPECT_EQ(sim->reg(3), start);
    EXPECT_EQ(sim->reg(13), 90);
    EXPECT_EQ(sim->reg(207), 72);
    // The refused fields show the device's values again.
    EXPECT_EQ(shown(IrrEdit::InicioH), "08");
    EXPECT_EQ(shown(IrrEdit::InicioM), "15");
    EXPECT_EQ(shown(IrrEdit::PressaoMaxima), "6.0");

    // A wrong hour is the one named, in the page's language.
    ui.messages.clear();
    frame.SetIdioma(1);
    frame.setEdit(IrrEdit::InicioH, "24");
    type(IrrEdit::InicioM, "00");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Invalid value: 24"});
    EXPECT_EQ(sim->reg(3), start);
}

// Reals are tenths typed with a point or a comma, rounded half to even; every bound
// is inclusive. A refused entry leaves the device's value, which the page shows again.
TEST_P(FrameConfQLX700IRRTest, EntriesKeepTheirRulesAndBounds)
{
    openPage();
    const struct {
        IrrEdit edit;
        int reg;
        const char* typed;
        int stored; // -1: refused
    } cases[] = {{IrrEdit::PressaoMaxima, 103, "2,5", 25},          {IrrEdit::PressaoMaxima, 103, "2.5", 25},
                 {IrrEdit::PressaoMaxima, 103, "0.5", -1},          {IrrEdit::PressaoMaxima, 103, "20", -1},
                 {IrrEdit::PressaoFundoEscala, 102, "20", 200},     {IrrEdit::PressaoFundoEscala, 102, "20.01", -1},
                 {IrrEdit::PressaoMinima, 104, "1", 10},            {IrrEdit::PressaoMinima, 104, "10", 100},
                 {IrrEdit::PressaoMinima, 104, "0.99", -1},         {IrrEdit::HidrometroFator, 203, "1.25", 12},
                 {IrrEdit::HidrometroFator, 203, "1.75", 18},       {IrrEdit::PluviometroFator, 205, "nan", -1},
                 {IrrEdit::PluviometroFator, 205, "inf", -1},       {IrrEdit::PluviometroFator, 205, "1e400", -1},
                 {IrrEdit::PluviometroFator, 205, "", -1},          {IrrEdit::PluviometroFator, 205, "2.5.1", -1},
                 {IrrEdit::Duracao, 11, "1440", 1440},              {IrrEdit::Duracao, 11, "1441", -1},
                 {IrrEdit::HidrometroMax, 31, "10000", 10000},      {IrrEdit::HidrometroMax, 31, "-1", -1},
                 {IrrEdit::ManualDuracao, 210, "0", 0},             {IrrEdit::TimerPressaoMinima, 106, "121", -1},
                 {IrrEdit::PluviometroMaximo, 206, "20000", 20000}, {IrrEdit::PluviometroPeriodo, 207, "744", 744},
                 {IrrEdit::PluviometroPeriodo, 207, "7.5", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in " + std::to_string(c.reg));
        sim->setReg(static_cast<std::uint16_t>(c.reg), 77);
        comm.readRegisters(c.reg, 1);
        frame.AtualizarTela();
        const std::string before = shown(c.edit);
        ui.messages.clear();
        type(c.edit, c.typed);
        if (c.stored < 0) {
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string("Valor inválido: ") + c.typed});
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), 77);
            EXPECT_EQ(shown(c.edit), before);
        } else {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.stored);
        }
    }
}

TEST_P(FrameConfQLX700IRRTest, BoxesAndRadioGroupsWriteTheirRegisters)
{
    open("IRR", GetParam());
    sim->setReg(23, 0);
    sim->setReg(213, 0);
    frame.AtivarFrame(comm, 0);
    const std::uint16_t firstCycle = sim->reg(21);
    frame.cbCicloSelect(2);
    frame.checkClick(IrrCheck::Ramal1, true);
    frame.checkClick(IrrCheck::Ramal3, true);
    EXPECT_EQ(sim->reg(23), 5);
    EXPECT_EQ(sim->reg(21), firstCycle);
    EXPECT_EQ(checked(IrrCheck::Ramal3), 1);

    frame.checkClick(IrrCheck::Pt100Habilita, false);
    EXPECT_EQ(sim->reg(208), 0);
    frame.radioClick(IrrRadio::PresencaAgua, 1);
    EXPECT_EQ(sim->reg(213), 1);
    frame.radioClick(IrrRadio::Modo, 0);
    EXPECT_EQ(sim->reg(201), 0);
    EXPECT_EQ(selected(IrrRadio::Modo), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfQLX700IRRTest, ARefusedWriteIsReportedOnceAndTheDevicesValuesComeBack)
{
    openPage();
    const std::uint16_t duration = sim->reg(11);
    const std::uint16_t limit = sim->reg(31);
    sim->setFaults(refusal());
    frame.setEdit(IrrEdit::Duracao, std::to_string(duration + 1));
    frame.setEdit(IrrEdit::HidrometroMax, std::to_string(limit + 1));
    frame.checkClick(IrrCheck::BloquearConsumo, sim->reg(32) == 0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kErroEnvio});
    EXPECT_EQ(sim->reg(11), duration);
    EXPECT_EQ(sim->reg(31), limit);
    EXPECT_EQ(shown(IrrEdit::Duracao), std::to_string(duration));
    EXPECT_EQ(shown(IrrEdit::HidrometroMax), std::to_string(limit));
    EXPECT_EQ(checked(IrrCheck::BloquearConsumo), sim->reg(32));
    // The page waits for the device to settle before it shows it again.
    if (!comm.asynchronous()) {
        EXPECT_EQ(pump.pauses.back(), std::chrono::milliseconds(300));
    }
}

// The last block (over TCP, where the blocks go out as one request, every block) is
// left unanswered when the page opens: its fields show nothing, and a later send
// writes none of them unless the user gives them a value.
TEST_P(FrameConfQLX700IRRTest, RegistersNeverReceivedAreShownEmptyAndNotWritten)
{
    open("IRR", GetParam());
    const std::pair<int, int> device[] = {{201, 0}, {202, 1}, {203, 30}, {204, 1}, {205, 40},
                                          {206, 9}, {207, 8}, {208, 1},  {209, 1}, {210, 20}};
    for (const auto& [reg, value] : device)
        sim->setReg(static_cast<std::uint16_t>(reg), static_cast<std::uint16_t>(value));
    const std::uint16_t others[] = {1, 21, 31, 32, 101, 102, 213, 214};
    std::vector<std::uint16_t> before;
    for (std::uint16_t reg : others)
        before.push_back(sim->reg(reg));
    sim->setFaults(GetParam() == Link::Tcp ? "silent-after=0" : "silent-after=5");
    frame.AtivarFrame(comm, 0);
    sim->setFaults("");
    ASSERT_TRUE(comm.connected());
    for (IrrEdit e : {IrrEdit::ManualDuracao, IrrEdit::HidrometroFator, IrrEdit::PluviometroFator,
                      IrrEdit::PluviometroMaximo, IrrEdit::PluviometroPeriodo})
        EXPECT_EQ(shown(e), "") << static_cast<int>(e);
    for (IrrCheck c : {IrrCheck::HidrometroHabilita, IrrCheck::PluviometroHabilita, IrrCheck::Pt100Habilita})
        EXPECT_EQ(checked(c), FrameConfQLX700IRRState::kUnknown);
    EXPECT_EQ(selected(IrrRadio::Modo), FrameConfQLX700IRRState::kUnknown);
    EXPECT_EQ(selected(IrrRadio::RamosHabilita), FrameConfQLX700IRRState::kUnknown);
    if (!comm.asynchronous()) {
        EXPECT_EQ(shown(IrrEdit::Duracao), std::to_string(sim->reg(11)));
    }

    frame.setEdit(IrrEdit::PluviometroPeriodo, "12");
    type(IrrEdit::Duracao, "99");
    frame.radioClick(IrrRadio::Modo, 1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(sim->reg(11), 99);
    EXPECT_EQ(sim->reg(207), 12);
    EXPECT_EQ(sim->reg(201), 1);
    for (const auto& [reg, value] : device) {
        if (reg != 201 && reg != 207) {
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(reg)), value) << reg;
        }
    }
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(sim->reg(others[i]), before[i]) << others[i];
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfQLX700IRRTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         [](const auto& info) { return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Serial"; });

// Clicks and edits that arrive while the page is being filled on opening send
// nothing: the page shows what the device holds afterwards.
TEST(FrameConfQLX700IRRFilling, ClicksWhileThePageIsFilledSendNothing)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    f.sim->setReg(201, 1);
    TFrameConfQLX700IRR frame{f.ui, f.pump};
    f.pump.duringWait = [&] {
        frame.radioClick(IrrRadio::Modo, 0);
        frame.checkClick(IrrCheck::Pt100Habilita, false);
        frame.cbCicloSelect(3);
        frame.setEdit(IrrEdit::Duracao, "77");
        frame.edInicioHExit();
    };
    const std::uint64_t writes = f.sim->writeCount();
    frame.AtivarFrame(f.comm, 0);
    EXPECT_FALSE(f.pump.duringWait);
    EXPECT_EQ(f.sim->writeCount(), writes);
    EXPECT_EQ(frame.cycle(), 0);
    EXPECT_EQ(frame.state().radios[static_cast<std::size_t>(IrrRadio::Modo)], 1);
    EXPECT_EQ(frame.state().edits[static_cast<std::size_t>(IrrEdit::Duracao)], std::to_string(f.sim->reg(11)));
    EXPECT_TRUE(f.ui.messages.empty());
}

// A click that comes while a send talks to the device goes out right after it, and
// the page then shows both changes.
TEST(FrameConfQLX700IRRFilling, AClickDuringASendIsSentAfterIt)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    f.sim->setReg(208, 1);
    TFrameConfQLX700IRR frame{f.ui, f.pump};
    frame.AtivarFrame(f.comm, 0);
    f.pump.duringWait = [&] { frame.checkClick(IrrCheck::Pt100Habilita, false); };
    frame.setEdit(IrrEdit::Duracao, "88");
    frame.edInicioHExit();
    EXPECT_FALSE(f.pump.duringWait);
    EXPECT_EQ(f.sim->reg(11), 88);
    EXPECT_EQ(f.sim->reg(208), 0);
    EXPECT_EQ(frame.state().checks[static_cast<std::size_t>(IrrCheck::Pt100Habilita)], 0);
    EXPECT_EQ(frame.state().edits[static_cast<std::size_t>(IrrEdit::Duracao)], "88");
    EXPECT_TRUE(f.ui.messages.empty());
}

// Without a change nothing is written: each value already held by the device stays off the wire.
TEST(FrameConfQLX700IRRFilling, ASendWithoutChangesWritesNothingOnTheSerialLink)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    TFrameConfQLX700IRR frame{f.ui, f.pump};
    frame.AtivarFrame(f.comm, 0);
    const std::uint64_t writes = f.sim->writeCount();
    frame.edInicioHExit();
    EXPECT_EQ(f.sim->writeCount(), writes);
    EXPECT_TRUE(f.ui.messages.empty());
}

} // namespace
