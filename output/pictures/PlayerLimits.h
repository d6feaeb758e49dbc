#pragma once

// What the platform's metafile player draws in reasonable time, shared by
// the checks of enhanced and Windows metafiles. Records are measured on the
// picture's reference device, against the frame (the placeable box of a
// Windows metafile).

// How far from the frame's centre, in frame widths across and frame heights
// down, the records may draw. The player maps the frame onto the picture's
// place; curves and wide pens far beyond it take it minutes. Recorders do
// draw past the frame (a background filled 20 times as wide).
constexpr double ReachPerFrame = 64;

// The work of all a picture's fills together (see CFillTally), in reaches:
// a million in frame heights, as much as a polygon of 1,000 edges that each
// cross the whole frame, which the player fills into a picture 600 pixels
// high in 0.1 to 0.5 s. An outline that crosses each row twice does a frame
// height's work for each frame height it spans.
constexpr double FillWorkLimit = 1e6 / ReachPerFrame;

// The widest pen that draws, in reaches: twice the frame's longer side. The
// player draws a wide pen's stroke a piece at a time, each piece a shape as
// tall as the pen that it adds to the stroke's area, so its time grows with
// the square of the pen's width where the pieces cross the picture: ten
// circles of an inch in an inch's frame drawn with a pen 64 inches wide
// took it 42 s to draw into 800 x 600, with a pen 2 inches wide 1 s; ten
// circles 20 inches across in the 64-inch pen more than 300 s. A
// recorder's frame holds what its pens draw.
constexpr double PenWidthLimit = 2 / ReachPerFrame;
