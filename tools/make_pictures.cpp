// Draws the ship pictures the program carries: a side-view silhouette of
// each sample design in Designs/, 640 x 160, from the design's own figures
// (type, displacement, freeboard, turrets, calibre, funnels where the plan
// view places them), written as
// JPEG with libjpeg into pictures/, plus pictures/pictures.qrc.
//
// The picture name of a class is its name without blanks, in capitals
// (King Edward VII -> KINGEDWARDVII).
//
// Build and run from the repository root:
//   g++ -std=c++20 -O2 -fPIC tools/make_pictures.cpp -o /tmp/make_pictures \
//       $(pkg-config --cflags --libs Qt6Gui) -ljpeg
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures Designs pictures
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 640, kHeight = 160, kWaterline = 122;

using Section = std::map<std::string, std::string>;
using Design = std::map<std::string, Section>;

Design readDesign(const QString& path) {
    Design d;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return d;
    std::string section;
    for (QByteArray line : f.readAll().split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2).toStdString();
        } else if (int eq = line.indexOf('='); eq > 0) {
            d[section][line.left(eq).toStdString()] = line.mid(eq + 1).toStdString();
        }
    }
    return d;
}

int intValue(const Design& d, const std::string& s, const std::string& k, int def) {
    auto sec = d.find(s);
    if (sec == d.end()) return def;
    auto v = sec->second.find(k);
    if (v == sec->second.end()) return def;
    try {
        return std::stoi(v->second);
    } catch (...) { return def; }
}

std::string textValue(const Design& d, const std::string& s, const std::string& k) {
    auto sec = d.find(s);
    if (sec == d.end()) return {};
    auto v = sec->second.find(k);
    return v == sec->second.end() ? std::string() : v->second;
}

// Where along the hull a position letter stands, as a share of the length
// from the bow, and whether it is raised above its neighbour.
double letterPlace(char letter, bool& raised) {
    raised = letter == 'B' || letter == 'X' || letter == 'V';
    switch (letter) {
    case 'A': return 0.14;
    case '1':
    case '2': return 0.20;
    case 'B': return 0.22;
    case 'C':
    case 'L': return 0.32;
    case 'D':
    case 'E': return 0.36;
    case 'F':
    case 'G': return 0.44;
    case 'H':
    case 'I':
    case 'Q': return 0.50;
    case 'J':
    case 'K': return 0.56;
    case 'R': return 0.60;
    case 'S':
    case 'T': return 0.64;
    case 'W': return 0.66;
    case 'V': return 0.70;
    case 'X': return 0.76;
    case '3':
    case '4': return 0.80;
    case 'Y': return 0.86;
    default: return 0.5;
    }
}

// Half the hull length of the plan view in yards: the bow distance of the
// hull outline for the type, scaled by the ship's size figure.
double planHullHalfLength(const std::string& type, int displacement) {
    int size = 15, bow = 238;
    if (type == "BB" || type == "BC") {
        size = 20;
        if (displacement <= 16999) size -= 2;
        else if (displacement >= 19000 && displacement <= 20000) size -= 1;
        else if (displacement >= 25000 && displacement <= 29999) size += 1;
        else if (displacement >= 30000) size += 2;
        bow = 230;
    } else if (type == "B") {
        size = displacement < 14000 ? 14 : 16;
        bow = 230;
    } else if (type == "CA") {
        size = displacement < 10000 ? 14 : displacement > 14000 ? 16 : 15;
    } else if (type == "CL") {
        size = displacement > 4500 ? 14 : displacement < 3000 ? 12 : 13;
        bow = 242;
    } else if (type == "DD") {
        size = displacement > 1400 ? 12 : displacement >= 1001 ? 11 : displacement < 500 ? 9 : 10;
        bow = 242;
    } else if (type == "MS") {
        size = displacement < 400 ? 5 : 6;
    } else if (type == "AMC" || type == "TR" || type == "AV") {
        size = displacement < 4000 ? 14 : displacement > 5500 ? 16 : 15;
        if (type == "TR") bow = 230;
    }
    return bow * size / 20.0;
}

