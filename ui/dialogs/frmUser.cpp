// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers

#include "frmUser.h"

#include "ui/common/Colours.h"
#include "ui/common/Texts.h"
#include "ui/common/Twips.h"
#include "ui/common/Windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <array>

namespace ui {

namespace {

// Places in twips: left, top, width, height; inside a frame relative to the frame.
struct Place
{
    int left, top, width, height;
};
constexpr Place kFrame3 { 120, 90, 5310, 675 };
constexpr Place kCombo { 120, 240, 5070, 315 };
constexpr Place kFrame1 { 120, 840, 3270, 2955 };
constexpr Place kFrame2 { 3360, 840, 2070, 2955 };
constexpr int kUnitLeft = 120;
constexpr int kUnitWidth = 3135;
constexpr int kCoefLeft = 0;
constexpr int kCoefWidth = 1935;
constexpr int kBoxHeight = 315;
constexpr std::array<int, 10> kRowTops { 240, 490, 740, 990, 1240, 1490, 1740, 1990, 2240, 2510 };
constexpr Place kSave { 2190, 3960, 990, 315 };
constexpr Place kCancel { 3260, 3960, 990, 315 };
constexpr Place kHelp { 4320, 3960, 990, 315 };
constexpr int kClientWidth = 5550;
constexpr int kClientHeight = 4425;

const QColor kOddRow(224, 224, 224);
const QColor kRejected(255, 255, 0);

QString TrimBlanks(const QString &s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && s.at(to - 1) == QLatin1Char(' '))
        --to;
    return s.mid(from, to - from);
}

bool Storable(const QString &s)
{
    return state::ProgramState::Storable(s.toStdString());
}

// The coefficient box shows the coefficient alone, or "coefficient;offset" when there is an offset.
QString CoefBoxText(const std::string &coef, const std::string &offset)
{
    const QString c = TrimBlanks(QString::fromStdString(coef));
    const QString o = TrimBlanks(QString::fromStdString(offset));
    return o.isEmpty() ? c : c + QLatin1Char(';') + o;
}

} // namespace

void GroupCombo::showPopup()
{
    if (onDropDown)
        onDropDown();
    QComboBox::showPopup();
}

frmUser::frmUser(WindowContext &ctx)
    : SecondaryWindow(ctx, Secondary::User, Placement::Centred, Modality::Modal)
{
    setWindowTitle(QStringLiteral(" Add/Edit Custom Quantities"));
    setModal(true);
    const std::int16_t tx = m_ctx.state.Tppx();
    const std::int16_t ty = m_ctx.state.Tppy();
    auto place = [tx, ty](QWidget *w, const Place &p) {
        w->setGeometry(
            ToPixels(p.left, tx), ToPixels(p.top, ty), ToPixels(p.width, tx), ToPixels(p.height, ty));
    };

    Frame3 = new QGroupBox(QStringLiteral("Quantity"), this);
    place(Frame3, kFrame3);
    cboUserGroups = new GroupCombo(Frame3);
    cboUserGroups->setEditable(true);
    // The list always holds the twenty groups: typing renames, it never adds, completes or jumps.
    cboUserGroups->setInsertPolicy(QComboBox::NoInsert);
    cboUserGroups->setDuplicatesEnabled(true);
    cboUserGroups->setCompleter(nullptr);
    cboUserGroups->setMaxVisibleItems(core::pnUserGrpCount);
    place(cboUserGroups, kCombo);

    Frame1 = new QGroupBox(QStringLiteral("Units of Measurement"), this);
    place(Frame1, kFrame1);
    Frame2 = new QGroupBox(QStringLiteral("Conversion Factors"), this);
    place(Frame2, kFrame2);
    for (int u = 0; u < core::kUserUnitsUsed; ++u) {
        // Frameless boxes stacked edge to edge read as the rows of one table; the rows' own height
        // is the step to the next row, the last one keeps the full box height.
        const int top = kRowTops[static_cast<std::size_t>(u)];
        const int bottom =
            u + 1 < core::kUserUnitsUsed ? kRowTops[static_cast<std::size_t>(u) + 1] : top + kBoxHeight;
        const int topPx = ToPixels(top, ty);
        const int heightPx = ToPixels(bottom, ty) - topPx;
        auto *unit = new QLineEdit(Frame1);
        unit->setFrame(false);
        unit->setGeometry(ToPixels(kUnitLeft, tx), topPx, ToPixels(kUnitWidth, tx), heightPx);
        auto *coef = new QLineEdit(Frame2);
        coef->setFrame(false);
        coef->setGeometry(ToPixels(kCoefLeft, tx), topPx, ToPixels(kCoefWidth, tx), heightPx);
        colourRow(unit, u);
        colourRow(coef, u);
        txtUserUnit << unit;
        txtUserCoef << coef;
        connect(unit, &QLineEdit::textChanged, this, [this, u] { txtUserUnit_Change(u); });
        connect(coef, &QLineEdit::textChanged, this, [this, u] { txtUserCoef_Change(u); });
    }

    cmdSave = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    place(cmdSave, kSave);
    place(cmdCancel, kCancel);
    place(cmdHelp, kHelp);
    // Enter in a box must not save behind the user's back.
    for (QPushButton *b : { cmdSave, cmdCancel, cmdHelp })
        b->setAutoDefault(false);

    QWidget *previous = cboUserGroups;
    for (int u = 0; u < core::kUserUnitsUsed; ++u) {
        setTabOrder(previous, txtUserUnit[u]);
        setTabOrder(txtUserUnit[u], txtUserCoef[u]);
        previous = txtUserCoef[u];
    }
    setTabOrder(previous, cmdSave);
    setTabOrder(cmdSave, cmdCancel);
    setTabOrder(cmdCancel, cmdHelp);

    setFixedSize(ToPixels(kClientWidth, tx), ToPixels(kClientHeight, ty));

    cboUserGroups->onDropDown = [this] { cboUserGroups_DropDown(); };
    connect(cboUserGroups, &QComboBox::activated, this, &frmUser::cboUserGroups_Click);
    // Only what the user types renames the group; a pick from the list or a text set here does not.
    connect(cboUserGroups->lineEdit(), &QLineEdit::textEdited, this, &frmUser::cboUserGroups_Change);
    connect(cmdSave, &QPushButton::clicked, this, &frmUser::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmUser::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmUser::cmdHelp_Click);
}

