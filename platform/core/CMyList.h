#pragma once
#include "platform/core/CMyListCore.h"

#include <type_traits>

template <typename T>
struct CMyListNode
{
    CMyListNode* prev = nullptr;
    T* item = nullptr;
    CMyListNode* next = nullptr;
};

// Doubly linked list of pointers that may own its items. It remembers the node it reached last
// (the cursor), so walking with increasing indexes costs one step per call.
// An index outside 0..Count()-1 gives null from Get and is ignored by Delete; Insert appends.
template <typename T>
class CMyList : public CMyListCore<CMyListNode<T>>
{
    using Node = CMyListNode<T>;
    using Core = CMyListCore<Node>;

public:
    // Change notification: operation 0 added, 1 removed, and the item. Lists start without one.
    using Notify = void (*)(int operation, T* item);

    explicit CMyList(bool ownsItems = true) : m_owns(ownsItems) {}
    ~CMyList() { Clear(); }

    int Add(T* item)
    {
        Core::LinkLast(new Node{nullptr, item, nullptr});
        if (m_notify)
            m_notify(0, item);
        return Core::m_cursorIndex;
    }

    int Insert(int index, T* item)
    {
        Node* at = Core::NodeAt(index);
        if (!at)
            return Add(item);
        Core::LinkBefore(at, new Node{nullptr, item, nullptr}, index);
        if (m_notify)
            m_notify(0, item);
        return index;
    }

    T* Get(int index)
    {
        Node* node = Core::NodeAt(index);
        if (!node)
            return nullptr;
        Core::MoveCursor(node, index);
        return node->item;
    }

    int IndexOf(const T* item) const
    {
        int index = 0;
        for (Node* node = Core::m_first; node; node = node->next, ++index)
            if (node->item == item)
                return index;
        return -1;
    }

    // mode -1 follows the owner flag, 0 keeps the item, any other value deletes it.
    void Delete(int index, int mode = -1)
    {
        Node* node = Core::NodeAt(index);
        if (!node)
            return;
        if (m_notify)
            m_notify(1, node->item);
        Core::Unlink(node, index);
        if ((mode == -1 && m_owns) || (mode != -1 && mode != 0))
            DeleteItem(node->item);
        delete node;
    }

    void Clear()
    {
        Core::FreeAll([this](Node* node) {
            if (m_notify)
                m_notify(1, node->item);
            if (m_owns)
                DeleteItem(node->item);
        });
    }

    void SetOwnsItems(bool owns) { m_owns = owns; }
    bool OwnsItems() const { return m_owns; }
    void SetNotify(Notify notify) { m_notify = notify; }

private:
    static void DeleteItem(T* item)
    {
        if constexpr (std::is_void_v<T>)
            ::operator delete(item);
        else
            delete item;
    }

    bool m_owns;
    Notify m_notify = nullptr;
};
