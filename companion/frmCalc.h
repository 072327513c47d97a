// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The calculator window: an input box the converter pokes into, and the usual keys.
#pragma once

#include "companion/CalcModel.h"
#include "platform/Platform.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace companion {

class frmCalc : public QWidget
{
    Q_OBJECT

public:
    explicit frmCalc(platform::Clipboard &clipboard, QWidget *parent = nullptr);

    // Text for an item of this window; false for an item it does not have.
    bool poke(const QString &item, const QString &text);
    // The item's current text, empty for an unknown item.
    QString itemText(const QString &item) const;
    const CalcModel &model() const { return m_model; }

    QLineEdit *txtInput = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *addKey(const QString &caption, const QString &name, std::function<void()> onClick);
    // Runs a model step and shows the new display.
    void step(const std::function<void(CalcModel &)> &change);
    bool typedKey(int key, const QString &text);

    void cmdCopy_Click();
    void txtInput_Edited(const QString &text);

    platform::Clipboard &m_clipboard;
    CalcModel m_model;
};

} // namespace companion
