#pragma once
#include <QString>
#include <vector>

// One named load curve: hourly values in blocks of 24, hour h of block b at index b * 24 + h.
struct CViewCurveData
{
    QString Name;
    std::vector<float> Values;
};

// The curves of one load-curve command, in the order their names first arrived. The length of
// every curve follows the design type: 24 values for types 2, 3 and 6, 288 (a design day per
// month) for 4 and 7, 8760 (every day of a 365-day year) for 5 and 8, none for any other type.
class CLoadCurveList
{
public:
    explicit CLoadCurveList(int designType);

    // Values per curve for the design type; 0 for types without curves.
    static int ValueCountOf(int designType);

    // Copies 24 values into block `block` of the curve of that name (exact, case-sensitive), made
    // when none has it yet. A block outside the curve raises Exception: callers stay inside.
    void AddCurve(const QString& name, const float* values, int block);

    int DesignType() const { return m_designType; }
    int ValueCount() const { return m_valueCount; }
    int Count() const { return static_cast<int>(m_curves.size()); }
    const CViewCurveData& Curve(int index) const { return m_curves[static_cast<size_t>(index)]; }
    // Index of the curve of that name, -1 when none.
    int Find(const QString& name) const;

private:
    int m_designType;
    int m_valueCount;
    std::vector<CViewCurveData> m_curves;
};
