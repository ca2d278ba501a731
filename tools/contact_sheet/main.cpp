// contact_sheet: renders every SVG picture of the game, and the finger cursor,
// into one PNG so the artwork can be reviewed at a glance.
//
//   contact_sheet <pictures-dir> <cursor-svg> <out.png>
//
// Each picture is rendered at its own size (1x) and at device pixel ratio 2
// (2x) on a light chequer, so transparent parts show. Square 32 px pictures
// are also shown at 16 px, the size of the Badee counters. The cursor gets an
// extra enlarged view with its hot spot (12, 1) outlined in red.
//
// Every file is checked while it loads: the renderer must accept it, Qt must
// not print any warning about it, its viewBox must match its size, and it must
// not use features the game avoids (text, embedded images, filters, ...), and
// it must not paint outside its own area.
// Problems are printed on stderr and listed at the foot of the sheet; the exit
// status is 0 when all is well, 2 when some file has a problem, 1 on a usage
// or I/O error.

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Capture of Qt's own messages while a file is loaded and rendered.

QStringList* gCaptured = nullptr;
QtMessageHandler gPreviousHandler = nullptr;

void captureHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (gCaptured != nullptr && type != QtDebugMsg && type != QtInfoMsg) {
        gCaptured->append(message);
        return;
    }
    if (gPreviousHandler != nullptr)
        gPreviousHandler(type, context, message);
}

class MessageCapture {
public:
    explicit MessageCapture(QStringList& into) { gCaptured = &into; }
    ~MessageCapture() { gCaptured = nullptr; }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;
};

// ---------------------------------------------------------------------------
// One rendered view of a picture.

struct View {
    QString caption;
    QImage image; // drawn on the sheet pixel for pixel
};

struct Entry {
    QString name;
    QString path;
    QSize size; // logical size from the file
    std::vector<View> views;
    QStringList problems;
};

// Markup the game's pictures stay away from, with the reason shown if found.
struct Forbidden {
    const char* needle;
    const char* reason;
};

constexpr Forbidden kForbidden[] = {
    {"<text", "uses a <text> element (letters must be drawn as paths)"},
    {"<tspan", "uses a <tspan> element"},
    {"<image", "embeds an image"},
    {"<filter", "uses a filter"},
    {"<mask", "uses a mask"},
    {"<style", "uses a <style> sheet"},
    {"class=", "uses CSS classes"},
    {"<foreignObject", "uses foreignObject"},
    {"href=\"http", "references an external resource"},
    {"href=\"file", "references an external file"},
    {"@import", "imports external CSS"},
};

QImage renderAt(QSvgRenderer& renderer, QSize logical, qreal dpr)
{
    QImage image(QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logical)));
    painter.end();
    image.setDevicePixelRatio(1.0); // shown on the sheet at its real pixels
    return image;
}

// Counts the pixels a picture paints beyond its own bounds: the painter does
// not clip to the viewBox, so such strokes would spill over neighbouring
// controls in the game.
int pixelsOutside(QSvgRenderer& renderer, QSize size)
{
    constexpr int pad = 16;
    const QRectF ownArea = renderer.viewBoxF();
    renderer.setViewBox(ownArea.adjusted(-pad, -pad, pad, pad));
    QImage image(size + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    renderer.setViewBox(ownArea);

    const QRect inside(QPoint(pad, pad), size);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 24 && !inside.contains(x, y))
                ++count;
        }
    }
    return count;
}

// Nearest-neighbour enlargement with the hot spot outlined.
QImage hotSpotView(const QImage& oneX, QPoint hotSpot, int zoom)
{
    QImage big = oneX.scaled(oneX.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&big);
    painter.setPen(QPen(QColor(230, 0, 0), 1));
    painter.drawRect(hotSpot.x() * zoom, hotSpot.y() * zoom, zoom - 1, zoom - 1);
    painter.setPen(QPen(QColor(230, 0, 0, 120), 1, Qt::DotLine));
    painter.drawLine(hotSpot.x() * zoom + zoom / 2, 0, hotSpot.x() * zoom + zoom / 2, big.height());
    painter.drawLine(0, hotSpot.y() * zoom + zoom / 2, big.width(), hotSpot.y() * zoom + zoom / 2);
    painter.end();
    return big;
}

