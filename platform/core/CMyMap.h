#pragma once
#include <QString>
#include <map>
#include <type_traits>

// Ordered map that answers a default value for a missing key: null for pointers, 0 for numbers,
// the text "0" for text values. Text keys order by character code (case-sensitive: "B" before "a").
// It owns nothing its values point to. One iteration position per map (First/Eof/GetCurrent/Next).
template <typename K, typename V>
class CMyMap
{
public:
    CMyMap() : m_default(DefaultValue()) { m_pos = m_pairs.end(); }
    CMyMap(const CMyMap&) = delete;
    CMyMap& operator=(const CMyMap&) = delete;

    void Set(const K& key, const V& value) { m_pairs.insert_or_assign(key, value); }

    V Get(const K& key) const
    {
        auto it = m_pairs.find(key);
        return it == m_pairs.end() ? m_default : it->second;
    }

    bool Contains(const K& key) const { return m_pairs.find(key) != m_pairs.end(); }
    int Count() const { return static_cast<int>(m_pairs.size()); }

    void Clear()
    {
        m_pairs.clear();
        m_pos = m_pairs.end();
    }

    void First() { m_pos = m_pairs.begin(); }
    bool Eof() const { return m_pos == m_pairs.end(); }
    void Next()
    {
        if (m_pos != m_pairs.end())
            ++m_pos;
    }
    void GetCurrent(K& key, V& value) const
    {
        key = m_pos->first;
        value = m_pos->second;
    }

private:
    static V DefaultValue()
    {
        if constexpr (std::is_same_v<V, QString>)
            return QStringLiteral("0");
        else
            return V{};
    }

    std::map<K, V> m_pairs;
    typename std::map<K, V>::const_iterator m_pos;
    V m_default;
};
