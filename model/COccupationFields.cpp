#include "model/COccupationFields.h"

COccupationFields::COccupationFields(const QStringList& columns) : m_columns(columns.begin(), columns.end())
{
}
