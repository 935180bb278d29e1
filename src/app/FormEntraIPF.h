#pragma once

#include "app/TDialog.h"
#include "settings/SettingsRecord.h"

#include <string>
#include <vector>

class HostResolver;
class Ui;

// Chooses the computer's own address and the device's address (typed, or a host
// name to resolve) and port. The dialog result names the link: OK and Yes the
// asynchronous TCP link, mrUdp the UDP link.
class TFormEntraIP final : public TDialog {
public:
    static constexpr const char* kDefaultIP = "192.168.1.50";
    static constexpr int kDefaultPort = 43101;

    TFormEntraIP(int language, std::vector<std::string> pcAddresses, HostResolver& resolver, Ui& ui);

    void SetIdioma(int language);
    // The caller's last values: device address (when longer than one character),
    // the computer address when listed (else the first entry), port and host name.
    void prefill(const ConnectionSettings& last);

    void setPCIPText(const std::string& text) { pcIp_ = text; }
    void setEdEquipIP(const std::string& text) { equipIp_ = text; }
    void setEdEndereco(const std::string& text) { endereco_ = text; }
    // The two port fields mirror each other.
    void edPortaChange(const std::string& text);
    void edDominioPortaChange(const std::string& text);
    // bbIPPadrao, bbPortaPadrao and bbDominioPortaPadrao.
    void bbPadraoClick();
    void bbOkClick();
    void bbOkEnderecoClick();
    void bbOkUdpClick();

    // --- state for the view
    const std::vector<std::string>& pcAddresses() const { return pcAddresses_; }
    const std::string& pcIpText() const { return pcIp_; }
    const std::string& edEquipIP() const { return equipIp_; }
    const std::string& edPorta() const { return porta_; }
    const std::string& edDominioPorta() const { return dominioPorta_; }
    const std::string& edEndereco() const { return endereco_; }
    struct Captions {
        std::string caption, lblIpPc, gbIp, lblIpEquip, lblPorta, gbDominio, lblEndereco, bbIPPadrao, bbPortaPadrao;
    };
    const Captions& captions() const { return captions_; }

    // --- results
    const std::string& resultAddress() const { return resultAddress_; }
    int resultPort() const { return resultPort_; }

private:
    int language_ = 0;
    std::vector<std::string> pcAddresses_;
    HostResolver& resolver_;
    Ui& ui_;
    std::string pcIp_;
    std::string equipIp_;
    std::string porta_;
    std::string dominioPorta_;
    std::string endereco_;
    Captions captions_;
    std::string resultAddress_;
    int resultPort_ = 0;
};
