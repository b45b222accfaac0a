// Random games: clicks on whatever is shown and entries good and bad, played at once on
// the real windows (offscreen) and on the reference model; after every action the two
// must agree on every window, control, text, number, message box and sound.
//
// VIRDO_SEED       first sequence's seed (sequence i uses VIRDO_SEED + i)
// VIRDO_SEQUENCES  how many sequences
// VIRDO_MAX_SECONDS  stop starting new sequences after that long (0: no limit)
// VIRDO_RESULT_FILE  where to append the result line, besides stdout

#include "answeringmessageboxes.h"
#include "hasardgraine.h"
#include "modele.h"
#include "recordingsoundplayer.h"

#include "flow/jeu.h"
#include "windows/picturebox.h"
#include "windows/twips.h"
#include "windows/window.h"
#include "driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>

#include <memory>
#include <random>

namespace {

constexpr std::uint64_t graineParDefaut = 20240611;
// Enough for a few seconds under ctest; scripts/long-random-run asks for far more.
constexpr int sequencesParDefaut = 120;
// Most sequences stop at the end of the program or after this many actions.
constexpr int actionsMax = 160;
// A marathon plays one game to its end while trying again and again to pass the target.
constexpr int actionsMarathon = 600;

enum class Sorte {
    SaisieNdj,
    SaisieNbj,
    SaisieAffichage, // text typed into a box the game only writes
    Identite,
    Case,
    Joueur,
    Ordinateur,
    Envoi,
    Fin,
    SaisieRejouer,
    Oui,
    Non,
    FermerPrincipale,
    FermerRejouer,
    FermerEureka,
};

struct Action
{
    Action(Sorte s, int numero = 0, QString nom = {}, QString saisie = {})
        : sorte(s), k(numero), controle(std::move(nom)), texte(std::move(saisie))
    {
    }
    Sorte sorte;
    int k;
    QString controle;
    QString texte;
    bool auClavier = false; // typed key by key rather than pasted
};

QString abrege(const QString &t)
{
    if (t.size() <= 40)
        return u'"' + t + u'"';
    return QStringLiteral("\"%1...\" (%2 characters)").arg(t.left(20)).arg(t.size());
}

QString decrire(const Action &a)
{
    const QString maniere = a.auClavier ? QStringLiteral(" (keys)") : QString();
    switch (a.sorte) {
    case Sorte::SaisieNdj: return QStringLiteral("type into ndj ") + abrege(a.texte) + maniere;
    case Sorte::SaisieNbj: return QStringLiteral("type into nbj ") + abrege(a.texte) + maniere;
    case Sorte::SaisieAffichage: return QStringLiteral("type into ") + a.controle + u' ' + abrege(a.texte);
    case Sorte::Identite: return QStringLiteral("click Identite");
    case Sorte::Case: return QStringLiteral("click Check%1").arg(a.k);
    case Sorte::Joueur: return QStringLiteral("click Joueur");
    case Sorte::Ordinateur: return QStringLiteral("click Ordinateur");
    case Sorte::Envoi: return QStringLiteral("click Envoi");
    case Sorte::Fin: return QStringLiteral("click FIN");
    case Sorte::SaisieRejouer: return QStringLiteral("type into Rejouer.nj ") + abrege(a.texte) + maniere;
    case Sorte::Oui: return QStringLiteral("click OUI");
    case Sorte::Non: return QStringLiteral("click NON");
    case Sorte::FermerPrincipale: return QStringLiteral("close the main window by its frame");
    case Sorte::FermerRejouer: return QStringLiteral("close Rejouer by its frame");
    case Sorte::FermerEureka: return QStringLiteral("close Eureka by its frame");
    }
    return {};
}

// Printable ASCII without tab: what QTest can type key by key into a line edit.
bool tapable(const QString &t)
{
    if (t.size() > 60)
        return false;
    for (QChar c : t) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

class Tirage
{
public:
    explicit Tirage(std::uint64_t graine)
        : m_alea(graine)
    {
    }
    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_alea); }
    bool chance(double p) { return reel(1) < p; }
    double reel(double b) { return std::uniform_real_distribution<double>(0, b)(m_alea); }
    template<typename T>
    const T &parmi(const QList<T> &l) { return l.at(entre(0, int(l.size()) - 1)); }

private:
    std::mt19937_64 m_alea;
};

QString nomAuHasard(Tirage &t)
{
    static const QStringList noms = {
        QString(), QStringLiteral(" "), QStringLiteral("Léa"), QStringLiteral("Joueur  Anonyme"),
        QStringLiteral("  Zoé  "), QStringLiteral("Ñandú"), QStringLiteral("😀 Émilie"),
        QStringLiteral("李小龙"), QStringLiteral("مريم"), QStringLiteral("Noe\u0308l"),
        QStringLiteral("👨‍👩‍👧"), QStringLiteral("Anne\u00a0Marie"), QStringLiteral("<b>gras</b> &amp;"),
        QStringLiteral("%s %n %1"), QStringLiteral("Robert'); --"), QStringLiteral("Tom"),
        QStringLiteral("Jean-Pierre"), QStringLiteral("O'Brien"), QStringLiteral("\u202eabc"),
        QStringLiteral("12"), QStringLiteral("Ordinateur"),
    };
    if (t.chance(0.02))
        return QString(10000, u'é');
    return t.parmi(noms);
}

