#include "AppScriptedUi.h"
#include "app/FolderAppSettings.h"
#include "app/MainWindow.h"
#include "app/Page.h"
#include "app/PageFactory.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "settings/ProgramVersion.h"
#include "support/PtyPeer.h"
#include "support/RegisterPeer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A page that records what the main window asks of it.
class RecordingPage final : public Page {
public:
    RecordingPage(PageId id, std::vector<std::string>& log)
        : id_(id)
        , log_(log)
    {
    }
    void activate(DeviceLink&, int language) override
    {
        log_.push_back(name() + " activate " + std::to_string(language));
    }
    void setLanguage(int language) override { log_.push_back(name() + " setLanguage " + std::to_string(language)); }
    void setTimerEnabled(bool on) override
    {
        timer = on;
        if (on)
            log_.push_back(name() + " timer on");
    }
    std::string name() const { return "page" + std::to_string(static_cast<int>(id_)); }
    bool timer = false;

private:
    PageId id_;
    std::vector<std::string>& log_;
};

class RecordingFactory final : public PageFactory {
public:
    std::unique_ptr<Page> create(PageId id, MainWindow&) override
    {
        auto f = std::make_unique<RecordingPage>(id, log);
        pages[id] = f.get();
        return f;
    }
    std::vector<std::string> log;
    std::map<PageId, RecordingPage*> pages;
};

class MainWindowTest : public ::testing::Test {
protected:
    void start()
    {
        settings = std::make_unique<FolderAppSettings>(folder.path());
        main = std::make_unique<MainWindow>(pump, *settings, ui, factory);
        main->start();
    }
    std::string confIni() const { return TempFolder::read(folder / "conf.ini"); }
    bool shown(MainImage i) const { return main->image(i).visible; }
    void connect()
    {
        ASSERT_TRUE(main->comm().openSerial(pty.path(), {9600, 0, 0}, true));
        ASSERT_TRUE(main->comm().connected());
    }

    TempFolder folder;
    PollEventPump pump;
    ScriptedUi ui;
    RecordingFactory factory;
    RegisterPeer device;
    PtyPeer pty{device.handler()};
    std::unique_ptr<FolderAppSettings> settings;
    std::unique_ptr<MainWindow> main;
};

const std::string kVersion = VersionToText(GetProgramVersion());

} // namespace

