// The yardstick of the start-up measures: a bare Qt Widgets window of the game's size
// (717 x 368, the main window's client area) with one label, shown and nothing else. The
// label makes it pay for fontconfig and one face, as any window with a text does.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setFixedSize(717, 368);
    QLabel texte(QStringLiteral("Bonjour !"), &fenetre);
    texte.move(20, 20);
    fenetre.show();
    return app.exec();
}
