#include "modele.h"

#include "programmesattendus.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

using namespace Qt::StringLiterals;

namespace modele {

const QStringList controlesPrincipale = {
    u"FIN"_s, u"Envoi"_s, u"BUT"_s, u"Nombre"_s, u"nbj"_s, u"nombreordinateur"_s, u"nj"_s,
    u"Ordinateur"_s, u"Joueur"_s, u"Tirage"_s, u"Check8"_s, u"Check7"_s, u"Check6"_s,
    u"Check5"_s, u"Check4"_s, u"Check3"_s, u"Check2"_s, u"Check1"_s, u"Accueil"_s,
    u"Identite"_s, u"ndj"_s, u"Label3"_s, u"Affichage"_s, u"Liste"_s, u"Bonjour"_s,
};

const QStringList controlesRejouer = {u"nj"_s, u"NON"_s, u"OUI"_s, u"Label2"_s, u"Label1"_s};

namespace {

QString nomCase(int k)
{
    return QStringLiteral("Check") + QString::number(k);
}

// The programs as the player meets them.
const std::array<Programme, 8> programmes = [] {
    std::array<Programme, 8> rangees;
    for (int k = 1; k <= 8; ++k) {
        const driver::ProgrammeAttendu &p = driver::programmeAttendu(k);
        rangees[std::size_t(k - 1)] = {p.nbmaxi, p.objectif, p.cle, p.phrase()};
    }
    return rangees;
}();

// strtod in the C locale, whatever the machine's: the decimal point is always ".".
double lireNombre(const QByteArray &texte)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(texte.constData(), nullptr, c);
}

// Nearest integer, halves to the even neighbour, worked out by hand.
double arrondiPair(double v)
{
    double entier = std::floor(v);
    const double reste = v - entier;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(entier, 2.0) != 0.0))
        entier += 1.0;
    return entier;
}

// A message box widened for the turns: its left edge moves to that of Tirage and its
// right edge stays where the design put it, whatever the box had before.
void elargir(int &gauche, int &largeur, virdo::VirdoControl boite)
{
    const virdo::ControlRow &dessin = virdo::rowOf(boite);
    gauche = virdo::rowOf(virdo::VirdoControl::Tirage).left;
    largeur = dessin.left + dessin.width - gauche;
}

} // namespace

