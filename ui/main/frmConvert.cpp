// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmConvert.h"

#include "CommandLabel.h"
#include "StripChars.h"
#include "data/Resources.h"
#include "ui/dialogs/DialogTools.h"
#include "ui/dialogs/FrameHeight.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <limits>

namespace ui {

namespace {

const QString kCommaMessage =
    QStringLiteral("This application recognizes only a period (dot) as decimal separator.");
const QString kDefaultsMessage =
    QStringLiteral("Loading the default configuration settings.\rClick on the OK button to proceed.");
const QString kUserFileMessage =
    QStringLiteral("Failed to open file 'ORL_USER.DAT'.\rThe user definition is ignored.");

std::int16_t clampToInt16(double v)
{
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(Nearest(std::clamp(v, lo, hi)));
}

QString fromUtf8(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool isCustomGroup(int g)
{
    return g >= core::pnUserGrpFirst && g < core::pnCompGrpFirst;
}

} // namespace

std::int16_t ListIndex(const QListWidget *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::int16_t(-1) : static_cast<std::int16_t>(selected.first().row());
}

namespace {

// The entry at `index`; an index without an entry reads as empty.
QString entryText(const QListWidget *list, int index)
{
    const QListWidgetItem *item = index >= 0 ? list->item(index) : nullptr;
    return item ? item->text() : QString();
}

} // namespace

frmConvert::frmConvert(
    const platform::Platform &platform, std::filesystem::path dataDir, QString helpFile, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_dataDir(std::move(dataDir))
    , m_programDir(store::MyPath())
    , m_helpFile(std::move(helpFile))
    , m_onTop(platform.order, m_settings.pnShowTop)
{
    setObjectName(QStringLiteral("frmConvert"));
    m_trayWatch.setInterval(1000);
    connect(&m_trayWatch, &QTimer::timeout, this, &frmConvert::watchTray);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_onTop.setMainWindow(this);
    m_showAbout = [this] {
        if (m_dialogs)
            m_dialogs->showAbout();
    };
    createControls();
    createMenus();
}

frmConvert::~frmConvert() = default;

DialogContext frmConvert::dialogContext()
{
    DialogContext ctx {
        m_platform, m_settings, m_cat, m_user, m_onTop, m_dataDir, m_helpFile, Tppx, Tppy, {}, {}
    };
    ctx.customGroupsChanged = [this] {
        refreshUserMenu();
        // Names no group, so that the next group command refills the lists even for the same group.
        pnShownUnitGrp = -1;
    };
    ctx.reportSaveFailure = [this](const QString &fileName) { reportSaveFailure(fileName); };
    return ctx;
}

void frmConvert::Form_Load()
{
    m_platform.tray.TrayIconAdd(resources::trayIcon(),
        QStringLiteral("Orlo Unit Converter"),
        [this](platform::TrayIcon::Event e) { picIcon_MouseMove(e); });
    // Without a notification area the task bar is the only way back to a window out of view.
    m_platform.order.setTaskbarEntry(this, !m_platform.tray.isAvailable());
    Tppx = m_platform.screen.twipsPerPixelX();
    Tppy = m_platform.screen.twipsPerPixelY();
    m_dialogs = std::make_unique<Dialogs>(dialogContext());

    if (store::CfgRead(m_dataDir, m_settings) == store::CfgReadResult::Defaults)
        m_platform.messages.show(this, kDefaultsMessage, kTitle, platform::MsgIcon::Information);
    // A termination request answered while a start-up message was up has ended the program.
    if (m_unloaded)
        return;
    // A hand-edited file can name a group the menus do not have.
    if (m_settings.pnSelUnitGrp < 0 || m_settings.pnSelUnitGrp >= core::kGroupSlots)
        m_settings.pnSelUnitGrp = 0;
    pnShownUnitGrp = m_settings.pnSelUnitGrp;
    MoveFrameTo(this, storedCorner());
    m_placed = true;
    if (store::DatRead(m_dataDir, m_user) == store::DatReadResult::OpenFailed)
        m_platform.messages.show(this, kUserFileMessage, kTitle, platform::MsgIcon::Warning);
    if (m_unloaded)
        return;
    LayoutMain();

    if (m_settings.pnFormFlag == 3) {
        m_showAbout();
        if (m_unloaded)
            return;
        // The value only asks for the About box once, however that box was closed.
        if (m_settings.pnFormFlag == 3)
            m_settings.pnFormFlag = 0;
    }
    // Neither Regular nor Scientific: show and convert as Regular rather than with no mark.
    if (m_settings.pnFormFlag != 0 && m_settings.pnFormFlag != 1)
        m_settings.pnFormFlag = 0;

    const bool onTop = m_settings.pnShowTop == 1;
    m_platform.order.SetTopmost(this, onTop ? 1 : 0);
    m_menus.showTop->setChecked(onTop);

    m_cat = core::BuildCatalogue(Tppx, Tppy, m_user);
    for (int k = 0; k < m_menus.warpArray.size(); ++k)
        m_menus.warpArray[k]->setText(fromUtf8(core::WarpCaption(m_cat, k)));
    ClearEntry();
    refreshUserMenu();
    checkGroupItem(m_settings.pnSelUnitGrp);
    checkFigureItem(m_settings.pnFigure);
    checkFormatItem(m_settings.pnFormFlag);
    ShowGroup();
    showFramedAtStoredCorner();
    m_loaded = true;
}

// The first showing puts the frame's corner at the stored position. A start-up message (its owner
// must exist) or the About box made the native window before it was ever framed, and such a window
// would take the position for its inside, one title bar lower at every start. Made anew, unshown,
// it takes the position as the frame's.
//
// A stored corner from which no part of the title bar could be reached (a screen unplugged, a smaller
// resolution) is pulled onto the screen; the file keeps the stored values unless the window is moved.
void frmConvert::showFramedAtStoredCorner()
{
    const QPoint stored = storedCorner();
    // The frame is not known before the first showing; a title bar and thin borders are near enough.
    const QPoint corner = ReachableCorner(stored, size() + QSize(2, 24));
    m_pulledTo = corner != stored ? std::optional(corner) : std::nullopt;
    if (testAttribute(Qt::WA_WState_Created) && !isVisible())
        destroy();
    MoveFrameTo(this, corner);
    show();
}

void frmConvert::refreshUserMenu()
{
    int n = 0;
    for (int i = 0; i < core::pnUserGrpCount; ++i) {
        const std::string &name = m_user.UserGrpName[static_cast<std::size_t>(i)];
        QAction *item = m_menus.userArray[i];
        if (!fromUtf8(name).trimmed().isEmpty()) {
            ++n;
            item->setVisible(true);
            item->setText(fromUtf8(name));
        } else if (i > 0) {
            item->setVisible(false);
        }
    }
    m_menus.user->menuAction()->setEnabled(n > 0);
}

void frmConvert::checkGroupItem(std::int16_t g)
{
    SwitchMenus(-1, 0);
    if (g >= 0 && g < core::pnConvGrpCount)
        m_menus.convArray[g]->setChecked(true);
    else if (g >= core::pnConvGrpCount && g < core::pnPrefixGrp)
        m_menus.convOtherArray[g - core::pnConvGrpCount]->setChecked(true);
    else if (g == core::pnPrefixGrp)
        m_menus.convDecimal->setChecked(true);
    else if (isCustomGroup(g))
        m_menus.userArray[g - core::pnUserGrpFirst]->setChecked(true);
    else if (g >= core::pnCompGrpFirst && g < core::pnCompGrpFirst + core::pnCompGrpCount)
        m_menus.convCompArray[g - core::pnCompGrpFirst]->setChecked(true);
}

void frmConvert::checkFigureItem(std::int16_t figure)
{
    const std::int16_t figures[] = { 4, 6, 8, 10, -1, 7 };
    for (int i = 0; i < m_menus.optionsFigArray.size(); ++i)
        if (i != 4)
            m_menus.optionsFigArray[i]->setChecked(figures[i] == figure);
}

void frmConvert::checkFormatItem(std::int16_t format)
{
    for (int i = 0; i < m_menus.optionsFormArray.size(); ++i)
        m_menus.optionsFormArray[i]->setChecked(i == format);
}

void frmConvert::ShowGroup()
{
    const std::int16_t g = m_settings.pnSelUnitGrp;
    const auto gi = static_cast<std::size_t>(g);
    QString name = fromUtf8(m_cat.GroupName[gi]);
    if (isCustomGroup(g))
        name = StripChars(name, QStringLiteral("&"), QString());
    setWindowTitle(LiteralTitle(kTitle + QStringLiteral(" - ") + name));

    m_settings.pnSelUnitItem = m_cat.UnitCount[gi];
    m_filling = true;
    m_c.lstConvFrom->clear();
    m_c.lstConvInto->clear();
    for (int i = 0; i < m_settings.pnSelUnitItem; ++i) {
        const QString unit = fromUtf8(m_cat.UnitName[gi][static_cast<std::size_t>(i)]);
        m_c.lstConvFrom->addItem(unit);
        m_c.lstConvInto->addItem(unit);
    }
    // Warp, the speed group's last unit, is a From unit only.
    if (g == core::pnSpeedGrp && m_c.lstConvInto->count() > 0)
        delete m_c.lstConvInto->takeItem(m_c.lstConvInto->count() - 1);
    m_filling = false;
}

void frmConvert::ClearEntry()
{
    m_c.txtInput->setText(QString());
    m_c.txtResult->setText(QString());
}

bool frmConvert::readyToConvert() const
{
    return !m_c.txtInput->text().isEmpty()
        && !entryText(m_c.lstConvFrom, ListIndex(m_c.lstConvFrom)).isEmpty()
        && !entryText(m_c.lstConvInto, ListIndex(m_c.lstConvInto)).isEmpty();
}

void frmConvert::cmdConvert_Click()
{
    const std::string input = m_c.txtInput->text().toStdString();
    core::ConvertInput in;
    in.group = m_settings.pnSelUnitGrp;
    in.from = ListIndex(m_c.lstConvFrom);
    in.into = ListIndex(m_c.lstConvInto);
    in.text = input;
    in.pnFigure = m_settings.pnFigure;
    in.pnFormFlag = m_settings.pnFormFlag;
    in.WarpIndex = WarpIndex;
    const std::optional<std::string> result = core::Convert(m_cat, in, [this] {
        m_platform.messages.show(this, kCommaMessage, kTitle, platform::MsgIcon::Exclamation);
    });
    if (result)
        m_c.txtResult->setText(fromUtf8(*result));
}

// Quantity selection

void frmConvert::groupCommand(std::int16_t group, std::int16_t family, std::int16_t index)
{
    m_settings.pnSelUnitGrp = group;
    if (group == pnShownUnitGrp)
        return;
    pnShownUnitGrp = group;
    m_c.txtInput->setEnabled(true);
    SwitchMenus(family, index);
    ShowGroup();
    ClearEntry();
}

void frmConvert::mnuConvArray_Click(int Index)
{
    groupCommand(static_cast<std::int16_t>(Index), 0, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuConvOtherArray_Click(int Index)
{
    groupCommand(
        static_cast<std::int16_t>(Index + core::pnConvGrpCount), 1, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuUserArray_Click(int Index)
{
    groupCommand(
        static_cast<std::int16_t>(Index + core::pnUserGrpFirst), 2, static_cast<std::int16_t>(Index));
}

void frmConvert::mnuConvDecimal_Click()
{
    groupCommand(core::pnPrefixGrp, 3, 0);
}

void frmConvert::mnuConvCompArray_Click(int Index)
{
    groupCommand(
        static_cast<std::int16_t>(Index + core::pnCompGrpFirst), 4, static_cast<std::int16_t>(Index));
}

void frmConvert::SwitchMenus(std::int16_t family, std::int16_t index)
{
    for (int i = 0; i < core::pnConvGrpCount; ++i)
        m_menus.convArray[i]->setChecked(false);
    for (int i = 0; i <= core::pnOtherGrpCount - 2; ++i)
        m_menus.convOtherArray[i]->setChecked(false);
    for (int i = 0; i < core::pnUserGrpCount; ++i)
        m_menus.userArray[i]->setChecked(false);
    m_menus.convDecimal->setChecked(false);
    for (int i = 0; i < core::pnCompGrpCount; ++i)
        m_menus.convCompArray[i]->setChecked(false);
    const QList<QAction *> *items = nullptr;
    switch (family) {
    case 0:
        items = &m_menus.convArray;
        break;
    case 1:
        items = &m_menus.convOtherArray;
        break;
    case 2:
        items = &m_menus.userArray;
        break;
    case 3:
        m_menus.convDecimal->setChecked(true);
        return;
    case 4:
        items = &m_menus.convCompArray;
        break;
    default:
        return;
    }
    if (index >= 0 && index < items->size())
        (*items)[index]->setChecked(true);
}

void frmConvert::lstConvFrom_Click()
{
    if (m_filling)
        return;
    const std::int16_t n = ListIndex(m_c.lstConvFrom);
    if (QListWidgetItem *into = n >= 0 ? m_c.lstConvInto->item(n) : nullptr)
        into->setText(QString());
    const bool speedWarp = m_settings.pnSelUnitGrp == core::pnSpeedGrp && nPrevFrom == core::pnWarpUnit;
    if (nPrevFrom >= 0 && nPrevFrom < m_settings.pnSelUnitItem && nPrevFrom != n && !speedWarp) {
        if (QListWidgetItem *into = m_c.lstConvInto->item(nPrevFrom))
            into->setText(entryText(m_c.lstConvFrom, nPrevFrom));
    }
    nPrevFrom = n;
    if (readyToConvert())
        cmdConvert_Click();
    if (n == core::pnWarpUnit && m_settings.pnSelUnitGrp == core::pnSpeedGrp) {
        popUpWarpMenu();
        m_c.txtInput->setEnabled(false);
    } else {
        m_c.txtInput->setEnabled(true);
    }
}

void frmConvert::popUpWarpMenu()
{
    m_menus.warp->exec(QCursor::pos());
}

void frmConvert::lstConvInto_Click()
{
    if (m_filling)
        return;
    if (readyToConvert())
        cmdConvert_Click();
    if (entryText(m_c.lstConvInto, ListIndex(m_c.lstConvInto)).isEmpty())
        m_c.txtResult->setText(QString());
}

void frmConvert::lstConvInto_MouseUp()
{
    if (m_c.txtInput->isEnabled())
        m_c.txtInput->setFocus(Qt::MouseFocusReason);
}

void frmConvert::txtInput_Change()
{
    if (m_c.txtInput->text().isEmpty())
        m_c.txtResult->setText(QString());
    else
        cmdConvert_Click();
}

void frmConvert::mnuWarpArray_Click(int Index)
{
    WarpIndex = static_cast<std::int16_t>(Index);
    m_c.txtInput->setText(fromUtf8(m_cat.WarpText[static_cast<std::size_t>(Index)]).trimmed());
}

// Options and help

void frmConvert::mnuOptionsFigArray_Click(int Index)
{
    const std::int16_t figures[] = { 4, 6, 8, 10, 0, 7 };
    if (Index < 0 || Index > 5 || Index == 4)
        return;
    m_settings.pnFigure = figures[Index];
    checkFigureItem(m_settings.pnFigure);
    cmdConvert_Click();
}

void frmConvert::mnuOptionsFormArray_Click(int Index)
{
    m_settings.pnFormFlag = static_cast<std::int16_t>(Index);
    checkFormatItem(m_settings.pnFormFlag);
    cmdConvert_Click();
}

void frmConvert::mnuShowTop_Click()
{
    const bool on = !m_menus.showTop->isChecked();
    m_menus.showTop->setChecked(on);
    m_platform.order.SetTopmost(this, on ? 1 : 0);
    m_settings.pnShowTop = on ? 1 : 0;
}

void frmConvert::mnuContents_Click()
{
    m_platform.help.showContents(this, m_helpFile);
}

void frmConvert::mnuAbout_Click()
{
    m_onTop.mainOpensSecondary();
    m_showAbout();
}

void frmConvert::mnuConvConst_Click()
{
    m_onTop.mainOpensSecondary();
    m_dialogs->showConstants();
}

void frmConvert::mnuEquiv_Click()
{
    m_onTop.mainOpensSecondary();
    m_dialogs->showEquiv();
}

void frmConvert::mnuUserDef_Click()
{
    m_onTop.mainOpensSecondary();
    m_dialogs->showUser();
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
    if (m_closed || m_unloaded)
        return;
    m_pendingReason = UnloadMode;
    close();
}

void frmConvert::closeEvent(QCloseEvent *event)
{
    // A close the program did not ask for comes from the window's close box.
    const int mode = m_pendingReason.value_or(event->spontaneous() ? kCloseBox : kCloseByProgram);
    m_pendingReason.reset();
    Form_QueryUnload(mode);
    m_closed = true;
    event->accept();
}

void frmConvert::Form_QueryUnload(int UnloadMode)
{
    if (m_unloaded || UnloadMode < kCloseBox || UnloadMode > kCloseByTerminate)
        return;
    m_unloaded = true;
    CfgSaveOnExit();
    m_onTop.mainCloses();
    m_platform.tray.TrayIconDelete();
    emit ended();
}

void frmConvert::CfgSaveOnExit()
{
    // Before the window took its stored place, its position says nothing.
    if (m_placed && !isMinimized() && !isMaximized())
        storeMainPosition();
    if (m_dialogs)
        m_dialogs->captureConstantsPosition();
    if (store::CfgSave(m_dataDir, m_settings) == store::SaveResult::Failed)
        reportSaveFailure(QString::fromUtf8(
            store::kCfgFileName.data(), static_cast<qsizetype>(store::kCfgFileName.size())));
}

// The frame's corner, as it was placed; where positions cannot be known the stored ones stay.
void frmConvert::storeMainPosition()
{
    if (!PositionsKnown())
        return;
    const QPoint corner = FrameRect(this).topLeft();
    if (m_pulledTo && corner == *m_pulledTo) // pulled onto the screen and left there: keep the file's
        return;
    m_settings.pnFrmConvLeft = clampToInt16(static_cast<double>(corner.x()) * Tppx);
    m_settings.pnFrmConvTop = clampToInt16(static_cast<double>(corner.y()) * Tppy);
}

QPoint frmConvert::storedCorner() const
{
    return { Nearest(static_cast<double>(m_settings.pnFrmConvLeft) / Tppx),
        Nearest(static_cast<double>(m_settings.pnFrmConvTop) / Tppy) };
}

// Off the screen while the failure message shows. X11 window managers keep a window that asks to
// go there partly (openbox) or wholly (icewm) on the screen, so there it is taken out of view.
void frmConvert::ParkMainWindow()
{
    MoveFrameTo(this, QPoint(Nearest(-32000.0 / Tppx), y()));
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        hide();
    else
        show();
}

void frmConvert::UnparkMainWindow()
{
    MoveFrameTo(this, storedCorner());
    show();
}

void frmConvert::reportSaveFailure(const QString &fileName)
{
    ParkMainWindow();
    m_platform.messages.show(this,
        QStringLiteral("Failed to save file as '%1'.").arg(fileName),
        kTitle,
        platform::MsgIcon::Critical);
    UnparkMainWindow();
}

} // namespace ui