frmUser::~frmUser() = default;

void frmUser::Form_Load()
{
    fitQuantityFrame();
    LoadWorkingCopy();
    m_nGrp = 0;
    {
        const QSignalBlocker hold(cboUserGroups);
        cboUserGroups->clear();
        for (const std::string &name : m_work.UserGrpName)
            cboUserGroups->addItem(QString::fromStdString(name));
    }
    setGroupText(QString::fromStdString(m_work.UserGrpName[0]));
    showGroup();
    cboUserGroups->setFocus();
}

// The combo box sits half a caption line plus 120 twips below the frame's top, 105 twips above its bottom.
void frmUser::fitQuantityFrame()
{
    const int captionH = QFontMetrics(Frame3->font()).height();
    const int comboH = std::max(ToPixels(kBoxHeight, m_ctx.state.Tppy()), cboUserGroups->sizeHint().height());
    const int comboTop = captionH / 2 + ToPixels(120, m_ctx.state.Tppy());
    cboUserGroups->setGeometry(cboUserGroups->x(), comboTop, cboUserGroups->width(), comboH);
    Frame3->resize(Frame3->width(), comboTop + comboH + ToPixels(105, m_ctx.state.Tppy()));
}

void frmUser::LoadWorkingCopy()
{
    m_work = m_ctx.state.userTables();
}

core::UserTables frmUser::StoreWorkingCopy() const
{
    core::UserTables t = m_ctx.state.userTables();
    for (int g = 0; g < core::pnUserGrpCount; ++g) {
        const auto G = static_cast<std::size_t>(g);
        t.UserGrpName[G] = m_work.UserGrpName[G];
        for (std::size_t u = 0; u < core::kUserUnitsUsed; ++u) {
            t.UserUnitName[G][u] = m_work.UserUnitName[G][u];
            t.UserCoefText[G][u] = m_work.UserCoefText[G][u];
            t.UserOffsetText[G][u] = m_work.UserOffsetText[G][u];
        }
    }
    return t;
}

QString frmUser::GetPart(const QString &text, QChar separator, int selector)
{
    const qsizetype at = text.indexOf(separator);
    if (selector == 1)
        return at < 0 ? text : text.left(at);
    return at < 0 ? QString() : TrimBlanks(text.mid(at + 1));
}

// Odd rows have their fixed grey with a text colour chosen for it; even rows follow the palette.
void frmUser::colourRow(QWidget *box, int slot) const
{
    if (slot % 2 == 1)
        SetBaseWithText(box, kOddRow);
    else
        SetPaletteBase(box);
}

