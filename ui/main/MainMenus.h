// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The main window's menu tree, and the one table from quantity group to menu item.
#pragma once

#include "core/mOrlo.h"
#include "state/ProgramState.h"

#include <QList>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QString;

namespace ui {

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

// The menu bar of `window` and the warp pop-up, items named and captioned, none connected yet.
Menus BuildMenus(QMainWindow *window);

// Runs `handler` when `item` is chosen. A checkable item's mark is left as it was before the click:
// the handlers set the marks themselves, and choosing the checked item again must keep its mark.
void OnChosen(QAction *item, QObject *receiver, std::function<void()> handler);
// The same for each item of an array, with its index.
void OnChosen(const QList<QAction *> &items, QObject *receiver, const std::function<void(int)> &handler);

// The group a menu family (0 common, 1 other, 2 custom, 3 prefixes, 4 computer) and index stand for;
// none when the family has no such item.
std::optional<std::int16_t> GroupOfItem(std::int16_t family, std::int16_t index);
// The menu item of a group; none for a slot without one.
QAction *GroupItem(const Menus &m, std::int16_t group);
// Every group item unchecked, then the group's own checked.
void CheckGroupItem(const Menus &m, std::optional<std::int16_t> group);

// The Significant Figures items: the figure setting each stands for, none for the separator.
std::optional<std::int16_t> FigureOfItem(int index);
void CheckFigureItem(const Menus &m, std::int16_t figure);
void CheckFormatItem(const Menus &m, std::int16_t format);

// The Custom Quantities menu: one item per named group (the first always there), enabled while any
// group has a name.
void RefreshUserMenu(const Menus &m, const core::UserTables &user);

// The check marks that follow the settings: on top, the group, figures and format.
void ShowChecks(const Menus &m, const state::ProgramState &state);
// Those, and the captions that follow the custom tables and the catalogue: the custom group names,
// the warp captions.
void ShowSettings(const Menus &m, const state::ProgramState &state);

// Puts `statement` first in the History submenu of `count` entries, the others one down (the last
// of eight drops off); the new count. The statement is kept whole in the item's data; its caption
// doubles "&" so none becomes an access key.
std::int16_t PushHistory(const Menus &m, std::int16_t count, const QString &statement);

} // namespace ui
