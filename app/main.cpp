#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DIDadiDizaruvaVudiro"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("ZT Varivuvo Vuzuzi v1.65"));
    window.show();
    return QApplication::exec();
}
