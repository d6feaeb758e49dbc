#pragma once

#include "output/pictures/RecordSpace.h"

// Where the records of an enhanced metafile may draw, measured as the player
// maps them: a box on the reference device around the frame, with a reach
// of its own along each axis (across from the frame's width, down from its
// height), and a logical point, size or pen width passes when its image
// under the current placement lies within it.
class CRecordReach
{
public:
    // The box, in the reference device's pixels: its centre and how far it
    // reaches from it across and down.
    struct Box
    {
        double centreX, centreY, across, down;
    };

    // Reaches nothing: every point and length is refused.
    CRecordReach();
    CRecordReach(const CRecordSpace::Placement& place, const Box& box);

    bool HasPoint(double x, double y) const;
    // A size (a rounded corner's, a radius) whose image spans no more than
    // the reach along each axis.
    bool HasSize(double cx, double cy) const;
    // A pen width: the pen is round on the device, as wide as the image of
    // the width along either logical axis, and no wider than the shorter
    // reach.
    bool HasPenWidth(double width) const;
    // A pen that draws (0 draws a pixel wide whatever the mapping) no
    // wider than the player strokes quickly: PenWidthLimit times the
    // longer reach.
    bool DrawsPenQuickly(double width) const;
    // How long the image of a logical step is, measured against the longer
    // of the reaches (across or down), which measures 1: pictures are drawn
    // in their proportion, so this is how long the step is drawn.
    double Span(double dx, double dy) const;
    // Where the image of a logical point lies down the device, in reaches
    // below the box's centre (rows of the device, which the player fills
    // one at a time).
    double Down(double x, double y) const;
    // The same as a map: down = x * dx + y * dy + offset (not numbers when
    // the reach reaches nothing).
    struct DownMap
    {
        double dx, dy, offset;
    };
    DownMap DownOf() const;
    // How far down the device a pen of this logical width reaches, in
    // reaches.
    double PenDown(double width) const;

private:
    CRecordSpace::Placement m_place;
    Box m_box;
    DownMap m_down;
    // Without rotation or shear, the logical ranges that land in the box,
    // so that a point is measured by comparisons alone.
    bool m_aligned;
    double m_minX, m_maxX, m_minY, m_maxY;
};
