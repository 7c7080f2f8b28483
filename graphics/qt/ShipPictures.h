#pragma once
// Ship pictures: the JPEG files compiled into the program and the files a
// user puts into "Custom Files". JPEG bytes are decoded with libjpeg.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <string>

namespace shippictures {

// Decodes JPEG bytes; a null image when they are not a readable JPEG (a
// truncated one decodes as far as its data goes, as libjpeg does).
QImage DecodeJpeg(const QByteArray& bytes);

// Resource path of a stored picture: ":/pictures/" + the name in capitals.
QString StoredPicturePath(const std::string& pictureName);
// The stored picture of that name, decoded; none when the program carries
// no such picture.
std::optional<QImage> StoredPicture(const std::string& pictureName);

// A picture file: JPEG content through libjpeg, anything else (a BMP)
// through QImage. A null image when the file cannot be read or decoded.
QImage LoadPictureFile(const std::string& path);

// A ship's picture as the status card and the sheet show it: the file of
// that name in customFilesDir when there is one, else the picture the
// program carries. A name that reaches into other folders is not looked for
// on disk.
struct ShipPicture {
    QImage Image;       // null when there is none, or the file cannot be read
    bool Found = false; // a file or a stored picture of that name exists
};
ShipPicture FindShipPicture(const std::string& pictureName, const std::string& customFilesDir);

} // namespace shippictures