unsigned hashOf(const std::string& s) {
    unsigned h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

void drawSkyAndSea(QPainter& p, unsigned seed) {
    QLinearGradient sky(0, 0, 0, kWaterline);
    sky.setColorAt(0, QColor(150, 170, 190));
    sky.setColorAt(1, QColor(214, 220, 224));
    p.fillRect(0, 0, kWidth, kWaterline, sky);
    QLinearGradient sea(0, kWaterline, 0, kHeight);
    sea.setColorAt(0, QColor(70, 88, 104));
    sea.setColorAt(1, QColor(38, 52, 66));
    p.fillRect(0, kWaterline, kWidth, kHeight - kWaterline, sea);
    p.setPen(QPen(QColor(110, 128, 142), 1));
    for (int i = 0; i < 26; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>(seed % kWidth);
        const int y = kWaterline + 4 + static_cast<int>((seed >> 12) % (kHeight - kWaterline - 6));
        p.drawLine(x, y, x + 8 + static_cast<int>((seed >> 20) % 18), y);
    }
}

void drawFort(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 104, 86));
    QPainterPath hill;
    hill.moveTo(60, kWaterline);
    hill.cubicTo(160, 60, 460, 50, 590, kWaterline);
    p.drawPath(hill);
    p.setBrush(QColor(120, 112, 100));
    p.drawRect(230, 70, 180, 40);
    for (int x = 230; x < 410; x += 20) p.drawRect(x, 62, 10, 8);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(270, 80, 14, 10);
    p.drawRect(350, 80, 14, 10);
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.drawLine(284, 84, 312, 80);
    p.drawLine(364, 84, 392, 80);
}

// The side view's measures, from the design's size and freeboard.
struct Profile {
    double length, bow, stern, freeboard, deck, block;
    QColor hull, upper, funnel;
    bool merchant;
    double at(double share) const { return bow - share * length; } // share of the length from the bow
};

Profile profileOf(const Design& d, int displacement, const std::string& type) {
    Profile f{};
    f.merchant = type == "AMC" || type == "TR";
    const bool lowFreeboard = intValue(d, "Data", "Freeboard", 1) == 1;
    f.length = std::min(600.0, 80.0 + 120.0 * std::cbrt(displacement / 1000.0));
    f.bow = (kWidth + f.length) / 2;
    f.stern = (kWidth - f.length) / 2;
    f.freeboard = 6 + f.length * 0.035 + (lowFreeboard ? 0 : 5);
    f.deck = kWaterline - f.freeboard;
    f.block = 6 + f.length * 0.02;
    f.hull = f.merchant ? QColor(30, 30, 32) : QColor(74, 80, 86);
    f.upper = f.merchant ? QColor(226, 222, 206) : QColor(96, 102, 108);
    f.funnel = f.merchant ? QColor(196, 150, 80) : QColor(70, 74, 78);
    return f;
}

void drawHull(QPainter& p, const Profile& f) {
    // Masts first so the upperworks stand in front of them.
    p.setPen(QPen(QColor(50, 50, 50), 2));
    p.drawLine(QPointF(f.at(0.27), f.deck), QPointF(f.at(0.27), f.deck - 26 - f.length * 0.06));
    p.drawLine(QPointF(f.at(0.70), f.deck), QPointF(f.at(0.70), f.deck - 20 - f.length * 0.05));

    QPainterPath hullPath;
    hullPath.moveTo(f.stern + 6, kWaterline + 3);
    hullPath.lineTo(f.bow - 4, kWaterline + 3);
    hullPath.lineTo(f.bow + 3, f.deck - 4); // raked stem, slightly raised bow
    hullPath.lineTo(f.at(0.25), f.deck - 2);
    hullPath.lineTo(f.at(0.30), f.deck);
    hullPath.lineTo(f.stern, f.deck);
    hullPath.quadTo(f.stern - 3, kWaterline - f.freeboard / 2, f.stern + 6, kWaterline + 3);
    p.setPen(Qt::NoPen);
    p.setBrush(f.hull);
    p.drawPath(hullPath);
    p.setBrush(f.merchant ? QColor(140, 40, 36) : QColor(52, 40, 40));
    p.drawRect(QRectF(f.stern + 6, kWaterline, f.length - 10, 3));

    // Bridge forward, after control position aft.
    p.setBrush(f.upper);
    p.drawRect(QRectF(f.at(0.30), f.deck - f.block, f.length * 0.06, f.block));
    p.drawRect(QRectF(f.at(0.28) - 2, f.deck - f.block - 5, f.length * 0.035, 5));
    p.drawRect(QRectF(f.at(0.72), f.deck - f.block * 0.7, f.length * 0.05, f.block * 0.7));
}

