#include "help_window/help_text.h"

#include <QStringView>

#include <array>

namespace help {

namespace {
struct HelpPiece {
    QStringView text;
    int lineBreaksAfter;
};

// Some pieces end or begin with a space that joins them to the next one on
// the same line; those spaces are part of the text.
constexpr std::array<HelpPiece, 20> Pieces{{
    {u"Mouvoir la souris dans le cercle en maintenant le clic pour modifier la direction du vent.", 2},
    {u"Mouvoir la souris en maintenant le clic sur les spots de couleur (Rouge et Bleu) pour modifier la vitesse et", 0},
    {u" la direction du bateau ou du courant.", 2},
    {u"Les résultats affichés sont:", 2},
    {u" -Le cap vent et relatif/bateau", 1},
    {u" -Le cap/vitesse surface du bateau (bleu)", 1},
    {u" -Le cap/vitesse fond du bateau (vert)", 1},
    {u" -Le cap/vitesse du courant (rouge)", 2},
    {u"La fenêtre vent est rouge quand l'angle de vent réel par rapport au bateau est plus petit que 45°.", 2},
    {u"Quand le vent relatif réel est inférieur à 50° (on est au près serré), la fenêtre indique aussi ", 0},
    {u"l'angle de la route fond par rapport au vent et le gain VMG.", 2},
    {u"Quand on veut additionner les courants sur un parcours heure par heure, ", 0},
    {u" pour chaque segment il faut cliquer sur un bouton (gauche) de la liste de droite.", 2},
    {u"Les boutons (droits) de la liste permettent d'effacer un segment. Les segments ont tous la même durée. ", 0},
    {u"L'ordre des segments est indifférent dans ce calcul vectoriel d'addition.", 2},
    {u"Le spot rose pâle creux montre le courant moyen intégré. Le spot vert pâle creux montre la route fond ", 0},
    {u"intégré que l'on mettra au cap de l'objectif final en déplaçant le cap compas du voilier (bleu) ", 0},
    {u"pour arriver au but par le chemin le plus court. Le cap 'vent' sert à déterminer quel bord est le meilleur, grâce au VMG moyen affiché.", 2},
    {u"Evidemment il n'y a dans le calcul ni polaires, ni aucune caractéristique spécifique au voilier. ", 0},
    {u"L'angle de vent relatif réel est calculé par rapport au cap compas du voilier.", 0},
}};
} // namespace

QString assembleHelpText(QChar lineBreak)
{
    QString text;
    for (const HelpPiece& piece : Pieces) {
        text += piece.text;
        text += QString(piece.lineBreaksAfter, lineBreak);
    }
    return text;
}

} // namespace help
