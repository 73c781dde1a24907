#pragma once
#include <QString>

// The order of library record captions in the library trees. A caption that starts with a non-zero
// decimal number sorts by that number among the other numbered captions ("9" before "10"); every
// other caption sorts by its GBK bytes, the numbered ones standing together where captions
// starting with "1" stand ("0a" before "1", "1" before "A"). Equal numbers go by their bytes.
// Unlike comparing numbers only when both have one, this is a strict weak ordering ("05" and "0a"
// and "1" cannot form a cycle), so it is safe for std::sort.
bool LibraryCaptionLess(const QString& a, const QString& b);
