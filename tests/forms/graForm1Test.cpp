// The picture form: every name the screens ask for holds a picture of the size the screens are
// laid out for, and the art reads without a slip.

#include "forms/graForm1.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QImage imageOf(const QString& name) {
    return graForm1::instance().picture(name).toImage().convertToFormat(QImage::Format_RGB32);
}

QSet<QRgb> coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

const QStringList tileNames = {"gra001", "gra002", "gra003", "gra004", "gra007", "gra008", "gra011",
                               "gra012", "gra013", "gra014", "gra015", "gra016", "gra018", "gra019",
                               "graC2",  "graC3",  "graC4",  "graC7",  "graC8"};

} // namespace

class graForm1Test : public QObject {
    Q_OBJECT

private slots:
    // The art files are read here, once: a line the reader cannot take is reported as a
    // warning, and any warning fails the run.
    void initTestCase() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(!graForm1::instance().names().isEmpty());
    }

    // Tiles are 64 x 64, the hero 24 x 24 and the icon 32 x 32, in catalogue order.
    void everyCatalogueNameHoldsAPictureOfItsSize() {
        const QStringList expected =
            tileNames + QStringList{"graYou", "CanGo", "CanNotGo", "GameIcon", "MakerLogo"};
        QCOMPARE(graForm1::instance().names(), expected);
        for (const QString& name : tileNames)
            QCOMPARE(graForm1::instance().picture(name).size(), QSize(64, 64));
        QCOMPARE(graForm1::instance().picture("graYou").size(), QSize(24, 24));
        QCOMPARE(graForm1::instance().picture("GameIcon").size(), QSize(32, 32));
        QVERIFY(!graForm1::instance().picture("CanGo").isNull());
        QVERIFY(!graForm1::instance().picture("CanNotGo").isNull());
        QVERIFY(!graForm1::instance().picture("MakerLogo").isNull());
    }

    // The window icon is a classic 16-colour icon, and every window gets it from icon().
    void iconHasAtMostSixteenColours() {
        QVERIFY(coloursOf(imageOf("GameIcon")).size() <= 16);
        QVERIFY(!graForm1::instance().icon().isNull());
        QCOMPARE(graForm1::instance().icon().availableSizes().value(0), QSize(32, 32));
    }

    // The direction bars say "you can go" in plain white and "you cannot" in plain black.
    void edgeBarsArePlainWhiteAndBlack() {
        QCOMPARE(coloursOf(imageOf("CanGo")), QSet<QRgb>{qRgb(255, 255, 255)});
        QCOMPARE(coloursOf(imageOf("CanNotGo")), QSet<QRgb>{qRgb(0, 0, 0)});
    }

    // The hero stands on white: the whole outer ring of the picture is white.
    void heroStandsOnWhiteGround() {
        const QImage hero = imageOf("graYou");
        const int last = hero.width() - 1;
        for (int i = 0; i <= last; ++i) {
            for (const QPoint p : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)})
                QCOMPARE(hero.pixel(p), qRgb(255, 255, 255));
        }
    }

    // Names the screens never draw, or misspell, hold nothing.
    void unknownNameGivesNullPicture() {
        QVERIFY(graForm1::instance().picture("gra005").isNull());
        QVERIFY(graForm1::instance().picture("gra01").isNull());
        QVERIFY(graForm1::instance().picture("").isNull());
    }

    // Each tile must be told apart on the screen, so no two may be the same picture.
    void noTwoTilesAreTheSame() {
        for (qsizetype i = 0; i < tileNames.size(); ++i)
            for (qsizetype j = i + 1; j < tileNames.size(); ++j)
                QVERIFY2(imageOf(tileNames[i]) != imageOf(tileNames[j]),
                         qPrintable(tileNames[i] + " == " + tileNames[j]));
    }
};

QTEST_MAIN(graForm1Test)
#include "graForm1Test.moc"
