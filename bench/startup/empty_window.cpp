// The baseline for start-up and memory: an empty Qt Widgets window of the
// calculator's size, started the same way.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("baseline");
    window.setFixedSize(344, 329);
    window.show();
    return QApplication::exec();
}
