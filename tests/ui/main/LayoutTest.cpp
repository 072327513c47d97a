// The window geometry arithmetic, the caption helper, the colour settings and the command drawing.
#include "ui/main/CommandLabel.h"
#include "ui/main/MainLayout.h"
#include "ui/main/StripChars.h"

#include <QAccessible>
#include <QImage>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using ui::CommandLabel;

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void nearestTakesHalvesToEven_data();
    void nearestTakesHalvesToEven();
    void workedExampleAt15TwipsPerPixel();
    void twelveTwipsPerPixelGivesAWiderWindow();
    void commandRowFillsTheClientWidth_data();
    void commandRowFillsTheClientWidth();

    void stripChars_data();
    void stripChars();

    void colourFromText_data();
    void colourFromText();
    void negativeFaceSelectsSystemColoursForAll();
    void invalidTextColourFallsBackAlone();

    void raisedAndSunkenBorders_data();
    void raisedAndSunkenBorders();
    void anyButtonPressesButOnlyLeftClickRuns_data();
    void anyButtonPressesButOnlyLeftClickRuns();
    void announcedAsAPressableButton();
};

void LayoutTest::nearestTakesHalvesToEven_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("nearest");
    QTest::newRow("half up to even") << 2.5 << 2;
    QTest::newRow("half to even above") << 3.5 << 4;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("below half") << 152.47 << 152;
    QTest::newRow("above half") << 184.51 << 185;
}

void LayoutTest::nearestTakesHalvesToEven()
{
    QFETCH(double, x);
    QFETCH(int, nearest);
    QCOMPARE(ui::Nearest(x), nearest);
}

void LayoutTest::workedExampleAt15TwipsPerPixel()
{
    ui::LayoutMetrics m;
    m.Tppx = 15;
    m.Tppy = 15;
    m.lineHeightPx = 13;
    m.frameHeightPx = 20;
    const ui::MainLayout g = ui::LayoutMain(m);
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
    QCOMPARE(g.handLeft, 179.0);
    QCOMPARE(g.handTop, 95.0);
    QCOMPARE(g.rowH, 17);
    QCOMPARE(int(g.pnBtnTextTop), 2);
    QCOMPARE(g.buttonLeft, (std::array<int, 4> { 7, 101, 195, 289 }));
    QVERIFY(qAbs(g.clientHeight - 212.4667) < 1e-3);
    QVERIFY(qAbs(g.windowHeightTw - (20 + 212.4667) * 15) < 0.05);
    QCOMPARE(g.windowWidthTw, 390.0 * 15);
    QCOMPARE(g.innerLeftTw, 105);
}

void LayoutTest::twelveTwipsPerPixelGivesAWiderWindow()
{
    ui::LayoutMetrics m;
    m.Tppx = 12;
    m.Tppy = 12;
    m.lineHeightPx = 16;
    const ui::MainLayout g = ui::LayoutMain(m);
    QCOMPARE(g.frameWidth, 190 + 15);
    QCOMPARE(g.fromRight, 212);
    QCOMPARE(g.intoLeftBeforeFit, 258);
    QCOMPARE(int(g.pnBtnWidth), 113); // (258 + 205 - 8) / 4 truncated
    QCOMPARE(g.clientWidth, 4 * 113 + 14);
    QCOMPARE(g.intoLeft, 466 - 205 - 7);
    QCOMPARE(g.handLeft, 217.0);
    QCOMPARE(g.capH, 19);
    QCOMPARE(g.textTopTw, 19 * 12 + 7);
    QCOMPARE(g.listTopTw, 235 + 360 + 12);
    QCOMPARE(g.frameTop, 26.25);
    QCOMPARE(g.rowH, 20); // 195 twips are 16.25 pixels
    QCOMPARE(int(g.pnBtnTextTop), 2);
    QCOMPARE(g.handTop, 26.25 + 98 - 2);
}

void LayoutTest::commandRowFillsTheClientWidth_data()
{
    QTest::addColumn<int>("tpp");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("borderTw");
    for (int tpp : { 8, 10, 12, 15, 20 })
        for (int line : { 11, 13, 17 })
            QTest::addRow("tpp %d line %d", tpp, line) << tpp << line << 0;
    QTest::newRow("with a border") << 15 << 13 << 120;
}

