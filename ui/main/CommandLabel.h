// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A flat command with a one-pixel 3-D border: raised at rest, sunken while a mouse button is held.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cstdint>

namespace ui {

// Where a command's caption stands: its top and the command's width (which centres it), and the
// caption label's height in pixels; its width follows the caption in the current font.
struct CommandMetrics
{
    std::int16_t captionTop = 0;
    std::int16_t buttonWidth = 0;
    int labelHeight = 13;
};

class CommandLabel : public QWidget
{
    Q_OBJECT

public:
    explicit CommandLabel(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setColours(const QColor &face, const QColor &text);
    QColor faceColour() const { return m_face; }
    QColor textColour() const { return m_text; }

    // Given once a layout, kept for every press and release.
    void setMetrics(const CommandMetrics &metrics);

    void DrawRaised();
    void DrawSunken();

    bool isSunken() const { return m_sunken; }
    // Where the caption label stands inside the command.
    QRect captionRect() const { return m_label; }

    // Space or Enter, unmodified: the keys that press a focused command as a button is pressed.
    static bool PressesCommand(const QKeyEvent &event);

    // Runs the command as a click does; assistive tools press the command this way.
    void click() { emit clicked(); }

signals:
    void clicked();

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
    void PlaceCaption(std::int16_t offset);
    int labelWidth() const;

    QString m_caption;
    QColor m_face;
    QColor m_text;
    QRect m_label;
    CommandMetrics m_metrics;
    bool m_sunken = false;
};

} // namespace ui
