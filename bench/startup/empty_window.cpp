// The baselines for start-up and memory: an empty Qt Widgets window of the
// calculator's size and, for comparison, the same window with one line of
// text, so that the fixed cost of loading fonts can be told apart.
//     empty_window            nothing drawn but the background
//     empty_window latin      one label in the default face
//     empty_window chinese    one label in the Ming face the calculator uses
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("baseline");
    window.setFixedSize(344, 361);
    if (argc > 1 && std::strcmp(argv[1], "latin") == 0) {
        auto* label = new QLabel(QStringLiteral("Zorvane 12.5"), &window);
        label->adjustSize();
    } else if (argc > 1 && std::strcmp(argv[1], "chinese") == 0) {
        auto* label = new QLabel(QString::fromUtf8("输入相对顶点价格："), &window);
        label->setFont(QFont(QStringLiteral("AR PL UMing CN"), 15));
        label->adjustSize();
    }
    window.show();
    return QApplication::exec();
}
