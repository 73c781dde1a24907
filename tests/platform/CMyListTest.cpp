#include "platform/core/CMyList.h"
#include "platform/core/CMyList_S.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// An item that counts its destructions, so ownership shows without a leak checker.
struct Item
{
    int id;
    int* destroyed;
    ~Item() { ++*destroyed; }
};

class CMyListTest : public ::testing::Test
{
protected:
    // Items with ids 0..count-1; the cursor ends on the last one, as Add leaves it.
    void Fill(CMyList<Item>& list, int count)
    {
        for (int i = 0; i < count; ++i)
            list.Add(new Item{i, &destroyed});
    }

    static std::vector<int> Ids(CMyList<Item>& list)
    {
        std::vector<int> ids;
        for (int i = 0; i < list.Count(); ++i)
            ids.push_back(list.Get(i)->id);
        return ids;
    }

    int destroyed = 0;
};
} // namespace

TEST_F(CMyListTest, GetOutsideTheListGivesNullAndLeavesTheCursor)
{
    CMyList<Item> list;
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.CursorIndex(), -1);

    Fill(list, 5);
    ASSERT_EQ(list.Get(2)->id, 2);
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.CursorIndex(), 2);
    EXPECT_EQ(list.Get(5), nullptr);
    EXPECT_EQ(list.CursorIndex(), 2);
    EXPECT_EQ(list.Get(2)->id, 2);
}

TEST_F(CMyListTest, GetFindsEveryItemWhereverTheCursorStands)
{
    CMyList<Item> list;
    Fill(list, 10);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(list.Get(i)->id, i);
        EXPECT_EQ(list.CursorIndex(), i);
    }
    // Jumps that walk back from the cursor, restart from the first node and walk forward.
    for (int index : {9, 8, 1, 7, 3, 0, 9, 4, 5, 2, 6}) {
        ASSERT_EQ(list.Get(index)->id, index);
        EXPECT_EQ(list.CursorIndex(), index);
    }
}

TEST_F(CMyListTest, DeleteKeepsTheCursorOnTheRightNode)
{
    struct Case
    {
        const char* name;
        int count;
        int cursorAt;
        int deleteAt;
        int cursorIndex; // afterwards
        int cursorId;    // item under the cursor afterwards
    };
    const Case cases[] = {
        {"cursor node is the last node", 3, 2, 2, 1, 1},
        {"cursor node has a next node", 3, 1, 1, 1, 2},
        {"first node while cursor is on it", 3, 0, 0, 0, 1},
        {"node before the cursor", 4, 2, 0, 1, 2},
        {"node after the cursor", 4, 1, 3, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMyList<Item> list;
        Fill(list, c.count);
        list.Get(c.cursorAt);
        list.Delete(c.deleteAt);
        EXPECT_EQ(list.Count(), c.count - 1);
        EXPECT_EQ(list.CursorIndex(), c.cursorIndex);
        ASSERT_NE(list.Get(c.cursorIndex), nullptr);
        EXPECT_EQ(list.Get(c.cursorIndex)->id, c.cursorId);

        std::vector<int> expected;
        for (int i = 0; i < c.count; ++i)
            if (i != c.deleteAt)
                expected.push_back(i);
        EXPECT_EQ(Ids(list), expected);
    }
}

TEST_F(CMyListTest, DeletingTheOnlyNodeEmptiesTheList)
{
    CMyList<Item> list;
    Fill(list, 1);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CursorIndex(), -1);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(destroyed, 1);

    // The emptied list takes new items as a fresh one does.
    EXPECT_EQ(list.Add(new Item{7, &destroyed}), 0);
    EXPECT_EQ(list.Get(0)->id, 7);
}

TEST_F(CMyListTest, DeleteModeDecidesWhetherTheItemIsDeleted)
{
    struct Case
    {
        bool owns;
        int mode;
        bool deleted;
    };
    const Case cases[] = {
        {true, -1, true},   {true, 0, false},  {true, 1, true},
        {false, -1, false}, {false, 0, false}, {false, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "owns " << c.owns << ", mode " << c.mode);
        destroyed = 0;
        Item* kept = nullptr;
        {
            CMyList<Item> list(c.owns);
            Fill(list, 3);
            Item* target = list.Get(1);
            list.Delete(1, c.mode);
            EXPECT_EQ(list.Count(), 2);
            EXPECT_EQ(list.IndexOf(target), -1);
            EXPECT_EQ(destroyed, c.deleted ? 1 : 0);
            if (!c.deleted)
                kept = target;
            list.SetOwnsItems(true);
        }
        EXPECT_EQ(destroyed, c.deleted ? 3 : 2);
        delete kept;
    }
}

