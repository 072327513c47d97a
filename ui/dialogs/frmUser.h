// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The editor of the twenty custom quantities: a name per group, ten unit labels with coefficients.
#pragma once

#include "ui/common/SecondaryWindow.h"
#include "ui/common/Windows.h"

#include <QComboBox>
#include <QList>

#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace ui {

// A combo box that says when its list is about to drop down, so the list can be refreshed first.
class GroupCombo : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;

    std::function<void()> onDropDown;
};

class frmUser : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit frmUser(WindowContext &ctx);
    ~frmUser() override;

    void LoadWorkingCopy();
    core::UserTables StoreWorkingCopy() const;

    // Selector 1: the text before the first separator, as it stands, or the whole text without one.
    // Any other selector: the text after the first separator without surrounding blanks, or empty.
    static QString GetPart(const QString &text, QChar separator, int selector);

    std::int16_t m_nGrp = 0;
    // The tables as edited so far; the program's tables change only on OK.
    const core::UserTables &workingCopy() const { return m_work; }

    QGroupBox *Frame1 = nullptr; // "Units of Measurement"
    QGroupBox *Frame2 = nullptr; // "Conversion Factors"
    QGroupBox *Frame3 = nullptr; // "Quantity"
    GroupCombo *cboUserGroups = nullptr;
    QList<QLineEdit *> txtUserUnit;
    QList<QLineEdit *> txtUserCoef;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

public slots:
    void cboUserGroups_Click(int index);
    void cboUserGroups_Change(const QString &text);
    void cboUserGroups_DropDown();
    void txtUserUnit_Change(int Index);
    void txtUserCoef_Change(int Index);
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

protected:
    // Loads the editor afresh from the tables, group 0 shown.
    void Form_Load() override;
    void unloading() override;
    void reject() override; // Esc is Cancel

private:
    core::UserTables m_work; // only the texts are used

    void fitQuantityFrame();
    void showGroup();
    void setGroupText(const QString &name);
    void colourRow(QWidget *box, int slot) const;
    bool acceptableNumber(const QString &part);
};

} // namespace ui
