#include "engine/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace virdo {

QString formatSigne(int valeur)
{
    const QString chiffres = QString::number(valeur);
    return valeur < 0 ? chiffres : QLatin1Char(' ') + chiffres;
}

namespace {

bool estBlanc(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool estChiffre(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten of the first significant digit of a number written as
// [sign]digits[.digits][e[sign]digits]: 123.4 gives 2, 0.05 gives -2, 5e-400 gives -400.
// Only called for a number that is not zero, so a significant digit exists.
long long puissanceDeDix(const std::string &nombre)
{
    const std::size_t e = std::min(nombre.find('e'), nombre.size());
    const std::size_t point = std::min(nombre.find('.'), e);
    const std::size_t premier = nombre.find_first_of("123456789");
    long long puissance = premier < point ? static_cast<long long>(point - premier) - 1
                                          : static_cast<long long>(point) - static_cast<long long>(premier);
    if (e < nombre.size()) {
        std::size_t j = e + 1;
        const bool exposantNegatif = j < nombre.size() && nombre[j] == '-';
        if (j < nombre.size() && (nombre[j] == '-' || nombre[j] == '+'))
            ++j;
        // Capped well beyond any length of text, so a run of exponent digits cannot overflow.
        long long exposant = 0;
        for (; j < nombre.size(); ++j)
            exposant = std::min(exposant * 10 + (nombre[j] - '0'), 1'000'000'000'000LL);
        puissance += exposantNegatif ? -exposant : exposant;
    }
    return puissance;
}

} // namespace

double valeurNumerique(QStringView texte)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && estBlanc(texte[i]))
        ++i;

    // Only ASCII characters make up a number, so the prefix is copied as Latin-1
    // and handed to from_chars, which ignores the locale.
    // Copy the sign at k, if any, and the digits from k on (telling whether there was one).
    const auto copierSigne = [&texte, n](qsizetype &k, std::string &vers) {
        if (k < n && (texte[k] == u'-' || texte[k] == u'+'))
            vers += char(texte[k++].unicode());
    };
    const auto copierChiffres = [&texte, n](qsizetype &k, std::string &vers) {
        const qsizetype debut = k;
        while (k < n && estChiffre(texte[k]))
            vers += char(texte[k++].unicode());
        return k > debut;
    };

    std::string nombre;
    copierSigne(i, nombre);
    bool chiffreVu = copierChiffres(i, nombre);
    if (i < n && texte[i] == u'.') {
        nombre += '.';
        ++i;
        chiffreVu = copierChiffres(i, nombre) || chiffreVu;
    }
    if (!chiffreVu)
        return 0.0;

    // An exponent counts only when digits follow it: "5e" and "5 euros" are 5.
    if (i < n && (texte[i] == u'e' || texte[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exposant = "e";
        copierSigne(j, exposant);
        if (copierChiffres(j, exposant))
            nombre += exposant;
    }

    const char *debut = nombre.data();
    if (*debut == '+')
        ++debut; // from_chars takes no plus sign
    double valeur = 0.0;
    const auto [fin, erreur] = std::from_chars(debut, nombre.data() + nombre.size(), valeur);
    (void)fin;
    if (erreur == std::errc::result_out_of_range) {
        // Either far too large (an overflow for the caller) or too close to zero:
        // the power of ten of the leading digit tells which.
        const bool negatif = nombre.front() == '-';
        if (puissanceDeDix(nombre) >= 0)
            return negatif ? -std::numeric_limits<double>::infinity()
                           : std::numeric_limits<double>::infinity();
        return 0.0;
    }
    return valeur;
}

std::optional<Nombre16> arrondi16(double valeur)
{
    if (!std::isfinite(valeur))
        return std::nullopt;
    // The default rounding mode of the FPU rounds halves to even.
    const double arrondi = std::nearbyint(valeur);
    if (arrondi < std::numeric_limits<Nombre16>::min() || arrondi > std::numeric_limits<Nombre16>::max())
        return std::nullopt;
    return static_cast<Nombre16>(arrondi);
}

std::optional<Nombre16> addition16(Nombre16 a, Nombre16 b)
{
    const int somme = int(a) + int(b);
    if (somme < std::numeric_limits<Nombre16>::min() || somme > std::numeric_limits<Nombre16>::max())
        return std::nullopt;
    return static_cast<Nombre16>(somme);
}

double partieEntiere(double valeur)
{
    return std::floor(valeur);
}

} // namespace virdo
