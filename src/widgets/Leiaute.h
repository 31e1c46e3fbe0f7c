#pragma once

// Small layout helpers shared by the analysis windows, which are laid out by hand at fixed
// positions like the forms they come from.

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

// Places `filho` at `posicao` inside a parent designed at `tamanhoPai`, and keeps its distance
// to the anchored edges of the parent when the parent is resized.
void ancorar(QWidget *filho, const QRect &posicao, const QSize &tamanhoPai, Qt::Edges bordas);

// The forms' text font: the default interface face at 13 pixels.
QFont fonteFormulario();
