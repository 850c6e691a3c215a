// Renders an SVG picture to a PNG at a whole multiple of its own size, for pictures the program
// shows at its start: the credits splash carries text, and drawing text from an SVG at run time
// took its first showing 6 to 10 ms, where decoding a PNG takes about one. QIcon picks the
// NAME@2x.png beside NAME.png on a screen of twice the pixel density.
//
// Usage: render_picture IN.svg OUT.png SCALE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_picture IN.svg OUT.png SCALE\n");
        return 2;
    }
    // The fonts of the texts come from the platform; no window is shown.
    QGuiApplication application(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int scale = QString::fromLatin1(argv[3]).toInt();
    if (!svg.isValid() || scale < 1) {
        std::fprintf(stderr, "render_picture: cannot render %s at scale %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(svg.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
