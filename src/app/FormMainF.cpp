#include "app/FormMainF.h"

#include "app/AppSettings.h"
#include "app/FrameFactory.h"
#include "app/LanguageText.h"
#include "app/SettingsSave.h"
#include "app/TFrame.h"
#include "app/Ui.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "settings/MonotonicClock.h"
#include "settings/ProgramVersion.h"

#include <utility>

namespace {

constexpr const char* kAccessWord = "TorvaKelmDrusin";
constexpr int kSetPointsWidth = 900;

// Window caption by device type, followed by the program version. The R, which had
// no caption of its own, is named like the others.
constexpr std::array<LangText, kDeviceTypeCount> kCaption{{
    {"Controle do QLX700-T  ", "QLX700-T Control  ", "Control de QLX700-T  "},
    {"Controle do QLX700-P  ", "QLX700-P Control  ", "Control de QLX700-P  "},
    {"Controle do QLX700-R  ", "QLX700-R Control  ", "Control de QLX700-R  "},
    {"Controle do QLX700IRR  ", "QLX700IRR Control  ", "Control de QLX700IRR  "},
    {"Controle do QLX700-C  ", "QLX700-C Control  ", "Control de QLX700-C  "},
}};

constexpr std::array<LangText, kMainLabelCount> kLabels{{
    {"Conf. Geral", "General Conf.", "Conf. General"},
    {"SetPoints", "SetPoints", "SetPoints"},
    {"Paralelismo", "Parallelism", "Paralelismo"},
    {"Conj. Regul.", "Regulat. Set", "Conj. Regul."},
    {"Conf. Serial", "Serial Conf.", "Conf. Serial"},
    {"Conf. Saída", "Output Conf.", "Conf. Salida"},
    {"Eventos/Max", "Events/Max", "Eventos/Max"},
    {"Conf. Equip.", "Device Conf.", "Conf. Equipo"},
    {"Calibr./Teste", "Calibr./Test", "Calibr./Teste"},
}};
constexpr LangText kRecordsLabel{"Registros", "Records", "Registros"};
constexpr LangText kTipoEquip{"Equipamento:", "Device:", "Equipo:"};
constexpr LangText kLoadFailed{"Não foi possível ler as configurações: ", "Could not read the settings: ",
                               "No fue posible leer la configuración: "};

// The frames that own a periodic timer.
constexpr std::array<FrameId, 6> kTimedFrames{FrameId::ConfGeral,    FrameId::ConfGeralP, FrameId::ConfGeralR,
                                              FrameId::ConfGeralIRR, FrameId::ConfGeralC, FrameId::Download};

FrameId generalFrame(int type)
{
    switch (type) {
    case kQLX700P:
        return FrameId::ConfGeralP;
    case kQLX700R:
        return FrameId::ConfGeralR;
    case kQLX700IRR:
        return FrameId::ConfGeralIRR;
    case kQLX700C:
        return FrameId::ConfGeralC;
    default:
        return FrameId::ConfGeral;
    }
}

std::optional<FrameId> deviceConfFrame(int type)
{
    switch (type) {
    case kQLX700R:
        return FrameId::ConfQLX700R;
    case kQLX700IRR:
        return FrameId::ConfQLX700IRR;
    case kQLX700C:
        return FrameId::ConfQLX700C;
    default:
        return std::nullopt;
    }
}

} // namespace

TFormMain::TFormMain(EventPump& pump, AppSettings& settings, Ui& ui, FrameFactory& frames)
    : pump_(pump)
    , settings_(settings)
    , ui_(ui)
    , factory_(frames)
    , accessWord_(kAccessWord)
{
}

// The pages go before the link (members are destroyed in reverse order): a page may
// still use the link while it is destroyed.
TFormMain::~TFormMain() = default;

