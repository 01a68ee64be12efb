// The yardstick of the start-up benchmark: a Qt 6 Widgets program that shows
// one empty window of the editor's size, titled "tq62 bare window", and runs
// its loop until it is ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("tq62 bare window"));
    window.resize(1118, 720);
    window.show();
    return app.exec();
}
