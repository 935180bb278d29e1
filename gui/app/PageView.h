#pragma once

#include <QWidget>

// The view of one page of the main window. The window redraws the page it shows
// whenever its own state changes (a language, a page switch).
class PageView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void render() = 0;
};
