#include "Window.h"

#include "Application.h"
#include "ImplicitInstance.h"
#include "Menu.h"
#include "Picture.h"
#include "PushButton.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace fw {

const QString Window::kReturn = QString(QChar(13));
const QString Window::kEnter = QString(QChar(3));
const QString Window::kEscape = QString(QChar(27));
const QString Window::kLeft = QString(QChar(28));
const QString Window::kRight = QString(QChar(29));
const QString Window::kUp = QString(QChar(30));
const QString Window::kDown = QString(QChar(31));

QString keyText(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
        return (event.modifiers() & Qt::KeypadModifier) ? Window::kEnter : Window::kReturn;
    case Qt::Key_Enter:
        return Window::kEnter;
    case Qt::Key_Escape:
        return Window::kEscape;
    case Qt::Key_Left:
        return Window::kLeft;
    case Qt::Key_Right:
        return Window::kRight;
    case Qt::Key_Up:
        return Window::kUp;
    case Qt::Key_Down:
        return Window::kDown;
    default:
        return event.text();
    }
}

Window::Window(const WindowLayout& layout) : QWidget(nullptr), menuBar_(layout.menuBar)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(layout.title);
    Qt::WindowFlags flags = layout.frame == 8 ? Qt::Dialog : Qt::Window;
    flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (layout.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (layout.maximizeButton && layout.resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    content_ = new QWidget(this);
    content_->setObjectName(QStringLiteral("content"));
    box->addWidget(content_);
    if (layout.backColor) {
        content_->setAutoFillBackground(true);
        QPalette palette = content_->palette();
        palette.setColor(QPalette::Window, *layout.backColor);
        content_->setPalette(palette);
    }
    if (layout.resizable) {
        content_->setMinimumSize(64, 64);
        content_->resize(layout.width, layout.height);
    } else {
        content_->setFixedSize(layout.width, layout.height);
        box->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (menuBar_)
        buildMenuBar();
    // The layout's size is the content's, as for a fixed window: a menu bar
    // inside the window comes on top of it and must not shorten the content.
    if (layout.resizable)
        resize(layout.width, layout.height + (qtMenuBar_ ? qtMenuBar_->sizeHint().height() : 0));
    visibleByLayout_ = layout.visible;
    content_->installEventFilter(this);
}

Window::~Window()
{
    closed_ = true;
    forgetImplicitWindow(this);
}

void Window::open()
{
    if (opened_)
        return;
    opened_ = true;
    for (Control* control : controls_)
        control->Event_Open();
    Event_Open();
    if (visibleByLayout_ && !closed_)
        Show();
}

void Window::Show()
{
    if (closed_)
        return;
    if (!isVisible()) {
        // A resizable window keeps the size its layout gave it; adjusting it
        // would shrink it to its content's 64 x 64 minimum.
        if (!testAttribute(Qt::WA_Resized))
            adjustSize();
        // Centred on the screen, a little above the middle.
        if (const QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize size = sizeHint().expandedTo(this->size());
            move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 3);
        }
        show();
    }
    // The headless platform of the tests has no stacking order to change.
    static const bool canRaise = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (canRaise)
        raise();
    activateWindow();
}

void Window::ShowModal()
{
    // Qt takes a change of modality only while the window is hidden.
    if (windowModality() != Qt::ApplicationModal) {
        if (isVisible())
            hide();
        setWindowModality(Qt::ApplicationModal);
    }
    Show();
}

bool Window::Close()
{
    if (closed_)
        return true;
    if (!isVisible()) {
        // Never shown: close it all the same, through the same steps.
        QCloseEvent event;
        closeEvent(&event);
        if (event.isAccepted())
            deleteLater();
        return event.isAccepted();
    }
    return close();
}

bool Window::agreesToQuit() { return closed_ || !Event_CancelClose(true); }

bool Window::closeForQuit()
{
    quitting_ = true;
    const bool closed = Close();
    quitting_ = false;
    return closed;
}

bool Window::Event_CancelClose(bool) { return false; }

bool Window::Event_KeyDown(const QString&) { return false; }

void Window::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    // A window closing for the quit agreed to it already and is not asked a
    // second time.
    if (!quitting_ && Event_CancelClose(false)) {
        event->ignore();
        return;
    }
    closed_ = true;
    forgetImplicitWindow(this);
    event->accept();
    Event_Close();
}

