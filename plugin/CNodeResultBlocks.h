#pragma once

// How a node's results reach a plug-in: blocks of 8760 floats (365 days x 24 hours), block b at
// element b * 8760. Each design type maps arrays (or values) of its result records to blocks;
// elements a design type does not name keep what the caller had in them.
//   0 / 1: value k of the estimate to element k * 8760 (4 / 22 values)
//   2: 48 blocks of arrays 0-6, 8-15, 17-49, hours 0-23
//   3: 90 blocks of arrays 0-6, 8-12, 18, 19, 15, 17, 20-55, 60-69, 74-97, 102-105, hours 0-23
//   4 / 5: 54 blocks of arrays 10, 11, 14, 15, 16, 12, 17-54, 0-3, 5, 4, 6-9, month m (day d) at
//          m * 24 + h (d * 24 + h)
//   6 / 7 / 8: 24 blocks of arrays 0-23, hours, months or days as for 4 and 5
class CNodeResultBlocks
{
public:
    static constexpr int BlockValues = 8760;

    // Blocks written for the design type (values for 0 and 1); 0 outside 0..8.
    static int BlockCount(int designType);
    // Floats the caller's array must hold for the design type.
    static int RequiredValues(int designType);
    // The record array behind block b of the design type; -1 outside the map (and for 0, 1).
    static int SourceArray(int designType, int block);
    // Copies a result of the design type (as AllocResultByType makes it) into the blocks. A design
    // type outside 0..8 writes nothing.
    static void Write(int designType, const void* result, float* out);
};