// What is left to reach the next key total from this total, or 0 on a key total or past the target.
int versLaCle(const modele::Principale &p)
{
    if (p.total < 0 || p.total >= p.objectif)
        return 0;
    const int pas = p.nbmaxi + 1;
    return ((p.cle - p.total) % pas + pas) % pas;
}

QString entreeAuHasard(Tirage &t, const modele::Principale &p, bool marathon, bool strategiste)
{
    const int nbmaxi = std::max(p.nbmaxi, 1);
    if (marathon) {
        // Find the strategy; near the target, mostly try to pass it, and only now and then
        // play what is left.
        const int reste = p.objectif - p.total;
        if (reste <= nbmaxi)
            return QString::number(reste < nbmaxi && t.chance(0.9) ? t.entre(reste + 1, nbmaxi) : reste);
        const int cle = versLaCle(p);
        return QString::number(cle ? cle : nbmaxi);
    }
    static const QStringList mauvaises = {
        QString(), QStringLiteral(" "), QStringLiteral("   "), QStringLiteral("0"), QStringLiteral("-1"),
        QStringLiteral("-5"), QStringLiteral("-32768"), QStringLiteral("-32769"), QStringLiteral("2.5"),
        QStringLiteral("3.5"), QStringLiteral("0.5"), QStringLiteral("1.5"), QStringLiteral("10.6"),
        QStringLiteral("40000"), QStringLiteral("32767"), QStringLiteral("32768"), QStringLiteral("1e30"),
        QStringLiteral("1e3"), QStringLiteral("1E2"), QStringLiteral("99999999999"), QStringLiteral("abc"),
        QStringLiteral("5 pommes"), QStringLiteral("+5"), QStringLiteral(".5"), QStringLiteral("5."),
        QStringLiteral("éàç"), QStringLiteral("日本"), QStringLiteral("😀"), QStringLiteral("5😀"),
        QStringLiteral("١٢"), QStringLiteral("１２"), QStringLiteral("\t7"), QStringLiteral(" 7"),
        QStringLiteral("7 "), QStringLiteral("0x10"), QStringLiteral("1,5"), QStringLiteral("nan"),
        QStringLiteral("inf"), QStringLiteral("-0"), QStringLiteral("-0.4"), QStringLiteral("1e-400"),
        QStringLiteral("1e400"), QStringLiteral("1e99999999999999999999"), QStringLiteral("5e"),
        QStringLiteral("5e+"), QStringLiteral("e5"), QStringLiteral("-"), QStringLiteral("."),
        QStringLiteral("0000000000000000000000000007"), QStringLiteral("2.5000000000000000001"),
        QStringLiteral("Ordinateur"), QStringLiteral("\u00a05"),
    };
    if (strategiste && t.chance(0.85)) {
        const int cle = versLaCle(p);
        return QString::number(cle ? cle : t.entre(1, nbmaxi));
    }
    const int tirage = t.entre(0, 99);
    if (tirage < 40)
        return QString::number(t.entre(1, nbmaxi));
    if (tirage < 62) {
        // The strategy: onto the next key total, or onto the target itself.
        const int cle = versLaCle(p);
        return QString::number(cle ? cle : t.entre(1, nbmaxi));
    }
    if (tirage < 66) {
        // Past the target when it is within reach, otherwise the largest number.
        const int reste = p.objectif - p.total;
        return QString::number(reste >= 1 && reste < nbmaxi ? t.entre(reste + 1, nbmaxi) : nbmaxi);
    }
    if (tirage < 70)
        return QString::number(nbmaxi + t.entre(1, 3)); // just above the maximum
    if (tirage < 72) {
        switch (t.entre(0, 3)) {
        case 0: return QString(10000, u'1');
        case 1: return QStringLiteral("5") + QString(9999, u'a');
        case 2: return QString(10000, u'a');
        default: return QStringLiteral("7.") + QString(9998, u'0');
        }
    }
    return t.parmi(mauvaises);
}

