// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orlo developers
// The compiled-in pictures, the icon files and the help file, checked the way the program uses them.
#include "data/Resources.h"
#include "support/QtCaseTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <map>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The drawing rendered here and now, premultiplied, as the windows would draw it at that size.
QImage drawn(const QString &svg, int pixels)
{
    QSvgRenderer renderer(svg);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The largest difference of one channel between two premultiplied pictures of one size; -1 when the
// sizes differ. A PNG keeps straight colour, so a faint edge pixel may come back one step off.
int largestDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (x.size() != y.size())
        return -1;
    int most = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            most = std::max({ most,
                std::abs(qRed(p) - qRed(q)),
                std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)),
                std::abs(qAlpha(p) - qAlpha(q)) });
        }
    }
    return most;
}

} // namespace

class DataAssetsTest : public QObject
{
    Q_OBJECT

    // The help file next to the test's own executable: the build copies it beside every executable.
    const QString m_builtHelp = QCoreApplication::applicationDirPath() + QStringLiteral("/Orlohelp.hlp");
    QTextDocument m_help;
    std::map<QString, int> m_anchors; // anchor name -> document position
    QStringList m_localTargets; // targets of links inside the help file, without the '#'

private slots:
    void initTestCase()
    {
        m_help.setHtml(QString::fromUtf8(readAll(m_builtHelp)));
        for (QTextBlock block = m_help.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString &name : format.anchorNames())
                    m_anchors.emplace(name, it.fragment().position());
                if (format.anchorHref().startsWith(QLatin1Char('#')))
                    m_localTargets << format.anchorHref().mid(1);
            }
        }
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        // Loaded through the resource system alone: this executable links orlo_resources and never
        // initialises it by hand, as the windows do.
        QTest::newRow("tray") << resources::trayIconPath() << 16;
        QTest::newRow("hand") << resources::handPath() << 32;
        QTest::newRow("about full") << resources::aboutFullPath() << 32;
        QTest::newRow("about half") << resources::aboutHalfPath() << 32;
        QTest::newRow("app") << resources::appIconPath() << 64;
        for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
            QTest::newRow(qPrintable(QStringLiteral("%1px").arg(size)))
                << QStringLiteral(ORLO_DATA_DIR "/icons/hicolor/%1x%1/apps/org.orlo.Converter.png").arg(size)
                << size;
    }

    // Every picture is drawn on a transparent ground (the icons have rounded corners), so that it
    // sits on whatever colour the window or the panel has. The share of mostly opaque pixels reads
    // near 0 for a picture that lost its drawing and 1 for one flattened onto a background.
    void pictures()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY2(qAlpha(image.pixel(0, 0)) < 128, "top-left corner is not transparent");
        QVERIFY2(qAlpha(image.pixel(size - 1, size - 1)) < 128, "bottom-right corner is not transparent");
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        const double share = double(opaque) / (size * size);
        QVERIFY2(share > 0.2 && share < 1.0, qPrintable(QStringLiteral("opaque share %1").arg(share)));
    }

    // Drawn from the SVG at the screen's scale: twice the device pixels at 2x, not a PNG scaled up,
    // so the 2x picture holds detail the 1x one cannot (more distinct colours at its edges).
    void picturesAreDrawnAtTheScreensScale()
    {
        for (const auto which :
            { resources::Picture::Hand, resources::Picture::AboutFull, resources::Picture::AboutHalf }) {
            const QPixmap one = resources::picture(which, 32, 1.0);
            const QPixmap two = resources::picture(which, 32, 2.0);
            QCOMPARE(one.size(), QSize(32, 32));
            QCOMPARE(two.size(), QSize(64, 64));
            QCOMPARE(two.devicePixelRatio(), 2.0);
            QCOMPARE(two.deviceIndependentSize(), QSizeF(32, 32));
            const QImage sharp = two.toImage();
            const QImage scaledUp =
                one.toImage().scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY2(sharp != scaledUp, "the 2x picture is the 1x picture scaled up");
        }
    }

    // A start reads its pictures rendered ahead instead of drawing SVG. Each must be its drawing at
    // that size as rendered now: a drawing changed without rendering it again, or a size read from
    // the wrong file, shows here.
    void picturesReadAtStartAreTheirDrawings()
    {
        // Read against drawn: equal, or one step off where a PNG's straight colour rounds.
        const auto check = [](const QString &what, const QPixmap &read, const QString &svg, int pixels) {
            const int d = largestDifference(read.toImage(), drawn(svg, pixels));
            QVERIFY2(
                d == 0 || d == 1, qPrintable(QStringLiteral("%1 at %2 px: %3").arg(what).arg(pixels).arg(d)));
        };
        using resources::Picture;
        const std::pair<Picture, QString> pictures[] = { { Picture::Hand, QStringLiteral(":/orlo/hand.svg") },
            { Picture::AboutFull, QStringLiteral(":/orlo/about_full.svg") },
            { Picture::AboutHalf, QStringLiteral(":/orlo/about_half.svg") } };
        for (const auto &[which, svg] : pictures)
            check(svg, resources::picture(which, 32, 1.0), svg, 32);

        // At 2x the icon carries every size up to 128 pixels; 256 is drawn for 4x.
        const QString app = QStringLiteral(":/orlo/app.svg");
        const QString small = QStringLiteral(":/orlo/tray.svg");
        const QIcon icon = resources::appIcon(4.0);
        const std::pair<int, QString> sizes[] = { { 16, small },
            { 24, QStringLiteral(":/orlo/app-24.svg") },
            { 32, app },
            { 48, app },
            { 64, app },
            { 128, app },
            { 256, app } };
        QCOMPARE(icon.availableSizes().size(), qsizetype(std::size(sizes)));
        for (const auto &[pixels, svg] : sizes)
            check(QStringLiteral("app icon"), icon.pixmap(QSize(pixels, pixels), 1.0), svg, pixels);
        const QIcon tray = resources::trayIcon();
        for (const int pixels : { 16, 32 })
            check(QStringLiteral("tray icon"), tray.pixmap(QSize(pixels, pixels), 1.0), small, pixels);
    }

    void helpFileBesideExecutablesAndItsLinksResolve()
    {
        const QByteArray built = readAll(m_builtHelp);
        QVERIFY2(!built.isEmpty(), qPrintable(m_builtHelp));
        QCOMPARE(built, readAll(QStringLiteral(ORLO_DATA_DIR "/Orlohelp.hlp")));
        // The viewer recognises HTML by its content, not by the .hlp suffix; a file that began with
        // a comment would be shown as plain text with its tags.
        QVERIFY(Qt::mightBeRichText(QString::fromUtf8(built)));
        QVERIFY(m_localTargets.size() >= 15);
        for (const QString &target : m_localTargets)
            QVERIFY2(m_anchors.count(target) == 1, qPrintable(QStringLiteral("no anchor '%1'").arg(target)));
    }

    void helpAnchorsOpenTheirTopics_data() { cases::AddRows("data_assets/help_anchors.txt"); }

    // Opening the help at a topic scrolls to its anchor; the section's heading must follow there.
    void helpAnchorsOpenTheirTopics()
    {
        QFETCH(cases::Row, f);
        const auto found = m_anchors.find(f["anchor"]);
        QVERIFY2(found != m_anchors.end(), qPrintable(f["anchor"]));
        QTextBlock block = m_help.findBlock(found->second);
        while (block.isValid() && block.text().trimmed().isEmpty())
            block = block.next();
        QCOMPARE(block.text().trimmed(), f["heading"]);
        QVERIFY(block.blockFormat().headingLevel() > 0);
    }

    void helpNamesEveryCommand_data() { cases::AddRows("data_assets/help_terms.txt"); }
    void helpNamesEveryCommand()
    {
        QFETCH(cases::Row, f);
        QVERIFY2(m_help.toPlainText().contains(f["name"]), qPrintable(f["name"]));
    }
};

QTEST_MAIN(DataAssetsTest)
#include "DataAssetsTest.moc"
