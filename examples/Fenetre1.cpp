
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,760,500)) ;
	ajouteObjetGDI(new CCoche(MakeCoord(33,42), false, COCHE_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CTexte(MakeRect(78,45,393,85), "Zone de texte")) ;
	ajouteObjetGDI(new CBouton(MakeRect(473,20,693,115), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
	ajouteObjetGDI(new CImage(MakeRect(33,140,283,390), BMP_)) ;
	ajouteObjetGDI(new CProgression(MakeCoord(353,250), 340, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT)) ;
}
