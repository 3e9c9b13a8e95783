// SansBalises : un texte balisé lu sans ses balises, comparé octet par octet à un texte clair.
#include "text/SansBalises.h"

bool memeTexteSansBalises(const char* balise, const char* clair)
{
    if (!balise || !clair)
        return false;
    const char* p = balise;
    const char* q = clair;
    while (*p) {
        if (*p == '<') {
            // Une balise sans ">" finit le texte, comme à l'affichage.
            while (*p && *p != '>')
                ++p;
            if (*p)
                ++p;
            continue;
        }
        if (*p != *q)
            return false;
        ++p;
        ++q;
    }
    return *q == '\0';
}
