#pragma once
#include <QString>
#include <vector>

class CCalculate_Room;

// One air system of a run: the rooms that name it, in the order they were added, and the sum of
// their results. The rooms belong to the calculation structure; the result record is lent by the
// current result pool (CCalResultBuffer) from construction and given back by the destructor (freed
// when the pool is gone by then).
class CCalculate_System
{
public:
    // Takes a record in Reset state from the current pool; raises when there is none.
    explicit CCalculate_System(const QString& name);
    ~CCalculate_System();
    CCalculate_System(const CCalculate_System&) = delete;
    CCalculate_System& operator=(const CCalculate_System&) = delete;

    const QString& Name() const { return m_name; }
    const std::vector<CCalculate_Room*>& Rooms() const { return m_rooms; }
    // Result of the pool's design type (for the step types the first of its records).
    void* Result() const { return m_result; }
    // The captions of the rooms joined with ",".
    const QString& RoomNames() const { return m_roomNames; }

    // Appends the room and its caption; the result is the caller's to add.
    void AppendRoom(CCalculate_Room& room);

private:
    QString m_name;
    std::vector<CCalculate_Room*> m_rooms; // not owned
    void* m_result = nullptr;
    QString m_roomNames;
};