void TFormMain::FormCreate()
{
    StartClock();
    comm_ = std::make_unique<TEquipComm>(pump_);
    std::string error;
    if (!settings_.load(error))
        ui_.showMessage(MessageKind::Error, kLoadFailed.in(settings_.record().LastLanguage) + error);
    language_ = ValidLanguage(settings_.record().LastLanguage);
    for (int i = 0; i < kFrameCount; ++i)
        frames_[static_cast<std::size_t>(i)] = factory_.create(static_cast<FrameId>(i), *this);
    ShowPage(0);
    version_ = VersionToText(GetProgramVersion());
    for (int i = 0; i < kMainImageCount; ++i)
        moveImage(static_cast<MainImage>(i), kMainImages[static_cast<std::size_t>(i)].slot);
    // Every icon starts as drawn; the device type decides which stay. The
    // calibration icon waits for the access word.
    for (int i = 0; i < kMainImageCount; ++i)
        setImage(static_cast<MainImage>(i), static_cast<MainImage>(i) != MainImage::Calibracao);
    SetIdioma(language_);
    notify();
}

void TFormMain::HideAllPages()
{
    shownFrame_.reset();
    for (FrameId id : kTimedFrames) {
        if (TFrame* f = frame(id))
            f->setTimerEnabled(false);
    }
}

void TFormMain::showFrame(std::optional<FrameId> id, bool timer)
{
    shownFrame_ = id;
    if (!id)
        return;
    if (TFrame* f = frame(*id)) {
        f->AtivarFrame(*comm_, language_);
        if (timer)
            f->setTimerEnabled(true);
    }
}

void TFormMain::ShowPage(int page)
{
    HideAllPages();
    const int type = comm_->deviceType();
    switch (page) {
    case 0:
        showFrame(generalFrame(type), true);
        break;
    case 1:
        showFrame(FrameId::ConfSetPoints, false);
        clientWidthRequest_ = kSetPointsWidth;
        break;
    case 2:
        showFrame(FrameId::ConfSerial, false);
        break;
    case 3:
        showFrame(FrameId::ConfSaidaCorrente, false);
        break;
    case 4:
        if (deviceTypeIndex_ == kQLX700IRR)
            showFrame(FrameId::IrrRegistros, false);
        else
            showFrame(FrameId::Download, true);
        break;
    case 5:
        showFrame(FrameId::TesteCalibracao, false);
        break;
    case 6:
        showFrame(FrameId::ConfParalelismo, false);
        break;
    case 7:
        showFrame(deviceConfFrame(type), false);
        break;
    case 8:
        showFrame(FrameId::ConfConjuntoReg, false);
        break;
    default:
        break;
    }
    notify();
}

void TFormMain::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    const int type = comm_->deviceType();
    caption_ = kCaption[static_cast<std::size_t>(type >= 0 && type < kDeviceTypeCount ? type : 0)].in(language_) + version_;
    for (int i = 0; i < kMainLabelCount; ++i)
        labels_[static_cast<std::size_t>(i)].text = kLabels[static_cast<std::size_t>(i)].in(language_);
    if (type == kQLX700IRR)
        labels_[static_cast<std::size_t>(MainLabel::Download)].text = kRecordsLabel.in(language_);
    tipoEquipLabel_ = kTipoEquip.in(language_);
    for (int t = 0; t < kDeviceTypeCount; ++t)
        deviceTypeItems_[static_cast<std::size_t>(t)] = std::string(modelName(t));
    const int stored = settings_.record().LastDevice;
    const int wanted = stored >= 1 && stored < kDeviceTypeCount ? stored : 0;
    // Selecting another item runs the selector's click, as a user's click would.
    if (wanted != deviceTypeIndex_)
        switchDeviceType(wanted);
    if (shownFrame_) {
        if (TFrame* f = frame(*shownFrame_))
            f->SetIdioma(language_);
    }
    notify();
}

// Clicks of the window itself arrive during the link's waits too: they take effect as
// soon as the running work ends, so pages, model and language never change under it.
void TFormMain::whenIdle(LinkActivity::Key key, std::function<void()> action)
{
    comm_->activity().whenIdle(key, [this, action = std::move(action)] {
        action();
        notify();
    });
}

