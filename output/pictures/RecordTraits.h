#pragma once

// What a kind of metafile record is, beside what it costs: the guard plays,
// follows and leaves out each record by these.
enum RecordTrait : unsigned
{
    // Only sets what later records draw with, or draws nothing.
    SetsStateOnly = 1u << 0,
    // Makes an object into a slot of the player's object table.
    MakesObject = 1u << 1,
    // Changes how the DC maps onto the device.
    Remaps = 1u << 2,
    // Changes the selected objects (the pen, the font).
    Reselects = 1u << 3,
    SavesState = 1u << 4,
    RestoresState = 1u << 5,
    // Stretches a bitmap to its destination in the DC's stretch mode.
    Stretches = 1u << 6,
    // What is drawn after it goes into a path, or no longer.
    OpensPath = 1u << 7,
    ClosesPath = 1u << 8,
    // Fills, strokes, widens or clips to the path built: left out, the path
    // is dropped.
    UsesPath = 1u << 9,
    // Left out, the current position moves where the record would have
    // moved it: to its point, or to the last of its points.
    MovesToPoint = 1u << 10,
    MovesToLastPoint = 1u << 11,
    // Its points are of 16 bits.
    ShortPoints = 1u << 12,
};

// The traits most kinds share: only setting state, of the mapping too, or
// making an object.
const unsigned State = SetsStateOnly;
const unsigned Mapping = SetsStateOnly | Remaps;
const unsigned Object = SetsStateOnly | MakesObject;
