#include "ui/skin/dialog_host_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "ui/skin/fonts_qt.h"
#include "ui/skin/key_events_qt.h"
#include "ui/skin/skin_dir.h"
#include "ui/skin/skin_image_qt.h"
#include "ui/skin/window_events.h"

namespace corvane {
namespace {

// The thin border around the client area, as a bordered window has it.
constexpr int kBorder = 1;

}  // namespace

// The top-level window: the border, and the close request as cancel.
class DialogHostQt::Window final : public QWidget {
  public:
    explicit Window(DialogHostQt& host)
        : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), host_(host) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(ThinBorderColour());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void closeEvent(QCloseEvent* event) override {
        // The window stays until its run ends; closing it is cancelling.
        event->ignore();
        host_.ToFrame([](SkinnedDialogFrame& frame) { frame.OnEscape(); });
    }

  private:
    DialogHostQt& host_;
};

// The client area: painted from the canvas, its presses, moves and rests
// handed to the frame.
class DialogHostQt::Client final : public QWidget {
  public:
    Client(DialogHostQt& host, QWidget* parent) : QWidget(parent), host_(host) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override { host_.PaintClient(*this); }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            const Point p{event->position().toPoint().x(), event->position().toPoint().y()};
            host_.ToFrame([p](SkinnedDialogFrame& frame) { frame.OnLButtonDown(p); });
        }
    }
    // The dialog class takes double clicks as such, and the dialog reacts to
    // none: the second press of a double click does nothing.
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void mouseMoveEvent(QMouseEvent* event) override {
        host_.lastPointer_ = event->position().toPoint();
        const Point p{host_.lastPointer_.x(), host_.lastPointer_.y()};
        host_.ToFrame([p](SkinnedDialogFrame& frame) { frame.OnMouseMove(p); });
    }
    void leaveEvent(QEvent*) override { host_.hoverTimer_.stop(); }

  private:
    DialogHostQt& host_;
};

class DialogHostQt::Filter final : public QObject {
  public:
    explicit Filter(DialogHostQt& host) : host_(host) {}

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        return host_.FilterEvent(receiver, event);
    }

  private:
    DialogHostQt& host_;
};

DialogHostQt::DialogHostQt(std::wstring skinDir, UserMessages& messages)
    : skinDir_(std::move(skinDir)),
      messages_(messages),
      lists_([this](int id, ChildEvent event) { OnChildNotify(id, event); }),
      boxes_([this](int id, ChildEvent event) { OnChildNotify(id, event); }) {
    hoverTimer_.setSingleShot(true);
    QObject::connect(&hoverTimer_, &QTimer::timeout, [this] {
        const Point p{lastPointer_.x(), lastPointer_.y()};
        ToFrame([p](SkinnedDialogFrame& frame) { frame.OnMouseHover(p); });
    });
}

DialogHostQt::~DialogHostQt() {
    Close();
}

QWidget* DialogHostQt::window() const {
    return window_.get();
}

QWidget* DialogHostQt::client() const {
    return client_;
}

template <typename Call>
void DialogHostQt::ToFrame(Call call) {
    if (frame_ == nullptr) {
        return;
    }
    call(*frame_);
    if (frame_ != nullptr && frame_->ended() && loop_ != nullptr) {
        loop_->quit();
    }
}

// ------------------------------------------------------------- modal run

void DialogHostQt::RunModal(QWidget* owner, SkinnedDialogFrame& frame) {
    if (Open(owner, frame)) {
        RunLoop();
    }
    Close();
}

