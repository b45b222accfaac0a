// The time of one click on Envoi, on the player's turn and on the computer's, in a game
// driven through the real widgets of virdo::Jeu (offscreen). Two times per click:
//     traitement   the click itself: the handler, up to the return of the mouse event
//     affichage    the same, plus the repaint of the window that the click asked for
// Medians over many turns, after a few turns of warm-up. The game is kept going by
// bringing the total back to 0 before each of the computer's turns.
//
//     bench_clics [TOURS] [N]  prints "clic-joueur <traitement ms> <affichage ms>" and
//                              "clic-ordinateur <traitement ms> <affichage ms>"; with N,
//                              the name pasted is N characters of mixed scripts

#include "measure.h"

#include "windows/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    virdo::installFontSubstitutions();
    const int tours = argc > 1 ? std::atoi(argv[1]) : 500;
    const int longueurNom = argc > 2 ? std::atoi(argv[2]) : 0;
    const int echauffement = 20;

    bench::ShippedGame shipped;
    virdo::Jeu &jeu = shipped.jeu;
    jeu.demarrer();
    virdo::VirdoWindow &f = *jeu.principale();
    // The name pasted, as the bench's long names cannot be typed key by key.
    bench::require(driver::paste(f.textBox(virdo::VirdoControl::ndj),
                                longueurNom > 0 ? bench::mixedName(longueurNom) : QStringLiteral("Camille")));
    bench::require(driver::startGame(jeu, std::nullopt, 8, virdo::VirdoControl::Joueur));
    QCoreApplication::processEvents();

    std::vector<double> joueurClic, joueurImage, ordiClic, ordiImage;
    for (int i = 0; i < echauffement + tours; ++i) {
        // The player's turn: a number typed in nbj, then Envoi.
        driver::setShownText(f.control(virdo::VirdoControl::nbj), QString::number(1 + i % 9));
        QCoreApplication::processEvents();
        long long t0 = bench::nowNs();
        bench::require(driver::click(f, virdo::VirdoControl::Envoi));
        long long t1 = bench::nowNs();
        QCoreApplication::sendPostedEvents();
        long long t2 = bench::nowNs();
        if (jeu.partie().tour != virdo::Tour::Ordinateur)
            bench::fail("le tour du joueur n'est pas passé");
        if (i >= echauffement) {
            joueurClic.push_back((t1 - t0) / 1e6);
            joueurImage.push_back((t2 - t0) / 1e6);
        }

        // The computer's turn. The game never ends: near the target, the program ticked
        // again starts the total afresh, whoever's turn it is.
        if (jeu.partie().objectif - jeu.partie().total < 3 * (jeu.partie().nbmaxi + 1)) {
            bench::require(driver::click(f, virdo::caseProgramme(8)));
            if (jeu.partie().total != 0)
                bench::fail("le programme choisi de nouveau n'a pas remis le total à 0");
        }
        QCoreApplication::processEvents();
        t0 = bench::nowNs();
        bench::require(driver::click(f, virdo::VirdoControl::Envoi));
        t1 = bench::nowNs();
        QCoreApplication::sendPostedEvents();
        t2 = bench::nowNs();
        if (jeu.partie().tour != virdo::Tour::Joueur)
            bench::fail("le tour de l'ordinateur n'est pas passé");
        if (i >= echauffement) {
            ordiClic.push_back((t1 - t0) / 1e6);
            ordiImage.push_back((t2 - t0) / 1e6);
        }
    }
    std::printf("clic-joueur %.4f %.4f\n", bench::median(joueurClic), bench::median(joueurImage));
    std::printf("clic-ordinateur %.4f %.4f\n", bench::median(ordiClic), bench::median(ordiImage));
    return 0;
}
