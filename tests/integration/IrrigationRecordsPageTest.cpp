// The QLX700-IRR records page against the simulated controller over its
// pseudo-terminal and TCP: the record window read one record at a time, the grid,
// the records file, erase, and the ways a reading ends early.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "app/FolderAppSettings.h"
#include "screens/irrigation/IrrigationRecordsPage.h"
#include "support/FileText.h"
#include "support/ScriptedFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

using namespace std::chrono_literals;

// The header as the file holds it: Windows-1252, so the circumflexes are one byte.
constexpr const char* kHeaderCp1252 = "Hora, Pluvi\xF4metro, Hidr\xF4metro, Temperatura";
constexpr const char* kFileSaved = "Arquivo salvo.";

std::size_t filledRows(const IrrigationRecordsPage& page)
{
    const auto& rows = page.rows();
    return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [](const irrigationrecords::Record& r) {
        return std::any_of(r.begin(), r.end(), [](const std::string& f) { return !f.empty(); });
    }));
}

class IrrigationRecordsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& preset)
    {
        open("IRR", GetParam());
        sim->applyPreset(preset);
        page.activate(comm, 0);
    }
    std::vector<std::string> save(const std::string& name = "records.txt")
    {
        files.answer = folder / name;
        page.saveToFileClicked();
        return crlfLines(readFile(folder / name));
    }
    std::vector<std::string> notices() const
    {
        std::vector<std::string> n;
        std::copy_if(ui.log.begin(), ui.log.end(), std::back_inserter(n),
                     [](const std::string& l) { return l.rfind("notice", 0) == 0 && l != "notice closed"; });
        return n;
    }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedFiles files;
    IrrigationRecordsPage page{ui, files, settings, pump};
};

TEST_P(IrrigationRecordsPageTest, EveryRecordUpToTheFiftiethFillsARowAndALineOfTheFile)
{
    struct Case {
        const char* preset;
        std::size_t records;
        const char* lastNotice;
    };
    for (const Case c : {Case{"irr-records-0", 0, "notice open: Lendo registros... 0%"},
                         Case{"irr-records-3", 3, "notice: Lendo registros... 6.0 %"},
                         Case{"irr-records-55", 50, "notice: Lendo registros... 100.0 %"}}) {
        SCOPED_TRACE(c.preset);
        if (!sim)
            open("IRR", GetParam());
        sim->applyPreset(c.preset);
        ui.log.clear();
        const std::uint64_t writesBefore = sim->writeCount();
        page.activate(comm, 0);
        // One forced selection per record, the refused one past the last included,
        // and none past the fiftieth even though the device holds more.
        EXPECT_EQ(sim->writeCount() - writesBefore,
                  std::min<std::uint64_t>(c.records + 1, irrigationrecords::kMaxRecords));
        EXPECT_EQ(page.records().size(), c.records);
        EXPECT_EQ(filledRows(page), c.records);
        const std::vector<std::string> n = notices();
        ASSERT_FALSE(n.empty());
        EXPECT_EQ(n.front(), "notice open: Lendo registros... 0%");
        EXPECT_EQ(n.back(), c.lastNotice);
        if (c.records > 0) {
            EXPECT_EQ(n[1], "notice: Lendo registros... 2.0 %");
        }

        const std::vector<std::string> lines = save();
        ASSERT_EQ(lines.size(), c.records + 1);
        EXPECT_EQ(lines[0], kHeaderCp1252);
        if (c.records > 0) {
            EXPECT_EQ(lines[1], "01/11/26 06:00, 0.0 mm, 300 L, 20.0 C");
            EXPECT_EQ(page.rows()[0], (irrigationrecords::Record{"01/11/26 06:00", "0.0 mm", "300 L", "20.0 C"}));
        }
        EXPECT_EQ(ui.messageTexts().back(), kFileSaved);
    }
    EXPECT_EQ(settings.record().LastRecordsPath, (folder / "records.txt").string());
    EXPECT_EQ(files.requests.back().title, "Salver");
    EXPECT_EQ(files.requests.back().initialFolder, folder.path());
}

TEST_P(IrrigationRecordsPageTest, FieldsEndAtTheirFirstZeroOrAfterEighteenCharacters)
{
    openPage("irr-record-zero-temperature");
    ASSERT_EQ(page.records().size(), 1u);
    EXPECT_EQ(page.rows()[0][3], "");
    EXPECT_EQ(save()[1], "01/11/26 06:00, 0.0 mm, 300 L, -----");

    sim->applyPreset("irr-record-full-field");
    page.readRecords();
    ASSERT_EQ(page.records().size(), 1u);
    EXPECT_EQ(page.rows()[0][0], "01/11/2026 06:00:0");
    EXPECT_EQ(page.rows()[0][1], "0.0 mm");
}

