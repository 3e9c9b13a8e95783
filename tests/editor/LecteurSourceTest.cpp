// Tests de la relecture du source : formes retouchées acceptées, textes mal formés refusés à leur
// place, textes échappés relus octet pour octet.
#include "editor/LecteurSource.h"
#include "editor/Document.h"
#include "editor/ExportSource.h"
#include "editor/GenerateurSource.h"

#include "TableCas.h"

#include <gtest/gtest.h>

namespace
{
const std::string ENTETE = "\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n";
const std::string PLEIN = "\tsetLimites(PLEIN_ECRAN) ;\n";

// Le source canonique d'un fichier relu, ou l'erreur en "LIGNE:COLONNE: message".
std::string relu(const std::string& texte)
{
    MiseEnPage m;
    ErreurLecture e;
    if (!LecteurSource::lis(texte, m, e))
        return std::to_string(e.ligne) + ":" + std::to_string(e.colonne) + ": " + e.message;
    return texteSource(m);
}
} // namespace

TEST(LecteurSource, FormesAccepteesRendentLeSourceCanonique)
{
    const struct {
        const char* nom;
        std::string entree;
        std::string canonique;
    } cas[] = {
        {"espaces, fins de ligne et commentaires",
         "// tête\nCFenetre1 :: CFenetre1 ( ) /* x */ : CFenetre(\nCONTAINER_SKIN_BEIGE){"
         "setLimites( MakeRect( 0 ,0, 800,- 0 ) );ajouteObjetGDI(new\tCCoche(MakeCoord(-3,4),"
         "true,COCHE_SKIN_DEFAUT));}// fin",
         "\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
         "\tsetLimites(MakeRect(0,0,800,0)) ;\n"
         "\tajouteObjetGDI(new CCoche(MakeCoord(-3,4), true, COCHE_SKIN_DEFAUT)) ;\n}\n"},
        {"échappements et littéraux accolés",
         ENTETE + PLEIN +
             R"(ajouteObjetGDI(new CTexte(MakeRect(1,2,3,4), "a\"\\\n\t\x41\101\0101")" +
             " /* */ \"\\xe9\\xfe\\xff\\377\" \"\xE9z\"));}",
         ENTETE + PLEIN +
             "\t"
             R"(ajouteObjetGDI(new CTexte(MakeRect(1,2,3,4), "a\"\\\x0A\x09" "AA\x08" "1\xE9\xFE\xFF\xFF\xE9z")) ;)" +
             "\n}\n"},
        {"bouton sans légende, entiers et identifiants à la place des habillages",
         ENTETE + PLEIN +
             "ajouteObjetGDI(new CBouton(MakeRect(1,2,30,40), 0));"
             "ajouteObjetGDI(new CBouton(MakeRect(1,2,30,40), \"L\", TEXTURE_MOI));"
             "ajouteObjetGDI(new CImage(MakeRect(5,6,7,8), TEXTURE_BOUTONS));"
             "ajouteObjetGDI(new CProgression(MakeCoord(1,2), 60, false, -32768, 9, 32767, -1));"
             "}",
         ENTETE + PLEIN + "\tajouteObjetGDI(new CBouton(MakeRect(1,2,30,40), 0)) ;\n" +
             "\tajouteObjetGDI(new CBouton(MakeRect(1,2,30,40), \"L\", TEXTURE_MOI)) ;\n" +
             "\tajouteObjetGDI(new CImage(MakeRect(5,6,7,8), TEXTURE_BOUTONS)) ;\n" +
             "\tajouteObjetGDI(new CProgression(MakeCoord(1,2), 60, false, -32768, 9, 32767, "
             "-1)) ;\n}\n"},
        {"habillage de la fenêtre en entier",
         "CFenetre1::CFenetre1():CFenetre(2){setLimites("
         "PLEIN_ECRAN);}",
         "\nCFenetre1::CFenetre1() : CFenetre(2)\n{\n" + PLEIN + "}\n"},
    };
    pourChaqueCas(cas, [](const auto& c) {
        EXPECT_EQ(relu(c.entree), c.canonique);
        // Le canonique se relit en lui-même.
        EXPECT_EQ(relu(c.canonique), c.canonique);
    });
}

