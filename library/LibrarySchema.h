#pragma once
#include <QString>

// The schema header of the library exchange files: per library index (0..21) the library name,
// the file extension, the table and the ordered (column key, caption) pairs under which a record
// travels. Library indices and kind codes (0..20) meet through equal names. Index lookups take
// any int: outside 0..21 they answer as for a library without columns.

constexpr int LibIndexCount = 22;
constexpr int LibIndexWeather = 0;
constexpr int LibIndexRoomUse = 8;
constexpr int LibIndexStoreyUse = 21;

QString LibFileMagic();   // "ZIROVI"
int LibFileVersion();     // 100
// The weather table of a project (0) and of the system library (1).
QString LibWeatherTable(int which);
// Captions of the six values of one layer, in order: material name, thickness, conductivity,
// correction factor, density, specific heat.
QString LibLayerCaption(int position);
constexpr int LibLayerCaptionCount = 6;

QString LibIndexName(int index);
QString LibFileExt(int index); // with the leading point
QString LibIndexTable(int index); // empty for 11 and 17
int LibColumnCount(int index);
QString LibColumnKeyAt(int index, int position);
QString LibColumnCaptionAt(int index, int position);

struct SLibColumn
{
    int Position = -1;
    QString Text; // the caption (by key) or the key (by caption); empty when not found
};
// Exact, case-sensitive lookups in the index's column set.
SLibColumn LibColumnCaption(int index, const QString& key);
SLibColumn LibColumnKey(int index, const QString& caption);

// -1 when none (kind 17; indices 11 and 17).
int LibIndexOfKind(int kind);
int LibKindOfIndex(int index);
