// The card's pictures: stored JPEGs decoded with libjpeg, the override by a
// file in "Custom Files", a missing picture, and the game view drawn on the
// card's own map control.
#include "GuiTestRegistry.h"
#include "ShipStatusTestSupport.h"

#include "graphics/qt/ShipPictures.h"
#include "map/qt/MapControl.h"

#include <QBuffer>
#include <QSet>

using namespace statustest;

namespace {

QByteArray jpeg(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

bool near(QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) < 12 && std::abs(qGreen(a) - b.green()) < 12 &&
           std::abs(qBlue(a) - b.blue()) < 12;
}

} // namespace

class ShipStatusPictureTests : public QObject {
    Q_OBJECT
private slots:
    void decoderReadsJpegAndRefusesGarbage() {
        const QImage decoded = shippictures::DecodeJpeg(jpeg(48, 16, QColor(200, 40, 40)));
        QCOMPARE(decoded.size(), QSize(48, 16));
        QVERIFY(near(decoded.pixel(20, 8), QColor(200, 40, 40)));
        QVERIFY(shippictures::DecodeJpeg(QByteArray("not a picture at all")).isNull());
        // A JPEG cut short must not reach libjpeg's default handler, which exits.
        const QByteArray whole = jpeg(64, 64, Qt::blue);
        for (int cut : {20, static_cast<int>(whole.size()) / 2}) shippictures::DecodeJpeg(whole.left(cut));
        QCOMPARE(shippictures::StoredPicturePath("Dreadnought"), QStringLiteral(":/pictures/DREADNOUGHT"));
        QVERIFY(!shippictures::StoredPicture("NoSuchShip"));
    }

    void customFilesOverrideStoredPictures() {
        designertest::TempProgramDir dir;
        designertest::copyTree(QString::fromStdString(designertest::programDir() + "Designs"),
                               QString::fromStdString(dir.path() + "Designs"));
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);

        // Same name as the stored picture, any letter case of the folder.
        QFile file(QString::fromStdString(dir.customFile("Dreadnought")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(jpeg(320, 80, QColor(20, 160, 20))) > 0);
        file.close();
        TdlgShipStatus card(designertest::bundledData(), dir.path(), dir.path());
        platform::ScopedRecordingMessages messages;
        card.FillShipStatus(**ship, 0);
        const QImage shown = card.W.imgPicture->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(320, 80));
        QVERIFY(near(shown.pixel(10, 10), QColor(20, 160, 20)));

        // A name reaching out of the folder is not read from disk.
        (*ship)->PictureName = "../Designs/Dreadnought.sdf";
        card.FillShipStatus(**ship, 0);
        QVERIFY(card.W.imgPicture->pixmap().isNull());
        QCOMPARE(messages.texts().back(), std::string("Picture not found: ../Designs/Dreadnought.sdf"));
    }

    void cardShowsTheStoredPictureAndCopesWithoutOne() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card(designertest::bundledData(), designertest::programDir(), designertest::programDir());
        platform::ScopedRecordingMessages messages;
        card.FillShipStatus(**ship, 0);
        const QImage shown = card.W.imgPicture->pixmap().toImage();
        QCOMPARE(shown.pixel(320, 150),
                 shippictures::StoredPicture("dreadNought")->pixel(320, 150)); // by name in capitals

        (*ship)->PictureName.clear();
        card.FillShipStatus(**ship, 0);
        QVERIFY(card.W.imgPicture->pixmap().isNull());
        QCOMPARE(card.W.pnlPictureCaption->text(), QStringLiteral("Picture not available"));
        // A lost picture is reported and the card still fills.
        (*ship)->PictureName = "Lost Ship";
        card.FillShipStatus(**ship, 0);
        QCOMPARE(messages.recorded.back(),
                 (platform::RecordedMessage{platform::MessageKind::Error, "Picture not found: Lost Ship"}));
        QCOMPARE(card.W.lbShipname->text(), QStringLiteral("DREADNOUGHT"));
        QVERIFY(card.W.imgPicture->pixmap().isNull());
    }

    void gameViewShipIsDrawnHeadingWest() {
        auto ship = loadSample("Dreadnought");
        QVERIFY(ship);
        TdlgShipStatus card(designertest::bundledData(), designertest::programDir(), designertest::programDir());
        const QImage empty = card.W.aDisplayGlobe->RenderToImage();
        platform::ScopedRecordingMessages messages;
        card.FillShipStatus(**ship, 0);
        QVERIFY(card.GameViewShip);
        QCOMPARE(card.GameViewShip->Heading, 270);
        const QImage drawn = card.W.aDisplayGlobe->RenderToImage();
        QSet<QRgb> colours;
        for (int x = 0; x < drawn.width(); x += 2) colours.insert(drawn.pixel(x, 80));
        QVERIFY(colours.size() > 3);
        QVERIFY(drawn.pixel(320, 80) != empty.pixel(320, 80)); // the hull lies along the middle row

        // A second fill replaces the ship instead of adding one.
        card.FillShipStatus(**ship, 0);
        const TMapLayer* layer = card.W.aDisplayGlobe->Map().FindLayer(kShipLayerName);
        QVERIFY(layer && layer->ObjectsIfAny());
        QCOMPARE(layer->ObjectsIfAny()->Count(), 4);
    }
};

SHIP_GUI_TEST(ShipStatusPictureTests)
#include "ShipStatusPictureTests.moc"
