#include "flow/jeu.h"

#include "engine/conversions.h"
#include "engine/programmes.h"
#include "windows/toolkit.h"

namespace virdo {

void Jeu::clicIdentite()
{
    VirdoWindow &fenetre = *m_principale;
    Partie &partie = m_partie;
    fenetre.control(VirdoControl::Identite)->hide();
    // The name is kept exactly as typed, blanks included.
    partie.prenom = text(fenetre.control(VirdoControl::ndj));
    if (partie.prenom.isEmpty())
        partie.prenom = QStringLiteral("Joueur  Anonyme");

    QWidget *accueil = fenetre.control(VirdoControl::Accueil);
    accueil->show();
    setText(accueil, QStringLiteral("Bonjour ") + partie.prenom
            + QStringLiteral(", ce programme va te permettre de tester tes capacités logiques mathématiques et de "
                             "t'exercer contre l'ordinateur que tu pourras vaincre à condition d'avoir compris la "
                             "logique du jeu et d'être bon(ne) en calcul mental... Il est bien sûr possible de "
                             "s'aider en utilisant une feuille de papier et un stylo..."));
    QWidget *tirage = fenetre.control(VirdoControl::Tirage);
    setText(tirage, partie.prenom
            + QStringLiteral(", tu as le choix entre 8 programmes de stratégie mathématique qui vont te permettre "
                             "de tester tes capacités de réflexion et de calcul mental .... Choisis un des huit "
                             "programmes proposés sur la droite en cochant la case désirée ..."));
    tirage->show();
    fenetre.control(VirdoControl::Liste)->show();
    for (int k = 1; k <= 8; ++k)
        fenetre.control(caseProgramme(k))->show();
    annoncer({VirdoControl::Accueil, VirdoControl::Tirage});
}

void Jeu::clicProgramme(int k)
{
    VirdoWindow &fenetre = *m_principale;
    Partie &partie = m_partie;
    choisirProgramme(partie, k);
    setText(fenetre.control(VirdoControl::BUT), formatSigne(partie.objectif));
    setText(fenetre.control(VirdoControl::Accueil), phraseRegle(k));
    setText(fenetre.control(VirdoControl::Tirage), partie.prenom
            + QStringLiteral(", tu as le choix de commencer ou de laisser commencer l'ordinateur, mais attention, "
                             "ce choix est important !"));
    fenetre.control(VirdoControl::Joueur)->show();
    fenetre.control(VirdoControl::Ordinateur)->show();

    // Only the chosen box stays; the others are clear already, so clearing them is no click.
    for (int autre = 1; autre <= 8; ++autre) {
        if (autre != k)
            uncheck(fenetre.checkBox(caseProgramme(autre)));
    }
    for (int autre = 1; autre <= 8; ++autre) {
        if (autre != k)
            fenetre.control(caseProgramme(autre))->hide();
    }
    annoncer({VirdoControl::Accueil, VirdoControl::BUT, VirdoControl::Tirage});
}

} // namespace virdo
