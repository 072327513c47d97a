// The window geometry arithmetic, the caption helper, the colour settings and the command drawing.
#include "ui/main/CommandLabel.h"
#include "ui/main/MainLayout.h"
#include "ui/main/StripChars.h"

#include <QAccessible>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

using ui::CommandLabel;

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void workedExampleAt15TwipsPerPixel();
    void twelveTwipsPerPixelGivesAWiderWindow();
    void stripChars_data();
    void stripChars();
    void colourSettings();
    void raisedAndSunkenBorders_data();
    void raisedAndSunkenBorders();
    void anyButtonPressesButOnlyLeftClickRuns();
};

static ui::MainLayout layout(int tpp, int lineHeight, int borderTw = 0)
{
    ui::LayoutMetrics m;
    m.Tppx = m.Tppy = static_cast<std::int16_t>(tpp);
    m.lineHeightPx = lineHeight;
    m.frameHeightPx = 20;
    m.borderWidthTw = borderTw;
    return ui::LayoutMain(m);
}

void LayoutTest::workedExampleAt15TwipsPerPixel()
{
    const ui::MainLayout g = layout(15, 13);
    QCOMPARE(g.capH, 16);
    QCOMPARE(g.textTopTw, 247);
    QCOMPARE(g.listTopTw, 622);
    QVERIFY(qAbs(g.frameHeight - 184.4667) < 1e-3);
    QCOMPARE(g.frameWidth, 167);
    QCOMPARE(g.fromRight, 174);
    QCOMPARE(g.intoLeftBeforeFit, 220);
    QCOMPARE(int(g.pnBtnWidth), 94);
    QCOMPARE(g.clientWidth, 390);
    QCOMPARE(g.intoLeft, 216);
    QCOMPARE(QPointF(g.handLeft, g.handTop), QPointF(179, 95));
    QCOMPARE(g.rowH, 17);
    QCOMPARE(int(g.pnBtnTextTop), 2);
    QCOMPARE(g.buttonLeft, (std::array<int, 4> { 7, 101, 195, 289 }));
    QVERIFY(qAbs(g.clientHeight - 212.4667) < 1e-3);
    QVERIFY(qAbs(g.windowHeightTw - (20 + 212.4667) * 15) < 0.05);
}

void LayoutTest::twelveTwipsPerPixelGivesAWiderWindow()
{
    const ui::MainLayout g = layout(12, 16);
    QCOMPARE(g.frameWidth, 190 + 15); // the 2280-twip boxes are 190 pixels wide
    QCOMPARE(g.intoLeftBeforeFit, 212 + 32 + 14);
    QCOMPARE(int(g.pnBtnWidth), 113); // (258 + 205 - 8) / 4, truncated
    QCOMPARE(g.clientWidth, 4 * 113 + 14);
    QCOMPARE(g.intoLeft, 466 - 205 - 7);
    QCOMPARE(g.handLeft, 217.0);
    QCOMPARE(g.textTopTw, 19 * 12 + 7);
    QCOMPARE(g.handTop, 26.25 + 98 - 2); // the frames start at 315 / 12 pixels
    QCOMPARE(g.rowH, 20); // 195 twips are 16.25 pixels
}

void LayoutTest::stripChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("single ampersand dropped") << "R&D"
                                              << ""
                                              << "RD";
    QTest::newRow("double becomes single") << "A&&B"
                                           << ""
                                           << "A&B";
    QTest::newRow("three give one") << "&&&"
                                    << ""
                                    << "&";
    QTest::newRow("four give two") << "a&&&&b"
                                   << ""
                                   << "a&&b";
    QTest::newRow("none") << "Length"
                          << ""
                          << "Length";
    QTest::newRow("replacement holding the search text") << "a&b&c"
                                                         << "&&"
                                                         << "a&&b&&c";
}

void LayoutTest::stripChars()
{
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(ui::StripChars(text, QStringLiteral("&"), replacement), result);
}

