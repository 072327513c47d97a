// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter's main window: the quantity menus, the two unit lists, instant conversion, options,
// copy, paste and history, the calculator hand-off, the keyboard, and the notification icon.
#pragma once

#include "MainLayout.h"
#include "core/mOrlo.h"
#include "platform/Platform.h"
#include "store/Store.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/OnTop.h"

#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace ui {

class CommandLabel;

inline const QString kTitle = QStringLiteral(" Orlo Unit Converter");

// Why the window is asked to close. Any larger value is a reason that saves nothing.
inline constexpr int kCloseBox = 0;
inline constexpr int kCloseByProgram = 1; // the Exit commands
inline constexpr int kCloseBySession = 2; // the user logs out or the system shuts down
inline constexpr int kCloseByTerminate = 3; // a task manager's termination request

// How long the Calculator command waits for the calculator it started to answer.
inline constexpr std::chrono::milliseconds kCalculatorAnswer { 3000 };
inline const QString kCalculatorFile = QStringLiteral("VELDRA.EXE");

class frmConvert : public QMainWindow
{
    Q_OBJECT

public:
    struct Controls
    {
        QLineEdit *txtInput = nullptr;
        QLineEdit *txtResult = nullptr;
        QListWidget *lstConvFrom = nullptr;
        QListWidget *lstConvInto = nullptr;
        QGroupBox *fraConvFrom = nullptr;
        QGroupBox *fraConvInto = nullptr;
        QPushButton *cmdConvert = nullptr;
        QLabel *imgHand = nullptr;
        QLineEdit *txtDest = nullptr;
    };
    struct Labels
    {
        CommandLabel *paste = nullptr;
        CommandLabel *shrink = nullptr;
        CommandLabel *cal = nullptr;
        CommandLabel *copy = nullptr;
    };
    struct Menus
    {
        QMenu *file = nullptr;
        QAction *fileMinimize = nullptr;
        QAction *fileBar = nullptr;
        QAction *fileExit = nullptr;
        QMenu *edit = nullptr;
        QAction *editCopy = nullptr;
        QAction *editPaste = nullptr;
        QMenu *history = nullptr;
        QList<QAction *> historyArray;
        QMenu *convert = nullptr;
        QList<QAction *> convArray;
        QMenu *convComp = nullptr;
        QList<QAction *> convCompArray;
        QMenu *convOther = nullptr;
        QList<QAction *> convOtherArray;
        QMenu *user = nullptr;
        QList<QAction *> userArray;
        QAction *convDecimal = nullptr;
        QAction *convConst = nullptr;
        QAction *equiv = nullptr;
        QAction *conv_3 = nullptr;
        QAction *exit = nullptr;
        QMenu *options = nullptr;
        QMenu *optionsFig = nullptr;
        QList<QAction *> optionsFigArray;
        QMenu *optionsForm = nullptr;
        QList<QAction *> optionsFormArray;
        QAction *showTop = nullptr;
        QAction *userDef = nullptr;
        QMenu *help = nullptr;
        QAction *contents = nullptr;
        QAction *about = nullptr;
        QMenu *warp = nullptr; // pop-up only
        QList<QAction *> warpArray;
    };

    // `dataDir` holds the configuration and custom quantity files; nothing happens before Form_Load.
    frmConvert(const platform::Platform &platform,
        std::filesystem::path dataDir,
        QString helpFile,
        QWidget *parent = nullptr);
    ~frmConvert() override;

    // The start-up: reads both files, lays out, builds the catalogue, and shows the window.
    void Form_Load();

    // Closes the window for `UnloadMode`; closing again later does nothing.
    void Unload(int UnloadMode);
    // The closing work: reasons 0 to 3 save the configuration and end the program.
    void Form_QueryUnload(int UnloadMode);

