// An empty main window and nothing else: what any Qt Widgets program pays to start.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    // An optional WIDTHxHEIGHT, so that the window (and with it the backing store)
    // can be as large as the one it is compared with.
    int width = 0;
    int height = 0;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) == 2 && width > 0 && height > 0)
        window.resize(width, height);
    window.show();
    return QApplication::exec();
}
