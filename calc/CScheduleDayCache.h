#pragma once
#include <QHash>
#include <QString>

#include <memory>

// The hourly values of schedules by name, month (1..12) and day type (1..10), kept for the run
// that looked them up: every room on a schedule asks for the same days.
class CScheduleDayCache
{
public:
    CScheduleDayCache();
    ~CScheduleDayCache();
    CScheduleDayCache(const CScheduleDayCache&) = delete;
    CScheduleDayCache& operator=(const CScheduleDayCache&) = delete;

    // The 24 values kept for the day, or null; null for a month or day type out of range.
    const float* Find(const QString& name, int month, int dayType) const;
    // Keeps the day's 24 values; nothing for a month or day type out of range.
    void Keep(const QString& name, int month, int dayType, const float* values);
    void Clear();

private:
    struct SDays;
    QHash<QString, std::shared_ptr<SDays>> m_days;
};
