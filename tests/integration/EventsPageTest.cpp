// The QLX700-T's events and maxima page against the simulated device over its
// pseudo-terminal and TCP: the event log file, a device that stops answering, a file
// that cannot be written, erase, reset of the maxima and the recording interval.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "app/FolderAppSettings.h"
#include "screens/common/FileChooser.h"
#include "screens/thermal/EventsPage.h"
#include "support/FileText.h"
#include "support/ScriptedFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kDownloadDone = "Download Concluído";
constexpr const char* kDownloadError = "Erro no download dos eventos do equipamento";
constexpr const char* kMsgTimer = "Valor de timer de eventos inválido. Deve ser um valor entre 0 e 60";

class EventsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& preset = {})
    {
        open("T", GetParam());
        if (!preset.empty())
            sim->applyPreset(preset);
        sim->setReg(214, 0); // no events recorded while a test runs
        page.activate(comm, 0);
    }
    // Downloads into the data folder's file as the user does; returns the file's lines.
    std::vector<std::string> download(const std::string& name = "events.txt")
    {
        files.answer = folder / name;
        page.downloadEventsClicked();
        return crlfLines(readFile(folder / name));
    }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedFiles files;
    EventsPage page{ui, files, settings, pump};
};

TEST_P(EventsPageTest, TheLogFileHoldsEveryEventNewestFirstOnePageOfTenAtATime)
{
    openPage();
    for (const int count : {0, 1, 10, 25, 200}) {
        SCOPED_TRACE(count);
        ASSERT_TRUE(sim->setEventCount(count));
        page.activate(comm, 0);
        EXPECT_EQ(page.state().eventCountText, "Num. Eventos Gravados: " + std::to_string(count));
        ui.messages.clear();
        ui.log.clear();
        const std::vector<std::string> lines = download("events" + std::to_string(count) + ".txt");
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kDownloadDone});
        // The simulated events are a minute apart: a page read from the wrong window
        // would repeat or skip a minute.
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_GT(lines[i - 1].substr(0, 17), lines[i].substr(0, 17)) << i;
        for (const std::string& line : lines)
            EXPECT_NE(line.find(" Rele: "), std::string::npos) << line;
        const auto last = std::find_if(ui.log.rbegin(), ui.log.rend(), [](const std::string& l) { return l.rfind("notice", 0) == 0 && l != "notice closed"; });
        ASSERT_NE(last, ui.log.rend());
        EXPECT_EQ(*last, (count == 0 ? "notice open: Baixando... (0 / 0)" : "notice: Baixando... (" + std::to_string(count) + " / " + std::to_string(count) + ")"));
    }
    EXPECT_EQ(settings.record().LastEventLogPath, (folder / "events200.txt").string());
    EXPECT_EQ(files.requests.back().title, "Salvar Eventos");
    EXPECT_EQ(files.requests.back().initialFolder, folder.path());
}

TEST_P(EventsPageTest, TheLinesCarryOnlyTheChannelsTheDeviceHas)
{
    openPage("t-one-winding");
    sim->setEventCount(3);
    page.activate(comm, 0);
    const std::vector<std::string> lines = download();
    ASSERT_EQ(lines.size(), 3u);
    for (const std::string& line : lines) {
        EXPECT_NE(line.find("  Enr1: "), std::string::npos) << line;
        EXPECT_NE(line.find(" RTD2: "), std::string::npos) << line;
        for (const char* absent : {"Enr2", "Enr3", "RTD3"})
            EXPECT_EQ(line.find(absent), std::string::npos) << line;
    }
}

TEST_P(EventsPageTest, ADeviceThatStopsAnsweringLeavesTheEventsGatheredAndSaysTheFileIsIncomplete)
{
    openPage();
    sim->setEventCount(10);
    page.activate(comm, 0);
    // One full page tells how many requests a page takes on this link.
    const std::uint64_t before = sim->requestCount();
    ASSERT_EQ(download().size(), 10u);
    const std::uint64_t perPage = sim->requestCount() - before;

    sim->setEventCount(25);
    page.activate(comm, 0);
    sim->setFaults("silent-after=" + std::to_string(perPage));
    ui.messages.clear();
    const std::vector<std::string> lines = download("cut.txt");
    EXPECT_EQ(lines.size(), 10u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, std::string(kDownloadError) + "\nArquivo incompleto: 10 de 25 eventos gravados em " +
                                       (folder / "cut.txt").string());
}

