#include "ui/main/main_host_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/main/main_layout.h"
#include "ui/main/tessary_dlg.h"
#include "ui/skin/fonts_qt.h"
#include "ui/skin/key_events_qt.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/skin_image_qt.h"

namespace corvane {

// The window: its paints, pointer events and close request go to the host
// and the logic; a drag started by a press moves it by hand when no window
// manager does.
class MainHostQt::Window final : public QWidget {
  public:
    explicit Window(MainHostQt& host)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), host_(host) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(kClientWidth, kClientHeight);
        // The window shows only what the logic drew; Qt would repaint it
        // whenever a dialog or a box takes and gives back the activation.
        setPalette(AlikeInEveryGroup(palette()));
    }

    // Moves the window with the pointer until the button is released. A
    // press that has just hidden or minimised the window (Exit), or that is
    // released already, moves nothing. The release of a press that opened a
    // box or a dialog (Save's failure box) went to that window, never to
    // this one: Qt's own button state says whether it is still held.
    void StartDrag() {
        if (!pressed_ || !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton) ||
            !isVisible() || isMinimized()) {
            pressed_ = false;
            return;
        }
        if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
            return;
        }
        dragging_ = true;
        dragOffset_ = pressGlobal_ - pos();
    }
    bool dragging() const { return dragging_; }

  protected:
    void paintEvent(QPaintEvent*) override { host_.Paint(*this); }
    // A dialog disables the window while it runs. The window looks the same
    // either way, and the Windows program gets no background erase for it:
    // a repaint here would copy the whole window again as the dialog opens
    // (Qt repaints on that change whatever the colours).
    void changeEvent(QEvent* event) override {
        if (event->type() != QEvent::EnabledChange) {
            QWidget::changeEvent(event);
        }
    }
    // Nor does it show the keyboard focus, which a dialog or a box takes and
    // gives back: Qt would repaint the window, lists and all, each time.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton || host_.logic_ == nullptr) {
            return;
        }
        pressGlobal_ = event->globalPosition().toPoint();
        pressed_ = true;
        // The logic takes the press once Qt has delivered it: a box or a
        // dialog the press opens runs an event loop of its own, and one run
        // inside the press's delivery leaves Qt's pointer state stale (the
        // next click then arrives at the pressed place and acts again).
        const QPoint p = event->position().toPoint();
        QTimer::singleShot(0, this, [this, p] {
            if (host_.logic_ != nullptr) {
                host_.logic_->OnLButtonDown(Point{p.x(), p.y()});
            }
        });
    }
    // The window's class takes double clicks as such, and the window reacts
    // to none: the second press of a double click does nothing.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void mouseMoveEvent(QMouseEvent* event) override {
        if (dragging_ && !event->buttons().testFlag(Qt::LeftButton)) {
            dragging_ = false;  // released where this window did not see it
        }
        if (dragging_) {
            move(event->globalPosition().toPoint() - dragOffset_);
            return;
        }
        host_.lastPointer_ = event->position().toPoint();
        if (host_.logic_ != nullptr) {
            host_.logic_->OnMouseMove(Point{host_.lastPointer_.x(), host_.lastPointer_.y()});
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            dragging_ = false;
            pressed_ = false;
        }
    }
    void leaveEvent(QEvent*) override {
        host_.hoverTimer_.stop();
        if (host_.leaveArmed_ && host_.logic_ != nullptr) {
            host_.leaveArmed_ = false;
            host_.logic_->OnMouseLeave();
        }
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (host_.closeRequest_) {
            host_.closeRequest_();
        }
    }

  private:
    MainHostQt& host_;
    bool pressed_ = false;
    bool dragging_ = false;
    QPoint pressGlobal_;
    QPoint dragOffset_;
};

class MainHostQt::Filter final : public QObject {
  public:
    explicit Filter(MainHostQt& host) : host_(host) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        return host_.FilterEvent(receiver, event);
    }

  private:
    MainHostQt& host_;
};

