#include "ScriptedPlatform.h"
#include "window/VorOdAra.h"

#include <QIcon>
#include <QTest>

class IconTest : public QObject
{
    Q_OBJECT

private slots:
    // 32 x 32 pixels in 256 colours: the board's light blue with black and
    // white stones on it.
    void theWindowShowsTheGamesIcon()
    {
        ScriptedPlatform desktop;
        VorOdAra window(desktop);
        const QIcon icon = window.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});

        const QImage image(QStringLiteral(":/vorodara.png"));
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorCount() <= 256);
        QCOMPARE(image.pixel(0, 0), qRgb(192, 192, 255));
        const QList<QRgb> palette = image.colorTable();
        QVERIFY(palette.contains(qRgb(0, 0, 0)));
        QVERIFY(palette.contains(qRgb(255, 255, 255)));
    }
};

QTEST_MAIN(IconTest)
#include "tst_icon.moc"
