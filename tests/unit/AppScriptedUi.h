#pragma once

#include "app/FormAlterarRelogioF.h"
#include "app/FormChangeIpF.h"
#include "app/FormConectaComF.h"
#include "app/FormEntraIPF.h"
#include "app/FormMemoF.h"
#include "app/FormNotificacaoF.h"
#include "app/FormSenhaF.h"
#include "app/FormTrocarSenhaF.h"
#include "screens/calibration/FormCalibCorrenteF.h"
#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"
#include "screens/calibration/FormCalibRTDF.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"
#include "screens/irrigation/Form_QLX700IRR_ManualF.h"
#include "screens/thermal/FormDetectFalhaParamF.h"
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
    void openNotice(TFormNotificacao& n) override { log.push_back("notice open: " + n.mensagem()); }
    void refreshNotice(TFormNotificacao& n) override { log.push_back("notice: " + n.mensagem()); }
    void closeNotice(TFormNotificacao&) override { log.push_back("notice closed"); }

    void exec(TFormSenha& f) override { play(f, senha); }
    void exec(TFormTrocarSenha& f) override
    {
        f.FormShow();
        play(f, trocarSenha);
    }
    void exec(TFormAlterarRelogio& f) override { play(f, relogio); }
    void exec(TFormMemo& f) override { play(f, memo); }
    void exec(TFormConectaCom& f) override { play(f, conectaCom); }
    void exec(TFormEntraIP& f) override { play(f, entraIP); }
    void exec(TFormChangeIp& f) override
    {
        f.FormShow();
        play(f, changeIp);
    }
    void exec(TFormCalibCorrente& f) override { play(f, calibCorrente); }
    void exec(TFormCalibRTDRegressao& f) override { play(f, calibRTDRegressao); }
    void exec(TFormCalibRTD& f) override { play(f, calibRTD); }
    void exec(TFormCalibEntrCorrRegressao& f) override { play(f, calibEntrCorr); }
    void exec(TForm_QLX700IRR_Manual& f) override { play(f, irrManual); }
    void exec(TFormDetectFalhaParam& f) override { play(f, detectFalha); }

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
    std::function<void(TFormSenha&)> senha;
    std::function<void(TFormTrocarSenha&)> trocarSenha;
    std::function<void(TFormAlterarRelogio&)> relogio;
    std::function<void(TFormMemo&)> memo;
    std::function<void(TFormConectaCom&)> conectaCom;
    std::function<void(TFormEntraIP&)> entraIP;
    std::function<void(TFormChangeIp&)> changeIp;
    std::function<void(TFormCalibCorrente&)> calibCorrente;
    std::function<void(TFormCalibRTDRegressao&)> calibRTDRegressao;
    std::function<void(TFormCalibRTD&)> calibRTD;
    std::function<void(TFormCalibEntrCorrRegressao&)> calibEntrCorr;
    std::function<void(TForm_QLX700IRR_Manual&)> irrManual;
    std::function<void(TFormDetectFalhaParam&)> detectFalha;

private:
    template <typename Form>
    void play(Form& f, const std::function<void(Form&)>& script)
    {
        log.push_back("dialog");
        if (script)
            script(f);
        if (!f.closed())
            f.cancel();
    }
};
