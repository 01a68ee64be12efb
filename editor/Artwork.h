#pragma once
// The editor's pictures, drawn in code at start-up: the faces of the bitmap
// buttons in their states and the slider thumbs. Each picture is held once:
// buttons of one size share one set of faces, every slider shares one thumb
// set, and the page buttons, routing buttons and GEQ sliders take their
// pictures from the named source controls.

#include <QByteArray>
#include <array>
#include <QImage>

class PageHost;
class TComponent;

namespace Artwork {

enum class Face { Up, Hot, Down, StayDown, Disabled };
enum class Thumb { Normal, Hot, Down, Disabled };

// A button face of that size in that state (the corners outside the rounded
// face carry the buttons' transparent colour).
QImage ButtonFace(int Width, int Height, Face State);

// A slider thumb (a fader cap) as PNG bytes; kThumbWidth across the track,
// kThumbLength along it.
constexpr int kThumbWidth = 22;
constexpr int kThumbLength = 12;
QByteArray ThumbPicture(Thumb State);

// Gives every bitmap button without an up picture a face set of its own
// size and every slider without a thumb picture the thumb set: the controls
// that Owner (a dialog, or the host's control owner) owns.
void PaintControls(PageHost &Host);
void PaintControls(TComponent *Owner);

// Shares the pictures of the page buttons, then of the routing buttons and
// GEQ sliders, with their named sources. Stops at the first name that does
// not exist and answers false then (the controls handled so far keep what
// they took): the page buttons are the layout's, so they share theirs before
// the pages are made.
bool SharePictures(PageHost &Host);

} // namespace Artwork
