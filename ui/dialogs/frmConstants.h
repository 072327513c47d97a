// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The reference window of 23 physical constants, in two pages of three columns.
#pragma once

#include "ui/common/Lists.h"
#include "ui/common/SecondaryWindow.h"

#include <QString>

#include <array>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace ui {

class frmConstants : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit frmConstants(WindowContext &ctx);
    ~frmConstants() override;

    // The window's position into the settings, in twips.
    void capturePosition();
    int syncFollows() const { return m_sync->follows(); }

    std::int16_t nPage = -1; // -1 first page, 1 second page

    QLabel *Label1 = nullptr; // "Quantity"
    QLabel *Label2 = nullptr; // "Symbol", never shown
    QLabel *Label3 = nullptr; // "Unit"
    QLabel *Label4 = nullptr; // "Value"
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr; // symbols: filled, never shown
    QListWidget *List3 = nullptr;
    QListWidget *List4 = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdNext = nullptr;

public slots:
    void cmdNext_Click();
    void cmdCopy_Click();
    void cmdHelp_Click();
    void cmdCancel_Click();

protected:
    // Loads the window afresh: laid out, first page, nothing selected.
    void Form_Load() override;
    void place() override; // at the stored corner
    void unloading() override;
    void reject() override;

private:
    void fillPage();
    void layOut();

    std::unique_ptr<SyncedColumns> m_sync;
};

} // namespace ui
