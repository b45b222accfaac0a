// The texts the game shows: the rules of each program, and every message that carries the
// player's name. The real click handlers write them into the real windows (offscreen);
// each is read back and compared with its expected wording, written out in the tests' own
// texts (textesattendus.h): the fixed parts must be exact and the name must stand in its one
// place, as typed.

#include "lisible.h"
#include "driver.h"

#include "engine/conversions.h"
#include "engine/programmes.h"
#include "flow/jeu.h"
#include "windows/multilinebox.h"
#include "windows/toolkit.h"
#include "windows/window.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

QString u(const char *texte)
{
    return QString::fromUtf8(texte);
}

[[noreturn]] void echec(const char *controle, const QString &lu, const QString &attendu)
{
    std::fprintf(stderr, "\nTexte faux dans %s\n  lu      : \"%s\"\n  attendu : \"%s\"\n", controle,
                 lisible(lu).toUtf8().constData(), lisible(attendu).toUtf8().constData());
    std::abort();
}

// What a multi-line box gives back of a text: it first makes each CR LF a LF, then shows line
// breaks as a plain text document does (CR LF, LF, CR and the paragraph and frame marks start
// a line, the line separator too), hands them back as CR LF, and a document reads a no-break
// space as a blank. Nothing else changes.
QString commeUneBoite(const QString &ecrit)
{
    QString texte = ecrit;
    texte.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QString lignes;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
            continue; // the LF that follows makes the break
        if (c == u'\n' || c == u'\r' || c == 0x2029 || c == 0x2028 || c == 0xfdd0 || c == 0xfdd1)
            lignes += QLatin1String("\r\n");
        else if (c == 0x00a0)
            lignes += u' ';
        else
            lignes += QChar(c);
    }
    return lignes;
}

template<typename Key>
void verifier(const virdo::Window<Key> &fenetre, Key nom, const QString &attendu)
{
    const QWidget *control = fenetre.control(nom);
    const QString lu = driver::shownText(control);
    const bool boite = qobject_cast<const virdo::MultiLineBox *>(control) != nullptr;
    const QString voulu = boite ? commeUneBoite(attendu) : attendu;
    if (lu != voulu)
        echec(qPrintable(control->objectName()), lu, voulu);
}

// The game with the tests' stand-ins: the sound recorded, the boxes noted and answered.
driver::Rig *monde = nullptr;

void verifierRegles(int k)
{
    const QString regle = virdo::phraseRegle(k);
    if (regle != driver::programmeAttendu(k).phrase())
        echec("phraseRegle", regle, driver::programmeAttendu(k).phrase());
}

// A program number outside 1 ... 8 is refused cleanly, never read past the table.
void verifierHorsTable(int k)
{
    if (k >= 1 && k <= virdo::nombreDeProgrammes)
        return;
    try {
        (void)virdo::phraseRegle(k);
        std::fprintf(stderr, "phraseRegle(%d) answered for a program that does not exist\n", k);
        std::abort();
    } catch (const std::out_of_range &) {
    }
    virdo::Partie partie;
    try {
        virdo::choisirProgramme(partie, k);
        std::fprintf(stderr, "choisirProgramme(%d) loaded a program that does not exist\n", k);
        std::abort();
    } catch (const std::out_of_range &) {
    }
}

