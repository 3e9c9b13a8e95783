
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,501,393)) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,10,463,45), "Zone de texte")) ;
	ajouteObjetGDI(new CCoche(MakeCoord(23,65), false, COCHE_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CTexte(MakeRect(68,68,463,98), "Zone de texte")) ;
	ajouteObjetGDI(new CProgression(MakeCoord(23,120), 440, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CTexte(MakeRect(23,175,463,210), "Zone de texte")) ;
	ajouteObjetGDI(new CBouton(MakeRect(23,240,228,335), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
	ajouteObjetGDI(new CBouton(MakeRect(258,240,463,335), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
}