    // Replaces the About box shown at start-up and from the Help menu (the default opens frmInfo).
    void setAboutHook(std::function<void()> hook) { m_showAbout = std::move(hook); }
    // The folder the calculator is started from; the program's own folder unless set.
    void setProgramDir(std::filesystem::path dir) { m_programDir = std::move(dir); }
    QString calculatorProgram() const;

    // A later start of the program asks for this one: show it, hidden or not, in front. Nothing
    // happens before the start-up has shown the window, which it then does anyway.
    void showFromAnotherStart();

    void ShowGroup();
    void SwitchMenus(std::int16_t family, std::int16_t index);
    void ClearEntry();
    bool readyToConvert() const;

    const Controls &controls() const { return m_c; }
    const Labels &labels() const { return m_labels; }
    const Menus &menus() const { return m_menus; }
    const MainLayout &layoutGeometry() const { return m_layout; }
    store::Settings &settings() { return m_settings; }
    const core::Catalogue &catalogue() const { return m_cat; }
    core::UserTables &userTables() { return m_user; }
    Dialogs *dialogs() const { return m_dialogs.get(); }
    OnTop &onTop() { return m_onTop; }

    std::int16_t pnShownUnitGrp = 0;
    std::int16_t Tppx = 15;
    std::int16_t Tppy = 15;
    std::int16_t nPrevFrom = 0;
    std::int16_t nHistCount = 0;
    std::int16_t WarpIndex = 0;
    std::int16_t pnBtnWidth = 0;
    std::int16_t pnBtnTextTop = 0;

signals:
    // The program is to end now; the configuration has been saved.
    void ended();

public slots:
    void cmdConvert_Click();

private slots:
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
    void KeyCommand(std::int16_t KeyAscii);
    void picIcon_MouseMove(platform::TrayIcon::Event event);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createCommandRow(QWidget *client);
    void createMenus();
    void createFileEditMenus();
    void createConvertMenu();
    void createOptionsHelpMenus();
    void setAccessibility();

    void LayoutMain();
    void applyLayout(const MainLayout &g);
    void colourCommands();

    void groupCommand(std::int16_t group, std::int16_t family, std::int16_t index);
    void refreshUserMenu();
    void checkGroupItem(std::int16_t group);
    void checkFigureItem(std::int16_t figure);
    void checkFormatItem(std::int16_t format);
    void popUpWarpMenu();

    void RecordHistory();
    void calculatorFailed();
    bool controlKeyPress(QObject *watched, QKeyEvent *key);
    bool isMenuShortcut(const QKeyEvent *key) const;
    void putOutOfView();
    void watchTray();
    void popUpTrayMenu();
    void storeMainPosition();
    QPoint storedCorner() const;
    void showFramedAtStoredCorner();

    void CfgSaveOnExit();
    void ParkMainWindow();
    void UnparkMainWindow();
    void reportSaveFailure(const QString &fileName);
    DialogContext dialogContext();

    platform::Platform m_platform;
    std::filesystem::path m_dataDir;
    std::filesystem::path m_programDir;
    QString m_helpFile;
    store::Settings m_settings;
    core::UserTables m_user;
    core::Catalogue m_cat;
    OnTop m_onTop;
    std::unique_ptr<Dialogs> m_dialogs;
    std::function<void()> m_showAbout;

    Controls m_c;
    Labels m_labels;
    Menus m_menus;
    MainLayout m_layout;

    std::optional<int> m_pendingReason;
    bool m_placed = false;
    std::optional<QPoint> m_pulledTo; // where an unreachable stored corner was pulled to
    QTimer m_trayWatch; // while hidden in the icon: is the notification area still there?
    bool m_loaded = false; // the start-up has shown the window
    bool m_calling = false; // the Calculator command is waiting for its calculator
    bool m_iconified = false; // Minimize iconified the window for want of a notification area
    bool m_unloaded = false;
    bool m_closed = false;
    bool m_filling = false;
};

// The list index of the selected entry, -1 when none is selected.
std::int16_t ListIndex(const QListWidget *list);

} // namespace ui
