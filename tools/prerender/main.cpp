// Renders SVG pictures to PNG at 1× and 2× their own size, so that the game
// can show its pictures at their usual sizes without parsing and rendering
// SVG while a window opens.
//
//   tibbly_prerender <out-dir> <picture.svg>...
// writes <out-dir>/<name>@1x.png and <out-dir>/<name>@2x.png for each.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tibbly_prerender <out-dir> <picture.svg>...\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return 1;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QSvgRenderer svg(path);
        if (!svg.isValid()) {
            std::fprintf(stderr, "tibbly_prerender: cannot read %s\n", argv[i]);
            return 2;
        }
        for (const int scale : {1, 2}) {
            QImage image(svg.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
            painter.end();
            const QString name =
                QStringLiteral("%1@%2x.png").arg(QFileInfo(path).completeBaseName()).arg(scale);
            if (!image.save(out.filePath(name))) {
                std::fprintf(stderr, "tibbly_prerender: cannot write %s\n", qPrintable(name));
                return 2;
            }
        }
    }
    return 0;
}
