// The host's colour choices: the colour dialog, answered by a script line "@color <1-255>"
// or "@color cancel" (cancelled without one), and the RGB of a colour index.
#ifndef PLATFORM_ED_COLORDIALOG_H
#define PLATFORM_ED_COLORDIALOG_H

#include "win/wingdi.h"

/// Shows "[Colour] <start>" and reads the answer: true with `colour` set to the chosen
/// index; false (colour unchanged) when cancelled. An index of 0 or above 255 is refused
/// and the next "@color" line read.
bool zcedSetColorDialog(int& colour, bool allowMetaColours, int currentLayerColour);
/// The colour of index 0-255 as a COLORREF; grey (128, 128, 128) outside.
COLORREF zcedGetRGB(int colorIndex);

#endif
