#include "AppScriptedUi.h"
#include "app/FolderAppSettings.h"
#include "app/FormMainF.h"
#include "app/FrameFactory.h"
#include "app/TFrame.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "link/PollEventPump.h"
#include "settings/ProgramVersion.h"
#include "support/PtyPeer.h"
#include "support/RegisterPeer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A page that records what the main window asks of it.
class RecordingFrame final : public TFrame {
public:
    RecordingFrame(FrameId id, std::vector<std::string>& log)
        : id_(id)
        , log_(log)
    {
    }
    void AtivarFrame(TEquipComm&, int language) override { log_.push_back(name() + " AtivarFrame " + std::to_string(language)); }
    void SetIdioma(int language) override { log_.push_back(name() + " SetIdioma " + std::to_string(language)); }
    void setTimerEnabled(bool on) override
    {
        timer = on;
        if (on)
            log_.push_back(name() + " timer on");
    }
    std::string name() const { return "frame" + std::to_string(static_cast<int>(id_)); }
    bool timer = false;

private:
    FrameId id_;
    std::vector<std::string>& log_;
};

class RecordingFactory final : public FrameFactory {
public:
    std::unique_ptr<TFrame> create(FrameId id, TFormMain&) override
    {
        auto f = std::make_unique<RecordingFrame>(id, log);
        frames[id] = f.get();
        return f;
    }
    std::vector<std::string> log;
    std::map<FrameId, RecordingFrame*> frames;
};

class AppFormMain : public ::testing::Test {
protected:
    void start()
    {
        settings = std::make_unique<FolderAppSettings>(folder.path());
        main = std::make_unique<TFormMain>(pump, *settings, ui, factory);
        main->FormCreate();
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
    std::unique_ptr<TFormMain> main;
};

const std::string kVersion = VersionToText(GetProgramVersion());

} // namespace

TEST_F(AppFormMain, FirstRunShowsTheTGeneralFrameInPortuguese)
{
    start();
    EXPECT_EQ(main->language(), 0);
    EXPECT_EQ(main->deviceTypeIndex(), 0);
    EXPECT_EQ(main->comm().deviceType(), kQLX700T);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfGeral);
    EXPECT_TRUE(factory.frames[FrameId::ConfGeral]->timer);
    EXPECT_EQ(main->caption(), "Controle do QLX700-T  " + kVersion);
    EXPECT_EQ(main->tipoEquipLabel(), "Equipamento:");
    EXPECT_EQ(main->deviceTypeItems()[3], "QLX700-IRR");
    for (MainImage i : {MainImage::ConfGerais, MainImage::ConfSetPoint, MainImage::ConfSerial,
                        MainImage::ConfSaidaCorrente, MainImage::Download})
        EXPECT_TRUE(shown(i)) << static_cast<int>(i);
    for (MainImage i : {MainImage::Calibracao, MainImage::ConfEquip, MainImage::ConfParalelismo,
                        MainImage::ConfConjuntoReg, MainImage::ConfSaidaCorrente2})
        EXPECT_FALSE(shown(i)) << static_cast<int>(i);
    EXPECT_TRUE(main->label(MainLabel::ConfSaida).visible);
    EXPECT_FALSE(main->label(MainLabel::Calibracao).visible);
    EXPECT_EQ(main->label(MainLabel::Download).text, "Eventos/Max");
    EXPECT_EQ(main->label(MainLabel::Download).top, 466);
    // The start-up applies the stored device type once, which writes conf.ini once.
    EXPECT_EQ(settings->saves(), 1);
    EXPECT_NE(confIni().find("LastDevice=0"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AppFormMain, WithTheLinkClosedOnlyTheGeneralIconWorks)
{
    start();
    main->ShowPage(2);
    ASSERT_EQ(main->shownFrame(), FrameId::ConfSerial);
    for (MainImage i : {MainImage::ConfSetPoint, MainImage::ConfSerial, MainImage::ConfSaidaCorrente, MainImage::Download}) {
        main->imageClick(i);
        EXPECT_EQ(main->shownFrame(), FrameId::ConfSerial) << static_cast<int>(i);
    }
    main->imageClick(MainImage::ConfGerais);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfGeral);

    connect();
    main->imageClick(MainImage::ConfSetPoint);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfSetPoints);
    main->imageClick(MainImage::ConfSaidaCorrente);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfSaidaCorrente);
    main->imageClick(MainImage::Download);
    EXPECT_EQ(main->shownFrame(), FrameId::Download);
    EXPECT_TRUE(factory.frames[FrameId::Download]->timer);
    EXPECT_FALSE(factory.frames[FrameId::ConfGeral]->timer);
    // Hidden icons cannot be clicked.
    main->imageClick(MainImage::Calibracao);
    EXPECT_EQ(main->shownFrame(), FrameId::Download);
}

