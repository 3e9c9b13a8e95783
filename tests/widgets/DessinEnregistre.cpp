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
        if (t.nomTexture == nom && t.largeurTexture > 0)
            return &t;
    return nullptr;
}

Coord texel(const Texture& t, const SommetDessine& v)
{
    return MakeCoord(int(std::lround(v.s * t.largeurTexture)),
                     int(std::lround((1 - v.t) * t.hauteurTexture)));
}

Coord ecran(const SommetDessine& v)
{
    return MakeCoord(int(v.x), HAUTEUR_ECRAN - int(v.y));
}

// Glyphes d'essai : les codes 33 à 144 rangés par seize, 16 texels l'un de l'autre, larges de 6.
Rect glypheEssai(int c)
{
    int x = ((c - 33) % 16) * 16;
    int y = ((c - 33) / 16) * 18;
    return MakeRect(x, y, x + 6, y + 17);
}

char codeGlyphe(const SommetDessine& v)
{
    int x = int(std::lround(v.s * 256));
    int y = int(std::lround((1 - v.t) * 128));
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
    for (const MorceauDessine& m : enregistreur::morceaux()) {
        if (m.mode != GL_QUADS)
            continue;
        const std::vector<SommetDessine>& v = m.sommets;
        if (m.texture == essai::NOM_POLICE) {
            // Le quad d'un glyphe part de la plume : quatrième sommet à sa gauche, premier
            // sur le haut de la ligne.
            const Couleur c{
                uint8_t(std::lround(m.couleur[0] * 255)), uint8_t(std::lround(m.couleur[1] * 255)),
                uint8_t(std::lround(m.couleur[2] * 255)), uint8_t(std::lround(m.couleur[3] * 255))};
            glyphes.push_back({codeGlyphe(v[0]), c, int(std::lround(v[3].x)),
                               HAUTEUR_ECRAN - int(std::lround(v[0].y))});
        } else if (const Texture* t = textureDeNom(m.texture)) {
            // Premier et troisième sommets : coins haut-gauche et bas-droit.
            pieces.push_back({m.texture, Rect{ecran(v[0]), ecran(v[2])},
                              Rect{texel(*t, v[0]), texel(*t, v[2])}});
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
