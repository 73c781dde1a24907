#pragma once

// Shows the wait cursor for the lifetime of a scope around long work; nested cursors restore in
// reverse order. Does nothing when no tool object exists.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    bool m_active;
};
