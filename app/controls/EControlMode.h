#pragma once

// Input mode of the typed edit box and grid; the values are stored by name in form settings.
enum EControlMode : int
{
    MINTEGER = 0, // integer
    MFLOAT = 1,   // decimal number
    MSTRING = 2,  // free text
    MFIGURE = 3,  // digits plus the characters listed in CanInputCharacter
};
