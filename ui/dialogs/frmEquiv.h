// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The reference window of nine SI derived units and their equivalents.
#pragma once

#include "ui/common/Lists.h"
#include "ui/common/SecondaryWindow.h"
#include "ui/common/Windows.h"

#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace ui {

class frmEquiv : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit frmEquiv(WindowContext &ctx);
    ~frmEquiv() override;

    QLabel *Label1 = nullptr; // "Quantity"
    QLabel *Label2 = nullptr; // "SI Unit"
    QLabel *Label3 = nullptr; // "Alternative"
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QListWidget *List3 = nullptr;
    QMenu *mnuMenu = nullptr;
    QAction *mnuCopy = nullptr;

public slots:
    void mnuCopy_Click();

protected:
    // Loads the window afresh: all nine rows, nothing selected.
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void unloading() override;
    // Nothing inside the window closes it, Esc included; only the close box does.
    void reject() override { }

private:
    void layOut();

    std::unique_ptr<SyncedColumns> m_sync;
};

} // namespace ui