QString signe(int n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

const Programme &programme(int k)
{
    return programmes.at(std::size_t(k - 1));
}

Jugement juger(const QString &saisie, int plafond)
{
    if (saisie.isEmpty())
        return {Jugement::Vide, 0};
    // A number is: blanks, an optional sign, digits with an optional "." part, and an
    // exponent only when digits follow the "e". Anything else after it is ignored.
    static const QRegularExpression nombre(QStringLiteral(
            "^[ \\t\\r\\n]*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch m = nombre.match(saisie);
    const double valeur = m.hasMatch() ? lireNombre(m.captured(1).toLatin1()) : 0.0;
    if (!std::isfinite(valeur))
        return {Jugement::Triche, 0};
    const double arrondi = arrondiPair(valeur);
    if (arrondi < -32768.0 || arrondi > 32767.0)
        return {Jugement::Triche, 0};
    const int n = int(arrondi);
    if (n < 1 || n > plafond)
        return {Jugement::Triche, n};
    return {Jugement::Acceptee, n};
}

Jeu::Jeu(std::uint64_t graineHasard, bool enfantsLisible, bool chiffresLisible)
    : hasard(graineHasard)
    , m_enfantsLisible(enfantsLisible)
    , m_chiffresLisible(chiffresLisible)
{
}

void Jeu::demarrer()
{
    Principale p;
    p.montres = {u"Bonjour"_s, u"ndj"_s, u"Identite"_s, u"Affichage"_s, u"Nombre"_s, u"Label3"_s, u"BUT"_s};
    p.textes = {
        {u"FIN"_s, u"Suite ou FIN"_s},
        {u"Envoi"_s, u"Clique ici pour continuer"_s},
        {u"BUT"_s, QString()},
        {u"Nombre"_s, u"0"_s},
        {u"nbj"_s, QString()},
        {u"nombreordinateur"_s, QString()},
        {u"nj"_s, QString()},
        {u"Ordinateur"_s, u"C'est moi l'ordinateur"_s},
        {u"Joueur"_s, u"C'est toi qui commences"_s},
        {u"Tirage"_s, QString()},
        {u"Accueil"_s, QString()},
        {u"Identite"_s, u"<<<"_s},
        {u"ndj"_s, QString()},
        {u"Label3"_s, u"Objectif Final >"_s},
        {u"Affichage"_s, u"Total provisoire >"_s},
        {u"Liste"_s, u"1 2 3 4 5 6 7 8"_s},
        {u"Bonjour"_s, u"Bonjour, comment t'appelles-tu ?"_s},
    };
    for (int k = 1; k <= 8; ++k)
        p.textes.insert(nomCase(k), QString());
    principale = p;
}

void Jeu::saisirPrincipale(const QString &controle, const QString &texte)
{
    principale->textes[controle] = controle == u"ndj" ? texte.left(longueurPrenom) : texte;
}

void Jeu::saisirRejouer(const QString &texte)
{
    rejouerNj = texte.left(longueurPrenom);
}

void Jeu::clicIdentite()
{
    Principale &p = *principale;
    p.focusNbj = false;
    p.montres.remove(u"Identite"_s);
    p.prenom = p.textes.value(u"ndj"_s);
    if (p.prenom.isEmpty())
        p.prenom = QStringLiteral("Joueur  Anonyme");
    p.montres.insert(u"Accueil"_s);
    p.textes[u"Accueil"_s] = QStringLiteral("Bonjour ") + p.prenom
            + QStringLiteral(", ce programme va te permettre de tester tes capacités logiques mathématiques et de t'exercer contre l'ordinateur que tu pourras vaincre à condition d'avoir compris la logique du jeu et d'être bon(ne) en calcul mental... Il est bien sûr possible de s'aider en utilisant une feuille de papier et un stylo...");
    p.textes[u"Tirage"_s] = p.prenom
            + QStringLiteral(", tu as le choix entre 8 programmes de stratégie mathématique qui vont te permettre de tester tes capacités de réflexion et de calcul mental .... Choisis un des huit programmes proposés sur la droite en cochant la case désirée ...");
    p.montres.insert(u"Tirage"_s);
    p.montres.insert(u"Liste"_s);
    for (int k = 1; k <= 8; ++k)
        p.montres.insert(nomCase(k));
}

void Jeu::clicCase(int k)
{
    Principale &p = *principale;
    p.focusNbj = false;
    // The click itself toggles the box before the game hears of it.
    p.cochee[std::size_t(k)] = !p.cochee[std::size_t(k)];
    const Programme &prog = programme(k);
    p.nbmini = 1;
    p.nbmaxi = prog.nbmaxi;
    p.objectif = prog.objectif;
    p.cle = prog.cle;
    p.total = 0;
    p.textes[u"BUT"_s] = signe(p.objectif);
    p.textes[u"Accueil"_s] = prog.regle;
    p.textes[u"Tirage"_s] = p.prenom
            + QStringLiteral(", tu as le choix de commencer ou de laisser commencer l'ordinateur, mais attention, ce choix est important !");
    p.montres.insert(u"Joueur"_s);
    p.montres.insert(u"Ordinateur"_s);
    for (int autre = 1; autre <= 8; ++autre) {
        if (autre == k)
            continue;
        p.cochee[std::size_t(autre)] = false;
        p.montres.remove(nomCase(autre));
    }
}

void Jeu::clicJoueur()
{
    Principale &p = *principale;
    p.montres.remove(u"Ordinateur"_s);
    p.montres.remove(u"Joueur"_s);
    p.tour = QStringLiteral("J");
    elargir(p.njGauche, p.njLargeur, virdo::VirdoControl::nj);
    elargir(p.noGauche, p.noLargeur, virdo::VirdoControl::nombreordinateur);
    p.montres.insert(u"nombreordinateur"_s);
    p.textes[u"nombreordinateur"_s] = QStringLiteral("J'attends patiemment mon tour pour jouer ...");
    p.textes[u"nj"_s] = p.prenom + QStringLiteral(", propose un nombre >");
    p.montres.insert(u"nj"_s);
    p.montres.insert(u"nbj"_s);
    p.focusNbj = true;
    p.montres.insert(u"Envoi"_s);
}

void Jeu::clicOrdinateur()
{
    Principale &p = *principale;
    p.focusNbj = false;
    p.montres.remove(u"Joueur"_s);
    p.montres.remove(u"Ordinateur"_s);
    p.tour = QStringLiteral("O");
    elargir(p.njGauche, p.njLargeur, virdo::VirdoControl::nj);
    p.montres.insert(u"nj"_s);
    p.textes[u"nj"_s] = p.prenom + QStringLiteral(", attends ton tour pour jouer ...");
    elargir(p.noGauche, p.noLargeur, virdo::VirdoControl::nombreordinateur);
    p.montres.insert(u"nombreordinateur"_s);
    p.textes[u"nombreordinateur"_s] = QStringLiteral("Clique sur le bouton de droite pour que je joue >>>");
    p.montres.insert(u"Envoi"_s);
    p.textes[u"Envoi"_s] = QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur");
}

void Jeu::ajouter(Principale &p, int n)
{
    // The total stops at the ends of the 16-bit range instead of wrapping.
    p.total = std::clamp(p.total + n, -32768, 32767);
}

int Jeu::coupOrdinateur()
{
    const Principale &p = *principale;
    const int pas = p.nbmaxi + 1;
    if (p.total >= 0 && p.total < p.objectif) {
        // Distance up to the next key total; 0 when the total stands on one.
        const int ecart = ((p.cle - p.total) % pas + pas) % pas;
        if (ecart != 0)
            return ecart;
    }
    const double r = hasard.fraction();
    return int(std::floor(r * double(p.nbmaxi))) + 1;
}

void Jeu::clicEnvoi()
{
    Principale &p = *principale;
    p.focusNbj = false;
    if (p.tour == u"O") {
        p.montres.remove(u"Joueur"_s);
        p.montres.remove(u"nbj"_s);
        p.montres.remove(u"Envoi"_s);
        p.montres.remove(u"Ordinateur"_s);
        p.montres.insert(u"nombreordinateur"_s);
        p.nombrejoue = coupOrdinateur();
        ajouter(p, p.nombrejoue);
        p.textes[u"nombreordinateur"_s] = QStringLiteral("Moi, l'ordinateur, j'ai joué:") + signe(p.nombrejoue);
        p.textes[u"Nombre"_s] = signe(p.total);
        if (p.total == p.objectif) {
            annonceVictoire();
            return;
        }
        p.textes[u"nbj"_s] = QString();
        passerLaMain();
        return;
    }

    p.montres.remove(u"Joueur"_s);
    p.montres.remove(u"Ordinateur"_s);
    // No move may pass the target: what is left to it bounds the move as much as nbmaxi.
    const Jugement j = juger(p.textes.value(u"nbj"_s), std::min(p.nbmaxi, p.objectif - p.total));
    p.nombrejoue = j.nombre;
    p.montres.remove(u"nbj"_s);
    switch (j.sorte) {
    case Jugement::Vide:
        messages.append({u"Erreur"_s, u"Tu n'as tapé aucun nombre ! Respecte les consignes ..."_s});
        p.tour = QStringLiteral("R");
        break;
    case Jugement::Triche:
        messages.append({u"Erreur"_s, u"Erreur, tu triches ! Respecte les consignes ..."_s});
        p.textes[u"nbj"_s] = QString();
        p.tour = QStringLiteral("R");
        break;
    case Jugement::Acceptee:
        ajouter(p, p.nombrejoue);
        p.textes[u"Nombre"_s] = signe(p.total);
        if (p.total == p.objectif) {
            annonceVictoire();
            return;
        }
        break;
    }
    passerLaMain();
}

void Jeu::passerLaMain()
{
    Principale &p = *principale;
    if (p.tour == u"O" || p.tour == u"R") {
        p.montres.remove(u"Joueur"_s);
        p.montres.remove(u"Ordinateur"_s);
        p.textes[u"nj"_s] = p.prenom + QStringLiteral(", à toi de proposer un nombre >");
        p.montres.insert(u"nj"_s);
        p.montres.insert(u"nbj"_s);
        p.focusNbj = true;
        p.montres.insert(u"Envoi"_s);
        p.textes[u"Envoi"_s] = QStringLiteral("Clique pour valider ton nombre");
        p.tour = QStringLiteral("J");
    } else {
        p.montres.remove(u"Ordinateur"_s);
        p.montres.insert(u"nombreordinateur"_s);
        p.textes[u"nombreordinateur"_s] = QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >");
        p.montres.insert(u"Envoi"_s);
        p.textes[u"Envoi"_s] = QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur");
        p.tour = QStringLiteral("O");
        p.montres.remove(u"nbj"_s);
        p.textes[u"nj"_s] = p.prenom + QStringLiteral(" , c'est à l'ordinateur de jouer ...");
    }
}

void Jeu::chargerEureka()
{
    if (eurekaCharge)
        return;
    eurekaCharge = true;
    eurekaMontre = false;
    cri.clear();
    photo.clear();
}

void Jeu::chargerRejouer()
{
    if (rejouerCharge)
        return;
    rejouerCharge = true;
    rejouerMontre = false;
    rejouerNj.clear();
    nomjoueur.clear();
}

void Jeu::annonceVictoire()
{
    Principale &p = *principale;
    const bool joueur = p.tour == u"J";
    if (joueur) {
        p.textes[u"nj"_s] = QStringLiteral("Moi, ") + p.prenom + QStringLiteral(", j'ai vaincu l'ordinateur ! ");
        p.textes[u"nombreordinateur"_s] = QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par ") + p.prenom + QStringLiteral(" !");
    } else {
        p.textes[u"nj"_s] = QStringLiteral("Désolé, ") + p.prenom + QStringLiteral(", tu as perdu !!!");
        p.textes[u"nombreordinateur"_s] = QStringLiteral("et moi l'ordinateur, j'ai gagné !");
    }
    p.montres.remove(u"Envoi"_s);
    p.montres.insert(u"FIN"_s);
    chargerEureka();
    // An unreadable picture leaves Photo as it was; the announcement goes on.
    if (joueur ? m_enfantsLisible : m_chiffresLisible)
        photo = joueur ? QStringLiteral("Enfants.bmp") : QStringLiteral("chiffres.bmp");
    eurekaMontre = true;
    son = joueur ? QStringLiteral("victoire.wav") : QStringLiteral("Son2.wav");
    appelsSon << QStringLiteral("play:") + son;
    cri = joueur ? QStringLiteral("Moi, ") + p.prenom + QStringLiteral(",\r\nj'ai vaincu l'ordinateur ! ")
                 : QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\n") + p.prenom;
}

void Jeu::clicFin()
{
    chargerEureka();
    eurekaMontre = false;
    chargerRejouer();
    rejouerMontre = true;
    rejouerNj = principale->prenom;
    son.clear();
    appelsSon << QStringLiteral("stop");
    principale.reset();
    verifierFin();
}

void Jeu::clicOui()
{
    nomjoueur = rejouerNj;
    demarrer();
    principale->textes[u"ndj"_s] = nomjoueur;
    rejouerMontre = false;
}

void Jeu::clicNon()
{
    rejouerCharge = rejouerMontre = false;
    eurekaCharge = eurekaMontre = false;
    verifierFin();
}

void Jeu::fermerPrincipale()
{
    // Closing the main window ends the program, silently.
    son.clear();
    appelsSon << QStringLiteral("stop");
    principale.reset();
    rejouerCharge = rejouerMontre = false;
    eurekaCharge = eurekaMontre = false;
    verifierFin();
}

void Jeu::fermerRejouer()
{
    // Same as NON.
    clicNon();
}

void Jeu::fermerEureka()
{
    // Hidden and silent; FIN still ends the game.
    eurekaMontre = false;
    son.clear();
    appelsSon << QStringLiteral("stop");
}

void Jeu::verifierFin()
{
    if (!principale && !rejouerCharge && !eurekaCharge)
        termine = true;
}

} // namespace modele