// Where the randomness of a sequence comes from, and what it does at each moment.
Action choisir(Tirage &t, const modele::Jeu &m, bool marathon, bool strategiste)
{
    struct Choix
    {
        double poids;
        Action action;
    };
    QList<Choix> choix;
    auto ajouter = [&choix](double poids, Action a) { choix.append({poids, std::move(a)}); };

    if (m.principale) {
        const modele::Principale &p = *m.principale;
        auto montre = [&p](const char *nom) { return p.montres.contains(QString::fromLatin1(nom)); };
        const bool enJeu = montre("Envoi");
        const bool apresFin = montre("FIN") && !enJeu;
        if (!marathon || montre("Identite"))
            ajouter(montre("Identite") ? 3 : 0.3, {Sorte::SaisieNdj, 0, {}, nomAuHasard(t)});
        if (montre("Identite"))
            ajouter(4, {Sorte::Identite});
        int cases = 0;
        for (int k = 1; k <= 8; ++k)
            cases += montre(QStringLiteral("Check%1").arg(k).toLatin1().constData());
        for (int k = 1; k <= 8; ++k) {
            if (!montre(QStringLiteral("Check%1").arg(k).toLatin1().constData()))
                continue;
            if (marathon)
                ajouter(cases > 1 ? (k == 8 ? 1 : 0) : (montre("Joueur") ? 0 : 0.002), {Sorte::Case, k});
            else
                ajouter(cases > 1 ? 4.0 / cases : (enJeu ? 0.25 : 1), {Sorte::Case, k});
        }
        if (montre("Joueur"))
            ajouter(strategiste ? 5 : 3, {Sorte::Joueur});
        if (montre("Ordinateur") && !marathon)
            ajouter(strategiste ? 1 : 3, {Sorte::Ordinateur});
        if (montre("nbj")) {
            const bool deuxFois = !p.textes.value(QStringLiteral("nbj")).isEmpty();
            ajouter(deuxFois ? 2 : 6, {Sorte::SaisieNbj, 0, {}, entreeAuHasard(t, p, marathon, strategiste)});
        }
        if (enJeu) {
            const bool vide = p.tour == u"J" && p.textes.value(QStringLiteral("nbj")).isEmpty();
            ajouter(vide ? 1 : 6, {Sorte::Envoi});
        }
        if (montre("FIN"))
            ajouter(marathon ? 0 : (apresFin ? 4 : 0.3), {Sorte::Fin});
        if (!marathon) {
            static const QStringList affichages = {QStringLiteral("BUT"), QStringLiteral("Nombre"),
                                                   QStringLiteral("nj"), QStringLiteral("nombreordinateur"),
                                                   QStringLiteral("Accueil"), QStringLiteral("Tirage")};
            const QString nom = t.parmi(affichages);
            if (p.montres.contains(nom)) {
                const QString texte = t.parmi(QStringList{QString(), QStringLiteral("42"), QStringLiteral("abc"),
                                                          QStringLiteral(" 100"), QStringLiteral("Désolé")});
                ajouter(0.2, {Sorte::SaisieAffichage, 0, nom, texte});
            }
            ajouter(0.04, {Sorte::FermerPrincipale});
        }
    }
    if (m.rejouerMontre) {
        ajouter(2, {Sorte::SaisieRejouer, 0, {}, nomAuHasard(t)});
        ajouter(5, {Sorte::Oui});
        ajouter(0.6, {Sorte::Non});
        ajouter(0.3, {Sorte::FermerRejouer});
    }
    if (m.eurekaMontre && !marathon)
        ajouter(0.4, {Sorte::FermerEureka});

    double total = 0;
    for (const Choix &c : choix)
        total += c.poids;
    double r = t.reel(total);
    for (Choix &c : choix) {
        if (c.poids <= 0)
            continue;
        r -= c.poids;
        if (r < 0 || &c == &choix.last()) {
            Action a = std::move(c.action);
            const bool saisie = a.sorte == Sorte::SaisieNdj || a.sorte == Sorte::SaisieNbj
                    || a.sorte == Sorte::SaisieRejouer;
            a.auClavier = saisie && tapable(a.texte) && t.chance(0.5);
            return a;
        }
    }
    return choix.last().action;
}

} // namespace

namespace {

// The text a control shows, read from the widget itself; multi-line boxes give their
// paragraphs joined by "\n".
QString lu(const QWidget *c)
{
    if (auto *e = qobject_cast<const QLineEdit *>(c))
        return e->text();
    if (auto *e = qobject_cast<const QTextEdit *>(c))
        return e->toPlainText();
    if (auto *b = qobject_cast<const QAbstractButton *>(c))
        return b->text();
    if (auto *l = qobject_cast<const QLabel *>(c))
        return l->text();
    return QStringLiteral("<no text>");
}

// The model's text as a multi-line box gives it back: CR LF is a paragraph break there,
// and the document keeps a no-break space as a plain blank in its plain text.
QString enPlainText(QString t)
{
    return t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QChar(0x00a0), u' ');
}

