// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The About box: the ways it closes, the start-up flag, the scrolling notice and the animation.
#include "support/DialogHarness.h"
#include "ui/dialogs/frmInfo.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using test::Harness;
using ui::frmInfo;

namespace {

// The first column of a box's picture, frame left out, holding anything darker than its background;
// -1 when the box is blank.
int FirstInk(QLineEdit *box)
{
    const QImage img = box->grab().toImage();
    const int back = qGray(box->palette().color(QPalette::Base).rgb());
    for (int x = 2; x < img.width() - 2; ++x)
        for (int y = 2; y < img.height() - 2; ++y)
            if (qGray(img.pixel(x, y)) + 40 < back)
                return x;
    return -1;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void closingResetsStartupFlag()
    {
        // How it is closed (OK, Enter, close box), pnFormFlag before and after.
        for (auto [way, before, after] : { std::tuple { 0, 3, 0 }, { 1, 3, 0 }, { 2, 3, 0 }, { 0, 1, 1 } }) {
            Harness h;
            h.settings.pnFormFlag = std::int16_t(before);
            h.settings.pnShowTop = 1;
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
            QCOMPARE(FirstInk(w.txtAllrights), -1); // the box starts blank
            w.Timer1_Timer();
            QCOMPARE(w.txtAllrights->text(), w.scrollText().mid(1));
            // A few blanks later the first letters show, at the right end of the box.
            for (int i = 0; i < 5; ++i)
                w.Timer1_Timer();
            QVERIFY(FirstInk(w.txtAllrights) > w.txtAllrights->width() * 2 / 3);
            w.close();
            w.Form_Load(); // every showing starts from the beginning
            w.show();
        }
        // Once every character has been dropped the box is empty for a tick, and the run starts again.
        for (int i = 0; i <= w.scrollText().size(); ++i)
            w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), QString());
        w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), w.scrollText());
    }

    void animationCycle()
    {
        test::Loaded<frmInfo> a;
        frmInfo &w = a.w;
        QCOMPARE(w.Timer2.interval(), 720);
        QVERIFY(w.imgFull.toImage() != w.imgHalf.toImage());
        const QString cycle = QString(17, QLatin1Char('F')) + QString(3, QLatin1Char('h'));
        for (int showing = 0; showing < 2; ++showing) {
            QString pattern = w.showsFullFrame() ? QStringLiteral("F") : QStringLiteral("h");
            for (int tick = 0; tick < 58; ++tick) {
                w.Timer2_Timer();
                pattern += w.showsFullFrame() ? QLatin1Char('F') : QLatin1Char('h');
                QCOMPARE(
                    w.imgMain->pixmap().cacheKey(), (w.showsFullFrame() ? w.imgFull : w.imgHalf).cacheKey());
            }
            QCOMPARE(pattern, QLatin1Char('F') + cycle + cycle + cycle.left(18)); // stopped on a half frame
            w.close();
            w.Form_Load();
        }
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
