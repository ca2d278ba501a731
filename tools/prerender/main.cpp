// Renders SVG pictures at 1× and 2× their own size to raw images, so that the
// game can show its pictures at their usual sizes without parsing and
// rendering SVG, or decoding an image format, while a window opens.
//
//   tibbly_prerender <out-dir> <picture.svg>...
// writes <out-dir>/<name>@1x.argb and <out-dir>/<name>@2x.argb for each.
#include "framework/RawImage.h"

#include <QDir>
#include <QFile>
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
                QStringLiteral("%1@%2x.argb").arg(QFileInfo(path).completeBaseName()).arg(scale);
            QFile file(out.filePath(name));
            const QByteArray bytes = fw::rawImageBytes(image);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                std::fprintf(stderr, "tibbly_prerender: cannot write %s\n", qPrintable(name));
                return 2;
            }
        }
    }
    return 0;
}