void LayoutTest::colourSettings()
{
    QCOMPARE(ui::ColourFromText("010128200"), QColor(10, 128, 200));
    QCOMPARE(ui::ColourFromText("999300256"), QColor(255, 255, 255)); // parts above 255 count as 255
    for (const char *bad : { "-1", "25500000", "255-10000", "25500000a" })
        QVERIFY2(!ui::ColourFromText(bad), bad);

    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(4, 5, 6));
    store::Settings s;
    s.psBtnTextColor = "255255255";
    s.psBtnTextColor1 = "12";
    s.psBtnTextColor3 = "000255000";
    s.psBtnFaceColor = "-5"; // system colours for all, whatever the text colours say
    ui::CommandColours c = ui::ResolveCommandColours(s, palette);
    QCOMPARE(c.face, QColor(1, 2, 3));
    QCOMPARE(c.text,
        (std::array<QColor, 4> { QColor(4, 5, 6), QColor(4, 5, 6), QColor(4, 5, 6), QColor(4, 5, 6) }));
    s.psBtnFaceColor = "000000128"; // now each text colour on its own, a bad one falling back
    c = ui::ResolveCommandColours(s, palette);
    QCOMPARE(c.face, QColor(0, 0, 128));
    QCOMPARE(c.text,
        (std::array<QColor, 4> {
            QColor(255, 255, 255), QColor(4, 5, 6), QColor(4, 5, 6), QColor(0, 255, 0) }));
}

static CommandLabel *makeCommand(QWidget *parent)
{
    auto *c = new CommandLabel(QStringLiteral("&Copy"), parent);
    c->setGeometry(0, 0, 94, 17);
    c->setColours(QColor(0, 0, 200), QColor(255, 255, 0));
    c->setLabelHeight(13);
    c->setDrawValues(2, 94);
    return c;
}

void LayoutTest::raisedAndSunkenBorders_data()
{
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<QString>("pixels"); // w white, b black, f face at the probe points below
    QTest::addColumn<int>("shift");
    // Probes: (0,0) (W-1,0) (0,H-2) (0,H-1) (1,H-1) (W-2,H-1) (W-1,H-1) (W-1,1) (W-1,2) (5,5)
    QTest::newRow("raised") << false << "wwwwbbbfbf" << 0;
    QTest::newRow("sunken") << true << "bbbwwwwwwf" << -1;
}

void LayoutTest::raisedAndSunkenBorders()
{
    QFETCH(bool, sunken);
    QFETCH(QString, pixels);
    QFETCH(int, shift);
    QWidget host;
    CommandLabel *c = makeCommand(&host);
    sunken ? c->DrawSunken(2, 94) : c->DrawRaised(2, 94);
    const QImage img = c->grab().toImage();
    const int w = img.width(), h = img.height();
    const QPoint probes[] = { { 0, 0 },
        { w - 1, 0 },
        { 0, h - 2 },
        { 0, h - 1 },
        { 1, h - 1 },
        { w - 2, h - 1 },
        { w - 1, h - 1 },
        { w - 1, 1 },
        { w - 1, 2 },
        { 5, 5 } };
    const QHash<QChar, QColor> colours { { QLatin1Char('w'), Qt::white },
        { QLatin1Char('b'), Qt::black },
        { QLatin1Char('f'), QColor(0, 0, 200) } };
    for (int i = 0; i < pixels.size(); ++i)
        QCOMPARE(img.pixelColor(probes[i]), colours[pixels[i]]);
    const int width = c->fontMetrics().horizontalAdvance(QStringLiteral("Copy"));
    QCOMPARE(c->captionRect().topLeft(), QPoint((94 - width) / 2 + 2 + shift, 2 + shift));
}

void LayoutTest::anyButtonPressesButOnlyLeftClickRuns()
{
    QWidget host;
    CommandLabel *c = makeCommand(&host);
    c->DrawRaised(2, 94);
    const QRect rest = c->captionRect();
    host.show();
    QSignalSpy clicked(c, &CommandLabel::clicked);
    for (Qt::MouseButton button : { Qt::RightButton, Qt::MiddleButton, Qt::LeftButton }) {
        QTest::mousePress(c, button, {}, QPoint(40, 8));
        QVERIFY(c->isSunken());
        QCOMPARE(c->captionRect().topLeft(), rest.topLeft() - QPoint(1, 1));
        QTest::mouseRelease(c, button, {}, QPoint(40, 8));
        QVERIFY(!c->isSunken());
        QCOMPARE(c->captionRect(), rest);
        QCOMPARE(clicked.count(), button == Qt::LeftButton ? 1 : 0);
    }
    QAccessible::queryAccessibleInterface(c)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 2); // screen readers press it as a button
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
