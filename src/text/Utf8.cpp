// Utf8 : iconv fait la correspondance des caractères ; le découpage en suites UTF-8 est fait
// ici, pour qu'une suite fautive ne coûte qu'un '?' et qu'on sache où reprendre.
#include "text/Utf8.h"

#include <iconv.h>

#include <cstdint>

namespace
{
// Un descripteur iconv ouvert une fois ; invalide quand la conversion n'existe pas.
class Conversion
{
  public:
    Conversion(const char* vers, const char* depuis) : cd(iconv_open(vers, depuis)) {}
    ~Conversion()
    {
        if (valide())
            iconv_close(cd);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool valide() const { return cd != iconv_t(-1); }

    // Convertit n octets ; vrai quand tous passent, le résultat dans sortie.
    bool convertit(const char* octets, size_t n, std::string& sortie)
    {
        if (!valide())
            return false;
        char tampon[8];
        char* entree = const_cast<char*>(octets);
        char* fin = tampon;
        size_t reste = n, place = sizeof tampon;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &entree, &reste, &fin, &place) == size_t(-1) || reste != 0)
            return false;
        sortie.assign(tampon, size_t(fin - tampon));
        return true;
    }

  private:
    iconv_t cd;
};

Conversion& versWindows1252()
{
    static Conversion c("WINDOWS-1252", "UTF-8");
    return c;
}

Conversion& depuisWindows1252()
{
    static Conversion c("UTF-8", "WINDOWS-1252");
    return c;
}

// Longueur de la suite UTF-8 bien formée qui commence en p, 0 si elle ne l'est pas.
size_t longueurSuite(const unsigned char* p)
{
    size_t n = 0;
    if (p[0] >= 0xC2 && p[0] <= 0xDF)
        n = 2;
    else if (p[0] >= 0xE0 && p[0] <= 0xEF)
        n = 3;
    else if (p[0] >= 0xF0 && p[0] <= 0xF4)
        n = 4;
    for (size_t i = 1; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    return n;
}
} // namespace

std::string convertitUtf8(const char* utf8, char remplacement)
{
    std::string resultat;
    if (!utf8)
        return resultat;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    std::string caractere;
    while (*p) {
        if (*p < 0x80) {
            resultat += char(*p++);
            continue;
        }
        const size_t n = longueurSuite(p);
        // iconv refuse aussi les formes trop longues et les moitiés de paires.
        if (n > 0 && versWindows1252().convertit(reinterpret_cast<const char*>(p), n, caractere) &&
            caractere.size() == 1)
            resultat += caractere;
        else if (remplacement)
            resultat += remplacement;
        p += n > 0 ? n : 1;
    }
    return resultat;
}

std::string depuisUtf8(const char* utf8)
{
    return convertitUtf8(utf8, '?');
}

std::string versUtf8(const std::string& texte)
{
    std::string resultat, caractere;
    for (const char c : texte) {
        if (static_cast<unsigned char>(c) < 0x80)
            resultat += c;
        else if (depuisWindows1252().convertit(&c, 1, caractere))
            resultat += caractere;
        else
            resultat += '?';
    }
    return resultat;
}
