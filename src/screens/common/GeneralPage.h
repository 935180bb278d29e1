#pragma once

#include "app/LocalDateTime.h"
#include "app/Page.h"
#include "device/LinkActivity.h"
#include "link/SerialLinkSettings.h"
#include "screens/common/ConfigFileFlow.h"
#include "screens/common/ConnectFlow.h"
#include "screens/common/GeneralPageCaptions.h"
#include "screens/common/GeneralPageContext.h"
#include "screens/common/GeneralPageModel.h"
#include "screens/common/GeneralPageState.h"

#include <cstdint>
#include <functional>
#include <string>

// What the five general pages share: the connect roads, the link panels, the
// refresh every second, the clock, password and IP dialogs and the configuration
// files. A model's page adds its data (GeneralPageModel) and draws its own values.
//
// The window answers during every link wait, so clicks arrive while the refresh or a
// user's action talks to the device. A user's action is held back until a running
// refresh ends (which it then ends early) and refused while another action runs;
// "Desconectar" closes the link as soon as the transaction in flight ends.
//
// A refresh stops at its first failed read. It marks the live values as stale; the
// fourth failed refresh in a row, or a link that drops, closes the link and says so.
class GeneralPage : public Page {
public:
    static constexpr int kMaxFailedTicks = 4;

    GeneralPage(GeneralPageContext context, GeneralPageModel model);

    void activate(DeviceLink& comm, int language) override;
    void setLanguage(int language) override;
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }

    void redraw();
    bool connectSerial(const std::string& port, int address, bool serialButton, const SerialLinkSettings& settings);
    bool connectIp(const std::string& deviceIp, const std::string& pcIp, bool tcp, std::uint16_t port);
    void disconnect();

    // --- handlers
    void connectClicked(bool usbButton);
    void connectIpClicked();
    void tick();
    void adjustClockFromPcClicked(const LocalDateTime& now = LocalNow());
    void adjustClockManuallyClicked();
    void changePasswordClicked();
    void changeIpClicked();
    void saveConfigurationClicked();
    void loadConfigurationClicked();

    // --- state for the view
    const GeneralPageState& general() const { return general_; }
    const GeneralPageCaptions& generalCaptions() const { return captions_; }
    bool timerEnabled() const { return timerEnabled_; }
    // Numbers are shown with the system's decimal separator.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }
    ConnectFlow& connectFlow() { return connect_; }
    int language() const { return language_; }

protected:
    // Draws the model's own values from the image; `connected` tells whether there is a link.
    virtual void drawModel(bool connected) = 0;
    // The language changed: the model's captions follow.
    virtual void languageChanged() {}
    // A connect road ended (`ok`: the password was proved).
    virtual void connectEnded(bool /*ok*/) {}

    // Runs a user's action that talks to the device: at once, holding the link, when
    // nothing else uses it; right after the refresh when one runs; not at all while
    // another action runs.
    void userAction(const std::function<void()>& action);
    bool connected() const;
    bool updating() const { return updating_; }
    // The device's own language (1500) as this link received it, 0..2, or -1.
    int deviceLanguage() const;
    // Writes the device's language as a user's action; a refusal is reported and the
    // page then shows what the device holds.
    void sendDeviceLanguage(int index);
    // printf-style number with the system's decimal separator.
    std::string number(const char* format, double value) const;

    GeneralPageContext context_;
    DeviceLink* comm_ = nullptr;

private:
    enum class LiveRead { Answered, Failed, Interrupted };
    LiveRead readLive();
    void drawPanels(bool on);
    void linkLost();
    void afterConnect(bool ok);

    GeneralPageModel model_;
    ConnectFlow connect_;
    ConfigFileFlow files_;
    GeneralPageState general_;
    GeneralPageCaptions captions_;
    int language_ = 0;
    bool timerEnabled_ = false;
    bool updating_ = false;
    char decimalSeparator_ = '.';
    // A link of this page was open at the last refresh, so losing it is news.
    bool wasConnected_ = false;
    int failedTicks_ = 0;
    LocalDateTime lastGood_{};
};
