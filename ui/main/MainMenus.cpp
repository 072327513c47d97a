// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace ui {

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// One action per caption; a "-" caption is a separator.
QList<QAction *> addArray(QMenu *menu, const char *name, const QStringList &captions)
{
    QList<QAction *> items;
    for (int i = 0; i < captions.size(); ++i) {
        QAction *a = captions[i] == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(captions[i]);
        a->setObjectName(QString::fromUtf8(name) + QLatin1Char('_') + QString::number(i));
        items.append(a);
    }
    return items;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(shortcut);
    return a;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(QString::fromUtf8(name));
    return a;
}

QMenu *addSubmenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *m = parent->addMenu(caption);
    m->setObjectName(QString::fromUtf8(name));
    m->menuAction()->setObjectName(QString::fromUtf8(name));
    return m;
}

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

void createFileEditMenus(Menus &m, QMainWindow *w)
{
    m.file = w->menuBar()->addMenu(QStringLiteral("&File"));
    m.file->setObjectName(QStringLiteral("mnuFile"));
    m.fileMinimize = addItem(m.file, "mnuFileMinimize", QStringLiteral("&Minimize"), ctrl(Qt::Key_M));
    m.fileBar = addSeparator(m.file, "mnuFileBar");
    m.fileExit = addItem(m.file, "mnuFileExit", QStringLiteral("E&xit"), ctrl(Qt::Key_X));
    m.fileMinimize->setVisible(false);
    m.fileBar->setVisible(false);

    m.edit = w->menuBar()->addMenu(QStringLiteral("&Edit"));
    m.edit->setObjectName(QStringLiteral("mnuEdit"));
    m.editCopy = addItem(m.edit, "mnuEditCopy", QStringLiteral("&Copy"), ctrl(Qt::Key_C));
    m.editPaste = addItem(m.edit, "mnuEditPaste", QStringLiteral("&Paste"), ctrl(Qt::Key_P));
    addSeparator(m.edit, "mnuEdit_0");
    m.history = addSubmenu(m.edit, "mnuHistory", QStringLiteral("&History"));
    m.historyArray = addArray(m.history,
        "mnuHistoryArray",
        { QStringLiteral("1"),
            QStringLiteral("2"),
            QStringLiteral("3"),
            QStringLiteral("4"),
            QStringLiteral("5"),
            QStringLiteral("6"),
            QStringLiteral("7"),
            QStringLiteral("8") });
    for (int i = 1; i < m.historyArray.size(); ++i)
        m.historyArray[i]->setVisible(false);
    m.history->menuAction()->setEnabled(false);
}

void createConvertMenu(Menus &m, QMainWindow *w)
{
    m.convert = w->menuBar()->addMenu(QStringLiteral("Con&vert"));
    m.convert->setObjectName(QStringLiteral("mnuConvert"));
    m.convArray = addArray(m.convert,
        "mnuConvArray",
        { text("&Length"),
            text("&Mass"),
            text("&Area"),
            text("&Volume"),
            text("&Stress, Pressure"),
            text("&Work Rate, Power..."),
            text("&Temperature"),
            text("&Energy, Work, Moment..."),
            text("&Force"),
            text("Velocit&y, Speed"),
            text("Accele&ration"),
            text("&Density"),
            text("Fuel Co&nsumption (Mass)"),
            text("Fuel Co&nsumption (Dist.)"),
            text("An&gle") });
    m.convComp = addSubmenu(m.convert, "mnuConvComp", QStringLiteral("Com&puter"));
    m.convCompArray = addArray(m.convComp,
        "mnuConvCompArray",
        { text("&Bit, Byte"), text("&Number System"), text("&Graphics Units") });
    m.convOther = addSubmenu(m.convert, "mnuConvOther", QStringLiteral("&Other Quantities"));
    m.convOtherArray = addArray(m.convOther,
        "mnuConvOtherArray",
        { text("&Viscosity"),
            text("&Kinetic Viscosity"),
            text("Heat &Flux"),
            text("Specific &Heat Capacity"),
            text("Thermal &Conductivity"),
            text("Heat &Transfer Coefficient"),
            text("&Magnetic Flux Density"),
            text("Magnetic Field &Strength"),
            text("Ma&gnetic Flux"),
            text("&Illuminance"),
            text("&Luminance"),
            text("&Radioactivity"),
            text("Exposed &Dose (Exposure)") });
    m.user = addSubmenu(m.convert, "mnuUser", QStringLiteral("C&ustom Quantities"));
    QStringList user { QString() };
    for (int i = 2; i <= core::pnUserGrpCount; ++i)
        user << QStringLiteral("User %1").arg(i);
    m.userArray = addArray(m.user, "mnuUserArray", user);
    addSeparator(m.convert, "mnuConv_1");
    m.convDecimal = addItem(m.convert, "mnuConvDecimal", QStringLiteral("Metric Prefi&xes"));
    addSeparator(m.convert, "mnuConv_2");
    m.convConst = addItem(m.convert, "mnuConvConst", QStringLiteral("Physical &Constants..."));
    m.equiv = addItem(m.convert, "mnuEquiv", QStringLiteral("E&quivalents..."));
    m.conv_3 = addSeparator(m.convert, "mnuConv_3");
    m.exit = addItem(m.convert, "mnuExit", QStringLiteral("E&xit"));
    m.conv_3->setVisible(false);
    m.exit->setVisible(false);

    for (const QList<QAction *> *items : { &m.convArray, &m.convOtherArray, &m.userArray, &m.convCompArray })
        for (QAction *a : *items)
            a->setCheckable(true);
    m.convDecimal->setCheckable(true);
}