class Ecarts
{
public:
    template<typename T>
    void egal(const QString &quoi, const T &vu, const T &attendu)
    {
        if (vu != attendu)
            m_liste << QStringLiteral("%1: game %2, model %3").arg(quoi, montrer(vu), montrer(attendu));
    }
    void ajouter(const QString &e) { m_liste << e; }
    bool vide() const { return m_liste.isEmpty(); }
    const QStringList &liste() const { return m_liste; }

private:
    static QString montrer(const QString &s) { return abrege(s); }
    static QString montrer(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString montrer(int n) { return QString::number(n); }
    static QString montrer(long long n) { return QString::number(n); }
    static QString montrer(const QStringList &l) { return u'[' + l.join(u", ") + u']'; }
    QStringList m_liste;
};

struct Fichiers
{
    QString dossier; // the working directory the game runs in
    bool enfantsLisible = false;
    bool chiffresLisible = false;
    QImage enfants;
    QImage chiffres;
};

QImage commeAffichee(const QString &fichier)
{
    QImageReader reader(fichier);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    return image.isNull() ? image : QPixmap::fromImage(image).toImage();
}

// The model writes whose turn it is as the letter the rules use.
QString lettre(virdo::Tour tour)
{
    switch (tour) {
    case virdo::Tour::Joueur: return QStringLiteral("J");
    case virdo::Tour::Ordinateur: return QStringLiteral("O");
    case virdo::Tour::Refus: return QStringLiteral("R");
    case virdo::Tour::Aucun: break;
    }
    return {};
}

void comparerPrincipale(Ecarts &e, const modele::Principale &m, virdo::Jeu &jeu)
{
    virdo::VirdoWindow &w = *jeu.principale();
    e.egal(QStringLiteral("main window shown"), w.isVisible(), true);
    e.egal(QStringLiteral("main window caption"), w.windowTitle(),
           QStringLiteral("Pivolane - Logique et calcul mental par  Quenbrel"));
    for (const QString &nom : modele::controlesPrincipale) {
        QWidget *c = w.findChild<QWidget *>(nom, Qt::FindDirectChildrenOnly);
        if (!c) {
            e.ajouter(nom + QStringLiteral(" missing"));
            continue;
        }
        e.egal(nom + QStringLiteral(" shown"), !c->isHidden(), m.montres.contains(nom));
        const QString attendu = m.textes.value(nom);
        e.egal(nom + QStringLiteral(" text"), lu(c),
               qobject_cast<QTextEdit *>(c) ? enPlainText(attendu) : attendu);
    }
    for (int k = 1; k <= 8; ++k) {
        auto *c = w.findChild<QCheckBox *>(QStringLiteral("Check%1").arg(k));
        if (c)
            e.egal(QStringLiteral("Check%1 ticked").arg(k), c->isChecked(), m.cochee[std::size_t(k)]);
    }
    QWidget *nj = w.findChild<QWidget *>(QStringLiteral("nj"));
    QWidget *no = w.findChild<QWidget *>(QStringLiteral("nombreordinateur"));
    QWidget *nbj = w.findChild<QWidget *>(QStringLiteral("nbj"));
    if (nj && no) {
        e.egal(QStringLiteral("nj left"), nj->x(), virdo::twipsToPixelsX(nj, m.njGauche));
        e.egal(QStringLiteral("nj width"), nj->width(), virdo::twipsToPixelsX(nj, m.njLargeur));
        e.egal(QStringLiteral("nombreordinateur left"), no->x(), virdo::twipsToPixelsX(no, m.noGauche));
        e.egal(QStringLiteral("nombreordinateur width"), no->width(), virdo::twipsToPixelsX(no, m.noLargeur));
    }
    if (m.focusNbj)
        e.egal(QStringLiteral("focus in nbj"), w.focusWidget() == nbj, true);

    const virdo::Partie &p = jeu.partie();
    e.egal(QStringLiteral("nbmini"), int(p.nbmini), m.nbmini);
    e.egal(QStringLiteral("nbmaxi"), int(p.nbmaxi), m.nbmaxi);
    e.egal(QStringLiteral("objectif"), int(p.objectif), m.objectif);
    e.egal(QStringLiteral("cle"), int(p.cle), m.cle);
    e.egal(QStringLiteral("nombrejoue"), int(p.nombrejoue), m.nombrejoue);
    e.egal(QStringLiteral("total"), int(p.total), m.total);
    e.egal(QStringLiteral("tour"), lettre(p.tour), m.tour);
    e.egal(QStringLiteral("prenom"), p.prenom, m.prenom);
}

struct Partie
{
    Partie(std::uint64_t graine, const Fichiers &fichiers)
        : hasard(graine * 0x9E3779B97F4A7C15ull + 1)
        , modele(graine * 0x9E3779B97F4A7C15ull + 1, fichiers.enfantsLisible, fichiers.chiffresLisible)
        , jeu(son, hasard, messages, annonces)
    {
        QObject::connect(&jeu, &virdo::Jeu::termine, &jeu, [this] { ++termines; });
    }

