// GenerateurSource : mise en forme des lignes du source généré, textes échappés en littéraux C.
#include "editor/GenerateurSource.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>

namespace
{
// printf vers une chaîne, sans limite de longueur.
std::string formate(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formate(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copie;
    va_copy(copie, args);
    int n = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string s;
    if (n > 0) {
        s.resize(size_t(n) + 1);
        std::vsnprintf(&s[0], s.size(), format, args);
        s.resize(size_t(n));
    }
    va_end(args);
    return s;
}

const char* ouVide(const char* texte)
{
    return texte ? texte : "";
}

const char* booleen(bool b)
{
    return b ? "true" : "false";
}
} // namespace

std::string litteralC(const std::string& texte)
{
    std::string s = "\"";
    bool apresHexa = false;
    for (unsigned char c : texte) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += char(c);
            apresHexa = false;
        } else if (c < 0x20 || c >= 0x7F) {
            s += formate("\\x%02X", c);
            apresHexa = true;
        } else {
            // Un chiffre hexadécimal prolongerait l'échappement qui précède.
            if (apresHexa && std::isxdigit(c))
                s += "\" \"";
            s += char(c);
            apresHexa = false;
        }
    }
    return s + "\"";
}

std::string enteteSource(bool pleinEcran, Rect r, const char* habillage, const char* classe)
{
    std::string s = formate("\n%s::%s() : CFenetre(%s)\n{\n", classe, classe, habillage);
    if (pleinEcran)
        return s + "\tsetLimites(PLEIN_ECRAN) ;\n";
    return s + formate("\tsetLimites(MakeRect(%i,%i,%i,%i)) ;\n", r.hautGauche.x, r.hautGauche.y,
                       r.basDroite.x, r.basDroite.y);
}

std::string ligneTexte(Rect r, const char* texte)
{
    return formate("\tajouteObjetGDI(new CTexte(MakeRect(%i,%i,%i,%i), %s)) ;\n", r.hautGauche.x,
                   r.hautGauche.y, r.basDroite.x, r.basDroite.y, litteralC(ouVide(texte)).c_str());
}

std::string ligneBouton(Rect r, bool avecLegende, const char* texte, const char* habillage)
{
    if (!avecLegende)
        return formate("\tajouteObjetGDI(new CBouton(MakeRect(%i,%i,%i,%i), %s)) ;\n",
                       r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y, habillage);
    return formate("\tajouteObjetGDI(new CBouton(MakeRect(%i,%i,%i,%i), %s, %s)) ;\n",
                   r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y,
                   litteralC(ouVide(texte)).c_str(), habillage);
}

std::string ligneCoche(Coord p, bool cochee, const char* habillage, const char* legende)
{
    if (legende)
        return formate("\tajouteObjetGDI(new CCoche(MakeCoord(%i,%i), %s, %s, %s)) ;\n", p.x, p.y,
                       booleen(cochee), habillage, litteralC(legende).c_str());
    return formate("\tajouteObjetGDI(new CCoche(MakeCoord(%i,%i), %s, %s)) ;\n", p.x, p.y,
                   booleen(cochee), habillage);
}

std::string ligneImage(Rect r, const char* image)
{
    return formate("\tajouteObjetGDI(new CImage(MakeRect(%i,%i,%i,%i), %s)) ;\n", r.hautGauche.x,
                   r.hautGauche.y, r.basDroite.x, r.basDroite.y, image);
}

std::string ligneProgression(Coord p, int largeur, bool modifiable, int minimum, int valeur,
                             int maximum, const char* habillage)
{
    return formate(
        "\tajouteObjetGDI(new CProgression(MakeCoord(%i,%i), %i, %s, %i, %i, %i, %s)) ;\n", p.x,
        p.y, largeur, booleen(modifiable), minimum, valeur, maximum, habillage);
}

std::string ligneSaisie(Rect r, const char* texte, int longueurMax)
{
    return formate("\tajouteObjetGDI(new CSaisie(MakeRect(%i,%i,%i,%i), %s, %i)) ;\n",
                   r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y,
                   litteralC(ouVide(texte)).c_str(), longueurMax);
}

std::string ligneRadio(Coord p, const char* legende, int groupe)
{
    return formate("\tajouteObjetGDI(new CRadio(MakeCoord(%i,%i), %s, %i)) ;\n", p.x, p.y,
                   litteralC(ouVide(legende)).c_str(), groupe);
}

std::string ligneNommee(const std::string& ligne, const std::string& nom)
{
    const std::string fin = ") ;\n";
    if (nom.empty() || ligne.size() < fin.size() ||
        ligne.compare(ligne.size() - fin.size(), fin.size(), fin) != 0)
        return ligne;
    // Avant la parenthèse qui ferme ajouteObjetGDI.
    return ligne.substr(0, ligne.size() - fin.size()) + ", " + litteralC(nom) + fin;
}

std::string finSource()
{
    return "}\n";
}

namespace
{
std::string ligneSansNom(const ObjetPlace& o)
{
    const char* a = o.argument.c_str();
    const char* t = o.texte.c_str();
    const Coord p = o.limites.hautGauche;
    switch (o.genre) {
    case TYPE_TEXTE:
        return ligneTexte(o.limites, t);
    case TYPE_BOUTON:
        return ligneBouton(o.limites, o.legende, t, a);
    case TYPE_COCHE:
        return ligneCoche(p, o.cochee, a);
    case TYPE_IMAGE:
        return ligneImage(o.limites, a);
    case TYPE_PROGRESSION:
        return ligneProgression(p, o.largeur, o.modifiable, o.minimum, o.valeur, o.maximum, a);
    case TYPE_SAISIE:
        return ligneSaisie(o.limites, t, o.longueurMax);
    case TYPE_COCHE_LEGENDEE:
        return ligneCoche(p, o.cochee, a, t);
    case TYPE_RADIO:
        return ligneRadio(p, t, o.groupe);
    default:
        return std::string();
    }
}
} // namespace

std::string ligneObjet(const ObjetPlace& o)
{
    return ligneNommee(ligneSansNom(o), o.nom);
}

std::string texteSource(const MiseEnPage& m)
{
    std::string s = enteteSource(m.pleinEcran, m.limites, m.habillage.c_str(), m.classe.c_str());
    // De l'arrière vers le premier plan : chaque ajouteObjetGDI du fichier met son objet devant
    // les précédents, ce qui rebâtit l'empilement.
    for (const ObjetPlace& o : m.objets)
        s += ligneObjet(o);
    return s + finSource();
}