MainHostQt::MainHostQt()
    : canvas_(QSize(kClientWidth, kClientHeight)),
      lists_([this](int id, ChildEvent event) {
          if (logic_ != nullptr) {
              logic_->OnListNotify(id, event);
          }
      }),
      window_(std::make_unique<Window>(*this)),
      filter_(std::make_unique<Filter>(*this)) {
    hoverTimer_.setSingleShot(true);
    QObject::connect(&hoverTimer_, &QTimer::timeout, [this] {
        if (logic_ != nullptr) {
            logic_->OnMouseHover(Point{lastPointer_.x(), lastPointer_.y()});
        }
    });
    qApp->installEventFilter(filter_.get());
}

MainHostQt::~MainHostQt() {
    filter_.reset();
    canvas_.End();
    lists_.DestroyAll();
    logic_ = nullptr;
}

void MainHostQt::Attach(CTessaryDlg& logic) {
    logic_ = &logic;
}

QWidget* MainHostQt::window() const {
    return window_.get();
}

void MainHostQt::SetUp(const WindowSetup& setup) {
    skinDir_ = setup.skinDir;
    messages_ = &setup.messages;
    listFont_ =
        FontForWindowsFace(setup.fonts.list.face, setup.fonts.list.height, setup.fonts.list.weight);
    pageFont_ =
        FontForWindowsFace(setup.fonts.page.face, setup.fonts.page.height, setup.fonts.page.weight);
    runner_.emplace(window_.get(), skinDir_, setup.messages, dialogFlags_, setup.versionWord);
}

void MainHostQt::LoadBackground(std::wstring_view name) {
    const std::wstring path = SkinImagePath(skinDir_, name);
    std::optional<QImage> image =
        prefetch_ != nullptr ? prefetch_->Take(path, SkinImageUse::Background) : std::nullopt;
    canvas_.SetBackground(image ? std::move(*image) : LoadBackgroundImage(path));
}

bool MainHostQt::hasBackBuffer() const {
    return canvas_.hasBackground();
}

QImage MainHostQt::backBuffer() const {
    return canvas_.background();
}

// Key presses and pointer moves of the window and its lists meet the
// logic's pre-filter before they are dispatched. Events reach a window
// before its widgets, so each is seen here once.
bool MainHostQt::FilterEvent(QObject* receiver, QEvent* event) {
    if (logic_ == nullptr || window_->windowHandle() == nullptr ||
        receiver != window_->windowHandle() || !window_->isEnabled()) {
        return false;
    }
    FilterMessage message;
    if (event->type() == QEvent::KeyPress) {
        message.kind = FilterMessage::Kind::KeyDown;
        message.key = KeyOf(static_cast<const QKeyEvent&>(*event));
    } else if (event->type() == QEvent::MouseMove) {
        const QPoint global = static_cast<const QMouseEvent&>(*event).globalPosition().toPoint();
        // Onto a child (an open list) the pointer leaves the window's own
        // regions, as Windows' leave notice says when it enters a child: the
        // hover the last move over the window asked for is not due.
        if (window_->childAt(window_->mapFromGlobal(global)) != nullptr) {
            hoverTimer_.stop();
        }
        message.kind = FilterMessage::Kind::PointerMove;
        message.screenPoint = Point{global.x(), global.y()};
    } else {
        return false;
    }
    return logic_->PreFilter(message);
}

// A paint the system asks for is the background erase, which repaints from
// the back buffer; a paint that shows a pass just drawn only copies it.
void MainHostQt::Paint(QWidget& window) {
    if (!presenting_ && logic_ != nullptr && !canvas_.inPass()) {
        erasing_ = true;
        logic_->OnEraseBackground();
        erasing_ = false;
    }
    QPainter painter(&window);
    const QImage& shown = canvas_.shown();
    if (shown.isNull()) {
        painter.fillRect(window.rect(), Qt::black);
    } else {
        painter.drawImage(0, 0, shown);
    }
}

// ------------------------------------------------------------------ drawing

