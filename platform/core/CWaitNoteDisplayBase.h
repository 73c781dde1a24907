#pragma once
#include "platform/core/CCurrent.h"

#include <QString>

// Where wait notes appear. The program installs its borderless wait window for the whole run
// (registered as the current display while it lives); tests install a fake or none. Without a
// display the notes are still stacked, so nesting stays right, but nothing is shown.
class CWaitNoteDisplayBase : public CCurrent<CWaitNoteDisplayBase>
{
public:
    static constexpr const char* SlotName = "CWaitNoteDisplayBase";

    virtual ~CWaitNoteDisplayBase() = default;

    // The current display, or null.
    static CWaitNoteDisplayBase* GetCurrent() { return Exists() ? &Current() : nullptr; }

    // Shows the note (never empty) and redraws at once: the caller goes on working without
    // returning to the event loop. The window is created on the first note and reused after.
    virtual void ShowNote(const QString& note) = 0;
    // Hides the window when it exists; it is kept for the next note.
    virtual void CloseNote() = 0;
};
