#pragma once

#include "app/FrameId.h"
#include "app/MainIcon.h"

#include <QWidget>

#include <array>

class ClickableLabel;
class PageView;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QStackedWidget;
class TFormMain;

// The main window: the device type and language row at the top, the page icons on
// the left, the page in the client area and the logo at the bottom. It draws the
// logic's state and forwards clicks and keys.
class FormMainView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 778;
    static constexpr int kClientHeight = 680;

    explicit FormMainView(TFormMain& logic, QWidget* parent = nullptr);
    ~FormMainView() override;

    // Where a page's view goes; empty until the page is built.
    QWidget* pageHost(FrameId id) const { return hosts_[static_cast<std::size_t>(id)]; }
    // Puts a page's view into its host; the window redraws it with its own state.
    void setPageView(FrameId id, PageView* view);
    QWidget* image(MainImage i) const;
    QLabel* label(MainLabel l) const { return labels_[static_cast<std::size_t>(l)]; }
    QRadioButton* deviceTypeButton(int type) const;
    ClickableLabel* languageSelector(int language) const { return flags_[static_cast<std::size_t>(language)]; }
    QWidget* logo() const;
    // Where the pages are shown; dialogs are placed relative to it.
    QWidget* clientArea() const;

    void render();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // While the link's work runs (its waits keep the window answering), the window
    // closes as soon as that work has ended.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTop();
    QWidget* buildLeft();
    QWidget* buildBottom();

    TFormMain& logic_;
    QLabel* lblTipoEquip_ = nullptr;
    QButtonGroup* rgTipoEquip_ = nullptr;
    std::array<ClickableLabel*, 3> flags_{};
    std::array<ClickableLabel*, 3> languageNames_{};
    std::array<ClickableLabel*, kMainImageCount> images_{};
    std::array<QLabel*, kMainLabelCount> labels_{};
    QStackedWidget* pnAlClient_ = nullptr;
    QWidget* emptyPage_ = nullptr;
    std::array<QWidget*, kFrameCount> hosts_{};
    std::array<PageView*, kFrameCount> pageViews_{};
    ClickableLabel* image1_ = nullptr;
    bool rendering_ = false;
};
