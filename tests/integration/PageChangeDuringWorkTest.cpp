// A page's long work on the device (records, events download, a calibration window, a
// send to a silent device) and the clicks that arrive during its waits: another page,
// chosen meanwhile, is shown once the work has ended, so the work finishes whole, its
// messages appear over its own page, and no refresh of another page fails on the
// busy link and takes a healthy device for a silent one. The main window with the
// program's own pages, on a scripted Ui, against the simulated devices.
#include "ThermalGeneralPageFixture.h"
#include "app/AppPageFactory.h"
#include "app/MainWindow.h"
#include "app/PageOpen.h"
#include "app/PageTable.h"
#include "device/DeviceType.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/irrigation/IrrigationRecordsPage.h"
#include "screens/irrigation/IrrigationSettingsPage.h"
#include "screens/parallelism/ParallelismControls.h"
#include "screens/parallelism/ParallelismPage.h"
#include "screens/thermal/EventsPage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

class PageChangeDuringWork : public ::testing::Test, public ThermalGeneralPageFixture {
protected:
    void SetUp() override
    {
        main.start();
        // Every page change goes into the Ui's log, between the messages and notices.
        main.setChangedHandler([this] {
            if (main.shownPage() != lastShown_) {
                lastShown_ = main.shownPage();
                ui.log.push_back("shown " + std::to_string(lastShown_ ? static_cast<int>(*lastShown_) : -1));
            }
        });
    }
    void TearDown() override { pump.duringWait = nullptr; }

    void openModel(const std::string& model, const std::string& preset = {})
    {
        startSim(model, false, preset);
        std::string error;
        const PageRow* row = findPageRow(model + ":general", error);
        ASSERT_NE(row, nullptr) << error;
        ASSERT_TRUE(openPage(main, *row, sim->serialPath()));
        ui.log.clear();
    }

    template <typename P>
    P& page(PageId id)
    {
        return dynamic_cast<P&>(*main.page(id));
    }

    // The window's timers fire while the link waits: the general page shown refreshes
    // whenever its timer is on. `click` runs inside the `at`-th wait from now.
    void duringWaits(int at, std::function<void()> click)
    {
        waits_ = 0;
        click_ = std::move(click);
        clickAt_ = at;
        arm();
    }
    void arm()
    {
        pump.duringWait = [this] {
            if (++waits_ == clickAt_)
                click_();
            fireGeneralTimer();
            arm();
        };
        pump.duringAsyncWait = pump.duringWait;
    }
    void stopWaits()
    {
        pump.duringWait = nullptr;
        pump.duringAsyncWait = nullptr;
    }
    void fireGeneralTimer()
    {
        const std::optional<PageId> shown = main.shownPage();
        auto* general = shown ? dynamic_cast<GeneralPage*>(main.page(*shown)) : nullptr;
        if (general != nullptr && general->timerEnabled())
            general->tick();
    }
    static std::string shownEntry(PageId id) { return "shown " + std::to_string(static_cast<int>(id)); }
    // Where `entry` stands in the Ui's log; the log's size when it is not there.
    std::size_t logIndex(const std::string& entry) const
    {
        return static_cast<std::size_t>(std::find(ui.log.begin(), ui.log.end(), entry) - ui.log.begin());
    }

    AppPageFactory pageFactory{{pump, sources, files}};
    MainWindow main{pump, settings, ui, pageFactory};

private:
    std::optional<PageId> lastShown_;
    int waits_ = 0;
    int clickAt_ = 0;
    std::function<void()> click_;
};

} // namespace

// The road: "Registros", then, within a second, "Conf. Geral" or "Conf. Equip.".
TEST_F(PageChangeDuringWork, TheRecordsAreReadWholeBeforeThePageChosenMeanwhileShows)
{
    openModel("IRR", "irr-records-55");
    sim->setReg(11, 45); // the first cycle's duration, for the settings page
    const struct {
        MainImage clicked;
        PageId shown;
    } cases[] = {{MainImage::General, PageId::IrrigationGeneral},
                 {MainImage::DeviceSettings, PageId::IrrigationSettings}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.clicked));
        main.showPage(0);
        ui.log.clear();
        duringWaits(3, [&] { main.imageClicked(c.clicked); });
        main.imageClicked(MainImage::Events);
        stopWaits();

        EXPECT_EQ(page<IrrigationRecordsPage>(PageId::IrrigationRecords).records().size(), 50u);
        EXPECT_EQ(sim->reg(4000), 49);
        EXPECT_TRUE(main.comm().connected());
        EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
        EXPECT_EQ(main.shownPage(), c.shown);
        // The records page stayed shown, with its notice, until the reading ended.
        EXPECT_LT(logIndex("shown " + std::to_string(static_cast<int>(PageId::IrrigationRecords))),
                  logIndex("notice closed"));
        EXPECT_LT(logIndex("notice closed"), logIndex(shownEntry(c.shown)));
    }
    EXPECT_EQ(page<IrrigationSettingsPage>(PageId::IrrigationSettings).state().edits[static_cast<std::size_t>(IrrEdit::Duration)],
              "45");
    fireGeneralTimer();
    main.showPage(0);
    fireGeneralTimer();
    EXPECT_FALSE(page<GeneralPage>(PageId::IrrigationGeneral).general().stale);
}

