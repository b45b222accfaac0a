// The player's entry, from the bytes of a text box to the verdict of a turn:
// text -> valeurNumerique -> arrondi16 -> jugerEntree, for every program, far from and near the target.
// Each property below is checked against a computation of its own, not against the
// engine's code, and any breach aborts with the text that caused it.

#include "engine/conversions.h"
#include "engine/entree.h"
#include "engine/programmes.h"
#include "lisible.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

using virdo::Entree;
using virdo::Nombre16;

namespace {

[[noreturn]] void echec(const char *regle, QStringView texte, const char *detail = "")
{
    std::fprintf(stderr, "\nRègle enfreinte : %s\n  texte : \"%s\"\n  %s\n", regle,
                 lisible(texte).toUtf8().constData(), detail);
    std::abort();
}

#define VERIFIE(condition, texte, ...)                                                             \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            char detail[256];                                                                      \
            std::snprintf(detail, sizeof detail, __VA_ARGS__);                                     \
            echec(#condition, texte, detail);                                                      \
        }                                                                                          \
    } while (false)

bool blanc(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool chiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The number at the start of the text as the game reads it, rebuilt by hand: its ASCII
// spelling (empty when there is none) and whether it is a plain integer.
struct Prefixe
{
    std::string ecrit;
    bool entier = false;   // sign and digits only
    int chiffres = 0;      // digits before the point
};

Prefixe lirePrefixe(QStringView t)
{
    Prefixe p;
    qsizetype i = 0;
    while (i < t.size() && blanc(t[i]))
        ++i;
    std::string s;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        s += char(t[i++].unicode());
    bool vu = false;
    while (i < t.size() && chiffre(t[i])) {
        s += char(t[i++].unicode());
        ++p.chiffres;
        vu = true;
    }
    bool point = false;
    if (i < t.size() && t[i] == u'.') {
        point = true;
        s += '.';
        ++i;
        while (i < t.size() && chiffre(t[i])) {
            s += char(t[i++].unicode());
            vu = true;
        }
    }
    if (!vu)
        return p;
    bool exposant = false;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            e += char(t[j++].unicode());
        bool chiffreExposant = false;
        while (j < t.size() && chiffre(t[j])) {
            e += char(t[j++].unicode());
            chiffreExposant = true;
        }
        if (chiffreExposant) {
            s += e;
            exposant = true;
        }
    }
    p.ecrit = s;
    p.entier = !point && !exposant;
    return p;
}

// Rounding to the nearest integer, halves to even, and the 16-bit range, without nearbyint.
std::optional<int> arrondiAttendu(double v)
{
    if (!std::isfinite(v) || v < -40000.0 || v > 40000.0)
        return std::nullopt;
    const double bas = std::floor(v);
    const double reste = v - bas; // exact: v and bas are close and of the same binade or less
    double r = bas;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(bas, 2.0) != 0.0))
        r = bas + 1.0;
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return int(r);
}

// " 42" and "-42": the sign's place holds a blank for a number that is not negative.
std::string formatAttendu(int n)
{
    char chiffres[16];
    const auto [fin, erreur] = std::to_chars(chiffres, chiffres + sizeof chiffres, n);
    (void)erreur;
    std::string s(chiffres, fin);
    return n < 0 ? s : " " + s;
}

void verifierFormatSigne(int n)
{
    const QString f = virdo::formatSigne(n);
    VERIFIE(f.toStdString() == formatAttendu(n), f, "formatSigne(%d)", n);
    const double relu = virdo::valeurNumerique(f);
    VERIFIE(relu == double(n), f, "valeurNumerique(formatSigne(%d)) = %.17g", n, relu);
    const auto arrondi = virdo::arrondi16(relu);
    VERIFIE(arrondi && *arrondi == n, f, "arrondi16 de %d", n);
}

