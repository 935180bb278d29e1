#pragma once

#include "gui/app/PageView.h"

#include <functional>

class QPushButton;
class QTableWidget;
class TFrame_QLX700IRR_Registros;

// The QLX700-IRR records page: the grid of up to 50 records and the save and erase
// buttons. The reading's progress shows in the busy notice.
class Frame_QLX700IRR_RegistrosView final : public PageView {
    Q_OBJECT
public:
    explicit Frame_QLX700IRR_RegistrosView(TFrame_QLX700IRR_Registros& logic, QWidget* parent = nullptr);

    void render() override;

private:
    QPushButton* button(const char* name, std::function<void()> click);

    TFrame_QLX700IRR_Registros& logic_;
    QTableWidget* sgRegistros_ = nullptr;
    QPushButton* bbArquivo_ = nullptr;
    QPushButton* bbApagarEventos_ = nullptr;
};