void LayoutTest::commandRowFillsTheClientWidth()
{
    QFETCH(int, tpp);
    QFETCH(int, lineHeight);
    QFETCH(int, borderTw);
    ui::LayoutMetrics m;
    m.Tppx = static_cast<std::int16_t>(tpp);
    m.Tppy = static_cast<std::int16_t>(tpp);
    m.lineHeightPx = lineHeight;
    m.borderWidthTw = borderTw;
    const ui::MainLayout g = ui::LayoutMain(m);
    QCOMPARE(g.clientWidth % 4, 2);
    QCOMPARE(g.buttonLeft[0], 7);
    QCOMPARE(g.buttonLeft[3] + g.pnBtnWidth + 7, g.clientWidth);
    QCOMPARE(g.intoLeft + g.frameWidth + 7, g.clientWidth);
    QCOMPARE(g.windowWidthTw, double(g.clientWidth) * tpp + borderTw);
    // The hand sits between the frames, never over one of them.
    QVERIFY(g.handLeft >= g.fromRight);
    QVERIFY(g.handLeft + m.handWidthPx <= g.intoLeft);
    QVERIFY(g.textTopTw / double(tpp) >= lineHeight);
}

void LayoutTest::stripChars_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("single ampersand dropped") << "R&D"
                                              << "&"
                                              << ""
                                              << "RD";
    QTest::newRow("double becomes single") << "A&&B"
                                           << "&"
                                           << ""
                                           << "A&B";
    QTest::newRow("three give one") << "&&&"
                                    << "&"
                                    << ""
                                    << "&";
    QTest::newRow("four give two") << "a&&&&b"
                                   << "&"
                                   << ""
                                   << "a&&b";
    QTest::newRow("no occurrence") << "Length"
                                   << "&"
                                   << ""
                                   << "Length";
    QTest::newRow("trailing ampersand") << "x&"
                                        << "&"
                                        << ""
                                        << "x";
    QTest::newRow("longer replacement") << "a-b-c"
                                        << "-"
                                        << "--"
                                        << "a--b--c";
    QTest::newRow("empty search") << "abc"
                                  << ""
                                  << "x"
                                  << "abc";
}

void LayoutTest::stripChars()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(ui::StripChars(text, search, replacement), result);
}

void LayoutTest::colourFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << "255000000" << true << QColor(255, 0, 0);
    QTest::newRow("mixed") << "010128200" << true << QColor(10, 128, 200);
    QTest::newRow("parts above 255 count as 255") << "999300256" << true << QColor(255, 255, 255);
    QTest::newRow("default") << "-1" << false << QColor();
    QTest::newRow("eight digits") << "25500000" << false << QColor();
    QTest::newRow("ten digits") << "2550000000" << false << QColor();
    QTest::newRow("negative part") << "255-10000" << false << QColor();
    QTest::newRow("letters") << "25500000a" << false << QColor();
    QTest::newRow("empty") << "" << false << QColor();
}

void LayoutTest::colourFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QColor, colour);
    const std::optional<QColor> c = ui::ColourFromText(text.toStdString());
    QCOMPARE(c.has_value(), valid);
    if (valid)
        QCOMPARE(*c, colour);
}

void LayoutTest::negativeFaceSelectsSystemColoursForAll()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(4, 5, 6));
    store::Settings s;
    s.psBtnFaceColor = "-5";
    s.psBtnTextColor = "255255255"; // ignored with the system face
    const ui::CommandColours c = ui::ResolveCommandColours(s, palette);
    QCOMPARE(c.face, QColor(1, 2, 3));
    for (const QColor &t : c.text)
        QCOMPARE(t, QColor(4, 5, 6));
}

void LayoutTest::invalidTextColourFallsBackAlone()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(4, 5, 6));
    store::Settings s;
    s.psBtnFaceColor = "000000128";
    s.psBtnTextColor = "255255255";
    s.psBtnTextColor1 = "12";
    s.psBtnTextColor2 = "-1";
    s.psBtnTextColor3 = "000255000";
    const ui::CommandColours c = ui::ResolveCommandColours(s, palette);
    QCOMPARE(c.face, QColor(0, 0, 128));
    QCOMPARE(c.text[0], QColor(255, 255, 255));
    QCOMPARE(c.text[1], QColor(4, 5, 6));
    QCOMPARE(c.text[2], QColor(4, 5, 6));
    QCOMPARE(c.text[3], QColor(0, 255, 0));
}

