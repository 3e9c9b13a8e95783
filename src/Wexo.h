// Wexo.h : en-tête unique de la boîte à outils, celui qu'inclut le code qui l'emploie.
#pragma once

#include "containers/CContainer.h"
#include "render/Coord.h"
#include "render/Couleur.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"
#include "render/Texture.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"
#include "widgets/CObjetGDI.h"
#include "widgets/Gestionnaire.h"
#include "widgets/Liste.h"
