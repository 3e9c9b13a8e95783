// Le presse-papiers du bureau pour de vrai : xclip pose un texte UTF-8 sur CLIPBOARD, Ctrl+V le
// colle dans un champ ; Ctrl+C depuis le champ, xclip -o le relit en UTF-8, en Latin-1 (STRING)
// et lit la liste des cibles. Code 77 : pas d'affichage.
#include "application/PressePapiersX.h"
#include "widgets/CSaisie.h"
#include "widgets/Clavier.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
int echecs = 0;

void verifie(bool ok, const std::string& quoi)
{
    std::printf("%s : %s\n", ok ? "ok" : "ÉCHEC", quoi.c_str());
    echecs += ok ? 0 : 1;
}

// Lance la commande et sert le presse-papiers jusqu'à sa fin (5 s au plus) ; sa sortie.
std::string lance(const std::string& commande)
{
    const std::string sortie = "presse-papiers-x.sortie";
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", (commande + " > " + sortie).c_str(), (char*)nullptr);
        _exit(127);
    }
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int statut = 0;
    while (waitpid(pid, &statut, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limite) {
            kill(pid, SIGKILL);
            waitpid(pid, &statut, 0);
            return "(délai dépassé)";
        }
        servicePressePapiersX();
        usleep(2000);
    }
    std::ifstream f(sortie, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

int main()
{
    if (!ouvrePressePapiersX())
        return 77;
    CSaisie champ(MakeRect(0, 0, 300, 26), "");
    champ.changeFocus(true);

    // xclip reste propriétaire en arrière-plan jusqu'à notre copie.
    lance(
        "printf 'Cr\\303\\251er \\342\\202\\254 \\342\\230\\203' | xclip -selection clipboard -i");
    // Le xclip détaché prend la sélection quand il veut : on attend qu'il la tienne.
    for (int essai = 0; essai < 300 && champ.contenu().empty(); ++essai) {
        usleep(10000);
        champ.toucheFocus(22, MODIFICATEUR_CTRL);
    }
    verifie(champ.contenu() == "Cr\351er \200 ?", "collé depuis xclip : " + champ.contenu());

    champ.setContenu("na\xEFve \x80");
    champ.toucheFocus(1, MODIFICATEUR_CTRL);
    champ.toucheFocus(3, MODIFICATEUR_CTRL);
    const std::string utf8 = lance("xclip -selection clipboard -o");
    verifie(utf8 == "na\xC3\xAFve \xE2\x82\xAC", "relu par xclip -o : " + utf8);
    const std::string latin1 = lance("xclip -selection clipboard -o -t STRING");
    verifie(latin1 == "na\xEFve ?", "relu en STRING");
    const std::string cibles = lance("xclip -selection clipboard -o -t TARGETS");
    verifie(cibles.find("UTF8_STRING") != std::string::npos, "cibles : " + cibles);
    // Notre propre copie se recolle sans aller-retour par le serveur.
    champ.toucheFocus(22, MODIFICATEUR_CTRL);
    verifie(champ.contenu() == "na\xEFve \x80", "recollé");
    fermePressePapiersX();
    return echecs ? 1 : 0;
}
