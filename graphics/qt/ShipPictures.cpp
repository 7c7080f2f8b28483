#include "graphics/qt/ShipPictures.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

// The pictures live in a static library; registering them here keeps the
// linker from dropping them.
static void registerStoredPictures() {
    static const bool once = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)once;
}

namespace shippictures {

namespace {

// Larger pictures are refused rather than allocated: a stored picture is
// 640 x 160, and a file's header must not make us reserve gigabytes.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

extern "C" void onJpegError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr) {} // warnings stay quiet

// Where decoded rows go; lives in the caller's frame so that a longjmp out
// of libjpeg never skips a destructor.
struct RowSink {
    QImage* image = nullptr;
    bool cmyk = false;
    unsigned char* row = nullptr; // one scan line as libjpeg delivers it
    QByteArray* rowStore = nullptr;
};

bool allocate(RowSink& sink, JDIMENSION width, JDIMENSION height, int components) {
    *sink.image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (sink.image->isNull()) return false;
    sink.rowStore->resize(static_cast<qsizetype>(width) * components);
    sink.row = reinterpret_cast<unsigned char*>(sink.rowStore->data());
    return true;
}

void storeRow(RowSink& sink, int y, JDIMENSION width) {
    auto* out = reinterpret_cast<QRgb*>(sink.image->scanLine(y));
    const unsigned char* in = sink.row;
    for (JDIMENSION x = 0; x < width; ++x) {
        if (sink.cmyk) {
            // Adobe writes CMYK inverted: 255 means no ink.
            const int c = in[0], m = in[1], yel = in[2], k = in[3];
            out[x] = qRgb(c * k / 255, m * k / 255, yel * k / 255);
            in += 4;
        } else {
            out[x] = qRgb(in[0], in[1], in[2]);
            in += 3;
        }
    }
}

// Only trivially destructible locals here: libjpeg leaves by longjmp.
bool decodeJpeg(const unsigned char* data, unsigned long size, RowSink& sink) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.output_message = onJpegMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    sink.cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = sink.cmyk ? JCS_CMYK : JCS_RGB;
    if (cinfo.image_width == 0 || cinfo.image_height == 0 || cinfo.image_width > kMaxSide ||
        cinfo.image_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != (sink.cmyk ? 4 : 3) ||
        !allocate(sink, cinfo.output_width, cinfo.output_height, cinfo.output_components)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {sink.row};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) break;
        storeRow(sink, y, cinfo.output_width);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool looksLikeJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    QImage image;
    QByteArray rowStore;
    RowSink sink;
    sink.image = &image;
    sink.rowStore = &rowStore;
    if (!decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                    sink))
        return {};
    return image;
}

QString StoredPicturePath(const std::string& pictureName) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(pictureName).toUpper();
}

std::optional<QImage> StoredPicture(const std::string& pictureName) {
    if (pictureName.empty()) return std::nullopt;
    registerStoredPictures();
    QFile file(StoredPicturePath(pictureName));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QImage image = DecodeJpeg(file.readAll());
    if (image.isNull()) return std::nullopt;
    return image;
}

QImage LoadPictureFile(const std::string& path) {
    auto bytes = platform::readBytes(path);
    if (!bytes) return {};
    QByteArray data(bytes->data(), static_cast<qsizetype>(bytes->size()));
    if (looksLikeJpeg(data)) return DecodeJpeg(data);
    // Only JPEG and BMP pictures are offered by the picture chooser; other
    // formats are not handed to Qt's plugins.
    QImage image;
    image.loadFromData(data, "BMP");
    return image;
}

ShipPicture FindShipPicture(const std::string& name, const std::string& customFilesDir) {
    if (name.empty()) return {};
    const bool bare = platform::fileNameOf(name) == name && name != "." && name != "..";
    const std::string custom = customFilesDir + name;
    if (bare && platform::fileExists(custom)) return {LoadPictureFile(custom), true};
    if (auto stored = StoredPicture(name)) return {*stored, true};
    return {};
}

} // namespace shippictures
