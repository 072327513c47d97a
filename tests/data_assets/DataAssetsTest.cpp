// The compiled-in pictures, the icon files and the help file, checked the way the program uses them.
#include "data/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace {

QString dataDir()
{
    return QString::fromUtf8(ORLO_DATA_DIR);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The help file next to the test's own executable: the build copies it beside every executable.
QString builtHelpPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Orlohelp.hlp");
}

// Share of pixels that are mostly opaque: a picture that lost its drawing reads near 0, one
// flattened onto a background reads 1 (the 16-pixel tile, corners aside, fills its square).
double opaqueShare(const QImage &image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++opaque;
    return double(opaque) / (image.width() * image.height());
}

void checkPicture(const QImage &image, int size)
{
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
    // Every picture is drawn on a transparent ground (the icons have rounded corners), so that
    // it sits on whatever colour the window or the panel has.
    QVERIFY2(qAlpha(image.pixel(0, 0)) < 128, "top-left corner is not transparent");
    QVERIFY2(qAlpha(image.pixel(size - 1, size - 1)) < 128, "bottom-right corner is not transparent");
    const double share = opaqueShare(image);
    QVERIFY2(share > 0.2 && share < 1.0, qPrintable(QStringLiteral("opaque share %1").arg(share)));
}

struct HelpLinks
{
    std::map<QString, int> anchors; // anchor name -> document position
    std::set<QString> localTargets; // targets of links inside the file, without the '#'
};

HelpLinks collectLinks(const QTextDocument &doc)
{
    HelpLinks links;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            for (const QString &name : format.anchorNames())
                links.anchors.emplace(name, fragment.position());
            const QString href = format.anchorHref();
            if (href.startsWith(QLatin1Char('#')))
                links.localTargets.insert(href.mid(1));
        }
    }
    return links;
}

} // namespace

class DataAssetsTest : public QObject
{
    Q_OBJECT

private slots:
    void compiledPictures_data();
    void compiledPictures();
    void aboutFramesDiffer();
    void appIconSizes();
    void hicolorIcons_data();
    void hicolorIcons();
    void scalableIconIsSvg();
    void helpFileBesideExecutables();
    void helpAnchorsOpenTheirTopics_data();
    void helpAnchorsOpenTheirTopics();
    void helpLinksResolve();
    void helpNamesEveryCommand_data();
    void helpNamesEveryCommand();
};

void DataAssetsTest::compiledPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("size");
    QTest::newRow("tray") << resources::trayIconPath() << 16;
    QTest::newRow("hand") << resources::handPath() << 32;
    QTest::newRow("about full") << resources::aboutFullPath() << 32;
    QTest::newRow("about half") << resources::aboutHalfPath() << 32;
    QTest::newRow("app") << resources::appIconPath() << 64;
}

// Loaded through the resource system alone: this executable links orlo_resources and never
// initialises it by hand, as the windows do.
void DataAssetsTest::compiledPictures()
{
    QFETCH(QString, path);
    QFETCH(int, size);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    QCOMPARE(pixmap.size(), QSize(size, size));
    checkPicture(pixmap.toImage().convertToFormat(QImage::Format_ARGB32), size);
}

void DataAssetsTest::aboutFramesDiffer()
{
    const QImage full(resources::aboutFullPath());
    const QImage half(resources::aboutHalfPath());
    QVERIFY(!full.isNull() && !half.isNull());
    QVERIFY2(full.convertToFormat(QImage::Format_ARGB32) != half.convertToFormat(QImage::Format_ARGB32),
        "the two animation frames are the same picture");
}

void DataAssetsTest::appIconSizes()
{
    const QList<QSize> sizes = resources::appIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(64, 64)));
    QCOMPARE(resources::appIcon().pixmap(16, 16).size(), QSize(16, 16));
}

void DataAssetsTest::hicolorIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        QTest::newRow(qPrintable(QStringLiteral("%1px").arg(size))) << size;
}

