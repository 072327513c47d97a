// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The converter window's controls and menu tree.
#include "CommandLabel.h"
#include "data/Resources.h"
#include "frmConvert.h"
#include "ui/dialogs/WholeRowList.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace ui {

namespace {

QFont desktopFont(double pointSize)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPointSizeF(pointSize);
    f.setBold(false);
    f.setItalic(false);
    return f;
}

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void frmConvert::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(desktopFont(8.25));
    setCentralWidget(client);

    const QFont textFont = desktopFont(9.75);
    m_c.fraConvFrom = new QGroupBox(QStringLiteral("From..."), client);
    m_c.fraConvInto = new QGroupBox(QStringLiteral("Into..."), client);
    m_c.txtInput = new QLineEdit(m_c.fraConvFrom);
    m_c.txtResult = new QLineEdit(m_c.fraConvInto);
    m_c.lstConvFrom = new WholeRowList(m_c.fraConvFrom);
    m_c.lstConvInto = new WholeRowList(m_c.fraConvInto);
    m_c.txtInput->setFont(textFont);
    m_c.txtResult->setFont(textFont);
    for (QListWidget *list : { m_c.lstConvFrom, m_c.lstConvInto }) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        // Long unit names are elided rather than scrolled, which keeps every row of the list in view;
        // the whole name shows as a tooltip.
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->installEventFilter(this);
    }
    m_c.lstConvInto->viewport()->installEventFilter(this);
    m_c.txtInput->installEventFilter(this);
    m_c.txtResult->installEventFilter(this);

    m_c.imgHand = new QLabel(client);
    // Drawn from its SVG for this screen's scale, so it stays sharp at 2x.
    m_c.imgHand->setPixmap(resources::picture(resources::Picture::Hand, 32, devicePixelRatioF()));
    setWindowIcon(resources::appIcon());
    m_c.imgHand->resize(32, 32);

    // The Convert command has no button of its own on screen; the other handlers call it.
    m_c.cmdConvert = new QPushButton(QStringLiteral("Convert"), client);
    m_c.cmdConvert->hide();
    m_c.txtDest = new QLineEdit(client);
    m_c.txtDest->hide();

    m_c.fraConvFrom->setObjectName(QStringLiteral("fraConvFrom"));
    m_c.fraConvInto->setObjectName(QStringLiteral("fraConvInto"));
    m_c.txtInput->setObjectName(QStringLiteral("txtInput"));
    m_c.txtResult->setObjectName(QStringLiteral("txtResult"));
    m_c.lstConvFrom->setObjectName(QStringLiteral("lstConvFrom"));
    m_c.lstConvInto->setObjectName(QStringLiteral("lstConvInto"));
    m_c.imgHand->setObjectName(QStringLiteral("imgHand"));
    m_c.cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    m_c.txtDest->setObjectName(QStringLiteral("txtDest"));

    createCommandRow(client);
    setAccessibility();

    connect(m_c.cmdConvert, &QPushButton::clicked, this, &frmConvert::cmdConvert_Click);
    connect(m_c.txtInput, &QLineEdit::textChanged, this, &frmConvert::txtInput_Change);
    connect(m_c.lstConvFrom, &QListWidget::itemSelectionChanged, this, &frmConvert::lstConvFrom_Click);
    connect(m_c.lstConvInto, &QListWidget::itemSelectionChanged, this, &frmConvert::lstConvInto_Click);
}

void frmConvert::createCommandRow(QWidget *client)
{
    m_labels.paste = new CommandLabel(QStringLiteral("&Paste"), client);
    m_labels.shrink = new CommandLabel(QStringLiteral("&Minimize"), client);
    m_labels.cal = new CommandLabel(QStringLiteral("C&alculator "), client);
    m_labels.copy = new CommandLabel(QStringLiteral("&Copy"), client);
    m_labels.paste->setObjectName(QStringLiteral("lblPaste"));
    m_labels.shrink->setObjectName(QStringLiteral("lblShrink"));
    m_labels.cal->setObjectName(QStringLiteral("lblCal"));
    m_labels.copy->setObjectName(QStringLiteral("lblCopy"));
    connect(m_labels.paste, &CommandLabel::clicked, this, &frmConvert::lblPaste_Click);
    connect(m_labels.shrink, &CommandLabel::clicked, this, &frmConvert::lblShrink_Click);
    connect(m_labels.cal, &CommandLabel::clicked, this, &frmConvert::lblCal_Click);
    connect(m_labels.copy, &CommandLabel::clicked, this, &frmConvert::lblCopy_Click);
    for (CommandLabel *l : { m_labels.paste, m_labels.shrink, m_labels.cal, m_labels.copy })
        connect(l, &CommandLabel::keyTyped, this, &frmConvert::KeyCommand);
}

