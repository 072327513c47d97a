// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's commands that move values out and in (clipboard, history, calculator), its
// keyboard routing, and how it leaves and comes back into view.
#include "CommandLabel.h"
#include "History.h"
#include "frmConvert.h"
#include "ui/common/Lists.h"
#include "ui/common/Texts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace ui {

namespace { } // namespace

// Clipboard and history

void frmConvert::lblCopy_Click()
{
    mnuEditCopy_Click();
    RecordHistory();
}

void frmConvert::mnuEditCopy_Click()
{
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(m_ui.c.txtResult->text());
}

void frmConvert::lblPaste_Click()
{
    // Emptying first makes the pasted text convert even when it equals what the box holds.
    m_ui.c.txtInput->setText(QString());
    m_ui.c.txtInput->setText(m_platform.clipboard.text());
}

void frmConvert::mnuEditPaste_Click()
{
    m_ui.c.txtInput->setText(m_platform.clipboard.text());
}

void frmConvert::RecordHistory()
{
    nHistCount = PushHistory(m_menus,
        nHistCount,
        HistoryStatement(m_state.settings().pnSelUnitGrp,
            m_ui.c.txtInput->text(),
            SelectedText(m_ui.c.lstConvFrom),
            m_ui.c.txtResult->text(),
            SelectedText(m_ui.c.lstConvInto)));
}

void frmConvert::mnuHistoryArray_Click(int Index)
{
    if (Index < 0 || Index >= nHistCount)
        return;
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(m_menus.historyArray[Index]->data().toString());
}

// The calculator

void frmConvert::lblCal_Click()
{
    if (m_calculator.busy())
        return;
    m_ui.c.txtDest->setText(m_ui.c.txtResult->text());
    if (!m_calculator.send(m_state.calculatorProgram(), m_ui.c.txtDest->text()))
        m_platform.messages.show(this, texts::kNoCalculator, texts::kErrorTitle, platform::MsgIcon::Critical);
}

// Keyboard

void frmConvert::KeyCommand(std::int16_t KeyAscii)
{
    // Letters typed into the two text boxes are text.
    const QWidget *active = focusWidget();
    if (active == m_ui.c.txtInput || active == m_ui.c.txtResult)
        return;
    // The command labels' access letters, either case.
    const std::pair<char, void (frmConvert::*)()> letters[] = {
        { 'p', &frmConvert::lblPaste_Click },
        { 'm', &frmConvert::lblShrink_Click },
        { 'a', &frmConvert::lblCal_Click },
        { 'c', &frmConvert::lblCopy_Click },
    };
    for (const auto &[letter, command] : letters)
        if (KeyAscii == letter || KeyAscii == letter - 'a' + 'A')
            (this->*command)();
}

void frmConvert::keyPressEvent(QKeyEvent *event)
{
    m_keys->windowKeyPress(*event);
    QMainWindow::keyPressEvent(event);
}

// Out of view and back

void frmConvert::lblShrink_Click()
{
    m_onTop.hideReferenceWindows();
    m_place.storePosition();
    pnShownUnitGrp = m_state.settings().pnSelUnitGrp;
    m_outOfView.putOutOfView();
}

void frmConvert::mnuFileMinimize_Click()
{
    m_outOfView.putOutOfView();
}

void frmConvert::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        m_outOfView.stateChanged();
    QMainWindow::changeEvent(event);
}

void frmConvert::picIcon_MouseMove(platform::TrayIcon::Event event)
{
    if (!m_life.running())
        return;
    switch (event) {
    case platform::TrayIcon::Event::LeftPress:
        m_onTop.showFromTray();
        break;
    case platform::TrayIcon::Event::RightRelease:
        popUpTrayMenu();
        break;
    }
}

// The Convert menu at the icon, with Exit as its default entry; then the window comes back in its
// normal state.
void frmConvert::popUpTrayMenu()
{
    m_menus.conv_3->setVisible(true);
    m_menus.exit->setVisible(true);
    m_menus.convert->setDefaultAction(m_menus.exit);
    m_menus.convert->exec(m_platform.tray.cursorPos());
    m_menus.convert->setDefaultAction(nullptr);
    m_menus.conv_3->setVisible(false);
    m_menus.exit->setVisible(false);
    // Exit was chosen: the program is ending.
    if (m_life.ending())
        return;
    if (isMinimized())
        showNormal();
    m_platform.process.processEvents();
    show();
}

void frmConvert::showFromAnotherStart()
{
    if (!m_life.running())
        return;
    if (isMinimized())
        showNormal();
    m_onTop.showFromTray();
}

} // namespace ui
