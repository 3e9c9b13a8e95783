/// @file
/// DessinObjet : le déclenchement du dessin d'un objet, qui tient l'état OpenGL promis à tout
/// gestionnaire de dessin qui n'est pas celui de la boîte à outils.
#pragma once

class CObjetGDI;

/// Déclenche les gestionnaires de dessin de l'objet, dans l'ordre. Ceux que la boîte à outils a
/// inscrits comme les siens (GESTIONNAIRE_PROPRE) regroupent leurs dessins entre eux. Tout autre
/// est une commande de la liste : tout ce qui attend est envoyé, puis l'état promis posé
/// (texturage coupé, couleur et trait de la dernière primitive, repère (x, 768 - y)) ; pendant
/// qu'il s'exécute, chaque primitive qu'il appelle est envoyée seule à sa fin ; après lui, rien
/// n'est supposé de la texture liée, du texturage, du trait ni de la couleur.
void declencheDessin(CObjetGDI* objet);
