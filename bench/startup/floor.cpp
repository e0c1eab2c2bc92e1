// The floor for start-up time and memory: the least a Qt Widgets program does to show a main
// window with a menu bar and one text label. Nothing is added, so that whatever ours costs above
// this is ours.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLabel(QStringLiteral("Floor")));
    window.show();
    return QApplication::exec();
}
