// Tests de la zone de texte : rectangle fixe ou ajusté au texte, texte dessiné tel quel,
// pointeur partagé, aucune réaction à la souris.
#include "widgets/CTexte.h"

#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
typedef std::vector<std::string> Textes;

// Police d'essai : chaque code de 33 à 144 large de 6 texels, rangés par seize.
class ZoneTexte : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        remetStyleDeBase();
        polices[0] = Police{};
        polices[0].nomTexture = 7;
        for (int c = 33; c <= 144; ++c) {
            int x = ((c - 33) % 16) * 16, y = ((c - 33) / 16) * 18;
            polices[0].glyphes[c] = MakeRect(x, y, x + 6, y + 17);
        }
        enregistreur::efface();
    }
    void TearDown() override
    {
        videPilesDessin();
        polices[0] = Police{};
        remetStyleDeBase();
    }
};

// Le journal d'un dessin de la zone sous l'origine (5,7).
Textes dessine(CTexte& zone)
{
    enregistreur::efface();
    empileOrigine(MakeCoord(5, 7));
    declenche(zone.evenements[EVT_DESSIN], &zone);
    depileOrigine();
    return enregistreur::textes();
}

// Le journal de référence : le même texte mis en page sans lecture de format.
Textes reference(Rect r, const char* texte)
{
    enregistreur::efface();
    empileOrigine(MakeCoord(5, 7));
    afficheTexte(r.hautGauche, r.basDroite, "%s", texte);
    depileOrigine();
    fermeLotGL();
    return enregistreur::textes();
}
} // namespace

TEST_F(ZoneTexte, RectangleFixeOuAjuste)
{
    const char* longTexte = "Zone de texte bien plus longue que son rectangle";
    CTexte fixe(MakeRect(20, 31, 60, 50), longTexte);
    EXPECT_EQ(fixe.limites, MakeRect(20, 31, 60, 50));
    EXPECT_EQ(fixe.texte, longTexte);

    struct Cas {
        const char* texte;
        Rect attendu;
    } cas[] = {
        // Deux glyphes de 6 avancent de 8 chacun ; une ligne de 16 plus 3 d'interligne.
        {"Ab", MakeRect(20, 31, 36, 50)},
        {"Ab<br>Wxyz", MakeRect(20, 31, 52, 69)},
        {"", MakeRect(20, 31, 20, 31)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CTexte ajuste(MakeCoord(20, 31), c.texte);
        EXPECT_EQ(ajuste.limites, c.attendu) << c.texte;
        EXPECT_EQ(ajuste.limites, mesureTexte(MakeCoord(20, 31), c.texte)) << c.texte;
        EXPECT_EQ(profondeurStyle, 0) << c.texte;
    });

    // Chaque zone dessine son texte dans son propre rectangle : la fixe coupe le sien.
    EXPECT_EQ(dessine(fixe), reference(fixe.limites, longTexte));
    CTexte ajuste(MakeCoord(20, 31), "Ab<br>Wxyz");
    const Textes journal = dessine(ajuste);
    EXPECT_EQ(journal, reference(ajuste.limites, "Ab<br>Wxyz"));
    EXPECT_NE(journal, reference(MakeRect(20, 31, 35, 49), "Ab<br>Wxyz"));
    EXPECT_EQ(profondeurOrigines(), 0);
}

TEST_F(ZoneTexte, TexteConserveDessineTelQuel)
{
    // Un '%' suivi d'une lettre de conversion reste du texte : aucun argument n'est lu.
    char texte[] = "100%s %d %n";
    CTexte a(MakeRect(0, 0, 400, 40), texte);
    CTexte b(MakeRect(0, 0, 400, 40), texte);
    const Textes avant = dessine(a);
    EXPECT_EQ(avant, reference(a.limites, "100%s %d %n"));
    EXPECT_EQ(dessine(b), avant);

    // Le pointeur est partagé, pas copié : changer les caractères change les deux dessins.
    texte[0] = '2';
    const Textes apres = dessine(a);
    EXPECT_NE(apres, avant);
    EXPECT_EQ(apres, reference(a.limites, "200%s %d %n"));
    EXPECT_EQ(dessine(b), apres);

    // Une zone ne réagit à rien d'autre qu'au dessin.
    for (int e = 0; e < NOMBRE_EVENEMENTS; ++e)
        EXPECT_EQ(a.evenements[e].nombre, e == EVT_DESSIN ? 1 : 0) << e;
}