void TFormMain::imageClick(MainImage image)
{
    whenIdle(LinkActivity::Key::Page, [this, image] {
        if (!this->image(image).visible)
            return;
        if (image != MainImage::ConfGerais && !comm_->connected())
            return;
        ShowPage(imageInfo(image).page);
    });
}

void TFormMain::selectDeviceType(int index)
{
    rgTipoEquipClick(index);
}

void TFormMain::rgTipoEquipClick(int index)
{
    if (index < 0 || index >= kDeviceTypeCount)
        return;
    whenIdle(LinkActivity::Key::DeviceType, [this, index] { switchDeviceType(index); });
}

void TFormMain::switchDeviceType(int index)
{
    deviceTypeIndex_ = index;
    comm_->close();
    comm_->setDeviceType(index);
    applyIconsForType(index);
    settings_.record().LastDevice = index;
    save();
    ShowPage(0);
    SetIdioma(language_);
}

void TFormMain::applyIconsForType(int type)
{
    const bool t = type == kQLX700T;
    const bool p = type == kQLX700P;
    const bool r = type == kQLX700R;
    const bool irr = type == kQLX700IRR;
    setImage(MainImage::ConfGerais, true);
    setImage(MainImage::ConfSetPoint, t);
    setImage(MainImage::ConfSerial, !irr);
    setImage(MainImage::ConfSaidaCorrente, t || p);
    setImage(MainImage::ConfSaidaCorrente2, r && currentOutputCount_ > 0);
    setImage(MainImage::Download, t || irr);
    setImage(MainImage::ConfParalelismo, p);
    setImage(MainImage::ConfEquip, !t && !p);
    setImage(MainImage::ConfConjuntoReg, r);
    if (irr) {
        moveImage(MainImage::ConfEquip, 1);
        moveImage(MainImage::Download, 2);
    } else {
        moveImage(MainImage::Download, 4);
        moveImage(MainImage::ConfEquip, 4);
    }
}

void TFormMain::setCurrentOutputCount(int count)
{
    currentOutputCount_ = count;
    if (comm_->deviceType() == kQLX700R)
        setImage(MainImage::ConfSaidaCorrente2, count > 0);
    notify();
}

void TFormMain::showCurrentOutputEntry()
{
    setImage(MainImage::ConfSaidaCorrente2, true);
    notify();
}

void TFormMain::languageClick(int language)
{
    whenIdle(LinkActivity::Key::Language, [this, language] {
        SetIdioma(language);
        settings_.record().LastLanguage = language_;
        save();
    });
}

void TFormMain::FormKeyDown(int keyCode, bool shift)
{
    if (accessWord_.keyDown(keyCode, shift)) {
        setImage(MainImage::Calibracao, true);
        notify();
    }
}

void TFormMain::Image1MouseDown(bool rightButton, bool ctrl)
{
    if (rightButton && ctrl) {
        setImage(MainImage::Calibracao, true);
        notify();
    }
}

int TFormMain::takeClientWidthRequest()
{
    return std::exchange(clientWidthRequest_, 0);
}

void TFormMain::setImage(MainImage i, bool visible)
{
    images_[static_cast<std::size_t>(i)].visible = visible;
    // A label shows while any of its images shows (the two current output images
    // share one).
    const MainLabel label = imageInfo(i).label;
    bool any = false;
    for (int k = 0; k < kMainImageCount; ++k) {
        if (kMainImages[static_cast<std::size_t>(k)].label == label && images_[static_cast<std::size_t>(k)].visible)
            any = true;
    }
    labels_[static_cast<std::size_t>(label)].visible = any;
}

void TFormMain::moveImage(MainImage i, int slot)
{
    const IconSlot& s = kIconSlots[static_cast<std::size_t>(slot)];
    images_[static_cast<std::size_t>(i)].top = s.imageTop;
    labels_[static_cast<std::size_t>(imageInfo(i).label)].top = s.labelTop;
}

void TFormMain::save()
{
    saveSettings(settings_, ui_, language_);
}

void TFormMain::notify()
{
    if (changed_)
        changed_();
}
