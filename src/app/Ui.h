#pragma once

#include <string>

class PasswordDialog;
class ChangePasswordDialog;
class ClockDialog;
class TextWindow;
class BusyNotice;
class SerialConnectDialog;
class IpConnectDialog;
class ChangeIpDialog;
class OutputCalibrationWindow;
class RtdRegressionWindow;
class RtdTableWindow;
class InputRegressionWindow;
class ManualOperationWindow;
class FaultDetectionWindow;

// The four kinds of message box.
enum class MessageKind { Error, Warning, Confirmation, Information };

// Everything modal that a screen's logic needs: message boxes, questions, the busy
// notice and the dialogs it opens. The Qt views implement it with real windows; the
// tests with a script. A dialog's logic object holds its state and result; `exec`
// returns when the dialog has closed.
class Ui {
public:
    virtual ~Ui() = default;

    virtual void showMessage(MessageKind kind, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(MessageKind kind, const std::string& text) = 0;
    // A question with Yes, No and Cancel.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(MessageKind kind, const std::string& text) = 0;

    // The busy notice: shown without waiting, refreshed when its text changes,
    // destroyed when the operation ends (BusyNotice does all three).
    virtual void openNotice(BusyNotice& notice) = 0;
    virtual void refreshNotice(BusyNotice& notice) = 0;
    virtual void closeNotice(BusyNotice& notice) = 0;

    virtual void exec(PasswordDialog& dialog) = 0;
    virtual void exec(ChangePasswordDialog& dialog) = 0;
    virtual void exec(ClockDialog& dialog) = 0;
    virtual void exec(TextWindow& dialog) = 0;
    virtual void exec(SerialConnectDialog& dialog) = 0;
    virtual void exec(IpConnectDialog& dialog) = 0;
    virtual void exec(ChangeIpDialog& dialog) = 0;
    virtual void exec(OutputCalibrationWindow& dialog) = 0;
    virtual void exec(RtdRegressionWindow& dialog) = 0;
    virtual void exec(RtdTableWindow& dialog) = 0;
    virtual void exec(InputRegressionWindow& dialog) = 0;
    virtual void exec(ManualOperationWindow& dialog) = 0;
    // Runs the fault detection window's timer while it is shown.
    virtual void exec(FaultDetectionWindow& dialog) = 0;
};
