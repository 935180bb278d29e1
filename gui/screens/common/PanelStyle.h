#pragma once

#include "screens/common/GeneralPageState.h"

#include <QLabel>
#include <QString>

// #RRGGBB of a logic colour.
inline QString colourName(unsigned rgb)
{
    return QString("#%1").arg(rgb, 6, 16, QChar('0'));
}

// A panel as the logic states it: its text, and its colours unless it keeps the
// style's button face.
inline void setPanel(QLabel* panel, const GeneralPageState::Panel& state)
{
    panel->setText(QString::fromStdString(state.text));
    const QString sheet = state.buttonFace
                              ? QString("color: %1;").arg(colourName(state.textColor))
                              : QString("background: %1; color: %2;").arg(colourName(state.background),
                                                                          colourName(state.textColor));
    if (panel->styleSheet() != sheet)
        panel->setStyleSheet(sheet);
}