// One game around the name: greeting, program k, the first turn, the passing of turns and
// the end of the game won by the player or by the computer; then the replay window.
void jouer(const QString &nom, int k, bool joueurCommence, bool joueurGagne, bool rejouer)
{
    virdo::Jeu &jeu = monde->jeu;
    virdo::VirdoWindow &f = *jeu.principale();
    driver::setShownText(f.control(virdo::VirdoControl::ndj), nom);
    // The name box keeps the start of a name too long for it.
    const QString garde = nom.left(virdo::longueurPrenom);
    if (driver::shownText(f.control(virdo::VirdoControl::ndj)) != garde)
        echec("ndj", driver::shownText(f.control(virdo::VirdoControl::ndj)), garde);

    f.button(virdo::VirdoControl::Identite)->click();
    const QString p = garde.isEmpty() ? QStringLiteral("Joueur  Anonyme") : garde;
    verifier(f, virdo::VirdoControl::Accueil, u("Bonjour ") + p + driver::suiteAccueil);
    verifier(f, virdo::VirdoControl::Tirage, p + driver::suiteTirageOffre);

    f.checkBox(virdo::caseProgramme(k))->click();
    verifier(f, virdo::VirdoControl::BUT, driver::programmeAttendu(k).but());
    verifier(f, virdo::VirdoControl::Accueil, driver::programmeAttendu(k).phrase());
    verifier(f, virdo::VirdoControl::Tirage, p + driver::suiteTirageChoix);

    if (joueurCommence) {
        f.button(virdo::VirdoControl::Joueur)->click();
        verifier(f, virdo::VirdoControl::nombreordinateur, u("J'attends patiemment mon tour pour jouer ..."));
        verifier(f, virdo::VirdoControl::nj, p + u(", propose un nombre >"));
    } else {
        f.button(virdo::VirdoControl::Ordinateur)->click();
        verifier(f, virdo::VirdoControl::nj, p + u(", attends ton tour pour jouer ..."));
        verifier(f, virdo::VirdoControl::nombreordinateur, u("Clique sur le bouton de droite pour que je joue >>>"));
        verifier(f, virdo::VirdoControl::Envoi, driver::legendeFaireJouer);
    }

    // Played to the end. The computer, once on a key total, always wins: the player wins
    // only by starting and steering onto the key totals; otherwise it plays 1 each time.
    const virdo::Partie &partie = jeu.partie();
    const bool gagnant = joueurCommence && joueurGagne;
    while (partie.total != partie.objectif) {
        if (partie.tour == virdo::Tour::Joueur)
            driver::setShownText(f.control(virdo::VirdoControl::nbj), QString::number(driver::nextPlayerNumber(partie, gagnant)));
        f.button(virdo::VirdoControl::Envoi)->click();
        if (partie.total == partie.objectif)
            break;
        if (partie.tour == virdo::Tour::Joueur) {
            verifier(f, virdo::VirdoControl::nj, p + u(", à toi de proposer un nombre >"));
            verifier(f, virdo::VirdoControl::Envoi, driver::legendeValider);
        } else {
            verifier(f, virdo::VirdoControl::nj, p + u(" , c'est à l'ordinateur de jouer ..."));
            verifier(f, virdo::VirdoControl::nombreordinateur, driver::invitationOrdinateur);
            verifier(f, virdo::VirdoControl::Envoi, driver::legendeFaireJouer);
        }
    }
    verifier(f, virdo::VirdoControl::Nombre, virdo::formatSigne(jeu.partie().objectif));
    virdo::EurekaWindow &eureka = *jeu.eureka();
    const driver::TextesVictoire victoire = driver::textesVictoire(gagnant, p);
    verifier(f, virdo::VirdoControl::nj, victoire.nj);
    verifier(f, virdo::VirdoControl::nombreordinateur, victoire.nombreordinateur);
    verifier(eureka, virdo::EurekaControl::CRI, victoire.cri);

    if (rejouer) {
        // FIN carries the name to the replay window, OUI back into a new main window.
        f.button(virdo::VirdoControl::FIN)->click();
        verifier(*jeu.rejouer(), virdo::RejouerControl::nj, p);
        jeu.rejouer()->button(virdo::RejouerControl::OUI)->click();
        verifier(*jeu.principale(), virdo::VirdoControl::ndj, p);
        jeu.principale()->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } else {
        eureka.hide();
    }
}

} // namespace

// Big blocks held back after their release and filled when allocated cost more than the target
// itself; a short stack for each allocation is enough to find a fault.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=8:max_malloc_fill_size=0:quarantine_size_mb=16";
}

// Fontconfig keeps a few blocks of its own for the life of the process: not ours to free.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own globals are gone by the time static objects die at exit.
    new QApplication(*argc, *argv);
    QApplication::setQuitOnLastWindowClosed(false);
    monde = new driver::Rig;
    monde->jeu.demarrer();
    // The handlers write into hidden windows just the same; drawing them would only cost time.
    monde->jeu.principale()->hide();
    for (int k = 1; k <= virdo::nombreDeProgrammes; ++k)
        verifierRegles(k);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // First byte: the program (3 bits), who starts, who wins, replay, and the encoding of the rest.
    const std::uint8_t choix = data[0];
    const int k = 1 + (choix & 7);
    const bool joueurCommence = choix & 8;
    const bool joueurGagne = choix & 16;
    // The replay builds a whole new main window, a hundred times the cost of the rest:
    // one input in about thirty takes that way.
    const bool rejouer = (choix & 32) && size % 16 == 1;
    const char *octets = reinterpret_cast<const char *>(data + 1);
    const auto n = qsizetype(size - 1);

    QString nom;
    switch (choix >> 6) {
    case 0:
    case 1:
        nom = QString::fromUtf8(octets, n);
        break;
    case 2:
        nom = QString::fromLatin1(octets, n);
        break;
    default: {
        std::u16string unites(std::size_t(n) / 2, u'\0');
        std::memcpy(unites.data(), octets, unites.size() * 2);
        nom = QString::fromUtf16(unites.data(), qsizetype(unites.size()));
        break;
    }
    }

    verifierRegles(k);
    if (size >= 5) {
        std::int32_t autre;
        std::memcpy(&autre, data + 1, sizeof autre);
        verifierHorsTable(autre);
    }
    jouer(nom, k, joueurCommence, joueurGagne, rejouer);
    // No text leads to a message box.
    if (!monde->messages.shown.isEmpty()) {
        std::fprintf(stderr, "a message box came: %s\n", qPrintable(monde->messages.shown.first().prompt));
        std::abort();
    }
    // What the sound was asked to do needs no keeping from one input to the next.
    monde->son.calls.clear();
    return 0;
}