void frmConvert::setAccessibility()
{
    struct Entry
    {
        QWidget *widget;
        const char *name;
        const char *description;
    };
    const Entry entries[] = {
        { m_c.txtInput, "Value to convert", "Type a value; the result follows every keystroke." },
        { m_c.txtResult, "Result", "The value converted into the Into unit." },
        { m_c.lstConvFrom, "From unit", "The unit of the value to convert." },
        { m_c.lstConvInto, "Into unit", "The unit of the result." },
        { m_labels.paste, "Paste", "Pastes the clipboard text as the value to convert." },
        { m_labels.shrink, "Minimize", "Hides the window into the notification area." },
        { m_labels.cal, "Calculator", "Starts the calculator with the result." },
        { m_labels.copy, "Copy", "Copies the result and records the conversion in the history." },
    };
    for (const Entry &e : entries) {
        e.widget->setAccessibleName(text(e.name));
        e.widget->setAccessibleDescription(text(e.description));
    }
}

namespace {

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

} // namespace

// Runs `handler` for a menu item. A checkable item's mark is left as it was before the click: the
// handlers set the marks themselves, and choosing the checked item again must keep its mark.
template <typename Handler> static void onChosen(QAction *a, frmConvert *window, Handler handler)
{
    QObject::connect(a, &QAction::triggered, window, [a, handler] {
        if (a->isCheckable())
            a->setChecked(!a->isChecked());
        handler();
    });
}

// One action per caption, all running `slot` with their index; a "-" caption is a separator.
template <typename Slot>
static QList<QAction *> addArray(
    frmConvert *window, QMenu *menu, const char *name, const QStringList &captions, Slot slot)
{
    QList<QAction *> items;
    for (int i = 0; i < captions.size(); ++i) {
        QAction *a = captions[i] == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(captions[i]);
        a->setObjectName(QString::fromUtf8(name) + QLatin1Char('_') + QString::number(i));
        onChosen(a, window, [window, slot, i] { (window->*slot)(i); });
        items.append(a);
    }
    return items;
}

void frmConvert::createMenus()
{
    createFileEditMenus();
    createConvertMenu();
    createOptionsHelpMenus();

    m_menus.warp = new QMenu(QStringLiteral("Warp"), this);
    m_menus.warp->setObjectName(QStringLiteral("mnuWarp"));
    QStringList warp;
    for (int k = 0; k < core::kWarpCount; ++k)
        warp << QStringLiteral("Warp");
    m_menus.warpArray = addArray(this, m_menus.warp, "mnuWarpArray", warp, &frmConvert::mnuWarpArray_Click);
}

void frmConvert::createFileEditMenus()
{
    Menus &m = m_menus;
    m.file = menuBar()->addMenu(QStringLiteral("&File"));
    m.file->setObjectName(QStringLiteral("mnuFile"));
    m.fileMinimize = addItem(m.file, "mnuFileMinimize", QStringLiteral("&Minimize"), ctrl(Qt::Key_M));
    m.fileBar = addSeparator(m.file, "mnuFileBar");
    m.fileExit = addItem(m.file, "mnuFileExit", QStringLiteral("E&xit"), ctrl(Qt::Key_X));
    m.fileMinimize->setVisible(false);
    m.fileBar->setVisible(false);
    connect(m.fileMinimize, &QAction::triggered, this, &frmConvert::mnuFileMinimize_Click);
    connect(m.fileExit, &QAction::triggered, this, &frmConvert::mnuFileExit_Click);

    m.edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    m.edit->setObjectName(QStringLiteral("mnuEdit"));
    m.editCopy = addItem(m.edit, "mnuEditCopy", QStringLiteral("&Copy"), ctrl(Qt::Key_C));
    m.editPaste = addItem(m.edit, "mnuEditPaste", QStringLiteral("&Paste"), ctrl(Qt::Key_P));
    addSeparator(m.edit, "mnuEdit_0");
    m.history = addSubmenu(m.edit, "mnuHistory", QStringLiteral("&History"));
    m.historyArray = addArray(this,
        m.history,
        "mnuHistoryArray",
        { QStringLiteral("1"),
            QStringLiteral("2"),
            QStringLiteral("3"),
            QStringLiteral("4"),
            QStringLiteral("5"),
            QStringLiteral("6"),
            QStringLiteral("7"),
            QStringLiteral("8") },
        &frmConvert::mnuHistoryArray_Click);
    for (int i = 1; i < m.historyArray.size(); ++i)
        m.historyArray[i]->setVisible(false);
    m.history->menuAction()->setEnabled(false);
    connect(m.editCopy, &QAction::triggered, this, &frmConvert::mnuEditCopy_Click);
    connect(m.editPaste, &QAction::triggered, this, &frmConvert::mnuEditPaste_Click);
}

