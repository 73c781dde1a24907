#pragma once
#include <QString>

// "lib\config.ini" of the program folder. Its one value in use, section lib key mode, chooses the
// construction picker: "new" (exactly) the library manager's picker, anything else the classic
// library editor form.
class CQORConfig
{
public:
    // "" when the file, the section or the key is missing. The file is read at each call.
    QString ReadConfigString(const QString& section, const QString& key) const;
    bool UsesNewPicker() const;
};