TEST_F(AppFormMain, SelectingADeviceTypeClosesTheLinkSavesAndShowsItsGeneralFrame)
{
    start();
    connect();
    factory.log.clear();
    main->rgTipoEquipClick(kQLX700R);
    EXPECT_FALSE(main->comm().connected());
    EXPECT_EQ(main->comm().deviceType(), kQLX700R);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfGeralR);
    EXPECT_EQ(main->caption(), "Controle do QLX700-R  " + kVersion);
    EXPECT_NE(confIni().find("LastDevice=2"), std::string::npos);
    EXPECT_EQ(factory.log, (std::vector<std::string>{"frame2 AtivarFrame 0", "frame2 timer on", "frame2 SetIdioma 0"}));
    EXPECT_TRUE(shown(MainImage::ConfEquip));
    EXPECT_TRUE(shown(MainImage::ConfConjuntoReg));
    EXPECT_FALSE(shown(MainImage::ConfSaidaCorrente2));
    EXPECT_FALSE(main->label(MainLabel::ConfSaida).visible);
    main->setCurrentOutputCount(2);
    EXPECT_TRUE(shown(MainImage::ConfSaidaCorrente2));
    EXPECT_TRUE(main->label(MainLabel::ConfSaida).visible);

    main->rgTipoEquipClick(kQLX700P);
    EXPECT_EQ(main->caption(), "Controle do QLX700-P  " + kVersion);
    EXPECT_TRUE(shown(MainImage::ConfParalelismo));
    EXPECT_TRUE(shown(MainImage::ConfSaidaCorrente));
    EXPECT_FALSE(shown(MainImage::ConfSaidaCorrente2));
    EXPECT_FALSE(shown(MainImage::Download));
    EXPECT_FALSE(shown(MainImage::ConfEquip));
}

TEST_F(AppFormMain, AStoredDeviceTypeIsRestoredAndOneOutOfRangeStartsOnTheT)
{
    TempFolder::write(folder / "conf.ini", "[GeneralSection]\nLastDevice=4\nLastLanguage=2\n");
    start();
    EXPECT_EQ(main->comm().deviceType(), kQLX700C);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfGeralC);
    EXPECT_EQ(main->caption(), "Control de QLX700-C  " + kVersion);

    TempFolder other;
    TempFolder::write(other / "conf.ini", "[GeneralSection]\nLastDevice=7\nLastLanguage=9\n");
    FolderAppSettings otherSettings(other.path());
    TFormMain second(pump, otherSettings, ui, factory);
    second.FormCreate();
    EXPECT_EQ(second.comm().deviceType(), kQLX700T);
    EXPECT_EQ(second.deviceTypeIndex(), 0);
    EXPECT_EQ(second.language(), 0);
    EXPECT_EQ(second.caption(), "Controle do QLX700-T  " + kVersion);
    EXPECT_NE(TempFolder::read(other / "conf.ini").find("LastDevice=0"), std::string::npos);
}

TEST_F(AppFormMain, TheIrrMovesItsIconsAndOtherTypesPutThemBack)
{
    start();
    main->rgTipoEquipClick(kQLX700IRR);
    EXPECT_EQ(main->caption(), "Controle do QLX700IRR  " + kVersion);
    EXPECT_TRUE(shown(MainImage::ConfEquip));
    EXPECT_EQ(main->image(MainImage::ConfEquip).top, 110);
    EXPECT_EQ(main->label(MainLabel::ConfEquip).top, 176);
    EXPECT_TRUE(shown(MainImage::Download));
    EXPECT_EQ(main->image(MainImage::Download).top, 208);
    EXPECT_EQ(main->label(MainLabel::Download).top, 275);
    EXPECT_EQ(main->label(MainLabel::Download).text, "Registros");
    EXPECT_FALSE(shown(MainImage::ConfSerial));
    EXPECT_FALSE(shown(MainImage::ConfSetPoint));

    connect();
    main->imageClick(MainImage::Download);
    EXPECT_EQ(main->shownFrame(), FrameId::IrrRegistros);
    EXPECT_FALSE(factory.frames[FrameId::Download]->timer);
    main->imageClick(MainImage::ConfEquip);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfQLX700IRR);

    main->rgTipoEquipClick(kQLX700T);
    EXPECT_EQ(main->image(MainImage::Download).top, 404);
    EXPECT_EQ(main->label(MainLabel::Download).top, 466);
    EXPECT_EQ(main->label(MainLabel::Download).text, "Eventos/Max");
    main->rgTipoEquipClick(kQLX700C);
    EXPECT_EQ(main->image(MainImage::ConfEquip).top, 404);
    EXPECT_EQ(main->label(MainLabel::ConfEquip).top, 466);
}

