
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,501,370)) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,10,463,40), "Zone de texte")) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,58,150,84), "Zone de texte")) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,98,150,124), "Zone de texte")) ;
	ajouteObjetGDI(new CCoche(MakeCoord(23,138), false, COCHE_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CTexte(MakeRect(68,145,463,170), "Zone de texte")) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,185,463,210), "Zone de texte")) ;
	ajouteObjetGDI(new CBouton(MakeRect(23,225,228,320), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
	ajouteObjetGDI(new CBouton(MakeRect(258,225,463,320), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
}