void DataAssetsTest::hicolorIcons()
{
    QFETCH(int, size);
    const QString path =
        dataDir() + QStringLiteral("/icons/hicolor/%1x%1/apps/org.orlo.Converter.png").arg(size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    checkPicture(image.convertToFormat(QImage::Format_ARGB32), size);
}

void DataAssetsTest::scalableIconIsSvg()
{
    const QByteArray svg =
        readAll(dataDir() + QStringLiteral("/icons/hicolor/scalable/apps/org.orlo.Converter.svg"));
    QVERIFY(!svg.isEmpty());
    QXmlStreamReader xml(svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name().toString(), QStringLiteral("svg"));
    QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")).toString(), QStringLiteral("0 0 256 256"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void DataAssetsTest::helpFileBesideExecutables()
{
    const QByteArray built = readAll(builtHelpPath());
    QVERIFY2(!built.isEmpty(), qPrintable(builtHelpPath()));
    QCOMPARE(built, readAll(dataDir() + QStringLiteral("/Orlohelp.hlp")));
    // The viewer recognises HTML by its content, not by the .hlp suffix; a file that began with
    // a comment would be shown as plain text with its tags.
    QVERIFY(Qt::mightBeRichText(QString::fromUtf8(built)));
}

void DataAssetsTest::helpAnchorsOpenTheirTopics_data()
{
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("heading");
    QTest::newRow("contents") << QStringLiteral("contents") << QStringLiteral("Orlo Unit Converter 3.2");
    QTest::newRow("topic 17") << QStringLiteral("topic17") << QStringLiteral("The Physical Constants window");
    QTest::newRow("topic 18") << QStringLiteral("topic18")
                              << QStringLiteral("Adding and editing custom quantities");
}

// Opening the help at a topic scrolls to its anchor; the section's heading must follow there.
void DataAssetsTest::helpAnchorsOpenTheirTopics()
{
    QFETCH(QString, anchor);
    QFETCH(QString, heading);
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(readAll(builtHelpPath())));
    const HelpLinks links = collectLinks(doc);
    const auto found = links.anchors.find(anchor);
    QVERIFY2(found != links.anchors.end(), qPrintable(anchor));
    QTextBlock block = doc.findBlock(found->second);
    while (block.isValid() && block.text().trimmed().isEmpty())
        block = block.next();
    QVERIFY(block.isValid());
    QCOMPARE(block.text().trimmed(), heading);
    QVERIFY(block.blockFormat().headingLevel() > 0);
}

void DataAssetsTest::helpLinksResolve()
{
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(readAll(builtHelpPath())));
    const HelpLinks links = collectLinks(doc);
    QVERIFY(links.localTargets.size() >= 15);
    for (const QString &target : links.localTargets)
        QVERIFY2(links.anchors.count(target) == 1, qPrintable(QStringLiteral("no anchor '%1'").arg(target)));
}

void DataAssetsTest::helpNamesEveryCommand_data()
{
    QTest::addColumn<QString>("text");
    const char *const required[] = {
        "Exit",
        "Ctrl+X",
        "Copy",
        "Ctrl+C",
        "Paste",
        "Ctrl+P",
        "History",
        "Computer",
        "Other Quantities",
        "Custom Quantities",
        "Metric Prefixes",
        "Physical Constants...",
        "Equivalents...",
        "Significant Figures",
        "Ctrl+F4",
        "Ctrl+F6",
        "Ctrl+F8",
        "Ctrl+Z",
        "Integer",
        "Ctrl+I",
        "Regular",
        "Ctrl+R",
        "Scientific",
        "Ctrl+S",
        "Always on Top",
        "Ctrl+T",
        "Add/Edit Custom Quantities...",
        "Help Topics",
        "F1",
        "About...",
        "Minimize",
        "Calculator",
        "Warp",
        "Input error",
        "VELDRA.EXE",
        "ORLOPREF.CFG",
        "ORL_USER.DAT",
        "~/.config/Orlo/",
        "orlo-convert",
    };
    for (const char *text : required)
        QTest::newRow(text) << QString::fromUtf8(text);
}

void DataAssetsTest::helpNamesEveryCommand()
{
    QFETCH(QString, text);
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(readAll(builtHelpPath())));
    QVERIFY2(doc.toPlainText().contains(text), qPrintable(text));
}

QTEST_MAIN(DataAssetsTest)
#include "DataAssetsTest.moc"