// Funnels where the plan view has them: a funnel's position is in yards
// from the centre (negative forward) on a hull of the plan view's length.
void drawFunnels(QPainter& p, const Profile& f, const Design& d, const std::string& type, int displacement,
                 unsigned seed) {
    std::vector<double> funnelShares;
    const double planHalfLength = planHullHalfLength(type, displacement);
    for (int i = 1; i <= 4; ++i) {
        const int pos = intValue(d, "Funnels", "Funnel" + std::to_string(i) + "Pos", 0);
        if (pos != 0) funnelShares.push_back(std::clamp(0.5 + pos / (2 * planHalfLength), 0.2, 0.8));
    }
    if (funnelShares.empty()) {
        int funnels = 2 + static_cast<int>(seed % 2);
        if (type == "DD" || type == "CL") funnels = 3 + static_cast<int>(seed % 2);
        if (type == "MS" || type == "AV") funnels = 1 + static_cast<int>(seed % 2);
        for (int i = 0; i < funnels; ++i)
            funnelShares.push_back(0.38 + (funnels == 1 ? 0.1 : 0.22 * i / (funnels - 1)));
    }
    const double fw = 5 + f.length * 0.018, fh = 14 + f.length * 0.045;
    for (double share : funnelShares) {
        const QRectF body(f.at(share) - fw / 2, f.deck - f.block - fh + f.block, fw, fh);
        p.setBrush(f.funnel);
        p.drawRect(body);
        p.setBrush(QColor(20, 20, 20));
        p.drawRect(QRectF(body.left(), body.top(), fw, 3));
    }
}

// Main turrets with their barrels towards the nearer end.
void drawTurrets(QPainter& p, const Profile& f, const Design& d) {
    const int calibre = intValue(d, "Guns", "Main", 6);
    const double tw = 6 + calibre * 0.9, th = 3 + calibre * 0.35, barrel = 4 + calibre * 1.3;
    for (int i = 0; i <= 25; ++i) {
        const std::string section = "Turret" + std::to_string(i);
        if (intValue(d, section, "Guns", -1) < 0) continue;
        const std::string pos = textValue(d, section, "Pos");
        bool raised = false;
        const double share = letterPlace(pos.empty() ? 'Z' : pos[0], raised);
        const double x = f.at(share), top = f.deck - th - (raised ? th + 2 : 0);
        const double dir = share < 0.5 ? 1 : -1;
        if (raised) {
            p.setBrush(f.hull);
            p.drawRect(QRectF(x - tw / 2, top + th, tw, f.deck - top - th));
        }
        p.setPen(QPen(QColor(40, 40, 44), std::max(1.0, calibre / 6.0)));
        p.drawLine(QPointF(x + dir * tw / 4, top + th / 2), QPointF(x + dir * (tw / 4 + barrel), top + th / 2));
        p.setPen(Qt::NoPen);
        p.setBrush(f.upper.darker(110));
        QPainterPath turret;
        turret.addRoundedRect(QRectF(x - tw / 2, top, tw, th), 2, 2);
        p.drawPath(turret);
    }
}

void drawShip(QPainter& p, const Design& d, const std::string& name) {
    const int displacement = std::max(300, intValue(d, "Data", "Displacement", 10000));
    const std::string type = textValue(d, "Data", "ShipType");
    const Profile f = profileOf(d, displacement, type);
    drawHull(p, f);
    drawFunnels(p, f, d, type, displacement, hashOf(name));
    drawTurrets(p, f, d);
}

bool writeJpeg(const QImage& source, const QString& path, int quality) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!out) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString designs = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Designs");
    const QString target = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("pictures");
    QDir().mkpath(target);

    QStringList names;
    for (const QFileInfo& file : QDir(designs).entryInfoList({QStringLiteral("*.sdf")}, QDir::Files, QDir::Name)) {
        const std::string className = file.completeBaseName().toStdString();
        const Design design = readDesign(file.filePath());
        const QString picture = file.completeBaseName().remove(QLatin1Char(' ')).toUpper();

        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawSkyAndSea(p, hashOf(className));
        if (textValue(design, "Data", "ShipType") == "LT") drawFort(p);
        else drawShip(p, design, className);
        p.end();
        if (!writeJpeg(image, target + QLatin1Char('/') + picture + QStringLiteral(".jpg"), 85)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(picture));
            return 1;
        }
        names << picture;
        std::printf("%s -> %s\n", className.c_str(), qPrintable(picture));
    }

    QFile qrc(target + QStringLiteral("/pictures.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream s(&qrc);
    s << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const QString& n : names) s << "    <file alias=\"" << n << "\">" << n << ".jpg</file>\n";
    s << "</qresource>\n</RCC>\n";
    return 0;
}
