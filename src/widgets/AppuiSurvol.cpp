// Règles de l'appui et du survol du bouton et de la case à cocher.
#include "widgets/AppuiSurvol.h"

#include "containers/CContainer.h"

AppuiSurvol::AppuiSurvol(const CObjetGDI& objet, bool& appuye, bool& survole)
    : objet(objet), appuye(appuye), survole(survole)
{
}

bool AppuiSurvol::appuiGauche(const CObjetGDI& objet)
{
    return !objet.parent || objet.parent->boutonCapture == 0;
}

void AppuiSurvol::appuie()
{
    if (appuiGauche(objet))
        appuye = true;
}

void AppuiSurvol::relache()
{
    appuye = false;
}

void AppuiSurvol::survol()
{
    survole = true;
}

void AppuiSurvol::finSurvol()
{
    survole = false;
}