namespace {

struct Pixel
{
    int x; // negative counts from the right edge, -1 being the last column
    int y;
    QColor colour;
};

QColor at(const QImage &img, int x, int y)
{
    return img.pixelColor(x < 0 ? img.width() + x : x, y < 0 ? img.height() + y : y);
}

CommandLabel *makeCommand(QWidget *parent)
{
    auto *c = new CommandLabel(QStringLiteral("&Copy"), parent);
    c->setGeometry(0, 0, 94, 17);
    c->setColours(QColor(0, 0, 200), QColor(255, 255, 0));
    c->setLabelHeight(13);
    c->setDrawValues(2, 94);
    return c;
}

} // namespace

Q_DECLARE_METATYPE(QList<Pixel>)

void LayoutTest::raisedAndSunkenBorders_data()
{
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<QList<Pixel>>("pixels");
    QTest::addColumn<int>("captionShift");
    const QColor white(255, 255, 255), black(0, 0, 0), face(0, 0, 200);
    QTest::newRow("raised") << false
                            << QList<Pixel> { { 0, 0, white },
                                   { -1, 0, white },
                                   { 0, -1, white },
                                   { 1, -1, black },
                                   { -2, -1, black },
                                   { -1, -1, black },
                                   { -1, 2, black },
                                   { -1, 1, face },
                                   { 5, 5, face } }
                            << 0;
    QTest::newRow("sunken") << true
                            << QList<Pixel> { { 0, 0, black },
                                   { -1, 0, black },
                                   { 0, -2, black },
                                   { 0, -1, white },
                                   { -2, -1, white },
                                   { -1, -1, white },
                                   { -1, 1, white },
                                   { 1, 1, face },
                                   { 5, 5, face } }
                            << -1;
}

void LayoutTest::raisedAndSunkenBorders()
{
    QFETCH(bool, sunken);
    QFETCH(QList<Pixel>, pixels);
    QFETCH(int, captionShift);
    QWidget host;
    CommandLabel *c = makeCommand(&host);
    if (sunken)
        c->DrawSunken(2, 94);
    else
        c->DrawRaised(2, 94);
    const QImage img = c->grab().toImage();
    for (const Pixel &p : pixels)
        QCOMPARE(at(img, p.x, p.y), p.colour);
    const int width = c->fontMetrics().horizontalAdvance(QStringLiteral("Copy"));
    QCOMPARE(c->captionRect().left(), (94 - width) / 2 + 2 + captionShift);
    QCOMPARE(c->captionRect().top(), 2 + captionShift);
}

void LayoutTest::anyButtonPressesButOnlyLeftClickRuns_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 0;
    QTest::newRow("middle") << Qt::MiddleButton << 0;
}

void LayoutTest::anyButtonPressesButOnlyLeftClickRuns()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QWidget host;
    CommandLabel *c = makeCommand(&host);
    c->DrawRaised(2, 94);
    const QRect rest = c->captionRect();
    host.show();
    QSignalSpy clicked(c, &CommandLabel::clicked);
    QTest::mousePress(c, button, {}, QPoint(40, 8));
    QVERIFY(c->isSunken());
    QCOMPARE(c->captionRect().topLeft(), rest.topLeft() - QPoint(1, 1));
    QTest::mouseRelease(c, button, {}, QPoint(40, 8));
    QVERIFY(!c->isSunken());
    QCOMPARE(c->captionRect(), rest);
    QCOMPARE(clicked.count(), clicks);
}

void LayoutTest::announcedAsAPressableButton()
{
    QWidget host;
    CommandLabel *c = makeCommand(&host);
    c->setAccessibleName(QStringLiteral("Copy"));
    QSignalSpy clicked(c, &CommandLabel::clicked);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
    QVERIFY(a);
    QCOMPARE(a->role(), QAccessible::Button);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Copy"));
    QVERIFY(a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
