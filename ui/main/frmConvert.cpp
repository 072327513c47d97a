// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmConvert.h"

#include "CommandLabel.h"
#include "History.h"
#include "StripChars.h"
#include "data/Resources.h"
#include "ui/common/Lists.h"
#include "ui/common/Texts.h"
#include "ui/common/WholeRowList.h"
#include "ui/common/Windows.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <utility>

namespace ui {

namespace {

std::int16_t selectedIndex(const QListWidget *list)
{
    return static_cast<std::int16_t>(SelectedRow(list));
}

} // namespace

frmConvert::frmConvert(state::ProgramState &state, const platform::Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_platform(platform)
    , m_onTop(m_platform.order, m_state.settings().pnShowTop)
    , m_context { m_platform, m_state, m_onTop }
    , m_calculator(m_platform)
    , m_place(this, m_state, m_platform.frames)
    , m_outOfView(this, m_platform, m_onTop, [this] { return m_life.ending(); })
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_onTop.setMainWindow(this);
    m_ui = BuildControls(this);
    m_keys = new KeyRouter(
        this, { [this](KeyRouter::Command c) { runKeyCommand(c); }, [this] { return readyToConvert(); } });
    m_keys->watch(m_ui);
    m_menus = BuildMenus(this);
    connectControls();
    connectMenus();
    connect(&m_state, &state::ProgramState::settingsChanged, this, [this] { ShowChecks(m_menus, m_state); });
    connect(&m_state, &state::ProgramState::customGroupsChanged, this, &frmConvert::customGroupsChanged);
    connect(&m_state, &state::ProgramState::saveFailed, this, &frmConvert::reportSaveFailure);
}

frmConvert::~frmConvert() = default;

void frmConvert::connectControls()
{
    const Controls &c = m_ui.controls;
    const Labels &l = m_ui.labels;
    connect(c.cmdConvert, &QPushButton::clicked, this, &frmConvert::cmdConvert_Click);
    connect(c.txtInput, &QLineEdit::textChanged, this, &frmConvert::txtInput_Change);
    connect(c.lstConvFrom, &QListWidget::itemSelectionChanged, this, &frmConvert::lstConvFrom_Click);
    connect(c.lstConvInto, &QListWidget::itemSelectionChanged, this, &frmConvert::lstConvInto_Click);
    connect(l.paste, &CommandLabel::clicked, this, &frmConvert::lblPaste_Click);
    connect(l.shrink, &CommandLabel::clicked, this, &frmConvert::lblShrink_Click);
    connect(l.cal, &CommandLabel::clicked, this, &frmConvert::lblCal_Click);
    connect(l.copy, &CommandLabel::clicked, this, &frmConvert::lblCopy_Click);
    connect(c.lstConvInto, &WholeRowList::mouseReleased, this, &frmConvert::lstConvInto_MouseUp);
}

void frmConvert::connectMenus()
{
    const Menus &m = m_menus;
    const std::pair<QAction *, void (frmConvert::*)()> items[] = { { m.fileMinimize,
                                                                       &frmConvert::mnuFileMinimize_Click },
        { m.fileExit, &frmConvert::mnuFileExit_Click },
        { m.editCopy, &frmConvert::mnuEditCopy_Click },
        { m.editPaste, &frmConvert::mnuEditPaste_Click },
        { m.convDecimal, &frmConvert::mnuConvDecimal_Click },
        { m.convConst, &frmConvert::mnuConvConst_Click },
        { m.equiv, &frmConvert::mnuEquiv_Click },
        { m.exit, &frmConvert::mnuExit_Click },
        { m.showTop, &frmConvert::mnuShowTop_Click },
        { m.userDef, &frmConvert::mnuUserDef_Click },
        { m.contents, &frmConvert::mnuContents_Click },
        { m.about, &frmConvert::mnuAbout_Click } };
    for (const auto &[item, handler] : items)
        OnChosen(item, this, [this, handler = handler] { (this->*handler)(); });
    const std::pair<const QList<QAction *> *, void (frmConvert::*)(int)> arrays[] = {
        { &m.historyArray, &frmConvert::mnuHistoryArray_Click },
        { &m.convArray, &frmConvert::mnuConvArray_Click },
        { &m.convCompArray, &frmConvert::mnuConvCompArray_Click },
        { &m.convOtherArray, &frmConvert::mnuConvOtherArray_Click },
        { &m.userArray, &frmConvert::mnuUserArray_Click },
        { &m.optionsFigArray, &frmConvert::mnuOptionsFigArray_Click },
        { &m.optionsFormArray, &frmConvert::mnuOptionsFormArray_Click },
        { &m.warpArray, &frmConvert::mnuWarpArray_Click }
    };
    for (const auto &[array, handler] : arrays)
        OnChosen(*array, this, [this, handler = handler](int i) { (this->*handler)(i); });
}

void frmConvert::Form_Load()
{
    // Without a notification area the task bar is the only way back to a window out of view. Whether
    // there is one is known before the icon is added: its bus item registers only later in any case.
    m_platform.order.setTaskbarEntry(this, !m_platform.tray.isAvailable());
    m_state.setTwipsPerPixel(m_platform.screen.twipsPerPixelX(), m_platform.screen.twipsPerPixelY());
    m_dialogs = std::make_unique<Dialogs>(m_context);

    const state::LoadReport report = m_state.load();
    if (report.defaultsLoaded)
        m_platform.messages.show(this, texts::kDefaults, texts::kTitle, platform::MsgIcon::Information);
    // A termination request answered while a start-up message was up has ended the program.
    if (m_life.ending())
        return;
    const store::Settings &s = m_state.settings();
    pnShownUnitGrp = s.pnSelUnitGrp;
    m_place.placeAtStoredCorner();
    if (report.customFileFailed)
        m_platform.messages.show(this, texts::kUserFile, texts::kTitle, platform::MsgIcon::Warning);
    if (m_life.ending())
        return;
    LayoutMain();

    if (s.pnFormFlag == 3) {
        m_dialogs->showAbout();
        if (m_life.ending())
            return;
    }
    m_state.settleFormat();

    m_platform.order.SetTopmost(this, s.pnShowTop == 1 ? 1 : 0);
    ShowSettings(m_menus, m_state);
    ClearEntry();
    ShowGroup();
    m_place.showFramedAtStoredCorner([this] { destroy(); });
    m_life.started();
    // The icon (a second window, or an item on the bus) is not needed to see the window.
    AfterFirstPaint(this, [this] {
        if (m_life.ending())
            return;
        m_platform.tray.TrayIconAdd(resources::trayIcon(),
            texts::kProgramName,
            [this](platform::TrayIcon::Event e) { picIcon_MouseMove(e); });
    });
}

void frmConvert::customGroupsChanged()
{
    RefreshUserMenu(m_menus, m_state.userTables());
    // Names no group, so that the next group command refills the lists even for the same group.
    pnShownUnitGrp = -1;
}

void frmConvert::ShowGroup()
{
    const std::int16_t g = m_state.settings().pnSelUnitGrp;
    const auto gi = static_cast<std::size_t>(g);
    const core::Catalogue &cat = m_state.catalogue();
    QString name = QString::fromStdString(cat.GroupName[gi]);
    if (g >= core::pnUserGrpFirst && g < core::pnCompGrpFirst)
        name = StripChars(name, QStringLiteral("&"), QString());
    setWindowTitle(LiteralTitle(texts::kTitle + QStringLiteral(" - ") + name));

    m_state.setGroup(g, cat.UnitCount[gi]);
    m_filling = true;
    m_ui.controls.lstConvFrom->clear();
    m_ui.controls.lstConvInto->clear();
    for (int i = 0; i < cat.UnitCount[gi]; ++i) {
        const QString unit = QString::fromStdString(cat.UnitName[gi][static_cast<std::size_t>(i)]);
        m_ui.controls.lstConvFrom->addItem(unit);
        m_ui.controls.lstConvInto->addItem(unit);
    }
    // Warp, the speed group's last unit, is a From unit only.
    if (g == core::pnSpeedGrp && m_ui.controls.lstConvInto->count() > 0)
        delete m_ui.controls.lstConvInto->takeItem(m_ui.controls.lstConvInto->count() - 1);
    m_filling = false;
}

void frmConvert::ClearEntry()
{
    m_ui.controls.txtInput->setText(QString());
    m_ui.controls.txtResult->setText(QString());
}

bool frmConvert::readyToConvert() const
{
    return !m_ui.controls.txtInput->text().isEmpty() && !SelectedText(m_ui.controls.lstConvFrom).isEmpty()
        && !SelectedText(m_ui.controls.lstConvInto).isEmpty();
}

void frmConvert::cmdConvert_Click()
{
    const core::ConvertResult result = m_state.convert(selectedIndex(m_ui.controls.lstConvFrom),
        selectedIndex(m_ui.controls.lstConvInto),
        m_ui.controls.txtInput->text().toStdString());
    if (result.commaNotice)
        m_platform.messages.show(this, texts::kComma, texts::kTitle, platform::MsgIcon::Exclamation);
    if (result.text)
        m_ui.controls.txtResult->setText(QString::fromStdString(*result.text));
}

// Quantity selection

void frmConvert::groupCommand(std::int16_t family, std::int16_t index)
{
    const std::optional<std::int16_t> group = GroupOfItem(family, index);
    if (!group)
        return;
    m_state.setGroup(*group, m_state.settings().pnSelUnitItem);
    if (*group == pnShownUnitGrp)
        return;
    pnShownUnitGrp = *group;
    m_ui.controls.txtInput->setEnabled(true);
    SwitchMenus(family, index);
    ShowGroup();
    ClearEntry();
}

void frmConvert::mnuConvArray_Click(int Index)
{
    groupCommand(0, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuConvOtherArray_Click(int Index)
{
    groupCommand(1, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuUserArray_Click(int Index)
{
    groupCommand(2, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuConvDecimal_Click()
{
    groupCommand(3, 0);
}

void frmConvert::mnuConvCompArray_Click(int Index)
{
    groupCommand(4, static_cast<std::int16_t>(Index));
}

void frmConvert::SwitchMenus(std::int16_t family, std::int16_t index)
{
    CheckGroupItem(m_menus, GroupOfItem(family, index));
}

void frmConvert::lstConvFrom_Click()
{
    if (m_filling)
        return;
    const Controls &c = m_ui.controls;
    const std::int16_t n = selectedIndex(c.lstConvFrom);
    if (QListWidgetItem *into = n >= 0 ? c.lstConvInto->item(n) : nullptr)
        into->setText(QString());
    const store::Settings &s = m_state.settings();
    const bool speedWarp = s.pnSelUnitGrp == core::pnSpeedGrp && nPrevFrom == core::pnWarpUnit;
    if (nPrevFrom >= 0 && nPrevFrom < s.pnSelUnitItem && nPrevFrom != n && !speedWarp) {
        if (QListWidgetItem *into = c.lstConvInto->item(nPrevFrom))
            into->setText(EntryText(c.lstConvFrom, nPrevFrom));
    }
    nPrevFrom = n;
    if (readyToConvert())
        cmdConvert_Click();
    const bool warp = n == core::pnWarpUnit && s.pnSelUnitGrp == core::pnSpeedGrp;
    if (warp)
        m_menus.warp->exec(QCursor::pos());
    c.txtInput->setEnabled(!warp);
}

void frmConvert::lstConvInto_Click()
{
    if (m_filling)
        return;
    if (readyToConvert())
        cmdConvert_Click();
    if (SelectedText(m_ui.controls.lstConvInto).isEmpty())
        m_ui.controls.txtResult->setText(QString());
}

void frmConvert::lstConvInto_MouseUp()
{
    if (m_ui.controls.txtInput->isEnabled())
        m_ui.controls.txtInput->setFocus(Qt::MouseFocusReason);
}

void frmConvert::txtInput_Change()
{
    if (m_ui.controls.txtInput->text().isEmpty())
        m_ui.controls.txtResult->setText(QString());
    else
        cmdConvert_Click();
}

void frmConvert::mnuWarpArray_Click(int Index)
{
    m_state.setWarpIndex(static_cast<std::int16_t>(Index));
    m_ui.controls.txtInput->setText(
        QString::fromStdString(m_state.catalogue().WarpText[static_cast<std::size_t>(Index)]).trimmed());
}

// Options and help

void frmConvert::mnuOptionsFigArray_Click(int Index)
{
    const std::optional<std::int16_t> figure = FigureOfItem(Index);
    if (!figure)
        return;
    m_state.setFigures(*figure);
    cmdConvert_Click();
}

void frmConvert::mnuOptionsFormArray_Click(int Index)
{
    m_state.setFormat(static_cast<std::int16_t>(Index));
    cmdConvert_Click();
}

void frmConvert::mnuShowTop_Click()
{
    const bool on = m_state.settings().pnShowTop != 1;
    m_platform.order.SetTopmost(this, on ? 1 : 0);
    m_state.setShowTop(on);
}

void frmConvert::mnuContents_Click()
{
    m_platform.help.showContents(this, m_state.helpFile());
}

void frmConvert::mnuAbout_Click()
{
    m_dialogs->showAbout();
}

void frmConvert::mnuConvConst_Click()
{
    m_dialogs->showConstants();
}

void frmConvert::mnuEquiv_Click()
{
    m_dialogs->showEquiv();
}

void frmConvert::mnuUserDef_Click()
{
    m_dialogs->showUser();
}

// Layout

void frmConvert::LayoutMain()
{
    const LayoutMetrics m = MeasureMain(this, m_ui, m_state);
    ApplyMainGeometry(this, m_ui, ComputeMainGeometry(m), m.Tppx, m.Tppy);
    ColourCommandRow(m_ui.labels, ResolveCommandColours(m_state.settings(), palette()));
}

// Shutdown

void frmConvert::mnuFileExit_Click()
{
    Unload(kCloseByProgram);
}

void frmConvert::mnuExit_Click()
{
    Unload(kCloseByProgram);
}

void frmConvert::Unload(int UnloadMode)
{
    if (m_life.request(UnloadMode))
        close();
}

void frmConvert::closeEvent(QCloseEvent *event)
{
    // A close the program did not ask for comes from the window's close box.
    Form_QueryUnload(m_life.takeReason(event->spontaneous()));
    m_life.closed();
    event->accept();
}

void frmConvert::Form_QueryUnload(int UnloadMode)
{
    if (!m_life.begin(UnloadMode))
        return;
    CfgSaveOnExit();
    m_onTop.mainCloses();
    m_platform.tray.TrayIconDelete();
    emit ended();
}

void frmConvert::CfgSaveOnExit()
{
    // Before the window took its stored place, its position says nothing.
    if (m_place.placed() && !isMinimized() && !isMaximized())
        m_place.storePosition();
    if (m_dialogs)
        m_dialogs->captureConstantsPosition();
    // A failure comes back through the state's saveFailed.
    m_state.saveSettings();
}

// Off the screen while the failure message shows.
void frmConvert::reportSaveFailure(const QString &fileName)
{
    m_place.park();
    m_platform.messages.show(this, texts::SaveFailed(fileName), texts::kTitle, platform::MsgIcon::Critical);
    m_place.unpark();
}

// Clipboard and history

void frmConvert::lblCopy_Click()
{
    mnuEditCopy_Click();
    RecordHistory();
}

void frmConvert::mnuEditCopy_Click()
{
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(m_ui.controls.txtResult->text());
}

void frmConvert::lblPaste_Click()
{
    // Emptying first makes the pasted text convert even when it equals what the box holds.
    m_ui.controls.txtInput->setText(QString());
    m_ui.controls.txtInput->setText(m_platform.clipboard.text());
}

void frmConvert::mnuEditPaste_Click()
{
    m_ui.controls.txtInput->setText(m_platform.clipboard.text());
}

void frmConvert::RecordHistory()
{
    nHistCount = PushHistory(m_menus,
        nHistCount,
        HistoryStatement(m_state.settings().pnSelUnitGrp,
            m_ui.controls.txtInput->text(),
            SelectedText(m_ui.controls.lstConvFrom),
            m_ui.controls.txtResult->text(),
            SelectedText(m_ui.controls.lstConvInto)));
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
    m_ui.controls.txtDest->setText(m_ui.controls.txtResult->text());
    if (!m_calculator.send(m_state.calculatorProgram(), m_ui.controls.txtDest->text()))
        m_platform.messages.show(this, texts::kNoCalculator, texts::kErrorTitle, platform::MsgIcon::Critical);
}

// Keyboard

void frmConvert::runKeyCommand(KeyRouter::Command command)
{
    switch (command) {
    case KeyRouter::Command::Paste:
        lblPaste_Click();
        break;
    case KeyRouter::Command::Minimize:
        lblShrink_Click();
        break;
    case KeyRouter::Command::Calculator:
        lblCal_Click();
        break;
    case KeyRouter::Command::Copy:
        lblCopy_Click();
        break;
    case KeyRouter::Command::Convert:
        cmdConvert_Click();
        break;
    }
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
