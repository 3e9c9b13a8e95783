/// @file
/// CaseLegendee : l'image, la marque et la légende que partagent la case à cocher et le choix
/// exclusif, avec le cadre du focus.
#pragma once

#include "../render/SkinCoche.h"
#include "CObjetGDI.h"

/// Tient la légende de son objet et ce qui découle d'elle et de l'habillage de l'objet : les
/// limites qui couvrent la case et sa légende, le dessin de la case, de sa marque et de la
/// légende.
class CaseLegendee
{
  public:
    const char* legende = nullptr; ///< ni copiée ni possédée ; nulle : la case seule

    /// skin : l'habillage de l'objet, qui reste le sien ; legende peut être nulle.
    CaseLegendee(const SkinCoche& skin, const char* legende);
    CaseLegendee(const CaseLegendee&) = delete;
    CaseLegendee& operator=(const CaseLegendee&) = delete;

    /// La ligne indiceSkin de skinsCoche, imageBasDroite rendu exclusif : la copie que garde
    /// l'objet.
    static SkinCoche copieSkin(int indiceSkin);
    /// La taille de l'image de la case.
    Coord tailleCase() const;
    /// Le rectangle de la case et de sa légende mesurée, depuis hautGauche : un clic sur la
    /// légende est un clic sur la case. Sans police chargée, la légende mesure 0.
    Rect limites(Coord hautGauche) const;
    /// Dessine à l'origine courante, depuis hautGauche : la case (décalée de decalage), la
    /// marque quand marque (déplacée de l'enfoncement quand enfonce), la légende dans la
    /// couleur courante du texte, et le cadre du focus autour de la légende (de la case sans
    /// légende) quand focus.
    void dessine(Coord hautGauche, Coord decalage, bool marque, bool enfonce, bool focus) const;

  private:
    const SkinCoche& skin;

    Coord positionLegende(Coord hautGauche, Coord tailleLegende) const;
};