TEST_F(PageChangeDuringWork, AnEventsDownloadEndsAndSaysSoBeforeTheGeneralPageShows)
{
    openModel("T", "t-events-25");
    sim->setReg(214, 0); // no events recorded while the test runs
    main.imageClicked(MainImage::Events);
    files.answer = folder / "events.txt";
    duringWaits(3, [this] { main.imageClicked(MainImage::General); });
    page<EventsPage>(PageId::Events).downloadEventsClicked();
    stopWaits();

    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Download Concluído"});
    EXPECT_LT(logIndex("message: Download Concluído"), logIndex(shownEntry(PageId::ThermalGeneral)));
    EXPECT_EQ(main.shownPage(), PageId::ThermalGeneral);
    EXPECT_TRUE(main.comm().connected());
    const std::string log = TempFolder::read(folder / "events.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 25);
}

// A calibration window reads the device's gains before it opens: it opens over its own
// page, and the page chosen meanwhile shows once the window has closed.
TEST_F(PageChangeDuringWork, ACalibrationWindowOpensOverItsPageWhateverWasClickedMeanwhile)
{
    openModel("T");
    main.logoPressed(true, true);
    main.imageClicked(MainImage::Calibration);
    ASSERT_EQ(main.shownPage(), PageId::Calibration);
    std::optional<PageId> shownUnderWindow;
    ui.rtdRegressionWindow = [&](RtdRegressionWindow&) { shownUnderWindow = main.shownPage(); };
    duringWaits(1, [this] { main.imageClicked(MainImage::General); });
    page<CalibrationPage>(PageId::Calibration).rtdRegressionClicked();
    stopWaits();

    EXPECT_EQ(shownUnderWindow, PageId::Calibration);
    EXPECT_EQ(main.shownPage(), PageId::ThermalGeneral);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    EXPECT_TRUE(main.comm().connected());
}

// A send to a P that fell silent: its error appears over the parallelism page, and the
// general page chosen meanwhile shows after it, not under it.
TEST_F(PageChangeDuringWork, AFailedSendSaysSoOverItsOwnPage)
{
    openModel("P");
    main.imageClicked(MainImage::Parallelism);
    ASSERT_EQ(main.shownPage(), PageId::Parallelism);
    auto& parallelism = page<ParallelismPage>(PageId::Parallelism);
    parallelism.setText(controlIndex(parallelism.controls().controls(), "busSizeEdit"), "9");
    sim->setFaults("silent-after=0");
    duringWaits(1, [this] { main.imageClicked(MainImage::General); });
    parallelism.editLeft();
    stopWaits();

    ASSERT_FALSE(ui.messages.empty());
    for (const std::string& text : ui.messageTexts())
        EXPECT_EQ(text, "Erro no envio do comando.");
    const std::size_t general = logIndex(shownEntry(PageId::ParallelismGeneral));
    EXPECT_LT(general, ui.log.size()) << "the general page was shown after the send";
    for (std::size_t i = general; i < ui.log.size(); ++i)
        EXPECT_EQ(ui.log[i].rfind("message: ", 0), std::string::npos) << ui.log[i];
}

// Choosing another model closes the link on the user's request: going back to the
// first model's general page says nothing of a lost device.
TEST_F(PageChangeDuringWork, AModelSwitchIsNoLostDevice)
{
    openModel("T");
    for (const int type : {kQLX700R, kQLX700T, kQLX700R}) {
        SCOPED_TRACE(type);
        main.deviceTypeChosen(type);
        fireGeneralTimer();
        fireGeneralTimer();
        EXPECT_FALSE(main.comm().connected());
    }
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
}
