/// @file
/// DessinObjet : le déclenchement du dessin d'un objet, qui tient l'état OpenGL promis à tout
/// gestionnaire de dessin qui n'est pas celui de la boîte à outils.
#pragma once

class CObjetGDI;

/// Déclenche les gestionnaires de dessin de l'objet, dans l'ordre. Ceux de la boîte à outils
/// (conteneurs, objets, texte) regroupent leurs dessins entre eux. Avant tout autre, tout ce qui
/// attend est envoyé et l'état d'origine rendu (texturage coupé, aucun glBegin ouvert) ; pendant
/// qu'il s'exécute, chaque primitive qu'il appelle est envoyée aussitôt ; après lui, rien n'est
/// supposé de la texture liée, du texturage ni de la couleur.
void declencheDessin(CObjetGDI* objet);
