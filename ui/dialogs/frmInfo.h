// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The About box: name, version, distribution notice, a scrolling rights line and a blinking picture.
#pragma once

#include "ui/common/SecondaryWindow.h"
#include "ui/common/Windows.h"

#include <QList>
#include <QPixmap>
#include <QString>
#include <QTimer>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class frmInfo : public SecondaryWindow
{
    Q_OBJECT

public:
    explicit frmInfo(WindowContext &ctx);
    ~frmInfo() override;

    // The rights notice and the text that scrolls through txtAllrights.
    static QString rightsNotice();
    QString scrollText() const { return m_scroll; }
    std::int16_t scrollPosition() const { return m_nScroll; }
    std::int16_t animationCounter() const { return m_nAnim; }
    // Whether imgMain shows the full frame of the animation (else the half frame).
    bool showsFullFrame() const { return m_fullShown; }

    QLabel *lblAppname = nullptr;
    QLabel *lblVersion = nullptr;
    QList<QLabel *> lblNotice; // five lines
    QList<QLabel *> lblCredit; // two lines
    QLineEdit *txtAllrights = nullptr;
    QLabel *imgMain = nullptr;
    QPixmap imgFull;
    QPixmap imgHalf;
    QTimer Timer1; // 120 ms, scrolls txtAllrights
    QTimer Timer2; // 720 ms, animates imgMain
    QPushButton *cmdOK = nullptr;
    QFrame *Frame1 = nullptr;
    QFrame *Frame2 = nullptr;

public slots:
    void Timer1_Timer();
    void Timer2_Timer();
    void cmdOK_Click();

protected:
    // Loads the box afresh: scroll and animation from their beginning, timers running.
    void Form_Load() override;
    void unloading() override;
    // Only OK, Enter and the close box close the box.
    void reject() override { }

private:
    void arrange();
    void showFrame(bool full);

    QString m_scroll;
    std::int16_t m_nScroll = 0;
    std::int16_t m_nAnim = 0;
    bool m_fullShown = true;
};

} // namespace ui
