#pragma once
#include "platform/core/CMyListCore.h"
#include "platform/core/Exception.h"

template <typename T>
struct CMyList_SNode
{
    CMyList_SNode* prev = nullptr;
    T value;
    CMyList_SNode* next = nullptr;
};

// Doubly linked list of values with the cursor walk of CMyList. Get raises "超出范围" for an
// index outside 0..Count()-1 and hands out a reference to the stored value.
template <typename T>
class CMyList_S : public CMyListCore<CMyList_SNode<T>>
{
    using Node = CMyList_SNode<T>;
    using Core = CMyListCore<Node>;

public:
    CMyList_S() = default;
    ~CMyList_S() { Clear(); }

    void Add(const T& value) { Core::LinkLast(new Node{nullptr, value, nullptr}); }

    T& Get(int index)
    {
        if (Core::m_count == 0 || index < 0 || index >= Core::m_count)
            throw Exception(QStringLiteral("超出范围"));
        Node* node = Core::NodeAt(index);
        if (!node)
            throw Exception(QStringLiteral("没有找到"));
        Core::MoveCursor(node, index);
        return node->value;
    }

    int IndexOf(const T& value) const
    {
        int index = 0;
        for (Node* node = Core::m_first; node; node = node->next, ++index)
            if (node->value == value)
                return index;
        return -1;
    }

    void Clear()
    {
        Core::FreeAll([](Node*) {});
    }
};
