// Relecture du journal de l'enregistreur : les quads texturés rendus en pièces et en glyphes.
#include "DessinEnregistre.h"

#include "render/Texture.h"
#include "text/Police.h"
#include "text/StyleTexte.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"

#include <GL/gl.h>

#include <cmath>

namespace
{
const Texture* textureDeNom(uint32_t nom)
{
    for (const Texture& t : textures)
        if (t.identifiant == nom && t.largeurTexture > 0)
            return &t;
    return nullptr;
}

Coord texel(const Texture& t, const AppelGL& c)
{
    return MakeCoord(int(std::lround(c.args[0] * t.largeurTexture)),
                     int(std::lround((1 - c.args[1]) * t.hauteurTexture)));
}

Coord ecran(const AppelGL& c)
{
    return MakeCoord(int(c.args[0]), HAUTEUR_ECRAN - int(c.args[1]));
}

// Glyphes d'essai : les codes 33 à 144 rangés par seize, 16 texels l'un de l'autre, larges de 6.
Rect glypheEssai(int c)
{
    int x = ((c - 33) % 16) * 16;
    int y = ((c - 33) / 16) * 18;
    return MakeRect(x, y, x + 6, y + 17);
}

char codeGlyphe(const AppelGL& c)
{
    int x = int(std::lround(c.args[0] * 256));
    int y = int(std::lround((1 - c.args[1]) * 128));
    return char(33 + (y / 18) * 16 + x / 16);
}
} // namespace

std::string Piece::texte() const
{
    auto r = [](Rect q) {
        return "(" + std::to_string(q.hautGauche.x) + "," + std::to_string(q.hautGauche.y) + ")-(" +
               std::to_string(q.basDroite.x) + "," + std::to_string(q.basDroite.y) + ")";
    };
    return "tex " + std::to_string(texture) + " " + r(ecran) + " <- " + r(texels);
}

bool operator==(const Piece& a, const Piece& b)
{
    return a.texture == b.texture && a.ecran == b.ecran && a.texels == b.texels;
}

DessinEnregistre::DessinEnregistre()
{
    const std::vector<AppelGL>& a = enregistreur::appels();
    uint32_t lie = 0;
    double tx = 0, ty = 0;
    Couleur couleur{};
    for (size_t i = 0; i < a.size(); ++i) {
        const AppelGL& c = a[i];
        if (c.nom == "glBindTexture") {
            lie = uint32_t(c.args[1]);
        } else if (c.nom == "glLoadIdentity") {
            tx = ty = 0;
        } else if (c.nom == "glTranslated") {
            tx += c.args[0];
            ty += c.args[1];
        } else if (c.nom == "glColor4ubv") {
            couleur = Couleur{uint8_t(c.args[0]), uint8_t(c.args[1]), uint8_t(c.args[2]),
                              uint8_t(c.args[3])};
        } else if (c.nom == "glBegin" && c.args[0] == GL_QUADS && i + 8 < a.size()) {
            if (lie == essai::NOM_POLICE) {
                glyphes.push_back({codeGlyphe(a[i + 1]), couleur, int(std::lround(tx)),
                                   HAUTEUR_ECRAN - int(std::lround(ty))});
            } else if (const Texture* t = textureDeNom(lie)) {
                // Premier et troisième sommets : coins haut-gauche et bas-droit.
                pieces.push_back({lie, Rect{ecran(a[i + 2]), ecran(a[i + 6])},
                                  Rect{texel(*t, a[i + 1]), texel(*t, a[i + 5])}});
            }
        }
    }
}

namespace essai
{
void installe()
{
    textures[TEXTURE_BOUTONS] = Texture{"Boutons", nullptr, 32, 256, 512, 256, 512, NOM_BOUTONS};
    textures[TEXTURE_COCHES] = Texture{"Coches", nullptr, 32, 64, 64, 64, 64, NOM_COCHES};
    remetStyleDeBase();
    polices[0] = Police{};
    polices[0].nomTexture = NOM_POLICE;
    for (int c = 33; c <= 144; ++c)
        polices[0].glyphes[c] = glypheEssai(c);
}

void retire()
{
    textures[TEXTURE_BOUTONS] = Texture{};
    textures[TEXTURE_COCHES] = Texture{};
    polices[0] = Police{};
    remetStyleDeBase();
}
} // namespace essai

void EssaiDessin::SetUp()
{
    essai::installe();
    enregistreur::efface();
}

void EssaiDessin::TearDown()
{
    videPilesDessin();
    essai::retire();
}
