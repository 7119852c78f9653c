// The least a Qt Widgets program does: one window with one label. The start-up benchmark
// measures the game against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Dunemark"));
    label.setWindowTitle(QStringLiteral("Minimal"));
    label.show();
    return QApplication::exec();
}