void frmUser::setGroupText(const QString &name)
{
    cboUserGroups->setEditText(name);
    SetPaletteBase(cboUserGroups->lineEdit());
}

// Fills the twenty boxes from the working copy. Each box then checks itself, so a box left yellow
// by another group's text takes the colour of what it holds now.
void frmUser::showGroup()
{
    const auto G = static_cast<std::size_t>(m_nGrp);
    for (int u = 0; u < core::kUserUnitsUsed; ++u) {
        const auto U = static_cast<std::size_t>(u);
        {
            const QSignalBlocker hold(txtUserUnit[u]);
            txtUserUnit[u]->setText(QString::fromStdString(m_work.UserUnitName[G][U]));
        }
        txtUserUnit_Change(u);
        {
            const QSignalBlocker hold(txtUserCoef[u]);
            txtUserCoef[u]->setText(CoefBoxText(m_work.UserCoefText[G][U], m_work.UserOffsetText[G][U]));
        }
        txtUserCoef_Change(u);
    }
}

void frmUser::cboUserGroups_Click(int index)
{
    m_nGrp = static_cast<std::int16_t>(index < 0 || index >= core::pnUserGrpCount ? 0 : index);
    setGroupText(QString::fromStdString(m_work.UserGrpName[static_cast<std::size_t>(m_nGrp)]));
    showGroup();
}

void frmUser::cboUserGroups_Change(const QString &text)
{
    if (!Storable(text)) {
        SetBaseWithText(cboUserGroups->lineEdit(), kRejected);
        return;
    }
    SetPaletteBase(cboUserGroups->lineEdit());
    m_work.UserGrpName[static_cast<std::size_t>(m_nGrp)] = text.toStdString();
}

void frmUser::cboUserGroups_DropDown()
{
    {
        const QSignalBlocker hold(cboUserGroups);
        cboUserGroups->clear();
        for (const std::string &name : m_work.UserGrpName)
            cboUserGroups->addItem(QString::fromStdString(name));
        cboUserGroups->setCurrentIndex(m_nGrp);
    }
    setGroupText(QString::fromStdString(m_work.UserGrpName[static_cast<std::size_t>(m_nGrp)]));
}

void frmUser::txtUserUnit_Change(int Index)
{
    QLineEdit *box = txtUserUnit[Index];
    if (!Storable(box->text())) {
        SetBaseWithText(box, kRejected);
        return;
    }
    colourRow(box, Index);
    m_work.UserUnitName[static_cast<std::size_t>(m_nGrp)][static_cast<std::size_t>(Index)] =
        box->text().toStdString();
}

// A part the file can hold and the catalogue can read: the number check, a reading within the
// double range, and characters the file's code page has (a sign lets anything past the check).
bool frmUser::acceptableNumber(const QString &part)
{
    const std::string s = part.toStdString();
    const auto comma = [this] {
        m_ctx.platform.messages.show(this, texts::kComma, texts::kTitle, platform::MsgIcon::Exclamation);
    };
    return core::InvalidNumCheck(s, comma) == 0 && core::Val(s).has_value()
        && state::ProgramState::Storable(s);
}

void frmUser::txtUserCoef_Change(int Index)
{
    QLineEdit *box = txtUserCoef[Index];
    const QString coef = TrimBlanks(GetPart(box->text(), QLatin1Char(';'), 1));
    const QString offset = GetPart(box->text(), QLatin1Char(';'), 2);
    // Both parts are checked, so a comma in each brings its own notice.
    const bool coefOk = acceptableNumber(coef);
    const bool offsetOk = acceptableNumber(offset);
    if (!coefOk || !offsetOk) {
        SetBaseWithText(box, kRejected);
        return;
    }
    colourRow(box, Index);
    const auto G = static_cast<std::size_t>(m_nGrp);
    const auto U = static_cast<std::size_t>(Index);
    m_work.UserCoefText[G][U] = coef.toStdString();
    m_work.UserOffsetText[G][U] = offset.toStdString();
}

void frmUser::cmdSave_Click()
{
    // A failed save is the state's to report, through the main window.
    m_ctx.state.replaceCustomTables(StoreWorkingCopy());
    close();
}

void frmUser::cmdCancel_Click()
{
    close();
}

void frmUser::reject()
{
    cmdCancel_Click();
}

void frmUser::cmdHelp_Click()
{
    m_ctx.platform.help.showTopic(this, m_ctx.state.helpFile(), 18);
}

void frmUser::unloading()
{
    cboUserGroups->hidePopup();
}

} // namespace ui
