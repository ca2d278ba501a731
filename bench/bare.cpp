// A Qt Widgets window that leaves as soon as it has been painted: what any Qt
// program pays before its first window shows, for bench/run.sh to compare the
// game's start window with. It links Qt Widgets only, so none of the game's
// own code creeps in.
//   (no option)  an empty window
//   --text       one label: Qt reads the system's font list before it draws
//                its first letter
//   --controls   the start window's kinds of controls, written in plain Qt: a
//                menu bar, a pop-up, five labels, three buttons drawn with bold
//                text and five pictures, in the same three text styles. What
//                the start window takes beyond this is the game's own cost.
#include "FirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

namespace {

// A picture with a caption drawn over it in bold, as the game's buttons are.
class PictureButton : public QWidget {
public:
    PictureButton(QWidget* parent, const QRect& bounds, const QString& caption)
        : QWidget(parent), caption_(caption), picture_(bounds.size(), QImage::Format_ARGB32)
    {
        setGeometry(bounds);
        picture_.fill(QColor(40, 90, 160));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, picture_);
        if (caption_.isEmpty())
            return;
        QFont font = painter.font();
        font.setPixelSize(14);
        font.setBold(true);
        painter.setFont(font);
        const int x = (width() - painter.fontMetrics().horizontalAdvance(caption_)) / 2;
        painter.setPen(Qt::black);
        painter.drawText(x, 24, caption_);
        painter.setPen(QColor(0xF0, 0xF0, 0xF0));
        painter.drawText(x - 2, 22, caption_);
    }

private:
    QString caption_;
    QImage picture_;
};

void addControls(QWidget& window)
{
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(&window);
    for (const char* title : {"&File", "&Edit", "Info", "Help"}) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("Item"));
    }
    layout->setMenuBar(bar);
    auto* area = new QWidget(&window);
    layout->addWidget(area);

    new PictureButton(area, {50, 8, 460, 40}, {});
    new PictureButton(area, {16, 18, 32, 32}, {});
    new PictureButton(area, {512, 18, 32, 32}, {});
    new PictureButton(area, {483, 301, 32, 32}, {});
    new PictureButton(area, {345, 100, 150, 36}, QStringLiteral("Find Tibbly"));
    new PictureButton(area, {345, 150, 150, 36}, QStringLiteral("Capture Tibbly"));
    new PictureButton(area, {345, 200, 150, 36}, QStringLiteral("aMAZE Tibbly"));

    const auto label = [area](const QRect& bounds, const QString& text, int pixelSize = 0) {
        auto* l = new QLabel(text, area);
        l->setGeometry(bounds);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (pixelSize > 0) {
            QFont font = l->font();
            font.setPixelSize(pixelSize);
            l->setFont(font);
        }
    };
    label({45, 58, 190, 20}, QStringLiteral("#1 - Select Player"));
    label({325, 58, 190, 20}, QStringLiteral("#2 - Select Game to Begin"));
    label({50, 271, 460, 20},
          QStringLiteral("Tibbly, a puzzle game for children, by the Tibbly developers"));
    label({100, 301, 360, 16}, QStringLiteral("please visit our web site:"), 10);
    label({100, 317, 360, 20}, QStringLiteral("https://www.example.com/"));

    auto* players = new QComboBox(area);
    players->setGeometry(45, 100, 190, 20);
    players->addItem(QStringLiteral("Nobody"));
}

} // namespace

int main(int argc, char* argv[])
{
    const char* option = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    QuitOnFirstPaint quitter;
    app.installEventFilter(&quitter);
    QWidget window;
    window.resize(560, 360);
    if (std::strcmp(option, "--text") == 0)
        new QLabel(QStringLiteral("Tibbly"), &window);
    else if (std::strcmp(option, "--controls") == 0)
        addControls(window);
    window.show();
    return QApplication::exec();
}
