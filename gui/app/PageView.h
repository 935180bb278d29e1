#pragma once

#include <QWidget>

class QVBoxLayout;

// The view of one page of the main window. The window redraws the page it shows
// whenever its own state changes (a language, a page switch).
class PageView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void render() = 0;

protected:
    // Fills the page with its background panel, which takes the focus when an edit is
    // left with Enter; returns the panel's column for the page's contents.
    QVBoxLayout* addBackground();
    QWidget* background() const { return backgroundPanel_; }

private:
    QWidget* backgroundPanel_ = nullptr;
};