TEST_F(AppFormMain, PagesWithoutAFrameForTheTypeLeaveTheClientAreaEmpty)
{
    start();
    main->ShowPage(7);
    EXPECT_FALSE(main->shownFrame().has_value());
    EXPECT_FALSE(factory.frames[FrameId::ConfGeral]->timer);
    main->rgTipoEquipClick(kQLX700P);
    main->ShowPage(7);
    EXPECT_FALSE(main->shownFrame().has_value());
    main->rgTipoEquipClick(kQLX700C);
    main->ShowPage(7);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfQLX700C);

    EXPECT_EQ(main->takeClientWidthRequest(), 0);
    main->ShowPage(1);
    EXPECT_EQ(main->shownFrame(), FrameId::ConfSetPoints);
    EXPECT_EQ(main->takeClientWidthRequest(), 900);
    EXPECT_EQ(main->takeClientWidthRequest(), 0);
}

TEST_F(AppFormMain, TheAccessWordRevealsTheCalibrationIcon)
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
        TFormMain m(pump, s, ui, factory);
        m.FormCreate();
        for (const Key& k : c.keys)
            m.FormKeyDown(k.letter, k.shift);
        EXPECT_EQ(m.image(MainImage::Calibracao).visible, c.revealed) << c.name;
        EXPECT_EQ(m.label(MainLabel::Calibracao).visible, c.revealed) << c.name;
    }
}

TEST_F(AppFormMain, CtrlRightClickOnTheLogoRevealsTheCalibrationIconForThisRunOnly)
{
    start();
    main->Image1MouseDown(true, false);
    main->Image1MouseDown(false, true);
    EXPECT_FALSE(shown(MainImage::Calibracao));
    main->Image1MouseDown(true, true);
    EXPECT_TRUE(shown(MainImage::Calibracao));
    EXPECT_EQ(main->image(MainImage::Calibracao).top, 502);
    connect();
    main->imageClick(MainImage::Calibracao);
    EXPECT_EQ(main->shownFrame(), FrameId::TesteCalibracao);
    // A device type change keeps it; a new run hides it again.
    main->rgTipoEquipClick(kQLX700P);
    EXPECT_TRUE(shown(MainImage::Calibracao));
    main = std::make_unique<TFormMain>(pump, *settings, ui, factory);
    main->FormCreate();
    EXPECT_FALSE(shown(MainImage::Calibracao));
}

TEST_F(AppFormMain, ALanguageSelectorRelabelsTheShownFrameAndSavesTheLanguage)
{
    start();
    factory.log.clear();
    main->languageClick(1);
    EXPECT_EQ(main->caption(), "QLX700-T Control  " + kVersion);
    EXPECT_EQ(main->label(MainLabel::Geral).text, "General Conf.");
    EXPECT_EQ(main->label(MainLabel::ConfSaida).text, "Output Conf.");
    EXPECT_EQ(main->tipoEquipLabel(), "Device:");
    EXPECT_EQ(factory.log, (std::vector<std::string>{"frame0 SetIdioma 1"}));
    EXPECT_NE(confIni().find("LastLanguage=1"), std::string::npos);

    main->languageClick(2);
    EXPECT_EQ(main->label(MainLabel::ConfEquip).text, "Conf. Equipo");
    EXPECT_EQ(main->label(MainLabel::ConfSaida).text, "Conf. Salida");
    EXPECT_NE(confIni().find("LastLanguage=2"), std::string::npos);
    // Pages shown later get the language when they are shown.
    main->ShowPage(2);
    EXPECT_EQ(factory.log.back(), "frame8 AtivarFrame 2");
}

TEST_F(AppFormMain, AFailedSaveIsReported)
{
    start();
    std::filesystem::remove(folder / "conf.ini");
    std::filesystem::create_directory(folder / "conf.ini");
    main->languageClick(1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text.rfind("Could not write the settings: ", 0), 0u);
    EXPECT_EQ(main->language(), 1);
}