void Window::setBackdrop(const Picture* picture)
{
    backdrop_ = picture;
    update();
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == content_ && event->type() == QEvent::Paint && backdrop_) {
        QPainter painter(content_);
        painter.drawPixmap(QPoint(0, 0),
                           backdrop_->pixmap(backdrop_->size(), content_->devicePixelRatioF()));
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

Control* Window::control(const QString& name, int index) const
{
    for (Control* c : controls_)
        if (c->Name() == name && c->Index() == index)
            return c;
    return nullptr;
}

void Window::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !closed_)
        Event_Activate();
}

PushButton* Window::buttonWhere(bool isDefault) const
{
    for (Control* c : controls_) {
        auto* button = dynamic_cast<PushButton*>(c);
        if (button && button->isVisible() && button->isEnabled() &&
            (isDefault ? button->Default() : button->Cancel()))
            return button;
    }
    return nullptr;
}

void Window::handleKey(const QString& key)
{
    if (key == kReturn || key == kEnter) {
        if (PushButton* button = buttonWhere(true)) {
            button->push();
            return;
        }
    } else if (key == kEscape) {
        if (PushButton* button = buttonWhere(false)) {
            button->push();
            return;
        }
    }
    Event_KeyDown(key);
}

void Window::keyPressEvent(QKeyEvent* event)
{
    const QString key = keyText(*event);
    if (key.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    handleKey(key);
}

void Window::typeKey(const QString& key) { handleKey(key); }

// Menus --------------------------------------------------------------------

void Window::buildMenuBar()
{
    qtMenuBar_ = new QMenuBar(this);
    qtMenuBar_->setNativeMenuBar(false);
    static_cast<QVBoxLayout*>(layout())->setMenuBar(qtMenuBar_);
    for (const auto& menuModel : menuBar_->menus()) {
        QMenu* menu = qtMenuBar_->addMenu(menuModel->Text());
        connect(menu, &QMenu::aboutToShow, this, [this] { enableMenuItems(); });
        for (const auto& itemModel : menuModel->items()) {
            MenuItem* item = itemModel.get();
            if (item->kind() == MenuItem::Kind::Separator) {
                menu->addSeparator();
                continue;
            }
            // The shortcut is shown in the menu but served by a window
            // shortcut of its own, so that it runs only when the item is
            // enabled at that moment.
            auto* action = menu->addAction(QString());
            const QString keys = qtShortcut(item->KeyboardShortcut());
            auto sync = [action, item, keys] {
                QString caption = item->Text();
                if (!keys.isEmpty())
                    caption +=
                        QLatin1Char('\t') + QKeySequence(keys).toString(QKeySequence::NativeText);
                action->setText(caption);
                action->setEnabled(item->Enabled());
            };
            sync();
            connect(item, &MenuItem::changed, action, sync);
            const QString name = item->Name();
            connect(action, &QAction::triggered, this, [this, name] { menuCommand(name); });
            if (!keys.isEmpty()) {
                auto* shortcut = new QShortcut(QKeySequence(keys), this);
                connect(shortcut, &QShortcut::activated, this, [this, name] { menuCommand(name); });
            }
        }
    }
}

void Window::addMenuHandler(const QString& itemName, std::function<bool()> handler)
{
    menuHandlers_.insert(itemName, std::move(handler));
}

void Window::enableMenuItems()
{
    if (!menuBar_)
        return;
    menuBar_->autoEnableAll();
    Event_EnableMenuItems();
}

bool Window::menuCommand(const QString& itemName)
{
    if (!menuBar_ || closed_)
        return false;
    MenuItem* item = menuBar_->item(itemName);
    if (!item)
        return false;
    enableMenuItems();
    if (!item->Enabled())
        return false;
    if (item->kind() == MenuItem::Kind::Quit) {
        if (Application* app = Application::current())
            app->quit();
        return true;
    }
    auto handler = menuHandlers_.constFind(itemName);
    if (handler == menuHandlers_.constEnd())
        return false;
    // The handler may close and so delete this window; keep a copy.
    const auto run = *handler;
    return run();
}

} // namespace fw
