#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Kestrovanhalme"));
    window.setWindowTitle(QStringLiteral("Hand Parameters"));
    window.resize(495, 323);
    window.show();
    return app.exec();
}
