#pragma once

#include "app/MainIcon.h"
#include "app/PageId.h"

#include <QWidget>

#include <array>

class ClickableLabel;
class PageView;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QStackedWidget;
class MainWindow;

// The main window: the device type and language row at the top, the page icons on
// the left, the page in the client area and the logo at the bottom. It draws the
// logic's state and forwards clicks and keys.
class MainWindowView final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 778;
    static constexpr int kClientHeight = 680;

    explicit MainWindowView(MainWindow& logic, QWidget* parent = nullptr);
    ~MainWindowView() override;

    // Where a page's view goes; empty until the page is built.
    QWidget* pageHost(PageId id) const { return hosts_[static_cast<std::size_t>(id)]; }
    // Puts a page's view into its host; the window redraws it with its own state.
    void setPageView(PageId id, PageView* view);
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

    MainWindow& logic_;
    QLabel* deviceTypeLabel_ = nullptr;
    QButtonGroup* deviceTypeGroup_ = nullptr;
    std::array<ClickableLabel*, 3> flags_{};
    std::array<ClickableLabel*, 3> languageNames_{};
    std::array<ClickableLabel*, kMainImageCount> images_{};
    std::array<QLabel*, kMainLabelCount> labels_{};
    QStackedWidget* clientArea_ = nullptr;
    QWidget* emptyPage_ = nullptr;
    std::array<QWidget*, kPageCount> hosts_{};
    std::array<PageView*, kPageCount> pageViews_{};
    ClickableLabel* logo_ = nullptr;
    bool rendering_ = false;
};
