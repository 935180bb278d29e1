#pragma once

#include "app/Ui.h"

#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <utility>

class BusyNoticeView;
class QWidget;

// Message boxes, the busy notice and the dialogs as real windows, placed relative to
// the screen that opens them (the anchor).
class QtUi final : public Ui {
public:
    explicit QtUi(QWidget* anchor = nullptr);
    ~QtUi() override;

    void setAnchor(QWidget* anchor) { anchor_ = anchor; }
    // The next password dialog is answered with `text` without being shown (a page
    // opened from the command line); empty: shown as usual.
    void setPasswordAnswer(std::string text) { passwordAnswer_ = std::move(text); }

    void showMessage(MessageKind kind, const std::string& text) override;
    bool ask(MessageKind kind, const std::string& text) override;
    Answer askYesNoCancel(MessageKind kind, const std::string& text) override;
    void openNotice(BusyNotice& notice) override;
    void refreshNotice(BusyNotice& notice) override;
    void closeNotice(BusyNotice& notice) override;
    void exec(PasswordDialog& dialog) override;
    void exec(ChangePasswordDialog& dialog) override;
    void exec(ClockDialog& dialog) override;
    void exec(TextWindow& dialog) override;
    void exec(SerialConnectDialog& dialog) override;
    void exec(IpConnectDialog& dialog) override;
    void exec(ChangeIpDialog& dialog) override;
    void exec(OutputCalibrationWindow& dialog) override;
    void exec(RtdRegressionWindow& dialog) override;
    void exec(RtdTableWindow& dialog) override;
    void exec(InputRegressionWindow& dialog) override;
    void exec(ManualOperationWindow& dialog) override;
    void exec(FaultDetectionWindow& dialog) override;

private:
    // A result message never sits under a busy notice.
    void closeNotices();

    QPointer<QWidget> anchor_;
    std::string passwordAnswer_;
    std::map<const BusyNotice*, std::unique_ptr<BusyNoticeView>> notices_;
};
