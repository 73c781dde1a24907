#pragma once
#include <QString>
#include <QStringList>

// A wait note for the lifetime of a local object around long work: the constructor shows the
// note in the current wait display and pushes it on the program-wide note stack; the destructor
// pops it and shows the previous note again, or closes the display when no note is left. Notes
// nest strictly (the object made last ends first), also when an exception passes. An empty note
// is stacked but not shown: the previous note stays on screen. The tag is the creator's own and
// changes nothing on screen. User-interface thread only.
class CCutomProgres
{
public:
    explicit CCutomProgres(const QString& note, int tag = 0);
    ~CCutomProgres();
    CCutomProgres(const CCutomProgres&) = delete;
    CCutomProgres& operator=(const CCutomProgres&) = delete;

    int Tag() const { return m_tag; }

    // The notes of all live objects, the newest last.
    static QStringList Notes();

private:
    int m_tag;
};
