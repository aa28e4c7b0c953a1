// SPDX-License-Identifier: MIT
// Renders the program's vector picture to square PNG files, so that the
// program can show its icon without the SVG module: the build installs them
// into the icon theme's fixed sizes and bakes them into the program.
// Usage: RenderIcon <picture.svg> <folder> <size>...; writes <folder>/<size>.png.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PICTURE.svg FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    // No window is shown: the offscreen platform serves wherever the build runs.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: not a picture\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size <= 0) {
            std::fprintf(stderr, "%s: not a size\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = QString::fromLocal8Bit(argv[2]) + "/" + QString::number(size) + ".png";
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
