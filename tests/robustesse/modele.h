#pragma once

#include "hasardgraine.h"

#include "windows/gametables.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A reference model of the whole game, written from its rules and the design's tables alone:
// what every window, control, text, number and sound should be after each click. It shares
// no code with the click handlers; the randomized test plays the same clicks on both and compares.
namespace modele {

// The 25 controls of the main window and the 5 of the replay window, by name.
extern const QStringList controlesPrincipale;
extern const QStringList controlesRejouer;

// A message box the game must open, in order.
struct Message
{
    QString titre;
    QString texte;
    bool operator==(const Message &) const = default;
};

struct Principale
{
    // The game record, field by field.
    int nbmini = 0;
    int nbmaxi = 0;
    int objectif = 0;
    int cle = 0;
    int nombrejoue = 0;
    int total = 0;
    QString tour;
    QString prenom;

    QSet<QString> montres;        // controls shown
    QHash<QString, QString> textes; // text or caption of every control that has one
    std::array<bool, 9> cochee{}; // Check1 ... Check8 ticked (index 0 unused)
    // Geometry of the two message boxes, in twips: the design's until the first turn widens them.
    int njGauche = virdo::rowOf(virdo::VirdoControl::nj).left;
    int njLargeur = virdo::rowOf(virdo::VirdoControl::nj).width;
    int noGauche = virdo::rowOf(virdo::VirdoControl::nombreordinateur).left;
    int noLargeur = virdo::rowOf(virdo::VirdoControl::nombreordinateur).width;
    // The last handler gave nbj the focus, and no click has taken it since.
    bool focusNbj = false;
};

// The most characters the name boxes (ndj, and nj of the replay window) keep of a text.
constexpr int longueurPrenom = 100;

// What the turn cycle makes of a text typed in nbj, worked out independently.
struct Jugement
{
    enum Sorte { Vide, Triche, Acceptee } sorte;
    int nombre;
};
// plafond: the largest number allowed, nbmaxi or less near the target.
Jugement juger(const QString &saisie, int plafond);

// The program k as the rules give it.
struct Programme
{
    int nbmaxi;
    int objectif;
    int cle;
    QString regle;
};
const Programme &programme(int k);

// " 100", " 0", "-5".
QString signe(int n);

class Jeu
{
public:
    // enfantsLisible, chiffresLisible: whether the toolkit can read each picture file here.
    Jeu(std::uint64_t graineHasard, bool enfantsLisible, bool chiffresLisible);

    void demarrer();

    // The player's actions.
    void saisirPrincipale(const QString &controle, const QString &texte);
    void saisirRejouer(const QString &texte);
    void clicIdentite();
    void clicCase(int k);
    void clicJoueur();
    void clicOrdinateur();
    void clicEnvoi();
    void clicFin();
    void clicOui();
    void clicNon();
    void fermerPrincipale();
    void fermerRejouer();
    void fermerEureka();

    // What the game should show now.
    std::optional<Principale> principale;
    bool rejouerCharge = false;
    bool rejouerMontre = false;
    QString rejouerNj;
    QString nomjoueur;
    bool eurekaCharge = false;
    bool eurekaMontre = false;
    QString cri;
    QString photo; // the picture file last set into Photo, empty if none
    QString son;   // the sound playing, empty when silent
    QStringList appelsSon;
    QList<Message> messages;
    bool termine = false;
    HasardGraine hasard;

private:
    void passerLaMain();
    void annonceVictoire();
    void chargerEureka();
    void chargerRejouer();
    void verifierFin();
    int coupOrdinateur();
    static void ajouter(Principale &p, int n);

    bool m_enfantsLisible;
    bool m_chiffresLisible;
};

} // namespace modele
