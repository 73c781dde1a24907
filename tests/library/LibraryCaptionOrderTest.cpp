// The order of record captions in the library trees: the results the tree must give, and that the
// order is a strict weak ordering over captions that would make a "numbers only when both have one"
// comparison cycle.
#include "library/LibraryCaptionOrder.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

TEST(LibraryCaptionOrder, NumbersSortByValueAndEverythingElseByBytes)
{
    QStringList captions{QStringLiteral("10"), QStringLiteral("2"), QStringLiteral("1")};
    std::sort(captions.begin(), captions.end(), LibraryCaptionLess);
    EXPECT_EQ(captions, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("10")}));

    EXPECT_TRUE(LibraryCaptionLess(QStringLiteral("9"), QStringLiteral("10")));
    EXPECT_TRUE(LibraryCaptionLess(QStringLiteral("0a"), QStringLiteral("1")));
    EXPECT_TRUE(LibraryCaptionLess(QStringLiteral("10"), QStringLiteral("A")));
    EXPECT_TRUE(LibraryCaptionLess(QStringLiteral("A"), QStringLiteral("B")));
    // GBK bytes put common characters in reading order: 保 (bao) before 外 (wai).
    EXPECT_TRUE(LibraryCaptionLess(QStringLiteral("保温墙"), QStringLiteral("外墙")));
}

TEST(LibraryCaptionOrder, IsAStrictWeakOrdering)
{
    const QStringList captions{QStringLiteral(""),   QStringLiteral("0"),    QStringLiteral("0a"),
                               QStringLiteral("05"), QStringLiteral("005"),  QStringLiteral("1"),
                               QStringLiteral("1a"), QStringLiteral("1b"),   QStringLiteral("9"),
                               QStringLiteral("10"), QStringLiteral("+1"),   QStringLiteral("-5"),
                               QStringLiteral(","),  QStringLiteral(" 10"),  QStringLiteral("A"),
                               QStringLiteral("外墙"), QStringLiteral("240砖墙"), QStringLiteral("99999999999999999999")};
    const auto less = LibraryCaptionLess;
    for (const QString& a : captions) {
        EXPECT_FALSE(less(a, a)) << a.toStdString();
        for (const QString& b : captions) {
            if (less(a, b)) {
                EXPECT_FALSE(less(b, a)) << a.toStdString() << " " << b.toStdString();
            }
            for (const QString& c : captions) {
                if (less(a, b) && less(b, c)) {
                    EXPECT_TRUE(less(a, c)) << a.toStdString() << " " << b.toStdString() << " " << c.toStdString();
                }
                const bool abEqual = !less(a, b) && !less(b, a);
                const bool bcEqual = !less(b, c) && !less(c, b);
                if (abEqual && bcEqual) {
                    EXPECT_TRUE(!less(a, c) && !less(c, a));
                }
            }
        }
    }
}
