// The bare Qt program the tray start-up benchmark holds corvane against: a
// QApplication and one tray icon (QSystemTrayIcon) of a plain 22 x 22
// image, shown at once, and no window.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QPixmap image(22, 22);
    image.fill(Qt::green);
    QSystemTrayIcon icon{QIcon(image)};
    icon.show();
    return QApplication::exec();
}
