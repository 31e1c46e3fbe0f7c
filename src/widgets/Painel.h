#pragma once

// The raised panel inside every row and header frame, named "painel": it carries the rows'
// selection highlight and the headers' labels.

class QFrame;
class QWidget;

QFrame *criarPainel(QWidget *quadro);
// The same, kept to the frame's size by a layout.
QFrame *criarPainelQuePreenche(QWidget *quadro);