bool DialogHostQt::Open(QWidget* owner, SkinnedDialogFrame& frame) {
    Close();
    frame_ = &frame;
    owner_ = owner;
    const DialogFrameLayout& layout = frame.layout();
    canvas_ = std::make_unique<CanvasQt>(QSize(layout.clientWidth, layout.clientHeight));
    window_ = std::make_unique<Window>(*this);
    window_->setFixedSize(layout.clientWidth + 2 * kBorder, layout.clientHeight + 2 * kBorder);
    client_ = new Client(*this, window_.get());
    client_->setGeometry(kBorder, kBorder, layout.clientWidth, layout.clientHeight);
    const QPoint origin = owner != nullptr ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    window_->move(origin);
    filter_ = std::make_unique<Filter>(*this);
    qApp->installEventFilter(filter_.get());

    const bool focus = frame.OnInitDialog();
    if (frame_ == nullptr) {
        return false;
    }
    // Kept above its owner by a window manager; without one, shown last.
    window_->winId();
    if (owner != nullptr && owner->window()->windowHandle() != nullptr) {
        window_->windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    eraseDue_ = true;
    window_->show();
    window_->raise();
    window_->activateWindow();
    // The dialog manager's focus: the first child that takes it (its text
    // selected), else the dialog; none when the initialisation ended early.
    if (focus) {
        if (QLineEdit* box = boxes_.First()) {
            box->setFocus();
            box->selectAll();
        } else {
            client_->setFocus();
        }
    }
    return true;
}

void DialogHostQt::RunLoop() {
    if (window_ == nullptr || frame_ == nullptr || frame_->ended()) {
        return;
    }
    QPointer<QWidget> owner = owner_;
    const bool disableOwner = owner && owner->isEnabled();
    if (disableOwner) {
        owner->setEnabled(false);
    }
    QEventLoop loop;
    loop_ = &loop;
    loop.exec();
    loop_ = nullptr;
    if (disableOwner && owner) {
        owner->setEnabled(true);
        owner->activateWindow();
    }
}

void DialogHostQt::Close() {
    Present();
    hookInstalled_ = false;
    frame_ = nullptr;
    hoverTimer_.stop();
    if (loop_ != nullptr) {
        loop_->quit();
    }
    filter_.reset();  // also leaves the application's filters
    lists_.DestroyAll();
    boxes_.DestroyAll();
    client_ = nullptr;
    window_.reset();
    canvas_.reset();
}

bool DialogHostQt::FilterEvent(QObject* receiver, QEvent* event) {
    if (frame_ == nullptr || window_ == nullptr || !receiver->isWindowType()) {
        return false;
    }
    // Events reach a window before its widgets: each one is seen here once.
    const bool ours = receiver == window_->windowHandle();
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (hookInstalled_) {
                const KeyNotice notice = KeyNoticeOf(key);
                ToFrame([&notice](SkinnedDialogFrame& frame) {
                    frame.OnKeyNotice(notice.name, notice.scanCode, notice.extended);
                });
            }
            if (!ours || frame_ == nullptr) {
                return false;
            }
            // A release reaches the pre-filter too, which reads its key.
            const bool press = event->type() == QEvent::KeyPress;
            DialogFilterMessage message;
            message.kind =
                press ? DialogFilterMessage::Kind::KeyDown : DialogFilterMessage::Kind::Other;
            message.key = KeyOf(key);
            bool swallowed = false;
            ToFrame([&](SkinnedDialogFrame& frame) { swallowed = frame.PreFilter(message); });
            if (swallowed || !press) {
                return swallowed;
            }
            // What a dialog does with Enter and Escape when nothing took them.
            if (message.key == Key::Enter) {
                ToFrame([](SkinnedDialogFrame& frame) { frame.OnEnter(); });
                return true;
            }
            if (message.key == Key::Escape) {
                ToFrame([](SkinnedDialogFrame& frame) { frame.OnEscape(); });
                return true;
            }
            return false;
        }
        case QEvent::MouseMove: {
            if (!ours) {
                return false;
            }
            const QPoint global =
                static_cast<const QMouseEvent&>(*event).globalPosition().toPoint();
            // Onto a child (a list, a number box) the pointer leaves the
            // dialog's own regions, as on Windows: no hover is due.
            if (client_ != nullptr && client_->childAt(client_->mapFromGlobal(global)) != nullptr) {
                hoverTimer_.stop();
            }
            DialogFilterMessage message;
            message.kind = DialogFilterMessage::Kind::PointerMove;
            message.screenPoint = Point{global.x(), global.y()};
            bool swallowed = false;
            ToFrame([&](SkinnedDialogFrame& frame) { swallowed = frame.PreFilter(message); });
            return swallowed;
        }
        default:
            return false;
    }
}

void DialogHostQt::OnChildNotify(int id, ChildEvent event) {
    ToFrame([id, event](SkinnedDialogFrame& frame) { frame.OnChildNotify(id, event); });
}

// ---------------------------------------------------------------- drawing

