// CRelaisFonction : une fonction inscrite, appelée comme une méthode.
#include "widgets/CRelaisFonction.h"

#include <utility>

CRelaisFonction::CRelaisFonction(std::function<void(CObjetGDI* emetteur)> f)
    : fonction(std::move(f))
{
}

void CRelaisFonction::appelle(CObjetGDI* emetteur)
{
    fonction(emetteur);
}
