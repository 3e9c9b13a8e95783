
CConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,501,370)) ;
	ajouteObjetGDI(new CBouton(MakeRect(23,225,228,320), "<centre>Connexion", BOUTON_SKIN_ROND_VARIABLE), "connexion") ;
	ajouteObjetGDI(new CBouton(MakeRect(258,225,463,320), "<centre>Annuler", BOUTON_SKIN_ROND_VARIABLE)) ;
}
