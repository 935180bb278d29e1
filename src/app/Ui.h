#pragma once

#include <string>

class TFormSenha;
class TFormTrocarSenha;
class TFormAlterarRelogio;
class TFormMemo;
class TFormNotificacao;
class TFormConectaCom;
class TFormEntraIP;
class TFormChangeIp;
class TFormCalibCorrente;
class TFormCalibRTDRegressao;
class TFormCalibRTD;
class TFormCalibEntrCorrRegressao;
class TForm_QLX700IRR_Manual;
class TFormDetectFalhaParam;

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
    // destroyed when the operation ends (TFormNotificacao does all three).
    virtual void openNotice(TFormNotificacao& notice) = 0;
    virtual void refreshNotice(TFormNotificacao& notice) = 0;
    virtual void closeNotice(TFormNotificacao& notice) = 0;

    virtual void exec(TFormSenha& form) = 0;
    virtual void exec(TFormTrocarSenha& form) = 0;
    virtual void exec(TFormAlterarRelogio& form) = 0;
    virtual void exec(TFormMemo& form) = 0;
    virtual void exec(TFormConectaCom& form) = 0;
    virtual void exec(TFormEntraIP& form) = 0;
    virtual void exec(TFormChangeIp& form) = 0;
    virtual void exec(TFormCalibCorrente& form) = 0;
    virtual void exec(TFormCalibRTDRegressao& form) = 0;
    virtual void exec(TFormCalibRTD& form) = 0;
    virtual void exec(TFormCalibEntrCorrRegressao& form) = 0;
    virtual void exec(TForm_QLX700IRR_Manual& form) = 0;
    // Runs the membrane form's timer while it is shown.
    virtual void exec(TFormDetectFalhaParam& form) = 0;
};