bool MainHostQt::BeginDrawingPass() {
    Present();
    return canvas_.Begin();
}

bool MainHostQt::DrawImage(std::wstring_view name, Point at) {
    if (!canvas_.inPass() || messages_ == nullptr) {
        return false;
    }
    const std::wstring path = SkinImagePath(skinDir_, name);
    const std::optional<QImage> image =
        prefetch_ != nullptr ? prefetch_->Take(path, SkinImageUse::Drawn) : std::nullopt;
    return image ? DrawDecodedSkinImage(*canvas_.painter(), *image, at, *messages_)
                 : DrawSkinImage(*canvas_.painter(), path, at, *messages_);
}

void MainHostQt::DrawText(std::wstring_view text, Rect rect, TextFormat format, FontKind font) {
    if (!canvas_.inPass()) {
        return;
    }
    DrawSkinText(*canvas_.painter(), text, rect, format,
                 font == FontKind::Page ? pageFont_ : listFont_, SkinTextColour());
}

void MainHostQt::Present() {
    if (!canvas_.inPass()) {
        return;
    }
    canvas_.End();
    if (!erasing_) {
        presenting_ = true;
        window_->repaint();
        presenting_ = false;
    }
}

void MainHostQt::RepaintFromBackBuffer() {
    Present();
    canvas_.ShowBackground();
    if (!erasing_) {
        presenting_ = true;
        window_->repaint();
        presenting_ = false;
    }
}

// -------------------------------------------------------------------- lists

void MainHostQt::CreateList(int id, Rect rect, std::span<const std::wstring> items) {
    lists_.Create(window_.get(), id, rect, items, listFont_, false);
}

void MainHostQt::DestroyList(int id) {
    lists_.Destroy(id);
}

bool MainHostQt::ListExists(int id) const {
    return lists_.Exists(id);
}

std::optional<int> MainHostQt::ListSelection(int id) const {
    return lists_.Selection(id);
}

void MainHostQt::SetListSelection(int id, int index) {
    lists_.SetSelection(id, index);
}

// A point below the last item names the nearest item (the last one).
std::optional<int> MainHostQt::ListItemAt(int id, Point screenPoint) const {
    const std::optional<ListBoxHit> hit = lists_.ItemAt(id, screenPoint);
    return hit ? std::optional<int>(hit->index) : std::nullopt;
}

std::wstring MainHostQt::ListText(int id, int index) const {
    return lists_.Text(id, index);
}

std::optional<int> MainHostQt::ListUnderScreenPoint(Point screenPoint) const {
    return lists_.IdUnder(screenPoint);
}

// ------------------------------------------------------------------ window

// A window a box or a dialog blocks awaits no rest of the pointer.
void MainHostQt::ShowMessageBox(const std::wstring& text, const std::wstring& caption) {
    hoverTimer_.stop();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdWString(caption),
                    QString::fromStdWString(text), QMessageBox::Ok, window_.get());
    box.exec();
}

// A hidden window is left by the pointer: a rest still awaited never comes.
void MainHostQt::Hide() {
    hoverTimer_.stop();
    if (hideRequest_) {
        hideRequest_();
        return;
    }
    window_->hide();
}

void MainHostQt::Show() {
    window_->show();
}

void MainHostQt::BringToFront() {
    window_->raise();
    window_->activateWindow();
}

void MainHostQt::StartDrag() {
    window_->StartDrag();
}

// One hover after the pointer has rested (every move restarts the wait) and
// one leave when it goes out of the window.
void MainHostQt::RequestHover(int milliseconds) {
    hoverTimer_.start(milliseconds);
    leaveArmed_ = true;
}

// Before the set-up every dialog answers "cancelled" without opening.
DialogOutcome MainHostQt::RunDialog(DialogKind kind, const DialogInputs& inputs) {
    hoverTimer_.stop();
    return runner_ ? runner_->Run(kind, inputs) : DialogOutcome{};
}

}  // namespace corvane