TEST_F(MainWindowTest, FirstRunShowsTheTGeneralPageInPortuguese)
{
    start();
    EXPECT_EQ(main->language(), 0);
    EXPECT_EQ(main->deviceTypeIndex(), 0);
    EXPECT_EQ(main->comm().deviceType(), kQLX700T);
    EXPECT_EQ(main->shownPage(), PageId::ThermalGeneral);
    EXPECT_TRUE(factory.pages[PageId::ThermalGeneral]->timer);
    EXPECT_EQ(main->caption(), "Controle do QLX700-T  " + kVersion);
    EXPECT_EQ(main->deviceTypeLabel(), "Equipamento:");
    EXPECT_EQ(main->deviceTypeItems()[3], "QLX700-IRR");
    for (MainImage i : {MainImage::General, MainImage::SetPoints, MainImage::SerialPorts,
                        MainImage::CurrentOutputs, MainImage::Events})
        EXPECT_TRUE(shown(i)) << static_cast<int>(i);
    for (MainImage i : {MainImage::Calibration, MainImage::DeviceSettings, MainImage::Parallelism,
                        MainImage::RegulatorSets, MainImage::OptionalCurrentOutputs})
        EXPECT_FALSE(shown(i)) << static_cast<int>(i);
    EXPECT_TRUE(main->label(MainLabel::CurrentOutputs).visible);
    EXPECT_FALSE(main->label(MainLabel::Calibration).visible);
    EXPECT_EQ(main->label(MainLabel::Events).text, "Eventos/Max");
    EXPECT_EQ(main->label(MainLabel::Events).top, 466);
    // The start-up applies the stored device type once, which writes conf.ini once.
    EXPECT_EQ(settings->saves(), 1);
    EXPECT_NE(confIni().find("LastDevice=0"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainWindowTest, WithTheLinkClosedOnlyTheGeneralIconWorks)
{
    start();
    main->showPage(2);
    ASSERT_EQ(main->shownPage(), PageId::SerialPorts);
    for (MainImage i : {MainImage::SetPoints, MainImage::SerialPorts, MainImage::CurrentOutputs, MainImage::Events}) {
        main->imageClicked(i);
        EXPECT_EQ(main->shownPage(), PageId::SerialPorts) << static_cast<int>(i);
    }
    main->imageClicked(MainImage::General);
    EXPECT_EQ(main->shownPage(), PageId::ThermalGeneral);

    connect();
    main->imageClicked(MainImage::SetPoints);
    EXPECT_EQ(main->shownPage(), PageId::SetPoints);
    main->imageClicked(MainImage::CurrentOutputs);
    EXPECT_EQ(main->shownPage(), PageId::CurrentOutputs);
    main->imageClicked(MainImage::Events);
    EXPECT_EQ(main->shownPage(), PageId::Events);
    EXPECT_TRUE(factory.pages[PageId::Events]->timer);
    EXPECT_FALSE(factory.pages[PageId::ThermalGeneral]->timer);
    // Hidden icons cannot be clicked.
    main->imageClicked(MainImage::Calibration);
    EXPECT_EQ(main->shownPage(), PageId::Events);
}

TEST_F(MainWindowTest, SelectingADeviceTypeClosesTheLinkSavesAndShowsItsGeneralPage)
{
    start();
    connect();
    factory.log.clear();
    main->deviceTypeChosen(kQLX700R);
    EXPECT_FALSE(main->comm().connected());
    EXPECT_EQ(main->comm().deviceType(), kQLX700R);
    EXPECT_EQ(main->shownPage(), PageId::RegulatorGeneral);
    EXPECT_EQ(main->caption(), "Controle do QLX700-R  " + kVersion);
    EXPECT_NE(confIni().find("LastDevice=2"), std::string::npos);
    EXPECT_EQ(factory.log, (std::vector<std::string>{"page2 activate 0", "page2 timer on", "page2 setLanguage 0"}));
    EXPECT_TRUE(shown(MainImage::DeviceSettings));
    EXPECT_TRUE(shown(MainImage::RegulatorSets));
    EXPECT_FALSE(shown(MainImage::OptionalCurrentOutputs));
    EXPECT_FALSE(main->label(MainLabel::CurrentOutputs).visible);
    main->setCurrentOutputCount(2);
    EXPECT_TRUE(shown(MainImage::OptionalCurrentOutputs));
    EXPECT_TRUE(main->label(MainLabel::CurrentOutputs).visible);

    main->deviceTypeChosen(kQLX700P);
    EXPECT_EQ(main->caption(), "Controle do QLX700-P  " + kVersion);
    EXPECT_TRUE(shown(MainImage::Parallelism));
    EXPECT_TRUE(shown(MainImage::CurrentOutputs));
    EXPECT_FALSE(shown(MainImage::OptionalCurrentOutputs));
    EXPECT_FALSE(shown(MainImage::Events));
    EXPECT_FALSE(shown(MainImage::DeviceSettings));
}

TEST_F(MainWindowTest, AStoredDeviceTypeIsRestoredAndOneOutOfRangeStartsOnTheT)
{
    TempFolder::write(folder / "conf.ini", "[GeneralSection]\nLastDevice=4\nLastLanguage=2\nRetries=5\n");
    start();
    EXPECT_EQ(main->comm().readRetries(), 5);
    EXPECT_EQ(main->comm().deviceType(), kQLX700C);
    EXPECT_EQ(main->shownPage(), PageId::PositionGeneral);
    EXPECT_EQ(main->caption(), "Control de QLX700-C  " + kVersion);

    TempFolder other;
    TempFolder::write(other / "conf.ini", "[GeneralSection]\nLastDevice=7\nLastLanguage=9\n");
    FolderAppSettings otherSettings(other.path());
    MainWindow second(pump, otherSettings, ui, factory);
    second.start();
    EXPECT_EQ(second.comm().readRetries(), 2);
    EXPECT_EQ(second.comm().deviceType(), kQLX700T);
    EXPECT_EQ(second.deviceTypeIndex(), 0);
    EXPECT_EQ(second.language(), 0);
    EXPECT_EQ(second.caption(), "Controle do QLX700-T  " + kVersion);
    EXPECT_NE(TempFolder::read(other / "conf.ini").find("LastDevice=0"), std::string::npos);
}

TEST_F(MainWindowTest, TheIrrMovesItsIconsAndOtherTypesPutThemBack)
{
    start();
    main->deviceTypeChosen(kQLX700IRR);
    EXPECT_EQ(main->caption(), "Controle do QLX700IRR  " + kVersion);
    EXPECT_TRUE(shown(MainImage::DeviceSettings));
    EXPECT_EQ(main->image(MainImage::DeviceSettings).top, 110);
    EXPECT_EQ(main->label(MainLabel::DeviceSettings).top, 176);
    EXPECT_TRUE(shown(MainImage::Events));
    EXPECT_EQ(main->image(MainImage::Events).top, 208);
    EXPECT_EQ(main->label(MainLabel::Events).top, 275);
    EXPECT_EQ(main->label(MainLabel::Events).text, "Registros");
    EXPECT_FALSE(shown(MainImage::SerialPorts));
    EXPECT_FALSE(shown(MainImage::SetPoints));

    connect();
    main->imageClicked(MainImage::Events);
    EXPECT_EQ(main->shownPage(), PageId::IrrigationRecords);
    EXPECT_FALSE(factory.pages[PageId::Events]->timer);
    main->imageClicked(MainImage::DeviceSettings);
    EXPECT_EQ(main->shownPage(), PageId::IrrigationSettings);

    main->deviceTypeChosen(kQLX700T);
    EXPECT_EQ(main->image(MainImage::Events).top, 404);
    EXPECT_EQ(main->label(MainLabel::Events).top, 466);
    EXPECT_EQ(main->label(MainLabel::Events).text, "Eventos/Max");
    main->deviceTypeChosen(kQLX700C);
    EXPECT_EQ(main->image(MainImage::DeviceSettings).top, 404);
    EXPECT_EQ(main->label(MainLabel::DeviceSettings).top, 466);
}

TEST_F(MainWindowTest, PageNumbersWithoutAPageForTheTypeLeaveTheClientAreaEmpty)
{
    // The icons marked as the page shown: none while the client area is empty.
    const auto marked = [this] {
        std::vector<MainImage> images;
        for (int i = 0; i < kMainImageCount; ++i) {
            if (main->image(static_cast<MainImage>(i)).current)
                images.push_back(static_cast<MainImage>(i));
        }
        return images;
    };
    start();
    EXPECT_EQ(marked(), std::vector<MainImage>{MainImage::General});
    main->showPage(7);
    EXPECT_FALSE(main->shownPage().has_value());
    EXPECT_TRUE(marked().empty());
    EXPECT_FALSE(factory.pages[PageId::ThermalGeneral]->timer);
    main->deviceTypeChosen(kQLX700P);
    main->showPage(7);
    EXPECT_FALSE(main->shownPage().has_value());
    main->deviceTypeChosen(kQLX700C);
    main->showPage(7);
    EXPECT_EQ(main->shownPage(), PageId::PositionIndicator);
    EXPECT_EQ(marked(), std::vector<MainImage>{MainImage::DeviceSettings});

    EXPECT_EQ(main->takeClientWidthRequest(), 0);
    main->showPage(1);
    EXPECT_EQ(main->shownPage(), PageId::SetPoints);
    EXPECT_EQ(main->takeClientWidthRequest(), 900);
    EXPECT_EQ(main->takeClientWidthRequest(), 0);
}

TEST_F(MainWindowTest, TheAccessWordRevealsTheCalibrationIcon)
{
    struct Key {
        char letter;
        bool shift;
    };
    const std::string word = "TorvaKelmDrusin";
    const auto keysOf = [](const std::string& w) {
        std::vector<Key> keys;
        for (char c : w)
            keys.push_back({static_cast<char>(std::toupper(static_cast<unsigned char>(c))), std::isupper(static_cast<unsigned char>(c)) != 0});
        return keys;
    };
    struct Case {
        const char* name;
        std::vector<Key> keys;
        bool revealed;
    };
    std::vector<Key> withNoise = keysOf("Torva");
    withNoise.push_back({'5', false});  // a digit
    withNoise.push_back({' ', false});  // space
    withNoise.push_back({0x10, true});  // Shift alone
    for (const Key& k : keysOf("KelmDrusin"))
        withNoise.push_back(k);
    std::vector<Key> wrongLetter = keysOf("Torvx");
    for (const Key& k : keysOf("KelmDrusin"))
        wrongLetter.push_back(k);
    std::vector<Key> wrongShift = keysOf("TorvaKelmdrusin");
    std::vector<Key> restarted = keysOf("TorvQ");
    for (const Key& k : keysOf(word))
        restarted.push_back(k);
    const std::vector<Case> cases{
        {"the word", keysOf(word), true},
        {"keys that neither advance nor reset", withNoise, true},
        {"a wrong letter resets", wrongLetter, false},
        {"a small letter with Shift resets", wrongShift, false},
        {"the whole word after a reset", restarted, true},
        {"all small letters", keysOf("torvakelmdrusin"), false},
    };
    for (const Case& c : cases) {
        TempFolder f;
        FolderAppSettings s(f.path());
        MainWindow m(pump, s, ui, factory);
        m.start();
        for (const Key& k : c.keys)
            m.keyPressed(k.letter, k.shift);
        EXPECT_EQ(m.image(MainImage::Calibration).visible, c.revealed) << c.name;
        EXPECT_EQ(m.label(MainLabel::Calibration).visible, c.revealed) << c.name;
    }
}

TEST_F(MainWindowTest, CtrlRightClickOnTheLogoRevealsTheCalibrationIconForThisRunOnly)
{
    start();
    main->logoPressed(true, false);
    main->logoPressed(false, true);
    EXPECT_FALSE(shown(MainImage::Calibration));
    main->logoPressed(true, true);
    EXPECT_TRUE(shown(MainImage::Calibration));
    EXPECT_EQ(main->image(MainImage::Calibration).top, 502);
    connect();
    main->imageClicked(MainImage::Calibration);
    EXPECT_EQ(main->shownPage(), PageId::Calibration);
    // A device type change keeps it; a new run hides it again.
    main->deviceTypeChosen(kQLX700P);
    EXPECT_TRUE(shown(MainImage::Calibration));
    main = std::make_unique<MainWindow>(pump, *settings, ui, factory);
    main->start();
    EXPECT_FALSE(shown(MainImage::Calibration));
}

TEST_F(MainWindowTest, ALanguageSelectorRelabelsTheShownPageAndSavesTheLanguage)
{
    start();
    factory.log.clear();
    main->languageChosen(1);
    EXPECT_EQ(main->caption(), "QLX700-T Control  " + kVersion);
    EXPECT_EQ(main->label(MainLabel::General).text, "General Conf.");
    EXPECT_EQ(main->label(MainLabel::CurrentOutputs).text, "Output Conf.");
    EXPECT_EQ(main->deviceTypeLabel(), "Device:");
    EXPECT_EQ(factory.log, (std::vector<std::string>{"page0 setLanguage 1"}));
    EXPECT_NE(confIni().find("LastLanguage=1"), std::string::npos);

    main->languageChosen(2);
    EXPECT_EQ(main->label(MainLabel::DeviceSettings).text, "Conf. Equipo");
    EXPECT_EQ(main->label(MainLabel::CurrentOutputs).text, "Conf. Salida");
    EXPECT_NE(confIni().find("LastLanguage=2"), std::string::npos);
    // Pages shown later get the language when they are shown.
    main->showPage(2);
    EXPECT_EQ(factory.log.back(), "page8 activate 2");
}

TEST_F(MainWindowTest, AFailedSaveIsReported)
{
    start();
    std::filesystem::remove(folder / "conf.ini");
    std::filesystem::create_directory(folder / "conf.ini");
    main->languageChosen(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text.rfind("Could not write the settings: ", 0), 0u);
    EXPECT_EQ(main->language(), 1);
}
