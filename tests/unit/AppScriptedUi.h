#pragma once

#include "app/ClockDialog.h"
#include "app/ChangeIpDialog.h"
#include "app/SerialConnectDialog.h"
#include "app/IpConnectDialog.h"
#include "app/TextWindow.h"
#include "app/BusyNotice.h"
#include "app/PasswordDialog.h"
#include "app/ChangePasswordDialog.h"
#include "screens/calibration/OutputCalibrationWindow.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/RtdTableWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"
#include "screens/irrigation/ManualOperationWindow.h"
#include "screens/thermal/FaultDetectionWindow.h"
#include "app/Ui.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The Ui of the headless tests: records every message and notice in order, answers
// questions from a script and plays each dialog with the test's own steps (after
// the dialog's show event, as a window would).
class ScriptedUi final : public Ui {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };

    void showMessage(MessageKind kind, const std::string& text) override
    {
        messages.push_back({kind, text});
        log.push_back("message: " + text);
    }
    bool ask(MessageKind kind, const std::string& text) override
    {
        showMessage(kind, text);
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    // Unscripted three-way questions are cancelled.
    Answer askYesNoCancel(MessageKind kind, const std::string& text) override
    {
        showMessage(kind, text);
        if (threeWay.empty())
            return Answer::Cancel;
        const Answer a = threeWay.front();
        threeWay.pop_front();
        return a;
    }
    void openNotice(BusyNotice& n) override { log.push_back("notice open: " + n.message()); }
    void refreshNotice(BusyNotice& n) override { log.push_back("notice: " + n.message()); }
    void closeNotice(BusyNotice&) override { log.push_back("notice closed"); }

    void exec(PasswordDialog& f) override { play(f, passwordDialog); }
    void exec(ChangePasswordDialog& f) override
    {
        f.readDevice();
        play(f, changePasswordDialog);
    }
    void exec(ClockDialog& f) override { play(f, clockDialog); }
    void exec(TextWindow& f) override { play(f, textWindow); }
    void exec(SerialConnectDialog& f) override { play(f, serialConnectDialog); }
    void exec(IpConnectDialog& f) override { play(f, ipConnectDialog); }
    void exec(ChangeIpDialog& f) override
    {
        f.readDevice();
        play(f, changeIpDialog);
    }
    void exec(OutputCalibrationWindow& f) override { play(f, outputCalibrationWindow); }
    void exec(RtdRegressionWindow& f) override { play(f, rtdRegressionWindow); }
    void exec(RtdTableWindow& f) override { play(f, rtdTableWindow); }
    void exec(InputRegressionWindow& f) override { play(f, inputRegressionWindow); }
    void exec(ManualOperationWindow& f) override { play(f, manualOperationWindow); }
    void exec(FaultDetectionWindow& f) override { play(f, faultDetectionWindow); }

    std::vector<std::string> messageTexts() const
    {
        std::vector<std::string> t;
        for (const Message& m : messages)
            t.push_back(m.text);
        return t;
    }

    std::vector<Message> messages;
    std::vector<std::string> log;
    std::deque<bool> answers;
    std::deque<Answer> threeWay;
    std::function<void(PasswordDialog&)> passwordDialog;
    std::function<void(ChangePasswordDialog&)> changePasswordDialog;
    std::function<void(ClockDialog&)> clockDialog;
    std::function<void(TextWindow&)> textWindow;
    std::function<void(SerialConnectDialog&)> serialConnectDialog;
    std::function<void(IpConnectDialog&)> ipConnectDialog;
    std::function<void(ChangeIpDialog&)> changeIpDialog;
    std::function<void(OutputCalibrationWindow&)> outputCalibrationWindow;
    std::function<void(RtdRegressionWindow&)> rtdRegressionWindow;
    std::function<void(RtdTableWindow&)> rtdTableWindow;
    std::function<void(InputRegressionWindow&)> inputRegressionWindow;
    std::function<void(ManualOperationWindow&)> manualOperationWindow;
    std::function<void(FaultDetectionWindow&)> faultDetectionWindow;

private:
    template <typename DialogType>
    void play(DialogType& f, const std::function<void(DialogType&)>& script)
    {
        log.push_back("dialog");
        if (script)
            script(f);
        if (!f.closed())
            f.cancel();
    }
};
