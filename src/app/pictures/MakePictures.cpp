// Draws the program's pictures at build time: the splash picture, a molecular graph
// with its distance matrix written as a JPEG through libjpeg, and the program icon
// (PNG). Usage: make_pictures SPLASH.jpg ICON.png

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>
#include <numbers>
#include <queue>
#include <utility>
#include <vector>

namespace {

struct Graph {
    std::vector<QPointF> vertices;
    std::vector<std::pair<int, int>> edges;
};

// Naphthalene's carbon skeleton with a methyl and a hydroxyl group: two fused
// hexagons around (cx, cy), bond length r.
Graph Molecule(double cx, double cy, double r) {
    Graph g;
    const double h = r * std::sqrt(3.0) / 2;
    // Left ring, then the right ring's four other atoms, then the substituents.
    g.vertices = {{cx, cy - r / 2},         {cx, cy + r / 2}, {cx - h, cy + r},     {cx - 2 * h, cy + r / 2},
                  {cx - 2 * h, cy - r / 2}, {cx - h, cy - r}, {cx + h, cy - r},     {cx + 2 * h, cy - r / 2},
                  {cx + 2 * h, cy + r / 2}, {cx + h, cy + r}, {cx + 3 * h, cy - r}, {cx - 3 * h, cy + r}};
    g.edges = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5},  {5, 0}, {0, 6},
               {6, 7}, {7, 8}, {8, 9}, {9, 1}, {7, 10}, {3, 11}};
    return g;
}

std::vector<std::vector<int>> Distances(const Graph& g) {
    const size_t n = g.vertices.size();
    std::vector<std::vector<int>> adjacent(n);
    for (auto [a, b] : g.edges) {
        adjacent[a].push_back(b);
        adjacent[b].push_back(a);
    }
    std::vector<std::vector<int>> d(n, std::vector<int>(n, -1));
    for (size_t s = 0; s < n; ++s) {
        std::queue<int> queue;
        queue.push(static_cast<int>(s));
        d[s][s] = 0;
        while (!queue.empty()) {
            const int v = queue.front();
            queue.pop();
            for (int w : adjacent[v])
                if (d[s][w] < 0) {
                    d[s][w] = d[s][v] + 1;
                    queue.push(w);
                }
        }
    }
    return d;
}

void DrawGraph(QPainter& painter, const Graph& g, double atomRadius, const QColor& bond, double bondWidth) {
    painter.setPen(QPen(bond, bondWidth, Qt::SolidLine, Qt::RoundCap));
    for (auto [a, b] : g.edges)
        painter.drawLine(g.vertices[a], g.vertices[b]);
    const QColor carbon(40, 60, 90);
    const QColor oxygen(200, 50, 50);
    for (size_t i = 0; i < g.vertices.size(); ++i) {
        const QColor fill = i == 11 ? oxygen : carbon;
        QRadialGradient shade(g.vertices[i] - QPointF(atomRadius / 3, atomRadius / 3), atomRadius * 1.4);
        shade.setColorAt(0, fill.lighter(220));
        shade.setColorAt(1, fill);
        painter.setPen(QPen(Qt::white, bondWidth / 2));
        painter.setBrush(shade);
        painter.drawEllipse(g.vertices[i], atomRadius, atomRadius);
    }
}

QImage Splash() {
    QImage image(601, 328, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(214, 230, 245));
    sky.setColorAt(0.55, QColor(250, 252, 255));
    sky.setColorAt(1, Qt::white);
    painter.fillRect(image.rect(), sky);

    // The distance matrix of the molecule, shaded by distance, on the right.
    const Graph molecule = Molecule(170, 112, 46);
    const auto d = Distances(molecule);
    const double cell = 13;
    const QPointF origin(392, 22);
    for (size_t i = 0; i < d.size(); ++i)
        for (size_t j = 0; j < d.size(); ++j) {
            const int shade = 255 - d[i][j] * 30;
            painter.fillRect(QRectF(origin.x() + j * cell, origin.y() + i * cell, cell - 1.5, cell - 1.5),
                             QColor(shade, shade + (255 - shade) / 3, 255));
        }
    painter.setPen(QPen(QColor(60, 90, 140), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, QSizeF(cell * d.size(), cell * d.size())).adjusted(-3, -3, 2, 2));

    DrawGraph(painter, molecule, 9, QColor(70, 90, 120), 4);
    return image;
}

QImage Icon() {
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, 0, 128);
    tile.setColorAt(0, QColor(52, 101, 164));
    tile.setColorAt(1, QColor(29, 53, 87));
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
    painter.fillPath(rounded, tile);
    Graph hexagon;
    for (int k = 0; k < 6; ++k) {
        const double angle = std::numbers::pi / 3 * k + std::numbers::pi / 6;
        hexagon.vertices.emplace_back(64 + 36 * std::cos(angle), 64 + 36 * std::sin(angle));
        hexagon.edges.emplace_back(k, (k + 1) % 6);
    }
    hexagon.vertices.emplace_back(64, 64);
    hexagon.edges.emplace_back(6, 1);
    hexagon.edges.emplace_back(6, 3);
    hexagon.edges.emplace_back(6, 5);
    DrawGraph(painter, hexagon, 9, QColor(235, 240, 250), 6);
    return image;
}

bool WriteJpeg(const QImage& picture, const char* path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures SPLASH.jpg ICON.png\n");
        return 2;
    }
    if (!WriteJpeg(Splash(), argv[1])) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!Icon().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
