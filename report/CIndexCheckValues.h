#pragma once
#include "platform/core/CMyMap.h"

#include <QString>
#include <array>

class CProjectData;

// The values the energy-check report prints, by the variable names its template uses: D0 .. D99
// (numbers) and the texts PRJNO, PRJNAME, PERSON1 .. PERSON3 and NOW.
//
// D1 above-ground area; D2 outer surface, D3 volume, D4 shape coefficient; D5 .. D13 the window-
// to-wall ratios of the eight orientations and of all walls, D23 the roof's; D25 opaque roof K;
// D29, D30 K and shading coefficient of the roof's transparent part; D33 outside-wall K; D37 ..
// D45 window K and D46 .. D54 window shading coefficients by orientation and for all openings;
// D73 projection floors, D77 partitions, D81 perimeter ground, D83 other ground, D85 basement
// walls. Every other D, the limits included, is 0.
class CIndexCheckValues
{
public:
    static constexpr int Count = 100;

    CIndexCheckValues() = default;
    CIndexCheckValues(const CIndexCheckValues&) = delete;
    CIndexCheckValues& operator=(const CIndexCheckValues&) = delete;

    // Fills every value of the named building from the checks (without forcing a recompute) and
    // the signers of the project record; NOW is today as yyyy-MM-dd. Check failures raise.
    void Gather(const QString& buildingName, const CProjectData& project);

    double Value(int index) const { return index >= 0 && index < Count ? m_values[index] : 0; }
    void SetText(const QString& name, const QString& text) { m_texts.Set(name, text); }

    // The answer for a variable name. "D" followed by digits (an optional sign first; reading
    // stops at the first other character; none read as 0) answers D at that index, with at most
    // two decimals and trailing zeros dropped; an index outside 0 .. 99 answers "0". Any other name
    // answers its text, "0" for a name without one.
    QString Answer(const QString& name) const;

private:
    std::array<double, Count> m_values{};
    CMyMap<QString, QString> m_texts;
};
