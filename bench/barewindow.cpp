// The yardstick of the start-up measures: a bare Qt Widgets window of the game's size
// (717 x 368, the main window's client area), shown and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setFixedSize(717, 368);
    fenetre.show();
    return app.exec();
}