// The frame paints its canvas when Windows would erase the background; any
// other paint only copies the canvas. Each erase draws the buttons on the
// canvas again (their soft edges darken a little each time, as on Windows),
// so the paints Qt makes of its own accord (activation changes, say) must
// not count as erases.
void DialogHostQt::PaintClient(QWidget& client) {
    if (eraseDue_ && !presenting_ && frame_ != nullptr && canvas_ && !canvas_->inPass()) {
        eraseDue_ = false;
        erasing_ = true;
        ToFrame([](SkinnedDialogFrame& frame) { frame.OnEraseBackground(); });
        erasing_ = false;
    }
    QPainter painter(&client);
    if (canvas_ && !canvas_->shown().isNull()) {
        painter.drawImage(0, 0, canvas_->shown());
    } else {
        painter.fillRect(client.rect(), Qt::black);
    }
}

void DialogHostQt::CreateDialogFont(const DialogFont& font) {
    font_ = FontForWindowsFace(font.face, font.height, QFont::Normal);
}

bool DialogHostQt::LoadBackground(std::wstring_view name) {
    if (!canvas_) {
        return false;
    }
    canvas_->SetBackground(LoadBackgroundImage(SkinImagePath(skinDir_, name)));
    return canvas_->hasBackground();
}

void DialogHostQt::BeginDrawingPass() {
    Present();
    if (canvas_) {
        canvas_->Begin();
    }
}

bool DialogHostQt::DrawImage(std::wstring_view name, Point at) {
    if (!canvas_ || !canvas_->inPass()) {
        return false;
    }
    return DrawSkinImage(*canvas_->painter(), SkinImagePath(skinDir_, name), at, messages_);
}

void DialogHostQt::DrawText(std::wstring_view text, Rect rect, TextFormat format) {
    if (!canvas_ || !canvas_->inPass()) {
        return;
    }
    DrawSkinText(*canvas_->painter(), text, rect, format, font_, SkinTextColour());
}

void DialogHostQt::Present() {
    if (!canvas_ || !canvas_->inPass()) {
        return;
    }
    canvas_->End();
    if (!erasing_ && client_ != nullptr) {
        presenting_ = true;
        client_->repaint();
        presenting_ = false;
    }
}

// -------------------------------------------------------------------- list

void DialogHostQt::CreateList(int id, Rect rect, std::span<const std::wstring> items,
                              bool scrollBar) {
    if (client_ != nullptr) {
        lists_.Create(client_, id, rect, items, font_, scrollBar);
    }
}

void DialogHostQt::DestroyList(int id) {
    if (lists_.Exists(id)) {
        eraseDue_ = true;
        lists_.Destroy(id);
    }
}

bool DialogHostQt::ListExists(int id) const {
    return lists_.Exists(id);
}

std::optional<int> DialogHostQt::ListSelection(int id) const {
    return lists_.Selection(id);
}

void DialogHostQt::SetListSelection(int id, int index) {
    lists_.SetSelection(id, index);
}

std::wstring DialogHostQt::ListText(int id, int index) const {
    return lists_.Text(id, index);
}

// Only a point on an item names one: below the last item nothing is chosen.
std::optional<int> DialogHostQt::ListItemAt(int id, Point screenPoint) const {
    const std::optional<ListBoxHit> hit = lists_.ItemAt(id, screenPoint);
    return hit && hit->onItem ? std::optional<int>(hit->index) : std::nullopt;
}

std::optional<int> DialogHostQt::ListUnderScreenPoint(Point screenPoint) const {
    return lists_.IdUnder(screenPoint);
}

// -------------------------------------------------------------- number boxes

void DialogHostQt::CreateNumberBox(int id, Rect rect, std::wstring_view text) {
    if (client_ != nullptr) {
        boxes_.Create(client_, id, rect, text, font_);
    }
}

void DialogHostQt::DestroyNumberBox(int id) {
    if (boxes_.Exists(id)) {
        eraseDue_ = true;
        boxes_.Destroy(id);
    }
}

bool DialogHostQt::NumberBoxExists(int id) const {
    return boxes_.Exists(id);
}

std::wstring DialogHostQt::NumberBoxText(int id) const {
    return boxes_.Text(id);
}

void DialogHostQt::SetNumberBoxText(int id, std::wstring_view text) {
    boxes_.SetText(id, text);
}

void DialogHostQt::RepaintNumberBox(int id) {
    boxes_.Repaint(id);
}

// ----------------------------------------------------- pointer and keyboard

// The hover comes when the pointer has rested: every move restarts the wait.
void DialogHostQt::RequestHover(int milliseconds) {
    hoverTimer_.start(milliseconds);
}

KeyboardHookResult DialogHostQt::InstallKeyboardHook() {
    hookInstalled_ = true;
    return {true, 0};
}

}  // namespace corvane