    RecordingSoundPlayer son;
    AnsweringMessageBoxes messages;
    RecordingAnnouncer annonces;
    HasardGraine hasard;
    modele::Jeu modele;
    virdo::Jeu jeu;
    int termines = 0;
    QStringList pendantMessage; // what was wrong while a message box was open
};

void comparer(Ecarts &e, Partie &partie, const Fichiers &fichiers)
{
    // Unloaded windows go once the click has returned to the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const modele::Jeu &m = partie.modele;
    virdo::Jeu &jeu = partie.jeu;

    e.egal(QStringLiteral("main window loaded"), jeu.principale() != nullptr, m.principale.has_value());
    e.egal(QStringLiteral("Rejouer loaded"), jeu.rejouer() != nullptr, m.rejouerCharge);
    e.egal(QStringLiteral("Eureka loaded"), jeu.eureka() != nullptr, m.eurekaCharge);
    int fenetres = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<virdo::GameWindow *>(w))
            ++fenetres;
        else
            e.ajouter(QStringLiteral("stray top-level widget ") + QString::fromLatin1(w->metaObject()->className()));
    }
    e.egal(QStringLiteral("windows alive"), fenetres,
           int(m.principale.has_value()) + int(m.rejouerCharge) + int(m.eurekaCharge));

    if (jeu.principale() && m.principale)
        comparerPrincipale(e, *m.principale, jeu);

    if (jeu.rejouer() && m.rejouerCharge) {
        virdo::RejouerWindow &r = *jeu.rejouer();
        e.egal(QStringLiteral("Rejouer shown"), r.isVisible(), m.rejouerMontre);
        for (const QString &nom : modele::controlesRejouer) {
            QWidget *c = r.findChild<QWidget *>(nom, Qt::FindDirectChildrenOnly);
            e.egal(QStringLiteral("Rejouer.") + nom + QStringLiteral(" shown"), c && !c->isHidden(), true);
        }
        auto texteDe = [&r](RejouerControl nom) { return lu(r.control(nom)); };
        e.egal(QStringLiteral("Rejouer.nj text"), texteDe(RejouerControl::nj), m.rejouerNj);
        e.egal(QStringLiteral("nomjoueur"), jeu.nomjoueur(), m.nomjoueur);
        e.egal(QStringLiteral("OUI caption"), texteDe(RejouerControl::OUI), QStringLiteral("OUI"));
        e.egal(QStringLiteral("NON caption"), texteDe(RejouerControl::NON), QStringLiteral("NON"));
        e.egal(QStringLiteral("Label1"), texteDe(RejouerControl::Label1), QStringLiteral("Veux-tu rejouer ?"));
        e.egal(QStringLiteral("Label2"), texteDe(RejouerControl::Label2), QStringLiteral("Pivolane"));
    }

    if (jeu.eureka() && m.eurekaCharge) {
        virdo::EurekaWindow &eureka = *jeu.eureka();
        e.egal(QStringLiteral("Eureka shown"), eureka.isVisible(), m.eurekaMontre);
        e.egal(QStringLiteral("CRI text"), lu(eureka.control(EurekaControl::CRI)), enPlainText(m.cri));
        auto *photo = eureka.pictureBox(EurekaControl::Photo);
        const QImage vue = photo ? photo->picture().toImage() : QImage();
        const QImage attendue = m.photo.isEmpty() ? QImage()
                : m.photo == u"Enfants.bmp"   ? fichiers.enfants
                                              : fichiers.chiffres;
        if (vue != attendue)
            e.ajouter(QStringLiteral("Photo does not show %1").arg(m.photo.isEmpty() ? QStringLiteral("nothing") : m.photo));
    }

    e.egal(QStringLiteral("sound playing"), partie.son.playing, m.son);
    e.egal(QStringLiteral("sound requests"), partie.son.calls, m.appelsSon);
    QStringList boites;
    for (const auto &b : partie.messages.shown)
        boites << b.title + QStringLiteral(" / ") + b.prompt + (b.modal ? QString() : QStringLiteral(" (not modal)"));
    QStringList boitesAttendues;
    for (const auto &b : m.messages)
        boitesAttendues << b.titre + QStringLiteral(" / ") + b.texte;
    e.egal(QStringLiteral("message boxes"), boites, boitesAttendues);
    e.egal(QStringLiteral("random fractions drawn"), partie.hasard.tirages, m.hasard.tirages);
    e.egal(QStringLiteral("end of program signalled"), partie.termines, m.termine ? 1 : 0);
    for (const QString &p : std::as_const(partie.pendantMessage))
        e.ajouter(p);
    partie.pendantMessage.clear();
}

void taper(QLineEdit *box, const Action &a)
{
    if (a.auClavier) {
        driver::retype(box, a.texte);
    } else {
        box->setText(a.texte); // pasted
    }
}

// Plays one action on the real game, then on the model.
void jouer(Partie &partie, const Action &a)
{
    virdo::Jeu &jeu = partie.jeu;
    modele::Jeu &m = partie.modele;
    virdo::VirdoWindow *w = jeu.principale();
    switch (a.sorte) {
    case Sorte::SaisieNdj:
        taper(w->textBox(VirdoControl::ndj), a);
        m.saisirPrincipale(QStringLiteral("ndj"), a.texte);
        break;
    case Sorte::SaisieNbj:
        taper(w->textBox(VirdoControl::nbj), a);
        m.saisirPrincipale(QStringLiteral("nbj"), a.texte);
        break;
    case Sorte::SaisieAffichage: {
        QWidget *c = driver::byName(*w, a.controle);
        if (auto *e = qobject_cast<QLineEdit *>(c))
            e->setText(a.texte);
        else if (auto *t = qobject_cast<QTextEdit *>(c))
            t->setPlainText(a.texte);
        m.saisirPrincipale(a.controle, a.texte);
        break;
    }
    case Sorte::Identite:
        driver::clickOn(w->control(VirdoControl::Identite));
        m.clicIdentite();
        break;
    case Sorte::Case:
        driver::clickOn(w->checkBox(virdo::caseProgramme(a.k)));
        m.clicCase(a.k);
        break;
    case Sorte::Joueur:
        driver::clickOn(w->control(VirdoControl::Joueur));
        m.clicJoueur();
        break;
    case Sorte::Ordinateur:
        driver::clickOn(w->control(VirdoControl::Ordinateur));
        m.clicOrdinateur();
        break;
    case Sorte::Envoi: {
        // While a message box is open the entry box and the two buttons must be gone.
        partie.messages.whileOpen = [&partie, w] {
            for (const VirdoControl nom : {VirdoControl::nbj, VirdoControl::Joueur, VirdoControl::Ordinateur}) {
                if (!w->control(nom)->isHidden())
                    partie.pendantMessage << w->control(nom)->objectName() + QStringLiteral(" shown while the message box is open");
            }
        };
        driver::clickOn(w->control(VirdoControl::Envoi));
        partie.messages.whileOpen = nullptr;
        m.clicEnvoi();
        break;
    }
    case Sorte::Fin:
        driver::clickOn(w->control(VirdoControl::FIN));
        m.clicFin();
        break;
    case Sorte::SaisieRejouer:
        taper(jeu.rejouer()->textBox(RejouerControl::nj), a);
        m.saisirRejouer(a.texte);
        break;
    case Sorte::Oui:
        driver::clickOn(jeu.rejouer()->control(RejouerControl::OUI));
        m.clicOui();
        break;
    case Sorte::Non:
        driver::clickOn(jeu.rejouer()->control(RejouerControl::NON));
        m.clicNon();
        break;
    case Sorte::FermerPrincipale:
        w->close();
        m.fermerPrincipale();
        break;
    case Sorte::FermerRejouer:
        jeu.rejouer()->close();
        m.fermerRejouer();
        break;
    case Sorte::FermerEureka:
        jeu.eureka()->close();
        m.fermerEureka();
        break;
    }
}

