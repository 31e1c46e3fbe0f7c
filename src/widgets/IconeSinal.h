#pragma once

// The plus and minus signs of the add and remove buttons: a green plus or a red minus, bars
// four pixels thick, in a square of `lado` pixels with `margem` pixels around the bars.

#include <QIcon>

QIcon iconeSinal(bool mais, int lado, int margem);
