// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The About box: the ways it closes, the start-up flag and the scrolling notice.
#include "support/DialogHarness.h"
#include "ui/dialogs/frmInfo.h"

#include <QLineEdit>
#include <QPushButton>

using test::Harness;
using ui::frmInfo;

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void closingResetsStartupFlag()
    {
        // How it is closed (OK, Enter, close box), pnFormFlag before and after.
        for (auto [way, before, after] : { std::tuple { 0, 3, 0 }, { 1, 3, 0 }, { 2, 3, 0 }, { 0, 1, 1 } }) {
            Harness h;
            h.state.setFormat(std::int16_t(before));
            h.state.setShowTop(true);
            ui::Dialogs dialogs(h.ctx);
            bool modalAndRunning = false, escapeKeptIt = false;
            test::WhenModal([&, way = way] {
                frmInfo *w = dialogs.info();
                modalAndRunning = QApplication::activeModalWidget() == w && h.onTop.pnFrmInfoOpen == ui::kTrue
                    && w->Timer1.isActive() && w->Timer2.isActive();
                QTest::keyClick(w->cmdOK, Qt::Key_Escape);
                escapeKeptIt = w->isVisible();
                if (way == 0)
                    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
                else if (way == 1)
                    QTest::keyClick(w->cmdOK, Qt::Key_Return);
                else
                    w->close();
            });
            // The start-up path: shown, and closed, before the main window appears.
            dialogs.showAbout();
            QVERIFY(modalAndRunning && escapeKeptIt);
            QCOMPARE(int(h.settings.pnFormFlag), after);
            QCOMPARE(h.onTop.pnFrmInfoOpen, ui::kFalse);
            QVERIFY(!dialogs.info()->Timer1.isActive() && !dialogs.info()->Timer2.isActive());
        }
    }

    void scrollText()
    {
        test::Loaded<frmInfo> a;
        frmInfo &w = a.w;
        QCOMPARE(w.Timer1.interval(), 120);
        const QString lead(33, QLatin1Char(' '));
        QCOMPARE(w.scrollText(), lead + frmInfo::rightsNotice() + lead + frmInfo::rightsNotice());
        for (int showing = 0; showing < 2; ++showing) {
            w.Timer1_Timer();
            QCOMPARE(w.txtAllrights->text(), w.scrollText());
            w.Timer1_Timer();
            QCOMPARE(w.txtAllrights->text(), w.scrollText().mid(1));
            QCOMPARE(w.txtAllrights->cursorPosition(), 0); // the box shows the start, not the end
            w.close();
            w.load(); // every showing starts from the beginning
            w.show();
        }
        // Once every character has been dropped the box is empty for a tick, and the run starts again.
        for (int i = 0; i <= w.scrollText().size(); ++i)
            w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), QString());
        w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), w.scrollText());
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