struct Bilan
{
    int sequences = 0;
    long long actions = 0;
    long long clics = 0;
    int echecs = 0;
    int marathons = 0;
    int refusAuBut = 0; // moves past the target, refused
    int victoiresJoueur = 0;
    int victoiresOrdinateur = 0;
    QStringList rapports;
};

bool estClic(Sorte s)
{
    switch (s) {
    case Sorte::SaisieNdj:
    case Sorte::SaisieNbj:
    case Sorte::SaisieAffichage:
    case Sorte::SaisieRejouer:
        return false;
    default:
        return true;
    }
}

// One sequence, from the start of the program to its end or to the last action.
void sequence(std::uint64_t graine, const Fichiers &fichiers, Bilan &bilan)
{
    Tirage t(graine);
    const bool marathon = t.chance(0.03);
    // A player who knows the strategy, so that the player's victories come up often enough.
    const bool strategiste = t.chance(0.3);
    const int limite = marathon ? actionsMarathon : t.entre(10, actionsMax);
    bilan.marathons += marathon;

    Ecarts e;
    QStringList faites;
    {
        auto partie = std::make_unique<Partie>(graine, fichiers);
        partie->jeu.demarrer();
        partie->modele.demarrer();
        comparer(e, *partie, fichiers);
        for (int n = 0; e.vide() && n < limite && !partie->modele.termine; ++n) {
            if (marathon && partie->modele.principale && partie->modele.principale->montres.contains(QStringLiteral("FIN")))
                break;
            const Action a = choisir(t, partie->modele, marathon, strategiste);
            faites << decrire(a);
            const qsizetype boites = partie->modele.messages.size();
            jouer(*partie, a);
            ++bilan.actions;
            bilan.clics += estClic(a.sorte);
            comparer(e, *partie, fichiers);
            if (a.sorte == Sorte::Envoi && partie->modele.principale) {
                const modele::Principale &p = *partie->modele.principale;
                if (p.total > p.objectif)
                    e.ajouter(QStringLiteral("the total %1 passed the target %2").arg(p.total).arg(p.objectif));
                if (partie->modele.messages.size() > boites && p.nombrejoue >= 1 && p.nombrejoue <= p.nbmaxi)
                    ++bilan.refusAuBut; // within the maximum, refused only because it passed the target
                if (p.total == p.objectif && p.montres.contains(QStringLiteral("FIN")))
                    ++(p.tour == u"J" ? bilan.victoiresJoueur : bilan.victoiresOrdinateur);
            }
        }
    }
    // The game's destructor takes every window it still holds with it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (e.vide() && !QApplication::topLevelWidgets().isEmpty())
        e.ajouter(QStringLiteral("windows left after the game was destroyed"));

    ++bilan.sequences;
    if (!e.vide()) {
        ++bilan.echecs;
        QString r;
        QTextStream s(&r);
        s << "Mismatch in the sequence of seed " << graine << " (replay it with VIRDO_SEED=" << graine
          << " VIRDO_SEQUENCES=1), run in " << fichiers.dossier << ", after action " << faites.size() << ":\n";
        for (const QString &d : e.liste())
            s << "    " << d << '\n';
        s << "  Actions:\n";
        for (int i = 0; i < faites.size(); ++i)
            s << "    " << (i + 1) << ". " << faites.at(i) << '\n';
        bilan.rapports << r;
    }
}

std::uint64_t variable(const char *nom, std::uint64_t defaut)
{
    bool ok = false;
    const std::uint64_t v = qEnvironmentVariable(nom).toULongLong(&ok);
    return ok ? v : defaut;
}

} // namespace

namespace {

QtMessageHandler gestionnairePrecedent = nullptr;

// The offscreen platform warns at every window shown or raised that it cannot do that;
// thousands of those would bury what matters.
void filtrerMessages(QtMsgType type, const QMessageLogContext &contexte, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    gestionnairePrecedent(type, contexte, message);
}

} // namespace