void frmConvert::createConvertMenu()
{
    Menus &m = m_menus;
    m.convert = menuBar()->addMenu(QStringLiteral("Con&vert"));
    m.convert->setObjectName(QStringLiteral("mnuConvert"));
    m.convArray = addArray(this,
        m.convert,
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
            text("An&gle") },
        &frmConvert::mnuConvArray_Click);
    m.convComp = addSubmenu(m.convert, "mnuConvComp", QStringLiteral("Com&puter"));
    m.convCompArray = addArray(this,
        m.convComp,
        "mnuConvCompArray",
        { text("&Bit, Byte"), text("&Number System"), text("&Graphics Units") },
        &frmConvert::mnuConvCompArray_Click);
    m.convOther = addSubmenu(m.convert, "mnuConvOther", QStringLiteral("&Other Quantities"));
    m.convOtherArray = addArray(this,
        m.convOther,
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
            text("Exposed &Dose (Exposure)") },
        &frmConvert::mnuConvOtherArray_Click);
    m.user = addSubmenu(m.convert, "mnuUser", QStringLiteral("C&ustom Quantities"));
    QStringList user { QString() };
    for (int i = 2; i <= core::pnUserGrpCount; ++i)
        user << QStringLiteral("User %1").arg(i);
    m.userArray = addArray(this, m.user, "mnuUserArray", user, &frmConvert::mnuUserArray_Click);
    addSeparator(m.convert, "mnuConv_1");
    m.convDecimal = addItem(m.convert, "mnuConvDecimal", QStringLiteral("Metric Prefi&xes"));
    addSeparator(m.convert, "mnuConv_2");
    m.convConst = addItem(m.convert, "mnuConvConst", QStringLiteral("Physical &Constants..."));
    m.equiv = addItem(m.convert, "mnuEquiv", QStringLiteral("E&quivalents..."));
    m.conv_3 = addSeparator(m.convert, "mnuConv_3");
    m.exit = addItem(m.convert, "mnuExit", QStringLiteral("E&xit"));
    m.conv_3->setVisible(false);
    m.exit->setVisible(false);
    onChosen(m.convDecimal, this, [this] { mnuConvDecimal_Click(); });
    connect(m.convConst, &QAction::triggered, this, &frmConvert::mnuConvConst_Click);
    connect(m.equiv, &QAction::triggered, this, &frmConvert::mnuEquiv_Click);
    connect(m.exit, &QAction::triggered, this, &frmConvert::mnuExit_Click);

    for (const QList<QAction *> *items : { &m.convArray, &m.convOtherArray, &m.userArray, &m.convCompArray })
        for (QAction *a : *items)
            a->setCheckable(true);
    m.convDecimal->setCheckable(true);
}

void frmConvert::createOptionsHelpMenus()
{
    Menus &m = m_menus;
    m.options = menuBar()->addMenu(QStringLiteral("&Options"));
    m.options->setObjectName(QStringLiteral("mnuOptions"));
    m.optionsFig = addSubmenu(m.options, "mnuOptionsFig", QStringLiteral("&Significant Figures"));
    m.optionsFigArray = addArray(this,
        m.optionsFig,
        "mnuOptionsFigArray",
        { text("&4"), text("&6"), text("&8"), text("&10"), text("-"), text("&Integer") },
        &frmConvert::mnuOptionsFigArray_Click);
    const QKeySequence figureKeys[] = {
        ctrl(Qt::Key_F4), ctrl(Qt::Key_F6), ctrl(Qt::Key_F8), ctrl(Qt::Key_Z), QKeySequence(), ctrl(Qt::Key_I)
    };
    for (int i = 0; i < m.optionsFigArray.size(); ++i) {
        m.optionsFigArray[i]->setShortcut(figureKeys[i]);
        m.optionsFigArray[i]->setCheckable(i != 4);
    }
    m.optionsForm = addSubmenu(m.options, "mnuOptionsForm", QStringLiteral("&Number Format"));
    m.optionsFormArray = addArray(this,
        m.optionsForm,
        "mnuOptionsFormArray",
        { text("&Regular"), text("&Scientific") },
        &frmConvert::mnuOptionsFormArray_Click);
    m.optionsFormArray[0]->setShortcut(ctrl(Qt::Key_R));
    m.optionsFormArray[1]->setShortcut(ctrl(Qt::Key_S));
    for (QAction *a : m.optionsFormArray)
        a->setCheckable(true);
    addSeparator(m.options, "mnuOption_2");
    m.showTop = addItem(m.options, "mnuShowTop", QStringLiteral("Always on &Top"), ctrl(Qt::Key_T));
    m.showTop->setCheckable(true);
    addSeparator(m.options, "mnuOption_3");
    m.userDef = addItem(m.options, "mnuUserDef", QStringLiteral("&Add/Edit Custom Quantities..."));
    onChosen(m.showTop, this, [this] { mnuShowTop_Click(); });
    connect(m.userDef, &QAction::triggered, this, &frmConvert::mnuUserDef_Click);

    m.help = menuBar()->addMenu(QStringLiteral("&Help"));
    m.help->setObjectName(QStringLiteral("mnuHelp"));
    m.contents = addItem(m.help, "mnuContents", QStringLiteral("&Help Topics"), QKeySequence(Qt::Key_F1));
    addSeparator(m.help, "mnuHelp_1");
    m.about = addItem(m.help, "mnuAbout", QStringLiteral("&About..."));
    connect(m.contents, &QAction::triggered, this, &frmConvert::mnuContents_Click);
    connect(m.about, &QAction::triggered, this, &frmConvert::mnuAbout_Click);
}

} // namespace ui
