#pragma once
#include <QByteArray>
#include <QString>

class CDbQuery;

// The annual hourly weather file ".qsw": one text line per hour of a 365-day year (8760 lines, the
// first 1 January 0:00), fields separated by blanks or tabs: month, day, hour 0..23, dry bulb ℃,
// wet bulb ℃, global horizontal irradiance W/m²; further fields are ignored. Only a whole ordered
// year of plausible values is taken (see Read8760hData). A location stores the file's bytes unchanged as its
// hourly data (column RIZARIR_WeatherData) and the file's name (RIZARIR_WeatherName).
//
// An object is the hourly data of the location the weather library editor shows, as its buttons
// change it: the row takes Data and Name over when the editor saves the location. File choices go
// through CTool.
class CHourlyWeatherFile
{
public:
    static constexpr const char* Filter = "8760h逐时气象文件(*.qsw)";
    static constexpr const char* Suffix = ".qsw";

    QByteArray Data;
    QString Name; // file name with extension, without folder

    // Asks for a file and takes its bytes and name. A file that is not a whole year is refused with
    // the reason, and nothing changes. False when cancelled or refused; raises Exception when the
    // file cannot be read.
    bool Import();
    // With at least 2 bytes of data: asks for a file name (".qsw" appended unless given) and writes
    // the data there, replacing a file of that name. False when there is nothing to write or the
    // choice was cancelled; raises Exception when the file cannot be written.
    bool Export() const;
    // Empties the data and the name; false when there was nothing.
    bool Remove();
    // "大小:%s字节" with the size in bytes; the editor shows it red while the size is 0.
    QString SizeText() const;

    // Reads the hourly file at path through the calculation library into out[8760][7] (null: only
    // checks it). Empty when the file is one whole year; otherwise the reason for the user, with the
    // line concerned, and out holds zeros.
    static QString Read(const QString& path, float* out8760x7);

    // Fills library rows from the ".qsw" files directly in the folder, all or nothing: a file named
    // A_B_C.qsw fills the first WeatherData row of the query's database whose Area is B and City is
    // C (the city ends at its first "."); names without two "_", and names no row matches, are
    // passed over. Files that are not a whole year are left out and listed to the user in one
    // message. Returns the number of rows filled; raises Exception when a row is refused.
    static int ImportFolder(const QString& folder, CDbQuery& query);
};
