// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The reference window of nine SI derived units and their equivalents.
#pragma once

#include "DialogTools.h"
#include "Dialogs.h"

#include <QDialog>

#include <memory>

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace ui {

class frmEquiv : public QDialog
{
    Q_OBJECT

public:
    explicit frmEquiv(DialogContext &ctx);
    ~frmEquiv() override;

    // Loads the window afresh: on top, all nine rows, nothing selected, centred on the screen.
    void Form_Load();

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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Nothing inside the window closes it, Esc included; only the close box does.
    void reject() override { }

private:
    void layOut();

    DialogContext &m_ctx;
    CentreOnShow m_centre;
    std::unique_ptr<SyncedColumns> m_sync;
    bool m_loaded = false;
};

} // namespace ui