Entry loadEntry(const QString& path, const QString& name, bool isCursor)
{
    Entry entry;
    entry.name = name;
    entry.path = path;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        entry.problems << QStringLiteral("cannot be read");
        return entry;
    }
    const QByteArray data = file.readAll();
    file.close();

    for (const Forbidden& rule : kForbidden) {
        if (data.contains(rule.needle))
            entry.problems << QString::fromLatin1(rule.reason);
    }

    QStringList messages;
    {
        MessageCapture capture(messages);
        QSvgRenderer renderer;
        if (!renderer.load(data) || !renderer.isValid()) {
            entry.problems << QStringLiteral("is not a valid SVG for Qt");
        } else {
            entry.size = renderer.defaultSize();
            const QRectF box = renderer.viewBoxF();
            if (box.topLeft() != QPointF(0, 0) || box.size() != QSizeF(entry.size)) {
                entry.problems << QStringLiteral(
                                      "viewBox %1 %2 %3 %4 does not match its size %5x%6")
                                      .arg(box.x())
                                      .arg(box.y())
                                      .arg(box.width())
                                      .arg(box.height())
                                      .arg(entry.size.width())
                                      .arg(entry.size.height());
            }
            const int spilled = pixelsOutside(renderer, entry.size);
            if (spilled > 0)
                entry.problems
                    << QStringLiteral("paints %1 pixel(s) outside its own area").arg(spilled);
            const QImage oneX = renderAt(renderer, entry.size, 1.0);
            entry.views.push_back({QStringLiteral("1x"), oneX});
            entry.views.push_back({QStringLiteral("2x"), renderAt(renderer, entry.size, 2.0)});
            if (entry.size == QSize(32, 32) && !isCursor) {
                // Rendered straight at 16 px, as a 16 px canvas would draw it.
                QImage half(QSize(16, 16), QImage::Format_ARGB32_Premultiplied);
                half.fill(Qt::transparent);
                QPainter painter(&half);
                painter.setRenderHint(QPainter::Antialiasing, true);
                renderer.render(&painter, QRectF(0, 0, 16, 16));
                painter.end();
                entry.views.push_back({QStringLiteral("16 px"), half});
            }
            if (isCursor)
                entry.views.push_back(
                    {QStringLiteral("hot spot (12,1)"), hotSpotView(oneX, QPoint(12, 1), 6)});
        }
    }
    for (const QString& message : messages)
        entry.problems << QStringLiteral("Qt: ") + message;
    return entry;
}

// ---------------------------------------------------------------------------
// Sheet layout.

constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kCellPadding = 8;
constexpr int kMaxRowWidth = 1800;
constexpr int kChequer = 8;

void drawChequer(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, QColor(255, 255, 255));
    for (int y = area.top(); y <= area.bottom(); y += kChequer) {
        for (int x = area.left(); x <= area.right(); x += kChequer) {
            if (((x - area.left()) / kChequer + (y - area.top()) / kChequer) % 2 != 0)
                painter.fillRect(QRect(x, y, kChequer, kChequer), QColor(222, 222, 222));
        }
    }
    painter.restore();
}

struct Fonts {
    QFont title;
    QFont name;
    QFont caption;
    QFont problem;
};

struct Placed {
    const Entry* entry;
    QRect rect;
};

QSize cellSize(const Entry& entry, const Fonts& fonts)
{
    const QFontMetrics nameMetrics(fonts.name);
    const QFontMetrics captionMetrics(fonts.caption);
    const QString label = QStringLiteral("%1  %2\u00d7%3")
                              .arg(entry.name)
                              .arg(entry.size.width())
                              .arg(entry.size.height());
    int width = nameMetrics.horizontalAdvance(label);
    int viewsWidth = 0;
    int viewsHeight = 0;
    for (const View& view : entry.views) {
        const int w = std::max(view.image.width(), captionMetrics.horizontalAdvance(view.caption));
        viewsWidth += w + (viewsWidth > 0 ? kGap : 0);
        viewsHeight = std::max(viewsHeight, view.image.height());
    }
    width = std::max(width, viewsWidth);
    int height = nameMetrics.height() + 4 + viewsHeight + 4 + captionMetrics.height();
    if (!entry.problems.isEmpty())
        height += captionMetrics.height();
    return QSize(width + 2 * kCellPadding, height + 2 * kCellPadding);
}

