// Objets témoins des tests de conteneurs : un espion qui note les événements reçus et des
// objets qui notent leur destruction, dans un journal commun.
#pragma once

#include "containers/CFenetre.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace temoins
{
inline std::vector<std::string>& journal()
{
    static std::vector<std::string> j;
    return j;
}

// Noms courts des treize événements, dans l'ordre de leurs indices.
inline const char* nomEvenement(int k)
{
    static const char* const noms[NOMBRE_EVENEMENTS] = {
        "appuiG",  "appuiD", "dessusG",      "dessusD",      "clicG", "clicD", "dehorsG",
        "dehorsD", "survol", "survolAppuye", "appuyeDehors", "maj",   "dessin"};
    return noms[k];
}

// Masques d'événements notés.
const unsigned BOUTONS = 0xFF;                               // appuis et relâchements
const unsigned SURVOLS = (1u << 8) | (1u << 9) | (1u << 10); // survols
const unsigned MAJ = 1u << EVT_MISE_A_JOUR;
const unsigned DESSIN = 1u << EVT_DESSIN;

// Reçoit les événements des objets observés ; ses gestionnaires passent après ceux de l'objet.
class CEspion : public CObjetGDI
{
  public:
    std::map<const CObjetGDI*, std::string> noms;

    template <int K> void note(CObjetGDI* emetteur)
    {
        journal().push_back(noms[emetteur] + "." + nomEvenement(K));
    }

    void observe(CObjetGDI* o, const std::string& nom, unsigned masque)
    {
        noms[o] = nom;
        static const MethodeGestionnaire methodes[NOMBRE_EVENEMENTS] = {
            m<0>(), m<1>(), m<2>(), m<3>(),  m<4>(),  m<5>(), m<6>(),
            m<7>(), m<8>(), m<9>(), m<10>(), m<11>(), m<12>()};
        for (int k = 0; k < NOMBRE_EVENEMENTS; ++k)
            if (masque & (1u << k))
                ajouteGestionnaire(o->evenements[k], this, methodes[k]);
    }

  private:
    template <int K> static MethodeGestionnaire m()
    {
        return static_cast<MethodeGestionnaire>(&CEspion::note<K>);
    }
};

// Un objet simple qui note sa destruction.
class CTemoin : public CObjetGDI
{
  public:
    std::string nom;
    CTemoin(const std::string& n, Rect r) : nom(n) { setLimites(r); }
    ~CTemoin() override { journal().push_back("~" + nom); }
};

class CFenetreTemoin : public CFenetre
{
  public:
    std::string nom;
    CFenetreTemoin(const std::string& n, int skin) : CFenetre(skin), nom(n) {}
    ~CFenetreTemoin() override { journal().push_back("~" + nom); }
};

class CConteneurTemoin : public CContainer
{
  public:
    std::string nom;
    CConteneurTemoin(const std::string& n, int skin, Rect r) : CContainer(skin), nom(n)
    {
        limites = r;
    }
    ~CConteneurTemoin() override { journal().push_back("~" + nom); }
};

// Joue un script sur la racine comme le font les rappels de la souris : chaque geste commence
// par une mise à jour. "@x,y" bouge, "G+"/"G-"/"D+"/"D-" appuie et relâche, "U" met à jour
// seulement, "|" vide le journal.
inline void joue(CContainer* racine, const std::string& script)
{
    std::istringstream in(script);
    std::string jeton;
    while (in >> jeton) {
        if (jeton == "|") {
            journal().clear();
            continue;
        }
        if (jeton[0] == '@') {
            int x = 0, y = 0;
            char virgule;
            std::istringstream(jeton.substr(1)) >> x >> virgule >> y;
            racine->souris = MakeCoord(x, y);
        }
        declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
        if (jeton == "G+")
            declenche(racine->evenements[EVT_APPUI_GAUCHE], racine);
        else if (jeton == "G-")
            declenche(racine->evenements[EVT_CLIC_GAUCHE], racine);
        else if (jeton == "D+")
            declenche(racine->evenements[EVT_APPUI_DROIT], racine);
        else if (jeton == "D-")
            declenche(racine->evenements[EVT_CLIC_DROIT], racine);
    }
}
} // namespace temoins
