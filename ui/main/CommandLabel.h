// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A flat command with a one-pixel 3-D border: raised at rest, sunken while a mouse button is held.
#pragma once

#include "store/Store.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ui {

// Nine digits RRRGGGBBB, each part at most 255 (larger parts count as 255); nullopt otherwise.
std::optional<QColor> ColourFromText(std::string_view text);

struct CommandColours
{
    QColor face;
    std::array<QColor, 4> text; // Paste, Minimize, Calculator, Copy
};

// The face and caption colours of the command row. A negative face setting selects the title-bar
// colours of the palette for all of them; a face text that is not nine digits falls back to the
// palette's face, a caption text that is not to black or white, whichever reads on the face.
CommandColours ResolveCommandColours(const store::Settings &s, const QPalette &palette);

class CommandLabel : public QWidget
{
    Q_OBJECT

public:
    explicit CommandLabel(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setColours(const QColor &face, const QColor &text);
    QColor faceColour() const { return m_face; }
    QColor textColour() const { return m_text; }

    // The caption label's size in pixels; its width follows the caption in the current font.
    void setLabelHeight(int height);

    void DrawRaised(std::int16_t captionTop, std::int16_t buttonWidth);
    void DrawSunken(std::int16_t captionTop, std::int16_t buttonWidth);

    bool isSunken() const { return m_sunken; }
    // Where the caption label stands inside the command.
    QRect captionRect() const { return m_label; }

    // The values every press and release passes to the drawing.
    void setDrawValues(std::int16_t captionTop, std::int16_t buttonWidth);

    // Runs the command as a click does; assistive tools press the command this way.
    void click() { emit clicked(); }

signals:
    void clicked();
    // A key typed while the command has the keyboard focus, as its character code.
    void keyTyped(std::int16_t KeyAscii);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static bool pressesCommand(const QKeyEvent *event);
    void PlaceCaption(std::int16_t captionTop, std::int16_t buttonWidth, std::int16_t offset);
    int labelWidth() const;

    QString m_caption;
    QColor m_face;
    QColor m_text;
    QRect m_label;
    int m_labelHeight = 13;
    std::int16_t m_captionTop = 0;
    std::int16_t m_buttonWidth = 0;
    bool m_sunken = false;
};

} // namespace ui
