#include "flow/accueil.h"

#include "engine/conversions.h"
#include "engine/programmes.h"
#include "flow/annonces.h"
#include "windows/announcer.h"
#include "windows/multilinebox.h"
#include "windows/toolkit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace virdo {

void accueillir(VirdoWindow &fenetre, Partie &partie, Announcer &annonces)
{
    // The name is kept exactly as typed, blanks included.
    partie.prenom = fenetre.textBox(VirdoControl::ndj)->text();
    if (partie.prenom.isEmpty())
        partie.prenom = QStringLiteral("Joueur  Anonyme");

    MultiLineBox *accueil = fenetre.multiLineBox(VirdoControl::Accueil);
    accueil->show();
    accueil->setText(QStringLiteral("Bonjour ") + partie.prenom
            + QStringLiteral(", ce programme va te permettre de tester tes capacités logiques mathématiques et de "
                             "t'exercer contre l'ordinateur que tu pourras vaincre à condition d'avoir compris la "
                             "logique du jeu et d'être bon(ne) en calcul mental... Il est bien sûr possible de "
                             "s'aider en utilisant une feuille de papier et un stylo..."));
    MultiLineBox *tirage = fenetre.multiLineBox(VirdoControl::Tirage);
    tirage->setText(partie.prenom
            + QStringLiteral(", tu as le choix entre 8 programmes de stratégie mathématique qui vont te permettre "
                             "de tester tes capacités de réflexion et de calcul mental .... Choisis un des huit "
                             "programmes proposés sur la droite en cochant la case désirée ..."));
    tirage->show();
    fenetre.label(VirdoControl::Liste)->show();
    for (int k = 1; k <= nombreDeProgrammes; ++k)
        fenetre.checkBox(caseProgramme(k))->show();
    // The next thing to do is to tick a program. Identite goes once the focus has left it,
    // which would otherwise pass on to Accueil.
    giveFocus(fenetre.checkBox(caseProgramme(1)));
    fenetre.button(VirdoControl::Identite)->hide();
    annonces.announce(&fenetre, {accueil->text(), tirage->text()});
}

void presenterProgramme(VirdoWindow &fenetre, Partie &partie, int k, Announcer &annonces)
{
    choisirProgramme(partie, k);
    setText(fenetre.textBox(VirdoControl::BUT), formatSigne(partie.objectif));
    MultiLineBox *accueil = fenetre.multiLineBox(VirdoControl::Accueil);
    accueil->setText(phraseRegle(k));
    MultiLineBox *tirage = fenetre.multiLineBox(VirdoControl::Tirage);
    tirage->setText(partie.prenom
            + QStringLiteral(", tu as le choix de commencer ou de laisser commencer l'ordinateur, mais attention, "
                             "ce choix est important !"));
    fenetre.button(VirdoControl::Joueur)->show();
    fenetre.button(VirdoControl::Ordinateur)->show();
    // Next comes the choice of who starts, the child first.
    giveFocus(fenetre.button(VirdoControl::Joueur));

    // Only the chosen box stays; the others are clear already, so clearing them is no click.
    for (int autre = 1; autre <= nombreDeProgrammes; ++autre) {
        if (autre != k)
            uncheck(fenetre.checkBox(caseProgramme(autre)));
    }
    for (int autre = 1; autre <= nombreDeProgrammes; ++autre) {
        if (autre != k)
            fenetre.checkBox(caseProgramme(autre))->hide();
    }
    annonces.announce(&fenetre, {accueil->text(), objectifLu(fenetre), tirage->text()});
}

} // namespace virdo
