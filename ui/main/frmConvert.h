// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter's main window: the view of the program's state and its event procedures. The quantity
// menus, the two unit lists, instant conversion, options, copy, paste and history, the calculator
// hand-off, the keyboard, and the notification icon.
#pragma once

#include "CalculatorHandOff.h"
#include "KeyRouter.h"
#include "Lifecycle.h"
#include "MainControls.h"
#include "MainMenus.h"
#include "MainPlacement.h"
#include "OutOfView.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"
#include "ui/common/OnTop.h"
#include "ui/dialogs/Dialogs.h"

#include <QMainWindow>
#include <QPoint>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;

namespace ui {

class frmConvert : public QMainWindow
{
    Q_OBJECT

public:
    // Shows `state`, which outlives the window; nothing happens before Form_Load.
    frmConvert(state::ProgramState &state, const platform::Platform &platform, QWidget *parent = nullptr);
    ~frmConvert() override;

    // The start-up: reads both files, lays out, and shows the window.
    void Form_Load();

    // Closes the window for `UnloadMode`; closing again later does nothing.
    void Unload(int UnloadMode);
    // The closing work: reasons 0 to 3 save the configuration and end the program.
    void Form_QueryUnload(int UnloadMode);

    // A later start of the program asks for this one: show it, hidden or not, in front. Nothing
    // happens before the start-up has shown the window, which it then does anyway.
    void showFromAnotherStart();

    // The window's widgets, read-only: what a test or an assistive tool looks at and drives.
    const Controls &controls() const { return m_ui.controls; }
    const Labels &labels() const { return m_ui.labels; }
    const Menus &menus() const { return m_menus; }

signals:
    // The program is to end now; the configuration has been saved.
    void ended();

private slots:
    void cmdConvert_Click();
    void mnuFileMinimize_Click();
    void mnuFileExit_Click();
    void mnuExit_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuHistoryArray_Click(int Index);
    void mnuConvArray_Click(int Index);
    void mnuConvOtherArray_Click(int Index);
    void mnuUserArray_Click(int Index);
    void mnuConvDecimal_Click();
    void mnuConvCompArray_Click(int Index);
    void mnuConvConst_Click();
    void mnuEquiv_Click();
    void mnuOptionsFigArray_Click(int Index);
    void mnuOptionsFormArray_Click(int Index);
    void mnuShowTop_Click();
    void mnuUserDef_Click();
    void mnuContents_Click();
    void mnuAbout_Click();
    void mnuWarpArray_Click(int Index);

    void lstConvFrom_Click();
    void lstConvInto_Click();
    void lstConvInto_MouseUp();
    void txtInput_Change();

    void lblCopy_Click();
    void lblPaste_Click();
    void lblCal_Click();
    void lblShrink_Click();
    void runKeyCommand(KeyRouter::Command command);
    void picIcon_MouseMove(platform::TrayIcon::Event event);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void connectControls();
    void connectMenus();
    void LayoutMain();

    void ShowGroup();
    void SwitchMenus(std::int16_t family, std::int16_t index);
    void ClearEntry();
    bool readyToConvert() const;
    void groupCommand(std::int16_t family, std::int16_t index);
    void customGroupsChanged();
    void RecordHistory();
    void popUpTrayMenu();

    void CfgSaveOnExit();
    void reportSaveFailure(const QString &fileName);

    state::ProgramState &m_state;
    platform::Platform m_platform;
    OnTop m_onTop;
    WindowContext m_context;
    std::unique_ptr<Dialogs> m_dialogs;
    CalculatorHandOff m_calculator;
    Lifecycle m_life;
    MainPlacement m_place;
    OutOfView m_outOfView;
    KeyRouter *m_keys = nullptr;

    MainControls m_ui;
    Menus m_menus;

    std::int16_t pnShownUnitGrp = 0;
    std::int16_t nPrevFrom = 0;
    std::int16_t nHistCount = 0;
    bool m_filling = false; // the lists are being refilled: their selection signals mean nothing
};

} // namespace ui
