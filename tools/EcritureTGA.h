// Écriture d'une image en TGA vrai-couleur compressé (type 10), lignes de bas en haut.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Code l'image (octets R, V, B, A, lignes de haut en bas) en 32 bits ; paquets d'au plus
// 128 pixels qui ne franchissent jamais une fin de ligne.
std::vector<uint8_t> codeTGA(int largeur, int hauteur, const std::vector<uint8_t>& rvba);
// Écrit le fichier ; faux si l'écriture échoue.
bool ecritFichier(const std::string& chemin, const std::vector<uint8_t>& octets);
