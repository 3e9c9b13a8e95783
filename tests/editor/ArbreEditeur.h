// ArbreEditeur : l'arbre réel de l'éditeur (fond, fenêtre éditée, aide) dans un dossier jetable,
// piloté par les rappels de l'application comme le ferait GLUT.
#pragma once

#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "editor/CFenetreFond.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/CSelectionObjetGDI.h"
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "text/Police.h"
#include "widgets/CBouton.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "PilesPropres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Un rectangle lisible dans les messages d'échec.
inline std::string decrit(Rect r)
{
    return "(" + std::to_string(r.hautGauche.x) + "," + std::to_string(r.hautGauche.y) + ")-(" +
           std::to_string(r.basDroite.x) + "," + std::to_string(r.basDroite.y) + ")";
}

inline std::string couleurGL(Couleur c)
{
    return "glColor4ubv(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " +
           std::to_string(c.b) + ", " + std::to_string(c.a) + ")";
}

// Les appels GL d'un trait plein : épaisseur, motif, couleur, puis la boucle de ses sommets
// donnés à l'écran (y vers le bas).
inline std::vector<std::string> traitGL(int epaisseur, Couleur c, std::vector<Coord> sommets)
{
    std::vector<std::string> v = {"glLineWidth(" + std::to_string(epaisseur) + ")",
                                  "glLineStipple(1, 65535)", couleurGL(c), "glBegin(2)"};
    for (Coord p : sommets)
        v.push_back("glVertex2i(" + std::to_string(p.x) + ", " + std::to_string(768 - p.y) + ")");
    v.push_back("glEnd()");
    return v;
}

// Les derniers appels enregistrés, autant qu'en compte attendu.
inline std::vector<std::string> derniersAppels(size_t nombre)
{
    std::vector<std::string> t = enregistreur::textes();
    // Après le gestionnaire de l'éditeur, la fin d'image coupe le texturage qu'il a pu allumer.
    if (!t.empty() && t.back() == "glDisable(3553)")
        t.pop_back();
    return std::vector<std::string>(t.end() - std::min(nombre, t.size()), t.end());
}

class ArbreEditeur : public testing::Test
{
  protected:
    DossierTemporaire dossier;
    CFenetrePrincipale* fenetre = nullptr;
    static inline int nombreFins = 0; // appels de la fin du processus

    void SetUp() override
    {
        // La vraie police, pour que l'aide ait sa vraie taille.
        std::filesystem::copy_file(std::string(WEXO_DOSSIER_BUILD) + "/Data/Police0.tga",
                                   "Data/Police0.tga");
        ASSERT_TRUE(chargePolices());
        videPilesDessin();
        plateformeParDefaut();
        plateforme.termine = [](int) { ++nombreFins; };
        nombreFins = 0;
        quitterEditeur = &quitte;
        fichierEdite = NOM_FICHIER_SOURCE;
        miseEnPageOuverte.reset();
        racine = new CFenetreFond();
        fenetre = new CFenetrePrincipale();
        racine->ajouteObjetGDI(fenetre);
    }

    void TearDown() override
    {
        if (racine) {
            delete racine;
            racine = nullptr;
        }
        quitterEditeur = nullptr;
        fichierEdite = NOM_FICHIER_SOURCE;
        miseEnPageOuverte.reset();
        plateformeParDefaut();
        videPilesDessin();
    }

    // Un nouvel arbre sur le fichier rouvert ; celui d'avant part sans rien laisser.
    void rouvre(const char* nom)
    {
        delete racine;
        racine = nullptr;
        std::filesystem::remove(NOM_FICHIER_SOURCE);
        ASSERT_TRUE(ouvreFichierEdite(nom));
        construitArbre();
        fenetre = fenetrePrincipale;
    }

    // Les rappels, position de la souris à l'écran.
    static void va(int x, int y) { mouvementSouris(x, y); }
    static void va(Coord p) { mouvementSouris(p.x, p.y); }
    static void appuie() { boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 0, 0); }
    static void relache() { boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, 0, 0); }
    static void touche(int code) { clavier(static_cast<unsigned char>(code), 0, 0); }
    static void speciale(int code) { toucheSpecialeAppuyee(code, 0, 0); }
    static void tic() { inactivite(); }

    // Appui en a, glissement jusqu'à b en deux pas, relâchement, puis un tour d'inactivité.
    static void glisse(Coord a, Coord b)
    {
        va(a);
        appuie();
        va(MakeCoord((a.x + b.x) / 2, (a.y + b.y) / 2));
        tic();
        va(b);
        relache();
        tic();
    }
    static void clique(Coord p) { glisse(p, p); }

    // Décalage de la zone client de la fenêtre éditée dans l'écran.
    Coord marges() const { return MakeCoord(fenetre->skin.margeGauche, fenetre->skin.margeHaut); }

    void fermeAide()
    {
        touche(TOUCHE_ENTREE);
        tic();
    }

    // Le centre de la k-ième icône, de gauche à droite, du menu ouvert.
    Coord centreIcone(int k) const
    {
        CContainer* menu = static_cast<CContainer*>(fenetre->enfants.tete->element);
        std::vector<CObjetGDI*> icones;
        for (Noeud<CObjetGDI*>* n = menu->enfants.queue; n; n = n->precedent)
            icones.push_back(n->element);
        const Rect icone = icones.at(size_t(k))->limites;
        return marges() + menu->limites.hautGauche +
               MakeCoord(menu->skin.margeGauche, menu->skin.margeHaut) + icone.hautGauche +
               MakeCoord(icone.largeur() / 2, icone.hauteur() / 2);
    }

    // Ouvre le menu par Espace, ou le second par Inser, et clique l'icône du genre voulu.
    void choisit(int type)
    {
        const std::vector<int>& second = CSelectionObjetGDI::MODES_SECOND_MENU;
        const auto i = std::find(second.begin(), second.end(), type);
        if (type < NOMBRE_TYPES_OBJETS)
            touche(TOUCHE_ESPACE);
        else
            speciale(TOUCHE_INSER);
        tic();
        clique(centreIcone(type < NOMBRE_TYPES_OBJETS ? type : int(i - second.begin())));
        ASSERT_EQ(fenetre->typeAAjouter, type);
    }

    // Les enfants de la fenêtre éditée, du premier plan vers l'arrière.
    std::vector<CObjetGDI*> enfants() const
    {
        std::vector<CObjetGDI*> v;
        for (Noeud<CObjetGDI*>* n = fenetre->enfants.tete; n; n = n->suivant)
            v.push_back(n->element);
        return v;
    }

    static std::vector<std::string> lignesFichier(const char* nom)
    {
        std::ifstream f(nom, std::ios::binary);
        std::vector<std::string> lignes;
        std::string ligne;
        while (std::getline(f, ligne))
            lignes.push_back(ligne);
        return lignes;
    }
};