void createOptionsHelpMenus(Menus &m, QMainWindow *w)
{
    m.options = w->menuBar()->addMenu(QStringLiteral("&Options"));
    m.options->setObjectName(QStringLiteral("mnuOptions"));
    m.optionsFig = addSubmenu(m.options, "mnuOptionsFig", QStringLiteral("&Significant Figures"));
    m.optionsFigArray = addArray(m.optionsFig,
        "mnuOptionsFigArray",
        { text("&4"), text("&6"), text("&8"), text("&10"), text("-"), text("&Integer") });
    const QKeySequence figureKeys[] = {
        ctrl(Qt::Key_F4), ctrl(Qt::Key_F6), ctrl(Qt::Key_F8), ctrl(Qt::Key_Z), QKeySequence(), ctrl(Qt::Key_I)
    };
    for (int i = 0; i < m.optionsFigArray.size(); ++i) {
        m.optionsFigArray[i]->setShortcut(figureKeys[i]);
        m.optionsFigArray[i]->setCheckable(i != 4);
    }
    m.optionsForm = addSubmenu(m.options, "mnuOptionsForm", QStringLiteral("&Number Format"));
    m.optionsFormArray =
        addArray(m.optionsForm, "mnuOptionsFormArray", { text("&Regular"), text("&Scientific") });
    m.optionsFormArray[0]->setShortcut(ctrl(Qt::Key_R));
    m.optionsFormArray[1]->setShortcut(ctrl(Qt::Key_S));
    for (QAction *a : m.optionsFormArray)
        a->setCheckable(true);
    addSeparator(m.options, "mnuOption_2");
    m.showTop = addItem(m.options, "mnuShowTop", QStringLiteral("Always on &Top"), ctrl(Qt::Key_T));
    m.showTop->setCheckable(true);
    addSeparator(m.options, "mnuOption_3");
    m.userDef = addItem(m.options, "mnuUserDef", QStringLiteral("&Add/Edit Custom Quantities..."));

    m.help = w->menuBar()->addMenu(QStringLiteral("&Help"));
    m.help->setObjectName(QStringLiteral("mnuHelp"));
    m.contents = addItem(m.help, "mnuContents", QStringLiteral("&Help Topics"), QKeySequence(Qt::Key_F1));
    addSeparator(m.help, "mnuHelp_1");
    m.about = addItem(m.help, "mnuAbout", QStringLiteral("&About..."));
}

// The group items of each family, in menu order, and the first group of each.
struct Family
{
    QList<QAction *> Menus::*items;
    std::int16_t firstGroup;
    std::int16_t count;
};
constexpr Family kFamilies[] = {
    { &Menus::convArray, 0, core::pnConvGrpCount },
    { &Menus::convOtherArray, core::pnConvGrpCount, core::pnOtherGrpCount - 1 },
    { &Menus::userArray, core::pnUserGrpFirst, core::pnUserGrpCount },
    { nullptr, core::pnPrefixGrp, 1 },
    { &Menus::convCompArray, core::pnCompGrpFirst, core::pnCompGrpCount },
};

constexpr std::int16_t kFigureItems[] = { 4, 6, 8, 10, -1, 7 };

} // namespace

