// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// A single-column list that shows whole rows only, as the classic lists did: whatever height its
// layout gives it, the part below the last whole row stays empty instead of showing a cut-off row.
// A row whose text the list cuts short ("…") shows the whole text as a tooltip.
#pragma once

#include <QListWidget>

namespace ui {

class WholeRowList : public QListWidget
{
    Q_OBJECT

public:
    explicit WholeRowList(QWidget *parent = nullptr);

    // The height of the viewport's unused strip below the last whole row.
    int spareHeight() const { return m_spare; }

signals:
    // A mouse button was let go over the rows, before the list handles it.
    void mouseReleased();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void fitRows();

    int m_spare = 0;
};

} // namespace ui
