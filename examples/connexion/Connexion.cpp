
CConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,501,370)) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,10,463,40), "<centre><b>Identifiez-vous</b>")) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,58,150,84), "Utilisateur")) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,98,150,124), "Mot de passe")) ;
	ajouteObjetGDI(new CSaisie(MakeRect(160,56,463,84), "", 32), "nom") ;
	ajouteObjetGDI(new CSaisie(MakeRect(160,96,463,124), "", 32), "motDePasse") ;
	ajouteObjetGDI(new CCoche(MakeCoord(23,138), false, COCHE_SKIN_DEFAUT, "Se souvenir de moi"), "souvenir") ;
	ajouteObjetGDI(new CTexte(MakeRect(23,185,463,210), ""), "etat") ;
	ajouteObjetGDI(new CBouton(MakeRect(23,225,228,320), "<centre>Connexion", BOUTON_SKIN_ROND_VARIABLE), "connexion") ;
	ajouteObjetGDI(new CBouton(MakeRect(258,225,463,320), "<centre>Annuler", BOUTON_SKIN_ROND_VARIABLE), "annuler") ;
}
