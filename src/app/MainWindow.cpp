#include "app/MainWindow.h"

#include "app/AppSettings.h"
#include "app/LanguageText.h"
#include "app/Page.h"
#include "app/PageFactory.h"
#include "app/SettingsSave.h"
#include "app/Ui.h"
#include "device/DeviceLink.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "settings/MonotonicClock.h"
#include "settings/ProgramVersion.h"

#include <utility>

namespace {

constexpr const char* kAccessWord = "TorvaKelmDrusin";
constexpr int kSetPointsWidth = 900;

// Window caption by device type, followed by the program version. The R, which had
// no caption of its own, is named like the others.
constexpr std::array<LangText, kDeviceTypeCount> kModelCaptions{{
    {"Controle do QLX700-T  ", "QLX700-T Control  ", "Control de QLX700-T  "},
    {"Controle do QLX700-P  ", "QLX700-P Control  ", "Control de QLX700-P  "},
    {"Controle do QLX700-R  ", "QLX700-R Control  ", "Control de QLX700-R  "},
    {"Controle do QLX700IRR  ", "QLX700IRR Control  ", "Control de QLX700IRR  "},
    {"Controle do QLX700-C  ", "QLX700-C Control  ", "Control de QLX700-C  "},
}};

constexpr std::array<LangText, kMainLabelCount> kIconLabels{{
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
constexpr LangText kDeviceTypeLabel{"Equipamento:", "Device:", "Equipo:"};
constexpr LangText kLoadFailed{"Não foi possível ler as configurações: ", "Could not read the settings: ",
                               "No fue posible leer la configuración: "};

// The pages that own a periodic timer.
constexpr std::array<PageId, 6> kTimedPages{PageId::ThermalGeneral,   PageId::ParallelismGeneral,
                                            PageId::RegulatorGeneral, PageId::IrrigationGeneral,
                                            PageId::PositionGeneral,  PageId::Events};

PageId generalPage(int type)
{
    switch (type) {
    case kQLX700P:
        return PageId::ParallelismGeneral;
    case kQLX700R:
        return PageId::RegulatorGeneral;
    case kQLX700IRR:
        return PageId::IrrigationGeneral;
    case kQLX700C:
        return PageId::PositionGeneral;
    default:
        return PageId::ThermalGeneral;
    }
}

std::optional<PageId> deviceSettingsPage(int type)
{
    switch (type) {
    case kQLX700R:
        return PageId::RegulatorSettings;
    case kQLX700IRR:
        return PageId::IrrigationSettings;
    case kQLX700C:
        return PageId::PositionIndicator;
    default:
        return std::nullopt;
    }
}

} // namespace

MainWindow::MainWindow(EventPump& pump, AppSettings& settings, Ui& ui, PageFactory& factory)
    : pump_(pump)
    , settings_(settings)
    , ui_(ui)
    , factory_(factory)
    , accessWord_(kAccessWord)
{
}

// The pages go before the link (members are destroyed in reverse order): a page may
// still use the link while it is destroyed.
MainWindow::~MainWindow() = default;

void MainWindow::start()
{
    StartClock();
    comm_ = std::make_unique<DeviceLink>(pump_);
    std::string error;
    if (!settings_.load(error))
        ui_.showMessage(MessageKind::Error, kLoadFailed.in(settings_.record().LastLanguage) + error);
    language_ = ValidLanguage(settings_.record().LastLanguage);
    comm_->setReadRetries(settings_.record().Retries);
    for (int i = 0; i < kPageCount; ++i)
        pages_[static_cast<std::size_t>(i)] = factory_.create(static_cast<PageId>(i), *this);
    showPage(0);
    version_ = VersionToText(GetProgramVersion());
    for (int i = 0; i < kMainImageCount; ++i)
        moveImage(static_cast<MainImage>(i), kMainImages[static_cast<std::size_t>(i)].slot);
    // Every icon starts as drawn; the device type decides which stay. The
    // calibration icon waits for the access word.
    for (int i = 0; i < kMainImageCount; ++i)
        setImage(static_cast<MainImage>(i), static_cast<MainImage>(i) != MainImage::Calibration);
    setLanguage(language_);
    notify();
}

void MainWindow::hideAllPages()
{
    shownPage_.reset();
    for (ImageState& image : images_)
        image.current = false;
    for (PageId id : kTimedPages) {
        if (Page* f = page(id))
            f->setTimerEnabled(false);
    }
}

void MainWindow::switchToPage(std::optional<PageId> id, bool timer)
{
    shownPage_ = id;
    if (!id)
        return;
    if (Page* f = page(*id)) {
        // Shown before it reads, so that the page is drawn behind a long reading's notice.
        notify();
        f->activate(*comm_, language_);
        if (timer)
            f->setTimerEnabled(true);
    }
}

void MainWindow::showPage(int pageNumber)
{
    hideAllPages();
    // A page's first reading is work on the link like any other: a page, model or
    // language chosen meanwhile follows once the page has been shown whole.
    const LinkActivity::Hold showing(comm_->activity(), LinkActivity::Kind::Action);
    const int type = comm_->deviceType();
    switch (pageNumber) {
    case 0:
        switchToPage(generalPage(type), true);
        break;
    case 1:
        switchToPage(PageId::SetPoints, false);
        clientWidthRequest_ = kSetPointsWidth;
        break;
    case 2:
        switchToPage(PageId::SerialPorts, false);
        break;
    case 3:
        switchToPage(PageId::CurrentOutputs, false);
        break;
    case 4:
        if (deviceTypeIndex_ == kQLX700IRR)
            switchToPage(PageId::IrrigationRecords, false);
        else
            switchToPage(PageId::Events, true);
        break;
    case 5:
        switchToPage(PageId::Calibration, false);
        break;
    case 6:
        switchToPage(PageId::Parallelism, false);
        break;
    case 7:
        switchToPage(deviceSettingsPage(type), false);
        break;
    case 8:
        switchToPage(PageId::RegulatorSets, false);
        break;
    default:
        break;
    }
    // The icon of the page shown is marked, not the last one clicked: a click waiting
    // for the link's work marks nothing until its page shows.
    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i].current = shownPage_ && kMainImages[i].pageNumber == pageNumber;
    notify();
}

void MainWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    const int type = comm_->deviceType();
    caption_ = kModelCaptions[static_cast<std::size_t>(type >= 0 && type < kDeviceTypeCount ? type : 0)].in(language_)
        + version_;
    for (int i = 0; i < kMainLabelCount; ++i)
        labels_[static_cast<std::size_t>(i)].text = kIconLabels[static_cast<std::size_t>(i)].in(language_);
    if (type == kQLX700IRR)
        labels_[static_cast<std::size_t>(MainLabel::Events)].text = kRecordsLabel.in(language_);
    deviceTypeLabel_ = kDeviceTypeLabel.in(language_);
    for (int t = 0; t < kDeviceTypeCount; ++t)
        deviceTypeItems_[static_cast<std::size_t>(t)] = std::string(modelName(t));
    const int stored = settings_.record().LastDevice;
    const int wanted = stored >= 1 && stored < kDeviceTypeCount ? stored : 0;
    // Selecting another item runs the selector's click, as a user's click would.
    if (wanted != deviceTypeIndex_)
        switchDeviceType(wanted);
    if (shownPage_) {
        if (Page* f = page(*shownPage_))
            f->setLanguage(language_);
    }
    notify();
}