class TstPartiesAleatoires : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        gestionnairePrecedent = qInstallMessageHandler(filtrerMessages);
        // The tests start in the game folder, where the pictures are read by bare name.
        m_fichiers.dossier = QDir::currentPath();
        m_fichiers.enfants = commeAffichee(QStringLiteral("Enfants.bmp"));
        m_fichiers.chiffres = commeAffichee(QStringLiteral("chiffres.bmp"));
        m_fichiers.enfantsLisible = !m_fichiers.enfants.isNull();
        m_fichiers.chiffresLisible = !m_fichiers.chiffres.isNull();
        if (!m_fichiers.enfantsLisible || !m_fichiers.chiffresLisible)
            qWarning("Game pictures missing in %s: Photo is expected to stay as it was",
                     qPrintable(QDir::currentPath()));
        // Some sequences run where the game files are missing: the end of a game goes on
        // and Photo keeps what it had.
        QVERIFY(m_vide.isValid());
        m_sansFichiers.dossier = m_vide.path();
    }

    // The model itself, on cases the rules spell out: a wrong model would hide faults.
    void modeleJugeComme_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("nbmaxi");
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("nombre");
        const int vide = modele::Jugement::Vide, triche = modele::Jugement::Triche,
                  ok = modele::Jugement::Acceptee;
        QTest::newRow("empty") << QString() << 10 << vide << 0;
        QTest::newRow("blank") << QStringLiteral(" ") << 10 << triche << 0;
        QTest::newRow("0") << QStringLiteral("0") << 10 << triche << 0;
        QTest::newRow("abc") << QStringLiteral("abc") << 10 << triche << 0;
        QTest::newRow("10") << QStringLiteral("10") << 10 << ok << 10;
        QTest::newRow("11") << QStringLiteral("11") << 10 << triche << 11;
        QTest::newRow("2.5") << QStringLiteral("2.5") << 10 << ok << 2;
        QTest::newRow("3.5") << QStringLiteral("3.5") << 10 << ok << 4;
        QTest::newRow("10.6") << QStringLiteral("10.6") << 10 << triche << 11;
        QTest::newRow("5 pommes") << QStringLiteral("5 pommes") << 10 << ok << 5;
        QTest::newRow("-5") << QStringLiteral("-5") << 10 << triche << -5;
        QTest::newRow("40000") << QStringLiteral("40000") << 100 << triche << 0;
        QTest::newRow("1e30") << QStringLiteral("1e30") << 100 << triche << 0;
        QTest::newRow("1E2") << QStringLiteral("1E2") << 100 << ok << 100;
        QTest::newRow("5e") << QStringLiteral("5e") << 10 << ok << 5;
        QTest::newRow(".5") << QStringLiteral(".5") << 10 << triche << 0;
        QTest::newRow("-32768") << QStringLiteral("-32768") << 10 << triche << -32768;
        QTest::newRow("32767.5") << QStringLiteral("32767.5") << 10 << triche << 0;
    }
    void modeleJugeComme()
    {
        QFETCH(QString, saisie);
        QFETCH(int, nbmaxi);
        QFETCH(int, sorte);
        QFETCH(int, nombre);
        const modele::Jugement j = modele::juger(saisie, nbmaxi);
        QCOMPARE(int(j.sorte), sorte);
        QCOMPARE(j.nombre, nombre);
    }

    void modeleJoueCommeLaStrategie()
    {
        // Program 1, total 7, computer's turn: it plays 5 onto the key total 12.
        modele::Jeu m(1, true, true);
        m.demarrer();
        m.clicIdentite();
        m.clicCase(1);
        m.clicJoueur();
        m.saisirPrincipale(QStringLiteral("nbj"), QStringLiteral("7"));
        m.clicEnvoi();
        QCOMPARE(m.principale->tour, QStringLiteral("O"));
        m.clicEnvoi();
        QCOMPARE(m.principale->nombrejoue, 5);
        QCOMPARE(m.principale->textes.value(QStringLiteral("Nombre")), QStringLiteral(" 12"));
        QCOMPARE(m.principale->textes.value(QStringLiteral("nombreordinateur")),
                 QStringLiteral("Moi, l'ordinateur, j'ai joué: 5"));
        QCOMPARE(m.hasard.tirages, 0LL);
    }

    // The comparison itself: a model that differs from the game in any one respect
    // must be reported, or the random games would prove nothing.
    void comparaisonVoitChaqueEcart_data()
    {
        QTest::addColumn<int>("ecart");
        const char *noms[] = {"a control shown", "a text", "a caption", "total", "tour", "a ticked box",
                              "geometry", "sound", "message box", "random draws", "window loaded",
                              "Eureka shown", "CRI", "Photo", "Rejouer.nj", "focus"};
        for (int i = 0; i < int(std::size(noms)); ++i)
            QTest::newRow(noms[i]) << i;
    }
    void comparaisonVoitChaqueEcart()
    {
        QFETCH(int, ecart);
        Partie partie(7, m_fichiers);
        modele::Jeu &m = partie.modele;
        partie.jeu.demarrer();
        m.demarrer();
        // Up to the player's victory in program 4, then a look at the replay window.
        const QList<Action> debut = {Action(Sorte::SaisieNdj, 0, {}, QStringLiteral("Zoé")), Action(Sorte::Identite),
                                 Action(Sorte::Case, 4), Action(Sorte::Joueur)};
        for (const Action &a : debut)
            jouer(partie, a);
        for (int coups = 0; !m.principale->montres.contains(QStringLiteral("FIN")); ++coups) {
            QVERIFY(coups < 100);
            if (m.principale->tour == u"J") {
                const int cle = versLaCle(*m.principale);
                const QString saisie = partie.messages.shown.isEmpty() ? QStringLiteral("0")
                                                                       : QString::number(cle ? cle : 1);
                jouer(partie, Action(Sorte::SaisieNbj, 0, {}, saisie));
            }
            jouer(partie, Action(Sorte::Envoi));
            // Game and model must agree before the comparison is put to the test.
            Ecarts sansEcart;
            comparer(sansEcart, partie, m_fichiers);
            QVERIFY2(sansEcart.vide(), qPrintable(sansEcart.liste().join(u'\n')));
        }
        QCOMPARE(m.principale->tour, QStringLiteral("J")); // the player has won

        modele::Principale &p = *m.principale;
        switch (ecart) {
        case 0: p.montres.insert(QStringLiteral("Envoi")); break;
        case 1: p.textes[QStringLiteral("nj")] += u' '; break;
        case 2: p.textes[QStringLiteral("FIN")] = QStringLiteral("Suite ou fin"); break;
        case 3: p.total -= 1; break;
        case 4: p.tour = QStringLiteral("O"); break;
        case 5: p.cochee[4] = !p.cochee[4]; break;
        case 6: p.njGauche = virdo::rowOf(VirdoControl::nj).left; break;
        case 7: m.son = QStringLiteral("Son2.wav"); break;
        case 8: m.messages.removeLast(); break;
        case 9: m.hasard.fraction(); break;
        case 10: m.rejouerCharge = true; break;
        case 11: m.eurekaMontre = false; break;
        case 12: m.cri.replace(QLatin1String("\r\n"), QLatin1String(" ")); break;
        case 13: m.photo = QStringLiteral("chiffres.bmp"); break;
        case 14:
            jouer(partie, Action(Sorte::Fin));
            m.rejouerNj += u'x';
            break;
        case 15:
            // A click elsewhere takes the focus from nbj; the model saying otherwise must show.
            jouer(partie, Action(Sorte::Case, 4));
            jouer(partie, Action(Sorte::Joueur));
            partie.jeu.principale()->control(VirdoControl::ndj)->setFocus();
            break;
        }
        Ecarts ecarts;
        comparer(ecarts, partie, m_fichiers);
        QVERIFY2(!ecarts.vide(), "the comparison missed a difference");
    }

    void partiesAleatoires()
    {
        const std::uint64_t graine = variable("VIRDO_SEED", graineParDefaut);
        const std::uint64_t nombre = variable("VIRDO_SEQUENCES", sequencesParDefaut);
        const std::uint64_t dureeMax = variable("VIRDO_MAX_SECONDS", 0);
        qInfo("VIRDO_SEED=%llu VIRDO_SEQUENCES=%llu", static_cast<unsigned long long>(graine),
              static_cast<unsigned long long>(nombre));

        Bilan bilan;
        QElapsedTimer chrono;
        chrono.start();
        for (std::uint64_t i = 0; i < nombre; ++i) {
            if (dureeMax && std::uint64_t(chrono.elapsed()) > dureeMax * 1000)
                break;
            // One sequence in ten, chosen by its seed, so that a replay runs in the same place.
            const Fichiers &fichiers = (graine + i) % 10 == 9 ? m_sansFichiers : m_fichiers;
            QVERIFY(QDir::setCurrent(fichiers.dossier));
            sequence(graine + i, fichiers, bilan);
            QVERIFY(QDir::setCurrent(m_fichiers.dossier));
            if (bilan.echecs >= 5)
                break; // enough to go on; the rest would repeat the same fault
        }
        const QString resultat = QStringLiteral(
                "sequences %1, clicks %2, actions %3, failures %4, duration %5 s "
                "(seed %6; %7 player wins, %8 computer wins, %9 marathons, %10 moves past the target refused)")
                .arg(bilan.sequences).arg(bilan.clics).arg(bilan.actions).arg(bilan.echecs)
                .arg(double(chrono.elapsed()) / 1000.0, 0, 'f', 1).arg(graine)
                .arg(bilan.victoiresJoueur).arg(bilan.victoiresOrdinateur).arg(bilan.marathons)
                .arg(bilan.refusAuBut);
        qInfo("%s", qPrintable(resultat));
        if (const QString fichier = qEnvironmentVariable("VIRDO_RESULT_FILE"); !fichier.isEmpty()) {
            QFile f(fichier);
            if (f.open(QIODevice::Append | QIODevice::Text))
                f.write(resultat.toUtf8() + '\n');
        }
        for (const QString &r : std::as_const(bilan.rapports))
            qWarning().noquote() << r;
        QCOMPARE(bilan.echecs, 0);
        // The sequences must reach the interesting places, or they test little.
        if (nombre >= 100 && !dureeMax) {
            QVERIFY(bilan.victoiresJoueur > 0);
            QVERIFY(bilan.victoiresOrdinateur > 0);
            QVERIFY(bilan.refusAuBut > 0);
        }
    }

private:
    Fichiers m_fichiers;
    QTemporaryDir m_vide;
    Fichiers m_sansFichiers;
};

QTEST_MAIN(TstPartiesAleatoires)
#include "tst_partiesaleatoires.moc"

