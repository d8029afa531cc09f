// The bare Qt window program the start-up benchmark holds corvane against:
// a QApplication and one frameless 760 x 630 window that paints itself
// black, shown at once.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Window final : public QWidget {
  public:
    Window() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setFixedSize(760, 630); }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Window window;
    window.show();
    return QApplication::exec();
}
