#pragma once

#include "app/AccessWord.h"
#include "app/MainIcon.h"
#include "app/PageId.h"
#include "device/LinkActivity.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class AppSettings;
class EventPump;
class PageFactory;
class DeviceLink;
class Page;
class Ui;

// The main window: owns the one link, creates every page once and shows one at a
// time in the client area, chosen by the icon column; selects the device type and
// the language; reveals the calibration page to those who know the access word.
class MainWindow {
public:
    struct ImageState {
        bool visible = false;
        int top = 0;
        // It opens the page shown in the client area.
        bool current = false;
    };
    struct LabelState {
        bool visible = false;
        int top = 0;
        std::string text;
    };

    MainWindow(EventPump& pump, AppSettings& settings, Ui& ui, PageFactory& factory);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The start-up sequence: link, settings, pages, first page, device type, language.
    void start();

    void showPage(int pageNumber);
    void hideAllPages();
    void setLanguage(int language);

    // --- handlers (they take effect once the link's running work has ended)
    void imageClicked(MainImage image);
    void deviceTypeChosen(int index);
    void languageChosen(int language);
    void keyPressed(int keyCode, bool shift);
    void logoPressed(bool rightButton, bool ctrl);

    // --- for the pages
    // Selects a device type as a click on the selector does (a general page that
    // finds another model's signature); it happens once the connect road has ended.
    void selectDeviceType(int index);
    // The QLX700-R general page reports how many current outputs the device has;
    // the current output icon of the R shows when there is at least one.
    void setCurrentOutputCount(int count);
    // A QLX700-C shows its current-output entry once connected.
    void showCurrentOutputEntry();
    int currentOutputCount() const { return currentOutputCount_; }
    DeviceLink& comm() { return *comm_; }
    AppSettings& settings() { return settings_; }
    Ui& ui() { return ui_; }
    Page* page(PageId id) const { return pages_[static_cast<std::size_t>(id)].get(); }

    // --- state for the view
    int language() const { return language_; }
    const std::string& caption() const { return caption_; }
    const std::string& deviceTypeLabel() const { return deviceTypeLabel_; }
    const std::array<std::string, 5>& deviceTypeItems() const { return deviceTypeItems_; }
    int deviceTypeIndex() const { return deviceTypeIndex_; } // -1: nothing selected
    const ImageState& image(MainImage i) const { return images_[static_cast<std::size_t>(i)]; }
    const LabelState& label(MainLabel l) const { return labels_[static_cast<std::size_t>(l)]; }
    // The page in the client area; none when the client area is empty.
    std::optional<PageId> shownPage() const { return shownPage_; }
    // The client width the view must widen to at least, once (0: no request).
    int takeClientWidthRequest();

    // Called after every change of the state above.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void setImage(MainImage i, bool visible);
    void moveImage(MainImage i, int slot);
    void applyIconsForType(int type);
    void switchDeviceType(int index);
    void whenIdle(LinkActivity::Key key, std::function<void()> action);
    void switchToPage(std::optional<PageId> id, bool timer);
    void save();
    void notify();

    EventPump& pump_;
    AppSettings& settings_;
    Ui& ui_;
    PageFactory& factory_;
    std::unique_ptr<DeviceLink> comm_;
    std::array<std::unique_ptr<Page>, kPageCount> pages_;

    int language_ = 0;
    std::string version_;
    std::string caption_;
    std::string deviceTypeLabel_;
    std::array<std::string, 5> deviceTypeItems_;
    int deviceTypeIndex_ = -1;
    std::array<ImageState, kMainImageCount> images_{};
    std::array<LabelState, kMainLabelCount> labels_{};
    std::optional<PageId> shownPage_;
    int clientWidthRequest_ = 0;
    int currentOutputCount_ = 0;
    AccessWord accessWord_;
    std::function<void()> changed_;
};