TEST_P(IrrigationRecordsPageTest, EraseAsksSendsTheCommandWaitsAndEmptiesTheRowsOfTheFormerRecords)
{
    openPage("irr-records-3");
    ASSERT_EQ(filledRows(page), 3u);

    const std::uint64_t writes = sim->writeCount();
    ui.answers = {false};
    page.eraseRecordsClicked();
    EXPECT_EQ(sim->writeCount(), writes) << "a No sends nothing";
    EXPECT_EQ(filledRows(page), 3u);

    ui.messages.clear();
    pump.pauses.clear();
    ui.answers = {true};
    page.eraseRecordsClicked();
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Confirma apagar registros?", "Comando enviado"}));
    EXPECT_NE(std::find(pump.pauses.begin(), pump.pauses.end(), 1500ms), pump.pauses.end());
    EXPECT_NE(std::find(pump.pauses.begin(), pump.pauses.end(), 2000ms), pump.pauses.end());
    EXPECT_TRUE(page.records().empty());
    EXPECT_EQ(filledRows(page), 0u) << "rows of records the device no longer holds";
    EXPECT_EQ(save(), std::vector<std::string>{kHeaderCp1252});
}

TEST_P(IrrigationRecordsPageTest, ARefusedEraseIsReportedAndKeepsTheRecords)
{
    openPage("irr-records-3");
    // A command is not read back; the device's refusal is its exception reply (or
    // error status over TCP).
    sim->setFaults("exception=4");
    ui.answers = {true};
    page.eraseRecordsClicked();
    EXPECT_EQ(ui.messageTexts().back(), kSendError);
    sim->setFaults("");
    page.readRecords();
    EXPECT_EQ(page.records().size(), 3u);
}

TEST_P(IrrigationRecordsPageTest, ADeviceThatFallsSilentEndsTheReadingWithTheRecordsReceived)
{
    open("IRR", GetParam());
    sim->applyPreset("irr-records-55");
    // Each record is a selection (with its read-back) and a read: silence after the
    // fourth request leaves only what was received before it.
    sim->setFaults("silent-after=4");
    page.activate(comm, 0);
    ASSERT_LT(page.records().size(), 3u);
    EXPECT_EQ(filledRows(page), page.records().size());
    for (const irrigationrecords::Record& r : page.records())
        EXPECT_FALSE(r[0].empty()) << "a blank record was listed";
}

TEST_P(IrrigationRecordsPageTest, AFileThatCannotBeWrittenIsNamedAndNeverReportedSaved)
{
    openPage("irr-records-3");
    files.answer = folder / "missing" / "records.txt";
    page.saveToFileClicked();
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MessageKind::Error);
    EXPECT_NE(ui.messages.back().text.find("records.txt"), std::string::npos) << ui.messages.back().text;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    for (const std::string& m : ui.messageTexts())
        EXPECT_NE(m, kFileSaved);
}

// The page is shown before it reads: rows of the previous reading must not stand
// behind the reading's notice as if the device held them now.
TEST_P(IrrigationRecordsPageTest, ANewReadingEmptiesTheRowsBeforeItsNoticeShows)
{
    openPage("irr-records-3");
    ASSERT_EQ(filledRows(page), 3u);
    std::size_t filledWhenCleared = 99;
    std::size_t logWhenCleared = 0;
    page.setRowsClearedHandler([&] {
        filledWhenCleared = filledRows(page);
        logWhenCleared = ui.log.size();
    });
    const std::size_t logBefore = ui.log.size();
    page.activate(comm, 0);
    EXPECT_EQ(filledWhenCleared, 0u);
    EXPECT_EQ(logWhenCleared, logBefore) << "the notice was already open";
    ASSERT_GT(ui.log.size(), logBefore);
    EXPECT_EQ(ui.log[logBefore].rfind("notice open", 0), 0u) << ui.log[logBefore];
    EXPECT_EQ(filledRows(page), 3u);
}

INSTANTIATE_TEST_SUITE_P(Links, IrrigationRecordsPageTest,
                         ::testing::Values(PageLinkFixture::Link::UsbButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