// Clicks of the window itself arrive during the link's waits too: they take effect as
// soon as the running work ends, so pages, model and language never change under it.
void MainWindow::whenIdle(LinkActivity::Key key, std::function<void()> action)
{
    comm_->activity().whenIdle(key, [this, action = std::move(action)] {
        action();
        notify();
    });
}

void MainWindow::imageClicked(MainImage image)
{
    whenIdle(LinkActivity::Key::Page, [this, image] {
        if (!this->image(image).visible)
            return;
        if (image != MainImage::General && !comm_->connected())
            return;
        showPage(imageInfo(image).pageNumber);
    });
}

void MainWindow::selectDeviceType(int index)
{
    deviceTypeChosen(index);
}

void MainWindow::deviceTypeChosen(int index)
{
    if (index < 0 || index >= kDeviceTypeCount)
        return;
    whenIdle(LinkActivity::Key::DeviceType, [this, index] { switchDeviceType(index); });
}

void MainWindow::switchDeviceType(int index)
{
    deviceTypeIndex_ = index;
    comm_->close();
    comm_->setDeviceType(index);
    applyIconsForType(index);
    settings_.record().LastDevice = index;
    save();
    showPage(0);
    setLanguage(language_);
}

void MainWindow::applyIconsForType(int type)
{
    const bool t = type == kQLX700T;
    const bool p = type == kQLX700P;
    const bool r = type == kQLX700R;
    const bool irr = type == kQLX700IRR;
    setImage(MainImage::General, true);
    setImage(MainImage::SetPoints, t);
    setImage(MainImage::SerialPorts, !irr);
    setImage(MainImage::CurrentOutputs, t || p);
    setImage(MainImage::OptionalCurrentOutputs, r && currentOutputCount_ > 0);
    setImage(MainImage::Events, t || irr);
    setImage(MainImage::Parallelism, p);
    setImage(MainImage::DeviceSettings, !t && !p);
    setImage(MainImage::RegulatorSets, r);
    if (irr) {
        moveImage(MainImage::DeviceSettings, 1);
        moveImage(MainImage::Events, 2);
    } else {
        moveImage(MainImage::Events, 4);
        moveImage(MainImage::DeviceSettings, 4);
    }
}

void MainWindow::setCurrentOutputCount(int count)
{
    currentOutputCount_ = count;
    if (comm_->deviceType() == kQLX700R)
        setImage(MainImage::OptionalCurrentOutputs, count > 0);
    notify();
}

void MainWindow::showCurrentOutputEntry()
{
    setImage(MainImage::OptionalCurrentOutputs, true);
    notify();
}

void MainWindow::languageChosen(int language)
{
    whenIdle(LinkActivity::Key::Language, [this, language] {
        setLanguage(language);
        settings_.record().LastLanguage = language_;
        save();
    });
}

void MainWindow::keyPressed(int keyCode, bool shift)
{
    if (accessWord_.keyDown(keyCode, shift)) {
        setImage(MainImage::Calibration, true);
        notify();
    }
}

void MainWindow::logoPressed(bool rightButton, bool ctrl)
{
    if (rightButton && ctrl) {
        setImage(MainImage::Calibration, true);
        notify();
    }
}

int MainWindow::takeClientWidthRequest()
{
    return std::exchange(clientWidthRequest_, 0);
}

void MainWindow::setImage(MainImage i, bool visible)
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

void MainWindow::moveImage(MainImage i, int slot)
{
    const IconSlot& s = kIconSlots[static_cast<std::size_t>(slot)];
    images_[static_cast<std::size_t>(i)].top = s.imageTop;
    labels_[static_cast<std::size_t>(imageInfo(i).label)].top = s.labelTop;
}

void MainWindow::save()
{
    saveSettings(settings_, ui_, language_);
}

void MainWindow::notify()
{
    if (changed_)
        changed_();
}
