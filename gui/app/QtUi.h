#pragma once

#include "app/Ui.h"

#include <QPointer>

#include <map>
#include <memory>
#include <string>
#include <utility>

class FormNotificacaoView;
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
    void openNotice(TFormNotificacao& notice) override;
    void refreshNotice(TFormNotificacao& notice) override;
    void closeNotice(TFormNotificacao& notice) override;
    void exec(TFormSenha& form) override;
    void exec(TFormTrocarSenha& form) override;
    void exec(TFormAlterarRelogio& form) override;
    void exec(TFormMemo& form) override;
    void exec(TFormConectaCom& form) override;
    void exec(TFormEntraIP& form) override;
    void exec(TFormChangeIp& form) override;
    void exec(TFormCalibCorrente& form) override;
    void exec(TFormCalibRTDRegressao& form) override;
    void exec(TFormCalibRTD& form) override;
    void exec(TFormCalibEntrCorrRegressao& form) override;
    void exec(TForm_QLX700IRR_Manual& form) override;
    void exec(TFormDetectFalhaParam& form) override;

private:
    // A result message never sits under a busy notice.
    void closeNotices();

    QPointer<QWidget> anchor_;
    std::string passwordAnswer_;
    std::map<const TFormNotificacao*, std::unique_ptr<FormNotificacaoView>> notices_;
};
