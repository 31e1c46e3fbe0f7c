#pragma once

// What a screen reader is told about the program's controls, in one place. Names and
// descriptions are set only when they change: Qt hands every change to the accessibility bridge,
// so a refresh that sets the same texts again costs nothing. A chooser (drop-down list) may have
// its name computed when the screen reader asks, from texts that change often elsewhere (a grade
// box's voter, category and problem). Choosers report their name and their value apart: on Linux
// Qt's own chooser reports its value as its name, so "9,0" or "Verde" said nothing of what the
// chooser is for.

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

// Installs the choosers' and pictures' accessible faces; once, before any window is built.
void instalarAcessibilidade();

void nomear(QWidget *controle, const QString &nome, const QString &descricao = QString());
// A chooser's name, computed whenever it is asked for.
void nomearSobDemanda(QWidget *seletor, std::function<QString()> nome);
// A widget that shows a picture, such as the chart's page: a screen reader reads it as one,
// with its name and description.
void tratarComoFigura(QWidget *figura);
// Tells the screen reader that a name shown to it may have changed.
void avisarMudancaDeNome(QWidget *controle);