Menus BuildMenus(QMainWindow *window)
{
    Menus m;
    createFileEditMenus(m, window);
    createConvertMenu(m, window);
    createOptionsHelpMenus(m, window);
    m.warp = new QMenu(QStringLiteral("Warp"), window);
    m.warp->setObjectName(QStringLiteral("mnuWarp"));
    QStringList warp;
    for (int k = 0; k < core::kWarpCount; ++k)
        warp << QStringLiteral("Warp");
    m.warpArray = addArray(m.warp, "mnuWarpArray", warp);
    return m;
}

void OnChosen(QAction *item, QObject *receiver, std::function<void()> handler)
{
    QObject::connect(item, &QAction::triggered, receiver, [item, handler = std::move(handler)] {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        handler();
    });
}

void OnChosen(const QList<QAction *> &items, QObject *receiver, const std::function<void(int)> &handler)
{
    for (int i = 0; i < items.size(); ++i)
        OnChosen(items[i], receiver, [handler, i] { handler(i); });
}

std::optional<std::int16_t> GroupOfItem(std::int16_t family, std::int16_t index)
{
    if (family < 0 || family >= static_cast<std::int16_t>(std::size(kFamilies)))
        return std::nullopt;
    const Family &f = kFamilies[family];
    if (index < 0 || index >= f.count)
        return std::nullopt;
    return static_cast<std::int16_t>(f.firstGroup + index);
}

QAction *GroupItem(const Menus &m, std::int16_t group)
{
    for (const Family &f : kFamilies) {
        if (group < f.firstGroup || group >= f.firstGroup + f.count)
            continue;
        return f.items ? (m.*f.items)[group - f.firstGroup] : m.convDecimal;
    }
    return nullptr;
}

void CheckGroupItem(const Menus &m, std::optional<std::int16_t> group)
{
    for (const Family &f : kFamilies)
        for (std::int16_t i = 0; i < f.count; ++i)
            GroupItem(m, static_cast<std::int16_t>(f.firstGroup + i))->setChecked(false);
    if (QAction *item = group ? GroupItem(m, *group) : nullptr)
        item->setChecked(true);
}

std::optional<std::int16_t> FigureOfItem(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(kFigureItems)) || kFigureItems[index] < 0)
        return std::nullopt;
    return kFigureItems[index];
}

void CheckFigureItem(const Menus &m, std::int16_t figure)
{
    for (int i = 0; i < m.optionsFigArray.size(); ++i)
        if (const auto f = FigureOfItem(i))
            m.optionsFigArray[i]->setChecked(*f == figure);
}

void CheckFormatItem(const Menus &m, std::int16_t format)
{
    for (int i = 0; i < m.optionsFormArray.size(); ++i)
        m.optionsFormArray[i]->setChecked(i == format);
}

void RefreshUserMenu(const Menus &m, const core::UserTables &user)
{
    int named = 0;
    for (int i = 0; i < core::pnUserGrpCount; ++i) {
        const QString name = QString::fromStdString(user.UserGrpName[static_cast<std::size_t>(i)]);
        QAction *item = m.userArray[i];
        if (!name.trimmed().isEmpty()) {
            ++named;
            item->setVisible(true);
            item->setText(name);
        } else if (i > 0) {
            item->setVisible(false);
        }
    }
    m.user->menuAction()->setEnabled(named > 0);
}

void ShowChecks(const Menus &m, const state::ProgramState &state)
{
    const store::Settings &s = state.settings();
    m.showTop->setChecked(s.pnShowTop == 1);
    CheckGroupItem(m, s.pnSelUnitGrp);
    CheckFigureItem(m, s.pnFigure);
    CheckFormatItem(m, s.pnFormFlag);
}

void ShowSettings(const Menus &m, const state::ProgramState &state)
{
    for (int k = 0; k < m.warpArray.size(); ++k)
        m.warpArray[k]->setText(QString::fromStdString(core::WarpCaption(state.catalogue(), k)));
    RefreshUserMenu(m, state.userTables());
    ShowChecks(m, state);
}

std::int16_t PushHistory(const Menus &m, std::int16_t count, const QString &statement)
{
    const QList<QAction *> &items = m.historyArray;
    m.history->menuAction()->setEnabled(true);
    count = static_cast<std::int16_t>(std::min<int>(count + 1, static_cast<int>(items.size())));
    items[count - 1]->setVisible(true);
    for (int j = count - 1; j > 0; --j) {
        items[j]->setText(items[j - 1]->text());
        items[j]->setData(items[j - 1]->data());
    }
    items[0]->setData(statement);
    items[0]->setText(QString(statement).replace(QLatin1Char('&'), QStringLiteral("&&")));
    return count;
}

} // namespace ui
