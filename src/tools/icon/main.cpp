// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's icon: the SVG and PNG renderings at the usual sizes, from one description.
//   tumblix_icon OUTPUT_FOLDER   writes tumblix.svg and tumblix-SIZE.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <fstream>

namespace {

// A dark well holding a four-by-four Tumblix figure in the game's colours, on a 256-unit canvas.
struct Cell {
    int x, y;
    const char* colour;
};
constexpr Cell kCells[] = {
    {0, 0, "#ff5050"}, {1, 0, "#ff5050"}, {2, 0, "#ff5050"}, {1, 1, "#ff5050"}, {1, 2, "#ffd040"},
    {3, 2, "#50c0ff"}, {0, 3, "#50e070"}, {1, 3, "#ffd040"}, {2, 3, "#50e070"}, {3, 3, "#50c0ff"}};
constexpr const char* kWell = "#101848";
constexpr int kPitch = 50, kOrigin = 32, kSize = 42;

void writeSvg(const QString& file) {
    std::ofstream out(file.toStdString());
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n"
        << "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"40\" fill=\"" << kWell
        << "\"/>\n";
    for (const Cell& c : kCells)
        out << "  <rect x=\"" << kOrigin + c.x * kPitch << "\" y=\"" << kOrigin + c.y * kPitch
            << "\" width=\"" << kSize << "\" height=\"" << kSize << "\" rx=\"6\" fill=\""
            << c.colour << "\" stroke=\"#ffffff\" stroke-width=\"3\"/>\n";
    out << "</svg>\n";
}

void writePng(const QString& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWell));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    p.setPen(QPen(Qt::white, 3));
    for (const Cell& c : kCells) {
        p.setBrush(QColor(c.colour));
        p.drawRoundedRect(QRectF(kOrigin + c.x * kPitch, kOrigin + c.y * kPitch, kSize, kSize), 6,
                          6);
    }
    p.end();
    image.save(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString folder = QString::fromLocal8Bit(argv[1]);
    writeSvg(folder + "/tumblix.svg");
    for (int size : {16, 32, 48, 64, 128, 256})
        writePng(folder + QString("/tumblix-%1.png").arg(size), size);
    return 0;
}
