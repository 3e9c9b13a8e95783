
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,640,400)) ;
	ajouteObjetGDI(new CTexte(MakeRect(20,20,300,60), "Zone de texte")) ;
	ajouteObjetGDI(new CImage(MakeRect(340,20,596,276), BMP_MOI)) ;
	ajouteObjetGDI(new CCoche(MakeCoord(20,80), false, COCHE_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CProgression(MakeCoord(20,130), 280, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CBouton(MakeRect(20,200,200,260), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
}
