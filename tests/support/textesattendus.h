#pragma once

// The game's texts that several tests check, written out once, byte for byte: the greeting,
// the captions and prompts of a turn, and who won.

#include <QString>

namespace driver {

inline const QString suiteAccueil = QStringLiteral(
        ", ce programme va te permettre de tester tes capacités logiques mathématiques et de t'exercer contre "
        "l'ordinateur que tu pourras vaincre à condition d'avoir compris la logique du jeu et d'être bon(ne) en "
        "calcul mental... Il est bien sûr possible de s'aider en utilisant une feuille de papier et un stylo...");
inline const QString suiteTirageOffre = QStringLiteral(
        ", tu as le choix entre 8 programmes de stratégie mathématique qui vont te permettre de tester tes "
        "capacités de réflexion et de calcul mental .... Choisis un des huit programmes proposés sur la droite "
        "en cochant la case désirée ...");
inline const QString suiteTirageChoix = QStringLiteral(
        ", tu as le choix de commencer ou de laisser commencer l'ordinateur, mais attention, ce choix est important !");

inline const QString legendeValider = QStringLiteral("Clique pour valider ton nombre");
inline const QString legendeFaireJouer = QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur");
inline const QString legendeDepart = QStringLiteral("Clique ici pour continuer");
inline const QString invitationOrdinateur =
        QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >");

struct TextesVictoire
{
    QString nj;
    QString nombreordinateur;
    QString cri;
};

// What the main window and the victory window say once the game is won.
inline TextesVictoire textesVictoire(bool joueurGagne, const QString &prenom)
{
    if (joueurGagne)
        return {QStringLiteral("Moi, ") + prenom + QStringLiteral(", j'ai vaincu l'ordinateur ! "),
                QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par ") + prenom + QStringLiteral(" !"),
                QStringLiteral("Moi, ") + prenom + QStringLiteral(",\r\nj'ai vaincu l'ordinateur ! ")};
    return {QStringLiteral("Désolé, ") + prenom + QStringLiteral(", tu as perdu !!!"),
            QStringLiteral("et moi l'ordinateur, j'ai gagné !"),
            QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\n") + prenom};
}

} // namespace driver
