#pragma once
// The windows' places are given in twips, 1440 to the inch; the screen's
// logical resolution turns them into the toolkit's pixels.

#include <QRect>
#include <QWidget>

#include "ui/frm_connexion.h"

namespace maj::qt {

inline int EnPixels(int twips, int pointsParPouce) {
    return (twips * pointsParPouce + 720) / 1440;
}

inline QRect EnPixels(const Frm_Connexion::Place& place, const QWidget& fenetre) {
    return QRect(EnPixels(place.gauche, fenetre.logicalDpiX()), EnPixels(place.haut, fenetre.logicalDpiY()),
                 EnPixels(place.largeur, fenetre.logicalDpiX()), EnPixels(place.hauteur, fenetre.logicalDpiY()));
}

}  // namespace maj::qt
