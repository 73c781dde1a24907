#pragma once

// The linked-node bookkeeping shared by CMyList and CMyList_S: first, cursor and last node, the
// cursor's index and the count. Invariant: Count() == 0 exactly when all three nodes are null and
// the cursor index is -1; otherwise the cursor is a node of the list at the cursor index.
template <typename Node>
class CMyListCore
{
public:
    int Count() const { return m_count; }
    int CursorIndex() const { return m_cursorIndex; }

    // The node at an index, or null outside 0..Count()-1. Walks back from the cursor when that is
    // shorter than walking from the first node; never walks back from the last node.
    Node* NodeAt(int index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node;
        if (index <= m_cursorIndex) {
            int back = m_cursorIndex - index;
            if (back < index) {
                node = m_cursor;
                while (back-- > 0)
                    node = node->prev;
            } else {
                node = m_first;
                for (int i = 0; i < index; ++i)
                    node = node->next;
            }
        } else {
            node = m_cursor;
            for (int i = m_cursorIndex; i < index; ++i)
                node = node->next;
        }
        return node;
    }

protected:
    CMyListCore() = default;
    CMyListCore(const CMyListCore&) = delete;
    CMyListCore& operator=(const CMyListCore&) = delete;

    void LinkLast(Node* node)
    {
        node->prev = m_last;
        node->next = nullptr;
        if (m_last)
            m_last->next = node;
        else
            m_first = node;
        m_last = node;
        m_cursor = node;
        m_cursorIndex = m_count;
        ++m_count;
    }

    void LinkBefore(Node* at, Node* node, int index)
    {
        node->prev = at->prev;
        node->next = at;
        if (at->prev)
            at->prev->next = node;
        else
            m_first = node;
        at->prev = node;
        ++m_count;
        m_cursor = node;
        m_cursorIndex = index;
    }

    void Unlink(Node* node, int index)
    {
        if (node->prev)
            node->prev->next = node->next;
        else
            m_first = node->next;
        if (node->next)
            node->next->prev = node->prev;
        else
            m_last = node->prev;
        if (node == m_cursor) {
            if (node->next) {
                m_cursor = node->next;
            } else if (node->prev) {
                m_cursor = node->prev;
                --m_cursorIndex;
            } else {
                m_cursor = nullptr;
                m_cursorIndex = -1;
            }
        } else if (index < m_cursorIndex) {
            --m_cursorIndex;
        }
        --m_count;
    }

    void MoveCursor(Node* node, int index)
    {
        m_cursor = node;
        m_cursorIndex = index;
    }

    // Frees every node after calling visit(node) on it; the list is empty afterwards.
    template <typename Visit>
    void FreeAll(Visit visit)
    {
        Node* node = m_first;
        while (node) {
            Node* next = node->next;
            visit(node);
            delete node;
            node = next;
        }
        m_first = m_cursor = m_last = nullptr;
        m_cursorIndex = -1;
        m_count = 0;
    }

    Node* m_first = nullptr;
    Node* m_cursor = nullptr;
    Node* m_last = nullptr;
    int m_cursorIndex = -1;
    int m_count = 0;
};
