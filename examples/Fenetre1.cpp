
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
	setLimites(MakeRect(0,0,1024,621)) ;
	ajouteObjetGDI(new CBouton(MakeRect(280,230,477,325), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
	ajouteObjetGDI(new CTexte(MakeRect(150,100,380,160), "Zone de texte")) ;
	ajouteObjetGDI(new CBouton(MakeRect(200,140,360,235), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;
	ajouteObjetGDI(new CCoche(MakeCoord(300,170), false, COCHE_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CProgression(MakeCoord(120,200), 330, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT)) ;
	ajouteObjetGDI(new CImage(MakeRect(100,80,400,330), BMP_)) ;
}
