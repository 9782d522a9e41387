#pragma once

// Images read as the PNG files they are. Qt otherwise guesses an image's
// format, and to guess it loads and asks every image-format plug-in first:
// several milliseconds before the window's first paint.

class QPixmap;
class QString;

namespace formular {

// The PNG file or resource, read without guessing; null if it is none.
QPixmap pngPixmap(const QString& file);

// Replaces the application's style by one that draws exactly as it did, when
// that style is Fusion; any other style stays as it is. Fusion's panel frame
// is an image it reads by guessing; the replacement reads it by pngPixmap.
// Call once the application object is made, before a window is shown; later
// calls change nothing.
void quickenPanelFrames();

}  // namespace formular