TEST(LecteurSource, FormesMalFormeesRefuseesALeurPlace)
{
    const std::string debut = ENTETE + PLEIN; // l'objet suivant commence ligne 5, colonne 1
    const std::string texte = debut + "ajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"";
    const std::string image = "ajouteObjetGDI(new CImage(MakeRect(0,0,1,1), 0), ";
    const std::string hors = "5:47: \303\251chappement hors de 0 \303\240 0xFF";
    const struct {
        std::string entree;
        std::string erreur;
    } cas[] = {
        {"", "1:1: fichier vide : attendu CFenetre1::CFenetre1()"},
        {" \n// rien\n", "3:1: attendu le nom de la classe, CFenetre1 par exemple"},
        {"CConnexion::CFenetre1()", "1:13: attendu CConnexion"},
        {"CBouton::", "1:1: nom de classe r\303\251serv\303\251 \"CBouton\""},
        {"while::", "1:1: nom de classe r\303\251serv\303\251 \"while\""},
        {"BMP_::", "1:1: nom de classe r\303\251serv\303\251 \"BMP_\""},
        {"_Fenetre::", "1:1: nom de classe r\303\251serv\303\251 \"_Fenetre\""},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(12345678901234567890,0,1,1), \"\"));}",
         "5:36: entier hors de -32768 \xC3\xA0 32767"},
        {texte + "\\xg\"));}", "5:47: attendu des chiffres hexad\303\251cimaux apr\303\250s \\x"},
        {texte + "\\x100\"));}", hors},
        {texte + "\\400\"));}", hors},
        {debut + "/*\n\n*/ x", "7:4: attendu ajouteObjetGDI ou \"}\""},
        {debut + image + "\"1a\");}", "5:50: nom \"1a\" : attendu un identifiant C"},
        {debut + image + "\"a\");\n" + image + "\"a\");}",
         "6:50: nom \"a\" d\303\251j\303\240 donn\303\251 ligne 5"},
        {debut + "ajouteObjetGDI(new CSaisie(MakeRect(0,0,1,1), \"abc\", 2));}",
         "5:54: longueur 2 : attendu de 3 (la taille du texte) \303\240 32767"},
        {"\x7F"
         "ELF\x02\x01",
         "1:1: caract\xC3\xA8re inattendu (octet 0x7F)"},
        {std::string("CFenetre1/*\n") + '\0' + "*/", "2:1: fichier binaire : octet nul"},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(32768,0,1,1), \"\"));}",
         "5:36: entier hors de -32768 \xC3\xA0 32767"},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(-32769,0,1,1), \"\"));}",
         "5:36: entier hors de -32768 \xC3\xA0 32767"},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"abc));\n}",
         "5:46: texte non termin\xC3\xA9 : attendu \""},
        {debut + "ajouteObjetGDI(new CFenetre(2));}",
         "5:20: classe inconnue \"CFenetre\" : attendu CTexte, CBouton, CCoche, CImage, "
         "CProgression, CSaisie ou CRadio"},
        {debut + "ajouteObjetGDI(new CImage(MakeRect(0,0,1,1), BMP_))\n}", "6:1: attendu \";\""},
        {debut + "ajouteObjetGDI(new CImage(MakeRect(0,0,1,1), BMP_));\n",
         "6:1: attendu ajouteObjetGDI ou \"}\""},
        {debut + "ajouteObjetGDI(new CImage(MakeRect(0,0,1,1), BMP));}",
         "5:46: identifiant inconnu \"BMP\" : attendu une image de la bo\xC3\xAEte \xC3\xA0 outils "
         "ou un entier"},
        {debut + "ajouteObjetGDI(new CCoche(MakeCoord(0,010), true, 0));}",
         "5:39: attendu un entier d\xC3\xA9"
         "cimal"},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"\\q\"));}",
         "5:47: \xC3\xA9"
         "chappement inconnu : attendu \\\" \\\\ \\n \\t \\xNN ou octal"},
        {debut + "ajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"a\\x00\"));}",
         "5:48: octet nul dans un texte"},
        {debut + "}\n}", "6:1: attendu la fin du fichier"},
        {debut + "/* ouvert", "5:1: commentaire non termin\xC3\xA9 : attendu */"},
    };
    pourChaqueCas(cas, [](const auto& c) { EXPECT_EQ(relu(c.entree), c.erreur); });
}

TEST(LecteurSource, TextesEchappesSeRelisentOctetPourOctet)
{
    // Chaque octet de 1 à 255, puis des chiffres hexadécimaux juste après un échappement.
    std::string tous;
    for (int c = 1; c < 256; ++c)
        tous += char(c);
    for (const std::string& t : {tous,
                                 std::string("\xE9"
                                             "e\x01"
                                             "F9\"\\?"),
                                 std::string("Zone de texte")}) {
        const std::string ligne = ligneTexte(MakeRect(0, 0, 1, 1), t.c_str());
        MiseEnPage m;
        ErreurLecture e;
        ASSERT_TRUE(LecteurSource::lis(ENTETE + PLEIN + ligne + "}", m, e)) << e.message;
        ASSERT_EQ(m.objets.size(), 1u);
        EXPECT_EQ(m.objets[0].texte, t);
        // Que des caractères imprimables.
        for (char c : ligne.substr(1, ligne.size() - 2))
            EXPECT_TRUE(c >= ' ' && c < 0x7F) << int(c);
    }
    EXPECT_EQ(litteralC("\xE9"
                        "e<centre>\"\\\n"),
              "\"\\xE9\" \"e<centre>\\\"\\\\\\x0A\"");
    EXPECT_EQ(litteralC("<centre>Bouton"), "\"<centre>Bouton\"");
}