TEST_P(EventsPageTest, AFileThatCannotBeWrittenIsNamedAndNeverReportedAsSaved)
{
    openPage();
    sim->setEventCount(5);
    page.activate(comm, 0);
    files.answer = folder / "missing-folder" / "events.txt";
    page.downloadEventsClicked();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text.rfind("Erro ao gravar o arquivo de eventos\n", 0), 0u) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("missing-folder/events.txt"), std::string::npos) << ui.messages[0].text;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing-folder"));
}

TEST_P(EventsPageTest, CancellingTheSaveDialogSendsNothingAndKeepsTheLastPath)
{
    openPage();
    settings.record().LastEventLogPath = "/somewhere/old.txt";
    const std::uint64_t before = sim->requestCount();
    files.answer.reset();
    page.downloadEventsClicked();
    EXPECT_EQ(sim->requestCount(), before);
    EXPECT_EQ(settings.record().LastEventLogPath, "/somewhere/old.txt");
    EXPECT_EQ(files.requests.back().initialFolder, "/somewhere");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(EventsPageTest, EraseAsksFirstThenShowsTheCountTheDeviceReallyHolds)
{
    openPage();
    sim->setEventCount(12);
    page.activate(comm, 0);
    const std::uint64_t writes = sim->writeCount();
    ui.answers = {false};
    page.eraseEventsClicked();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_EQ(sim->reg(1800), 12);

    ui.messages.clear();
    ui.answers = {true};
    page.eraseEventsClicked();
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Deseja apagar todos os eventos?", "Eventos apagados"}));
    EXPECT_EQ(sim->reg(1800), 0);
    EXPECT_EQ(page.state().eventCountText, "Num. Eventos Gravados: 0");

    // A download after the erase pages through nothing.
    ui.messages.clear();
    EXPECT_TRUE(download().empty());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kDownloadDone});
}

TEST_P(EventsPageTest, MaximaShowTheirStampsAndResetPutsAllThirtySixRegistersToZero)
{
    open("T", GetParam());
    // Pinned values: the device's own maxima tracking leaves them alone.
    for (int i = 0; i < 9; ++i) {
        sim->setReg(static_cast<std::uint16_t>(701 + i), static_cast<std::uint16_t>(70 + i));
        sim->setReg(static_cast<std::uint16_t>(1710 + 3 * i), static_cast<std::uint16_t>(0x5678 + i));
        sim->setReg(static_cast<std::uint16_t>(1711 + 3 * i), 0x1234);
        sim->setReg(static_cast<std::uint16_t>(1712 + 3 * i), 0x00AB);
    }
    page.activate(comm, 0);
    const auto& winding1 = page.state().maxima[0];
    EXPECT_EQ(winding1[0], "70 ºC");
    EXPECT_EQ(winding1[1], std::to_string(0x00AB'1234'5678ull));
    EXPECT_EQ(winding1[2], "13/04/93 23:47:07:512");
    EXPECT_EQ(page.state().maxima[4][0], "74 ºC"); // RTD 2: 705 and its stamp at 1722
    EXPECT_EQ(page.state().maxima[4][1], std::to_string(0x00AB'1234'5678ull + 4));

    ui.answers = {true};
    page.resetMaximaClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Deseja zerar os máximos?"});
    for (int r = 701; r <= 709; ++r)
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(r)), 0) << r;
    for (int r = 1710; r <= 1736; ++r)
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(r)), 0) << r;
    EXPECT_EQ(page.state().maxima[0][0], "0 ºC");
}

TEST_P(EventsPageTest, ARefusedResetIsReported)
{
    openPage();
    sim->setFaults(refusal());
    ui.answers = {true};
    page.resetMaximaClicked();
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Deseja zerar os máximos?", kCommandError}));
}

TEST_P(EventsPageTest, TheIntervalIsWrittenOnlyWhenItIsAWholeNumberOfMinutesUpToAnHour)
{
    openPage();
    const struct {
        const char* typed;
        bool refused;
        int stored;
    } cases[] = {{"61", true, 0}, {"abc", true, 0}, {"-1", true, 0}, {"15", false, 15}, {" 60 ", false, 60}, {"0", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui.messages.clear();
        const std::uint64_t writes = sim->writeCount();
        page.setEventIntervalFocused(true);
        page.setEventInterval(c.typed);
        page.eventIntervalLeft();
        EXPECT_EQ(sim->reg(214), c.stored);
        if (c.refused) {
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgTimer});
            EXPECT_EQ(sim->writeCount(), writes);
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
        EXPECT_EQ(page.state().eventInterval, std::to_string(c.stored));
    }
}

INSTANTIATE_TEST_SUITE_P(Links, EventsPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
