#include "app/FormNotificacaoF.h"

#include "app/Ui.h"

#include <utility>

TFormNotificacao::TFormNotificacao(Ui& ui, std::string message, int width)
    : ui_(ui)
    , message_(std::move(message))
    , width_(width)
{
    ui_.openNotice(*this);
}

TFormNotificacao::~TFormNotificacao()
{
    ui_.closeNotice(*this);
}

void TFormNotificacao::setMensagem(std::string message)
{
    message_ = std::move(message);
    ui_.refreshNotice(*this);
}
