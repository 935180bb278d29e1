#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <string>

// The logic's texts are UTF-8.
inline QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// A redraw never overwrites what the user is typing, and shows a long text from its start.
inline void setEditText(QLineEdit* edit, const std::string& text)
{
    if (!edit->hasFocus() && edit->text() != qs(text)) {
        edit->setText(qs(text));
        edit->setCursorPosition(0);
    }
}

inline void setComboText(QComboBox* box, const std::string& text)
{
    if (!box->hasFocus() && box->currentText() != qs(text))
        box->setEditText(qs(text));
}

// An edit box named by `name`, as the tests find it.
inline QLineEdit* namedEdit(const char* name, QWidget* parent, bool readOnly = false)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(readOnly);
    return e;
}

// A read-only panel of a screen (serial number, state, result), named by `name`, as
// the tests find it.
inline QLabel* namedPanel(const char* name, QWidget* parent)
{
    auto* p = new QLabel(parent);
    p->setObjectName(name);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    return p;
}
