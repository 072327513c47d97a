// The About box: the ways it closes, the start-up flag, the scrolling notice and the animation.
#include "Harness.h"
#include "ui/dialogs/frmInfo.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using test::Harness;
using ui::frmInfo;

namespace {

// The columns of a box's picture, frame left out, that hold anything darker than its background.
QList<int> InkColumns(QLineEdit *box)
{
    const QImage img = box->grab().toImage();
    const int back = qGray(box->palette().color(QPalette::Base).rgb());
    QList<int> columns;
    for (int x = 2; x < img.width() - 2; ++x)
        for (int y = 2; y < img.height() - 2; ++y)
            if (qGray(img.pixel(x, y)) + 40 < back) {
                columns << x;
                break;
            }
    return columns;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void closingResetsStartupFlag_data();
    void closingResetsStartupFlag();
    void textsAndEscape();
    void scrollText();
    void animationCycle();
};

void AboutTest::closingResetsStartupFlag_data()
{
    QTest::addColumn<int>("way"); // 0 OK, 1 Enter, 2 close box
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("OK, start-up flag") << 0 << 3 << 0;
    QTest::newRow("Enter, start-up flag") << 1 << 3 << 0;
    QTest::newRow("close box, start-up flag") << 2 << 3 << 0;
    QTest::newRow("OK, Scientific stays") << 0 << 1 << 1;
}

void AboutTest::closingResetsStartupFlag()
{
    QFETCH(int, way);
    QFETCH(int, before);
    QFETCH(int, after);
    Harness h;
    h.settings.pnFormFlag = std::int16_t(before);
    h.settings.pnShowTop = 1;
    ui::Dialogs dialogs(h.context());
    bool modal = false;
    test::WhenModal([&] {
        frmInfo *w = dialogs.info();
        modal = QApplication::activeModalWidget() == w && h.onTop.pnFrmInfoOpen == ui::kTrue;
        if (way == 0)
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(w->cmdOK, Qt::Key_Return);
        else
            w->close();
    });
    // The start-up path: shown, and closed, before the main window appears.
    dialogs.showAbout();
    QVERIFY(modal);
    QCOMPARE(int(h.settings.pnFormFlag), after);
    QCOMPARE(h.onTop.pnFrmInfoOpen, ui::kFalse);
    // Every way out hands on-top back.
    QVERIFY(h.fake.order.isOnTop(&h.main) && !h.fake.order.isOnTop(dialogs.info()));
    QVERIFY(!dialogs.info()->Timer1.isActive() && !dialogs.info()->Timer2.isActive());

    QCOMPARE(store::CfgSave(h.path(), h.settings), store::SaveResult::Saved);
    store::Settings back;
    QCOMPARE(store::CfgRead(h.path(), back), store::CfgReadResult::Loaded);
    QCOMPARE(int(back.pnFormFlag), after); // the next start shows no About box
}

void AboutTest::textsAndEscape()
{
    Harness h;
    auto ctx = h.context();
    frmInfo w(ctx);
    w.Form_Load();
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral(" About Orlo Unit Converter"));
    QCOMPARE(w.lblAppname->text(), QStringLiteral("Orlo Unit Converter"));
    QCOMPARE(w.lblVersion->text(), QStringLiteral("Version 3.2"));
    QCOMPARE(w.lblNotice.size(), 5);
    QCOMPARE(w.lblCredit.size(), 2);
    for (const QLabel *label : w.lblNotice + w.lblCredit)
        QVERIFY(!label->text().isEmpty() && label->geometry().right() < w.width());
    QVERIFY(w.imgFull.size() == QSize(32, 32) && w.imgHalf.size() == QSize(32, 32));
    QVERIFY(w.imgFull.toImage() != w.imgHalf.toImage());
    QVERIFY(w.Timer1.interval() == 120 && w.Timer2.interval() == 720);
    QVERIFY(w.Timer1.isActive() && w.Timer2.isActive());
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.cmdOK, Qt::Key_Escape);
    QTest::keyClick(w.cmdOK, Qt::Key_A);
    QVERIFY(w.isVisible());
    w.close();
}

void AboutTest::scrollText()
{
    Harness h;
    auto ctx = h.context();
    frmInfo w(ctx);
    for (int showing = 0; showing < 2; ++showing) {
        w.Form_Load(); // every showing starts from the beginning
        w.show();
        const QString lead(33, QLatin1Char(' '));
        QCOMPARE(w.scrollText(), lead + frmInfo::rightsNotice() + lead + frmInfo::rightsNotice());
        QCOMPARE(w.scrollPosition(), std::int16_t(0));
        w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), w.scrollText());
        QVERIFY(InkColumns(w.txtAllrights).isEmpty()); // the box starts blank
        w.Timer1_Timer();
        QCOMPARE(w.txtAllrights->text(), w.scrollText().mid(1));
        // A few blanks later the first letters show, at the right end of the box.
        for (int i = 0; i < 5; ++i)
            w.Timer1_Timer();
        const QList<int> ink = InkColumns(w.txtAllrights);
        QVERIFY(!ink.isEmpty() && ink.first() > w.txtAllrights->width() * 2 / 3);
        w.close();
    }
    // Once every character has been dropped the box is empty for a tick, and the run starts again.
    const int length = int(w.scrollText().size());
    for (int i = 7; i <= length; ++i)
        w.Timer1_Timer();
    QCOMPARE(w.txtAllrights->text(), QString());
    w.Timer1_Timer();
    QCOMPARE(w.txtAllrights->text(), w.scrollText());
}

void AboutTest::animationCycle()
{
    Harness h;
    auto ctx = h.context();
    frmInfo w(ctx);
    for (int showing = 0; showing < 2; ++showing) {
        w.Form_Load();
        QVERIFY(w.showsFullFrame());
        QString pattern;
        for (int tick = 0; tick < 58; ++tick) {
            w.Timer2_Timer();
            pattern += w.showsFullFrame() ? QLatin1Char('F') : QLatin1Char('h');
            QCOMPARE(w.imgMain->pixmap().cacheKey(), (w.showsFullFrame() ? w.imgFull : w.imgHalf).cacheKey());
        }
        const QString cycle = QString(17, QLatin1Char('F')) + QString(3, QLatin1Char('h'));
        QCOMPARE(pattern, cycle + cycle + cycle.left(18)); // stopped on a half frame
        w.close();
    }
}

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
