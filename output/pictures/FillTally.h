#pragma once

// How much work filling an outline gives the player, tallied from the
// outline's edges as they land down the device. The player fills a row of
// the device at a time and orders the edges that cross each row, so its
// time grows with the outline's height times the square of the edges that
// cross a row: the work is the rows the edges cross, squared, over the
// outline's height.
//
// Positions are measured down the device in pixels; the work comes out in
// pixels. Figures that are left open are filled as if closed.
class CFillTally
{
public:
    // A new figure starts at this position.
    void MoveTo(double down);
    // An edge on from the last position of the open figure.
    void LineTo(double down);
    // Edges on from the last position of the open figure through positions
    // between 'top' and 'bottom' that cross 'rise' rows, ending at 'last'.
    void LineThrough(double top, double bottom, double rise, double edges, double last);
    void CloseFigure();
    bool IsOpen() const { return m_open; }
    // A part of the outline known by its extent and the rows its edges
    // cross (a box's curve), with the number of edges it counts as.
    void AddPart(double top, double bottom, double rise, double edges);
    // The outline becomes the outline of its edges drawn with a pen of the
    // given width: each edge a shape of its own, as tall as the edge and
    // the pen together.
    void Widen(double penWidth);
    // The work of filling the outline; infinite when a position was not a
    // number.
    double Work() const;

private:
    void Reach(double down);

    double m_rise = 0;
    double m_top = 0, m_bottom = 0;
    bool m_empty = true;
    double m_start = 0, m_last = 0;
    bool m_open = false;
    double m_edges = 0;
};
