// The QLX700-IRR's irrigation settings page against the simulated controller over its
// pseudo-terminal and TCP: what it shows of each cycle, the entry rules, which
// registers a send writes, and what it leaves alone.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/irrigation/IrrigationSettingsPage.h"

#include <gtest/gtest.h>

namespace {


class IrrigationSettingsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage()
    {
        open("IRR", GetParam());
        page.activate(comm, 0);
    }
    void type(IrrEdit edit, const std::string& text)
    {
        page.setEdit(edit, text);
        page.editLeft();
    }
    const std::string& shown(IrrEdit e) const { return page.state().edits[static_cast<std::size_t>(e)]; }
    int checked(IrrCheck c) const { return page.state().checks[static_cast<std::size_t>(c)]; }
    int selected(IrrRadio r) const { return page.state().radios[static_cast<std::size_t>(r)]; }

    IrrigationSettingsPage page{ui, pump};
};

TEST_P(IrrigationSettingsPageTest, OpeningShowsEveryFieldOfTheFirstCycle)
{
    open("IRR", GetParam());
    const std::pair<int, int> device[] = {{1, 6 * 60 + 5}, {11, 45},  {21, 0b10101}, {31, 1234}, {32, 1},  {101, 1},
                                          {102, 125},      {103, 60}, {104, 15},     {105, 30},   {106, 7},  {201, 0},
                                          {202, 0},        {203, 25}, {204, 1},      {205, 10},   {206, 500}, {207, 48},
                                          {208, 1},        {209, 1},  {210, 20},     {213, 1},    {214, 0}};
    for (const auto& [reg, value] : device)
        sim->setReg(static_cast<std::uint16_t>(reg), static_cast<std::uint16_t>(value));
    const std::uint64_t before = sim->requestCount();
    page.activate(comm, 0);
    // 1 (5), 11 (5), 21 (5), 31 (2), 101 (6), 201 (10) and the inversions 213 (2): one
    // request each on the serial line, one frame of seven reads over TCP, and no write.
    EXPECT_EQ(sim->requestCount() - before, comm.asynchronous() ? 1u : 7u);
    EXPECT_EQ(sim->writeCount(), 0u);

    const std::pair<IrrEdit, const char*> edits[] = {
        {IrrEdit::StartHour, "06"},       {IrrEdit::StartMinute, "05"},       {IrrEdit::Duration, "45"},
        {IrrEdit::MaxHydrometer, "1234"}, {IrrEdit::ManualDuration, "20"},    {IrrEdit::PressureFullScale, "12.5"},
        {IrrEdit::MaxPressure, "6.0"},    {IrrEdit::MinPressure, "1.5"},      {IrrEdit::MaxPressureTimer, "30"},
        {IrrEdit::MinPressureTimer, "7"}, {IrrEdit::HydrometerFactor, "2.5"}, {IrrEdit::PluviometerFactor, "1.0"},
        {IrrEdit::MaxPluviometer, "500"}, {IrrEdit::PluviometerPeriod, "48"}};
    for (const auto& [edit, text] : edits)
        EXPECT_EQ(shown(edit), text) << static_cast<int>(edit);
    const std::pair<IrrCheck, int> checks[] = {
        {IrrCheck::Branch1, 1},           {IrrCheck::Branch2, 0},            {IrrCheck::Branch3, 1},
        {IrrCheck::Branch4, 0},           {IrrCheck::Branch5, 1},            {IrrCheck::BlockOnConsumption, 1},
        {IrrCheck::HydrometerEnabled, 0}, {IrrCheck::PluviometerEnabled, 1}, {IrrCheck::Pt100Enabled, 1}};
    for (const auto& [check, value] : checks)
        EXPECT_EQ(checked(check), value) << static_cast<int>(check);
    EXPECT_EQ(page.state().radios, (std::array<int, kIrrRadioCount>{1, 1, 0, 1, 0}));
    EXPECT_EQ(page.state().cycle, 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(IrrigationSettingsPageTest, ChoosingACycleShowsItsRegistersWithoutReading)
{
    open("IRR", GetParam());
    for (int c = 0; c < 5; ++c) {
        sim->setReg(static_cast<std::uint16_t>(1 + c), static_cast<std::uint16_t>(60 * (c + 1) + c));
        sim->setReg(static_cast<std::uint16_t>(11 + c), static_cast<std::uint16_t>(10 + c));
        sim->setReg(static_cast<std::uint16_t>(21 + c), static_cast<std::uint16_t>(1 << c));
    }
    page.activate(comm, 0);
    const std::uint64_t requests = sim->requestCount();
    // None selected shows the first cycle; an item past the last shows the last.
    const struct {
        int item;
        int cycle;
        const char* hour;
        const char* minute;
        const char* duration;
        IrrCheck branch;
    } cases[] = {{2, 2, "03", "02", "12", IrrCheck::Branch3},
                 {-1, 0, "01", "00", "10", IrrCheck::Branch1},
                 {4, 4, "05", "04", "14", IrrCheck::Branch5},
                 {7, 4, "05", "04", "14", IrrCheck::Branch5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        page.cycleChosen(c.item);
        EXPECT_EQ(page.cycle(), c.cycle);
        EXPECT_EQ(page.state().cycle, c.cycle);
        EXPECT_EQ(shown(IrrEdit::StartHour), c.hour);
        EXPECT_EQ(shown(IrrEdit::StartMinute), c.minute);
        EXPECT_EQ(shown(IrrEdit::Duration), c.duration);
        for (int b = 0; b < kIrrBranchCount; ++b)
            EXPECT_EQ(checked(static_cast<IrrCheck>(b)), static_cast<IrrCheck>(b) == c.branch ? 1 : 0);
    }
    EXPECT_EQ(sim->requestCount(), requests);
}

TEST_P(IrrigationSettingsPageTest, TheStartTimeGoesToTheSelectedCycle)
{
    openPage();
    const std::uint16_t first = sim->reg(1);
    page.cycleChosen(2);
    page.setEdit(IrrEdit::StartHour, "6");
    type(IrrEdit::StartMinute, "30");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(sim->reg(3), 390);
    EXPECT_EQ(sim->reg(1), first);
    EXPECT_EQ(shown(IrrEdit::StartHour), "06");
    EXPECT_EQ(shown(IrrEdit::StartMinute), "30");
}

TEST_P(IrrigationSettingsPageTest, AnInvalidEntryIsReportedAndOnlyItsRegisterIsSkipped)
{
    open("IRR", GetParam());
    const std::uint16_t start = 8 * 60 + 15;
    sim->setReg(3, start);
    page.activate(comm, 0);
    page.cycleChosen(2);
    page.setEdit(IrrEdit::StartHour, "07");
    page.setEdit(IrrEdit::StartMinute, "75");
    page.setEdit(IrrEdit::Duration, "90");
    page.setEdit(IrrEdit::MaxPressure, "12");
    type(IrrEdit::PluviometerPeriod, "72");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor inválido: 75", "Valor inválido: 12"}));
    EXPECT_EQ(sim->reg(3), start);
    EXPECT_EQ(sim->reg(13), 90);
    EXPECT_EQ(sim->reg(207), 72);
    // The refused fields show the device's values again.
    EXPECT_EQ(shown(IrrEdit::StartHour), "08");
    EXPECT_EQ(shown(IrrEdit::StartMinute), "15");
    EXPECT_EQ(shown(IrrEdit::MaxPressure), "6.0");

    // A wrong hour is the one named, in the page's language.
    ui.messages.clear();
    page.setLanguage(1);
    page.setEdit(IrrEdit::StartHour, "24");
    type(IrrEdit::StartMinute, "00");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Invalid value: 24"});
    EXPECT_EQ(sim->reg(3), start);
}

// Reals are tenths typed with a point or a comma, rounded half to even; every bound
// is inclusive. A refused entry leaves the device's value, which the page shows again.
TEST_P(IrrigationSettingsPageTest, EntriesKeepTheirRulesAndBounds)
{
    openPage();
    const struct {
        IrrEdit edit;
        int reg;
        const char* typed;
        int stored; // -1: refused
    } cases[] = {{IrrEdit::MaxPressure, 103, "2,5", 25},         {IrrEdit::MaxPressure, 103, "2.5", 25},
                 {IrrEdit::MaxPressure, 103, "0.5", -1},         {IrrEdit::MaxPressure, 103, "20", -1},
                 {IrrEdit::PressureFullScale, 102, "20", 200},   {IrrEdit::PressureFullScale, 102, "20.01", -1},
                 {IrrEdit::MinPressure, 104, "1", 10},           {IrrEdit::MinPressure, 104, "10", 100},
                 {IrrEdit::MinPressure, 104, "0.99", -1},        {IrrEdit::HydrometerFactor, 203, "1.25", 12},
                 {IrrEdit::HydrometerFactor, 203, "1.75", 18},   {IrrEdit::PluviometerFactor, 205, "nan", -1},
                 {IrrEdit::PluviometerFactor, 205, "inf", -1},   {IrrEdit::PluviometerFactor, 205, "1e400", -1},
                 {IrrEdit::PluviometerFactor, 205, "", -1},      {IrrEdit::PluviometerFactor, 205, "2.5.1", -1},
                 {IrrEdit::Duration, 11, "1440", 1440},          {IrrEdit::Duration, 11, "1441", -1},
                 {IrrEdit::MaxHydrometer, 31, "10000", 10000},   {IrrEdit::MaxHydrometer, 31, "-1", -1},
                 {IrrEdit::ManualDuration, 210, "0", 0},         {IrrEdit::MinPressureTimer, 106, "121", -1},
                 {IrrEdit::MaxPluviometer, 206, "20000", 20000}, {IrrEdit::PluviometerPeriod, 207, "744", 744},
                 {IrrEdit::PluviometerPeriod, 207, "7.5", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in " + std::to_string(c.reg));
        sim->setReg(static_cast<std::uint16_t>(c.reg), 77);
        comm.readRegisters(c.reg, 1);
        page.redraw();
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

TEST_P(IrrigationSettingsPageTest, BoxesAndRadioGroupsWriteTheirRegisters)
{
    open("IRR", GetParam());
    sim->setReg(23, 0);
    sim->setReg(213, 0);
    page.activate(comm, 0);
    const std::uint16_t firstCycle = sim->reg(21);
    page.cycleChosen(2);
    page.checkToggled(IrrCheck::Branch1, true);
    page.checkToggled(IrrCheck::Branch3, true);
    EXPECT_EQ(sim->reg(23), 5);
    EXPECT_EQ(sim->reg(21), firstCycle);
    EXPECT_EQ(checked(IrrCheck::Branch3), 1);

    page.checkToggled(IrrCheck::Pt100Enabled, false);
    EXPECT_EQ(sim->reg(208), 0);
    page.radioChosen(IrrRadio::WaterSensor, 1);
    EXPECT_EQ(sim->reg(213), 1);
    page.radioChosen(IrrRadio::OperationMode, 0);
    EXPECT_EQ(sim->reg(201), 0);
    EXPECT_EQ(selected(IrrRadio::OperationMode), 0);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(IrrigationSettingsPageTest, ARefusedWriteIsReportedOnceAndTheDevicesValuesComeBack)
{
    openPage();
    const std::uint16_t duration = sim->reg(11);
    const std::uint16_t limit = sim->reg(31);
    sim->setFaults(refusal());
    page.setEdit(IrrEdit::Duration, std::to_string(duration + 1));
    page.setEdit(IrrEdit::MaxHydrometer, std::to_string(limit + 1));
    page.checkToggled(IrrCheck::BlockOnConsumption, sim->reg(32) == 0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_EQ(sim->reg(11), duration);
    EXPECT_EQ(sim->reg(31), limit);
    EXPECT_EQ(shown(IrrEdit::Duration), std::to_string(duration));
    EXPECT_EQ(shown(IrrEdit::MaxHydrometer), std::to_string(limit));
    EXPECT_EQ(checked(IrrCheck::BlockOnConsumption), sim->reg(32));
    // The page waits for the device to settle before it shows it again.
    if (!comm.asynchronous()) {
        EXPECT_EQ(pump.pauses.back(), std::chrono::milliseconds(300));
    }
}

// The last block (over TCP, where the blocks go out as one request, every block) is
// left unanswered when the page opens: its fields show nothing, and a later send
// writes none of them unless the user gives them a value.
TEST_P(IrrigationSettingsPageTest, RegistersNeverReceivedAreShownEmptyAndNotWritten)
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
    page.activate(comm, 0);
    sim->setFaults("");
    ASSERT_TRUE(comm.connected());
    for (IrrEdit e : {IrrEdit::ManualDuration, IrrEdit::HydrometerFactor, IrrEdit::PluviometerFactor,
                      IrrEdit::MaxPluviometer, IrrEdit::PluviometerPeriod})
        EXPECT_EQ(shown(e), "") << static_cast<int>(e);
    for (IrrCheck c : {IrrCheck::HydrometerEnabled, IrrCheck::PluviometerEnabled, IrrCheck::Pt100Enabled})
        EXPECT_EQ(checked(c), IrrigationSettingsPageState::kUnknown);
    EXPECT_EQ(selected(IrrRadio::OperationMode), IrrigationSettingsPageState::kUnknown);
    EXPECT_EQ(selected(IrrRadio::BranchesEnabled), IrrigationSettingsPageState::kUnknown);
    if (!comm.asynchronous()) {
        EXPECT_EQ(shown(IrrEdit::Duration), std::to_string(sim->reg(11)));
    }

    page.setEdit(IrrEdit::PluviometerPeriod, "12");
    type(IrrEdit::Duration, "99");
    page.radioChosen(IrrRadio::OperationMode, 1);
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

INSTANTIATE_TEST_SUITE_P(Links, IrrigationSettingsPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

// Clicks and edits that arrive while the page is being filled on opening send
// nothing: the page shows what the device holds afterwards.
TEST(IrrigationSettingsPageFilling, ClicksWhileThePageIsFilledSendNothing)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    f.sim->setReg(201, 1);
    IrrigationSettingsPage page{f.ui, f.pump};
    f.pump.duringWait = [&] {
        page.radioChosen(IrrRadio::OperationMode, 0);
        page.checkToggled(IrrCheck::Pt100Enabled, false);
        page.cycleChosen(3);
        page.setEdit(IrrEdit::Duration, "77");
        page.editLeft();
    };
    const std::uint64_t writes = f.sim->writeCount();
    page.activate(f.comm, 0);
    EXPECT_FALSE(f.pump.duringWait);
    EXPECT_EQ(f.sim->writeCount(), writes);
    EXPECT_EQ(page.cycle(), 0);
    EXPECT_EQ(page.state().radios[static_cast<std::size_t>(IrrRadio::OperationMode)], 1);
    EXPECT_EQ(page.state().edits[static_cast<std::size_t>(IrrEdit::Duration)], std::to_string(f.sim->reg(11)));
    EXPECT_TRUE(f.ui.messages.empty());
}

// A click that comes while a send talks to the device goes out right after it, and
// the page then shows both changes.
TEST(IrrigationSettingsPageFilling, AClickDuringASendIsSentAfterIt)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    f.sim->setReg(208, 1);
    IrrigationSettingsPage page{f.ui, f.pump};
    page.activate(f.comm, 0);
    f.pump.duringWait = [&] { page.checkToggled(IrrCheck::Pt100Enabled, false); };
    page.setEdit(IrrEdit::Duration, "88");
    page.editLeft();
    EXPECT_FALSE(f.pump.duringWait);
    EXPECT_EQ(f.sim->reg(11), 88);
    EXPECT_EQ(f.sim->reg(208), 0);
    EXPECT_EQ(page.state().checks[static_cast<std::size_t>(IrrCheck::Pt100Enabled)], 0);
    EXPECT_EQ(page.state().edits[static_cast<std::size_t>(IrrEdit::Duration)], "88");
    EXPECT_TRUE(f.ui.messages.empty());
}

// Without a change nothing is written: each value already held by the device stays off the wire.
TEST(IrrigationSettingsPageFilling, ASendWithoutChangesWritesNothingOnTheSerialLink)
{
    PageLinkFixture f;
    f.open("IRR", PageLinkFixture::Link::SerialButton);
    IrrigationSettingsPage page{f.ui, f.pump};
    page.activate(f.comm, 0);
    const std::uint64_t writes = f.sim->writeCount();
    page.editLeft();
    EXPECT_EQ(f.sim->writeCount(), writes);
    EXPECT_TRUE(f.ui.messages.empty());
}

} // namespace
