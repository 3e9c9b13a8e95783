// LecteurSource : découpage du source en jetons (commentaires, textes échappés) et lecture de la
// forme qu'écrit l'export.
#include "editor/LecteurSource.h"

#include "editor/MiseEnPage.h"

#include <cstdio>
#include <cstring>

namespace
{
bool lettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool chiffre(char c)
{
    return c >= '0' && c <= '9';
}

int valeurHexa(char c)
{
    if (chiffre(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

const char CLASSES_ATTENDUES[] = "CTexte, CBouton, CCoche, CImage, CProgression, CSaisie ou CRadio";
} // namespace

bool LecteurSource::lis(const std::string& texte, MiseEnPage& miseEnPage, ErreurLecture& erreur)
{
    LecteurSource lecteur(texte);
    MiseEnPage m;
    if (!lecteur.fichier(m)) {
        erreur = lecteur.erreur;
        return false;
    }
    miseEnPage = m;
    return true;
}

char LecteurSource::octet(size_t decalage) const
{
    return pos + decalage < source.size() ? source[pos + decalage] : '\0';
}

void LecteurSource::consomme(size_t n)
{
    for (; n > 0 && pos < source.size(); --n, ++pos) {
        if (source[pos] == '\n') {
            ++ligne;
            colonne = 1;
        } else {
            ++colonne;
        }
    }
}

bool LecteurSource::refuse(const Jeton& j, const std::string& message)
{
    erreur.ligne = j.ligne;
    erreur.colonne = j.colonne;
    erreur.message = message;
    return false;
}

bool LecteurSource::refuseIci(const std::string& message)
{
    Jeton ici;
    ici.ligne = ligne;
    ici.colonne = colonne;
    return refuse(ici, message);
}

void LecteurSource::passeBlancs()
{
    for (;;) {
        const char c = octet();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
            consomme(1);
        } else if (c == '/' && octet(1) == '/') {
            while (pos < source.size() && octet() != '\n')
                consomme(1);
        } else if (c == '/' && octet(1) == '*') {
            const size_t fin = source.find("*/", pos + 2);
            if (fin == std::string::npos)
                return; // le jeton suivant le refuse à sa place
            consomme(fin + 2 - pos);
        } else {
            return;
        }
    }
}

bool LecteurSource::avance()
{
    passeBlancs();
    courant = Jeton();
    courant.ligne = ligne;
    courant.colonne = colonne;
    if (pos >= source.size())
        return true;
    const unsigned char c = static_cast<unsigned char>(octet());
    if (c == '/' && octet(1) == '*')
        return refuseIci("commentaire non termin\xC3\xA9 : attendu */");
    if (lettre(char(c))) {
        courant.genre = MOT;
        while (lettre(octet()) || chiffre(octet())) {
            courant.texte += octet();
            consomme(1);
        }
        return true;
    }
    if (chiffre(char(c))) {
        courant.genre = NOMBRE;
        while (chiffre(octet())) {
            courant.texte += octet();
            consomme(1);
        }
        // 010 serait octal pour un compilateur, 12u ou 0x1 d'autres écritures : refusés.
        if (lettre(octet()) || octet() == '.' || (courant.texte.size() > 1 && c == '0'))
            return refuse(courant, "attendu un entier d\xC3\xA9"
                                   "cimal");
        return true;
    }
    if (c == '"')
        return chaineLitterale(courant);
    if (c == ':' && octet(1) == ':') {
        courant.genre = SIGNE;
        courant.texte = "::";
        consomme(2);
        return true;
    }
    if (std::strchr("(){},;:-", char(c))) {
        courant.genre = SIGNE;
        courant.texte = std::string(1, char(c));
        consomme(1);
        return true;
    }
    if (c == 0)
        return refuseIci("fichier binaire : octet nul");
    char message[64];
    if (c > ' ' && c < 0x7F)
        std::snprintf(message, sizeof message, "caract\xC3\xA8re inattendu '%c'", c);
    else
        std::snprintf(message, sizeof message, "caract\xC3\xA8re inattendu (octet 0x%02X)", c);
    return refuseIci(message);
}

bool LecteurSource::chaineLitterale(Jeton& j)
{
    j.genre = CHAINE;
    consomme(1);
    for (;;) {
        if (pos >= source.size() || octet() == '\n')
            return refuse(j, "texte non termin\xC3\xA9 : attendu \"");
        const char c = octet();
        if (c == '"') {
            consomme(1);
            return true;
        }
        if (c != '\\') {
            if (c == '\0')
                return refuseIci("fichier binaire : octet nul");
            j.texte += c;
            consomme(1);
            continue;
        }
        Jeton barre;
        barre.ligne = ligne;
        barre.colonne = colonne;
        consomme(1);
        const char e = octet();
        const char* simples = "\"\\'?ntrabfv";
        const char* valeurs = "\"\\'?\n\t\r\a\b\f\v";
        int valeur = -1;
        if (e != '\0' && std::strchr(simples, e)) {
            valeur = valeurs[std::strchr(simples, e) - simples];
            consomme(1);
        } else if (e == 'x') {
            consomme(1);
            if (valeurHexa(octet()) < 0)
                return refuse(barre, "attendu des chiffres hexad\xC3\xA9"
                                     "cimaux apr\xC3\xA8s \\x");
            valeur = 0;
            while (valeurHexa(octet()) >= 0) {
                valeur = valeur * 16 + valeurHexa(octet());
                consomme(1);
                if (valeur > 0xFF)
                    return refuse(barre, "\xC3\xA9"
                                         "chappement hors de 0 \xC3\xA0 0xFF");
            }
        } else if (e >= '0' && e <= '7') {
            valeur = 0;
            for (int n = 0; n < 3 && octet() >= '0' && octet() <= '7'; ++n) {
                valeur = valeur * 8 + (octet() - '0');
                consomme(1);
            }
            if (valeur > 0xFF)
                return refuse(barre, "\xC3\xA9"
                                     "chappement hors de 0 \xC3\xA0 0xFF");
        } else {
            return refuse(barre, "\xC3\xA9"
                                 "chappement inconnu : attendu \\\" \\\\ \\n \\t \\xNN ou octal");
        }
        // Le texte d'un objet s'arrête au premier octet nul : il ne se relirait pas.
        if (valeur == 0)
            return refuse(barre, "octet nul dans un texte");
        j.texte += char(valeur);
    }
}

bool LecteurSource::signe(const char* s)
{
    if (courant.genre != SIGNE || courant.texte != s)
        return refuse(courant, std::string("attendu \"") + s + "\"");
    return avance();
}

bool LecteurSource::mot(const char* s)
{
    if (courant.genre != MOT || courant.texte != s)
        return refuse(courant, std::string("attendu ") + s);
    return avance();
}

bool LecteurSource::entier(int& valeur)
{
    const Jeton debut = courant;
    bool negatif = false;
    if (courant.genre == SIGNE && courant.texte == "-") {
        negatif = true;
        if (!avance())
            return false;
    }
    if (courant.genre != NOMBRE)
        return refuse(courant, "attendu un entier");
    long v = courant.texte.size() > 6 ? 100000000L : std::stol(courant.texte);
    if (negatif)
        v = -v;
    if (v < INT16_MIN || v > INT16_MAX)
        return refuse(debut, "entier hors de -32768 \xC3\xA0 32767");
    valeur = int(v);
    return avance();
}

bool LecteurSource::booleen(bool& valeur)
{
    if (courant.genre != MOT || (courant.texte != "true" && courant.texte != "false"))
        return refuse(courant, "attendu true ou false");
    valeur = courant.texte == "true";
    return avance();
}

bool LecteurSource::texte(std::string& valeur)
{
    if (courant.genre != CHAINE)
        return refuse(courant, "attendu un texte entre guillemets");
    valeur.clear();
    // Les littéraux accolés n'en font qu'un.
    while (courant.genre == CHAINE) {
        valeur += courant.texte;
        if (!avance())
            return false;
    }
    return true;
}

bool LecteurSource::argument(std::string& valeur, const char* quoi)
{
    if (courant.genre == MOT) {
        int v;
        if (!valeurArgument(courant.texte, v))
            return refuse(courant, "identifiant inconnu \"" + courant.texte + "\" : attendu " +
                                       quoi + " de la bo\xC3\xAEte \xC3\xA0 outils ou un entier");
        valeur = courant.texte;
        return avance();
    }
    if (courant.genre != NOMBRE && !(courant.genre == SIGNE && courant.texte == "-"))
        return refuse(courant, std::string("attendu ") + quoi +
                                   " de la bo\xC3\xAEte \xC3\xA0 outils ou un entier");
    int v;
    if (!entier(v))
        return false;
    valeur = std::to_string(v);
    return true;
}

bool LecteurSource::rectangle(Rect& r)
{
    int v[4];
    if (!(mot("MakeRect") && signe("(") && entier(v[0]) && signe(",") && entier(v[1]) &&
          signe(",") && entier(v[2]) && signe(",") && entier(v[3]) && signe(")")))
        return false;
    r = MakeRect(v[0], v[1], v[2], v[3]);
    return true;
}

bool LecteurSource::coin(Coord& c)
{
    int x, y;
    if (!(mot("MakeCoord") && signe("(") && entier(x) && signe(",") && entier(y) && signe(")")))
        return false;
    c = MakeCoord(x, y);
    return true;
}

bool LecteurSource::objet(ObjetPlace& o)
{
    const char* noms[] = {"CTexte",       "CBouton", "CCoche", "CImage",
                          "CProgression", "CSaisie", "CRadio"};
    const int genres[] = {TYPE_TEXTE,       TYPE_BOUTON, TYPE_COCHE, TYPE_IMAGE,
                          TYPE_PROGRESSION, TYPE_SAISIE, TYPE_RADIO};
    if (courant.genre != MOT)
        return refuse(courant, std::string("attendu ") + CLASSES_ATTENDUES);
    for (int i = 0; i < 7; ++i) {
        if (courant.texte == noms[i])
            o.genre = genres[i];
    }
    if (o.genre == 0)
        return refuse(courant,
                      "classe inconnue \"" + courant.texte + "\" : attendu " + CLASSES_ATTENDUES);
    if (!(avance() && signe("(")))
        return false;
    Coord c = {0, 0};
    bool ok = false;
    switch (o.genre) {
    case TYPE_TEXTE:
        ok = rectangle(o.limites) && signe(",") && texte(o.texte);
        break;
    case TYPE_BOUTON:
        ok = rectangle(o.limites) && signe(",");
        o.legende = ok && courant.genre == CHAINE;
        if (ok && o.legende)
            ok = texte(o.texte) && signe(",");
        ok = ok && argument(o.argument, "un habillage");
        break;
    case TYPE_COCHE:
        ok = coin(c) && signe(",") && booleen(o.cochee) && signe(",") &&
             argument(o.argument, "un habillage");
        // Un quatrième argument, la légende : l'autre genre.
        if (ok && courant.genre == SIGNE && courant.texte == ",") {
            o.genre = TYPE_COCHE_LEGENDEE;
            ok = avance() && texte(o.texte);
        }
        break;
    case TYPE_IMAGE:
        ok = rectangle(o.limites) && signe(",") && argument(o.argument, "une image");
        break;
    case TYPE_PROGRESSION:
        ok = coin(c) && signe(",") && entier(o.largeur) && signe(",") && booleen(o.modifiable) &&
             signe(",") && entier(o.minimum) && signe(",") && entier(o.valeur) && signe(",") &&
             entier(o.maximum) && signe(",") && argument(o.argument, "un habillage");
        break;
    case TYPE_SAISIE:
        ok = rectangle(o.limites) && saisie(o);
        break;
    case TYPE_RADIO:
        ok = coin(c) && signe(",") && texte(o.texte) && signe(",") && entier(o.groupe);
        break;
    }
    if (o.genre == TYPE_COCHE || o.genre == TYPE_COCHE_LEGENDEE || o.genre == TYPE_PROGRESSION ||
        o.genre == TYPE_RADIO)
        o.limites = Rect{c, c};
    return ok && signe(")");
}

bool LecteurSource::saisie(ObjetPlace& o)
{
    // Texte et longueur ont leurs valeurs par défaut : (r), (r, texte) et (r, texte, n).
    Jeton fautif = courant;
    if (courant.genre == SIGNE && courant.texte == ",") {
        if (!avance())
            return false;
        fautif = courant;
        if (!texte(o.texte))
            return false;
    }
    if (courant.genre == SIGNE && courant.texte == ",") {
        if (!avance())
            return false;
        fautif = courant;
        if (!entier(o.longueurMax))
            return false;
    }
    // Le champ prendrait 0 pour une longueur négative et couperait un texte plus long : relu
    // puis récrit, le fichier ne dirait plus ce qu'il disait.
    if (o.longueurMax < 0 || o.texte.size() > size_t(o.longueurMax))
        return refuse(fautif, "longueur " + std::to_string(o.longueurMax) + " : attendu de " +
                                  std::to_string(o.texte.size()) +
                                  " (la taille du texte) \xC3\xA0 32767");
    return true;
}

bool LecteurSource::constructeur(MiseEnPage& m)
{
    // Un mot est déjà un identifiant C.
    if (courant.genre != MOT)
        return refuse(courant, "attendu le nom de la classe, CFenetre1 par exemple");
    if (nomReserve(courant.texte))
        return refuse(courant, "nom de classe r\xC3\xA9serv\xC3\xA9 \"" + courant.texte + "\"");
    m.classe = courant.texte;
    // Le constructeur porte le nom de sa classe : mot() refuse tout autre nom.
    return avance() && signe("::") && mot(m.classe.c_str()) && signe("(") && signe(")") &&
           signe(":") && mot("CFenetre") && signe("(") && argument(m.habillage, "un habillage") &&
           signe(")");
}

bool LecteurSource::nomObjet(ObjetPlace& o)
{
    const Jeton debut = courant;
    if (courant.genre != CHAINE)
        return refuse(courant, "attendu le nom de l'objet entre guillemets");
    if (!texte(o.nom))
        return false;
    if (!identifiantC(o.nom))
        return refuse(debut, "nom \"" + o.nom + "\" : attendu un identifiant C");
    const auto pris = lignesDesNoms.find(o.nom);
    if (pris != lignesDesNoms.end())
        return refuse(debut, "nom \"" + o.nom + "\" d\xC3\xA9j\xC3\xA0 donn\xC3\xA9 ligne " +
                                 std::to_string(pris->second));
    lignesDesNoms[o.nom] = debut.ligne;
    return true;
}

bool LecteurSource::fichier(MiseEnPage& m)
{
    // Un octet nul n'a sa place nulle part, commentaires compris.
    const size_t nul = source.find('\0');
    if (nul != std::string::npos) {
        consomme(nul);
        return refuseIci("fichier binaire : octet nul");
    }
    if (source.empty())
        return refuseIci("fichier vide : attendu CFenetre1::CFenetre1()");
    if (!(avance() && constructeur(m) && signe("{") && mot("setLimites") && signe("(")))
        return false;
    if (courant.genre == MOT && courant.texte == "PLEIN_ECRAN") {
        m.pleinEcran = true;
        m.limites = PLEIN_ECRAN;
        if (!avance())
            return false;
    } else if (courant.genre == MOT && courant.texte == "MakeRect") {
        m.pleinEcran = false;
        if (!rectangle(m.limites))
            return false;
    } else {
        return refuse(courant, "attendu PLEIN_ECRAN ou MakeRect");
    }
    if (!(signe(")") && signe(";")))
        return false;
    for (;;) {
        if (courant.genre == SIGNE && courant.texte == "}") {
            if (!avance())
                return false;
            break;
        }
        if (courant.genre != MOT || courant.texte != "ajouteObjetGDI")
            return refuse(courant, "attendu ajouteObjetGDI ou \"}\"");
        ObjetPlace o;
        if (!(avance() && signe("(") && mot("new") && objet(o)))
            return false;
        if (courant.genre == SIGNE && courant.texte == ",") {
            if (!(avance() && nomObjet(o)))
                return false;
        }
        if (!(signe(")") && signe(";")))
            return false;
        m.objets.push_back(o);
    }
    if (courant.genre != FIN)
        return refuse(courant, "attendu la fin du fichier");
    return true;
}
