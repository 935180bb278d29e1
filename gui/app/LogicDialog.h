#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QBoxLayout;
class QLineEdit;
class QPushButton;
class Dialog;

// The base of the dialog views: the logic decides when the dialog ends; the view
// closes once it has, with the logic's modal result. Escape and the close box
// cancel. The logic's show event runs once, when the dialog first appears.
class LogicDialog : public QDialog {
    Q_OBJECT
public:
    LogicDialog(Dialog& logic, QWidget* parent);
    ~LogicDialog() override;

    // Opens modally at the logic's offset from `anchor`'s client origin.
    int execAt(QWidget* anchor);

protected:
    // The logic's show event (reads from the device) and the redraw from its state.
    virtual void firstShow() {}
    virtual void render() {}

    // A button that forwards its click to the logic and then closes if it is done.
    QPushButton* makeButton(const std::string& text, const char* name, std::function<void()> click);
    // The OK and cancel buttons at the bottom right of `layout`.
    void addOkCancel(QBoxLayout* layout, const std::string& ok, std::function<void()> okClick,
                     const std::string& cancel, const char* cancelName, std::function<void()> cancelClick);
    // Forwards what the user types.
    void forwardEdits(QLineEdit* edit, std::function<void(const std::string&)> set);
    void closeIfDone();
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    Dialog& logic_;
    bool shown_ = false;
};