void verifierTexte(QStringView texte)
{
    const double v = virdo::valeurNumerique(texte);
    VERIFIE(!std::isnan(v), texte, "valeurNumerique = NaN");

    // The value against the C library's reading of the same spelling: both round correctly,
    // so they agree but where the C library keeps a subnormal that the game reads as 0.
    const Prefixe p = lirePrefixe(texte);
    if (p.ecrit.empty()) {
        VERIFIE(v == 0.0, texte, "no number at the start, yet %.17g", v);
    } else {
        const double reference = std::strtod(p.ecrit.c_str(), nullptr);
        const bool presqueZero = std::fabs(reference) < std::numeric_limits<double>::min();
        VERIFIE(v == reference || (presqueZero && v == 0.0), texte, "%.17g, the C library reads %s as %.17g",
                v, p.ecrit.c_str(), reference);
    }

    // "123xyz" is 123: a short integer followed by anything that does not go on with it.
    if (p.entier && p.chiffres <= 9) {
        const long attendu = std::strtol(p.ecrit.c_str(), nullptr, 10);
        VERIFIE(v == double(attendu), texte, "%.17g for the integer %ld", v, attendu);
    }

    const auto r = virdo::arrondi16(v);
    const auto attendu = arrondiAttendu(v);
    VERIFIE(r.has_value() == attendu.has_value() && (!r || *r == *attendu), texte,
            "arrondi16(%.17g) = %s%d, expected %s%d", v, r ? "" : "overflow ", r ? int(*r) : 0,
            attendu ? "" : "overflow ", attendu ? *attendu : 0);
    if (r)
        verifierFormatSigne(*r);

    const QString copie = texte.toString();
    for (const virdo::Programme &programme : virdo::Programmes) {
        const Nombre16 nbmaxi = programme.nbmaxi;
        // At the start, where nbmaxi bounds the move, and near the target, where what is left does.
        for (const int total : {0, programme.objectif - nbmaxi / 2 - 1}) {
            virdo::Partie partie;
            partie.nbmaxi = nbmaxi;
            partie.objectif = programme.objectif;
            partie.total = Nombre16(total);
            const int plafond = std::min(int(nbmaxi), programme.objectif - total);
            const virdo::Verdict verdict = virdo::jugerEntree(copie, partie);
            if (texte.isEmpty()) {
                VERIFIE(verdict.entree == Entree::Vide && verdict.nombre == 0, texte, "empty text, nbmaxi %d", nbmaxi);
                continue;
            }
            VERIFIE(verdict.entree != Entree::Vide, texte, "Vide for a text that is not empty, nbmaxi %d", nbmaxi);
            const bool valable = r && *r >= 1 && *r <= plafond;
            if (verdict.entree == Entree::Acceptee) {
                VERIFIE(valable && verdict.nombre == *r, texte, "accepted %d, nbmaxi %d, total %d", verdict.nombre,
                        nbmaxi, total);
            } else {
                VERIFIE(!valable, texte, "%d refused as cheating, nbmaxi %d, total %d", r ? int(*r) : 0, nbmaxi,
                        total);
                VERIFIE(verdict.nombre == r.value_or(0), texte, "cheating reported as %d, nbmaxi %d",
                        verdict.nombre, nbmaxi);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Every 16-bit number once: formatSigne and its reading back.
    for (int n = std::numeric_limits<Nombre16>::min(); n <= std::numeric_limits<Nombre16>::max(); ++n)
        verifierFormatSigne(n);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *octets = reinterpret_cast<const char *>(data);
    const auto n = qsizetype(size);

    // The same bytes as the three encodings a text can reach the game in.
    verifierTexte(QString::fromUtf8(octets, n));
    verifierTexte(QString::fromLatin1(octets, n));
    std::u16string unites(size / 2, u'\0');
    std::memcpy(unites.data(), data, unites.size() * 2);
    verifierTexte(QString::fromUtf16(unites.data(), qsizetype(unites.size())));

    // A typed number followed by the rest of the input: "123xyz" is 123 whatever xyz is,
    // unless xyz goes on with the number (a digit, a point, an exponent with digits).
    if (size >= 2) {
        const int nombre = std::int16_t(data[0] | (data[1] << 8));
        const QString reste = QString::fromUtf8(octets + 2, n - 2);
        const Prefixe suite = lirePrefixe(QStringLiteral("0") + reste);
        const bool continue_ = !reste.isEmpty()
                && (chiffre(reste[0]) || reste[0] == u'.' || suite.ecrit.find('e') != std::string::npos);
        if (!continue_) {
            const QString texte = QString::number(nombre) + reste;
            const double v = virdo::valeurNumerique(texte);
            VERIFIE(v == double(nombre), texte, "%.17g for %d followed by text", v, nombre);
        }
    }
    return 0;
}