void drawCell(QPainter& painter, const Entry& entry, const QRect& rect, const Fonts& fonts)
{
    const bool bad = !entry.problems.isEmpty();
    painter.setPen(QPen(bad ? QColor(210, 0, 0) : QColor(190, 190, 200), bad ? 2 : 1));
    painter.setBrush(QColor(248, 248, 252));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    const QFontMetrics nameMetrics(fonts.name);
    const QFontMetrics captionMetrics(fonts.caption);
    int x = rect.left() + kCellPadding;
    int y = rect.top() + kCellPadding;

    painter.setFont(fonts.name);
    painter.setPen(QColor(20, 20, 40));
    painter.drawText(x, y + nameMetrics.ascent(), entry.name);
    painter.setPen(QColor(110, 110, 130));
    painter.drawText(x + nameMetrics.horizontalAdvance(entry.name + QStringLiteral("  ")),
                     y + nameMetrics.ascent(),
                     QStringLiteral("%1\u00d7%2").arg(entry.size.width()).arg(entry.size.height()));
    y += nameMetrics.height() + 4;

    int viewsHeight = 0;
    for (const View& view : entry.views)
        viewsHeight = std::max(viewsHeight, view.image.height());

    painter.setFont(fonts.caption);
    for (const View& view : entry.views) {
        const QRect area(QPoint(x, y), view.image.size());
        drawChequer(painter, area);
        painter.drawImage(area.topLeft(), view.image);
        painter.setPen(QColor(90, 90, 110));
        painter.drawText(x, y + viewsHeight + 4 + captionMetrics.ascent(), view.caption);
        x += std::max(view.image.width(), captionMetrics.horizontalAdvance(view.caption)) + kGap;
    }
    if (bad) {
        painter.setPen(QColor(200, 0, 0));
        painter.drawText(rect.left() + kCellPadding,
                         y + viewsHeight + 4 + captionMetrics.height() + captionMetrics.ascent(),
                         QStringLiteral("%1 problem(s), see below").arg(entry.problems.size()));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; fall back to the offscreen platform if none is set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    gPreviousHandler = qInstallMessageHandler(captureHandler);

    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: contact_sheet <pictures-dir> <cursor-svg> <out.png>\n";
        return 1;
    }
    const QDir picturesDir(args.at(1));
    const QString cursorPath = args.at(2);
    const QString outPath = args.at(3);
    if (!picturesDir.exists()) {
        err << "contact_sheet: no such directory: " << args.at(1) << "\n";
        return 1;
    }

    std::vector<Entry> entries;
    const QFileInfoList files = picturesDir.entryInfoList({QStringLiteral("*.svg")}, QDir::Files,
                                                          QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files)
        entries.push_back(loadEntry(info.filePath(), info.completeBaseName(), false));
    entries.push_back(loadEntry(
        cursorPath, QStringLiteral("cursor: ") + QFileInfo(cursorPath).completeBaseName(), true));

    Fonts fonts;
    fonts.title = QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold);
    fonts.name = QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    fonts.caption = QFont(QStringLiteral("DejaVu Sans"), 8);
    fonts.problem = QFont(QStringLiteral("DejaVu Sans Mono"), 9);

    // Flow the cells into rows.
    const QFontMetrics titleMetrics(fonts.title);
    std::vector<Placed> placed;
    int x = kMargin;
    int y = kMargin + titleMetrics.height() + kGap;
    int rowHeight = 0;
    int sheetWidth = 0;
    for (const Entry& entry : entries) {
        const QSize size = cellSize(entry, fonts);
        if (x > kMargin && x + size.width() > kMaxRowWidth) {
            x = kMargin;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&entry, QRect(QPoint(x, y), size)});
        x += size.width() + kGap;
        rowHeight = std::max(rowHeight, size.height());
        sheetWidth = std::max(sheetWidth, x - kGap + kMargin);
    }
    y += rowHeight + kGap;

    QStringList problemLines;
    for (const Entry& entry : entries) {
        for (const QString& problem : entry.problems)
            problemLines << QStringLiteral("%1: %2").arg(entry.name, problem);
    }
    const QFontMetrics problemMetrics(fonts.problem);
    const int footerHeight =
        problemMetrics.height() * (problemLines.isEmpty() ? 1 : int(problemLines.size()) + 1) +
        kGap;
    for (const QString& line : problemLines)
        sheetWidth = std::max(sheetWidth, problemMetrics.horizontalAdvance(line) + 2 * kMargin);

    QImage sheet(QSize(sheetWidth, y + footerHeight + kMargin),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(236, 238, 244));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    painter.setFont(fonts.title);
    painter.setPen(QColor(30, 30, 60));
    painter.drawText(
        kMargin, kMargin + titleMetrics.ascent(),
        QStringLiteral("Tibbly artwork \u2014 %1 pictures and the cursor, at 1x and 2x")
            .arg(entries.size() - 1));

    for (const Placed& cell : placed)
        drawCell(painter, *cell.entry, cell.rect, fonts);

    painter.setFont(fonts.problem);
    int lineY = y + problemMetrics.ascent();
    if (problemLines.isEmpty()) {
        painter.setPen(QColor(0, 120, 40));
        painter.drawText(kMargin, lineY, QStringLiteral("All files load cleanly."));
    } else {
        painter.setPen(QColor(200, 0, 0));
        painter.drawText(kMargin, lineY, QStringLiteral("Problems:"));
        for (const QString& line : problemLines) {
            lineY += problemMetrics.height();
            painter.drawText(kMargin, lineY, line);
        }
    }
    painter.end();

    for (const QString& line : problemLines)
        err << line << "\n";
    err.flush();

    if (!sheet.save(outPath, "PNG")) {
        err << "contact_sheet: cannot write " << outPath << "\n";
        return 1;
    }
    std::printf("%s: %d files, %d with problems\n", qPrintable(outPath), int(entries.size()),
                int(std::count_if(entries.begin(), entries.end(),
                                  [](const Entry& e) { return !e.problems.isEmpty(); })));
    return problemLines.isEmpty() ? 0 : 2;
}
