// The picture form: the art reads without a slip, and its pictures can be told apart.

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

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Every picture is drawn here, once: a line the reader cannot take warns, and any warning
    // fails.
    void initTestCase() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        const graForm1& form = graForm1::instance();
        QVERIFY(!form.names().isEmpty());
        for (const QString& name : form.names())
            QVERIFY2(!form.picture(name).isNull(), qPrintable(name));
    }

    // The edge bars say "you can go" in plain white and "you cannot" in plain black.
    void edgeBarsArePlainWhiteAndBlack() {
        QCOMPARE(coloursOf(imageOf("CanGo")), QSet<QRgb>{qRgb(255, 255, 255)});
        QCOMPARE(coloursOf(imageOf("CanNotGo")), QSet<QRgb>{qRgb(0, 0, 0)});
    }

    // Each tile must be told apart on the screen, so no two may be the same picture.
    void noTwoTilesAreTheSame() {
        for (qsizetype i = 0; i < tileNames.size(); ++i)
            for (qsizetype j = i + 1; j < tileNames.size(); ++j)
                QVERIFY2(imageOf(tileNames[i]) != imageOf(tileNames[j]),
                         qPrintable(tileNames[i] + " == " + tileNames[j]));
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