TEST_F(CMyListTest, DeleteOutsideTheListChangesNothing)
{
    CMyList<Item> list;
    Fill(list, 2);
    list.Delete(-1);
    list.Delete(2);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(CMyListTest, ClearAndDestructionDeleteOnlyOwnedItems)
{
    {
        CMyList<Item> owning;
        Fill(owning, 3);
        owning.Clear();
        EXPECT_EQ(owning.Count(), 0);
        EXPECT_EQ(owning.CursorIndex(), -1);
        EXPECT_EQ(destroyed, 3);
        Fill(owning, 2);
    }
    EXPECT_EQ(destroyed, 5);

    Item a{0, &destroyed};
    Item b{1, &destroyed};
    {
        CMyList<Item> borrowing(false);
        borrowing.Add(&a);
        borrowing.Add(&b);
        borrowing.Clear();
        borrowing.Add(&a);
    }
    EXPECT_EQ(destroyed, 5);
}

TEST_F(CMyListTest, InsertPlacesTheItemOrAppendsOutsideTheList)
{
    CMyList<Item> list;
    Fill(list, 2);                                           // 0 1
    EXPECT_EQ(list.Insert(2, new Item{10, &destroyed}), 2);  // at Count: appends
    EXPECT_EQ(list.Insert(-1, new Item{11, &destroyed}), 3); // appends
    EXPECT_EQ(list.Insert(0, new Item{12, &destroyed}), 0);  // new first
    EXPECT_EQ(list.Insert(2, new Item{13, &destroyed}), 2);  // before the old index 2
    EXPECT_EQ(Ids(list), (std::vector<int>{12, 0, 13, 1, 10, 11}));

    Item* first = list.Get(0);
    Item* last = list.Get(5);
    EXPECT_EQ(list.IndexOf(first), 0);
    EXPECT_EQ(list.IndexOf(last), 5);
    Item stranger{99, &destroyed};
    EXPECT_EQ(list.IndexOf(&stranger), -1);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
}

TEST_F(CMyListTest, InsertIntoAnEmptyListAppends)
{
    CMyList<Item> list;
    EXPECT_EQ(list.Insert(0, new Item{5, &destroyed}), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Get(0)->id, 5);
}

// A long mixed sequence against a vector: any slip of the cursor bookkeeping shows as a wrong item.
TEST_F(CMyListTest, MixedOperationsMatchAPlainVector)
{
    CMyList<Item> list;
    std::vector<int> model;
    unsigned seed = 12345;
    auto next = [&seed](int bound) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(bound));
    };
    int nextId = 0;
    for (int step = 0; step < 2000; ++step) {
        const int size = static_cast<int>(model.size());
        switch (next(4)) {
        case 0:
            list.Add(new Item{nextId, &destroyed});
            model.push_back(nextId++);
            break;
        case 1: {
            const int at = next(size + 1);
            list.Insert(at, new Item{nextId, &destroyed});
            model.insert(model.begin() + at, nextId++);
            break;
        }
        case 2:
            if (size > 0) {
                const int at = next(size);
                list.Delete(at);
                model.erase(model.begin() + at);
            }
            break;
        default:
            if (size > 0) {
                const int at = next(size);
                ASSERT_EQ(list.Get(at)->id, model[at]) << "step " << step;
            }
            break;
        }
        ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
        const int cursor = list.CursorIndex();
        ASSERT_EQ(cursor < 0, model.empty());
        if (cursor >= 0) {
            ASSERT_EQ(list.Get(cursor)->id, model[cursor]) << "step " << step;
        }
    }
    EXPECT_EQ(Ids(list), model);
}

TEST(CMyList_S, GetOutsideTheListRaisesOutOfRange)
{
    CMyList_S<int> list;
    for (int index : {0, -1}) {
        try {
            list.Get(index);
            ADD_FAILURE() << "no exception for index " << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("超出范围"));
        }
    }
    list.Add(1);
    EXPECT_THROW(list.Get(1), Exception);
    EXPECT_THROW(list.Get(-1), Exception);
}

TEST(CMyList_S, GetHandsOutTheStoredValue)
{
    CMyList_S<QString> list;
    list.Add(QStringLiteral("外墙"));
    list.Add(QStringLiteral("内墙"));
    list.Add(QStringLiteral("屋面"));
    list.Get(1) = QStringLiteral("楼板");
    list.Get(0) += QStringLiteral("1");
    EXPECT_EQ(list.Get(0), QStringLiteral("外墙1"));
    EXPECT_EQ(list.Get(1), QStringLiteral("楼板"));
    EXPECT_EQ(list.Get(2), QStringLiteral("屋面"));
}

TEST(CMyList_S, IndexOfFindsTheFirstEqualValue)
{
    CMyList_S<int> list;
    EXPECT_EQ(list.IndexOf(3), -1);
    for (int value : {5, 3, 8, 3})
        list.Add(value);
    EXPECT_EQ(list.IndexOf(3), 1);
    EXPECT_EQ(list.IndexOf(8), 2);
    EXPECT_EQ(list.IndexOf(4), -1);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOf(5), -1);
}
