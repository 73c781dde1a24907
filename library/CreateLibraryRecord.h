#pragma once
#include <memory>

class CMaterialBase;

// A new, empty record of the library kind's class, without a data set: the construction records
// for the kind codes 0 to 15 and 19, the room use for 16 and the storey use for 18. Null for the
// schedules (17), the weather (20) and every code outside 0 to 19.
std::unique_ptr<CMaterialBase> CreateLibraryRecord(int kind);
