#pragma once

// Choosers on a scrolled page (grade boxes, the number of voters, colours) take the mouse
// wheel only once the user has focused them: over an unfocused chooser the wheel scrolls the
// page, so scrolling through ten problems never changes a grade, a count or a colour.

class QWidget;

void rodaSoComFoco(QWidget *seletor);
